#include "app/ui/MainWindow.h"


#include "app/ui/AboutBox.h"
#include "app/ui/HelpWindow.h"
#include "app/ui/IndexProgressWindow.h"
#include "app/ui/ProgramConfig.h"
#include "common/ErrorLog.h"
#include "common/ui/DesktopBehaviour.h"
#include "storage/DataModule.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPixmap>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

namespace vexa::app {


namespace {
// Alt+C, the access key of both the toolbar's "&Contribuintes" and the menu
// "&Cadastro": the toolbar button, the command a clerk uses all day, takes it
// (the menu still opens by Alt, then C, or by a click).
bool isAltC(const QKeyEvent* key) {
    return key->key() == Qt::Key_C && (key->modifiers() & ~Qt::KeypadModifier) == Qt::AltModifier;
}
} // namespace

MainWindow::MainWindow(const ProgramFolder& folder, Prompter& prompter, QWidget* parent)
    : QMainWindow(parent), folder_(folder), prompter_(prompter) {
    setObjectName(QStringLiteral("FrmPrincipal"));
    setWindowTitle(kMainCaption);

    dialogRunner_ = [](QDialog& dialog) { dialog.exec(); };
    reindexer_ = [this](storage::RebuildProgress* progress, Prompter& p) {
        QString error;
        const bool end = storage::DataModule::rebuildIndexes(
            folder_, storage::DataModule::indexListFile(folder_), progress, p, &error);
        if (!error.isEmpty()) reportUnhandledError(error);
        return end;
    };

    // The window's picture fills the client area and stays hidden.
    picture_ = new QLabel(this);
    picture_->setObjectName(QStringLiteral("Image1"));
    picture_->setScaledContents(true);
    picture_->setPixmap(QPixmap(folder.file(kWindowPicture)));
    picture_->setVisible(false);
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    picture_->setParent(client);
    setCentralWidget(client);

    buildToolBar();
    buildMenu();
    qApp->installEventFilter(this);

    panels_[0] = new QLabel(this);
    panels_[0]->setObjectName(QStringLiteral("StatusPanel0"));
    panels_[1] = new QLabel(this);
    panels_[1]->setObjectName(QStringLiteral("StatusPanel1"));
    panels_[0]->setMinimumWidth(260);
    statusBar()->addWidget(panels_[0], 0);
    statusBar()->addWidget(panels_[1], 1);
}

MainWindow::~MainWindow() { qApp->removeEventFilter(this); }

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if ((type == QEvent::ShortcutOverride || type == QEvent::KeyPress) && isAltC(static_cast<QKeyEvent*>(event))) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget->window() == this && !QApplication::activePopupWidget()) {
            event->accept();
            if (type == QEvent::KeyPress) {
                if (QAction* action = findChild<QAction*>(QStringLiteral("btnContribuintes"))) action->trigger();
            }
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction* MainWindow::commandAction(const QString& caption, const QString& hint, Command command) {
    auto* action = new QAction(caption, this);
    if (!hint.isEmpty()) {
        action->setToolTip(hint);
        action->setStatusTip(hint);
    }
    connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    return action;
}

void MainWindow::buildToolBar() {
    toolBar_ = addToolBar(QStringLiteral("ToolBar1"));
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toolBar_->setContextMenuPolicy(Qt::PreventContextMenu);

    struct Button {
        const char* name;
        QString caption;
        QString hint;
        Command command;
    };
    const Button buttons[] = {
        {"btnContribuintes", QStringLiteral("&Contribuintes"), QStringLiteral("Contribuintes"), Command::Contribuintes},
        {"btnVexa", QStringLiteral("&VEXA"), QStringLiteral("VEXA"), Command::Vexa},
        {"btnDare", QStringLiteral("&DARE"), QStringLiteral("DARE"), Command::Dare},
        {"btnDareAvulso", QStringLiteral("D&ARE Avulso"), QStringLiteral("DARE Avulso"), Command::DareAvulso},
        {"btnCopiarVexa", QStringLiteral("C&opiar VEXA"), QStringLiteral("Cópia VEXA para disquete"), Command::CopiarVexa},
        {"btnImprimir", QStringLiteral("&Imprimir"), QStringLiteral("Imprime Gate ou Vexa por periodo ou contribuinte"),
         Command::Imprimir},
    };
    for (const Button& b : buttons) {
        QAction* action = commandAction(b.caption, b.hint, b.command);
        action->setObjectName(QLatin1String(b.name));
        // The standalone slip keeps its button, hidden: no button or menu item opens it.
        if (b.command == Command::DareAvulso) action->setVisible(false);
        ui::showAccessKey(action);
        toolBar_->addAction(action);
    }
    auto* exit = new QAction(QStringLiteral("Sai&r"), this);
    exit->setObjectName(QStringLiteral("btnSair"));
    exit->setToolTip(QStringLiteral("Finaliza o Programa"));
    exit->setStatusTip(QStringLiteral("Finaliza o Programa"));
    connect(exit, &QAction::triggered, this, &MainWindow::exitProgram);
    ui::showAccessKey(exit);
    toolBar_->addAction(exit);
}

void MainWindow::buildMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    auto named = [](QAction* action, const char* name) {
        action->setObjectName(QLatin1String(name));
        return action;
    };

    QMenu* cadastro = bar->addMenu(QStringLiteral("&Cadastro"));
    cadastro->setObjectName(QStringLiteral("mnuCadastro"));
    cadastro->addAction(named(commandAction(QStringLiteral("&Contabilistas"), {}, Command::Contabilistas), "mnuContabilistas"));
    cadastro->addAction(named(commandAction(QStringLiteral("&Contribuintes"),
                                            QStringLiteral("Cadastra novo contribuinte ou altera dados caso já esteja cadastrado"),
                                            Command::Contribuintes),
                              "mnuContribuintes"));
    cadastro->addAction(named(commandAction(QStringLiteral("&VEXA"),
                                            QStringLiteral("Cadastra nova VEXA ou Altera VEXA já cadastrada."), Command::Vexa),
                              "mnuVexa"));
    cadastro->addSeparator();
    cadastro->addAction(named(commandAction(QStringLiteral("&DARE"),
                                            QStringLiteral("Cadastra nova GATE ou Altera GATE já cadastrada."), Command::Dare),
                              "mnuDare"));
    cadastro->addAction(named(commandAction(QStringLiteral("IGP-DI"), {}, Command::IGPDI), "mnuIGPDI"));
    cadastro->addAction(named(commandAction(QStringLiteral("SELIC"), {}, Command::SELIC), "mnuSELIC"));
    cadastro->addSeparator();
    QAction* sair = named(new QAction(QStringLiteral("&Sair"), this), "mnuSair");
    sair->setStatusTip(QStringLiteral("Finaliza o programa"));
    sair->setToolTip(QStringLiteral("Finaliza o programa"));
    connect(sair, &QAction::triggered, this, &MainWindow::exitProgram);
    cadastro->addAction(sair);

    QMenu* tools = bar->addMenu(QStringLiteral("&Ferramentas"));
    tools->setObjectName(QStringLiteral("mnuFerramentas"));
    tools->addAction(named(commandAction(QStringLiteral("&Importar dados do sistema de contablidade p/ VEXA Eletrônica"), {},
                                         Command::ImportarContabilidade),
                           "mnuImportarContabilidade"));
    tools->addAction(named(commandAction(QStringLiteral("Importar Contribuintes, Contabilistas e VEXAS da Versão 9.6"), {},
                                         Command::ImportarVersao96),
                           "mnuImportarVersao96"));
    tools->addSeparator();
    tools->addAction(named(commandAction(QStringLiteral("&Cópia de Segurança"), {}, Command::CopiaSeguranca),
                           "mnuCopiaSeguranca"));
    QAction* reindex = named(new QAction(QStringLiteral("&Reindexar Arquivos"), this), "mnuReindexar");
    connect(reindex, &QAction::triggered, this, &MainWindow::reindexFiles);
    tools->addAction(reindex);

    QMenu* help = bar->addMenu(QStringLiteral("Ajuda "));
    help->setObjectName(QStringLiteral("mnuAjuda"));
    QAction* guidance = named(help->addAction(QStringLiteral("&Orientação para preenchimento")), "mnuOrientacao");
    connect(guidance, &QAction::triggered, this, [this] { openHelp(kGuidancePage, false); });
    QAction* changes = named(help->addAction(QStringLiteral("Exibir informativo de mudanças da versão")), "mnuMudancas");
    connect(changes, &QAction::triggered, this, [this] { openHelp(kChangesPage, false); });
    QAction* layout = named(help->addAction(QStringLiteral("&LEIAUTE 10.0")), "mnuLeiaute");
    connect(layout, &QAction::triggered, this, [this] { openHelp(kLayoutPage, false); });
    help->addSeparator();
    QAction* about = named(help->addAction(QStringLiteral("&Sobre o Sistema")), "mnuSobre");
    connect(about, &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::setOpener(Command command, ScreenOpener opener) { openers_[command] = std::move(opener); }

bool MainWindow::hasOpener(Command command) const {
    const auto it = openers_.find(command);
    return it != openers_.end() && it->second;
}

void MainWindow::runCommand(Command command) {
    const auto it = openers_.find(command);
    if (it != openers_.end() && it->second) it->second(this);
}

void MainWindow::setDialogRunner(DialogRunner runner) { dialogRunner_ = std::move(runner); }
void MainWindow::setReindexer(Reindexer reindexer) { reindexer_ = std::move(reindexer); }

void MainWindow::runDialog(QDialog& dialog) { dialogRunner_(dialog); }

QLabel* MainWindow::statusPanel(int index) const { return index >= 0 && index < 2 ? panels_[index] : nullptr; }

void MainWindow::fillStatusBar() {
    panels_[1]->setText(QStringLiteral("Base de Dados: ") + QDir::toNativeSeparators(folder_.dbDir()));
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    fillStatusBar();
    if (shownOnce_) return;
    shownOnce_ = true;
    if (quitWhenShown_) {
        ending_ = true;
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(0); });
        return;
    }
    // The changes page opens over the window once it is on screen.
    QTimer::singleShot(0, this, &MainWindow::afterShown);
}

void MainWindow::afterShown() {
    if (ending_ || changesPageHidden(folder_)) return;
    openHelp(kChangesPage, true);
}

void MainWindow::openHelp(const QString& page, bool showHideBox) {
    HelpWindow help(folder_, page, showHideBox, this);
    runDialog(help);
}

void MainWindow::showAbout() {
    AboutBox about(this);
    runDialog(about);
}

void MainWindow::exitProgram() { close(); }

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ending_ && !askedOnExit_) {
        askedOnExit_ = true;
        if (prompter_.ask(QStringLiteral(" Deseja realizar cópia de segurança agora?"))) runCommand(Command::CopiaSeguranca);
    }
    ending_ = true;
    event->accept();
}

void MainWindow::reindexFiles() {
    IndexProgressWindow progress(this);
    const bool endProgram = reindexer_ ? reindexer_(&progress, prompter_) : false;
    progress.end();
    if (!endProgram) return;
    // The rebuild closed the database: the program ends without the backup question.
    ending_ = true;
    close();
}

bool MainWindow::event(QEvent* event) {
    // The hint of the command under the mouse goes to the first panel; the
    // database folder stays in the second.
    if (event->type() == QEvent::StatusTip) {
        panels_[0]->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // The main window always fills the screen: restoring it maximises it again.
    if (event->type() == QEvent::WindowStateChange && isVisible() &&
        !(windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))) {
        QTimer::singleShot(0, this, [this] {
            if (!(windowState() & (Qt::WindowMinimized | Qt::WindowFullScreen))) setWindowState(windowState() | Qt::WindowMaximized);
        });
    }
}

} // namespace vexa::app
