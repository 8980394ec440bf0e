// Duplicates within a grid, the domicile-B twins (created, renamed and
// deleted with their A rows) and the writes of a post as one unit.
#include "support/EngineSql.h"
#include "declaration/operations/OperationsFixture.h"

#include "storage/Database.h"

namespace vexa::test {
namespace {

using namespace vexa::decl;

class OperationTwinTest : public OperationsTest {};

TEST_F(OperationTwinTest, DuplicateCodeIsRefusedForANewRowAndForAChangedCode) {
    const OperationContext ctx = declaration();
    store(ctx, k411, typed(ctx, k411, 1102, 100, 100));
    store(ctx, k411, typed(ctx, k411, 1101, 50, 50));

    PostOutcome out = postOperationRow(ctx, k411, typed(ctx, k411, 1102, 70, 70), std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Discarded);
    EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("warn: Já existe um registro cadastrado para o CFOP 1102")});
    EXPECT_DOUBLE_EQ(findOperationRow(ctx.key, k411, 1102, kDomicileA)->valorContabil, 100);

    // 1101 changed to 1102: discarded, both rows as they were.
    const OperationRow original = *findOperationRow(ctx.key, k411, 1101, kDomicileA);
    OperationRow edited = original;
    edited.codigoOperacao = 1102;
    out = postOperationRow(ctx, k411, edited, original, prompter_);
    EXPECT_EQ(out.status, PostStatus::Discarded);
    EXPECT_EQ(rowsOf(ctx, 1101, kDomicileA), 1);

    // Editing the amounts of a row keeps its code: no duplicate.
    edited = original;
    edited.valorContabil = edited.baseCalculo = 80;
    out = postOperationRow(ctx, k411, edited, original, prompter_);
    EXPECT_EQ(out.status, PostStatus::Posted);
    EXPECT_DOUBLE_EQ(findOperationRow(ctx.key, k411, 1101, kDomicileA)->valorContabil, 80);
}

TEST_F(OperationTwinTest, AfterAChangeOfDomicileANewRowGetsItsBTwinWithZeroAmounts) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("N"), true);
    ASSERT_TRUE(ctx.mudaDomicilio);
    ASSERT_EQ(ctx.cidadeA, kIbgeA);
    ASSERT_EQ(ctx.cidadeB, kIbgeB);

    const PostOutcome out =
        postOperationRow(ctx, k421, typed(ctx, k421, 5102, 1000, 1000, 180), std::nullopt, prompter_);
    ASSERT_EQ(out.status, PostStatus::Posted);
    EXPECT_TRUE(out.twinCreated);
    const auto a = findOperationRow(ctx.key, k421, 5102, kDomicileA);
    const auto b = findOperationRow(ctx.key, k421, 5102, kDomicileB);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->cidadeID, kIbgeA);
    EXPECT_EQ(b->cidadeID, kIbgeB);
    EXPECT_FALSE(b->municipioNom.isEmpty());
    for (int i = 0; i < kAmountCount; ++i) EXPECT_EQ(b->amount(Amount(i)), 0.0);
    EXPECT_EQ(b->entradaSaida, QStringLiteral("1"));
    EXPECT_EQ(b->tipoOperacao, QStringLiteral("0"));

    // Typing a code in a B row fills in the previous municipality.
    OperationRow bRow = *b;
    bRow.codigoOperacao = 5101;
    applyCfopChange(ctx, bRow);
    EXPECT_EQ(bRow.cidadeID, kIbgeB);

    // Without the change of domicile no twin appears.
    const OperationContext plain = declaration(QStringLiteral("2024"), QStringLiteral("03"));
    EXPECT_FALSE(postOperationRow(plain, k421, typed(plain, k421, 5102, 10, 10), std::nullopt, prompter_).twinCreated);
    EXPECT_EQ(rowsOf(plain, 5102, kDomicileB), 0);
}

TEST_F(OperationTwinTest, ChangingTheCodeOfEitherTwinRenamesTheOther) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("N"), true);
    store(ctx, k411, typed(ctx, k411, 1102, 100, 100));
    ASSERT_EQ(rowsOf(ctx, 1102, kDomicileB), 1);

    // The A row becomes 1101: its B twin follows.
    OperationRow original = *findOperationRow(ctx.key, k411, 1102, kDomicileA);
    OperationRow edited = original;
    edited.codigoOperacao = 1101;
    applyCfopChange(ctx, edited);
    PostOutcome out = postOperationRow(ctx, k411, edited, original, prompter_);
    ASSERT_EQ(out.status, PostStatus::Posted);
    EXPECT_TRUE(out.twinRenamed);
    EXPECT_EQ(rowsOf(ctx, 1102, kDomicileA) + rowsOf(ctx, 1102, kDomicileB), 0);
    EXPECT_EQ(rowsOf(ctx, 1101, kDomicileA), 1);
    EXPECT_EQ(rowsOf(ctx, 1101, kDomicileB), 1);

    // The B row becomes 1949 (book value 0 adds up): its A twin follows, amounts kept.
    original = *findOperationRow(ctx.key, k411, 1101, kDomicileB);
    edited = original;
    edited.codigoOperacao = 1949;
    applyCfopChange(ctx, edited);
    out = postOperationRow(ctx, k411, edited, original, prompter_);
    ASSERT_EQ(out.status, PostStatus::Posted) << out.message.toStdString();
    EXPECT_TRUE(out.twinRenamed);
    EXPECT_EQ(rowsOf(ctx, 1101, kDomicileA) + rowsOf(ctx, 1101, kDomicileB), 0);
    EXPECT_DOUBLE_EQ(findOperationRow(ctx.key, k411, 1949, kDomicileA)->valorContabil, 100);
    EXPECT_TRUE(findOperationRow(ctx.key, k411, 1949, kDomicileB).has_value());
    EXPECT_TRUE(prompter_.log().isEmpty());
}

TEST_F(OperationTwinTest, DeletingEitherTwinDeletesBoth) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("N"), true);
    store(ctx, k411, typed(ctx, k411, 1102, 100, 100));
    store(ctx, k411, typed(ctx, k411, 1101, 100, 100));
    QString error;
    ASSERT_TRUE(deleteOperationRowWithTwin(ctx, k411, *findOperationRow(ctx.key, k411, 1102, kDomicileA), &error));
    EXPECT_EQ(rowsOf(ctx, 1102, kDomicileA) + rowsOf(ctx, 1102, kDomicileB), 0);
    ASSERT_TRUE(deleteOperationRowWithTwin(ctx, k411, *findOperationRow(ctx.key, k411, 1101, kDomicileB), &error));
    EXPECT_EQ(rowsOf(ctx, 1101, kDomicileA) + rowsOf(ctx, 1101, kDomicileB), 0);

    // Without the change of domicile only the row itself goes.
    OperationContext plain = ctx;
    store(ctx, k411, typed(ctx, k411, 1102, 100, 100));
    plain.mudaDomicilio = false;
    ASSERT_TRUE(deleteOperationRowWithTwin(plain, k411, *findOperationRow(ctx.key, k411, 1102, kDomicileA), &error));
    EXPECT_EQ(rowsOf(ctx, 1102, kDomicileB), 1);
}

TEST_F(OperationTwinTest, ChangeOfDomicileCreatesAndRemovesTheBRowsOfTheDeclaration) {
    const OperationContext ctx = declaration();
    store(ctx, k411, typed(ctx, k411, 1102, 100, 100));
    store(ctx, k421, typed(ctx, k421, 5102, 200, 200));
    int created = 0;
    QString error;
    ASSERT_TRUE(createDomicileBRows(ctx.key, kIbgeB, &error, &created)) << error.toStdString();
    EXPECT_EQ(created, 2);
    // Asked again, nothing is doubled.
    ASSERT_TRUE(createDomicileBRows(ctx.key, kIbgeB, &error, &created));
    EXPECT_EQ(created, 0);
    EXPECT_EQ(findOperationRow(ctx.key, k421, 5102, kDomicileB)->cidadeID, kIbgeB);
    ASSERT_TRUE(deleteDomicileBRows(ctx.key, &error));
    EXPECT_EQ(rowsOf(ctx, 1102, kDomicileB) + rowsOf(ctx, 5102, kDomicileB), 0);
    EXPECT_EQ(rowsOf(ctx, 1102, kDomicileA) + rowsOf(ctx, 5102, kDomicileA), 2);
}

TEST_F(OperationTwinTest, AFailingTwinLeavesNothingOfThePost) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("N"), true);
    test::refuseRows(QStringLiteral("MovimentacaoPorOperacoes42"), QStringLiteral("INSERT"), QStringLiteral("twin refused"),
               QStringLiteral("NEW.DomicilioFiscal = 'B'"));
    const PostOutcome out =
        postOperationRow(ctx, k411, typed(ctx, k411, 1102, 100, 100), std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Failed);
    EXPECT_TRUE(out.message.contains(QStringLiteral("twin refused")));
    EXPECT_EQ(rowsOf(ctx, 1102, kDomicileA), 0);

    // Inside the caller's transaction the post is a part of it: its rollback takes the row away.
    test::allowRows(QStringLiteral("MovimentacaoPorOperacoes42"), QStringLiteral("INSERT"));
    {
        storage::Transaction tx;
        ASSERT_TRUE(tx.started());
        store(ctx, k411, typed(ctx, k411, 1102, 100, 100));
        EXPECT_EQ(rowsOf(ctx, 1102, kDomicileA), 1);
    }
    EXPECT_EQ(rowsOf(ctx, 1102, kDomicileA) + rowsOf(ctx, 1102, kDomicileB), 0);
}

TEST_F(OperationTwinTest, TypingACodeTheGridHoldsFindsThatRow) {
    const OperationContext ctx = declaration();
    store(ctx, k411, typed(ctx, k411, 1102, 100, 100));
    const auto found = existingRowForTypedCfop(ctx, k411, typed(ctx, k411, 1102), std::nullopt);
    ASSERT_TRUE(found);
    EXPECT_DOUBLE_EQ(found->valorContabil, 100);
    // The row's own stored code, another code and another grid find nothing.
    const OperationRow own = *findOperationRow(ctx.key, k411, 1102, kDomicileA);
    EXPECT_FALSE(existingRowForTypedCfop(ctx, k411, own, own));
    EXPECT_FALSE(existingRowForTypedCfop(ctx, k411, typed(ctx, k411, 1101), std::nullopt));
    EXPECT_FALSE(existingRowForTypedCfop(ctx, k421, typed(ctx, k421, 1102), std::nullopt));
}

TEST_F(OperationTwinTest, SimplesAlignmentClearsBaseTaxAndExempt) {
    const OperationContext ctx = declaration();
    store(ctx, k411, typed(ctx, k411, 1102, 100, 50, 9, 20, 20, 10));
    QString error;
    ASSERT_TRUE(clearSimplesAmounts(ctx.key, &error));
    const auto row = findOperationRow(ctx.key, k411, 1102, kDomicileA);
    EXPECT_EQ(row->baseCalculo + row->impostoCreditado + row->isentasNaoTributadas, 0.0);
    EXPECT_DOUBLE_EQ(row->outras + row->substituicaoTributaria + row->valorContabil, 130);
}

} // namespace
} // namespace vexa::test
