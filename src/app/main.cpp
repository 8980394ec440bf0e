// The desktop program: the engine check, the splash, the data module with its
// start-up upgrade, then the main window and the message loop.
#include "app/ui/ErrorHandling.h"
#include "app/ui/IndexProgressWindow.h"
#include "app/ui/MainWindow.h"
#include "app/ui/Screens.h"
#include "app/ui/Splash.h"
#include "app/ui/VexaApplication.h"
#include "common/ErrorLog.h"
#include "common/ProgramFolder.h"
#include "common/ui/DesktopBehaviour.h"
#include "common/ui/FileDialogs.h"
#include "common/ui/MessageBoxPrompter.h"
#include "storage/DataModule.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlError>
#include <QTimer>

using namespace vexa;

namespace {

// The database engine must be able to start: its driver loads and opens a
// database in memory. Answers 0, or the engine's error code.
int checkDatabaseEngine() {
    const QString name = QStringLiteral("VexaEngineCheck");
    int code = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        if (!db.isValid()) {
            code = int(QSqlError::ConnectionError);
        } else {
            db.setDatabaseName(QStringLiteral(":memory:"));
            if (!db.open()) {
                bool ok = false;
                code = db.lastError().nativeErrorCode().toInt(&ok);
                if (!ok || code == 0) code = int(db.lastError().type());
                if (code == 0) code = int(QSqlError::UnknownError);
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);   // the check only proves the engine can start
    return code;
}

bool takeFlag(QStringList& args, const QString& flag) { return args.removeAll(flag) > 0; }

} // namespace

int main(int argc, char** argv) {
    app::VexaApplication application(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    const ProgramFolder folder = ProgramFolder::resolve(args, QCoreApplication::applicationDirPath());
    // Start-up timing: quit as soon as the main window is shown, without the 2 s splash wait.
    const bool quitWhenShown = takeFlag(args, QStringLiteral("--quit-when-shown")) ||
                               qEnvironmentVariableIntValue("VEXA_QUIT_WHEN_SHOWN") == 1;
    MessageBoxPrompter prompter;

    // 1. The database engine.
    if (const int code = checkDatabaseEngine(); code != 0) {
        prompter.warn(QStringLiteral("Instalação VEXA Eletrônica está incompleta. \rFavor instalar versão completa.\rerro: ") +
                      QString::number(code));
        return 1;
    }

    // 2. The splash screen.
    std::unique_ptr<QSplashScreen> splash = app::showSplash(folder);

    // 3. Application title, dates in the Brazilian way.
    QCoreApplication::setApplicationName(kAppTitle);
    // Dates the Brazilian way, Qt's own dialogs in Portuguese, radio arrows
    // that select; file dialogs start in the program folder.
    ui::installDesktopBehaviour(application);
    ui::setFileDialogHome(folder.root());

    // 4. The data module: the error handler first, then the start-up upgrade.
    app::installErrorHandler(folder, prompter);
    QStringList reported;
    storage::DataModule dataModule(folder, [&reported](const QString& message) {
        reported << message;
        reportUnhandledError(message);
    });
    storage::StartUpResult startUp;
    {
        app::IndexProgressWindow progress;
        app::runGuarded([&] {
            startUp = dataModule.startUp(&progress, prompter);
            return true;
        });
    }
    // An error the data module answered without passing it on (the database
    // missing or not a database) is logged and shown here, once.
    if (!startUp.error.isEmpty() && !reported.contains(startUp.error)) reportUnhandledError(startUp.error);
    if (startUp.endProgram) return 0;   // the index rebuild asked the user to start again

    // 5. The main window.
    app::MainWindow window(folder, prompter);
    app::registerScreens(window);
    window.setQuitWhenShown(quitWhenShown);

    // 6. The splash stays two seconds.
    if (splash && !quitWhenShown) {
        QEventLoop wait;
        QTimer::singleShot(2000, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
    }
    if (splash) {
        splash->hide();
        splash.reset();
    }

    // 7. The message loop until the main window closes. The window fills the
    // screen even where no window manager maximises it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) window.setGeometry(screen->availableGeometry());
    window.showMaximized();
    return application.exec();
}
