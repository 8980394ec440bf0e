// init: lay out a program folder; reindex: the index rebuild of the
// "&Reindexar Arquivos" command.
#include "app/cli/Cli.h"

#include "common/ErrorLog.h"
#include "storage/DataModule.h"
#include "storage/Database.h"
#include "storage/ProgramFolderInit.h"

namespace vexa::cli {

namespace {
bool refuseExtraArguments(Context& ctx, const QStringList& args, const QString& command) {
    if (args.isEmpty()) return false;
    ctx.err << "vexa-cli " << command << ": argumento desconhecido \"" << args.first() << "\"" << Qt::endl;
    return true;
}
} // namespace

int runInit(Context& ctx, QStringList args) {
    const bool force = takeFlag(args, QStringLiteral("--force"));
    if (refuseExtraArguments(ctx, args, QStringLiteral("init"))) return Failed;
    QString message;
    const storage::InitOutcome outcome =
        storage::layOutProgramFolder(ctx.home, ProgramFolder::deliveredDir(ctx.executableDir), force, &message);
    switch (outcome) {
    case storage::InitOutcome::Done:
        ctx.out << message << Qt::endl;
        return Done;
    case storage::InitOutcome::Refused:
        ctx.err << message << Qt::endl;
        return Refused;
    case storage::InitOutcome::Failed:
        break;
    }
    ctx.err << message << Qt::endl;
    return Failed;
}

int runReindex(Context& ctx, QStringList args) {
    if (refuseExtraArguments(ctx, args, QStringLiteral("reindex"))) return Failed;
    QString error;
    if (!storage::checkDatabaseFile(ctx.home.dbFile(), &error)) {
        ctx.err << error << Qt::endl;
        appendErrorLog(ctx.home, error, QString());
        return Failed;
    }
    ScriptedPrompter shown;
    storage::DataModule::rebuildIndexes(ctx.home, storage::DataModule::indexListFile(ctx.home), nullptr, shown,
                                        &error);
    if (!error.isEmpty()) {
        ctx.err << error << Qt::endl;
        appendErrorLog(ctx.home, error, QString());
        return Failed;
    }
    // The prompter keeps each message as "kind: text"; print the text.
    for (const QString& line : shown.log()) ctx.out << line.mid(line.indexOf(QLatin1String(": ")) + 2) << Qt::endl;
    return Done;
}

} // namespace vexa::cli
