#include "app/cli/Cli.h"
#include "app/cli/CliUsage.h"
#include "common/ErrorLog.h"
#include "storage/DataModule.h"
#include "storage/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
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
    // A line already showing is rewritten at most ten times a second, so that
    // a long run spends its time on its work and not on the terminal.
    if (dirty_ && shownAt_.isValid() && shownAt_.elapsed() < 100) return;
    // One terminal line: a longer text would wrap and "\r" would not take it back.
    err_ << "\r\x1b[K" << (text.size() > 79 ? text.left(78) + QChar(0x2026) : text);
    err_.flush();
    dirty_ = true;
    shownAt_.start();
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

} // namespace vexa::cli

namespace {

using cli::CommandLine;
using cli::CommandSpec;

// A batch run without a desktop session has no runtime folder; Qt's note about
// it says nothing the user can act on, so it is kept off the error output.
QtMessageHandler g_defaultHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"))) return;
    if (g_defaultHandler) g_defaultHandler(type, context, message);
}

// Commands that draw pages (slips, the declaration print) need the fonts and the
// painter of a GUI application; without a display they draw on Qt's "offscreen"
// platform. The others stay on a plain core application.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv, const CommandSpec& command) {
    const QString first = command.words().first();
    if (first != QLatin1String("print") && first != QLatin1String("dare"))
        return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    g_defaultHandler = qInstallMessageHandler(quietHandler);
    return std::make_unique<QGuiApplication>(argc, argv);
}

// The program folder a command works on: --home, else VEXA_HOME, else the
// executable's folder. Answers the reason it cannot be used, or nothing. A
// folder that does not exist is laid out only by init (*create set), and only
// where its nearest existing parent takes new folders.
std::optional<QString> folderProblem(const QString& dir, const QString& source, bool mayCreate, bool* create) {
    const QString hint = source.isEmpty() ? QStringLiteral(" (a pasta do executável; informe outra com --home PASTA)")
                                          : QStringLiteral(" (%1)").arg(source);
    const QFileInfo info(dir);
    if (!info.exists()) {
        if (mayCreate) {
            QString parent = info.absolutePath();
            for (QString up = QFileInfo(parent).absolutePath(); !QFileInfo::exists(parent) && up != parent;
                 up = QFileInfo(parent).absolutePath())
                parent = up;
            if (QFileInfo(parent).isDir() && ::access(QFile::encodeName(parent).constData(), W_OK | X_OK) == 0) {
                *create = true;
                return std::nullopt;
            }
            return QStringLiteral("A pasta do programa \"%1\" não existe e não pode ser criada em \"%2\"%3.")
                .arg(dir, parent, hint);
        }
        return QStringLiteral("A pasta do programa \"%1\" não existe%2.").arg(dir, hint);
    }
    if (!info.isDir()) return QStringLiteral("\"%1\" não é uma pasta%2.").arg(dir, hint);
    if (::access(QFile::encodeName(dir).constData(), W_OK | X_OK) != 0)
        return QStringLiteral("A pasta do programa \"%1\" não permite gravação%2.").arg(dir, hint);
    return std::nullopt;
}

// The highest folder of path that does not exist yet: what laying it out creates.
QString firstMissingFolder(const QString& path) {
    QString missing = QFileInfo(path).absoluteFilePath();
    for (QString up = QFileInfo(missing).absolutePath(); up != missing && !QFileInfo::exists(up);
         up = QFileInfo(up).absolutePath())
        missing = up;
    return missing;
}

using Runner = int (*)(cli::Context&, QStringList);

// The runner of each command, by the words that name it; a runner reads the
// words below its own (the sub-command first), then the options.
const std::map<QString, Runner>& runners() {
    static const std::map<QString, Runner> table = {
        {QStringLiteral("init"), cli::runInit},
        {QStringLiteral("reindex"), cli::runReindex},
        {QStringLiteral("move-to-postgres"), cli::runMoveToPostgres},
        {QStringLiteral("taxpayer"), cli::runTaxpayer},
        {QStringLiteral("accountant"), cli::runAccountant},
        {QStringLiteral("declaration"), cli::runDeclaration},
        {QStringLiteral("rectify"), cli::runRectify},
        {QStringLiteral("import"), cli::runImport},
        {QStringLiteral("validate"), cli::runValidate},
        {QStringLiteral("export"), cli::runExport},
        {QStringLiteral("qx"), cli::runQx},
        {QStringLiteral("dare"), cli::runDare},
        {QStringLiteral("dare standalone"), cli::runDareStandalone},
        {QStringLiteral("print"), cli::runPrint},
        {QStringLiteral("indices"), cli::runIndices},
        {QStringLiteral("backup"), cli::runBackup},
        {QStringLiteral("restore"), cli::runRestore},
        {QStringLiteral("import-previous"), cli::runImportPrevious},
    };
    return table;
}

} // namespace

int main(int argc, char** argv) {
    // The line is read before any application object exists: a GUI
    // application would take words such as "-display" out of it.
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    const CommandLine line = cli::parseCommandLine(args);
    {
        QTextStream out(stdout);
        QTextStream err(stderr);
        switch (line.kind) {
        case CommandLine::Help: out << cli::helpText(line.command); return cli::Done;
        case CommandLine::Version: out << cli::versionText(); return cli::Done;
        case CommandLine::Refused:
            err << "vexa-cli: " << line.error << '\n' << cli::usageText(line.command);
            return cli::Failed;
        case CommandLine::Run: break;
        }
    }
    const CommandSpec& command = *line.command;

    const std::unique_ptr<QCoreApplication> application = makeApplication(argc, argv, command);
    QCoreApplication::setApplicationName(kAppTitle);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    QTextStream out(stdout);
    QTextStream err(stderr);

    const QString exeDir = QCoreApplication::applicationDirPath();
    QString dir = exeDir;
    QString source;
    if (line.home) {
        if (line.home->isEmpty()) {
            err << "vexa-cli: a opção --home está vazia: informe a pasta do programa." << Qt::endl;
            return cli::Failed;
        }
        dir = *line.home;
        source = QStringLiteral("--home");
    } else if (const QString env = qEnvironmentVariable("VEXA_HOME"); !env.isEmpty()) {
        dir = env;
        source = QStringLiteral("VEXA_HOME");
    }
    bool create = false;
    if (line.home || command.usesFolder) {
        if (const auto problem = folderProblem(dir, source, command.createsFolder, &create)) {
            err << "vexa-cli: " << *problem << Qt::endl;
            return cli::Failed;
        }
    }
    const QString created = create ? firstMissingFolder(dir) : QString();

    ScriptedPrompter prompter(line.yes);
    cli::Context ctx{ProgramFolder(dir), exeDir, out, err, prompter, line.yes};

    // The runner of the deepest words that have one.
    QStringList words = command.words();
    QStringList rest;
    const auto& table = runners();
    auto runner = table.end();
    while (!words.isEmpty() && (runner = table.find(words.join(QLatin1Char(' ')))) == table.end())
        rest.prepend(words.takeLast());
    if (runner == table.end()) {
        err << "vexa-cli: o comando \"" << command.path << "\" não tem execução." << Qt::endl;
        return cli::Failed;
    }
    const int rc = runner->second(ctx, rest + line.arguments);
    out.flush();
    err.flush();
    storage::close();
    // An init that did not lay the folder out takes away the folders it made.
    if (!created.isEmpty() && rc != cli::Done) QDir(created).removeRecursively();
    return rc;
}
