// vexa-cli declaration list and show, run as a process: one line per
// declaration, the latest rectification by default, the stored fields with
// the computed items and the item 3.9 text in JSON, refusals with exit 1.

#include "RecordFixture.h"

#include "storage/Database.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

using namespace vexa;
using namespace vexa::decl;
using vexa::test::RecordTest;
using vexa::test::kIE;
using vexa::test::kOtherIE;

namespace {

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

class DeclarationCliTest : public RecordTest {
protected:
    CliRun cli(QStringList args) {
        storage::close();
        QProcess p;
        args.prepend(folder().root());
        args.prepend("--home");
        p.start(QDir(qEnvironmentVariable("VEXA_BIN_DIR")).filePath("vexa-cli"), args);
        EXPECT_TRUE(p.waitForFinished(60000));
        CliRun r{p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                 QString::fromUtf8(p.readAllStandardError())};
        QString error;
        EXPECT_TRUE(storage::open(folder(), &error)) << error.toStdString();
        return r;
    }
};

TEST_F(DeclarationCliTest, ListPrintsOneLinePerDeclaration) {
    const QString name = addTaxpayer().RazaoSocial;
    store(kIE, "2024", "02", "00");
    store(kIE, "2024", "02", "01");
    store(kOtherIE, "2024", "03", "00");
    CliRun all = cli({"declaration", "list"});
    ASSERT_EQ(all.code, 0) << all.err.toStdString();
    EXPECT_EQ(all.out, QStringLiteral("290000009\t02/2024\t00\t%1\n290000009\t02/2024\t01\t%1\n290000017\t03/2024\t00\t\n")
                           .arg(name));
    CliRun march = cli({"declaration", "list", "--period", "032024"});
    EXPECT_EQ(march.out, "290000017\t03/2024\t00\t\n");
    CliRun bad = cli({"declaration", "list", "--period", "132024"});
    EXPECT_EQ(bad.code, 1);
    EXPECT_TRUE(bad.out.isEmpty());
}

TEST_F(DeclarationCliTest, ShowJsonHoldsStoredFieldsComputedItemsAndTheRectificationText) {
    addTaxpayer();
    store(kIE, "2024", "11", "00", [](VexaRow& r) { r.C51 = 5; });
    store(kIE, "2024", "11", "01", [](VexaRow& r) {
        r.C51 = 1000;
        r.C52 = 0.1;
        r.C61 = 400.2;
        r.C72 = 100;
        r.C76 = 30;
        r.C77 = 10;
        r.C83 = 100;
        r.C84 = 80;
        r.C85 = 30;
        r.NomeResponsavel = "JOÃO D'ÁVILA";
        r.DtIniA = QDate(2024, 11, 5);
    });
    CliRun run = cli({"declaration", "show", "--ie", "29.000.000-9", "--period", "112024", "--json"});
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    QJsonParseError parseError;
    const QJsonObject doc = QJsonDocument::fromJson(run.out.toUtf8(), &parseError).object();
    ASSERT_EQ(parseError.error, QJsonParseError::NoError) << run.out.toStdString();
    const QJsonObject stored = doc["stored"].toObject();
    const QJsonObject computed = doc["computed"].toObject();
    EXPECT_EQ(stored["Retificacao"].toString(), "01") << "the latest rectification by default";
    EXPECT_EQ(stored["NomeResponsavel"].toString(), "JOÃO D'ÁVILA");
    EXPECT_EQ(stored["DtIniA"].toString(), "05/11/2024");
    EXPECT_TRUE(stored["DtFimA"].isNull());
    EXPECT_TRUE(stored["Importado"].toBool());
    EXPECT_EQ(stored.size(), 40);
    EXPECT_DOUBLE_EQ(computed["C54"].toDouble(), 1000.1);
    EXPECT_DOUBLE_EQ(computed["C65"].toDouble(), 400.2);
    EXPECT_DOUBLE_EQ(computed["C71"].toDouble(), 599.9);
    EXPECT_DOUBLE_EQ(computed["C73"].toDouble(), 499.9);
    EXPECT_DOUBLE_EQ(computed["C74"].toDouble(), 0);
    EXPECT_DOUBLE_EQ(computed["C78"].toDouble(), 40);
    EXPECT_DOUBLE_EQ(computed["C86"].toDouble(), 0);
    EXPECT_DOUBLE_EQ(computed["C87"].toDouble(), 10);
    EXPECT_EQ(computed.size(), 13);
    EXPECT_EQ(doc["VexaRetificadora"].toString(), "3.9 VEXA RETIFICADORA 01");

    CliRun first = cli({"declaration", "show", "--ie", kIE, "--period", "112024", "--ret", "0"});
    ASSERT_EQ(first.code, 0) << first.err.toStdString();
    EXPECT_TRUE(first.out.contains("C51: 5,00\n"));
    EXPECT_TRUE(first.out.contains("C54 (5.4): 5,00\n"));
    EXPECT_TRUE(first.out.endsWith("3.9 VEXA NÃO RETIFICADORA\n"));
}

TEST_F(DeclarationCliTest, ShowRefusesWhatItCannotFind) {
    CliRun none = cli({"declaration", "show", "--ie", kIE, "--period", "112024"});
    EXPECT_EQ(none.code, 1);
    EXPECT_TRUE(none.err.contains("VEXA não localizada")) << none.err.toStdString();
    EXPECT_EQ(cli({"declaration", "show", "--ie", kIE, "--period", "2024"}).code, 1);
    EXPECT_EQ(cli({"declaration", "show", "--period", "112024"}).code, 2);
    EXPECT_EQ(cli({"declaration", "frobnicate"}).code, 2);
}

} // namespace
