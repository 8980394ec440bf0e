// The same results whichever engine holds the data: the order of names, the
// submission files of the main job, a folder moved onto the server, and the
// whole database copied into an SQLite file and back.

#include "OfficeFixture.h"

#include "registry/RegistrySearch.h"
#include "storage/Database.h"
#include "storage/DatabaseCopy.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace vexa;
using namespace vexa::test;

namespace {

QByteArray bytesOf(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

const QStringList kPeriods = {QStringLiteral("012024"), QStringLiteral("022024"), QStringLiteral("032024")};

ProcessResult script(const QStringList& args) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("bash"), QStringList{QDir(qEnvironmentVariable("VEXA_SOURCE_DIR"))
                                                    .filePath(QStringLiteral("examples/run-main-job.sh")),
                                                QStringLiteral("--bin"), qEnvironmentVariable("VEXA_BIN_DIR")} +
                                        args);
    p.waitForFinished(600000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAll())};
}

using EnginesAgree = OfficeTest;

TEST_F(EnginesAgree, NamesComeInOneOrderWithAccentedNamesBesideThePlainOnes) {
    const QStringList names = {QStringLiteral("Zélia Modas"), QStringLiteral("Eva"),      QStringLiteral("Ébano"),
                               QStringLiteral("Casa"),        QStringLiteral("Çaí"),     QStringLiteral("DA SILVA"),
                               QStringLiteral("D'ÁVILA"),     QStringLiteral("Ávila"),   QStringLiteral("Avenida"),
                               QStringLiteral("Álvaro Lima"), QStringLiteral("alvaro lima"), QStringLiteral("ALVARO LIMA")};
    int n = 0;
    for (const QString& name : names) addTaxpayer(QStringLiteral("29%1").arg(++n, 7, 10, QLatin1Char('0')), name);
    QStringList listed;
    for (const registry::NameRow& r : registry::rowsByName(registry::Registry::Taxpayers)) listed << r.name;
    EXPECT_EQ(listed, (QStringList{"ALVARO LIMA", "alvaro lima", "Álvaro Lima", "Avenida", "Ávila", "Çaí", "Casa",
                                   "D'ÁVILA", "DA SILVA", "Ébano", "Eva", "Zélia Modas"}));
}

// The batch program's main job on SQLite, the same on an empty server
// database, and the SQLite folder moved onto a third: the same bytes in every
// submission file, and DB/vexa.db left as it was by the move.
TEST(EnginesAgreeOnTheMainJob, TheSubmissionFilesAreTheSameBytesOnBothEnginesAndAfterTheMove) {
    SKIP_UNLESS_ON_SERVER();
    QTemporaryDir dir;
    const QString sqliteHome = dir.filePath(QStringLiteral("sqlite"));
    const QString serverHome = dir.filePath(QStringLiteral("servidor"));
    ProcessResult r = script({QStringLiteral("--home"), sqliteHome});
    ASSERT_EQ(r.code, 0) << r.output.toStdString();
    ServerDatabase server(ServerDatabase::Content::Empty);
    r = script({QStringLiteral("--home"), serverHome, QStringLiteral("--postgres"), server.connection()});
    ASSERT_EQ(r.code, 0) << r.output.toStdString();
    for (const QString& p : kPeriods) {
        SCOPED_TRACE(p.toStdString());
        const QByteArray onSqlite = bytesOf(sqliteHome + QStringLiteral("/saida/VEXA") + p + QStringLiteral(".qx"));
        ASSERT_FALSE(onSqlite.isEmpty());
        EXPECT_EQ(bytesOf(serverHome + QStringLiteral("/saida/VEXA") + p + QStringLiteral(".qx")), onSqlite);
        EXPECT_EQ(bytesOf(serverHome + QStringLiteral("/saida/VEXA") + p + QStringLiteral(".txt")),
                  bytesOf(sqliteHome + QStringLiteral("/saida/VEXA") + p + QStringLiteral(".txt")));
    }

    const ProgramFolder moved(sqliteHome);
    const QByteArray before = bytesOf(moved.dbFile());
    ServerDatabase target(ServerDatabase::Content::Empty);
    QString message;
    ASSERT_EQ(storage::moveFolderToServer(moved, target.connection(), {}, &message), storage::InitOutcome::Done)
        << message.toStdString();
    EXPECT_EQ(bytesOf(moved.dbFile()), before);
    EXPECT_EQ(databaseOf(moved), target.name());
    for (const QString& p : kPeriods) {
        SCOPED_TRACE(p.toStdString());
        const QString file = dir.filePath(QStringLiteral("VEXA") + p + QStringLiteral(".qx"));
        r = runStation(QStringLiteral("vexa-cli"), {"--home", sqliteHome, "export", "--period", p, "-o", file});
        ASSERT_EQ(r.code, 0) << r.output.toStdString();
        EXPECT_EQ(bytesOf(file), bytesOf(sqliteHome + QStringLiteral("/saida/VEXA") + p + QStringLiteral(".qx")));
    }
    // Moved once: the folder is on the server now.
    EXPECT_EQ(storage::moveFolderToServer(moved, target.connection(), {}, &message), storage::InitOutcome::Refused);

    // The batch command, once the batch program offers it, refuses a server database that holds the tables.
    r = runStation(QStringLiteral("vexa-cli"), {"--home", serverHome, "move-to-postgres", target.connection()});
    if (!r.output.contains(QStringLiteral("uso: vexa-cli [--home DIR] COMANDO"))) {
        EXPECT_EQ(r.code, 1) << r.output.toStdString();
    }
}

// Both engines: every row into a fresh SQLite file, and such a file loaded
// back in place of the rows, in one unit; a file that is no database leaves them.
TEST_F(EnginesAgree, TheWholeDatabaseGoesIntoAnSqliteFileAndComesBack) {
    addTaxpayer(kOfficeIE, QStringLiteral("JOÃO D'ÁVILA \"ME\""));
    addDeclaration(kOfficeIE, 1234.56);
    exec(QStringLiteral("INSERT INTO ECF (IE, Ano, Mes, Retificacao, NECF) VALUES (?, '2024', '03', '00', 'A'), "
                        "(?, '2024', '03', '00', 'B')"),
         {kOfficeIE, kOfficeIE});
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("copia.db"));
    QString error;
    ASSERT_TRUE(storage::writeSqliteCopy(copy, {}, &error)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(copy + QStringLiteral(".part")));

    exec(QStringLiteral("DELETE FROM Vexas"));
    exec(QStringLiteral("UPDATE Contribuintes SET RazaoSocial = 'OUTRO'"));
    qint64 last = 0;
    ASSERT_TRUE(storage::replaceFromSqlite(copy, [&](qint64 done, qint64) { last = done; }, &error)) << error.toStdString();
    EXPECT_GT(last, 0);
    EXPECT_EQ(value(QStringLiteral("SELECT RazaoSocial FROM Contribuintes WHERE IE = ?"), {kOfficeIE}).toString(),
              QStringLiteral("JOÃO D'ÁVILA \"ME\""));
    EXPECT_DOUBLE_EQ(value(QStringLiteral("SELECT C51 FROM Vexas")).toDouble(), 1234.56);
    // The row numbers came along, and a new row takes the next one.
    exec(QStringLiteral("INSERT INTO ECF (IE, Ano, Mes, Retificacao, NECF) VALUES (?, '2024', '03', '00', 'C')"), {kOfficeIE});
    EXPECT_EQ(value(QStringLiteral("SELECT count(DISTINCT Seq) FROM ECF")).toInt(), 3);

    const QString notADatabase = dir.filePath(QStringLiteral("texto.db"));
    QFile f(notADatabase);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("isto não é um banco de dados");
    f.close();
    EXPECT_FALSE(storage::replaceFromSqlite(notADatabase, {}, &error));
    EXPECT_TRUE(error.contains(notADatabase)) << error.toStdString();
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM Vexas")).toInt(), 1);
}

} // namespace
