// Backup and restore of the program's database through the run the screen and
// the batch program share: the same rows come back, the messages come in their
// order, and no damaged, foreign or cancelled archive ever replaces anything.

#include "ArchiveBuilder.h"
#include "BackupFixture.h"

#include "backup/CopiaSeguranca.h"

#include <QDir>
#include <QProcess>
#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::backup;
using namespace vexa::test;

namespace {

TEST_F(BackupTest, BackupThenRestoreGivesTheSameRowsAndTheMessagesInOrder) {
    storeSomeRows();
    const QStringList before = snapshot();
    view.save = archivePath();
    CopiaSeguranca run(side, prompter, view);
    run.listFiles();
    // On a server the rows are saved through an SQLite copy made for the backup.
    const QString saved = onServer() ? QDir(folder.folder().dbDir()).absoluteFilePath(".copia-servidor/vexa.db")
                                     : QDir(folder.folder().dbDir()).absoluteFilePath("vexa.db");
    EXPECT_EQ(run.files(), QStringList{saved});
    ASSERT_EQ(run.iniciarCopia(), BackupOutcome::Done) << run.lastError().toStdString();
    EXPECT_EQ(view.proposed, "VEXA10-15032024-1030.bak");
    EXPECT_EQ(prompter.log(), QStringList{"info: Cópia efetuada com sucesso!"});
    EXPECT_TRUE(view.steps.contains("Verificando arquivo: " + saved + " 1/1"));
    EXPECT_EQ(dbFolderEntries(), dbFolderAtRest()) << "the copy made for the backup is gone";
    EXPECT_TRUE(storage::isOpen()) << "the program goes on with its database after a backup";

    // The database changes after the backup; the restore brings the saved rows back.
    exec("DELETE FROM Contribuintes");
    exec("INSERT INTO Vexas (IE, Ano, Mes, Retificacao) VALUES ('290000099', '2024', '01', '00')");
    ASSERT_NE(snapshot(), before);
    prompter.clear();
    prompter.queueAnswer(true);
    view.open = archivePath();
    ASSERT_EQ(run.restaurarCopia(), BackupOutcome::Done) << run.lastError().toStdString();
    EXPECT_EQ(prompter.log(),
              (QStringList{"ask: Todos os dados do sistema serão substituídos pelo dados contidos no arquivo " +
                               archivePath() + "!\rDeseja continuar?",
                           "info: Programa será encerrado para concluir a atualização dos índices!",
                           "warn: Restauração concluída com sucesso!"}));
    EXPECT_TRUE(view.ended);
    EXPECT_FALSE(storage::isOpen()) << "the program ends after a restore";
    EXPECT_EQ(dbFolderEntries(), dbFolderAtRest()) << "no journal, log or work folder left";
    ASSERT_TRUE(reopen());
    EXPECT_EQ(snapshot(), before);
    EXPECT_GT(indexCount(), 10) << "the indexes were made again";
}

TEST_F(BackupTest, NothingToSaveAndCancelledChoicesWriteNothing) {
    CopiaSeguranca run(side, prompter, view);
    run.listFiles();
    view.save.clear();   // the save dialog cancelled
    EXPECT_EQ(run.iniciarCopia(), BackupOutcome::Stopped);
    EXPECT_TRUE(prompter.log().isEmpty());
    view.open.clear();
    EXPECT_EQ(run.restaurarCopia(), BackupOutcome::Stopped);
    if (onServer()) return;   // a server database has no file to lose

    storage::close();
    ASSERT_TRUE(QFile::remove(folder.folder().dbFile()));
    run.listFiles();
    view.save = archivePath();
    view.proposed.clear();
    EXPECT_EQ(run.iniciarCopia(), BackupOutcome::Stopped);
    EXPECT_EQ(prompter.log(), QStringList{"info: Nenhum arquivo localizado para cópia de segurança!"});
    EXPECT_TRUE(view.proposed.isEmpty()) << "no file dialog";
    EXPECT_FALSE(QFile::exists(archivePath()));
}

TEST_F(BackupTest, CancelledOrMisdirectedBackupLeavesNoArchiveAndTheDatabaseWhole) {
    storeSomeRows();
    const QStringList before = snapshot();
    ArchiveBuilder{"an earlier archive"}.save(archivePath());
    CopiaSeguranca run(side, prompter, view);
    run.listFiles();
    view.save = archivePath();
    view.onPoll = [&] { run.cancel(); };
    EXPECT_EQ(run.iniciarCopia(), BackupOutcome::Failed);
    EXPECT_EQ(prompter.log(), QStringList{"info: Cópia falhou ou foi cancelada!"});
    EXPECT_EQ(fileBytes(archivePath()), "an earlier archive");
    EXPECT_EQ(QDir(QFileInfo(archivePath()).path()).entryList(QDir::Files), QStringList{QFileInfo(archivePath()).fileName()});

    // The archive chosen over the database itself.
    view.onPoll = nullptr;
    view.save = run.files().first();
    EXPECT_EQ(run.iniciarCopia(), BackupOutcome::Failed);
    ASSERT_TRUE(storage::isOpen());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(BackupTest, RefusedAndFailedRestoresReplaceNothing) {
    storeSomeRows();
    view.save = archivePath();
    CopiaSeguranca run(side, prompter, view);
    run.listFiles();
    ASSERT_EQ(run.iniciarCopia(), BackupOutcome::Done);
    const QByteArray good = fileBytes(archivePath());
    const QByteArray smallDb = sqliteFile(true), foreignDb = sqliteFile(false);
    const QStringList db = databaseState();
    ASSERT_FALSE(db.isEmpty());
    QByteArray corrupt = good;
    corrupt[corrupt.size() / 2] = char(corrupt[corrupt.size() / 2] ^ 0x5A);
    auto archiveOf = [](const QList<std::pair<QByteArray, QByteArray>>& files) {
        qint32 total = 0;
        for (const auto& f : files) total += qint32(f.second.size());
        ArchiveBuilder a;
        a.header("VEXA10", total, qint32(files.size()));
        for (const auto& [name, content] : files) a.file(name, content);
        return a.end().bytes;
    };

    const struct {
        const char* what;
        QByteArray archive;
        bool answer;
        BackupOutcome outcome;
    } cases[] = {
        {"another title", ArchiveBuilder().header("VEXA96", 0, 0).end().bytes, true, BackupOutcome::Refused},
        {"not an archive", "SQLite format 3", true, BackupOutcome::Refused},
        {"question answered No", good, false, BackupOutcome::Declined},
        {"cut short", good.left(good.size() - 9), true, BackupOutcome::Failed},
        {"corrupt block", corrupt, true, BackupOutcome::Failed},
        {"no database in it", archiveOf({{"c:\\vexa10\\db\\outro.db", smallDb}}), true, BackupOutcome::Failed},
        {"database that is no database", archiveOf({{"vexa.db", "texto qualquer"}}), true, BackupOutcome::Failed},
        {"database of another program", archiveOf({{"vexa.db", foreignDb}}), true, BackupOutcome::Failed},
        {"a log to apply beside it", archiveOf({{"vexa.db", smallDb}, {"vexa.db-wal", smallDb}}), true, BackupOutcome::Failed},
        {"a sound file beside a damaged one", archiveOf({{"vexa.db", smallDb}, {"extra.db", smallDb.left(600)}}), true, BackupOutcome::Failed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(ArchiveBuilder{c.archive}.save(archivePath()));
        prompter.clear();
        if (c.outcome != BackupOutcome::Refused) prompter.queueAnswer(c.answer);   // refused before the question
        view.open = archivePath();
        view.ended = false;
        EXPECT_EQ(run.restaurarCopia(), c.outcome);
        EXPECT_FALSE(view.ended);
        const QString last = prompter.last();
        if (c.outcome == BackupOutcome::Refused) {
            EXPECT_EQ(last, "warn: O arquivo " + archivePath() + " não é um arquivo de BACKUP da VEXA 10.0 !");
        } else if (c.outcome == BackupOutcome::Failed) {
            EXPECT_EQ(last, "warn: Restauração falhou ou foi cancelada pelo usuário!");
        }
        EXPECT_TRUE(storage::isOpen());
        EXPECT_EQ(databaseState(), db);
        EXPECT_EQ(dbFolderEntries(), dbFolderAtRest());
    }

    // A restore cancelled while the archive is read.
    ASSERT_TRUE(ArchiveBuilder{good}.save(archivePath()));
    prompter.queueAnswer(true);
    view.onPoll = [&] { run.cancel(); };
    EXPECT_EQ(run.restaurarCopia(), BackupOutcome::Failed);
    EXPECT_EQ(databaseState(), db);
}

TEST_F(BackupTest, RestoreReplacesADamagedDatabase) {
    if (onServer()) GTEST_SKIP() << "the damage is to the database file of a single PC";
    storeSomeRows();
    const QStringList before = snapshot();
    view.save = archivePath();
    CopiaSeguranca run(side, prompter, view);
    run.listFiles();
    ASSERT_EQ(run.iniciarCopia(), BackupOutcome::Done);
    storage::close();
    {
        QFile f(folder.folder().dbFile());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("estragado");
    }
    ArchiveBuilder{"um log que sobrou"}.save(folder.folder().dbFile() + "-wal");
    prompter.queueAnswer(true);
    view.open = archivePath();
    ASSERT_EQ(run.restaurarCopia(), BackupOutcome::Done) << run.lastError().toStdString();
    EXPECT_FALSE(QFile::exists(folder.folder().dbFile() + "-wal"));
    ASSERT_TRUE(reopen());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(BackupTest, BatchCommands) {
    storeSomeRows();
    const QStringList before = snapshot();
    storage::close();
    auto cli = [&](const QStringList& args, QString* out = nullptr) {
        QProcess p;
        p.start(VEXA_CLI_PATH, QStringList{"--home", folder.folder().root()} + args);
        EXPECT_TRUE(p.waitForFinished(60000));
        if (out) *out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        return p.exitCode();
    };
    QString out;
    EXPECT_EQ(cli({"backup"}), 2) << "no archive named";
    ASSERT_EQ(cli({"backup", "-o", archivePath()}, &out), 0) << out.toStdString();
    EXPECT_EQ(out, "Cópia efetuada com sucesso!\n");

    ASSERT_TRUE(reopen());
    exec("DELETE FROM Vexas");
    storage::close();
    const QStringList changed = databaseState();
    EXPECT_EQ(cli({"restore", archivePath()}, &out), 1);
    EXPECT_TRUE(out.endsWith("!\nDeseja continuar? Não\n")) << out.toStdString();
    EXPECT_EQ(databaseState(), changed);

    EXPECT_EQ(cli({"restore", archivePath(), "--yes"}, &out), 0) << out.toStdString();
    EXPECT_TRUE(out.endsWith("Deseja continuar? Sim\nPrograma será encerrado para concluir a atualização dos índices!\n"
                             "Restauração concluída com sucesso!\n"))
        << out.toStdString();
    ASSERT_TRUE(reopen());
    EXPECT_EQ(snapshot(), before);
    storage::close();

    ArchiveBuilder().header("OUTRO", 0, 0).end().save(archivePath());
    EXPECT_EQ(cli({"restore", archivePath(), "--yes"}, &out), 1);
    EXPECT_EQ(out, "O arquivo " + archivePath() + " não é um arquivo de BACKUP da VEXA 10.0 !\n");
}

} // namespace
