#include "declfile/ui/FrmImportaDados.h"

#include "common/ui/EnterAsTab.h"
#include "common/ui/FileDialogs.h"
#include "common/ui/MessageBoxPrompter.h"
#include "declfile/AccountFile.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace vexa::declfile::ui {

namespace {

// The run keeps the screen responsive (the cancel button must be reachable),
// so the cursor tells that work goes on without blocking the clicks.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
};

// Starts in the folder chosen last in any of the program's dialogs, else the program folder.
QString chooseFile(QWidget* parent) {
    return vexa::ui::openFileName(parent, QStringLiteral("Importa arquivo de VEXA"),
                            QStringLiteral("Arquivos Texto (*.txt);;Todos os Arquivos (*.*)"));
}

// The response's messages break lines with CR LF and with a lone CR; the
// area shows each break as a new line.
QString shownText(QString line) {
    line.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    line.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return line;
}

} // namespace

FrmImportaDados::FrmImportaDados(Prompter& prompter, QWidget* parent) : QDialog(parent), prompter_(prompter) {
    setObjectName(QStringLiteral("FrmImportaDados"));
    setWindowTitle(QStringLiteral("Importa arquivo de VEXA"));
    setModal(true);
    chooser_ = chooseFile;
    buildScreen();
    EnterAsTab::install(this);
}

FrmImportaDados::~FrmImportaDados() = default;

void FrmImportaDados::open(QWidget* parent) {
    MessageBoxPrompter prompter(parent);
    FrmImportaDados screen(prompter, parent);
    screen.exec();
}

void FrmImportaDados::buildScreen() {
    auto button = [this](const QString& caption, const char* name, const QString& hint) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        b->setStatusTip(hint);
        b->setToolTip(hint);
        return b;
    };
    btnImportar_ = button(QStringLiteral("Importar VEXA"), "btnImportar",
                          QStringLiteral("Escolhe o arquivo do sistema de contabilidade e importa as VEXAs"));
    btnRetornar_ = button(QStringLiteral("Retornar"), "btnRetornar", QStringLiteral("Fecha esta tela"));
    btnCancelar_ = button(QStringLiteral("Cancelar"), "btnCancelar",
                          QStringLiteral("Interrompe a importação depois da declaração em curso"));

    auto* top = new QHBoxLayout;
    top->addWidget(btnImportar_);
    top->addWidget(btnRetornar_);
    top->addStretch(1);

    lblArquivo_ = new QLabel(this);
    lblArquivo_->setObjectName(QStringLiteral("lblArquivo"));
    lblArquivo_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    response_ = new QPlainTextEdit(this);
    response_->setObjectName(QStringLiteral("Response"));
    response_->setReadOnly(true);
    response_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    response_->setTabChangesFocus(true);
    response_->setMinimumSize(620, 320);

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("pbDeclaracoes"));
    progress_->setRange(0, 1);
    progress_->setValue(0);
    progress_->setFormat(QStringLiteral("%v de %m"));
    lblProgresso_ = new QLabel(this);
    lblProgresso_->setObjectName(QStringLiteral("lblProgresso"));
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(lblProgresso_);
    bottom->addWidget(progress_, 1);
    bottom->addWidget(btnCancelar_);

    statusBar_ = new QStatusBar(this);
    statusBar_->setObjectName(QStringLiteral("StatusBar"));
    statusBar_->setSizeGripEnabled(false);
    statusPanel_ = new QLabel(this);
    statusPanel_->setObjectName(QStringLiteral("StatusPanel"));
    statusBar_->addWidget(statusPanel_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(lblArquivo_);
    layout->addWidget(response_, 1);
    layout->addLayout(bottom);
    layout->addWidget(statusBar_);

    setTabOrder(btnImportar_, btnRetornar_);
    setTabOrder(btnRetornar_, response_);
    setTabOrder(response_, btnCancelar_);

    connect(btnImportar_, &QPushButton::clicked, this, &FrmImportaDados::importar);
    connect(btnRetornar_, &QPushButton::clicked, this, &FrmImportaDados::reject);
    connect(btnCancelar_, &QPushButton::clicked, this, &FrmImportaDados::cancelar);
    setRunning(false);
}

void FrmImportaDados::setRunning(bool running) {
    running_ = running;
    btnImportar_->setEnabled(!running);
    btnRetornar_->setEnabled(!running);
    btnCancelar_->setEnabled(running && !cancelRequested_);
    progress_->setVisible(running || progress_->value() > 0);
    btnCancelar_->setVisible(running);
}

QString FrmImportaDados::responseText() const { return response_->toPlainText(); }

void FrmImportaDados::appendResponse(const QString& line) {
    response_->appendPlainText(shownText(line));
    // The area follows the run: the newest answer stays in view.
    response_->verticalScrollBar()->setValue(response_->verticalScrollBar()->maximum());
}

int FrmImportaDados::countDeclarations(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    AccountFileReader reader(file);
    AccountLine line;
    int n = 0;
    while (reader.next(line))
        if (line.segment() == QLatin1Char('A')) ++n;
    return n;
}

void FrmImportaDados::importar() {
    if (running_) return;
    const QString path = chooser_ ? chooser_(this) : QString();
    if (path.isEmpty()) return;
    importarArquivo(path);
}

void FrmImportaDados::importarArquivo(const QString& path) {
    if (running_) return;
    vexa::ui::rememberFileDialogChoice(path);
    response_->clear();
    statusPanel_->clear();
    lblArquivo_->setText(QStringLiteral("Arquivo: ") + QDir::toNativeSeparators(path));
    cancelRequested_ = false;
    result_ = {};

    total_ = countDeclarations(path);
    progress_->setRange(0, std::max(total_, 1));
    progress_->setValue(0);
    lblProgresso_->setText(QStringLiteral("Declarações lidas:"));
    statusPanel_->setText(QStringLiteral("Importando... \"Cancelar\" interrompe depois da declaração em curso."));
    setRunning(true);
    QCoreApplication::processEvents();
    {
        BusyCursor busy;
        result_ = importAccountFile(path, prompter_, [this](const ImportProgress& p) { return onProgress(p); });
    }
    setRunning(false);
    showOutcome();
}

bool FrmImportaDados::onProgress(const ImportProgress& p) {
    if (observer_ && !observer_(p)) cancelRequested_ = true;
    for (const QString& line : p.newLines) appendResponse(line);
    if (p.declarations > progress_->maximum()) progress_->setMaximum(p.declarations);
    progress_->setValue(p.declarations);
    // Clicks on "Cancelar" and repaints are taken between declarations.
    QCoreApplication::processEvents();
    return !cancelRequested_;
}

void FrmImportaDados::cancelar() {
    if (!running_ || cancelRequested_) return;
    cancelRequested_ = true;
    btnCancelar_->setEnabled(false);
    statusPanel_->setText(QStringLiteral("Cancelando: a declaração em curso é concluída antes de parar..."));
}

void FrmImportaDados::showOutcome() {
    const ImportResult& r = result_;
    const QString counts = QStringLiteral("Importadas: %1   Recusadas: %2   Já cadastradas: %3")
                               .arg(r.imported)
                               .arg(r.refused)
                               .arg(r.alreadyImported);
    switch (r.end) {
    case ImportEnd::Finished:
        statusPanel_->setText(QStringLiteral("Importação concluída.   ") + counts);
        break;
    case ImportEnd::FileRefused:
        statusPanel_->setText(QStringLiteral("Arquivo recusado: nenhuma VEXA foi importada."));
        break;
    case ImportEnd::OldPeriod:
        statusPanel_->setText(QStringLiteral("Importação encerrada no período anterior a 01/2009.   ") + counts);
        break;
    case ImportEnd::Cancelled:
        statusPanel_->setText(QStringLiteral("Importação cancelada depois da declaração %1 de %2.   ")
                                  .arg(progress_->value())
                                  .arg(total_) +
                              counts);
        break;
    case ImportEnd::Failed:
        appendResponse(QStringLiteral("\r\n") + r.failure);
        statusPanel_->setText(QStringLiteral("Importação interrompida.   ") + counts);
        prompter_.error(r.failure);
        break;
    }
}

void FrmImportaDados::reject() {
    // The run is not left half-way by closing the window: it is asked to stop
    // after the declaration in hand, and the screen stays open to show it.
    if (running_) {
        cancelar();
        return;
    }
    QDialog::reject();
}

void FrmImportaDados::closeEvent(QCloseEvent* event) {
    if (running_) {
        cancelar();
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

} // namespace vexa::declfile::ui
