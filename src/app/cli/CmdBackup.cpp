// backup -o FILE.bak: the database into a backup archive, as "Iniciar Cópia".
// restore FILE.bak [--yes]: the archive in place of the database, as
// "Restaurar Cópia", then the index rebuild. Without --yes the question is
// answered "Não" and nothing changes.
#include "app/cli/Cli.h"

#include "backup/CopiaSeguranca.h"
#include "backup/DatabaseSide.h"

#include <QFileInfo>

namespace vexa::cli {

namespace {

// Messages printed as they come, questions with the batch program's answer.
class PrintingPrompter : public Prompter {
public:
    explicit PrintingPrompter(Context& ctx) : ctx_(ctx) {}
    void warn(const QString& m) override { ctx_.out << plain(m) << Qt::endl; }
    void info(const QString& m) override { ctx_.out << plain(m) << Qt::endl; }
    void error(const QString& m) override { ctx_.err << plain(m) << Qt::endl; }
    bool ask(const QString& q) override {
        const bool yes = ctx_.prompter.ask(q);
        ctx_.out << plain(q) << ' ' << (yes ? "Sim" : "Não") << Qt::endl;
        return yes;
    }

private:
    static QString plain(QString m) { return m.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n'); }
    Context& ctx_;
};

// The file is given on the command line; progress goes to the terminal's line.
class BatchView : public backup::BackupView {
public:
    BatchView(Context& ctx, QString archive) : progress_(ctx.err), archive_(std::move(archive)) {}
    QString chooseArchiveToSave(const QString&) override { return archive_; }
    QString chooseArchiveToOpen() override { return archive_; }
    void showStep(const QString& text, int value, int maximum) override {
        progress_.step(QStringLiteral("%1 %2%").arg(text).arg(maximum > 0 ? qint64(value) * 100 / maximum : 0));
    }
    void clearStep() override { progress_.finish(); }

private:
    Progress progress_;
    QString archive_;
};

int finish(Context& ctx, backup::BackupOutcome outcome, const backup::CopiaSeguranca& run) {
    switch (outcome) {
    case backup::BackupOutcome::Done:
        return Done;
    case backup::BackupOutcome::Stopped:
    case backup::BackupOutcome::Refused:
    case backup::BackupOutcome::Declined:
        return Refused;
    case backup::BackupOutcome::Failed:
        break;
    }
    if (!run.lastError().isEmpty()) ctx.err << run.lastError() << Qt::endl;
    return Failed;
}

void usage(Context& ctx, const QString& line) { ctx.err << "uso: vexa-cli " << line << Qt::endl; }

} // namespace

int runBackup(Context& ctx, QStringList args) {
    const QString archive = takeOption(args, QStringLiteral("-o"));
    if (archive.isEmpty() || !args.isEmpty()) {
        usage(ctx, QStringLiteral("backup -o ARQUIVO.bak"));
        return Failed;
    }
    PrintingPrompter prompter(ctx);
    BatchView view(ctx, QFileInfo(archive).absoluteFilePath());
    const auto side = backup::makeDatabaseSide(ctx.home);
    backup::CopiaSeguranca run(*side, prompter, view);
    run.listFiles();
    return finish(ctx, run.iniciarCopia(), run);
}

int runRestore(Context& ctx, QStringList args) {
    if (args.size() != 1 || args.first().startsWith(u'-')) {
        usage(ctx, QStringLiteral("restore ARQUIVO.bak [--yes]"));
        return Failed;
    }
    PrintingPrompter prompter(ctx);
    BatchView view(ctx, QFileInfo(args.first()).absoluteFilePath());
    const auto side = backup::makeDatabaseSide(ctx.home);
    backup::CopiaSeguranca run(*side, prompter, view);
    return finish(ctx, run.restaurarCopia(), run);
}

} // namespace vexa::cli
