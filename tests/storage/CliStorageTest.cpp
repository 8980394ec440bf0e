// vexa-cli init and reindex, run as the batch program.
#include "storage/StorageTestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::test;

namespace {

struct Result {
    int code = -1;
    QString out;
    QString err;
};

class BatchProgram : public ::testing::Test {
protected:
    void SetUp() override {
        program_ = QDir(qEnvironmentVariable("VEXA_BIN_DIR")).filePath(QStringLiteral("vexa-cli"));
        if (!QFile::exists(program_)) GTEST_SKIP() << "vexa-cli not built";
        delivered_ = writeDeliveredFolder(dir_.path(), smallReferenceFiles());
        home_ = dir_.filePath(QStringLiteral("home"));
    }

    Result run(const QStringList& args) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("VEXA_DATA_DIR"), delivered_);
        p.setProcessEnvironment(env);
        p.start(program_, QStringList{QStringLiteral("--home"), home_} + args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
    }

    QTemporaryDir dir_;
    QString program_, delivered_, home_;
};

} // namespace

TEST_F(BatchProgram, InitTwiceIsRefusedUnlessForced) {
    Result r = run({QStringLiteral("init")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(home_ + QStringLiteral("/DB/vexa.db")));
    EXPECT_TRUE(QFile::exists(home_ + QStringLiteral("/VexaIdx90.ini")));

    r = run({QStringLiteral("init")});
    EXPECT_EQ(r.code, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("--force"))) << r.err.toStdString();

    r = run({QStringLiteral("init"), QStringLiteral("--force")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    r = run({QStringLiteral("init"), QStringLiteral("--forca")});
    EXPECT_EQ(r.code, 2);
}

TEST_F(BatchProgram, ReindexRebuildsAndEndsWithItsMessage) {
    ASSERT_EQ(run({QStringLiteral("init")}).code, 0);
    const ProgramFolder folder(home_);
    execute(folder, QStringLiteral("DROP INDEX idxRazaoSocial"));
    const Result r = run({QStringLiteral("reindex")});
    EXPECT_EQ(r.code, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Programa será encerrado para concluir a atualização dos índices!")));
    EXPECT_TRUE(indexNames(folder).contains(QStringLiteral("idxrazaosocial")));
}

TEST_F(BatchProgram, ACommandOnAMissingDatabaseFailsWithAMessageAndALogLine) {
    QDir().mkpath(home_ + QStringLiteral("/DB"));
    const Result r = run({QStringLiteral("reindex")});
    EXPECT_EQ(r.code, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Banco de dados não encontrado"))) << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(home_ + QStringLiteral("/DB/vexa.db")));
    EXPECT_TRUE(readFile(home_ + QStringLiteral("/Log.txt")).contains("Banco de dados n"));
}
