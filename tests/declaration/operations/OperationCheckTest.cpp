// The CFOP checks of the six grids (empty, table year, first digit), the
// book-value question by regime and the behaviour of a bulk update.
#include "declaration/operations/OperationsFixture.h"

namespace vexa::test {
namespace {

using namespace vexa::decl;

class OperationCheckTest : public OperationsTest {};

TEST_F(OperationCheckTest, OutputCodeTypedAmongDomesticEntriesIsSentToItsItem) {
    const OperationContext ctx = declaration();
    const PostOutcome out = postOperationRow(ctx, k411, typed(ctx, k411, 5102, 100, 100), std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Refused);
    EXPECT_EQ(out.message, QStringLiteral("CFOP 5102 deve ser informado no item 4.2.1!"));
    EXPECT_EQ(out.field, operation_field::Cfop);
    EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("warn: CFOP 5102 deve ser informado no item 4.2.1!")});
    EXPECT_EQ(rowsOf(ctx, 5102, kDomicileA), 0);
}

TEST_F(OperationCheckTest, EachFirstDigitNamesTheItemWhereTheCodeBelongs) {
    const OperationContext ctx = declaration();
    const struct {
        OperationView view;
        int cfop;
        const char* item;
    } cases[] = {{k421, 1102, "4.1.1"}, {k411, 2102, "4.1.2"}, {k411, 3101, "4.1.3"},
                 {k412, 5102, "4.2.1"}, {k421, 6102, "4.2.2"}, {k421, 7101, "4.2.3"}};
    for (const auto& c : cases) {
        const CheckResult r = checkOperationCfop(ctx, c.view, typed(ctx, c.view, c.cfop));
        EXPECT_EQ(r.message, QStringLiteral("CFOP %1 deve ser informado no item %2!").arg(c.cfop).arg(QLatin1String(c.item)))
            << c.cfop;
    }
    // Each code in its own grid passes.
    for (const auto& [view, cfop] : {std::pair{k411, 1102}, {k412, 2102}, {k413, 3101}, {k421, 5102},
                                     {k422, 6102}, {k423, 7101}})
        EXPECT_TRUE(checkOperationCfop(ctx, view, typed(ctx, view, cfop)).ok()) << cfop;
}

TEST_F(OperationCheckTest, EmptyThenUnknownCodeComeBeforeTheFirstDigit) {
    const OperationContext ctx = declaration();
    OperationRow empty = newOperationRow(k411);
    EXPECT_EQ(checkOperationCfop(ctx, k411, empty).message, QStringLiteral("CFOP deve ser informado!"));
    EXPECT_EQ(checkOperationCfop(ctx, k411, typed(ctx, k411, 9999)).message,
              QStringLiteral("9999 Não é um CFOP válido!"));
    // A code of another grid that the table year does not hold is refused as unknown first.
    EXPECT_EQ(checkOperationCfop(ctx, k411, typed(ctx, k411, 5000)).message,
              QStringLiteral("5000 Não é um CFOP válido!"));
}

TEST_F(OperationCheckTest, YearsUpTo2017UseThe2017TableAndFrom2022The2022One) {
    // 1131 first appears in the 2021 list; 1102 is in every list.
    const OperationContext y2016 = declaration(QStringLiteral("2016"));
    EXPECT_EQ(checkOperationCfop(y2016, k411, typed(y2016, k411, 1131)).message,
              QStringLiteral("1131 Não é um CFOP válido!"));
    EXPECT_TRUE(checkOperationCfop(y2016, k411, typed(y2016, k411, 1102)).ok());
    EXPECT_FALSE(typed(y2016, k411, 1102).cfopDescricao.isEmpty());
    EXPECT_TRUE(typed(y2016, k411, 1131).cfopDescricao.isEmpty());

    const OperationContext y2023 = declaration(QStringLiteral("2023"));
    EXPECT_TRUE(checkOperationCfop(y2023, k411, typed(y2023, k411, 1131)).ok());
    EXPECT_FALSE(typed(y2023, k411, 1131).cfopDescricao.isEmpty());
    store(y2023, k411, typed(y2023, k411, 1131, 10, 10));

    const OperationContext y2018 = declaration(QStringLiteral("2018"));
    EXPECT_FALSE(checkOperationCfop(y2018, k411, typed(y2018, k411, 1131)).ok());
}

TEST_F(OperationCheckTest, BookValueOfNormalRegimeIsTheSumOfTheFourColumns) {
    const OperationContext ctx = declaration();
    // 100,00 = 60,00 + 40,00: stored without a question.
    PostOutcome out = postOperationRow(ctx, k411, typed(ctx, k411, 1102, 100, 60, 7.2, 0, 40), std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Posted);
    EXPECT_TRUE(prompter_.log().isEmpty());
    // Sums that differ from the book value only below the cent ask nothing either.
    out = postOperationRow(ctx, k411, typed(ctx, k411, 1101, 0.3, 0.1, 0, 0.2), std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Posted);
    EXPECT_TRUE(prompter_.log().isEmpty());

    // Other 39,99: the question; No keeps the row out and sends the focus to the book value.
    prompter_.queueAnswer(false);
    out = postOperationRow(ctx, k411, typed(ctx, k411, 1949, 100, 60, 0, 0, 39.99), std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Refused);
    EXPECT_EQ(out.field, operation_field::ValorContabil);
    EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("ask: ") + operation_msg::DivergenciaNormal});
    EXPECT_EQ(rowsOf(ctx, 1949, kDomicileA), 0);

    // Only the grid of item 4.1.1 moves the focus back to the book value.
    prompter_.queueAnswer(false);
    out = postOperationRow(ctx, k421, typed(ctx, k421, 5102, 100, 60), std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Refused);
    EXPECT_TRUE(out.field.isEmpty());

    // Yes stores the row as typed.
    prompter_.queueAnswer(true);
    out = postOperationRow(ctx, k411, typed(ctx, k411, 1949, 100, 60, 0, 0, 39.99), std::nullopt, prompter_);
    ASSERT_EQ(out.status, PostStatus::Posted);
    const auto stored = findOperationRow(ctx.key, k411, 1949, kDomicileA);
    ASSERT_TRUE(stored);
    EXPECT_DOUBLE_EQ(stored->valorContabil, 100);
    EXPECT_DOUBLE_EQ(stored->outras, 39.99);
}

TEST_F(OperationCheckTest, BookValueOfSimplesNacionalIsOtherPlusSubstitution) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("S"));
    ASSERT_TRUE(ctx.isSimples());
    // Base and exempt do not count for this regime.
    EXPECT_TRUE(bookValueQuestion(QStringLiteral("S"), typed(ctx, k411, 1102, 100, 500, 0, 20, 60, 40)).isEmpty());
    EXPECT_EQ(bookValueQuestion(QStringLiteral("S"), typed(ctx, k411, 1102, 100, 100)),
              operation_msg::DivergenciaSimples);
    // The same row is divergent for the normal regime.
    EXPECT_EQ(bookValueQuestion(QStringLiteral("N"), typed(ctx, k411, 1102, 100, 500, 0, 20, 60, 40)),
              operation_msg::DivergenciaNormal);

    prompter_.queueAnswer(false);
    const PostOutcome out =
        postOperationRow(ctx, k421, typed(ctx, k421, 5102, 100, 0, 0, 0, 60), std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Refused);
    EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("ask: ") + operation_msg::DivergenciaSimples});

    // Only book value, other and substitution are typed.
    EXPECT_TRUE(isAmountEditable(Amount::ValorContabil, QStringLiteral("S")));
    EXPECT_TRUE(isAmountEditable(Amount::Outras, QStringLiteral("S")));
    EXPECT_TRUE(isAmountEditable(Amount::SubstituicaoTributaria, QStringLiteral("S")));
    EXPECT_FALSE(isAmountEditable(Amount::BaseCalculo, QStringLiteral("S")));
    EXPECT_FALSE(isAmountEditable(Amount::ImpostoCreditado, QStringLiteral("S")));
    EXPECT_FALSE(isAmountEditable(Amount::IsentasNaoTributadas, QStringLiteral("S")));
    for (int a = 0; a < kAmountCount; ++a) EXPECT_TRUE(isAmountEditable(Amount(a), QStringLiteral("N")));
}

TEST_F(OperationCheckTest, BulkUpdateSkipsEveryCheckOfItem411AndAllButTheCodeElsewhere) {
    OperationContext ctx = declaration();
    ctx.bulkUpdate = true;
    // Item 4.2.1: the code is still checked ...
    PostOutcome out = postOperationRow(ctx, k421, typed(ctx, k421, 1102, 100), std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Refused);
    // ... but no book-value question is asked.
    prompter_.clear();
    out = postOperationRow(ctx, k421, typed(ctx, k421, 5102, 100), std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Posted);
    EXPECT_TRUE(prompter_.log().isEmpty());
    // Item 4.1.1 checks nothing; the row still carries the grid's direction and kind.
    out = postOperationRow(ctx, k411, typed(ctx, k411, 1949, 100), std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Posted);
    EXPECT_TRUE(prompter_.log().isEmpty());
    EXPECT_TRUE(findOperationRow(ctx.key, k411, 1949, kDomicileA).has_value());
    // A row without any code is never stored.
    out = postOperationRow(ctx, k411, newOperationRow(k411), std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Refused);
    EXPECT_EQ(out.message, operation_msg::CfopVazio);
}

TEST_F(OperationCheckTest, NewRowRuleOfTheChildTables) {
    EXPECT_TRUE(childTableAcceptsNewRow(false, false, 0));          // empty grid
    EXPECT_FALSE(childTableAcceptsNewRow(false, false, 3));         // rows, no New command
    EXPECT_TRUE(childTableAcceptsNewRow(true, false, 3));           // the New command appends
    EXPECT_TRUE(childTableAcceptsNewRow(false, true, 3));           // bulk update
    EXPECT_TRUE(childTableAcceptsNewRow(false, false, 3, true));    // before the first row
}

} // namespace
} // namespace vexa::test
