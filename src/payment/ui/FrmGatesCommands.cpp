// "Cadastrar DARE": typing the key and the commands.
#include "payment/ui/FrmGates.h"

#include "common/ErrorLog.h"
#include "common/ui/MaskedLineEdit.h"
#include "common/ui/TextLineEdit.h"
#include "payment/GateReport.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTimer>

namespace vexa::payment::ui {

namespace {

// The focus moved by the user (Tab, Enter, a click), not by the screen itself
// nor by a message box or another window: only that runs a field's exit check.
bool movedByUser(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason ||
           reason == Qt::ShortcutFocusReason;
}

bool enteredFromScreen(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

// The month as stored: two digits.
QString twoDigits(const QString& month) { return month.size() == 1 ? QLatin1Char('0') + month : month; }

} // namespace

// ---- the key -------------------------------------------------------------------------

bool FrmGates::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QWidget*>(watched);
    const bool keyField = field == edtIE_ || field == edtMes_ || field == edtAno_;
    if (keyField) {
        if (event->type() == QEvent::FocusIn) {
            if (enteredFromScreen(static_cast<QFocusEvent*>(event)->reason())) enterKeyField(field);
        } else if (event->type() == QEvent::FocusOut) {
            if (movedByUser(static_cast<QFocusEvent*>(event)->reason()) && isVisible()) leaveKeyField(field);
        } else if (event->type() == QEvent::MouseButtonPress && field == edtIE_ && field->hasFocus()) {
            // Clicking the IE field starts a key entry too.
            enterKeyField(field);
        }
    }
    return ModalScreen::eventFilter(watched, event);
}

void FrmGates::enterKeyField(QWidget* field) {
    if (state_ == State::Edit) return;
    if (state_ == State::Browse) {
        // The key is being typed again: what was on show goes.
        showNothing();
        setState(State::KeyEntry);
    }
    if (auto* edit = qobject_cast<QLineEdit*>(field)) QTimer::singleShot(0, edit, [edit] {
            if (edit->hasFocus()) edit->selectAll();
        });
}

void FrmGates::leaveKeyField(QWidget* field) {
    if (state_ != State::KeyEntry) return;
    if (field == edtMes_ && edtMes_->text().size() == 1) {
        loading_ = true;
        edtMes_->setText(twoDigits(edtMes_->text()));
        loading_ = false;
    }
    if (field == edtAno_) scheduleReferenceCheck(true);
    else if (field == edtIE_ && !edtAno_->text().isEmpty()) scheduleReferenceCheck(false);
}

void FrmGates::scheduleReferenceCheck(bool fromYearField) {
    // The check runs once the focus has settled on the next field, so that its
    // messages and focus moves do not cross the move under way.
    if (checkPending_) return;
    checkPending_ = true;
    QTimer::singleShot(0, this, [this, fromYearField] {
        checkPending_ = false;
        if (isVisible() && state_ == State::KeyEntry) runReferenceCheck(fromYearField);
    });
}

void FrmGates::runReferenceCheck(bool fromYearField) {
    const ReferenceResult r =
        referenceCheck(edtIE_->digits(), twoDigits(edtMes_->text()), edtAno_->text(), fromYearField);
    switch (r.outcome) {
    case ReferenceOutcome::Shown:
    case ReferenceOutcome::New:
        fillRevenues(r.revenues);
        showDare(r.dare, r.outcome == ReferenceOutcome::New ? State::Edit : State::Browse);
        newRow_ = r.outcome == ReferenceOutcome::New;
        edtCodigoTributo_->setFocus(Qt::OtherFocusReason);
        return;
    case ReferenceOutcome::YearBefore2000:
        prompter_.info(r.check.message);
        edtAno_->setFocus(Qt::OtherFocusReason);
        return;
    case ReferenceOutcome::TaxpayerNotFound:
        // An error of the check itself: the application's error box; the key stays as typed.
        reportUnhandledError(r.check.message);
        return;
    case ReferenceOutcome::NoDeclaration:
        prompter_.info(r.check.message);
        clearKeyFields();
        edtIE_->setFocus(Qt::OtherFocusReason);
        return;
    }
}

void FrmGates::showDeclarationKey() {
    // The declaration's own DARE when it has one; otherwise the period's, as
    // if its year had just been typed (the DARE goes to the latest rectification).
    if (const std::optional<Dare> stored = findDare(dare_.key)) {
        fillRevenues(tributosForRegime(describeDare(*stored).TipoRegime));
        showDare(*stored, State::Browse);
        edtCodigoTributo_->setFocus(Qt::OtherFocusReason);
        return;
    }
    runReferenceCheck(true);
}

void FrmGates::showEvent(QShowEvent* event) {
    ModalScreen::showEvent(event);
    if (opened_) return;
    opened_ = true;
    if (!fromDeclaration_) {
        clearKeyFields();
        edtIE_->setFocus(Qt::OtherFocusReason);
        return;
    }
    QTimer::singleShot(0, this, [this] {
        if (isVisible()) showDeclarationKey();
    });
}

// ---- commands ------------------------------------------------------------------------

void FrmGates::restartKeyEntry() {
    showNothing();
    setState(State::KeyEntry);
    clearKeyFields();
    edtIE_->setFocus(Qt::OtherFocusReason);
}

void FrmGates::novo() {
    if (state_ == State::Edit) return;
    restartKeyEntry();
}

void FrmGates::gravar() {
    if (state_ != State::Edit) return;
    const Dare d = formDare();
    if (const CheckResult widths = checkDareWidths(d); !widths) {
        fail(widths);
        return;
    }
    const SaveCheck check = checkSave(d);
    for (const QString& warning : check.warnings) prompter_.info(warning);
    if (!check.ok()) {
        fail(check.refusal);
        return;
    }
    QString error;
    if (!saveDare(d, &error)) {
        reportUnhandledError(error);
        return;
    }
    showDare(findDare(d.key).value_or(d), State::Browse);
}

void FrmGates::cancelar() {
    if (state_ != State::Edit) return;
    restartKeyEntry();
}

void FrmGates::excluir() {
    if (state_ != State::Browse) return;
    QString error;
    switch (deleteDare(dare_.key, prompter_, &error)) {
    case DeleteOutcome::Deleted:
        // Nothing left on show: a new key is typed.
        restartKeyEntry();
        break;
    case DeleteOutcome::Failed: reportUnhandledError(error); break;
    case DeleteOutcome::NotConfirmed:
    case DeleteOutcome::NotFound: break;
    }
}

void FrmGates::localizar() {
    if (state_ == State::Edit) return;
    hide();
    const std::optional<ConsultRow> chosen = consultPicker_ ? consultPicker_(parentWidget()) : std::nullopt;
    show();
    raise();
    activateWindow();
    if (!chosen) return;
    const DareKey key{chosen->IE, chosen->ano(), chosen->mes(), chosen->Retificacao};
    const std::optional<Dare> stored = findDare(key);
    if (!stored) return;
    fillRevenues(tributosForRegime(describeDare(*stored).TipoRegime));
    showDare(*stored, State::Browse);
    edtCodigoTributo_->setFocus(Qt::OtherFocusReason);
}

void FrmGates::imprimir() {
    if (state_ != State::Browse || printing_) return;
    view_ = describeDare(dare_);
    showView();
    if (const CheckResult check = checkPrint(view_); !check) {
        fail(check);
        return;
    }
    const DareKey& k = dare_.key;
    const QList<SlipPage> pages = gatePages(qrRelatorioGATE(k.IE, k.periodo(), k.Retificacao));
    if (pages.isEmpty()) {
        prompter_.info(dare_msg::SemDadosImpressao);
        return;
    }
    // The command stays off while the preview is open, and comes back however it ends.
    printing_ = true;
    applyState();
    struct Restore {
        FrmGates* screen;
        ~Restore() {
            screen->printing_ = false;
            screen->applyState();
        }
    } restore{this};
    if (previewer_) previewer_(this, pages);
}

void FrmGates::procurarContribuinte() {
    if (state_ == State::Edit || !taxpayerSearcher_) return;
    const std::optional<QString> ie = taxpayerSearcher_(this);
    if (!ie) return;
    showNothing();
    setState(State::KeyEntry);
    loading_ = true;
    edtIE_->setDigits(*ie);
    loading_ = false;
    // The period comes next.
    edtMes_->setFocus(Qt::OtherFocusReason);
}

} // namespace vexa::payment::ui
