#include "registry/ui/FrmContribuintes.h"

#include "common/ErrorLog.h"
#include "common/ui/EnterAsTab.h"
#include "common/ui/MaskedLineEdit.h"
#include "common/ui/MessageBoxPrompter.h"
#include "common/ui/TextLineEdit.h"
#include "registry/ActivityList.h"
#include "registry/ui/FrmProcura.h"
#include "storage/ReferenceLookups.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace vexa::registry::ui {

namespace {

const QStringList kEstabelecimentoCodes = {QStringLiteral("U"), QStringLiteral("M"), QStringLiteral("F")};
const QStringList kEscrituracaoCodes = {QStringLiteral("F"), QStringLiteral("C")};
const QStringList kRegimeCodes = {QStringLiteral("N"), QStringLiteral("S")};

// The password is shown as "*".
class StarPasswordStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_LineEdit_PasswordCharacter) return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Leaving a field for another control of the screen (not for a message box
// or another window) is what runs its exit check.
bool leavesForAnotherControl(Qt::FocusReason reason) {
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

QRadioButton* addChoice(QButtonGroup* group, QGridLayout* layout, const QString& caption, const QString& name,
                        int id, int column) {
    auto* rb = new QRadioButton(caption);
    rb->setObjectName(name);
    rb->installEventFilter(group->parent());
    group->addButton(rb, id);
    layout->addWidget(rb, 0, column);
    return rb;
}

} // namespace

FrmContribuintes::FrmContribuintes(Prompter& prompter, QWidget* parent)
    : ModalScreen(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("FrmContribuintes"));
    setWindowTitle(QStringLiteral("Cadastro de Contribuintes"));
    searcher_ = [](QWidget* p) { return FrmProcura::pick(Registry::Taxpayers, p); };
    buildScreen();
    EnterAsTab::install(this);
    loadLists();
    // The table opens in IE order on its first row.
    currentIE_ = moveTaxpayer(Move::First, {});
    showCurrent();
    setState(State::Browse);
    // Then the screen acts as if "&Novo" had been pressed.
    novo();
}

void FrmContribuintes::open(QWidget* parent) {
    MessageBoxPrompter prompter;
    FrmContribuintes screen(prompter, parent);
    screen.exec();
}

// ---- layout --------------------------------------------------------------------

void FrmContribuintes::buildScreen() {
    auto* bar = new QFrame(this);
    bar->setObjectName(QStringLiteral("pnlBotoes"));
    bar->setFrameShape(QFrame::StyledPanel);
    auto* barLayout = new QHBoxLayout(bar);
    barLayout->setContentsMargins(4, 4, 4, 4);
    btnRetornar_ = topBarButton(QStringLiteral("&Retornar"), QStringLiteral("btnRetornar"));
    btnCancelar_ = topBarButton(QStringLiteral("&Cancelar"), QStringLiteral("btnCancelar"));
    btnExcluir_ = topBarButton(QStringLiteral("&Excluir"), QStringLiteral("btnExcluir"));
    btnNovo_ = topBarButton(QStringLiteral("&Novo"), QStringLiteral("btnNovo"));
    btnLocalizar_ = topBarButton(QStringLiteral("&Localizar"), QStringLiteral("btnLocalizar"));
    btnGravar_ = topBarButton(QStringLiteral("&Gravar"), QStringLiteral("btnGravar"));
    for (QToolButton* b : {btnRetornar_, btnCancelar_, btnExcluir_, btnNovo_, btnLocalizar_, btnGravar_})
        barLayout->addWidget(b);
    barLayout->addStretch(1);
    btnPrimeiro_ = topBarButton(QStringLiteral("|◀"), QStringLiteral("btnPrimeiro"), QStringLiteral("Primeiro regostro"));
    btnAnterior_ = topBarButton(QStringLiteral("◀"), QStringLiteral("btnAnterior"), QStringLiteral("Registro anterior"));
    btnProximo_ = topBarButton(QStringLiteral("▶"), QStringLiteral("btnProximo"), QStringLiteral("Próximo registro"));
    btnUltimo_ = topBarButton(QStringLiteral("▶|"), QStringLiteral("btnUltimo"), QStringLiteral("Último registro"));
    for (QToolButton* b : {btnPrimeiro_, btnAnterior_, btnProximo_, btnUltimo_}) {
        b->setMinimumWidth(32);
        barLayout->addWidget(b);
    }

    // The key.
    edtIE_ = new MaskedLineEdit(MaskedLineEdit::Kind::IE, this);
    edtIE_->setObjectName(QStringLiteral("EdtIE"));
    edtIE_->setFixedWidth(110);
    edtIE_->installEventFilter(this);

    dataArea_ = new QWidget(this);
    edtCgcCpf_ = new DigitsLineEdit(taxpayer_width::CGC_CPF, dataArea_);
    edtCgcCpf_->setObjectName(QStringLiteral("EdtCGC_CPF"));
    edtCgcCpf_->setFixedWidth(140);
    edtRazaoSocial_ = new TextLineEdit(TextLineEdit::Case::Upper, taxpayer_width::RazaoSocial, dataArea_);
    edtRazaoSocial_->setObjectName(QStringLiteral("EdtRazaoSocial"));

    cbAtividadeCodigo_ = new QComboBox(dataArea_);
    cbAtividadeCodigo_->setObjectName(QStringLiteral("cbAtividadeCodigo"));
    cbAtividadeCodigo_->setFixedWidth(100);
    cbAtividadeDescricao_ = new QComboBox(dataArea_);
    cbAtividadeDescricao_->setObjectName(QStringLiteral("cbAtividadeDescricao"));
    cbAtividadeDescricao_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbAtividadeDescricao_->setMinimumContentsLength(40);

    cbUF_ = new QComboBox(dataArea_);
    cbUF_->setObjectName(QStringLiteral("cbUF"));
    cbUF_->setFixedWidth(64);
    cbMunicipio_ = new QComboBox(dataArea_);
    cbMunicipio_->setObjectName(QStringLiteral("cbMunicipio"));
    cbMunicipio_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbMunicipio_->setMinimumContentsLength(30);

    auto* gbEstabelecimento = new QGroupBox(QStringLiteral("Tipo de Estabelecimento"), dataArea_);
    auto* estLayout = new QGridLayout(gbEstabelecimento);
    grpEstabelecimento_ = new QButtonGroup(this);
    addChoice(grpEstabelecimento_, estLayout, QStringLiteral("Único"), QStringLiteral("rbUnico"), 0, 0);
    addChoice(grpEstabelecimento_, estLayout, QStringLiteral("Matriz"), QStringLiteral("rbMatriz"), 1, 1);
    addChoice(grpEstabelecimento_, estLayout, QStringLiteral("Filial"), QStringLiteral("rbFilial"), 2, 2);

    auto* gbEscrituracao = new QGroupBox(QStringLiteral("Tipo de Escrituração"), dataArea_);
    auto* escLayout = new QGridLayout(gbEscrituracao);
    grpEscrituracao_ = new QButtonGroup(this);
    addChoice(grpEscrituracao_, escLayout, QStringLiteral("Fiscal"), QStringLiteral("rbFiscal"), 0, 0);
    addChoice(grpEscrituracao_, escLayout, QStringLiteral("Contábil"), QStringLiteral("rbContabil"), 1, 1);

    auto* gbRegime = new QGroupBox(QStringLiteral("Tipo de Regime de Tributação"), dataArea_);
    auto* regLayout = new QGridLayout(gbRegime);
    grpRegime_ = new QButtonGroup(this);
    rbRegimeNormal_ = addChoice(grpRegime_, regLayout, QStringLiteral("Normal"), QStringLiteral("rbNormal"), 0, 0);
    addChoice(grpRegime_, regLayout, QStringLiteral("Simples Nacional"), QStringLiteral("rbSimples"), 1, 1);

    chkTare_ = new QCheckBox(QStringLiteral("Portador de TARE?"), dataArea_);
    chkTare_->setObjectName(QStringLiteral("chkPortadorTare"));
    chkEcf_ = new QCheckBox(QStringLiteral("Usuário de ECF?"), dataArea_);
    chkEcf_->setObjectName(QStringLiteral("chkUsuarioECF"));
    chkTare_->installEventFilter(this);
    chkEcf_->installEventFilter(this);

    gbSenha_ = new QGroupBox(QStringLiteral("Senha"), dataArea_);
    gbSenha_->setObjectName(QStringLiteral("gbSenha"));
    edtNovaSenha_ = new QLineEdit(gbSenha_);
    edtNovaSenha_->setObjectName(QStringLiteral("EdtNovaSenha"));
    edtNovaSenha_->setMaxLength(taxpayer_width::NovaSenha);
    edtNovaSenha_->setEchoMode(QLineEdit::Password);
    auto* starStyle = new StarPasswordStyle;
    starStyle->setParent(this);
    edtNovaSenha_->setStyle(starStyle);
    edtNovaSenha_->setFixedWidth(70);
    auto* senhaLayout = new QFormLayout(gbSenha_);
    senhaLayout->addRow(QStringLiteral("Nova Senha:"), edtNovaSenha_);

    auto* gbEmail = new QGroupBox(QStringLiteral("Email"), dataArea_);
    edtEmail_ = new QLineEdit(gbEmail);
    edtEmail_->setObjectName(QStringLiteral("EdtEmail"));
    edtEmail_->setMaxLength(taxpayer_width::EmailCont);
    auto* emailLayout = new QFormLayout(gbEmail);
    emailLayout->addRow(QStringLiteral("Email:"), edtEmail_);

    btnExcluirSenha_ = new QPushButton(QStringLiteral("&Excluir Senha"), dataArea_);
    btnExcluirSenha_->setObjectName(QStringLiteral("btnExcluirSenha"));
    btnExcluirSenha_->setAutoDefault(false);

    // Placing them: the key on top, then the registration, the activity,
    // the place, the choices, and the password and e-mail.
    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(new QLabel(QStringLiteral("Inscrição Estadual:")));
    keyRow->addWidget(edtIE_);
    keyRow->addSpacing(24);
    keyRow->addWidget(new QLabel(QStringLiteral("CNPJ ou CPF")));
    keyRow->addWidget(edtCgcCpf_);
    keyRow->addStretch(1);

    auto* data = new QGridLayout(dataArea_);
    data->setContentsMargins(0, 0, 0, 0);
    int row = 0;
    data->addWidget(new QLabel(QStringLiteral("Nome ou Razão Social:")), row, 0);
    data->addWidget(edtRazaoSocial_, row++, 1, 1, 3);
    data->addWidget(new QLabel(QStringLiteral("Atividade  Principal")), row, 0);
    data->addWidget(cbAtividadeCodigo_, row, 1);
    data->addWidget(cbAtividadeDescricao_, row++, 2, 1, 2);
    data->addWidget(new QLabel(QStringLiteral("UF / MUNICÍPIO:")), row, 0);
    data->addWidget(cbUF_, row, 1);
    data->addWidget(cbMunicipio_, row++, 2, 1, 2);
    auto* choices = new QHBoxLayout;
    choices->addWidget(gbEstabelecimento, 3);
    choices->addWidget(gbEscrituracao, 2);
    choices->addWidget(gbRegime, 2);
    data->addLayout(choices, row++, 0, 1, 4);
    auto* boxes = new QHBoxLayout;
    boxes->addWidget(chkTare_);
    boxes->addSpacing(24);
    boxes->addWidget(chkEcf_);
    boxes->addStretch(1);
    data->addLayout(boxes, row++, 0, 1, 4);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(gbSenha_);
    bottom->addWidget(gbEmail, 1);
    data->addLayout(bottom, row++, 0, 1, 4);
    auto* lastRow = new QHBoxLayout;
    lastRow->addWidget(btnExcluirSenha_);
    lastRow->addStretch(1);
    data->addLayout(lastRow, row++, 0, 1, 4);
    data->setColumnStretch(3, 1);

    auto* form = new QVBoxLayout;
    form->setContentsMargins(10, 8, 10, 10);
    form->addLayout(keyRow);
    form->addWidget(dataArea_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar);
    layout->addLayout(form);
    layout->addStretch(1);
    resize(760, 380);

    // Tab order: the key, then the data in reading order.
    setTabOrder(edtIE_, edtCgcCpf_);
    setTabOrder(edtCgcCpf_, edtRazaoSocial_);

    connect(btnRetornar_, &QToolButton::clicked, this, &QWidget::close);
    connect(btnCancelar_, &QToolButton::clicked, this, &FrmContribuintes::cancelar);
    connect(btnExcluir_, &QToolButton::clicked, this, &FrmContribuintes::excluir);
    connect(btnNovo_, &QToolButton::clicked, this, &FrmContribuintes::novo);
    connect(btnLocalizar_, &QToolButton::clicked, this, &FrmContribuintes::localizar);
    connect(btnGravar_, &QToolButton::clicked, this, &FrmContribuintes::gravar);
    connect(btnPrimeiro_, &QToolButton::clicked, this, [this] { navigate(Move::First); });
    connect(btnAnterior_, &QToolButton::clicked, this, [this] { navigate(Move::Prior); });
    connect(btnProximo_, &QToolButton::clicked, this, [this] { navigate(Move::Next); });
    connect(btnUltimo_, &QToolButton::clicked, this, [this] { navigate(Move::Last); });
    connect(btnExcluirSenha_, &QPushButton::clicked, this, &FrmContribuintes::excluirSenha);

    // Any change the user makes to a shown row puts it in edit.
    for (QLineEdit* e : {edtCgcCpf_, edtRazaoSocial_, edtNovaSenha_, edtEmail_})
        connect(e, &QLineEdit::textEdited, this, &FrmContribuintes::onUserEdit);
    for (QButtonGroup* g : {grpEstabelecimento_, grpEscrituracao_, grpRegime_})
        connect(g, &QButtonGroup::idToggled, this, [this](int, bool checked) {
            if (checked) onUserEdit();
        });
    for (QCheckBox* c : {chkTare_, chkEcf_}) connect(c, &QCheckBox::toggled, this, &FrmContribuintes::onUserEdit);

    // The two activity lists stand on the same column: choosing in one shows it in the other.
    connect(cbAtividadeCodigo_, &QComboBox::activated, this, [this](int index) {
        const QString code = cbAtividadeCodigo_->itemData(index).toString();
        loading_ = true;
        cbAtividadeDescricao_->setCurrentIndex(cbAtividadeDescricao_->findData(code));
        loading_ = false;
        onUserEdit();
    });
    connect(cbAtividadeDescricao_, &QComboBox::activated, this, [this](int index) {
        const QString code = cbAtividadeDescricao_->itemData(index).toString();
        loading_ = true;
        cbAtividadeCodigo_->setCurrentIndex(cbAtividadeCodigo_->findData(code));
        loading_ = false;
        onUserEdit();
    });
    // Choosing a state refills the municipalities with that state's only.
    connect(cbUF_, &QComboBox::activated, this, [this](int) {
        onUserEdit();
        refillMunicipalities(cbUF_->currentText());
    });
    connect(cbMunicipio_, &QComboBox::activated, this, [this](int) { onUserEdit(); });
}

void FrmContribuintes::loadLists() {
    for (const ActivityRow& a : activitiesByCode()) cbAtividadeCodigo_->addItem(a.codigo, a.codigo);
    for (const ActivityRow& a : activitiesByDescription()) cbAtividadeDescricao_->addItem(a.descricao, a.codigo);
    for (const storage::StateRow& s : storage::StateList()) cbUF_->addItem(s.uf);
    cbAtividadeCodigo_->setCurrentIndex(-1);
    cbAtividadeDescricao_->setCurrentIndex(-1);
    cbUF_->setCurrentIndex(-1);
}

void FrmContribuintes::refillMunicipalities(const QString& uf) {
    const QString keep = cbMunicipio_->currentData().toString();
    const bool wasLoading = loading_;
    loading_ = true;
    cbMunicipio_->clear();
    if (!uf.isEmpty())
        for (const storage::MunicipalityRow& m : storage::MunicipalityList(1, uf))
            cbMunicipio_->addItem(m.descricao, m.codigoID);
    cbMunicipio_->setCurrentIndex(keep.isEmpty() ? -1 : cbMunicipio_->findData(keep));
    loading_ = wasLoading;
}

// ---- the key ---------------------------------------------------------------------

bool FrmContribuintes::eventFilter(QObject* watched, QEvent* event) {
    // The choices and the boxes move on with Enter too (they take no click from it).
    if (event->type() == QEvent::KeyPress && (qobject_cast<QRadioButton*>(watched) || qobject_cast<QCheckBox*>(watched))) {
        auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            focusNextChild();
            return true;
        }
    }
    if (watched == edtIE_) {
        if (event->type() == QEvent::FocusIn) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (leavesForAnotherControl(reason) || state_ == State::KeySearch) enterKey();
        } else if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            // Leaving the field decides at once, before the next control is entered.
            if (leavesForAnotherControl(reason) && state_ == State::KeySearch && isVisible()) leaveKey();
        }
    }
    return ModalScreen::eventFilter(watched, event);
}

void FrmContribuintes::enterKey() {
    if (state_ != State::KeySearch) {
        keyFromIE_ = currentIE_;
        showBlank();
        setState(State::KeySearch);
    }
    QTimer::singleShot(0, edtIE_, [e = edtIE_] { e->selectAll(); });
}

void FrmContribuintes::leaveKey() {
    const QString typed = edtIE_->digits();
    if (const std::optional<Contribuinte> found = findTaxpayer(typed)) {
        currentIE_ = found->IE;
        showCurrent();
        setState(State::Browse);
        return;
    }
    if (const CheckResult key = checkNewIE(typed); !key) {
        // The warning waits until the focus has settled on the next control,
        // then the focus comes back to the IE field (still in key search).
        if (keyWarningPending_) return;
        keyWarningPending_ = true;
        QTimer::singleShot(0, this, [this, message = key.message] {
            keyWarningPending_ = false;
            if (!isVisible()) return;
            prompter_.warn(message);
            if (state_ == State::KeySearch) edtIE_->setFocus(Qt::OtherFocusReason);
        });
        return;
    }
    loaded_ = newTaxpayer(typed);
    showRow(loaded_);
    setState(State::Insert);
}

void FrmContribuintes::onUserEdit() {
    if (loading_) return;
    if (state_ == State::Browse && !currentIE_.isEmpty()) setState(State::Edit);
}

// ---- states ----------------------------------------------------------------------

void FrmContribuintes::setState(State state) {
    const State before = state_;
    state_ = state;
    // The password group is decided when the state changes: while editing,
    // by the row's own password; while browsing, by the stored one.
    if (state == State::Browse)
        passwordShown_ = currentIE_.isEmpty() || storedPassword(currentIE_).isEmpty();
    else if ((state == State::Edit || state == State::Insert) && before != state)
        passwordShown_ = loaded_.NovaSenha.isEmpty();
    applyState();
}

void FrmContribuintes::applyState() {
    const bool browse = state_ == State::Browse;
    const bool editing = state_ == State::Edit || state_ == State::Insert;
    const bool key = state_ == State::KeySearch;
    btnGravar_->setEnabled(editing);
    btnCancelar_->setEnabled(editing);
    btnNovo_->setEnabled(browse);
    btnExcluir_->setEnabled(browse);
    btnRetornar_->setEnabled(browse || key);
    btnLocalizar_->setEnabled(browse || key);
    edtIE_->setEnabled(browse || key);
    for (QToolButton* b : {btnPrimeiro_, btnAnterior_, btnProximo_, btnUltimo_}) b->setEnabled(browse);
    btnExcluirSenha_->setEnabled(browse);
    gbSenha_->setVisible(passwordShown_);
    // Without a row on show there is nothing to edit (the table is empty).
    dataArea_->setEnabled(!(browse && currentIE_.isEmpty()));
    edtCgcCpf_->setEnabled(dataArea_->isEnabled());
}

bool FrmContribuintes::canClose() const { return state_ != State::Edit && state_ != State::Insert; }

void FrmContribuintes::showEvent(QShowEvent* event) {
    ModalScreen::showEvent(event);
    if (!opened_) {
        opened_ = true;
        edtIE_->setFocus(Qt::OtherFocusReason);
    }
}

// ---- rows on show ----------------------------------------------------------------

void FrmContribuintes::showCurrent() {
    const std::optional<Contribuinte> row = findTaxpayer(currentIE_);
    if (!row) currentIE_.clear();
    loaded_ = row.value_or(Contribuinte{});
    showRow(loaded_);
}

void FrmContribuintes::setChoice(QButtonGroup* group, const QStringList& codes, const QString& value) {
    const int id = int(codes.indexOf(value));
    if (id >= 0) {
        group->button(id)->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* b : group->buttons()) b->setChecked(false);
    group->setExclusive(true);
}

QString FrmContribuintes::choice(const QButtonGroup* group, const QStringList& codes) {
    const int id = group->checkedId();
    return id >= 0 && id < codes.size() ? codes[id] : QString();
}

void FrmContribuintes::showRow(const Contribuinte& row) {
    loading_ = true;
    edtIE_->setDigits(row.IE);
    edtCgcCpf_->setText(row.CGC_CPF);
    edtRazaoSocial_->setText(row.RazaoSocial);
    cbAtividadeCodigo_->setCurrentIndex(cbAtividadeCodigo_->findData(row.AtividadeEconomicaPrincip));
    cbAtividadeDescricao_->setCurrentIndex(cbAtividadeDescricao_->findData(row.AtividadeEconomicaPrincip));
    cbUF_->setCurrentIndex(cbUF_->findText(row.UF));
    cbMunicipio_->clear();
    refillMunicipalities(cbUF_->currentText());
    cbMunicipio_->setCurrentIndex(row.MunicipioID.isEmpty() ? -1 : cbMunicipio_->findData(row.MunicipioID));
    setChoice(grpEstabelecimento_, kEstabelecimentoCodes, row.TipoEstabelecimento);
    setChoice(grpEscrituracao_, kEscrituracaoCodes, row.TipoEscrituracao);
    setChoice(grpRegime_, kRegimeCodes, row.TipoRegime);
    chkTare_->setChecked(row.PortadorTare);
    chkEcf_->setChecked(row.UsuarioECF);
    edtNovaSenha_->setText(row.NovaSenha);
    edtEmail_->setText(row.EmailCont);
    loading_ = false;
}

void FrmContribuintes::showBlank() {
    // The key search shows only the key being typed.
    const QString typed = edtIE_->text();
    showRow(Contribuinte{});
    loading_ = true;
    edtIE_->setText(typed);
    loading_ = false;
}

Contribuinte FrmContribuintes::formRow() const {
    Contribuinte row = loaded_;
    row.RazaoSocial = edtRazaoSocial_->text();
    row.CGC_CPF = edtCgcCpf_->text();
    row.AtividadeEconomicaPrincip =
        cbAtividadeCodigo_->currentIndex() >= 0 ? cbAtividadeCodigo_->currentData().toString() : QString();
    row.UF = cbUF_->currentText();
    row.MunicipioID = cbMunicipio_->currentIndex() >= 0 ? cbMunicipio_->currentData().toString() : QString();
    row.TipoEstabelecimento = choice(grpEstabelecimento_, kEstabelecimentoCodes);
    row.TipoEscrituracao = choice(grpEscrituracao_, kEscrituracaoCodes);
    row.TipoRegime = choice(grpRegime_, kRegimeCodes);
    row.PortadorTare = chkTare_->isChecked();
    row.UsuarioECF = chkEcf_->isChecked();
    if (passwordShown_) row.NovaSenha = edtNovaSenha_->text();
    row.EmailCont = edtEmail_->text();
    return row;
}

void FrmContribuintes::focusField(const QString& field) {
    namespace f = taxpayer_field;
    QWidget* target = nullptr;
    if (field == f::IE) target = edtIE_;
    else if (field == f::RazaoSocial) target = edtRazaoSocial_;
    else if (field == f::Atividade) target = cbAtividadeCodigo_;
    else if (field == f::Municipio) target = cbMunicipio_;
    else if (field == f::CgcCpf) target = edtCgcCpf_;
    else if (field == f::Senha) target = edtNovaSenha_;
    else if (field == f::Regime) target = grpRegime_->checkedButton() ? grpRegime_->checkedButton() : rbRegimeNormal_;
    else if (field == f::Email) target = edtEmail_;
    // Only where the focus can go: the IE field is closed while a row is edited.
    if (target && target->isEnabled() && target->isVisibleTo(this)) target->setFocus(Qt::OtherFocusReason);
}

// ---- commands --------------------------------------------------------------------

void FrmContribuintes::novo() {
    if (state_ == State::Edit || state_ == State::Insert) return;
    loading_ = true;
    edtIE_->clear();
    edtIE_->setCursorPosition(0);
    loading_ = false;
    enterKey();
    edtIE_->setFocus(Qt::OtherFocusReason);
}

void FrmContribuintes::gravar() {
    if (state_ != State::Edit && state_ != State::Insert) return;
    const Contribuinte row = formRow();
    if (const CheckResult check = checkTaxpayer(row, passwordShown_); !check) {
        prompter_.warn(check.message);
        focusField(check.field);
        return;
    }
    QString error;
    if (!saveTaxpayer(row, &error)) {
        reportUnhandledError(error);
        return;
    }
    currentIE_ = row.IE;
    showCurrent();
    setState(State::Browse);
}

void FrmContribuintes::cancelar() {
    if (state_ == State::Insert) {
        // The started row is dropped; the row on show before the key search comes back.
        currentIE_ = findTaxpayer(keyFromIE_) ? keyFromIE_ : moveTaxpayer(Move::First, {});
    } else if (state_ != State::Edit) {
        return;
    }
    showCurrent();
    setState(State::Browse);
}

void FrmContribuintes::excluir() {
    if (state_ != State::Browse || currentIE_.isEmpty()) return;
    const QString ie = currentIE_;
    QString error;
    switch (deleteTaxpayer(ie, prompter_, &error)) {
    case DeleteOutcome::Deleted:
        currentIE_ = moveTaxpayer(Move::Next, ie);
        showCurrent();
        setState(State::Browse);
        break;
    case DeleteOutcome::Failed: reportUnhandledError(error); break;
    case DeleteOutcome::HasDeclarations:
    case DeleteOutcome::NotConfirmed:
    case DeleteOutcome::NotFound: break;
    }
}

void FrmContribuintes::localizar() {
    if (state_ != State::Browse && state_ != State::KeySearch) return;
    hide();
    const std::optional<NameRow> chosen = searcher_ ? searcher_(parentWidget()) : std::nullopt;
    const bool found = chosen && findTaxpayer(chosen->key);
    if (found) {
        currentIE_ = chosen->key;
        showCurrent();
        setState(State::Browse);
        edtRazaoSocial_->setFocus(Qt::OtherFocusReason);
    }
    show();
    raise();
    activateWindow();
    if (found) edtRazaoSocial_->setFocus(Qt::OtherFocusReason);
}

void FrmContribuintes::excluirSenha() {
    if (state_ != State::Browse || currentIE_.isEmpty()) return;
    QString error;
    if (!clearTaxpayerPassword(currentIE_, &error)) {
        reportUnhandledError(error);
        return;
    }
    showCurrent();
    setState(State::Browse);
}

void FrmContribuintes::navigate(Move move) {
    if (state_ != State::Browse) return;
    currentIE_ = moveTaxpayer(move, currentIE_);
    showCurrent();
    setState(State::Browse);
}

} // namespace vexa::registry::ui
