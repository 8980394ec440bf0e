#include "registry/ui/FrmResponsaveis.h"

#include "common/ErrorLog.h"
#include "common/ui/EnterAsTab.h"
#include "common/ui/MaskedLineEdit.h"
#include "common/ui/MessageBoxPrompter.h"
#include "common/ui/TextLineEdit.h"
#include "registry/ui/FrmProcura.h"

#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa::registry::ui {

namespace {
bool leavesForAnotherControl(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}
} // namespace

FrmResponsaveis::FrmResponsaveis(Prompter& prompter, QWidget* parent) : ModalScreen(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("FrmResponsaveis"));
    setWindowTitle(QStringLiteral("Cadastro de Contabilistas"));
    searcher_ = [](QWidget* p) { return FrmProcura::pick(Registry::Accountants, p); };
    buildScreen();
    EnterAsTab::install(this);
    // The table opens in CRC, UF order, with the focus on the CRC field.
    current_ = moveAccountant(AccountantMove::First, {});
    showCurrent();
    setState(State::Browse);
    enterCrc();
}

void FrmResponsaveis::open(QWidget* parent) {
    MessageBoxPrompter prompter;
    FrmResponsaveis screen(prompter, parent);
    screen.exec();
}

void FrmResponsaveis::buildScreen() {
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("pnlBotoes"));
    bar->setFrameShape(QFrame::StyledPanel);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(4, 4, 4, 4);
    btnRetornar_ = topBarButton(QStringLiteral("&Retornar"), QStringLiteral("btnRetornar"));
    btnCancelar_ = topBarButton(QStringLiteral("&Cancelar"), QStringLiteral("btnCancelar"));
    btnGravar_ = topBarButton(QStringLiteral("&Gravar"), QStringLiteral("btnGravar"));
    btnNovo_ = topBarButton(QStringLiteral("&Novo"), QStringLiteral("btnNovo"));
    btnExcluir_ = topBarButton(QStringLiteral("&Excluir"), QStringLiteral("btnExcluir"));
    btnLocalizar_ = topBarButton(QStringLiteral("&Localizar"), QStringLiteral("btnLocalizar"));
    for (QToolButton* b : {btnRetornar_, btnCancelar_, btnGravar_, btnNovo_, btnExcluir_, btnLocalizar_})
        barLayout->addWidget(b);
    barLayout->addStretch(1);

    edtCRC_ = new TextLineEdit(TextLineEdit::Case::AsTyped, accountant_width::CRCTyped, this);
    edtCRC_->setObjectName(QStringLiteral("EdtCRC"));
    edtCRC_->setFixedWidth(120);
    edtCRC_->installEventFilter(this);
    edtUF_ = new TextLineEdit(TextLineEdit::Case::Upper, accountant_width::UF, this);
    edtUF_->setObjectName(QStringLiteral("EdtUF"));
    edtUF_->setFixedWidth(40);
    edtUF_->installEventFilter(this);
    edtNome_ = new TextLineEdit(TextLineEdit::Case::Upper, accountant_width::Nome, this);
    edtNome_->setObjectName(QStringLiteral("EdtNome"));
    edtTelefone_ = new TextLineEdit(TextLineEdit::Case::Upper, accountant_width::Telefone, this);
    edtTelefone_->setObjectName(QStringLiteral("EdtTelefone"));
    edtTelefone_->setFixedWidth(170);
    edtCPF_ = new MaskedLineEdit(MaskedLineEdit::Kind::CPF, this);
    edtCPF_->setObjectName(QStringLiteral("EdtCPF"));
    edtCPF_->setFixedWidth(130);
    edtEmail_ = new TextLineEdit(TextLineEdit::Case::Lower, accountant_width::Email, this);
    edtEmail_->setObjectName(QStringLiteral("EdtEmail"));

    auto* fields = new QGridLayout;
    fields->setContentsMargins(10, 10, 10, 10);
    fields->setHorizontalSpacing(8);
    int row = 0;
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(edtCRC_);
    keyRow->addSpacing(16);
    keyRow->addWidget(new QLabel(QStringLiteral("UF:")));
    keyRow->addSpacing(4);
    keyRow->addWidget(edtUF_);
    keyRow->addStretch(1);
    fields->addWidget(new QLabel(QStringLiteral("CRC:")), row, 0);
    fields->addLayout(keyRow, row++, 1);
    fields->addWidget(new QLabel(QStringLiteral("Nome:")), row, 0);
    fields->addWidget(edtNome_, row++, 1);
    auto* phoneRow = new QHBoxLayout;
    phoneRow->addWidget(edtTelefone_);
    phoneRow->addSpacing(16);
    phoneRow->addWidget(new QLabel(QStringLiteral("CPF:")));
    phoneRow->addSpacing(4);
    phoneRow->addWidget(edtCPF_);
    phoneRow->addStretch(1);
    fields->addWidget(new QLabel(QStringLiteral("Telefone:")), row, 0);
    fields->addLayout(phoneRow, row++, 1);
    fields->addWidget(new QLabel(QStringLiteral("E-mail:")), row, 0);
    fields->addWidget(edtEmail_, row++, 1);
    fields->setColumnStretch(1, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addLayout(fields);
    layout->addStretch(1);
    resize(560, 230);

    setTabOrder(edtCRC_, edtUF_);
    setTabOrder(edtUF_, edtNome_);
    setTabOrder(edtNome_, edtTelefone_);
    setTabOrder(edtTelefone_, edtCPF_);
    setTabOrder(edtCPF_, edtEmail_);

    connect(btnRetornar_, &QToolButton::clicked, this, &QWidget::close);
    connect(btnCancelar_, &QToolButton::clicked, this, &FrmResponsaveis::cancelar);
    connect(btnGravar_, &QToolButton::clicked, this, &FrmResponsaveis::gravar);
    connect(btnNovo_, &QToolButton::clicked, this, &FrmResponsaveis::novo);
    connect(btnExcluir_, &QToolButton::clicked, this, &FrmResponsaveis::excluir);
    connect(btnLocalizar_, &QToolButton::clicked, this, &FrmResponsaveis::localizar);
    for (QLineEdit* e : {edtNome_, edtTelefone_, static_cast<QLineEdit*>(edtCPF_), edtEmail_})
        connect(e, &QLineEdit::textEdited, this, &FrmResponsaveis::onUserEdit);
}

// ---- the key ---------------------------------------------------------------------

bool FrmResponsaveis::eventFilter(QObject* watched, QEvent* event) {
    if ((watched == edtCRC_ || watched == edtUF_) &&
        (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool real = leavesForAnotherControl(reason);
        if (event->type() == QEvent::FocusIn) {
            if (watched == edtCRC_ && real) enterCrc();
            else if (watched == edtUF_ && real) enterUf();
            else if (state_ == State::KeySearch)
                QTimer::singleShot(0, watched, [e = static_cast<QLineEdit*>(watched)] { e->selectAll(); });
        } else if (watched == edtUF_ && real && state_ == State::KeySearch && isVisible() && !startingOver_) {
            leaveUf();
        }
    }
    return ModalScreen::eventFilter(watched, event);
}

void FrmResponsaveis::startKeySearch() {
    if (state_ == State::KeySearch) return;
    // Only the key being typed is on show.
    const QString crc = edtCRC_->text();
    const QString uf = edtUF_->text();
    showRow(Declarante{});
    loading_ = true;
    edtCRC_->setText(crc);
    edtUF_->setText(uf);
    loading_ = false;
    setState(State::KeySearch);
}

void FrmResponsaveis::enterCrc() {
    startKeySearch();
    // Entering the CRC field clears both key values.
    loading_ = true;
    edtCRC_->clear();
    edtUF_->clear();
    loading_ = false;
}

void FrmResponsaveis::enterUf() {
    // The key is the typed CRC (its first 10 characters) with the typed state.
    startKeySearch();
    QTimer::singleShot(0, edtUF_, [e = edtUF_] { e->selectAll(); });
}

void FrmResponsaveis::leaveUf() {
    const QString crc = edtCRC_->text();
    const QString uf = edtUF_->text();
    if (const CheckResult key = checkAccountantKey(crc, uf); !key) {
        // The warning waits until the focus has settled, then the focus comes back.
        if (ufWarningPending_) return;
        ufWarningPending_ = true;
        QTimer::singleShot(0, this, [this, key] {
            ufWarningPending_ = false;
            if (!isVisible()) return;
            prompter_.warn(key.message);
            if (state_ == State::KeySearch) focusField(key.field);
        });
        return;
    }
    if (findAccountant(crc, uf)) {
        current_ = {crcKey(crc), uf};
        showCurrent();
        setState(State::Browse);
        return;
    }
    loaded_ = newAccountant(crc, uf);
    showRow(loaded_);
    setState(State::Insert);
}

void FrmResponsaveis::onUserEdit() {
    if (loading_) return;
    if (state_ == State::Browse && !current_.crc.isEmpty()) setState(State::Edit);
}

// ---- states ----------------------------------------------------------------------

void FrmResponsaveis::setState(State state) {
    state_ = state;
    const bool browse = state == State::Browse;
    const bool editing = state == State::Edit || state == State::Insert;
    const bool key = state == State::KeySearch;
    btnGravar_->setEnabled(editing);
    btnCancelar_->setEnabled(editing || key);
    for (QToolButton* b : {btnRetornar_, btnExcluir_, btnNovo_, btnLocalizar_}) b->setEnabled(browse || key);
    edtCRC_->setEnabled(!editing);
    edtUF_->setEnabled(!editing);
    // Without a row on show there is nothing to edit (the table is empty).
    const bool data = !(browse && current_.crc.isEmpty());
    for (QWidget* w : {static_cast<QWidget*>(edtNome_), static_cast<QWidget*>(edtTelefone_),
                       static_cast<QWidget*>(edtCPF_), static_cast<QWidget*>(edtEmail_)})
        w->setEnabled(data);
}

bool FrmResponsaveis::canClose() const { return state_ != State::Edit && state_ != State::Insert; }

void FrmResponsaveis::showEvent(QShowEvent* event) {
    ModalScreen::showEvent(event);
    if (!opened_) {
        opened_ = true;
        edtCRC_->setFocus(Qt::OtherFocusReason);
    }
}

void FrmResponsaveis::showCurrent() {
    const std::optional<Declarante> row = findAccountant(current_.crc, current_.uf);
    if (!row) current_ = {};
    loaded_ = row.value_or(Declarante{});
    showRow(loaded_);
}

void FrmResponsaveis::showRow(const Declarante& row) {
    loading_ = true;
    edtCRC_->setText(row.CRC);
    edtUF_->setText(row.UF);
    edtNome_->setText(row.Nome);
    edtTelefone_->setText(row.Telefone);
    edtCPF_->setDigits(row.CPFCGC);
    edtEmail_->setText(row.email);
    loading_ = false;
}

Declarante FrmResponsaveis::formRow() const {
    Declarante row = loaded_;
    row.Nome = edtNome_->text();
    row.Telefone = edtTelefone_->text();
    row.CPFCGC = edtCPF_->digits();
    row.email = edtEmail_->text();
    return row;
}

void FrmResponsaveis::focusField(const QString& field) {
    namespace f = accountant_field;
    QWidget* target = nullptr;
    if (field == f::CRC) target = edtCRC_;
    else if (field == f::UF) target = edtUF_;
    else if (field == f::Nome) target = edtNome_;
    else if (field == f::CPF) target = edtCPF_;
    else if (field == f::Email) target = edtEmail_;
    if (target && target->isEnabled() && target->isVisibleTo(this)) target->setFocus(Qt::OtherFocusReason);
}

// ---- commands --------------------------------------------------------------------

void FrmResponsaveis::novo() {
    if (state_ != State::Browse && state_ != State::KeySearch) return;
    // Starting over: leaving the state field for the CRC field checks nothing.
    startingOver_ = true;
    enterCrc();
    edtCRC_->setFocus(Qt::OtherFocusReason);
    startingOver_ = false;
}

void FrmResponsaveis::gravar() {
    if (state_ != State::Edit && state_ != State::Insert) return;
    const Declarante row = formRow();
    if (const CheckResult check = checkAccountant(row); !check) {
        prompter_.warn(check.message);
        focusField(check.field);
        return;
    }
    QString error;
    if (!saveAccountant(row, &error)) {
        reportUnhandledError(error);
        return;
    }
    current_ = {crcKey(row.CRC), row.UF};
    showCurrent();
    setState(State::Browse);
}

void FrmResponsaveis::cancelar() {
    if (state_ == State::Browse) return;
    const bool wasKeySearch = state_ == State::KeySearch;
    // The row on show before (an insert is dropped, a key search given up).
    showCurrent();
    setState(State::Browse);
    if (wasKeySearch) focusField(accountant_field::Nome);
}

void FrmResponsaveis::excluir() {
    if (state_ != State::Browse && state_ != State::KeySearch) return;
    if (state_ == State::KeySearch) {
        // The key search is given up first: the row to delete is on show when asked.
        showCurrent();
        setState(State::Browse);
        focusField(accountant_field::Nome);
    }
    if (current_.crc.isEmpty()) return;
    const AccountantKey gone = current_;
    QString error;
    switch (deleteAccountant(gone.crc, gone.uf, prompter_, &error)) {
    case AccountantDeleteOutcome::Deleted:
        current_ = moveAccountant(AccountantMove::Next, gone);
        showCurrent();
        setState(State::Browse);
        break;
    case AccountantDeleteOutcome::Failed: reportUnhandledError(error); break;
    case AccountantDeleteOutcome::NotConfirmed:
    case AccountantDeleteOutcome::NotFound: break;
    }
}

void FrmResponsaveis::localizar() {
    if (state_ != State::Browse && state_ != State::KeySearch) return;
    hide();
    const std::optional<NameRow> chosen = searcher_ ? searcher_(parentWidget()) : std::nullopt;
    const bool found = chosen && findAccountant(chosen->key, chosen->uf);
    if (found) {
        current_ = {chosen->key, chosen->uf};
        showCurrent();
        setState(State::Browse);
        edtNome_->setFocus(Qt::OtherFocusReason);
    }
    show();
    raise();
    activateWindow();
    if (found) edtNome_->setFocus(Qt::OtherFocusReason);
}

} // namespace vexa::registry::ui
