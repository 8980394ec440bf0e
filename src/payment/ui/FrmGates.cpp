#include "payment/ui/FrmGates.h"

#include "common/Conversions.h"
#include "common/Money.h"
#include "common/ui/EnterAsTab.h"
#include "common/ui/MaskedLineEdit.h"
#include "common/ui/MessageBoxPrompter.h"
#include "common/ui/TextLineEdit.h"
#include "payment/ui/FrmConsultaDare.h"
#include "payment/ui/SlipPreview.h"
#include "registry/ui/FrmProcura.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa::payment::ui {

namespace {

// A caption above its box, as on the printed slip.
QWidget* cell(const QString& caption, QWidget* box, QWidget* parent, QWidget* second = nullptr) {
    auto* w = new QWidget(parent);
    auto* layout = new QVBoxLayout(w);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    auto* label = new QLabel(caption, w);
    label->setBuddy(box);
    layout->addWidget(label);
    if (second) {
        auto* row = new QHBoxLayout;
        row->setSpacing(4);
        row->addWidget(box);
        row->addWidget(second, 1);
        layout->addLayout(row);
    } else {
        layout->addWidget(box);
    }
    return w;
}

const QColor kSilver(0xC0, 0xC0, 0xC0);

} // namespace

FrmGates::FrmGates(Prompter& prompter, QWidget* parent) : SlipScreen(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("FrmGates"));
    setWindowTitle(QStringLiteral("Cadastrar DARE"));
    taxpayerSearcher_ = [](QWidget* p) { return registry::ui::searchTaxpayer(p); };
    consultPicker_ = [](QWidget* p) { return FrmConsultaDare::pick(p); };
    previewer_ = [](QWidget* p, const QList<SlipPage>& pages) { return showSlipPreview(p, pages); };
    buildScreen();
    connectEdits();
    EnterAsTab::install(this);

    dueDateTimer_ = new QTimer(this);
    dueDateTimer_->setInterval(300);
    connect(dueDateTimer_, &QTimer::timeout, this, &FrmGates::refreshDueDate);
    dueDateTimer_->start();

    showNothing();
    setState(State::KeyEntry);
}

void FrmGates::open(QWidget* parent) {
    MessageBoxPrompter prompter;
    FrmGates screen(prompter, parent);
    screen.exec();
}

void FrmGates::openForDeclaration(QWidget* parent, Prompter& prompter, const DareKey& key) {
    FrmGates screen(prompter, parent);
    screen.setDeclarationKey(key);
    screen.exec();
}

void FrmGates::setDeclarationKey(const DareKey& key) {
    fromDeclaration_ = true;
    dare_ = Dare{};
    dare_.key = key;
    loading_ = true;
    edtIE_->setDigits(key.IE);
    edtMes_->setText(key.Mes);
    edtAno_->setText(key.Ano);
    loading_ = false;
}

// ---- layout ------------------------------------------------------------------------

QLineEdit* FrmGates::readOnlyBox(const char* name, bool amount) {
    auto* box = new QLineEdit(dataArea_);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    QPalette p = box->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window));
    box->setPalette(p);
    if (amount) {
        box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        box->setMinimumWidth(110);
    }
    return box;
}

void FrmGates::buildScreen() {
    QFrame* bar = buildCommandBar();

    // The key: IE with its finder, and the reference period.
    buildKeyFields(QStringLiteral("btnProcuraContribuinte"));

    auto* keyRow = new QHBoxLayout;
    auto* lblIE = new QLabel(QStringLiteral("INSCRIÇÃO ESTADUAL:"), this);
    lblIE->setBuddy(edtIE_);
    keyRow->addWidget(lblIE);
    keyRow->addWidget(edtIE_);
    keyRow->addWidget(btnProcura_);
    keyRow->addSpacing(30);
    auto* lblPeriodo = new QLabel(QStringLiteral("PERÍODO DE REFERÊNCIA"), this);
    lblPeriodo->setBuddy(edtMes_);
    keyRow->addWidget(lblPeriodo);
    keyRow->addWidget(edtMes_);
    keyRow->addWidget(new QLabel(QStringLiteral("/"), this));
    keyRow->addWidget(edtAno_);
    keyRow->addStretch(1);

    // The slip's boxes.
    dataArea_ = new QFrame(this);
    static_cast<QFrame*>(dataArea_)->setFrameShape(QFrame::StyledPanel);
    edtRazaoSocial_ = readOnlyBox("EdtRazaoSocial", false);
    edtCnpj_ = readOnlyBox("EdtCNPJ", false);
    edtCodIBGE_ = readOnlyBox("EdtCodMunicipio", false);
    edtCodigoTributo_ = new QLineEdit(dataArea_);
    edtCodigoTributo_->setObjectName(QStringLiteral("EdtCodigoTributo"));
    edtCodigoTributo_->setMaxLength(dare_width::CodigoTributo);
    edtCodigoTributo_->setFixedWidth(60);
    cbTributo_ = new QComboBox(dataArea_);
    cbTributo_->setObjectName(QStringLiteral("cbTributo"));
    cbTributo_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbTributo_->setMinimumContentsLength(30);
    edtVencimento_ = readOnlyBox("EdtDataVencimento", false);
    edtVencimento_->setAlignment(Qt::AlignCenter);
    edtVlReceita_ = readOnlyBox("EdtVlReceita", true);
    edtAtualizacao_ = readOnlyBox("EdtAtualizacaoMonetaria", true);
    edtMulta_ = readOnlyBox("EdtMulta", true);
    edtJuros_ = readOnlyBox("EdtJuros", true);
    edtVlTotal_ = readOnlyBox("EdtVlTotal", true);
    edtTSE_ = readOnlyBox("EdtTSE", true);
    auto obsEdit = [this](const char* name) {
        auto* e = new QLineEdit(dataArea_);
        e->setObjectName(QString::fromLatin1(name));
        e->setMaxLength(dare_width::Obs);
        return e;
    };
    edtObs1_ = obsEdit("EdtObs1");
    edtObs2_ = obsEdit("EdtObs2");
    edtObs3_ = obsEdit("EdtObs3");
    edtDocOrigem_ = new QLineEdit(dataArea_);
    edtDocOrigem_->setObjectName(QStringLiteral("EdtDocOrigem"));
    edtDocOrigem_->setMaxLength(dare_width::Doc_Origem);
    edtDataPgto_ = new MaskedLineEdit(MaskedLineEdit::Kind::Date, dataArea_);
    edtDataPgto_->setObjectName(QStringLiteral("EdtDataPgto"));
    edtDataPgto_->setFixedWidth(90);

    auto* boxes = new QGridLayout(dataArea_);
    boxes->setContentsMargins(10, 8, 10, 10);
    boxes->setHorizontalSpacing(10);
    boxes->setVerticalSpacing(8);
    boxes->addWidget(cell(QStringLiteral("NOME DO CONTRIBUINTE"), edtRazaoSocial_, dataArea_), 0, 0, 1, 4);
    boxes->addWidget(cell(QStringLiteral("CNPJ"), edtCnpj_, dataArea_), 0, 4, 1, 1);
    boxes->addWidget(cell(QStringLiteral("CÓDIGO DO MUNICÍPIO"), edtCodIBGE_, dataArea_), 0, 5, 1, 1);
    boxes->addWidget(cell(QStringLiteral("CÓDIGO DA RECEITA"), edtCodigoTributo_, dataArea_, cbTributo_), 1, 0, 1, 5);
    boxes->addWidget(cell(QStringLiteral("DATA DE VENCIMENTO"), edtVencimento_, dataArea_), 1, 5, 1, 1);
    const struct {
        const char* caption;
        QLineEdit* box;
    } amounts[] = {{"VALOR DA RECEITA", edtVlReceita_}, {"ATUALIZAÇÃO MONETÁRIA", edtAtualizacao_},
                   {"MULTA", edtMulta_},                {"JUROS", edtJuros_},
                   {"VALOR TOTAL", edtVlTotal_},        {"TSE", edtTSE_}};
    int column = 0;
    for (const auto& a : amounts) boxes->addWidget(cell(QString::fromUtf8(a.caption), a.box, dataArea_), 2, column++);

    auto* obs = new QWidget(dataArea_);
    auto* obsLayout = new QVBoxLayout(obs);
    obsLayout->setContentsMargins(0, 0, 0, 0);
    obsLayout->setSpacing(2);
    auto* lblObs = new QLabel(QStringLiteral("OBSERVAÇÕES"), obs);
    lblObs->setBuddy(edtObs1_);
    obsLayout->addWidget(lblObs);
    for (QLineEdit* e : {edtObs1_, edtObs2_, edtObs3_}) obsLayout->addWidget(e);
    obsLayout->addStretch(1);
    boxes->addWidget(obs, 3, 0, 3, 4);
    boxes->addWidget(cell(QStringLiteral("Nº DOC. ORIGEM"), edtDocOrigem_, dataArea_), 3, 4, 1, 2);
    boxes->addWidget(cell(QStringLiteral("DATA PARA PAGAMENTO"), edtDataPgto_, dataArea_), 4, 4, 1, 2,
                     Qt::AlignLeft);

    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("stbStatus"));
    status_->setSizeGripEnabled(false);
    auto* limit = new QLabel(issueLimitText(), status_);
    limit->setObjectName(QStringLiteral("lblStatus"));
    status_->addWidget(limit, 1);

    auto* form = new QVBoxLayout;
    form->setContentsMargins(10, 8, 10, 6);
    form->setSpacing(8);
    form->addLayout(keyRow);
    form->addWidget(dataArea_);
    form->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(bar);
    layout->addLayout(form, 1);
    layout->addWidget(status_);
    resize(800, 360);

    // Tab order: the key, then the editable boxes in reading order.
    setTabOrder(edtIE_, edtMes_);
    setTabOrder(edtMes_, edtAno_);
    setTabOrder(edtAno_, edtCodigoTributo_);
    setTabOrder(edtCodigoTributo_, cbTributo_);
    setTabOrder(cbTributo_, edtObs1_);
    setTabOrder(edtObs1_, edtObs2_);
    setTabOrder(edtObs2_, edtObs3_);
    setTabOrder(edtObs3_, edtDocOrigem_);
    setTabOrder(edtDocOrigem_, edtDataPgto_);

    connect(btnProcura_, &QToolButton::clicked, this, &FrmGates::procurarContribuinte);
}

void FrmGates::connectEdits() {
    // Any change the user makes to a DARE on show puts it in edit.
    for (QLineEdit* e : {edtObs1_, edtObs2_, edtObs3_, edtDocOrigem_, static_cast<QLineEdit*>(edtDataPgto_)})
        connect(e, &QLineEdit::textEdited, this, &FrmGates::onUserEdit);
    connect(edtCodigoTributo_, &QLineEdit::textEdited, this, [this](const QString& code) {
        selectRevenue(code);
        onUserEdit();
    });
    // Choosing a description types its code.
    connect(cbTributo_, &QComboBox::activated, this, [this](int index) {
        if (loading_ || index < 0) return;
        loading_ = true;
        edtCodigoTributo_->setText(cbTributo_->itemData(index).toString());
        loading_ = false;
        onUserEdit();
    });
}

// ---- states --------------------------------------------------------------------------

void FrmGates::setState(State state) {
    state_ = state;
    if (state != State::Edit) newRow_ = false;
    applyState();
}

void FrmGates::applyState() {
    const bool key = state_ == State::KeyEntry;
    const bool browse = state_ == State::Browse;
    const bool edit = state_ == State::Edit;
    // The boxes open before the key closes, so that the focus has somewhere to go.
    for (QWidget* w : std::initializer_list<QWidget*>{edtCodigoTributo_, cbTributo_, edtObs1_, edtObs2_, edtObs3_,
                                                      edtDocOrigem_, edtDataPgto_})
        w->setEnabled(!key);
    enableCommands(key, browse, edit, printing_);
    enableKey(key || browse);
    // Silver while a key is typed, black once a DARE is on show.
    for (QLineEdit* box : {edtVencimento_, edtCodIBGE_}) {
        QPalette p = box->palette();
        p.setColor(QPalette::Text, key ? kSilver : QColor(Qt::black));
        box->setPalette(p);
    }
    refreshDueDate();
}

void FrmGates::refreshDueDate() {
    const QString shown =
        state_ == State::KeyEntry || !view_.DataVencimento.isValid() ? QString() : dateText(view_.DataVencimento);
    if (edtVencimento_->text() != shown) edtVencimento_->setText(shown);
}

// ---- what is on show -------------------------------------------------------------------

void FrmGates::fillRevenues(const QList<Tributo>& revenues) {
    loading_ = true;
    cbTributo_->clear();
    for (const Tributo& t : revenues) cbTributo_->addItem(t.Descricao, t.CodigoID);
    cbTributo_->setCurrentIndex(-1);
    loading_ = false;
}

void FrmGates::selectRevenue(const QString& code) {
    // A code outside the regime's list shows no description.
    const bool was = loading_;
    loading_ = true;
    cbTributo_->setCurrentIndex(code.isEmpty() ? -1 : cbTributo_->findData(code));
    loading_ = was;
}

void FrmGates::showDare(const Dare& dare, State state) {
    dare_ = dare;
    loading_ = true;
    edtIE_->setDigits(dare.key.IE);
    edtMes_->setText(dare.key.Mes);
    edtAno_->setText(dare.key.Ano);
    edtCodigoTributo_->setText(dare.CodigoTributo);
    edtObs1_->setText(dare.Obs1);
    edtObs2_->setText(dare.Obs2);
    edtObs3_->setText(dare.Obs3);
    edtDocOrigem_->setText(dare.Doc_Origem);
    edtDataPgto_->setDate(dare.DataPgto);
    for (QLineEdit* e : {static_cast<QLineEdit*>(edtIE_), static_cast<QLineEdit*>(edtMes_),
                         static_cast<QLineEdit*>(edtAno_)})
        e->deselect();
    loading_ = false;
    view_ = describeDare(dare);
    setState(state);
    showView();
}

void FrmGates::showNothing() {
    dare_ = Dare{};
    view_ = DareView{};
    loading_ = true;
    for (QLineEdit* e : {edtCodigoTributo_, edtObs1_, edtObs2_, edtObs3_, edtDocOrigem_,
                         static_cast<QLineEdit*>(edtDataPgto_)})
        e->clear();
    loading_ = false;
    showView();
}

void FrmGates::showView() {
    edtRazaoSocial_->setText(view_.RazaoSocial);
    edtCnpj_->setText(view_.CGC_CPF);
    edtCodIBGE_->setText(view_.codIBGE);
    selectRevenue(edtCodigoTributo_->text());
    // The amounts are computed only with the IE, the period and a due date.
    const auto amount = [this](double value) { return view_.amountsComputed ? money::format(value) : QString(); };
    edtVlReceita_->setText(amount(view_.amounts.Vl_Receita));
    edtAtualizacao_->setText(amount(view_.amounts.AtualizacaoMonetaria));
    edtMulta_->setText(amount(view_.amounts.Multa));
    edtJuros_->setText(amount(view_.amounts.Juros));
    edtVlTotal_->setText(amount(view_.amounts.ccVlTotal));
    edtTSE_->clear();
    refreshDueDate();
}

Dare FrmGates::formDare() const {
    Dare d = dare_;
    d.CodigoTributo = edtCodigoTributo_->text().trimmed();
    d.Obs1 = edtObs1_->text();
    d.Obs2 = edtObs2_->text();
    d.Obs3 = edtObs3_->text();
    d.Doc_Origem = edtDocOrigem_->text();
    d.DataPgto = edtDataPgto_->date();
    return d;
}

void FrmGates::onUserEdit() {
    if (loading_ || state_ == State::KeyEntry) return;
    if (state_ == State::Browse) setState(State::Edit);
    view_ = describeDare(formDare());
    showView();
}

void FrmGates::clearKeyFields() {
    loading_ = true;
    edtIE_->clear();
    edtIE_->setCursorPosition(0);
    edtMes_->clear();
    edtAno_->clear();
    loading_ = false;
}

void FrmGates::focusField(const QString& field) {
    namespace f = dare_field;
    QWidget* target = nullptr;
    if (field == f::IE) target = edtIE_;
    else if (field == f::Mes) target = edtMes_;
    else if (field == f::Ano) target = edtAno_;
    else if (field == f::CodigoTributo) target = edtCodigoTributo_;
    else if (field == f::DataPgto) target = edtDataPgto_;
    else if (field == f::Doc_Origem) target = edtDocOrigem_;
    else if (field == f::Obs1) target = edtObs1_;
    else if (field == f::Obs2) target = edtObs2_;
    else if (field == f::Obs3) target = edtObs3_;
    // Only where the focus can go: the key is closed while a DARE is edited.
    if (target && target->isEnabled()) target->setFocus(Qt::OtherFocusReason);
}

void FrmGates::fail(const CheckResult& check) {
    prompter_.info(check.message);
    focusField(check.field);
}

} // namespace vexa::payment::ui
