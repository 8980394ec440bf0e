#include "declaration/ui/SheetIdentificacao.h"

#include "common/ui/MaskedLineEdit.h"
#include "common/ui/MoneyLineEdit.h"
#include "common/ui/TextLineEdit.h"
#include "declaration/DeclarationChecks.h"
#include "declaration/ui/SheetWidgets.h"
#include "storage/ReferenceLookups.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vexa::decl::ui {

namespace {

const QString kSim = QStringLiteral("S");
const QString kNao = QStringLiteral("N");

QString establishmentText(const QString& code) {
    if (code == QLatin1String("U")) return QStringLiteral("ÚNICO");
    if (code == QLatin1String("M")) return QStringLiteral("MATRIZ");
    if (code == QLatin1String("F")) return QStringLiteral("FILIAL");
    return {};
}

QString bookkeepingText(const QString& code) {
    if (code == QLatin1String("F")) return QStringLiteral("FISCAL");
    if (code == QLatin1String("C")) return QStringLiteral("CONTÁBIL");
    return {};
}

QString yesNo(bool flag) { return flag ? QStringLiteral("SIM") : QStringLiteral("NÃO"); }

MaskedLineEdit* dateField(const QString& name, QWidget* parent) {
    auto* e = new MaskedLineEdit(MaskedLineEdit::Kind::Date, parent);
    e->setObjectName(name);
    e->setFixedWidth(90);
    return e;
}

} // namespace

SheetIdentificacao::SheetIdentificacao(Prompter& prompter, QWidget* parent)
    : VexaSheet(Sheet::Itens2a39, parent), prompter_(prompter) {
    setObjectName(QStringLiteral("SheetIdentificacao"));
    build();
    clear();
}

QLineEdit* SheetIdentificacao::mesEdit() const { return edtMes_; }
QLineEdit* SheetIdentificacao::anoEdit() const { return edtAno_; }

void SheetIdentificacao::build() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(4);
    layout->addWidget(buildTaxpayer());
    layout->addWidget(buildDomicile());
    layout->addStretch(1);
    layout->addWidget(buildButtons());
}

QWidget* SheetIdentificacao::buildTaxpayer() {
    auto* box = new QWidget(this);
    auto* g = new QGridLayout(box);
    g->setContentsMargins(0, 0, 0, 0);
    g->setHorizontalSpacing(6);
    g->setVerticalSpacing(4);

    edtRazaoSocial_ = lookupField(QStringLiteral("EdtRazaoSocial"), box);
    edtIE_ = new MaskedLineEdit(MaskedLineEdit::Kind::IE, box);
    edtIE_->setObjectName(QStringLiteral("EdtIE"));
    edtIE_->setFixedWidth(100);
    btnProcurar_ = sheetButton(QStringLiteral("..."), QStringLiteral("btnProcurar"), box);
    btnProcurar_->setFixedWidth(28);
    btnProcurar_->setToolTip(QStringLiteral("Procura Contribuinte pela Razão Social."));
    btnProcurar_->setFocusPolicy(Qt::NoFocus);
    edtMes_ = new DigitsLineEdit(2, box);
    edtMes_->setObjectName(QStringLiteral("EdtMes"));
    edtMes_->setFixedWidth(32);
    edtAno_ = new DigitsLineEdit(4, box);
    edtAno_->setObjectName(QStringLiteral("EdtAno"));
    edtAno_->setFixedWidth(48);
    edtAtividade_ = lookupField(QStringLiteral("EdtAtividade"), box, 80);
    edtMunicipioIBGE_ = lookupField(QStringLiteral("EdtMunicipioIBGE"), box, 80);
    edtEstabelecimento_ = lookupField(QStringLiteral("EdtEstabelecimento"), box, 80);
    edtEscrituracao_ = lookupField(QStringLiteral("EdtEscrituracao"), box, 80);
    edtTare_ = lookupField(QStringLiteral("EdtTare"), box, 48);
    edtEcf_ = lookupField(QStringLiteral("EdtEcf"), box, 48);
    btnTare_ = sheetButton(QStringLiteral("3.4.1 Editar Informações sobre TARE"), QStringLiteral("btnTare"), box);
    btnEcf_ = sheetButton(QStringLiteral("3.8.1 Editar Informações sobre ECF"), QStringLiteral("btnEcf"), box);
    btnTare_->setFocusPolicy(Qt::NoFocus);
    btnEcf_->setFocusPolicy(Qt::NoFocus);
    edtSaldoInicial_ = amountField(QStringLiteral("EdtSaldoInicialCaixa"), box, 120);
    edtSaldoFinal_ = amountField(QStringLiteral("EdtSaldoFinalCaixa"), box, 120);
    lblRetificadora_ = new QLabel(box);
    lblRetificadora_->setObjectName(QStringLiteral("lblVexaRetificadora"));
    QFont bold = lblRetificadora_->font();
    bold.setBold(true);
    lblRetificadora_->setFont(bold);

    auto* ieRow = new QHBoxLayout;
    ieRow->setSpacing(2);
    ieRow->addWidget(edtIE_);
    ieRow->addWidget(btnProcurar_);
    ieRow->addStretch(1);
    auto* periodRow = new QHBoxLayout;
    periodRow->setSpacing(2);
    periodRow->addWidget(edtMes_);
    periodRow->addWidget(new QLabel(QStringLiteral("/"), box));
    periodRow->addWidget(edtAno_);
    periodRow->addStretch(1);
    auto* tareRow = new QHBoxLayout;
    tareRow->addWidget(edtTare_);
    tareRow->addWidget(btnTare_);
    tareRow->addStretch(1);
    auto* ecfRow = new QHBoxLayout;
    ecfRow->addWidget(edtEcf_);
    ecfRow->addWidget(btnEcf_);
    ecfRow->addStretch(1);

    int r = 0;
    g->addWidget(itemLabel(QStringLiteral("2.1 - Nome ou Razão Social:"), box), r, 0);
    g->addWidget(edtRazaoSocial_, r++, 1, 1, 3);
    g->addWidget(itemLabel(QStringLiteral("2.2 - Inscrição Estadual:"), box), r, 0);
    g->addLayout(ieRow, r, 1);
    g->addWidget(itemLabel(QStringLiteral("3.1 - Período de Referência:"), box), r, 2);
    g->addLayout(periodRow, r++, 3);
    g->addWidget(itemLabel(QStringLiteral("3.2 - Atividade Econômica:"), box), r, 0);
    g->addWidget(edtAtividade_, r, 1);
    g->addWidget(itemLabel(QStringLiteral("Município (Código IBGE):"), box), r, 2);
    g->addWidget(edtMunicipioIBGE_, r++, 3);
    g->addWidget(itemLabel(QStringLiteral("3.3 - Tipo de Estabelecimento:"), box), r, 0);
    g->addWidget(edtEstabelecimento_, r, 1);
    g->addWidget(itemLabel(QStringLiteral("3.5 - Tipo de Escrituração:"), box), r, 2);
    g->addWidget(edtEscrituracao_, r++, 3);
    g->addWidget(itemLabel(QStringLiteral("3.4 - Portador de TARE:"), box), r, 0);
    g->addLayout(tareRow, r++, 1, 1, 3);
    g->addWidget(itemLabel(QStringLiteral("3.6 - Saldo Inicial de Caixa:"), box), r, 0);
    g->addWidget(edtSaldoInicial_, r, 1);
    g->addWidget(itemLabel(QStringLiteral("3.7 - Saldo Final de Caixa:"), box), r, 2);
    g->addWidget(edtSaldoFinal_, r++, 3);
    g->addWidget(itemLabel(QStringLiteral("3.8 - Usuário de ECF:"), box), r, 0);
    g->addLayout(ecfRow, r++, 1, 1, 3);
    g->addWidget(lblRetificadora_, r++, 0, 1, 4);
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);

    for (QWidget* w : {static_cast<QWidget*>(edtSaldoInicial_), static_cast<QWidget*>(edtSaldoFinal_)})
        connect(static_cast<QLineEdit*>(w), &QLineEdit::textEdited, this, [this] {
            if (!loading_) emit rowEdited();
        });
    edtSaldoFinal_->installEventFilter(this);
    return box;
}

QWidget* SheetIdentificacao::buildDomicile() {
    auto* box = new QWidget(this);
    auto* v = new QVBoxLayout(box);
    v->setContentsMargins(0, 4, 0, 0);
    v->setSpacing(4);

    rbSim_ = new QRadioButton(QStringLiteral("Sim"), box);
    rbSim_->setObjectName(QStringLiteral("rbMudaDomicilioSim"));
    rbNao_ = new QRadioButton(QStringLiteral("Não"), box);
    rbNao_->setObjectName(QStringLiteral("rbMudaDomicilioNao"));
    grpMudanca_ = new QButtonGroup(box);
    grpMudanca_->addButton(rbSim_);
    grpMudanca_->addButton(rbNao_);

    // The picker of the previous municipality: the home state's municipalities by name.
    pnlPicker_ = new QFrame(box);
    pnlPicker_->setObjectName(QStringLiteral("pnlCidadeAnterior"));
    pnlPicker_->setFrameShape(QFrame::StyledPanel);
    cbCidadeAnterior_ = new QComboBox(pnlPicker_);
    cbCidadeAnterior_->setObjectName(QStringLiteral("cbCidadeAnterior"));
    cbCidadeAnterior_->setMinimumWidth(220);
    cbCidadeAnterior_->setMaxVisibleItems(15);
    btnPickerOk_ = sheetButton(QStringLiteral("&OK"), QStringLiteral("btnCidadeAnteriorOK"), pnlPicker_);
    auto* ph = new QHBoxLayout(pnlPicker_);
    ph->setContentsMargins(6, 2, 6, 2);
    ph->addWidget(new QLabel(QStringLiteral("Selecione a cidade anterior"), pnlPicker_));
    ph->addWidget(cbCidadeAnterior_, 1);
    ph->addWidget(btnPickerOk_);
    ph->addStretch(0);
    pnlPicker_->hide();

    auto* question = new QHBoxLayout;
    auto* lbl = itemLabel(QStringLiteral("3.10 - Houve mudança de domicílio fiscal no período?"), box,
                          QStringLiteral("Mudança para outro município deste Estado no período de referência"));
    question->addWidget(lbl);
    question->addWidget(rbSim_);
    question->addWidget(rbNao_);
    question->addStretch(1);
    v->addLayout(question);
    v->addWidget(pnlPicker_);

    gbDomicilio_ = new QGroupBox(QStringLiteral("3.10.1 - Domicílio por período de referência fiscal"), box);
    gbDomicilio_->setObjectName(QStringLiteral("gbDomicilio"));
    edtMunicipioA_ = lookupField(QStringLiteral("EdtMunicipioA"), gbDomicilio_);
    edtCidadeA_ = lookupField(QStringLiteral("EdtCidadeA"), gbDomicilio_, 80);
    edtDtIniA_ = dateField(QStringLiteral("EdtDtIniA"), gbDomicilio_);
    edtDtFimA_ = dateField(QStringLiteral("EdtDtFimA"), gbDomicilio_);
    edtCidadeB_ = new QLineEdit(gbDomicilio_);
    edtCidadeB_->setObjectName(QStringLiteral("EdtCidadeB"));
    edtCidadeB_->setReadOnly(true);
    edtCidadeB_->setFixedWidth(80);
    edtMunAntDesc_ = lookupField(QStringLiteral("EdtMunAntDesc"), gbDomicilio_);
    edtDtIniB_ = dateField(QStringLiteral("EdtDtIniB"), gbDomicilio_);
    edtDtFimB_ = dateField(QStringLiteral("EdtDtFimB"), gbDomicilio_);
    auto* g = new QGridLayout(gbDomicilio_);
    g->setContentsMargins(8, 4, 8, 4);
    g->setVerticalSpacing(3);
    g->addWidget(new QLabel(QStringLiteral("Município"), gbDomicilio_), 0, 1);
    g->addWidget(new QLabel(QStringLiteral("Código IBGE"), gbDomicilio_), 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Data Inicial"), gbDomicilio_), 0, 3);
    g->addWidget(new QLabel(QStringLiteral("Data Final"), gbDomicilio_), 0, 4);
    g->addWidget(new QLabel(QStringLiteral("A - Atual:"), gbDomicilio_), 1, 0);
    g->addWidget(edtMunicipioA_, 1, 1);
    g->addWidget(edtCidadeA_, 1, 2);
    g->addWidget(edtDtIniA_, 1, 3);
    g->addWidget(edtDtFimA_, 1, 4);
    g->addWidget(new QLabel(QStringLiteral("B - Anterior:"), gbDomicilio_), 2, 0);
    g->addWidget(edtMunAntDesc_, 2, 1);
    g->addWidget(edtCidadeB_, 2, 2);
    g->addWidget(edtDtIniB_, 2, 3);
    g->addWidget(edtDtFimB_, 2, 4);
    g->setColumnStretch(1, 1);
    v->addWidget(gbDomicilio_);
    gbDomicilio_->hide();

    connect(rbSim_, &QRadioButton::clicked, this, [this] { answerDomicile(true); });
    connect(rbNao_, &QRadioButton::clicked, this, [this] { answerDomicile(false); });
    connect(btnPickerOk_, &QPushButton::clicked, this, &SheetIdentificacao::acceptPicker);
    connect(cbCidadeAnterior_, &QComboBox::activated, this, [this] { acceptPicker(); });
    for (MaskedLineEdit* e : {edtDtIniA_, edtDtFimA_, edtDtIniB_, edtDtFimB_})
        connect(e, &QLineEdit::textEdited, this, [this] {
            if (!loading_) emit rowEdited();
        });
    edtCidadeB_->installEventFilter(this);
    return box;
}

QWidget* SheetIdentificacao::buildButtons() {
    auto* box = new QWidget(this);
    auto* h = new QHBoxLayout(box);
    h->setContentsMargins(0, 0, 0, 0);
    btnRetificar_ = sheetButton(QStringLiteral("Re&tificar VEXA"), QStringLiteral("btnRetificar"), box);
    btnImprimir_ = sheetButton(QStringLiteral("&Imprimir VEXA"), QStringLiteral("btnImprimir"), box);
    btnValidar_ = sheetButton(QStringLiteral("&Validar VEXA"), QStringLiteral("btnValidar"), box);
    btnValidar_->setToolTip(QStringLiteral("Verifica a VEXA sem gravar o arquivo"));
    btnAnterior_ = sheetButton(QStringLiteral("&<< VEXA Anterior"), QStringLiteral("btnAnterior"), box);
    btnProxima_ = sheetButton(QStringLiteral("Próxima VEXA>&>"), QStringLiteral("btnProxima"), box);
    for (QPushButton* b : {btnRetificar_, btnImprimir_, btnValidar_, btnAnterior_, btnProxima_}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setMinimumWidth(130);
    }
    h->addWidget(btnRetificar_);
    h->addWidget(btnImprimir_);
    h->addWidget(btnValidar_);
    h->addStretch(1);
    h->addWidget(btnAnterior_);
    h->addWidget(btnProxima_);
    return box;
}

bool SheetIdentificacao::isKeyField(const QWidget* w) const {
    return w && (w == edtIE_ || w == edtMes_ || w == edtAno_);
}

QString SheetIdentificacao::typedIE() const { return edtIE_->digits(); }
QString SheetIdentificacao::typedMes() const { return edtMes_->text().trimmed(); }
QString SheetIdentificacao::typedAno() const { return edtAno_->text().trimmed(); }

void SheetIdentificacao::setKeyTexts(const QString& ie, const QString& mes, const QString& ano) {
    if (ie.isEmpty()) edtIE_->clear();
    else edtIE_->setDigits(ie);
    edtMes_->setText(mes);
    edtAno_->setText(ano);
}

// ---- the declaration on show ------------------------------------------------------

void SheetIdentificacao::setContext(const SheetContext& context) {
    VexaSheet::setContext(context);
    const bool known = !context.razaoSocial.isEmpty();
    edtRazaoSocial_->setText(context.razaoSocial);
    edtAtividade_->setText(context.atividade);
    edtMunicipioIBGE_->setText(context.cidadeA ? QString::number(context.cidadeA) : QString());
    edtEstabelecimento_->setText(known ? establishmentText(context.tipoEstabelecimento) : QString());
    edtEscrituracao_->setText(known ? bookkeepingText(context.tipoEscrituracao) : QString());
    edtTare_->setText(known ? yesNo(context.portadorTare) : QString());
    edtEcf_->setText(known ? yesNo(context.usuarioECF) : QString());
    edtMunicipioA_->setText(context.cidadeA ? storage::MunicipalityNameByIBGE(context.cidadeA) : QString());
    edtCidadeA_->setText(context.cidadeA ? QString::number(context.cidadeA) : QString());
    lblRetificadora_->setVisible(context.hasDeclaration());
}

void SheetIdentificacao::clear() {
    VexaSheet::clear();
    loading_ = true;
    for (QLineEdit* e : {edtRazaoSocial_, edtAtividade_, edtMunicipioIBGE_, edtEstabelecimento_, edtEscrituracao_,
                         edtTare_, edtEcf_, edtMunicipioA_, edtCidadeA_})
        e->clear();
    edtSaldoInicial_->clearValue();
    edtSaldoFinal_->clearValue();
    lblRetificadora_->clear();
    lblRetificadora_->hide();   // the item 3.9 text is hidden while the key is typed
    grpMudanca_->setExclusive(false);
    rbSim_->setChecked(false);
    rbNao_->setChecked(false);
    grpMudanca_->setExclusive(true);
    showDomicileB(0);
    for (MaskedLineEdit* e : {edtDtIniA_, edtDtFimA_, edtDtIniB_, edtDtFimB_}) e->clear();
    pnlPicker_->hide();
    gbDomicilio_->hide();
    loading_ = false;
}

void SheetIdentificacao::showRow(const VexaRow& row) {
    loading_ = true;
    edtSaldoInicial_->setValue(row.SaldoInicialCaixa);
    edtSaldoFinal_->setValue(row.SaldoFinalCaixa);
    grpMudanca_->setExclusive(false);
    rbSim_->setChecked(row.MudaDomicilio == kSim);
    rbNao_->setChecked(row.MudaDomicilio == kNao);
    grpMudanca_->setExclusive(true);
    showDomicileB(row.CidadeB);
    edtDtIniA_->setDate(row.DtIniA);
    edtDtFimA_->setDate(row.DtFimA);
    edtDtIniB_->setDate(row.DtIniB);
    edtDtFimB_->setDate(row.DtFimB);
    gbDomicilio_->setVisible(row.changedDomicile());
    pnlPicker_->hide();
    loading_ = false;
}

void SheetIdentificacao::showComputed(const Apuracao& computed, bool inEdit) {
    // The text is filled only while the row is not being edited or inserted.
    if (!inEdit) lblRetificadora_->setText(computed.VexaRetificadora);
    else if (context().isNew) lblRetificadora_->clear();
}

void SheetIdentificacao::takeEdits(VexaRow& row) const {
    row.SaldoInicialCaixa = typedAmount(edtSaldoInicial_);
    row.SaldoFinalCaixa = typedAmount(edtSaldoFinal_);
    row.MudaDomicilio = rbSim_->isChecked() ? kSim : rbNao_->isChecked() ? kNao : QString();
    row.CidadeB = cidadeB_;
    row.DtIniA = edtDtIniA_->date();
    row.DtFimA = edtDtFimA_->date();
    row.DtIniB = edtDtIniB_->date();
    row.DtFimB = edtDtFimB_->date();
}

void SheetIdentificacao::setRowEditable(bool editable) {
    setReadOnlyField(edtSaldoInicial_, !editable);
    setReadOnlyField(edtSaldoFinal_, !editable);
    for (MaskedLineEdit* e : {edtDtIniA_, edtDtFimA_, edtDtIniB_, edtDtFimB_}) setReadOnlyField(e, !editable);
    rbSim_->setEnabled(editable);
    rbNao_->setEnabled(editable);
}

bool SheetIdentificacao::focusField(const QString& field) {
    QWidget* target = nullptr;
    if (field == vexa_field::IE) target = edtIE_;
    else if (field == vexa_field::Mes) target = edtMes_;
    else if (field == vexa_field::Ano) target = edtAno_;
    else if (field == QLatin1String("SaldoInicialCaixa")) target = edtSaldoInicial_;
    else if (field == QLatin1String("SaldoFinalCaixa")) target = edtSaldoFinal_;
    else if (field == QLatin1String("MudaDomicilio")) target = rbSim_;
    else if (field == QLatin1String("DtIniA")) target = edtDtIniA_;
    else if (field == QLatin1String("DtFimA")) target = edtDtFimA_;
    else if (field == QLatin1String("DtIniB")) target = edtDtIniB_;
    else if (field == QLatin1String("DtFimB")) target = edtDtFimB_;
    else if (field == QLatin1String("CidadeB")) {
        // The previous municipality is chosen again: its name is cleared and the picker opened.
        edtMunAntDesc_->clear();
        openPicker();
        return true;
    }
    if (!target) return false;
    target->setFocus(Qt::OtherFocusReason);
    return true;
}

// ---- item 3.10 ------------------------------------------------------------------------

void SheetIdentificacao::answerDomicile(bool sim) {
    if (loading_) return;
    emit rowEdited();
    if (sim) {
        gbDomicilio_->show();
        openPicker();
    } else {
        hidePicker();
        gbDomicilio_->hide();
    }
}

void SheetIdentificacao::fillPicker() {
    if (cbCidadeAnterior_->count() > 0) return;
    cbCidadeAnterior_->addItem(QString(), QVariant());
    for (const auto& m : storage::MunicipalityList(0)) cbCidadeAnterior_->addItem(m.descricao, m.codIBGE);
}

bool SheetIdentificacao::pickerShown() const { return pnlPicker_->isVisible(); }

void SheetIdentificacao::openPicker() {
    fillPicker();
    const int at = cidadeB_ ? cbCidadeAnterior_->findData(cidadeB_) : 0;
    cbCidadeAnterior_->setCurrentIndex(at < 0 ? 0 : at);
    pnlPicker_->show();
    cbCidadeAnterior_->setFocus(Qt::OtherFocusReason);
}

void SheetIdentificacao::hidePicker() { pnlPicker_->hide(); }

void SheetIdentificacao::acceptPicker() {
    const qint64 chosen = cbCidadeAnterior_->currentData().toLongLong();
    if (chosen == 0) {
        prompter_.warn(vexa_msg::SelecioneCidade);
        return;
    }
    showDomicileB(chosen);
    pnlPicker_->hide();
    gbDomicilio_->show();
    emit rowEdited();
    edtDtIniA_->setFocus(Qt::OtherFocusReason);
}

void SheetIdentificacao::showDomicileB(qint64 cidadeB) {
    cidadeB_ = cidadeB;
    edtCidadeB_->setText(cidadeB ? QString::number(cidadeB) : QString());
    edtMunAntDesc_->setText(cidadeB ? storage::MunicipalityNameByIBGE(cidadeB) : QString());
}

bool SheetIdentificacao::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edtCidadeB_ && event->type() == QEvent::KeyPress && cidadeB_ == 0 && rbSim_->isChecked() &&
        rbSim_->isEnabled()) {
        // A key in the empty previous municipality opens the picker.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) {
            openPicker();
            return true;
        }
    }
    if (watched == edtSaldoFinal_ && event->type() == QEvent::FocusOut) {
        const auto* fe = static_cast<QFocusEvent*>(event);
        if (fe->reason() == Qt::TabFocusReason || fe->reason() == Qt::MouseFocusReason ||
            fe->reason() == Qt::BacktabFocusReason || fe->reason() == Qt::OtherFocusReason) {
            // Decided once the focus has landed: where it went matters.
            QMetaObject::invokeMethod(this, [this] {
                QWidget* now = QApplication::focusWidget();
                if (now && !isKeyField(now) && now != edtSaldoInicial_ && now != edtSaldoFinal_ &&
                    isAncestorOf(now))
                    emit leftSaldoFinal();
            }, Qt::QueuedConnection);
        }
    }
    return VexaSheet::eventFilter(watched, event);
}

} // namespace vexa::decl::ui
