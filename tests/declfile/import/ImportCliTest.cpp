// vexa-cli import run as a process on a program folder: the response printed
// line by line and the exit status of each way a run can end.

#include "ImportFixture.h"

#include "storage/Database.h"

#include <QFile>
#include <QProcess>

namespace vexa::test {
namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class ImportCliTest : public ImportTest {
protected:
    void SetUp() override {
        if (!QFile::exists(QStringLiteral(VEXA_CLI_PATH))) GTEST_SKIP() << "vexa-cli not built";
        ImportTest::SetUp();
        storage::close();   // the batch program opens the database itself
    }
    CliRun run(const AccountText& text) {
        const QString file = folder_->path(QStringLiteral("contabil.txt"));
        EXPECT_TRUE(text.save(file));
        return runFile(file);
    }
    CliRun runFile(const QString& file) {
        QProcess p;
        p.start(QStringLiteral(VEXA_CLI_PATH), {QStringLiteral("--home"), folder_->folder().root(), QStringLiteral("import"), file});
        CliRun r;
        if (!p.waitForFinished(120000)) return r;
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
};

TEST_F(ImportCliTest, PrintsTheResponseAndTellsHowTheRunEnded) {
    AccountText text;
    addShopDeclaration(text, periodKey(kIE));
    CliRun r = run(text);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("\nInscrição Estadual: 29.000.000-9\nRazão Social: MERCADO VERDAL LTDA\n"
                                    "Período de Referência: 03/2024 Importada com sucesso.\n"));

    r = run(text);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.endsWith(QStringLiteral("Já cadastrada para esse Período de Referência.\n")));

    AccountText refused;
    addShopDeclaration(refused, periodKey(kIE, "04"), 5);
    r = run(refused);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.contains(QStringLiteral("Período de Referência: 04/2024\n Segmento Z - Total")));

    AccountText notAFile;
    notAFile.add("B");
    r = run(notAFile);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, QStringLiteral("Formato do Arquivo inválido!!!\n"));

    r = runFile(folder_->path(QStringLiteral("nao-existe.txt")));
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("nao-existe.txt"))) << r.err.toStdString();
}

TEST_F(ImportCliTest, FailedRunIsPrintedAndLogged) {
    const decl::DeclarationKey k = periodKey(kIE);
    QByteArray b = lineB(k, "1", 5102, 1, 0, 0, 0, 1, 0);
    b[20] = 'x';   // B5 must be a digit
    CliRun r = run(AccountText().begin(lineA(k)).add(b).end());
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("Importação interrompida na linha 2 (segmento B): o campo B5")))
        << r.err.toStdString();
    QFile log(folder_->path(QStringLiteral("Log.txt")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("segmento B"));

    AccountText old;
    old.begin(lineA(periodKey(kIE, "12", "2008"))).end();
    r = run(old);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, declfile::kOldPeriodWarning + QLatin1Char('\n'));
}

} // namespace
} // namespace vexa::test
