// The declaration on show and the commands of the declaration screen: save,
// cancel, delete, locate, previous / next, the editors it opens.
#include "declaration/ui/FrmVexas.h"

#include "common/ErrorLog.h"
#include "common/ui/MaskedLineEdit.h"
#include "common/ui/MoneyLineEdit.h"
#include "declaration/DeclarationChecks.h"
#include "declaration/DeclarationService.h"
#include "declaration/ui/FrmVexasTabs.h"
#include "declaration/ui/SheetApuracao.h"
#include "declaration/ui/SheetIdentificacao.h"

#include <QLineEdit>

namespace vexa::decl::ui {

namespace {
void setListTotal(VexaRow& row, ListEditor list, double total) {
    switch (list) {
    case ListEditor::OutrosDeb: row.C52 = total; break;
    case ListEditor::OutrosCred: row.C62 = total; break;
    case ListEditor::Deducoes: row.C72 = total; break;
    case ListEditor::Aliquota: row.C76 = total; break;
    case ListEditor::AliquotaComp: row.C79 = total; break;
    case ListEditor::AliquotaConsumidor: row.C713 = total; break;
    }
}
} // namespace

// ---- the declaration on show ----------------------------------------------------------------

void FrmVexas::showDeclaration(const VexaRow& row, DeclState state) {
    row_ = stored_ = row;
    declState_ = state;
    beforeSearch_.reset();

    context_ = SheetContext{};
    context_.key = row.key();
    context_.isNew = state == DeclState::Insert;
    if (const auto taxpayer = registry::findTaxpayer(row.IE)) {
        context_.razaoSocial = taxpayer->RazaoSocial;
        context_.tipoRegime = taxpayer->TipoRegime;
        context_.atividade = taxpayer->AtividadeEconomicaPrincip;
        context_.tipoEstabelecimento = taxpayer->TipoEstabelecimento;
        context_.tipoEscrituracao = taxpayer->TipoEscrituracao;
        context_.portadorTare = taxpayer->PortadorTare;
        context_.usuarioECF = taxpayer->UsuarioECF;
    }
    context_.mudaDomicilio = row.changedDomicile();
    context_.cidadeA = taxpayerCityIBGE(row.IE);
    context_.cidadeB = row.CidadeB;
    atFirst_ = context_.isNew || !hasPreviousDeclaration(context_.key);
    atLast_ = context_.isNew || !hasNextDeclaration(context_.key);

    for (VexaSheet* sheet : sheets_) {
        sheet->setContext(context_);
        if (sheet->editsDeclarationRow()) {
            sheet->showRow(row_);
            sheet->setRowEditable(true);
        }
    }
    identificacao()->setKeyTexts(row.IE, row.Mes, row.Ano);
    recompute();
    applyState();
}

void FrmVexas::showNothing() {
    declState_ = DeclState::Closed;
    row_ = stored_ = VexaRow{};
    context_ = SheetContext{};
    computed_ = Apuracao{};
    atFirst_ = atLast_ = true;
    for (VexaSheet* sheet : sheets_) {
        sheet->clear();
        if (sheet->editsDeclarationRow()) sheet->setRowEditable(false);
    }
    applyState();
}

void FrmVexas::reloadStored() {
    if (!context_.hasDeclaration() || context_.isNew) return;
    if (const auto stored = loadVexa(context_.key)) showDeclaration(*stored, DeclState::Browse);
}

void FrmVexas::showChangedElsewhere() {
    // Another workstation saved the declaration since it was read here: its
    // rows as they are stored now replace what was typed.
    prompter_.warn(kChangedElsewhere);
    if (const auto stored = loadVexa(row_.key())) showDeclaration(*stored, DeclState::Browse);
    else showNothing();
}

void FrmVexas::takeEdits() {
    for (VexaSheet* sheet : sheets_)
        if (sheet->editsDeclarationRow()) sheet->takeEdits(row_);
}

void FrmVexas::recompute() {
    computed_ = computeApuracao(row_);
    const bool inEdit = decl::ui::isEditing(declState_);
    for (VexaSheet* sheet : sheets_)
        if (sheet->editsDeclarationRow()) sheet->showComputed(computed_, inEdit);
}

void FrmVexas::onRowEdited() {
    if (!context_.hasDeclaration()) return;
    if (declState_ == DeclState::Browse) declState_ = DeclState::Edit;
    takeEdits();
    recompute();
    applyState();
}

void FrmVexas::onLeftSaldoFinal() {
    if (context_.hasDeclaration() && !decl::ui::isEditing(declState_) && currentSheet() == Sheet::Itens2a39)
        goToSheet(Sheet::Item41);
}

void FrmVexas::onLeftItem83() {
    if (!context_.hasDeclaration()) return;
    takeEdits();
    const QString warning = item83Warning(row_);
    if (!warning.isEmpty()) prompter_.warn(warning);
}

void FrmVexas::failCheck(const CheckResult& check) {
    prompter_.warn(check.message);
    if (check.field.isEmpty()) return;
    if (activeSheet()->focusField(check.field)) return;
    // The field lives on another sheet of the declaration row: that sheet is shown.
    for (VexaSheet* sheet : sheets_) {
        if (sheet == activeSheet() || !sheet->editsDeclarationRow()) continue;
        const int index = tabs_->indexOf(sheet);
        tabs_->setCurrentIndex(index);
        if (sheet->focusField(check.field)) return;
    }
}

// ---- toolbar --------------------------------------------------------------------------------

void FrmVexas::novo() {
    VexaSheet* sheet = activeSheet();
    if (sheet->activeTableIsDeclaration()) {
        // A new declaration starts by typing its key.
        if (currentSheet() == Sheet::Itens2a39) identificacao()->ieEdit()->setFocus(Qt::OtherFocusReason);
        return;
    }
    sheet->appendRow();
    applyState();
}

void FrmVexas::gravar() {
    if (!context_.hasDeclaration()) return;
    VexaSheet* sheet = activeSheet();
    const bool rowPending = decl::ui::isEditing(declState_);
    takeEdits();
    const CheckResult check = checkSave(row_, currentSheet());
    if (!check.ok()) {
        failCheck(check);
        return;
    }
    if (rowPending) {
        const SaveResult saved = postDeclaration(row_, declState_ == DeclState::Insert);
        if (!saved.check.ok()) {
            failCheck(saved.check);
            return;
        }
        if (saved.changedElsewhere) {
            showChangedElsewhere();
            return;
        }
        if (!saved.saved) {
            // Rolled back: the row stays in edit with what the user typed.
            reportUnhandledError(saved.error);
            return;
        }
    }
    // The sheet's own row next, before the declaration is read again.
    if (!sheet->activeTableIsDeclaration() && sheet->tableState() != TableState::Browse) sheet->post();
    if (rowPending) {
        const auto stored = loadVexa(row_.key());
        showDeclaration(stored ? *stored : row_, DeclState::Browse);
    }
    applyState();
}

void FrmVexas::cancelar() {
    if (declState_ == DeclState::Edit) {
        showDeclaration(stored_, DeclState::Browse);
    } else if (declState_ == DeclState::Insert) {
        // The new declaration is dropped: back to the one on show before the key was typed.
        std::optional<VexaRow> before = beforeSearch_;
        if (before) before = loadVexa(before->key());
        if (before) showDeclaration(*before, DeclState::Browse);
        else showNothing();
    }
    VexaSheet* sheet = activeSheet();
    if (!sheet->activeTableIsDeclaration()) sheet->cancel();
    if (currentSheet() == Sheet::Itens2a39) {
        identificacao()->hidePicker();
        identificacao()->ieEdit()->setFocus(Qt::OtherFocusReason);
    }
    applyState();
}

void FrmVexas::excluir() {
    VexaSheet* sheet = activeSheet();
    if (sheet->activeTableIsDeclaration()) {
        if (!context_.hasDeclaration() || context_.isNew || declState_ != DeclState::Browse) return;
        QString error;
        switch (deleteDeclaration(context_.key, prompter_, &error)) {
        case DeleteOutcome::Deleted:
            showNothing();
            tabs_->setCurrentIndex(int(Sheet::Itens2a39));
            identificacao()->ieEdit()->setFocus(Qt::OtherFocusReason);
            break;
        case DeleteOutcome::Failed: reportUnhandledError(error); break;
        case DeleteOutcome::NotConfirmed:
        case DeleteOutcome::NotFound: break;
        }
        applyState();
        return;
    }
    if (!context_.hasDeclaration() || !prompter_.ask(vexa_msg::ConfirmaExclusao)) return;
    QString error;
    if (!sheet->deleteCurrentRow(&error)) reportUnhandledError(error);
    applyState();
}

void FrmVexas::localizar() {
    hide();
    const std::optional<FoundDeclaration> found = declarationSearcher_(this);
    showAgain();
    if (!found) return;
    QString error;
    const std::optional<VexaRow> row = locateDeclaration(found->ie, found->mesAno, found->retificacao, &error);
    if (!row) {
        if (!error.isEmpty()) reportUnhandledError(error);
        return;
    }
    showDeclaration(*row, DeclState::Browse);
    if (currentSheet() == Sheet::Itens2a39) identificacao()->saldoInicialEdit()->setFocus(Qt::OtherFocusReason);
}

void FrmVexas::moveTo(bool previous) {
    // From the declaration on show, or, while a key is typed, from the one shown before.
    DeclarationKey from;
    if (declState_ == DeclState::Browse) from = context_.key;
    else if (declState_ == DeclState::Search && beforeSearch_) from = beforeSearch_->key();
    else return;
    if (const auto key = moveDeclaration(previous ? Move::Previous : Move::Next, from))
        if (const auto row = loadVexa(*key)) showDeclaration(*row, DeclState::Browse);
}

void FrmVexas::anterior() { moveTo(true); }
void FrmVexas::proxima() { moveTo(false); }

void FrmVexas::procurarContribuinte() {
    if (decl::ui::isEditing(declState_) || !taxpayerSearcher_) return;
    const std::optional<QString> ie = taxpayerSearcher_(this);
    if (!ie) return;
    // A key entry with the chosen taxpayer: the month comes next.
    SheetIdentificacao* s0 = identificacao();
    startSearch();
    s0->setKeyTexts(*ie, {}, {});
    s0->mesEdit()->setFocus(Qt::OtherFocusReason);
}

// ---- editors and other screens ----------------------------------------------------------------

void FrmVexas::runAction(const DeclarationAction& action, bool hideScreen) {
    if (!action || !context_.hasDeclaration() || context_.isNew) return;
    const DeclarationKey key = context_.key;
    if (hideScreen) openEditor([&] { action(key, prompter_, this); });
    else {
        action(key, prompter_, this);
        reloadStored();
    }
}

void FrmVexas::dare() { runAction(slips_, /*hideScreen=*/true); }
void FrmVexas::imprimir() { runAction(print_, false); }
void FrmVexas::validar() {
    // The stored declaration is the one checked; nothing is written, so nothing is read again.
    if (!validate_ || !context_.hasDeclaration() || context_.isNew || declState_ != DeclState::Browse) return;
    validate_(context_.key, prompter_, this);
}
void FrmVexas::editarTare() { runAction(tareEditor_, false); }
void FrmVexas::editarEcf() { runAction(ecfEditor_, false); }

void FrmVexas::retificar() {
    if (!rectify_ || !context_.hasDeclaration() || declState_ != DeclState::Browse) return;
    const DeclarationKey key = context_.key;
    rectify_(key, prompter_, this);
    // The rectification on show is the period's latest.
    DeclarationKey latest = key;
    latest.retificacao = latestRetificacao(key.ie, key.ano, key.mes);
    if (const auto row = loadVexa(latest)) showDeclaration(*row, DeclState::Browse);
    // Then the year field, when it can take the focus; the new rectification
    // stays on show (the focus does not start typing a key).
    QLineEdit* ano = identificacao()->anoEdit();
    if (currentSheet() == Sheet::Itens2a39 && ano->isVisible() && ano->isEnabled() && !ano->hasFocus()) refocus(ano);
}

void FrmVexas::openEditor(const std::function<void()>& editor) {
    if (!context_.hasDeclaration() || context_.isNew) return;
    if (declState_ == DeclState::Edit) {
        // Pending edits of the declaration row are applied first.
        takeEdits();
        const SaveResult saved = postDeclaration(row_, false);
        if (!saved.check.ok()) {
            failCheck(saved.check);
            return;
        }
        if (saved.changedElsewhere) {
            showChangedElsewhere();
            return;
        }
        if (!saved.saved) {
            reportUnhandledError(saved.error);
            return;
        }
    }
    hide();
    editor();
    showAgain();
    reloadStored();
}

ListEditorOpener FrmVexas::listEditor(ListEditor list) const {
    const auto it = listEditors_.find(list);
    return it == listEditors_.end() ? ListEditorOpener{} : it->second;
}

bool FrmVexas::openListEditor(ListEditor list) {
    if (!context_.hasDeclaration() || context_.isNew) return false;
    if (!canOpenList(list, context_.tipoRegime, context_.key)) return false;
    const ListEditorOpener opener = listEditor(list);
    if (!opener) return false;
    std::optional<double> total;
    const DeclarationKey key = context_.key;
    openEditor([&] { total = opener(key, prompter_, this); });
    if (!total) return true;
    // The list's total goes into its item of the row as it is stored now
    // (another workstation may have saved it meanwhile) and is posted at once.
    VexaRow row = row_;
    if (const auto stored = loadVexa(key)) row = *stored;
    setListTotal(row, list, *total);
    const SaveResult saved = postDeclaration(row, false);
    if (!saved.saved) {
        if (!saved.check.ok()) prompter_.warn(saved.check.message);
        else if (saved.changedElsewhere) prompter_.warn(kChangedElsewhere);
        else reportUnhandledError(saved.error);
    }
    reloadStored();
    return true;
}

} // namespace vexa::decl::ui
