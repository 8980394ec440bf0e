#include "app/cli/Cli.h"
#include "common/ErrorLog.h"
#include "storage/DataModule.h"
#include "storage/Database.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLocale>
#include <map>
#include <algorithm>
#include <functional>
#include <cstdio>
#include <unistd.h>
#include <memory>

using namespace vexa;

namespace vexa::cli {

QString takeOption(QStringList& args, const QString& name) {
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == name && i + 1 < args.size()) {
            const QString v = args[i + 1];
            args.remove(i, 2);
            return v;
        }
        if (args[i].startsWith(name + QLatin1Char('='))) {
            const QString v = args[i].mid(name.size() + 1);
            args.removeAt(i);
            return v;
        }
    }
    return {};
}

QStringList takeOptions(QStringList& args, const QString& name) {
    QStringList all;
    for (;;) {
        const int before = int(args.size());
        const QString v = takeOption(args, name);
        if (int(args.size()) == before) break;
        all << v;
    }
    return all;
}

bool takeFlag(QStringList& args, const QString& name) { return args.removeAll(name) > 0; }

namespace {
// The batch program's data module: created by the first command that needs the
// database, destroyed (lock files removed) when the application object goes.
std::unique_ptr<storage::DataModule> g_dataModule;
void dropDataModule() { g_dataModule.reset(); }
} // namespace

// Opens the database through the data module's start-up, so that a database of
// an earlier layout is brought up to date here too. An index rebuild that the
// start-up needs just runs; the command then goes on. An error of a start-up
// step is printed and logged to Log.txt, as the desktop does.
bool openDatabase(Context& ctx) {
    if (g_dataModule && storage::isOpen()) return true;
    if (!g_dataModule) qAddPostRoutine(dropDataModule);
    QTextStream& err = ctx.err;
    const ProgramFolder home = ctx.home;
    g_dataModule = std::make_unique<storage::DataModule>(home, [&err, home](const QString& message) {
        err << message << Qt::endl;
        appendErrorLog(home, message, QString());
    });
    ScriptedPrompter quiet;   // the rebuild's closing message is for the desktop
    const storage::StartUpResult started = g_dataModule->startUp(nullptr, quiet);
    return started.opened && storage::isOpen();
}

Progress::Progress(QTextStream& err) : err_(err), enabled_(::isatty(::fileno(stderr)) == 1) {}
Progress::~Progress() { finish(); }

void Progress::step(const QString& text) {
    if (!enabled_) return;
    err_ << "\r\x1b[K" << text;
    err_.flush();
    dirty_ = true;
}

void Progress::step(qint64 done, qint64 total, const QString& what) {
    if (!enabled_) return;
    const qint64 percent = total > 0 ? std::clamp<qint64>(done * 100 / total, 0, 100) : 0;
    QString line = what.isEmpty() ? QString() : what + QLatin1Char(' ');
    line += QStringLiteral("%1% (%2/%3)").arg(percent).arg(done).arg(total);
    step(line);
}

void Progress::finish() {
    if (!enabled_ || !dirty_) return;
    err_ << "\r\x1b[K";
    err_.flush();
    dirty_ = false;
}

int notYetAvailable(Context& ctx, const QString& command) {
    ctx.err << "vexa-cli: o comando \"" << command << "\" ainda não está disponível." << Qt::endl;
    return Failed;
}

} // namespace vexa::cli

namespace {
void usage(QTextStream& err) {
    err << "uso: vexa-cli [--home DIR] COMANDO ...\n"
           "comandos: init, reindex, taxpayer, accountant, declaration, rectify, import, validate,\n"
           "          export, qx, dare, print, indices, backup, restore, import-previous"
        << Qt::endl;
}
} // namespace

namespace {
// Commands that draw pages (slips, the declaration print) need the fonts and the
// painter of a GUI application; without a display they draw on Qt's "offscreen"
// platform. The others stay on a plain core application.
bool drawsPages(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--home") { ++i; continue; }
        if (a.startsWith("-")) continue;
        return a == "print" || a == "dare";
    }
    return false;
}

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
    if (!drawsPages(argc, argv)) return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}
} // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv);
    QCoreApplication& app = *application;
    QCoreApplication::setApplicationName(kAppTitle);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments().mid(1);
    const QString exeDir = QCoreApplication::applicationDirPath();
    const ProgramFolder home = ProgramFolder::resolve(args, exeDir);
    const bool yes = cli::takeFlag(args, QStringLiteral("--yes"));
    ScriptedPrompter prompter(yes);

    if (args.isEmpty()) {
        usage(err);
        return cli::Failed;
    }
    const QString command = args.takeFirst();
    cli::Context ctx{home, exeDir, out, err, prompter, yes};

    using Runner = std::function<int(cli::Context&, QStringList)>;
    const std::map<QString, Runner> commands = {
        {QStringLiteral("init"), cli::runInit},
        {QStringLiteral("reindex"), cli::runReindex},
        {QStringLiteral("taxpayer"), cli::runTaxpayer},
        {QStringLiteral("accountant"), cli::runAccountant},
        {QStringLiteral("declaration"), cli::runDeclaration},
        {QStringLiteral("rectify"), cli::runRectify},
        {QStringLiteral("import"), cli::runImport},
        {QStringLiteral("validate"), cli::runValidate},
        {QStringLiteral("export"), cli::runExport},
        {QStringLiteral("qx"), cli::runQx},
        {QStringLiteral("dare"), cli::runDare},
        {QStringLiteral("print"), cli::runPrint},
        {QStringLiteral("indices"), cli::runIndices},
        {QStringLiteral("backup"), cli::runBackup},
        {QStringLiteral("restore"), cli::runRestore},
        {QStringLiteral("import-previous"), cli::runImportPrevious},
    };
    const auto it = commands.find(command);
    if (it == commands.end()) {
        usage(err);
        return cli::Failed;
    }
    const int rc = it->second(ctx, args);
    out.flush();
    err.flush();
    storage::close();
    return rc;
}
