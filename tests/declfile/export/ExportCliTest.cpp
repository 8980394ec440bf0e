// vexa-cli validate and export run as processes over a program folder: the
// exit codes for clean, alerts, errors and refusals, the report file, --yes,
// --ie, and the written file decoded back to the declarations' text.

#include "ExportFixture.h"

#include "declfile/DeclarationReader.h"
#include "declfile/DeclarationRecords.h"
#include "declfile/QxContainer.h"
#include "storage/Database.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

using namespace vexa;
using namespace vexa::declfile;
using namespace vexa::test;

namespace {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class ExportCliTest : public LayoutTest {
protected:
    QTemporaryDir dir;

    void SetUp() override {
        LayoutTest::SetUp();
        if (!QFile::exists(QStringLiteral(VEXA_CLI_PATH))) GTEST_SKIP() << "vexa-cli not built";
        storeCleanDeclaration(kOtherIE, QStringLiteral("Mercado Boa Vista"));
        storeCleanDeclaration(kTaxpayerIE, QStringLiteral("Armazém Central"));
    }
    CliRun cli(QStringList args) {
        args.prepend(folder().folder().root());
        args.prepend(QStringLiteral("--home"));
        QProcess p;
        p.start(QStringLiteral(VEXA_CLI_PATH), args);
        CliRun r;
        if (!p.waitForFinished(60000)) return r;
        r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        r.out = QString::fromUtf8(p.readAllStandardOutput());
        r.err = QString::fromUtf8(p.readAllStandardError());
        return r;
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    static QByteArray slurp(const QString& p) {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static QByteArray textOf(const QList<decl::DeclarationKey>& keys) {
        QList<DeclarationRecords> all;
        for (const auto& k : keys) {
            DeclarationData data;
            QString error;
            EXPECT_TRUE(readDeclaration(k, data, &error));
            all << buildRecords(data).records;
        }
        return submissionText(all);
    }
};

TEST_F(ExportCliTest, CleanPeriodValidatesAndExports) {
    CliRun r = cli({"validate", "--period", "072025"});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();

    r = cli({"export", "--period", "07/2025", "-o", path("VEXA072025.qx")});
    ASSERT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("Arquivo gravado com sucesso!!!")));
    const ContainerResult decoded = decodeQx(slurp(path("VEXA072025.qx")));
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.bytes, textOf({{kTaxpayerIE, "2025", "07", "00"}, {kOtherIE, "2025", "07", "00"}}));

    r = cli({"export", "--period", "072025", "--ie", "29.000.001-7", "-o", path("one.qx")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(decodeQx(slurp(path("one.qx"))).bytes, textOf({{kOtherIE, "2025", "07", "00"}}));
}

TEST_F(ExportCliTest, ErrorsWriteTheReportAndNoFile) {
    exec("UPDATE Vexas SET C51 = 30 WHERE IE = ?", {kOtherIE});   // 7.3 below R$ 50,00
    CliRun r = cli({"validate", "--period", "072025", "--report", path("criticas.html")});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.contains(QStringLiteral("erro: 29.000.001-7 07/2025 00 [17]"))) << r.out.toStdString();
    EXPECT_TRUE(slurp(path("criticas.html")).startsWith("<!DOCTYPE html>"));

    r = cli({"export", "--period", "072025", "-o", path("VEXA072025.qx"), "--yes"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_FALSE(QFile::exists(path("VEXA072025.qx")));
    EXPECT_TRUE(QFile::exists(folder().path("vexacriticas.err")));
}

TEST_F(ExportCliTest, AlertsOnlyNeedYes) {
    exec("UPDATE Vexas SET C61 = 10 WHERE IE = ?", {kOtherIE});   // item 6.1 without entries: rule 30
    CliRun r = cli({"validate", "--period", "072025"});
    EXPECT_EQ(r.exitCode, 1) << r.out.toStdString();
    EXPECT_TRUE(r.out.contains(QStringLiteral("alerta: 29.000.001-7 07/2025 00 [30]"))) << r.out.toStdString();

    r = cli({"export", "--period", "072025", "-o", path("VEXA072025.qx")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.out.contains(QStringLiteral("Deseja continuar? Não"))) << r.out.toStdString();
    EXPECT_FALSE(QFile::exists(path("VEXA072025.qx")));

    r = cli({"export", "--period", "072025", "-o", path("VEXA072025.qx"), "--yes"});
    EXPECT_EQ(r.exitCode, 0) << r.out.toStdString() << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(path("VEXA072025.qx")));
}

TEST_F(ExportCliTest, RefusalsAndBadArguments) {
    exec("UPDATE Vexas SET C52 = ? WHERE IE = ?", {2e12, kOtherIE});
    CliRun r = cli({"export", "--period", "072025", "-o", path("VEXA072025.qx")});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(QStringLiteral("29.000.001-7"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("C52")));
    EXPECT_FALSE(QFile::exists(path("VEXA072025.qx")));
    EXPECT_EQ(cli({"validate", "--period", "072025"}).exitCode, 2);

    EXPECT_EQ(cli({"validate", "--period", "132025"}).exitCode, 2);
    EXPECT_EQ(cli({"export", "--period", "072025"}).exitCode, 2) << "no -o";
    r = cli({"validate", "--period", "062025"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.err.contains(QStringLiteral("Nenhuma VEXA cadastrada")));
}

} // namespace
