// Each declaration is stored whole or not at all: a statement that fails
// half-way, a field the run cannot read, hostile lines and a seeded stream of
// mutated files never leave part of a declaration behind.

#include "ImportFixture.h"

#include "declaration/ChildTables.h"
#include "storage/Engine.h"

#include <QElapsedTimer>
#include <QSqlQuery>
#include <random>

namespace vexa::test {
namespace {

using declfile::ImportEnd;

// Rows of child tables without their declaration row, and declaration rows not marked as imported.
int orphans() {
    int n = scalarSql(QStringLiteral("select count(*) from Vexas where Importado = 0")).toInt();
    for (const QString& table : decl::childTables())
        n += scalarSql(QStringLiteral("select count(*) from ") + table +
                       QStringLiteral(" c where not exists (select 1 from Vexas v where v.IE = c.IE and v.Ano = c.Ano "
                                      "and v.Mes = c.Mes and v.Retificacao = c.Retificacao)"))
                 .toInt();
    return n;
}

void clearDeclarations() {
    for (const QString& table : decl::childTables() + QStringList{QStringLiteral("Vexas")})
        execSql(QStringLiteral("delete from ") + table);
}

// The fuel retailer's declaration: pump, tank, alcohol, TARE, stock and rate lists.
AccountText& addFuelDeclaration(AccountText& text, const decl::DeclarationKey& k) {
    SegmentA a;
    a.activity = QStringLiteral("4731800");
    a.muda = QStringLiteral("S");
    a.cidadeB = QString::number(kCityB);
    a.dtIniB = QStringLiteral("01032024");
    a.dtFimB = QStringLiteral("09032024");
    a.dtIniA = QStringLiteral("10032024");
    a.dtFimA = QStringLiteral("31032024");
    text.begin(lineA(k, a))
        .add(lineB(k, "1", 5656, 100, 0, 0, 0, 100, 17, "A"))
        .add(lineB(k, "1", 5656, 50, 0, 0, 0, 50, 8.5, "B"))
        .add(lineC(k))
        .add(lineG(k, QStringLiteral("BOMBA-1"), 1, 1, 1000, 2000))
        .add(lineG(k, QStringLiteral("BOMBA-1"), 2, 2, 500, 900))
        .add(lineH(k, 1, 1, 10000))
        .add(lineI(k, 55, QDate(2024, 3, 2), QStringLiteral("11222333000181"), QStringLiteral("05"), 2.5, 3000))
        .add(lineJ(k, QStringLiteral("TARE-9"), QDate(2025, 6, 30)))
        .add(lineRate('P', k, "A", "26", 100, 100, 10, 7))
        .add(lineRate('P', k, "B", "26", 50, 50, 5, 7))
        .add(lineRate('S', k, "A", "26", 100, 100, 11, 18, 0, 11))
        .add(lineRate('S', k, "B", "26", 100, 100, 11, 18, 0, 11))
        .end();
    return text;
}

class WholeOrAbsentTest : public ImportTest {
protected:
    void TearDown() override {
        decl::setStatementRunner({});
        storage::setParameterRunCheck({});
        ImportTest::TearDown();
    }
};

TEST_F(WholeOrAbsentTest, StatementFailingHalfWayLeavesNothingOfTheDeclarationAndEndsTheRun) {
    AccountText text;
    addShopDeclaration(text, periodKey(kIE, "02"));
    addShopDeclaration(text, periodKey(kIE, "03"));
    addShopDeclaration(text, periodKey(kIE, "04"));
    int otherCredits = 0;
    decl::setStatementRunner([&](QSqlQuery& q) {
        if (q.lastQuery().contains(QStringLiteral("OutrosCred")) && q.lastQuery().startsWith(QStringLiteral("insert")) &&
            ++otherCredits == 2)
            return false;
        return q.exec();
    });
    const auto r = import(text);
    EXPECT_EQ(r.end, ImportEnd::Failed);
    EXPECT_EQ(r.imported, 1);
    EXPECT_TRUE(r.failure.startsWith(QStringLiteral("Importação interrompida na linha 22 (segmento K): ")))
        << r.failure.toStdString();
    EXPECT_TRUE(r.failure.endsWith(QStringLiteral("A declaração 03/2024 da Inscrição Estadual 29.000.000-9 não foi "
                                                  "gravada.")));
    EXPECT_EQ(allRowsOf(periodKey(kIE, "02")), 12);
    EXPECT_EQ(allRowsOf(periodKey(kIE, "03")), 0);
    EXPECT_EQ(allRowsOf(periodKey(kIE, "04")), 0);
    EXPECT_EQ(orphans(), 0);
}

TEST_F(WholeOrAbsentTest, TaxpayerUpdateGoesBackWithTheFailedDeclaration) {
    AccountText text;
    addShopDeclaration(text, periodKey(kIE));
    // The final update (on a server it goes with the staged rows).
    decl::setStatementRunner([](QSqlQuery& q) { return q.lastQuery().contains(QStringLiteral("c62 = ?")) ? false : q.exec(); });
    storage::setParameterRunCheck([](const QByteArray& statement) { return !statement.contains("c62 = $"); });
    EXPECT_EQ(import(text).end, ImportEnd::Failed);
    EXPECT_EQ(scalarSql(QStringLiteral("select TipoEstabelecimento || UsuarioECF from Contribuintes where IE = ?"), {kIE})
                  .toString(),
              QStringLiteral("U0"));
    EXPECT_EQ(allRowsOf(periodKey(kIE)), 0);
}

TEST_F(WholeOrAbsentTest, FieldsTheRunCannotReadStopItWithTheLineAndTheReason) {
    const decl::DeclarationKey k = periodKey(kIE);
    QByteArray k6 = lineK(k, 5, 100);
    k6.replace(22, 14, "0000000ABC0000");
    AccountText text;
    addShopDeclaration(text, periodKey(kIE, "02"));
    text.begin(lineA(k)).add(lineB(k, "1", 5102, 1, 0, 0, 0, 1, 0)).add(k6).end();
    const auto r = import(text);
    EXPECT_EQ(r.end, ImportEnd::Failed);
    EXPECT_EQ(r.failure, QStringLiteral("Importação interrompida na linha 16 (segmento K): o campo K6 (posições 23 a 36), "
                                        "\"0000000ABC0000\", não é um valor numérico. A declaração 03/2024 da Inscrição "
                                        "Estadual 29.000.000-9 não foi gravada."));
    EXPECT_EQ(r.imported, 1);
    EXPECT_EQ(allRowsOf(k), 0);

    clearDeclarations();
    QByteArray blankDue = lineE(k, "N", QDate(2024, 4, 10), 1);
    blankDue.replace(21, 8, "        ");
    const auto e = import(AccountText().begin(lineA(k)).add(blankDue).end());
    EXPECT_EQ(e.end, ImportEnd::Failed);
    EXPECT_TRUE(e.failure.contains(QStringLiteral("a data de vencimento (E6) não foi informada.")));
    EXPECT_EQ(orphans(), 0);

    // A NUL byte in an amount is quoted as '?'.
    QByteArray a = lineA(k);
    a[35] = '\0';
    const auto n = import(AccountText().begin(a).end());
    EXPECT_EQ(n.end, ImportEnd::Failed);
    EXPECT_TRUE(n.failure.contains(QStringLiteral("\"00000?00150000\""))) << n.failure.toStdString();
}

TEST_F(WholeOrAbsentTest, HostileLinesGiveMessagesNotCrashes) {
    const decl::DeclarationKey k = periodKey(kIE);
    // A record far longer than its segment is read from its own positions.
    QByteArray hugeB = lineB(k, "1", 5102, 1, 0, 0, 0, 1, 0) + QByteArray(3 * 1024 * 1024, '9');
    AccountText text;
    text.begin(lineA(k)).add(hugeB).end();
    EXPECT_TRUE(import(text).allImported());

    // A huge count in Z, NUL bytes in a record, an invalid date, a line of letters.
    clearDeclarations();
    QByteArray nulB = lineB(k, "1", 5102, 1, 0, 0, 0, 1, 0);
    nulB[109] = '\0';
    QByteArray badDate = lineJ(k, "T-1", QDate(2025, 1, 1));
    badDate.replace(40, 8, "99999999");
    AccountText hostile;
    hostile.begin(lineA(k)).add(nulB).add(badDate).add("X line of no segment").end(999);
    const auto r = import(hostile);
    EXPECT_EQ(r.end, ImportEnd::Finished);
    EXPECT_EQ(r.response.value(1),
              QString(QChar(0)) + QStringLiteral(" Não é um valor válido para o campo domicílio fiscal.99999999 Segmento J - Data do "
                             "vencimento do TARE no segmento J inválida.  Segmento Z - Total de Registros da "
                             "declaração informado (Z5), não confere com o existente na declaração. "));
    EXPECT_EQ(orphans(), 0);
}

TEST_F(WholeOrAbsentTest, MessagesOfOneDeclarationStayBoundedWhateverTheFileHolds) {
    const decl::DeclarationKey k = periodKey(kIE);
    AccountText text;
    text.begin(lineA(k));
    for (int i = 0; i < 200000; ++i) text.add("B");
    text.end(0);
    QElapsedTimer timer;
    timer.start();
    const auto r = import(text);
    EXPECT_LT(timer.elapsed(), 20000);
    EXPECT_EQ(r.refused, 1);
    EXPECT_LE(r.response.value(1).size(), 100000 + 40);
    EXPECT_TRUE(r.response.value(1).endsWith(QStringLiteral(" (demais mensagens omitidas)")));
}

// Mutations of a correct file: bytes changed, dropped, repeated, NUL bytes and
// line ends put in, lines doubled and cut. Whatever the run makes of them,
// what it leaves is whole declarations marked as imported, as many as it says.
TEST_F(WholeOrAbsentTest, MutatedFilesLeaveOnlyWholeDeclarations) {
    AccountText text;
    addShopDeclaration(text, periodKey(kIE));
    addFuelDeclaration(text, periodKey(kFuelIE));
    const decl::DeclarationKey s = periodKey(kSimplesIE);
    SegmentA simples;
    simples.items[0] = simples.items[3] = 0;
    text.begin(lineA(s, simples))
        .add(lineRate('Q', s, "A", "26", 100, 100, 7, 7))
        .add(lineE(s, "C", QDate(2024, 4, 15), 7))
        .end();
    const QByteArray original = text.bytes();
    ASSERT_EQ(import(original).imported, 3);

    std::mt19937 random(20240315);
    auto pick = [&](int n) { return int(random() % unsigned(std::max(n, 1))); };
    const char specials[] = {'\0', '\r', '\n', 'A', 'Z', ' ', 'x', '9', char(0xE9), char(0x81)};
    for (int round = 0; round < 250; ++round) {
        clearDeclarations();
        QByteArray bytes = original;
        const int edits = 1 + pick(6);
        for (int e = 0; e < edits && !bytes.isEmpty(); ++e) {
            const int at = pick(int(bytes.size()));
            switch (pick(6)) {
            case 0: bytes[at] = char(random()); break;
            case 1: bytes[at] = specials[pick(int(sizeof specials))]; break;
            case 2: bytes.remove(at, 1 + pick(40)); break;
            case 3: bytes.insert(at, bytes.mid(pick(int(bytes.size())), 1 + pick(200))); break;
            case 4: bytes.insert(at, QByteArray(1 + pick(3000), specials[pick(int(sizeof specials))])); break;
            default: bytes.truncate(at); break;
            }
        }
        const auto r = import(bytes);
        ASSERT_EQ(orphans(), 0) << "round " << round;
        ASSERT_EQ(scalarSql(QStringLiteral("select count(*) from Vexas")).toInt(), r.imported) << "round " << round;
        if (r.end == ImportEnd::Failed) ASSERT_FALSE(r.failure.isEmpty());
        else ASSERT_FALSE(r.response.isEmpty()) << "round " << round;
    }
}

} // namespace
} // namespace vexa::test
