#include "payment/ui/FrmDareAvulsas.h"

#include "common/ErrorLog.h"
#include "common/Money.h"
#include "common/ui/EnterAsTab.h"
#include "common/ui/MaskedLineEdit.h"
#include "common/ui/MessageBoxPrompter.h"
#include "common/ui/MoneyLineEdit.h"
#include "common/ui/TextLineEdit.h"
#include "payment/GateAvulsaReport.h"
#include "payment/ui/FrmConsultaDareAvulsa.h"
#include "payment/ui/FrmSelecionaGate.h"
#include "payment/ui/SlipPreview.h"
#include "registry/ui/FrmProcura.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpacerItem>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa::payment::ui {

namespace {

// Leaving a field for another control of the screen (not for a message box,
// another window or a drop-down's list) is what runs its exit step.
bool leavesForAnotherControl(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

QLabel* caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    if (buddy) l->setBuddy(buddy);
    return l;
}

QLineEdit* readOnlyBox(const QString& name, QWidget* parent) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    return e;
}

// An amount as typed, also while its edit still has the focus (a top-bar
// button takes no focus, so the edit has not yet read its text).
double amountOf(const MoneyLineEdit* edit) {
    if (edit->hasFocus()) {
        const QString typed = edit->text().trimmed();
        if (typed.isEmpty()) return 0;
        if (const std::optional<double> v = money::parse(typed); v && *v >= 0) return *v;
    }
    return edit->value();
}

} // namespace

FrmDareAvulsas::FrmDareAvulsas(Prompter& prompter, QWidget* parent) : SlipScreen(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("FrmDareAvulsas"));
    setWindowTitle(QStringLiteral("Cadastrar DARE Avulso"));
    searcher_ = [](QWidget* p) { return registry::ui::searchTaxpayer(p); };
    consulter_ = [](QWidget* p) { return FrmConsultaDareAvulsa::pick(p); };
    chooser_ = &FrmSelecionaGate::pick;
    previewer_ = [](QWidget* p, const QList<SlipPage>& pages) { showSlipPreview(p, pages); };
    tributos_ = standaloneTributos();
    buildScreen();
    EnterAsTab::install(this);
    // On opening the last stored slip is on show.
    showStoredOrNothing(lastDareAvulsa());
}

void FrmDareAvulsas::open(QWidget* parent) {
    MessageBoxPrompter prompter;
    FrmDareAvulsas screen(prompter, parent);
    screen.exec();
}

// ---- layout ------------------------------------------------------------------------

void FrmDareAvulsas::buildScreen() {
    QFrame* bar = buildCommandBar();

    // The key.
    buildKeyFields(QStringLiteral("btnProcura"), QStringLiteral("Procura Contribuinte pela Razão Social"));

    // The taxpayer, read-only.
    edtRazaoSocial_ = readOnlyBox(QStringLiteral("EdtRazaoSocial"), this);
    edtCNPJ_ = readOnlyBox(QStringLiteral("EdtCNPJ"), this);
    edtCNPJ_->setFixedWidth(140);
    edtMunicipio_ = readOnlyBox(QStringLiteral("EdtMunicipio"), this);
    edtMunicipio_->setFixedWidth(90);

    // The revenue and the amounts.
    edtCodigoTributo_ = new TextLineEdit(TextLineEdit::Case::Upper, avulsa_width::CodigoTributo, this);
    edtCodigoTributo_->setObjectName(QStringLiteral("EdtCodigoTributo"));
    edtCodigoTributo_->setFixedWidth(60);
    cbTributo_ = new QComboBox(this);
    cbTributo_->setObjectName(QStringLiteral("cbTributo"));
    cbTributo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbTributo_->setMinimumContentsLength(34);
    for (const Tributo& t : tributos_) cbTributo_->addItem(t.Descricao);
    cbTributo_->setCurrentIndex(-1);
    edtDataVencimento_ = new MaskedLineEdit(MaskedLineEdit::Kind::Date, this);
    edtDataVencimento_->setObjectName(QStringLiteral("EdtDataVencimento"));
    edtDataVencimento_->setFixedWidth(90);
    auto money = [this](const char* name) {
        auto* e = new MoneyLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setFixedWidth(140);
        return e;
    };
    edtValorReceita_ = money("EdtValorReceita");
    edtMulta_ = money("EdtMulta");
    edtJuros_ = money("EdtJuros");
    edtAtualizacao_ = money("EdtAtualizacao");
    edtVlTotal_ = readOnlyBox(QStringLiteral("EdtVlTotal"), this);
    edtVlTotal_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edtVlTotal_->setFixedWidth(140);
    QFont totalFont = edtVlTotal_->font();
    totalFont.setBold(true);
    edtVlTotal_->setFont(totalFont);

    // The notes and the document.
    auto obs = [this](const char* name) {
        auto* e = new TextLineEdit(TextLineEdit::Case::Upper, avulsa_width::Obs, this);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    edtObs1_ = obs("EdtObs1");
    edtObs2_ = obs("EdtObs2");
    edtObs3_ = obs("EdtObs3");
    cbTipoDoc_ = new QComboBox(this);
    cbTipoDoc_->setObjectName(QStringLiteral("cbTipoDoc"));
    for (const DocumentoAvulso& d : documentosAvulsos()) cbTipoDoc_->addItem(d.nome);
    cbTipoDoc_->installEventFilter(this);
    edtDocOrigem_ = new TextLineEdit(TextLineEdit::Case::Upper, avulsa_width::Doc_Origem, this);
    edtDocOrigem_->setObjectName(QStringLiteral("EdtDocOrigem"));
    edtNumeroDoc_ = new TextLineEdit(TextLineEdit::Case::Upper, avulsa_width::NumeroDoc, this);
    edtNumeroDoc_->setObjectName(QStringLiteral("EdtNumeroDoc"));
    edtNumeroDoc_->setFixedWidth(170);
    edtNumeroDoc_->installEventFilter(this);

    // Placing them as the slip reads: identification and revenue on the left,
    // the due date and the amounts on the right, then the notes and the document.
    auto* left = new QGridLayout;
    left->setHorizontalSpacing(8);
    left->setVerticalSpacing(2);
    auto* keyRow = new QHBoxLayout;
    keyRow->setSpacing(4);
    keyRow->addWidget(edtIE_);
    keyRow->addWidget(btnProcura_);
    keyRow->addStretch(1);
    auto* periodRow = new QHBoxLayout;
    periodRow->setSpacing(4);
    periodRow->addWidget(edtMes_);
    periodRow->addWidget(new QLabel(QStringLiteral("/"), this));
    periodRow->addWidget(edtAno_);
    periodRow->addStretch(1);
    left->addWidget(caption(QStringLiteral("INSCRIÇÃO ESTADUAL"), edtIE_, this), 0, 0);
    left->addWidget(caption(QStringLiteral("PERÍODO DE REFERÊNCIA"), edtMes_, this), 0, 1);
    left->addLayout(keyRow, 1, 0);
    left->addLayout(periodRow, 1, 1);
    left->addWidget(caption(QStringLiteral("NOME DO CONTRIBUINTE"), nullptr, this), 2, 0, 1, 2);
    left->addWidget(edtRazaoSocial_, 3, 0, 1, 2);
    left->addWidget(caption(QStringLiteral("CNPJ"), nullptr, this), 4, 0);
    left->addWidget(caption(QStringLiteral("CÓDIGO DO MUNICÍPIO"), nullptr, this), 4, 1);
    left->addWidget(edtCNPJ_, 5, 0);
    left->addWidget(edtMunicipio_, 5, 1);
    auto* revenueRow = new QHBoxLayout;
    revenueRow->setSpacing(4);
    revenueRow->addWidget(edtCodigoTributo_);
    revenueRow->addWidget(cbTributo_, 1);
    left->addWidget(caption(QStringLiteral("CÓDIGO DA RECEITA"), edtCodigoTributo_, this), 6, 0, 1, 2);
    left->addLayout(revenueRow, 7, 0, 1, 2);

    auto* gbObs = new QGroupBox(QStringLiteral("OBSERVAÇÕES"), this);
    auto* obsLayout = new QVBoxLayout(gbObs);
    obsLayout->setSpacing(2);
    for (QWidget* e : {edtObs1_, edtObs2_, edtObs3_}) obsLayout->addWidget(e);
    left->addItem(new QSpacerItem(0, 8), 8, 0);
    left->addWidget(gbObs, 9, 0, 1, 2);
    left->setRowStretch(10, 1);

    auto* right = new QGridLayout;
    right->setVerticalSpacing(2);
    int row = 0;
    const std::pair<const char*, QWidget*> amounts[] = {
        {"DATA DE VENCIMENTO", edtDataVencimento_}, {"VALOR DA RECEITA", edtValorReceita_},
        {"MULTA", edtMulta_},                       {"JUROS", edtJuros_},
        {"ATUALIZAÇÃO MONETÁRIA", edtAtualizacao_}, {"VALOR TOTAL", edtVlTotal_},
    };
    for (const auto& [text, field] : amounts) {
        right->addWidget(caption(QString::fromUtf8(text), field, this), row++, 0);
        right->addWidget(field, row++, 0, Qt::AlignRight);
    }
    right->setRowStretch(row, 1);


    auto* doc = new QGridLayout;
    doc->setHorizontalSpacing(8);
    doc->setVerticalSpacing(2);
    doc->addWidget(caption(QStringLiteral("NOME DOCUMENTO"), cbTipoDoc_, this), 0, 0, 1, 2);
    doc->addWidget(cbTipoDoc_, 1, 0, 1, 2);
    doc->addWidget(caption(QStringLiteral("DOCUMENTO ESPECIFIQUE"), edtDocOrigem_, this), 2, 0);
    doc->addWidget(caption(QStringLiteral("NÚMERO DOCUMENTO"), edtNumeroDoc_, this), 2, 1);
    doc->addWidget(edtDocOrigem_, 3, 0);
    doc->addWidget(edtNumeroDoc_, 3, 1);
    doc->setColumnStretch(0, 1);

    auto* form = new QGridLayout;
    form->setContentsMargins(10, 8, 10, 8);
    form->setHorizontalSpacing(18);
    form->setVerticalSpacing(8);
    form->addLayout(left, 0, 0);
    form->addLayout(right, 0, 1);
    form->addLayout(doc, 1, 0, 1, 2);
    form->setColumnStretch(0, 1);

    auto* status = new QFrame(this);
    status->setFrameShape(QFrame::StyledPanel);
    auto* statusLayout = new QHBoxLayout(status);
    statusLayout->setContentsMargins(6, 2, 6, 2);
    lblStatus_ = new QLabel(issueLimitText(), status);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    statusLayout->addWidget(lblStatus_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addLayout(form, 1);
    layout->addWidget(status);
    resize(720, 470);

    const QList<QWidget*> order = {edtIE_,           edtMes_,  edtAno_,   edtCodigoTributo_, cbTributo_,
                                   edtDataVencimento_, edtValorReceita_, edtMulta_, edtJuros_, edtAtualizacao_,
                                   edtObs1_,         edtObs2_, edtObs3_,  cbTipoDoc_,        edtDocOrigem_,
                                   edtNumeroDoc_};
    for (int i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
    dataFields_ = {edtRazaoSocial_,    edtCNPJ_,  edtMunicipio_, edtCodigoTributo_, cbTributo_,
                   edtDataVencimento_, edtValorReceita_, edtMulta_, edtJuros_, edtAtualizacao_,
                   edtVlTotal_,        edtObs1_,  edtObs2_,      edtObs3_,          cbTipoDoc_,
                   edtDocOrigem_,      edtNumeroDoc_};

    connect(btnProcura_, &QToolButton::clicked, this, &FrmDareAvulsas::procurar);
    connect(edtCodigoTributo_, &QLineEdit::textEdited, this, &FrmDareAvulsas::onRevenueCodeEdited);
    connect(cbTributo_, &QComboBox::activated, this, &FrmDareAvulsas::onRevenueChosen);
    connect(cbTipoDoc_, &QComboBox::activated, this, &FrmDareAvulsas::onDocumentChosen);
    for (QLineEdit* e : {static_cast<QLineEdit*>(edtDataVencimento_), static_cast<QLineEdit*>(edtObs1_),
                         static_cast<QLineEdit*>(edtObs2_), static_cast<QLineEdit*>(edtObs3_),
                         static_cast<QLineEdit*>(edtDocOrigem_), static_cast<QLineEdit*>(edtNumeroDoc_)})
        connect(e, &QLineEdit::textEdited, this, &FrmDareAvulsas::onUserEdit);
    for (MoneyLineEdit* e : {edtValorReceita_, edtMulta_, edtJuros_, edtAtualizacao_}) {
        connect(e, &QLineEdit::textEdited, this, &FrmDareAvulsas::onUserEdit);
        connect(e, &MoneyLineEdit::valueEdited, this, &FrmDareAvulsas::showTotal);
    }
}

QWidget* FrmDareAvulsas::fieldOf(const QString& field) const {
    namespace f = avulsa_field;
    if (field == f::IE) return edtIE_;
    if (field == f::Mes) return edtMes_;
    if (field == f::Ano) return edtAno_;
    if (field == f::CodigoTributo) return edtCodigoTributo_;
    if (field == f::DataVencimento) return edtDataVencimento_;
    if (field == f::TipoDoc) return cbTipoDoc_;
    if (field == f::NumeroDoc) return edtNumeroDoc_;
    if (field == f::Doc_Origem) return edtDocOrigem_;
    if (field == f::Obs1) return edtObs1_;
    if (field == f::Obs2) return edtObs2_;
    if (field == f::Obs3) return edtObs3_;
    return nullptr;
}

void FrmDareAvulsas::focusField(const QString& field) {
    QWidget* target = fieldOf(field);
    if (target && target->isEnabled() && target->isVisibleTo(this)) target->setFocus(Qt::OtherFocusReason);
}

std::optional<AvulsaKey> FrmDareAvulsas::currentKey() const {
    if (state_ == State::KeyEntry) return std::nullopt;
    return formSlip().key;
}

// ---- the key -----------------------------------------------------------------------

bool FrmDareAvulsas::eventFilter(QObject* watched, QEvent* event) {
    const bool in = event->type() == QEvent::FocusIn;
    const bool out = event->type() == QEvent::FocusOut;
    if (in || out) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool real = leavesForAnotherControl(reason);
        const bool keyField = watched == edtIE_ || watched == edtMes_ || watched == edtAno_;
        if (out && keyField) static_cast<QLineEdit*>(watched)->deselect();
        if (in && real && keyField)
            enterKeyField(static_cast<QLineEdit*>(watched));
        else if (out && real && watched == edtMes_ && edtMes_->text().size() == 1)
            edtMes_->setText(QLatin1Char('0') + edtMes_->text());
        else if (out && real && watched == edtAno_ && state_ == State::KeyEntry && isVisible())
            leaveYear();
        else if (out && real && reason != Qt::BacktabFocusReason && watched == cbTipoDoc_)
            leaveDocumentName();
        else if (out && real && watched == edtNumeroDoc_)
            leaveDocumentNumber();
    }
    return ModalScreen::eventFilter(watched, event);
}

void FrmDareAvulsas::enterKeyField(QLineEdit* edit) {
    // Entering a key field starts a key entry with the three typed values.
    if (state_ == State::Browse) startKeyEntry();
    QTimer::singleShot(0, edit, [edit] {
        if (edit->hasFocus()) edit->selectAll();
    });
}

void FrmDareAvulsas::startKeyEntry() {
    clearData();
    loaded_ = DareAvulsa{};
    storedKey_.reset();
    setState(State::KeyEntry);
}

void FrmDareAvulsas::leaveYear() {
    // Runs once the focus has settled in the next control.
    if (yearPending_) return;
    yearPending_ = true;
    QTimer::singleShot(0, this, [this] {
        yearPending_ = false;
        if (!isVisible() || state_ != State::KeyEntry) return;
        const QString ie = edtIE_->digits();
        const QString mes = edtMes_->text();
        const QString ano = edtAno_->text();
        if (ano.isEmpty()) return;
        const YearResult r = payment::leaveYear(ie, mes, ano, novo_);
        switch (r.outcome) {
        case YearOutcome::New:
            showSlip(r.slip, State::Insert);
            edtCodigoTributo_->setFocus(Qt::OtherFocusReason);
            break;
        case YearOutcome::Shown:
            showSlip(r.slip, State::Browse);
            edtDataVencimento_->setFocus(Qt::OtherFocusReason);
            break;
        case YearOutcome::Choose: {
            const std::optional<PeriodSlip> chosen =
                chooser_ ? chooser_(this, r.choices, r.RazaoSocial, mes + ano) : std::nullopt;
            const std::optional<DareAvulsa> slip =
                chosen ? findDareAvulsa({ie, ano, mes, chosen->CodigoTributo, chosen->Seq}) : std::nullopt;
            if (slip) {
                showSlip(*slip, State::Browse);
                edtDataVencimento_->setFocus(Qt::OtherFocusReason);
            }
            break;
        }
        case YearOutcome::Failed: reportUnhandledError(r.error); break;
        }
    });
}

// ---- the document and the other fields ----------------------------------------------

void FrmDareAvulsas::leaveDocumentName() {
    if (state_ == State::KeyEntry || cbTipoDoc_->currentText() == kDocumentoOutros) return;
    QTimer::singleShot(0, this, [this] {
        if (state_ != State::KeyEntry && edtNumeroDoc_->isEnabled() && isVisible())
            edtNumeroDoc_->setFocus(Qt::OtherFocusReason);
    });
}

void FrmDareAvulsas::leaveDocumentNumber() {
    if (state_ != State::Insert) return;
    if (const std::optional<QString> line =
            obs1FromDocument(loaded_.TipoDoc, edtNumeroDoc_->text(), edtDocOrigem_->text()))
        edtObs1_->setText(line->left(avulsa_width::Obs));
}

void FrmDareAvulsas::onUserEdit() {
    if (loading_) return;
    if (state_ == State::Browse) setState(State::Edit);
}

void FrmDareAvulsas::onRevenueCodeEdited() {
    syncRevenueChoice();
    onUserEdit();
}

void FrmDareAvulsas::syncRevenueChoice() {
    // The description drop-down follows the typed code (none for a code it does not list).
    const QString code = edtCodigoTributo_->text().trimmed();
    int index = -1;
    for (int i = 0; i < tributos_.size(); ++i)
        if (tributos_[i].CodigoID == code) index = i;
    cbTributo_->setCurrentIndex(index);
}

void FrmDareAvulsas::onRevenueChosen(int index) {
    if (index < 0 || index >= tributos_.size()) return;
    edtCodigoTributo_->setText(tributos_[index].CodigoID);
    onUserEdit();
}

void FrmDareAvulsas::onDocumentChosen(int index) {
    // The name chosen is stored as its full text.
    loaded_.TipoDoc = cbTipoDoc_->itemText(index);
    onUserEdit();
}

// ---- states and what is on show ---------------------------------------------------------

void FrmDareAvulsas::setState(State state) {
    state_ = state;
    // Key entry starts again from the blank document name.
    if (state == State::KeyEntry) setDocumentName(QString());
    applyState();
}

void FrmDareAvulsas::applyState() {
    const bool key = state_ == State::KeyEntry;
    const bool browse = state_ == State::Browse;
    const bool editing = state_ == State::Edit || state_ == State::Insert;
    enableCommands(key, browse, editing, printing_);
    enableKey(!editing);
    for (QWidget* w : dataFields_) w->setEnabled(!key);
}

bool FrmDareAvulsas::canClose() const { return state_ != State::Edit && state_ != State::Insert; }

void FrmDareAvulsas::showEvent(QShowEvent* event) {
    ModalScreen::showEvent(event);
    if (opened_) return;
    opened_ = true;
    if (state_ == State::Browse)
        edtDataVencimento_->setFocus(Qt::OtherFocusReason);
    else
        edtIE_->setFocus(Qt::OtherFocusReason);
}

void FrmDareAvulsas::showSlip(const DareAvulsa& slip, State state) {
    loading_ = true;
    loaded_ = slip;
    if (state == State::Insert)
        storedKey_.reset();
    else
        storedKey_ = slip.key;
    edtIE_->setDigits(slip.key.IE);
    edtMes_->setText(slip.key.Mes);
    edtAno_->setText(slip.key.Ano);
    showTaxpayer(slip.key.IE);
    edtCodigoTributo_->setText(slip.key.CodigoTributo);
    syncRevenueChoice();
    edtDataVencimento_->setDate(slip.DataVencimento);
    const std::pair<MoneyLineEdit*, double> amounts[] = {{edtValorReceita_, slip.ValorReceita},
                                                        {edtMulta_, slip.Multa},
                                                        {edtJuros_, slip.Juros},
                                                        {edtAtualizacao_, slip.AtualizacaoFinaceira}};
    for (const auto& [edit, value] : amounts) {
        // A new slip's amounts are empty until typed.
        if (state == State::Insert && money::isZero(value))
            edit->clearValue();
        else
            edit->setValue(value);
    }
    edtObs1_->setText(slip.Obs1);
    edtObs2_->setText(slip.Obs2);
    edtObs3_->setText(slip.Obs3);
    edtDocOrigem_->setText(slip.Doc_Origem);
    edtNumeroDoc_->setText(slip.NumeroDoc);
    setDocumentName(slip.TipoDoc);
    loading_ = false;
    setState(state);
    showTotal();
}

void FrmDareAvulsas::showStoredOrNothing(const std::optional<DareAvulsa>& slip) {
    if (slip) {
        showSlip(*slip, State::Browse);
        return;
    }
    clearKey();
    startKeyEntry();
}

void FrmDareAvulsas::clearKey() {
    loading_ = true;
    edtIE_->clear();
    edtMes_->clear();
    edtAno_->clear();
    loading_ = false;
}

void FrmDareAvulsas::clearData() {
    loading_ = true;
    for (QLineEdit* e : {edtRazaoSocial_, edtCNPJ_, edtMunicipio_, static_cast<QLineEdit*>(edtCodigoTributo_),
                         static_cast<QLineEdit*>(edtDataVencimento_), edtVlTotal_, static_cast<QLineEdit*>(edtObs1_),
                         static_cast<QLineEdit*>(edtObs2_), static_cast<QLineEdit*>(edtObs3_),
                         static_cast<QLineEdit*>(edtDocOrigem_), static_cast<QLineEdit*>(edtNumeroDoc_)})
        e->clear();
    for (MoneyLineEdit* e : {edtValorReceita_, edtMulta_, edtJuros_, edtAtualizacao_}) e->clearValue();
    cbTributo_->setCurrentIndex(-1);
    setDocumentName(QString());
    loading_ = false;
}

void FrmDareAvulsas::showTaxpayer(const QString& ie) {
    const SlipTaxpayer t = findSlipTaxpayer(ie);
    edtRazaoSocial_->setText(t.RazaoSocial);
    edtCNPJ_->setText(t.CGC_CPF);
    edtMunicipio_->setText(t.codIBGE);
}

void FrmDareAvulsas::showTotal() {
    if (state_ == State::KeyEntry) {
        edtVlTotal_->clear();
        return;
    }
    edtVlTotal_->setText(money::format(formSlip().ccVlTotal()));
}

void FrmDareAvulsas::setDocumentName(const QString& tipoDoc) {
    // A stored name outside the list shows the blank item and is kept as stored.
    const int index = cbTipoDoc_->findText(tipoDoc);
    cbTipoDoc_->setCurrentIndex(index >= 0 ? index : 0);
    loaded_.TipoDoc = (index >= 0 || !documentoChosen(tipoDoc)) ? cbTipoDoc_->currentText() : tipoDoc;
}

DareAvulsa FrmDareAvulsas::formSlip() const {
    DareAvulsa s = loaded_;
    s.key.CodigoTributo = edtCodigoTributo_->text().trimmed();
    s.DataVencimento = edtDataVencimento_->date();
    s.ValorReceita = amountOf(edtValorReceita_);
    s.Multa = amountOf(edtMulta_);
    s.Juros = amountOf(edtJuros_);
    s.AtualizacaoFinaceira = amountOf(edtAtualizacao_);
    s.Obs1 = edtObs1_->text();
    s.Obs2 = edtObs2_->text();
    s.Obs3 = edtObs3_->text();
    s.Doc_Origem = edtDocOrigem_->text();
    s.NumeroDoc = edtNumeroDoc_->text().trimmed();
    return s;
}

// ---- commands --------------------------------------------------------------------------

void FrmDareAvulsas::novo() {
    if (state_ != State::Browse && state_ != State::KeyEntry) return;
    novo_ = true;
    clearKey();
    startKeyEntry();
    edtIE_->setFocus(Qt::OtherFocusReason);
}

void FrmDareAvulsas::gravar() {
    if (state_ != State::Edit && state_ != State::Insert) return;
    novo_ = false;
    DareAvulsa slip = formSlip();
    if (const AvulsaSaveCheck check = checkSaveAvulsa(slip); !check.ok()) {
        prompter_.warn(check.refusal.message);
        if (check.cancelsEdit) {
            // The edit is given up: a stored slip shows as stored, a new one leaves its typed key.
            if (const std::optional<DareAvulsa> stored = storedKey_ ? findDareAvulsa(*storedKey_) : std::nullopt)
                showSlip(*stored, State::Browse);
            else
                startKeyEntry();
        }
        focusField(check.refusal.field);
        return;
    }
    QString error;
    if (!saveDareAvulsa(slip, storedKey_, &error)) {
        reportUnhandledError(error);
        return;
    }
    showSlip(slip, State::Browse);
}

void FrmDareAvulsas::cancelar() {
    if (state_ != State::Edit && state_ != State::Insert) return;
    novo_ = false;
    clearKey();
    startKeyEntry();
    edtIE_->setFocus(Qt::OtherFocusReason);
}

void FrmDareAvulsas::excluir() {
    if (state_ != State::Browse || !storedKey_) return;
    QString error;
    switch (deleteDareAvulsa(*storedKey_, prompter_, &error)) {
    case DeleteOutcome::Deleted:
        showStoredOrNothing(lastDareAvulsa());
        if (state_ == State::KeyEntry) edtIE_->setFocus(Qt::OtherFocusReason);
        break;
    case DeleteOutcome::Failed: reportUnhandledError(error); break;
    case DeleteOutcome::NotConfirmed:
    case DeleteOutcome::NotFound: break;
    }
}

void FrmDareAvulsas::localizar() {
    if (state_ != State::Browse && state_ != State::KeyEntry) return;
    hide();
    const std::optional<AvulsaConsultRow> row = consulter_ ? consulter_(parentWidget()) : std::nullopt;
    // The row carries its code and `Seq`: the very slip chosen is shown.
    const std::optional<DareAvulsa> slip = row ? findDareAvulsa(row->key()) : std::nullopt;
    if (slip) showSlip(*slip, State::Browse);
    show();
    raise();
    activateWindow();
    if (slip) edtCodigoTributo_->setFocus(Qt::OtherFocusReason);
}

void FrmDareAvulsas::imprimir() {
    if (state_ != State::Browse || !storedKey_ || printing_) return;
    const std::optional<DareAvulsa> slip = findDareAvulsa(*storedKey_);
    if (!slip) return;
    if (const CheckResult check = checkPrintAvulsa(*slip); !check) {
        prompter_.warn(check.message);
        return;
    }
    const QList<SlipPage> pages = dareAvulsaPages(slip->key);
    if (pages.isEmpty()) {
        prompter_.warn(noPageMessage(*slip));
        return;
    }
    printing_ = true;
    applyState();
    if (previewer_) previewer_(this, pages);
    printing_ = false;
    applyState();
}

void FrmDareAvulsas::procurar() {
    if (state_ == State::Edit || state_ == State::Insert) return;
    const std::optional<QString> ie = searcher_ ? searcher_(this) : std::nullopt;
    if (!ie) return;
    if (state_ == State::Browse) startKeyEntry();
    edtIE_->setDigits(*ie);
    edtMes_->setFocus(Qt::OtherFocusReason);
}

} // namespace vexa::payment::ui
