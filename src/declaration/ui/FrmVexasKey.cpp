// Typing the key of a declaration on the first sheet: entering IE, month or
// year starts the search (the key fields then edit the key, not a row);
// leaving them checks what was typed, and leaving the year finds the
// declaration (its latest rectification) or starts a new one.
#include "declaration/ui/FrmVexas.h"

#include "common/ui/MaskedLineEdit.h"
#include "common/ui/MoneyLineEdit.h"
#include "declaration/DeclarationChecks.h"
#include "declaration/DeclarationService.h"
#include "declaration/ui/SheetIdentificacao.h"

#include <QLineEdit>
#include <QTimer>

namespace vexa::decl::ui {

namespace {
// The field's text selected, once the edit has placed its cursor.
void selectLater(QWidget* field) {
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        QTimer::singleShot(0, edit, [edit] { edit->selectAll(); });
}
} // namespace

void FrmVexas::enterKeyField(QWidget* field) {
    SheetIdentificacao* s0 = identificacao();
    if (refocusing_) {
        // Back after a message: what the user typed stays.
        refocusing_ = false;
        selectLater(field);
        return;
    }
    if (pageChange_) {
        // The focus lands here because the first sheet came back on show.
        pageChange_ = false;
        s0->saldoInicialEdit()->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (decl::ui::isEditing(declState_)) return;
    const ProposedPeriod proposed = proposedPeriod();
    if (field == s0->ieEdit()) s0->setKeyTexts({}, {}, {});
    else if (field == s0->mesEdit()) s0->mesEdit()->setText(proposed.mes);
    else s0->anoEdit()->setText(proposed.ano);
    startSearch();
    selectLater(field);
}

void FrmVexas::startSearch() {
    if (declState_ == DeclState::Search) return;
    if (declState_ == DeclState::Browse) beforeSearch_ = stored_;
    declState_ = DeclState::Search;
    row_ = stored_ = VexaRow{};
    context_ = SheetContext{};
    computed_ = Apuracao{};
    for (VexaSheet* sheet : sheets_) {
        sheet->clear();
        if (sheet->editsDeclarationRow()) sheet->setRowEditable(false);
    }
    atFirst_ = atLast_ = true;
    applyState();
}

void FrmVexas::refocus(QWidget* field) {
    refocusing_ = true;
    field->setFocus(Qt::OtherFocusReason);
    refocusing_ = false;
    selectLater(field);
}

void FrmVexas::leaveKeyField(QWidget* field) {
    if (leavingKey_ || declState_ != DeclState::Search) return;
    leavingKey_ = true;
    SheetIdentificacao* s0 = identificacao();
    if (field == s0->ieEdit()) leaveIE();
    else if (field == s0->mesEdit()) leaveMes();
    else leaveAno();
    leavingKey_ = false;
}

void FrmVexas::leaveIE() {
    SheetIdentificacao* s0 = identificacao();
    const CheckResult check = checkLeavingIE(s0->typedIE());
    if (!check.ok()) {
        prompter_.warn(check.message);
        refocus(s0->ieEdit());
    }
}

void FrmVexas::leaveMes() {
    SheetIdentificacao* s0 = identificacao();
    const CheckResult check = checkLeavingMes(s0->typedMes());
    if (check.ok()) {
        s0->mesEdit()->setText(monthText(s0->typedMes()));
        return;
    }
    prompter_.warn(check.message);
    // The search is given up and starts again on the month, with its proposal.
    declState_ = DeclState::Closed;
    s0->mesEdit()->setFocus(Qt::OtherFocusReason);
    if (declState_ != DeclState::Search) startSearch();
}

void FrmVexas::leaveAno() {
    SheetIdentificacao* s0 = identificacao();
    const QString ie = s0->typedIE();
    const LeaveAnoResult result = checkLeavingAno(ie, s0->typedAno(), /*leavingYearField=*/true, prompter_);
    if (result.outcome == LeaveAnoResult::Outcome::Refused) {
        prompter_.warn(result.check.message);
        refocus(result.check.field == vexa_field::IE ? static_cast<QWidget*>(s0->ieEdit()) : s0->anoEdit());
        return;
    }
    if (result.outcome == LeaveAnoResult::Outcome::Declined) {
        refocus(s0->anoEdit());
        return;
    }
    // A month never typed (the user went straight to the year) is refused as on leaving the month.
    const CheckResult month = checkLeavingMes(s0->typedMes());
    if (!month.ok()) {
        prompter_.warn(month.message);
        refocus(s0->mesEdit());
        return;
    }
    const OpenedDeclaration opened = openDeclaration(ie, monthText(s0->typedMes()), s0->typedAno());
    showDeclaration(opened.row, opened.isNew ? DeclState::Insert : DeclState::Browse);
}

} // namespace vexa::decl::ui
