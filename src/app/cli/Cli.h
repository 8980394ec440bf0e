#pragma once
// The batch program's commands. Each group of commands lives in its own file
// and runs the same core code as the desktop. Exit status: 0 done, 1 refused
// by a check or by the user's rules (message printed), 2 the run failed.

#include "common/ProgramFolder.h"
#include "common/Prompter.h"

#include <QElapsedTimer>
#include <QString>
#include <QStringList>
#include <QTextStream>

namespace vexa::cli {

enum Exit { Done = 0, Refused = 1, Failed = 2 };

struct Context {
    ProgramFolder home;
    QString executableDir;
    QTextStream& out;
    QTextStream& err;
    Prompter& prompter;   // answers "Não" to every question, or "Sim" with --yes
    bool yes = false;
};

// Opens the database of ctx.home, printing the reason and answering false on failure.
bool openDatabase(Context& ctx);

// The command line has been checked against the command table before a
// runner sees it (src/app/cli/CliUsage.cpp): only the command's own options,
// none missing its value, none given twice unless repeatable, the arguments
// counted; --home, --yes and --help taken out.
// Reads "--name value" or "--name=value" from args (removing it); empty when absent.
QString takeOption(QStringList& args, const QString& name);
QStringList takeOptions(QStringList& args, const QString& name);
bool takeFlag(QStringList& args, const QString& name);

int runInit(Context& ctx, QStringList args);        // init [--force] [--postgres "CONNECTION"]
int runMoveToPostgres(Context& ctx, QStringList args);   // move-to-postgres "CONNECTION"
int runReindex(Context& ctx, QStringList args);     // reindex
int runTaxpayer(Context& ctx, QStringList args);    // taxpayer add|list|show|delete
int runAccountant(Context& ctx, QStringList args);  // accountant add|list|delete
int runDeclaration(Context& ctx, QStringList args); // declaration list|show
int runRectify(Context& ctx, QStringList args);
int runImport(Context& ctx, QStringList args);
int runValidate(Context& ctx, QStringList args);
int runExport(Context& ctx, QStringList args);
int runQx(Context& ctx, QStringList args);          // qx decode|encode
int runDare(Context& ctx, QStringList args);
int runDareStandalone(Context& ctx, QStringList args);   // dare standalone issue|list|show|print
int runPrint(Context& ctx, QStringList args);
int runIndices(Context& ctx, QStringList args);
int runBackup(Context& ctx, QStringList args);
int runRestore(Context& ctx, QStringList args);
int runImportPrevious(Context& ctx, QStringList args);

// Progress of a command that takes a while, on standard error, one line
// rewritten in place. Shown only when standard error is a terminal, so that
// scripts and logs never see it. A command that prints while the line shows
// calls finish() first (the line goes away) and step() again after: the line
// comes back at once.
class Progress {
public:
    explicit Progress(QTextStream& err);
    ~Progress();
    bool shown() const { return enabled_; }
    void step(const QString& text);          // "text" alone
    void step(qint64 done, qint64 total, const QString& what = {});   // "what 37% (done/total)"
    void finish();                           // clears the line

private:
    QTextStream& err_;
    bool enabled_ = false;
    bool dirty_ = false;
    QElapsedTimer shownAt_;
};


} // namespace vexa::cli
