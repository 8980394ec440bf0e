// The rectifying declaration: every sheet copied under the next number with
// the source untouched, the next one taken from the latest, the carried items,
// a failure half-way leaving nothing, and the batch command feeding the export.

#include "../export/ExportFixture.h"

#include "declaration/ChildTables.h"
#include "declfile/DeclarationReader.h"
#include "declfile/DeclarationRecords.h"
#include "declfile/QxContainer.h"
#include "declfile/Rectification.h"
#include "storage/Database.h"
#include "storage/Schema.h"

#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>

using namespace vexa;
using namespace vexa::declfile;
using namespace vexa::test;
using decl::DeclarationKey;

namespace {

// Every row of the table under the key, all columns but `Retificacao` and
// the row number, as sorted text.
QStringList rowsOf(const QString& table, const DeclarationKey& key) {
    const auto* t = storage::schema::findTable(table);
    QStringList columns;
    for (const auto& c : t->columns)
        if (c.name.compare(QStringLiteral("Retificacao"), Qt::CaseInsensitive) != 0) columns << c.name;
    QSqlQuery q(storage::db());
    q.prepare(QStringLiteral("SELECT %1 FROM %2 WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?")
                  .arg(columns.join(u','), t->name));
    for (const QVariant& v : QVariantList{key.ie, key.ano, key.mes, key.retificacao}) q.addBindValue(v);
    EXPECT_TRUE(q.exec());
    QStringList rows;
    while (q.next()) {
        QStringList values;
        for (int i = 0; i < columns.size(); ++i) values << q.value(i).toString();
        rows << values.join(u'|');
    }
    rows.sort();
    return rows;
}

// The whole declaration: its row (typed columns) and the rows of every sheet.
QMap<QString, QStringList> declarationOf(const DeclarationKey& key) {
    QMap<QString, QStringList> all;
    for (const QString& t : rectificationTables()) all[t] = rowsOf(t, key);
    all[QStringLiteral("Vexas")] = rowsOf(QStringLiteral("Vexas"), key);
    return all;
}

int rowsUnder(const QString& ret) {
    int n = 0;
    for (const QString& t : rectificationTables() + QStringList{QStringLiteral("Vexas")})
        n += scalar(QStringLiteral("SELECT count(*) FROM %1 WHERE Retificacao = ?").arg(t), {ret}).toInt();
    return n;
}

double stored(const char* column, const DeclarationKey& key) {
    return scalar(QStringLiteral("SELECT %1 FROM Vexas WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?")
                      .arg(QString::fromLatin1(column)),
                  {key.ie, key.ano, key.mes, key.retificacao})
        .toDouble();
}

class RectificationTest : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        storeFullDeclaration();
        // Five entry and output lines in all.
        for (const int cfop : {1403, 2102})
            exec(QStringLiteral("INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, "
                                "DomicilioFiscal, EntradaSaida, TipoOperacao, ValorContabil, BaseCalculo, "
                                "ImpostoCreditado) VALUES (?, '2024', '03', '00', ?, 'A', '0', '0', ?, ?, ?)"),
                 {kTaxpayerIE, cfop, cfop * 1.5, cfop * 1.25, cfop * 0.17});
        exec(QStringLiteral("UPDATE Vexas SET C51 = 340, C61 = 170, C77 = 12.34, C74 = 99, CPF = '52998224725' "
                            "WHERE IE = ?"),
             {kTaxpayerIE});
    }
    void TearDown() override {
        decl::setStatementRunner({});
        LayoutTest::TearDown();
    }
};

TEST_F(RectificationTest, CopiesEverySheetUnderTheNextNumberAndLeavesTheSourceAlone) {
    const DeclarationKey s = marchKey(), n = marchKey(kTaxpayerIE, QStringLiteral("01"));
    // A row left under "01" by a declaration deleted before goes.
    exec(QStringLiteral("INSERT INTO OutrosCred (IE, Ano, Mes, Retificacao, CodLei, Valor) "
                        "VALUES (?, '2024', '03', '01', 77, 1)"),
         {kTaxpayerIE});
    const auto before = declarationOf(s);
    ASSERT_EQ(before.value(QStringLiteral("MovimentacaoPorOperacoes42")).size(), 5);
    for (const QString& t : rectificationTables()) ASSERT_FALSE(before.value(t).isEmpty()) << t.toStdString();

    const RectifyResult r = rectifyDeclaration(kTaxpayerIE, QStringLiteral("2024"), QStringLiteral("03"));
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.source, s);
    EXPECT_EQ(r.created, n);

    EXPECT_EQ(declarationOf(s), before);
    auto copy = declarationOf(n);
    // The declaration row: what the screen computes (7.4 here) starts again from 0.
    EXPECT_EQ(stored("C74", n), 0.0);
    EXPECT_EQ(stored("C51", n), 340.0);
    EXPECT_EQ(stored("C77", n), 12.34);   // nothing carried from February
    copy.remove(QStringLiteral("Vexas"));
    auto sheets = before;
    sheets.remove(QStringLiteral("Vexas"));
    EXPECT_EQ(copy, sheets);
    // Slips and cash registers belong to the declaration filed.
    EXPECT_EQ(scalar(QStringLiteral("SELECT count(*) FROM dare WHERE Retificacao = '01'")).toInt(), 0);
}

TEST_F(RectificationTest, TheNextNumberComesFromTheLatest) {
    ASSERT_TRUE(rectifyDeclaration(kTaxpayerIE, QStringLiteral("2024"), QStringLiteral("03")).ok);
    const DeclarationKey first = marchKey(kTaxpayerIE, QStringLiteral("01"));
    exec(QStringLiteral("UPDATE Vexas SET C51 = 500 WHERE Retificacao = '01'"));
    exec(QStringLiteral("DELETE FROM OutrosCred WHERE Retificacao = '01'"));

    const RectifyResult r = rectifyDeclaration(kTaxpayerIE, QStringLiteral("2024"), QStringLiteral("03"));
    ASSERT_TRUE(r.ok) << r.error.toStdString();
    EXPECT_EQ(r.source, first);
    EXPECT_EQ(r.created.retificacao, QStringLiteral("02"));
    EXPECT_EQ(stored("C51", r.created), 500.0);
    EXPECT_EQ(declarationOf(r.created).value(QStringLiteral("OutrosCred")), QStringList());
    EXPECT_EQ(declarationOf(marchKey()).value(QStringLiteral("OutrosCred")).size(), 1);

    EXPECT_EQ(nextRetificacao(QStringLiteral("09")), QStringLiteral("10"));
    EXPECT_EQ(nextRetificacao(QStringLiteral("99")), QString());
    EXPECT_EQ(nextRetificacao(QStringLiteral("x1")), QString());
    const RectifyResult none = rectifyDeclaration(kTaxpayerIE, QStringLiteral("2024"), QStringLiteral("04"));
    EXPECT_TRUE(none.noDeclaration);
    EXPECT_FALSE(none.ok);
}

TEST_F(RectificationTest, CarriedItemsWinWhenAboveZero) {
    struct Case {
        const char* name;
        const char* february;   // the previous month's amounts
        const char* column;
        double own;             // S's value
        double expected;
    } cases[] = {
        {"7.7 carried 30,00 wins", "C76 = 30, C77 = 0", "C77", 12.34, 30.0},
        {"7.7 carried 0 keeps S's", "C76 = 40, C77 = 15", "C77", 12.34, 12.34},
        {"6.4 credit balance wins", "C51 = 100, C61 = 130", "C64", 7.0, 30.0},
        {"6.4 no balance keeps S's", "C51 = 130, C61 = 100", "C64", 7.0, 7.0},
        {"7.10 carried wins from 03/2012", "C79 = 20, C710 = 5", "C710", 3.0, 25.0},
        {"7.14 carried wins", "C713 = 10, C714 = 0.5", "C714", 1.0, 10.5},
    };
    int ret = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        exec(QStringLiteral("DELETE FROM Vexas WHERE Mes = '02'"));
        insertDeclaration({kTaxpayerIE, "2024", "02", "00"});
        exec(QStringLiteral("UPDATE Vexas SET C51 = 0, C52 = 0, C53 = 0, C61 = 0, C62 = 0, C63 = 0, C64 = 0, "
                            "C76 = 0, C77 = 0, C79 = 0, C710 = 0, C713 = 0, C714 = 0 WHERE Mes = '02'"));
        exec(QStringLiteral("UPDATE Vexas SET %1 WHERE Mes = '02'").arg(QString::fromLatin1(c.february)));
        const QString latest = QStringLiteral("%1").arg(ret, 2, 10, QLatin1Char('0'));
        exec(QStringLiteral("UPDATE Vexas SET %1 = ? WHERE Mes = '03' AND Retificacao = ?").arg(QString::fromLatin1(c.column)),
             {c.own, latest});
        const RectifyResult r = rectifyDeclaration(kTaxpayerIE, QStringLiteral("2024"), QStringLiteral("03"));
        ASSERT_TRUE(r.ok) << r.error.toStdString();
        ++ret;
        EXPECT_DOUBLE_EQ(stored(c.column, r.created), c.expected);
    }
}

TEST_F(RectificationTest, AFailureHalfWayLeavesNothingOfTheNewNumber) {
    const auto before = declarationOf(marchKey());
    // The engine refuses the copy of the pump meters, the sixth table of eighteen.
    decl::setStatementRunner([](QSqlQuery& q) {
        if (q.lastQuery().startsWith(QStringLiteral("INSERT INTO Encerrantes"))) return false;
        return q.exec();
    });
    const RectifyResult r = rectifyDeclaration(kTaxpayerIE, QStringLiteral("2024"), QStringLiteral("03"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.noDeclaration);
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(rowsUnder(QStringLiteral("01")), 0);
    EXPECT_EQ(declarationOf(marchKey()), before);

    // The same run on a sound engine then succeeds.
    decl::setStatementRunner({});
    EXPECT_TRUE(rectifyDeclaration(kTaxpayerIE, QStringLiteral("2024"), QStringLiteral("03")).ok);
}

// ---- the batch command -------------------------------------------------------------------

struct CliRun {
    int exitCode = -1;
    QString out, err;
};

CliRun cli(const QString& home, QStringList args) {
    args = QStringList{QStringLiteral("--home"), home} + args;
    QProcess p;
    p.start(QStringLiteral(VEXA_CLI_PATH), args);
    CliRun r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

TEST(RectifyCliTest, PrintsTheNewNumberAndTheExportTakesIt) {
    TempProgramFolder folder;
    storeCleanDeclaration(kTaxpayerIE, QStringLiteral("Armazém Central"));
    const QString home = folder.folder().root();
    storage::close();   // the batch program works on the folder on its own

    CliRun r = cli(home, {"rectify", "--ie", "29.000.000-9", "--period", "072025"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out.trimmed(), QStringLiteral("01"));
    EXPECT_TRUE(r.err.contains(kRectifyDone));

    QTemporaryDir dir;
    r = cli(home, {"export", "--period", "072025", "-o", dir.filePath("VEXA072025.qx")});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString() << r.out.toStdString();
    QFile file(dir.filePath("VEXA072025.qx"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const ContainerResult decoded = decodeQx(file.readAll());
    ASSERT_TRUE(decoded.ok());

    QString error;
    ASSERT_TRUE(storage::open(folder.folder(), &error)) << error.toStdString();
    DeclarationData data;
    ASSERT_TRUE(readDeclaration({kTaxpayerIE, "2025", "07", "01"}, data, &error)) << error.toStdString();
    EXPECT_EQ(decoded.bytes, submissionText({buildRecords(data).records}));

    for (const QStringList& refused : {QStringList{"rectify", "--ie", "123", "--period", "072025"},
                                       QStringList{"rectify", "--ie", kTaxpayerIE, "--period", "132025"},
                                       QStringList{"rectify", "--ie", kTaxpayerIE, "--period", "082025"}}) {
        storage::close();
        r = cli(home, refused);
        EXPECT_EQ(r.exitCode, 1) << refused.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

} // namespace
