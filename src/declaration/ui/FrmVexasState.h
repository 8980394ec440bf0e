#pragma once
// Which commands and fields of the declaration screen are enabled, as the
// states of the declaration row and of the active sheet table change, and
// the title the half-second timer shows. Plain data, no widgets.

#include "declaration/DeclarationKey.h"
#include "declaration/Sheets.h"
#include "declaration/ui/VexaSheet.h"

#include <QString>

namespace vexa::decl::ui {

// The declaration row: nothing opened yet, a declaration on show, the key
// being typed, a new declaration not stored yet, a stored one being changed.
enum class DeclState { Closed, Browse, Search, Insert, Edit };

struct ScreenState {
    DeclState decl = DeclState::Closed;
    TableState sheetTable = TableState::Browse;   // the active sheet table (the row itself on its sheets)
    Sheet sheet = Sheet::Itens2a39;
    bool atFirst = false;   // no declaration before the one on show
    bool atLast = false;    // none after it
};

// The controls that follow the state.
struct Controls {
    bool novo = true;
    bool gravar = false;
    bool cancelar = false;
    bool excluir = true;
    bool localizar = true;
    bool dare = true;
    bool retificar = true;
    bool imprimir = true;
    bool anterior = false;   // nothing on show yet: no neighbours
    bool proxima = false;
    bool keyFields = true;   // IE, month and year

    bool operator==(const Controls&) const = default;
};

// Applies a state to the controls as they stand: a state that says nothing
// of a control leaves it as it was.
class ControlStates {
public:
    const Controls& controls() const { return controls_; }
    const Controls& apply(const ScreenState& state);

private:
    Controls controls_;
};

// Whether the declaration row or the active sheet table holds unsaved edits.
bool isEditing(const ScreenState& state);
bool isEditing(DeclState decl);

// "VEXA Eletrônica" while the key is typed; otherwise
// "VEXA Eletrônica: MM/YYYY - Ret. RR - <IE as shown> - <name>".
QString screenTitle(DeclState decl, const DeclarationKey& key, const QString& razaoSocial);

} // namespace vexa::decl::ui
