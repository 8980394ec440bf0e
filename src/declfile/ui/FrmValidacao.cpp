#include "declfile/ui/FrmValidacao.h"

#include "common/Cp1252.h"
#include "common/ErrorLog.h"
#include "declfile/CheckNow.h"


#include <QFile>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vexa::declfile::ui {

namespace {
// The report page is small; a larger file is not one we wrote.
constexpr qint64 kMaxReportBytes = 64 * 1024 * 1024;
} // namespace

FrmValidacao::FrmValidacao(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmValidacao"));
    setWindowTitle(QStringLiteral("Validação de Dados"));
    setModal(true);
    resize(880, 600);

    auto* top = new QHBoxLayout;
    auto* labels = new QVBoxLayout;
    lblVerifique_ = new QLabel(QStringLiteral("Verifique a mensagem abaixo e os dados informados"), this);
    lblVerifique_->setObjectName(QStringLiteral("lblVerifique"));
    lblProsseguir_ = new QLabel(QStringLiteral("para prosseguir com a gravação do arquivo."), this);
    lblProsseguir_->setObjectName(QStringLiteral("lblProsseguir"));
    QFont bold = lblVerifique_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblVerifique_->setFont(bold);
    lblProsseguir_->setFont(bold);
    labels->addWidget(lblVerifique_);
    labels->addWidget(lblProsseguir_);
    top->addLayout(labels, 1);
    btnRetornar_ = new QPushButton(QStringLiteral("Retornar"), this);
    btnRetornar_->setObjectName(QStringLiteral("btnRetornar"));
    btnRetornar_->setAutoDefault(false);
    top->addWidget(btnRetornar_, 0, Qt::AlignTop);

    view_ = new QTextBrowser(this);
    view_->setObjectName(QStringLiteral("HtmlView"));
    view_->setOpenLinks(false);

    pnlPergunta_ = new QFrame(this);
    pnlPergunta_->setObjectName(QStringLiteral("pnlPergunta"));
    pnlPergunta_->setFrameShape(QFrame::StyledPanel);
    auto* question = new QVBoxLayout(pnlPergunta_);
    auto* askRow = new QHBoxLayout;
    auto* lblPergunta = new QLabel(QStringLiteral("Deseja continuar?"), pnlPergunta_);
    lblPergunta->setObjectName(QStringLiteral("lblPergunta"));
    lblPergunta->setFont(bold);
    auto* btnSim = new QPushButton(QStringLiteral("Sim"), pnlPergunta_);
    btnSim->setObjectName(QStringLiteral("btnSim"));
    btnSim->setAutoDefault(false);
    auto* btnNao = new QPushButton(QStringLiteral("Não"), pnlPergunta_);
    btnNao->setObjectName(QStringLiteral("btnNao"));
    btnNao->setAutoDefault(false);
    askRow->addWidget(lblPergunta);
    askRow->addStretch(1);
    askRow->addWidget(btnSim);
    askRow->addWidget(btnNao);
    question->addLayout(askRow);
    auto* lblNota = new QLabel(QStringLiteral("A apresentação com estas divergências, sujeitará à fiscalização."),
                               pnlPergunta_);
    lblNota->setObjectName(QStringLiteral("lblNota"));
    question->addWidget(lblNota);
    pnlPergunta_->hide();

    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("StatusBar"));
    status_->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(view_, 1);
    layout->addWidget(pnlPergunta_);
    layout->addWidget(status_);

    connect(btnRetornar_, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSim, &QPushButton::clicked, this, &FrmValidacao::sim);
    connect(btnNao, &QPushButton::clicked, this, &FrmValidacao::nao);
}

void FrmValidacao::layOut(Mode mode) {
    mode_ = mode;
    answer_ = QStringLiteral("N");
    const bool alerts = mode == Mode::Alerts;
    lblVerifique_->setVisible(true);
    lblProsseguir_->setVisible(mode == Mode::Errors);
    btnRetornar_->setVisible(!alerts);
    pnlPergunta_->setVisible(alerts);
    status_->clearMessage();
}

void FrmValidacao::showCheck(const QStringList& reportLines) {
    layOut(Mode::Check);
    if (reportLines.isEmpty()) {
        lblVerifique_->setVisible(false);
        view_->setHtml(QStringLiteral("<p style=\"font-family: Verdana, Arial, Helvetica, sans-serif;\">%1</p>")
                           .arg(kNoInconsistency.toHtmlEscaped()));
        return;
    }
    view_->setHtml(reportLines.join(QStringLiteral("\r\n")));
}

bool FrmValidacao::showReport(const QString& reportPath, Mode mode) {
    layOut(mode);

    QFile file(reportPath);
    if (!file.open(QIODevice::ReadOnly)) {
        view_->clear();
        status_->showMessage(QStringLiteral("Não foi possível abrir o arquivo %1: %2").arg(reportPath, file.errorString()));
        return false;
    }
    if (file.size() > kMaxReportBytes) {
        view_->clear();
        status_->showMessage(QStringLiteral("O arquivo %1 é grande demais para ser mostrado.").arg(reportPath));
        return false;
    }
    view_->setHtml(cp1252::decode(file.readAll()));
    return true;
}

QString FrmValidacao::reportText() const { return view_->toPlainText(); }

void FrmValidacao::sim() {
    answer_ = QStringLiteral("S");
    accept();
}

void FrmValidacao::nao() {
    answer_ = QStringLiteral("N");
    reject();
}

void FrmValidacaoPresenter::showErrors(const QString& reportPath) {
    FrmValidacao dialog(parent_);
    dialog.showReport(reportPath, FrmValidacao::Mode::Errors);
    dialog.exec();
}

void validateDeclarationNow(const decl::DeclarationKey& key, const ProgramFolder& folder, Prompter& prompter,
                            QWidget* parent) {
    const DeclarationCheck check = checkDeclarationNow(key, folder, prompter);
    if (!check.ran()) {
        if (check.status == ExportStatus::Refused) prompter.warn(check.message);
        else reportUnhandledError(check.message);
        return;
    }
    FrmValidacao dialog(parent);
    dialog.showCheck(checkReportLines(check.result));
    dialog.exec();
}

bool FrmValidacaoPresenter::askToContinue(const QString& reportPath) {
    FrmValidacao dialog(parent_);
    dialog.showReport(reportPath, FrmValidacao::Mode::Alerts);
    dialog.exec();
    return dialog.answer() == QLatin1String("S");
}

} // namespace vexa::declfile::ui
