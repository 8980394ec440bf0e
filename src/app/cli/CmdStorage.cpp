// init: lay out a program folder (its own SQLite database, or with --postgres
// the tables on a PostgreSQL server); move-to-postgres: a folder's data onto a
// server; reindex: the index rebuild of the "&Reindexar Arquivos" command.
#include "app/cli/Cli.h"

#include "common/ErrorLog.h"
#include "storage/DataModule.h"
#include "storage/Database.h"
#include "storage/DatabaseCopy.h"
#include "storage/ProgramFolderInit.h"

#include <algorithm>

namespace vexa::cli {

namespace {
bool refuseExtraArguments(Context& ctx, const QStringList& args, const QString& command) {
    if (args.isEmpty()) return false;
    ctx.err << "vexa-cli " << command << ": argumento desconhecido \"" << args.first() << "\"" << Qt::endl;
    return true;
}

int report(Context& ctx, storage::InitOutcome outcome, const QString& message) {
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

// "--postgres CONNECTION": present (even with an empty value) or not.
bool takeConnection(QStringList& args, QString* connection) {
    const bool given = args.contains(QStringLiteral("--postgres")) ||
                       std::any_of(args.cbegin(), args.cend(),
                                   [](const QString& a) { return a.startsWith(QLatin1String("--postgres=")); });
    *connection = takeOption(args, QStringLiteral("--postgres"));
    if (given && connection->isEmpty()) args.removeAll(QStringLiteral("--postgres"));
    return given;
}

} // namespace

int runInit(Context& ctx, QStringList args) {
    const bool force = takeFlag(args, QStringLiteral("--force"));
    QString connection;
    const bool onServer = takeConnection(args, &connection);
    if (refuseExtraArguments(ctx, args, QStringLiteral("init"))) return Failed;
    QString message;
    const QString delivered = ProgramFolder::deliveredDir(ctx.executableDir);
    if (onServer) {
        if (connection.trimmed().isEmpty()) {
            ctx.err << "vexa-cli init --postgres: informe a conexão, como em \"host=servidor dbname=vexa user=vexa\""
                    << Qt::endl;
            return Failed;
        }
        return report(ctx, storage::layOutServerFolder(ctx.home, delivered, connection, force, &message), message);
    }
    return report(ctx, storage::layOutProgramFolder(ctx.home, delivered, force, &message), message);
}

int runMoveToPostgres(Context& ctx, QStringList args) {
    if (args.isEmpty() || args.first().startsWith(QLatin1String("--"))) {
        ctx.err << "uso: vexa-cli --home DIR move-to-postgres \"host=servidor port=5432 dbname=vexa user=vexa\""
                << Qt::endl;
        return Failed;
    }
    const QString connection = args.takeFirst();
    if (refuseExtraArguments(ctx, args, QStringLiteral("move-to-postgres"))) return Failed;
    Progress progress(ctx.err);
    QString message;
    const storage::InitOutcome outcome = storage::moveFolderToServer(
        ctx.home, connection, [&](qint64 done, qint64 total) { progress.step(done, total, QStringLiteral("linhas")); },
        &message);
    progress.finish();
    if (outcome == storage::InitOutcome::Failed) appendErrorLog(ctx.home, message, QString());
    return report(ctx, outcome, message);
}

int runReindex(Context& ctx, QStringList args) {
    if (refuseExtraArguments(ctx, args, QStringLiteral("reindex"))) return Failed;
    QString error;
    if (!storage::isOnServer(ctx.home) && !storage::checkDatabaseFile(ctx.home.dbFile(), &error)) {
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
