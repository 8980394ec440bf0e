#include "declaration/ui/FrmVexasState.h"

#include "common/Masks.h"
#include "common/Prompter.h"

namespace vexa::decl::ui {

bool isEditing(DeclState decl) { return decl == DeclState::Edit || decl == DeclState::Insert; }

bool isEditing(const ScreenState& state) {
    return isEditing(state.decl) || state.sheetTable != TableState::Browse;
}

const Controls& ControlStates::apply(const ScreenState& state) {
    Controls& c = controls_;
    const bool browsing = state.decl == DeclState::Browse || state.sheetTable == TableState::Browse;
    if (isEditing(state)) {
        c.gravar = c.cancelar = true;
        c.dare = c.excluir = c.localizar = c.retificar = false;
        c.anterior = c.proxima = c.keyFields = false;
    } else if (browsing && state.decl != DeclState::Search && state.decl != DeclState::Closed) {
        c.dare = c.excluir = c.localizar = c.retificar = c.imprimir = c.keyFields = true;
        c.anterior = !state.atFirst;
        c.proxima = !state.atLast;
        c.gravar = c.cancelar = false;
    } else {
        // The key is being typed, or nothing is open: no declaration to act on,
        // nothing to save; the key can be typed and a declaration located.
        c.dare = c.imprimir = c.retificar = c.excluir = false;
        c.gravar = c.cancelar = false;
        c.keyFields = c.localizar = true;
    }

    // New starts a declaration on the first sheet and appends a row where the
    // user adds rows by command; never while the declaration row is changing.
    switch (state.sheet) {
    case Sheet::Itens2a39:
    case Sheet::Itens11a127:
        c.novo = !isEditing(state.decl);
        break;
    case Sheet::Item41:
    case Sheet::Item42:
    case Sheet::Itens15:
    case Sheet::Item16:
        c.novo = !isEditing(state.decl) && state.sheetTable == TableState::Browse;
        break;
    default:
        c.novo = false;
    }
    return c;
}

QString screenTitle(DeclState decl, const DeclarationKey& key, const QString& razaoSocial) {
    if (decl == DeclState::Search || decl == DeclState::Closed || key.ie.isEmpty()) return kAppTitle;
    return kAppTitle + QStringLiteral(": ") + key.mes + QLatin1Char('/') + key.ano + QStringLiteral(" - Ret. ") +
           key.retificacao + QStringLiteral(" - ") + formatIE(key.ie) + QStringLiteral(" - ") + razaoSocial;
}

} // namespace vexa::decl::ui
