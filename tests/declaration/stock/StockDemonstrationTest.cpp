// Item 10: the stock total questions (on the post and when a total field is
// left), their order, the rounding of the difference, and the one row of the
// declaration written and read back.
#include "declaration/topay/DeclarationFixture.h"

#include "declaration/StockDemonstration.h"

namespace vexa::test {
namespace {

using namespace vexa::decl;

StockRow stock(std::array<double, 5> initial, std::array<double, 5> final = {}) {
    StockRow row;
    for (int p = 0; p < kStockPartCount; ++p) {
        row.set(Stock::Initial, StockPart(p), initial[size_t(p)]);
        row.set(Stock::Final, StockPart(p), final[size_t(p)]);
    }
    return row;
}

class StockDemonstrationTest : public DeclarationFixture {};

TEST_F(StockDemonstrationTest, InitialTotalAgainstItsParts) {
    const DeclarationKey key = declaration().key;
    // 10,00 + 0 + 0 + 5,00 against 15,00: no question.
    ASSERT_TRUE(postStock(key, stock({10, 0, 0, 5, 15}), false, prompter_).posted());
    EXPECT_TRUE(prompter_.log().isEmpty());

    // Against 15,01: the initial-stock question; No leaves the stored row as it was.
    prompter_.queueAnswer(false);
    const StockPostOutcome no = postStock(key, stock({10, 0, 0, 5, 15.01}), false, prompter_);
    EXPECT_EQ(no.status, PostStatus::Refused);
    EXPECT_EQ(no.refusedAt, Stock::Initial);
    EXPECT_EQ(prompter_.log(),
              QStringList{QStringLiteral("ask: ") + stockTotalQuestion(Stock::Initial, StockCheckMoment::Post)});
    EXPECT_DOUBLE_EQ(loadStock(key)->get(Stock::Initial, StockPart::Total), 15.0);

    // Yes stores it as typed.
    prompter_.queueAnswer(true);
    ASSERT_TRUE(postStock(key, stock({10, 0, 0, 5, 15.01}), false, prompter_).posted());
    EXPECT_DOUBLE_EQ(loadStock(key)->get(Stock::Initial, StockPart::Total), 15.01);
    EXPECT_EQ(rowsIn(QStringLiteral("DemostrativoEstoque"), key), 1);
}

TEST_F(StockDemonstrationTest, InitialQuestionComesFirstAndNoStopsThere) {
    const DeclarationKey key = declaration().key;
    const StockRow both = stock({1, 1, 1, 1, 5}, {2, 2, 2, 2, 7});
    prompter_.queueAnswer(false);
    EXPECT_EQ(postStock(key, both, false, prompter_).refusedAt, Stock::Initial);
    EXPECT_EQ(prompter_.log().size(), 1);

    prompter_.clear();
    prompter_.queueAnswers({true, false});
    EXPECT_EQ(postStock(key, both, false, prompter_).refusedAt, Stock::Final);
    EXPECT_EQ(prompter_.log(),
              (QStringList{QStringLiteral("ask: ") + stockTotalQuestion(Stock::Initial, StockCheckMoment::Post),
                           QStringLiteral("ask: ") + stockTotalQuestion(Stock::Final, StockCheckMoment::Post)}));
    EXPECT_FALSE(loadStock(key).has_value());

    // A bulk update asks nothing.
    prompter_.clear();
    EXPECT_TRUE(postStock(key, both, true, prompter_).posted());
    EXPECT_TRUE(prompter_.log().isEmpty());
}

TEST_F(StockDemonstrationTest, DifferenceRoundedToCents) {
    StockRow row = stock({0.1, 0.2, 0, 0, 0.3}, {10, 0, 0, 0, 10.004});
    EXPECT_FALSE(stockTotalDiffers(row, Stock::Initial));   // 0,1 + 0,2 is 0,30000000000000004
    EXPECT_FALSE(stockTotalDiffers(row, Stock::Final));     // -0,004 shows "0,00"
    row.set(Stock::Final, StockPart::Total, 10.006);
    EXPECT_TRUE(stockTotalDiffers(row, Stock::Final));
    row.set(Stock::Final, StockPart::Total, 9.99);
    EXPECT_TRUE(stockTotalDiffers(row, Stock::Final));
}

TEST_F(StockDemonstrationTest, QuestionTextsOfThePostAndOfLeavingATotal) {
    // The post's final-stock text has a blank before its line break; the texts
    // shown on leaving a total have one before the full stop, as has the post's final one.
    const QString postInitial = stockTotalQuestion(Stock::Initial, StockCheckMoment::Post);
    const QString postFinal = stockTotalQuestion(Stock::Final, StockCheckMoment::Post);
    const QString leaveInitial = stockTotalQuestion(Stock::Initial, StockCheckMoment::LeavingTotal);
    const QString leaveFinal = stockTotalQuestion(Stock::Final, StockCheckMoment::LeavingTotal);
    EXPECT_EQ(postInitial,
              QStringLiteral("Campo Totais para estoque inicial é diferente da soma dos campos tributadas,\risentas e/ou "
                             "não tributadas, outras e substituição tributária.\r\rA apresentação com estas "
                             "divergências, sujeitará à fiscalização.\r\rDeseja continuar?"));
    EXPECT_EQ(postFinal,
              QStringLiteral("Campo Totais para estoque final é diferente da soma dos campos tributadas, \risentas e/ou "
                             "não tributadas, outras e substituição tributária .\r\rA apresentação com estas "
                             "divergências, sujeitará à fiscalização.\r\rDeseja continuar?"));
    EXPECT_EQ(leaveInitial,
              QStringLiteral("Campo Totais para estoque inicial é diferente da soma dos campos tributadas,\risentas e/ou "
                             "não tributadas, outras e substituição tributária .\r\rA apresentação com estas "
                             "divergências, sujeitará à fiscalização.\r\rDeseja continuar?"));
    EXPECT_EQ(leaveFinal,
              QStringLiteral("Campo Totais para estoque final é diferente da soma dos campos tributadas,\risentas e/ou "
                             "não tributadas, outras e substituição tributária .\r\rA apresentação com estas "
                             "divergências, sujeitará à fiscalização.\r\rDeseja continuar?"));

    prompter_.queueAnswers({true, true});
    EXPECT_FALSE(askStockTotals(stock({1, 0, 0, 0, 2}, {1, 0, 0, 0, 3}), StockCheckMoment::LeavingTotal, prompter_));
    EXPECT_EQ(prompter_.log(), (QStringList{QStringLiteral("ask: ") + leaveInitial, QStringLiteral("ask: ") + leaveFinal}));
}

TEST_F(StockDemonstrationTest, OneRowWrittenUpdatedReadAndDeleted) {
    const DeclarationKey key = declaration().key;
    EXPECT_FALSE(loadStock(key).has_value());
    const StockRow first = stock({1.11, 2.22, 3.33, 4.44, 11.1}, {5.55, 6.66, 7.77, 8.88, 28.86});
    ASSERT_TRUE(postStock(key, first, false, prompter_).posted());
    EXPECT_EQ(loadStock(key), first);
    EXPECT_DOUBLE_EQ(value(QStringLiteral("SELECT EFSubstituicaoTributaria FROM DemostrativoEstoque")).toDouble(), 8.88);
    EXPECT_DOUBLE_EQ(value(QStringLiteral("SELECT EITotal FROM DemostrativoEstoque")).toDouble(), 11.1);

    const StockRow second = stock({0, 0, 0, 0, 0}, {100, 0, 0, 0, 100});
    ASSERT_TRUE(postStock(key, second, false, prompter_).posted());
    EXPECT_EQ(loadStock(key), second);
    EXPECT_EQ(rowsIn(QStringLiteral("DemostrativoEstoque"), key), 1);

    QString error;
    ASSERT_TRUE(deleteStock(key, &error)) << error.toStdString();
    EXPECT_FALSE(loadStock(key).has_value());

    EXPECT_FALSE(isStockPartEditable(StockPart::IsentasNaoTributadas, QStringLiteral("S")));
    EXPECT_TRUE(isStockPartEditable(StockPart::IsentasNaoTributadas, QStringLiteral("N")));
    EXPECT_TRUE(isStockPartEditable(StockPart::Outras, QStringLiteral("S")));
}

} // namespace
} // namespace vexa::test
