// Totals of a direction by domicile (A, B, A+B), to the cent, from the stored
// rows and from rows in memory; 500 rows stay cheap.
#include "declaration/operations/OperationsFixture.h"

#include "common/Money.h"
#include "declaration/OperationTotals.h"
#include "storage/Database.h"

#include <QElapsedTimer>

namespace vexa::test {
namespace {

using namespace vexa::decl;

class OperationTotalsTest : public OperationsTest {};

TEST_F(OperationTotalsTest, SumsOfADirectionByDomicileOverItsThreeKinds) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("N"), true);
    store(ctx, k411, typed(ctx, k411, 1102, 1000.10, 1000.10, 180.02));
    store(ctx, k412, typed(ctx, k412, 2102, 0.20, 0, 0, 0.20));
    store(ctx, k413, typed(ctx, k413, 3101, 1234567.89, 0, 0, 0, 1234567.89));
    store(ctx, k421, typed(ctx, k421, 5102, 999.99, 999.99, 180));
    // The B twin of 1102 receives amounts of its own.
    OperationRow twin = *findOperationRow(ctx.key, k411, 1102, kDomicileB);
    OperationRow edited = twin;
    edited.valorContabil = edited.baseCalculo = 0.1;
    edited.substituicaoTributaria = 0;
    edited.impostoCreditado = 0.01;
    ASSERT_TRUE(postOperationRow(ctx, k411, edited, twin, prompter_).posted());

    const OperationTotals e = operationTotals(ctx.key, Direction::Entry);
    EXPECT_EQ(money::toCents(e.a[Amount::ValorContabil]), 123556819);   // 1000,10 + 0,20 + 1.234.567,89
    EXPECT_EQ(money::toCents(e.a[Amount::BaseCalculo]), 100010);
    EXPECT_EQ(money::toCents(e.a[Amount::ImpostoCreditado]), 18002);
    EXPECT_EQ(money::toCents(e.a[Amount::IsentasNaoTributadas]), 20);
    EXPECT_EQ(money::toCents(e.a[Amount::Outras]), 123456789);
    EXPECT_EQ(money::toCents(e.b[Amount::ValorContabil]), 10);
    EXPECT_EQ(money::toCents(e.b[Amount::ImpostoCreditado]), 1);
    EXPECT_EQ(money::toCents(e.total[Amount::ValorContabil]), 123556829);
    EXPECT_EQ(money::toCents(e.total[Amount::ImpostoCreditado]), 18003);
    EXPECT_EQ(money::format(e.total[Amount::ValorContabil]), QStringLiteral("1.235.568,29"));

    // Outputs stay apart from entries.
    const OperationTotals o = operationTotals(ctx.key, Direction::Output);
    EXPECT_EQ(money::toCents(o.a[Amount::ValorContabil]), 99999);
    EXPECT_EQ(money::toCents(o.b[Amount::ValorContabil]), 0);
    EXPECT_EQ(money::toCents(o.total[Amount::ImpostoCreditado]), 18000);

    // Rows in memory give the same totals.
    const QList<OperationRow> rows = loadAllOperationRows(ctx.key);
    EXPECT_EQ(operationTotals(rows, Direction::Entry).total, e.total);
    EXPECT_EQ(operationTotals(rows, Direction::Output).a, o.a);

    // A declaration without rows totals 0,00; another declaration's rows do not count.
    const OperationContext other = declaration(QStringLiteral("2024"), QStringLiteral("03"));
    const OperationTotals none = operationTotals(other.key, Direction::Entry);
    EXPECT_EQ(money::format(none.total[Amount::ValorContabil]), QStringLiteral("0,00"));
}

TEST_F(OperationTotalsTest, FiveHundredRowsTotalQuickly) {
    const OperationContext ctx = declaration();
    storage::Transaction fill;
    for (int i = 0; i < 500; ++i) {
        exec(QStringLiteral("INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, "
                            "DomicilioFiscal, EntradaSaida, CidadeID, TipoOperacao, BaseCalculo, IsentasNaoTributadas, "
                            "Outras, SubstituicaoTributaria, ValorContabil, ImpostoCreditado) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, '0', 0.01, 0, 0, 0, 0.01, 0.01)"),
             {ctx.key.ie, ctx.key.ano, ctx.key.mes, ctx.key.retificacao, 1000 + i / 2,
              i % 2 ? kDomicileB : kDomicileA, i < 250 ? QStringLiteral("0") : QStringLiteral("1"), kIbgeA});
    }
    ASSERT_TRUE(fill.commit());
    QElapsedTimer timer;
    timer.start();
    const DeclarationOperationTotals t = operationTotals(ctx.key);
    const qint64 ms = timer.elapsed();
    EXPECT_EQ(money::toCents(t.entries.total[Amount::ValorContabil]), 250);
    EXPECT_EQ(money::toCents(t.outputs.a[Amount::ValorContabil]), 125);
    EXPECT_EQ(money::toCents(t.outputs.b[Amount::BaseCalculo]), 125);
    EXPECT_LT(ms, 50);
}

} // namespace
} // namespace vexa::test
