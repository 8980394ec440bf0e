#include "print/ui/FrmOpcImpressao.h"

#include "common/ui/EnterAsTab.h"
#include "common/ui/MaskedLineEdit.h"
#include "common/ui/MessageBoxPrompter.h"
#include "payment/ui/SlipPreview.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace vexa::print::ui {

FrmOpcImpressao::FrmOpcImpressao(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("FrmOpcImpressao"));
    setWindowTitle(QStringLiteral("Opções de Impressão"));
    setModal(true);
    buildScreen();
    EnterAsTab::install(this);
}

FrmOpcImpressao::~FrmOpcImpressao() { waitCursor(false); }

void FrmOpcImpressao::waitCursor(bool on) {
    if (on == waiting_) return;
    waiting_ = on;
    if (on) QApplication::setOverrideCursor(Qt::WaitCursor);
    else QApplication::restoreOverrideCursor();
}

void FrmOpcImpressao::open(QWidget* parent) {
    MessageBoxPrompter prompter;   // over the active window: this screen
    FrmOpcImpressao screen(prompter, parent);
    screen.exec();
}

void FrmOpcImpressao::buildScreen() {
    auto* heading = new QLabel(QStringLiteral("IMPRESSÃO DO DARE"), this);
    heading->setObjectName(QStringLiteral("lblTitulo"));
    heading->setAlignment(Qt::AlignCenter);
    heading->setFrameShape(QFrame::Panel);
    heading->setFrameShadow(QFrame::Raised);
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    heading->setFont(big);
    heading->setMinimumHeight(heading->sizeHint().height() + 12);

    auto* lblPeriodo = new QLabel(QStringLiteral("Período:"), this);
    edtPeriodo_ = new MaskedLineEdit(MaskedLineEdit::Kind::Period, this);
    edtPeriodo_->setObjectName(QStringLiteral("EdtPeriodo"));
    edtPeriodo_->setFixedWidth(edtPeriodo_->fontMetrics().horizontalAdvance(QStringLiteral("00/00000")) + 16);
    lblPeriodo->setBuddy(edtPeriodo_);

    auto* lblContribuinte = new QLabel(QStringLiteral("Contribuinte:"), this);
    cmbContribuinte_ = new QComboBox(this);
    cmbContribuinte_->setObjectName(QStringLiteral("CmbContribuinte"));
    cmbContribuinte_->setMinimumWidth(cmbContribuinte_->fontMetrics().horizontalAdvance(QString(48, QLatin1Char('M'))));
    cmbContribuinte_->setMaxVisibleItems(20);
    cmbContribuinte_->addItems(dareBatchTaxpayers());
    lblContribuinte->setBuddy(cmbContribuinte_);

    auto* fields = new QGridLayout;
    fields->addWidget(lblPeriodo, 0, 0);
    fields->addWidget(edtPeriodo_, 0, 1, Qt::AlignLeft);
    fields->addWidget(lblContribuinte, 1, 0);
    fields->addWidget(cmbContribuinte_, 1, 1);
    fields->setColumnStretch(1, 1);

    btnOk_ = new QPushButton(QStringLiteral("&Ok"), this);
    btnOk_->setObjectName(QStringLiteral("btnOk"));
    btnOk_->setDefault(true);
    btnCancelar_ = new QPushButton(QStringLiteral("&Cancelar"), this);
    btnCancelar_->setObjectName(QStringLiteral("btnCancelar"));
    btnCancelar_->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk_);
    buttons->addWidget(btnCancelar_);

    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar"));
    statusBar->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(this);
    statusPanel_->setObjectName(QStringLiteral("StatusPanel"));
    statusPanel_->setIndent(8);
    statusBar->addWidget(statusPanel_, 1);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 12, 12, 4);
    body->setSpacing(12);
    body->addWidget(heading);
    body->addLayout(fields);
    body->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(body);
    layout->addWidget(statusBar);

    setTabOrder(edtPeriodo_, cmbContribuinte_);
    setTabOrder(cmbContribuinte_, btnOk_);
    setTabOrder(btnOk_, btnCancelar_);

    connect(btnOk_, &QPushButton::clicked, this, [this] { ok(); });
    connect(btnCancelar_, &QPushButton::clicked, this, &QDialog::reject);
}

void FrmOpcImpressao::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (shown_) return;
    shown_ = true;
    edtPeriodo_->setFocus(Qt::OtherFocusReason);
}

DareBatchResult FrmOpcImpressao::ok() {
    const QString contribuinte = contribuinteOfChoice(cmbContribuinte_->currentText());
    const DareBatchResult result = runDareBatchPrint(edtPeriodo_->digits(), contribuinte, prompter_, *this);
    if (result.check.field == dare_batch_field::Periodo) {
        edtPeriodo_->setFocus(Qt::OtherFocusReason);
        edtPeriodo_->selectAll();
    }
    return result;
}

QString FrmOpcImpressao::statusText() const { return statusPanel_->text(); }

void FrmOpcImpressao::setStatus(const QString& text) {
    statusPanel_->setText(text);
    // The slips are prepared right after: the line shows before the wait.
    statusPanel_->repaint();
}

void FrmOpcImpressao::setOkEnabled(bool enabled) {
    btnOk_->setEnabled(enabled);
    // While "&Ok" is off the slips are being computed.
    waitCursor(!enabled);
}

bool FrmOpcImpressao::present(const QList<payment::SlipPage>& pages, QString* error) {
    waitCursor(false);
    if (payment::showSlipPreview(this, pages, prepared_)) return true;
    if (error) *error = QStringLiteral("Não foi possível mostrar a impressão do DARE.");
    return false;
}

} // namespace vexa::print::ui
