// Item 9: the due month, the five due dates a kind, the lists each regime
// and period may type, duplicates, edits and the totals of each kind.
#include "declaration/topay/DeclarationFixture.h"

#include "declaration/IcmsRecolher.h"

namespace vexa::test {
namespace {

using namespace vexa::decl;

class IcmsRecolherTest : public DeclarationFixture {
protected:
    ToPayPostOutcome post(const DeclarationKey& key, ToPayKind kind, const QDate& due, double valor,
                          const std::optional<ToPayRow>& original = std::nullopt) {
        return postToPayRow(key, kind, ToPayRow{due, valor}, original, prompter_);
    }
    int stored(const DeclarationKey& key, ToPayKind kind) {
        return rowsIn(QStringLiteral("ICMSRecolher"), key, QStringLiteral("TipoApuracao = ?"), {tipoApuracao(kind)});
    }
};

TEST_F(IcmsRecolherTest, DueDateFallsInTheMonthAfterThePeriod) {
    const DeclarationKey dec = declaration(QStringLiteral("2024"), QStringLiteral("12")).key;

    EXPECT_TRUE(post(dec, ToPayKind::Normal, QDate(2025, 1, 31), 100).posted());
    EXPECT_TRUE(prompter_.log().isEmpty());

    ToPayPostOutcome same = post(dec, ToPayKind::Normal, QDate(2024, 12, 31), 100);
    EXPECT_EQ(same.status, PostStatus::Refused);
    EXPECT_EQ(same.field, topay_field::DtVencimento);
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: ") + topay_msg::VencimentoMenorOuIgual);

    ToPayPostOutcome later = post(dec, ToPayKind::Normal, QDate(2025, 2, 1), 100);
    EXPECT_EQ(later.status, PostStatus::Refused);
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: ") + topay_msg::VencimentoMaiorQueSubsequente);

    // A due date a year earlier is "before" although its month number is higher.
    EXPECT_EQ(post(dec, ToPayKind::Normal, QDate(2023, 12, 15), 1).status, PostStatus::Refused);
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: ") + topay_msg::VencimentoMenorOuIgual);
    EXPECT_EQ(stored(dec, ToPayKind::Normal), 1);

    // Within the year: March accepts April only.
    const DeclarationKey march{kSheetsIE, QStringLiteral("2024"), QStringLiteral("03"), QStringLiteral("00")};
    EXPECT_TRUE(checkDueMonth(march, QDate(2024, 4, 1)).ok());
    EXPECT_TRUE(checkDueMonth(march, QDate(2024, 4, 30)).ok());
    EXPECT_EQ(checkDueMonth(march, QDate(2024, 3, 31)).message, topay_msg::VencimentoMenorOuIgual);
    EXPECT_EQ(checkDueMonth(march, QDate(2024, 2, 10)).message, topay_msg::VencimentoMenorOuIgual);
    EXPECT_EQ(checkDueMonth(march, QDate(2024, 5, 1)).message, topay_msg::VencimentoMaiorQueSubsequente);
    EXPECT_EQ(checkDueMonth(march, QDate(2025, 4, 1)).message, topay_msg::VencimentoMaiorQueSubsequente);
}

TEST_F(IcmsRecolherTest, ASixthDueDateOfOneKindCannotBeAdded) {
    const DeclarationKey key = declaration(QStringLiteral("2024"), QStringLiteral("01")).key;
    for (int day = 1; day <= 5; ++day)
        ASSERT_TRUE(post(key, ToPayKind::DifAliquotaEntradas, QDate(2024, 2, day), day).posted());
    const int held = int(loadToPayRows(key, ToPayKind::DifAliquotaEntradas).size());
    EXPECT_EQ(held, 5);
    // Not even the New command or a bulk update adds a sixth.
    EXPECT_FALSE(toPayAcceptsNewRow(held, /*newRowFlag=*/true, /*bulkUpdate=*/false));
    EXPECT_FALSE(toPayAcceptsNewRow(held, false, /*bulkUpdate=*/true));
    EXPECT_TRUE(toPayAcceptsNewRow(4, true, false));
    // Another kind still takes rows.
    EXPECT_TRUE(toPayAcceptsNewRow(int(loadToPayRows(key, ToPayKind::SubstTributaria).size()), false, false));
    // Below five the rule of every child table holds: a row only by command, on an empty list or before the first row.
    EXPECT_FALSE(toPayAcceptsNewRow(2, false, false));
    EXPECT_TRUE(toPayAcceptsNewRow(2, false, false, /*beforeFirstRow=*/true));
}

TEST_F(IcmsRecolherTest, EmptyDueDateDropsTheRowSilently) {
    const DeclarationKey key = declaration().key;
    const ToPayPostOutcome out = post(key, ToPayKind::SubstTributaria, QDate(), 250);
    EXPECT_EQ(out.status, PostStatus::Discarded);
    EXPECT_TRUE(prompter_.log().isEmpty());
    EXPECT_EQ(stored(key, ToPayKind::SubstTributaria), 0);
}

TEST_F(IcmsRecolherTest, OneDueDateOnceAKind) {
    const DeclarationKey key = declaration().key;
    ASSERT_TRUE(post(key, ToPayKind::Normal, QDate(2024, 3, 10), 80).posted());

    // The same date again in the same kind is refused, nothing half-written.
    const ToPayPostOutcome twice = post(key, ToPayKind::Normal, QDate(2024, 3, 10), 90);
    EXPECT_EQ(twice.status, PostStatus::Refused);
    EXPECT_EQ(twice.message, QStringLiteral("Já existe um registro cadastrado para o vencimento 10/03/2024"));
    EXPECT_EQ(stored(key, ToPayKind::Normal), 1);
    EXPECT_DOUBLE_EQ(loadToPayRows(key, ToPayKind::Normal).value(0).valor, 80);
    // The grid moves to that row when the date is typed.
    const auto existing = existingToPayRow(key, ToPayKind::Normal, ToPayRow{QDate(2024, 3, 10), 0}, std::nullopt);
    ASSERT_TRUE(existing.has_value());
    EXPECT_DOUBLE_EQ(existing->valor, 80);
    // A row's own date is no other row.
    EXPECT_FALSE(existingToPayRow(key, ToPayKind::Normal, ToPayRow{QDate(2024, 3, 10), 1}, *existing));

    // Another kind may hold the same date.
    EXPECT_TRUE(post(key, ToPayKind::SubstTributaria, QDate(2024, 3, 10), 5).posted());
    EXPECT_FALSE(existingToPayRow(key, ToPayKind::DifAliquotaEntradas, ToPayRow{QDate(2024, 3, 10), 0}, std::nullopt));
}

TEST_F(IcmsRecolherTest, EditingMovesTheDueDateAndAmount) {
    const DeclarationKey key = declaration().key;
    ASSERT_TRUE(post(key, ToPayKind::Normal, QDate(2024, 3, 10), 80).posted());
    ASSERT_TRUE(post(key, ToPayKind::Normal, QDate(2024, 3, 20), 20).posted());
    const ToPayRow original{QDate(2024, 3, 10), 80};

    // Onto the other stored date: refused, both rows unchanged.
    EXPECT_EQ(post(key, ToPayKind::Normal, QDate(2024, 3, 20), 80, original).status, PostStatus::Refused);
    // Outside the month: refused.
    EXPECT_EQ(post(key, ToPayKind::Normal, QDate(2024, 4, 10), 80, original).status, PostStatus::Refused);
    // Keeping the date and changing the amount, then moving the date.
    ASSERT_TRUE(post(key, ToPayKind::Normal, QDate(2024, 3, 10), 81.255, original).posted());
    ASSERT_TRUE(post(key, ToPayKind::Normal, QDate(2024, 3, 11), 81.26, ToPayRow{QDate(2024, 3, 10), 81.26}).posted());

    const QList<ToPayRow> rows = loadToPayRows(key, ToPayKind::Normal);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].dtVencimento, QDate(2024, 3, 11));
    EXPECT_DOUBLE_EQ(rows[0].valor, 81.26);
    EXPECT_EQ(rows[1].dtVencimento, QDate(2024, 3, 20));

    QString error;
    ASSERT_TRUE(deleteToPayRow(key, ToPayKind::Normal, QDate(2024, 3, 11), &error)) << error.toStdString();
    EXPECT_EQ(stored(key, ToPayKind::Normal), 1);
}

TEST_F(IcmsRecolherTest, ListsEnabledByRegimeAndPeriod) {
    auto enabled = [](const QString& regime, const QString& ano, const QString& mes) {
        const DeclarationKey key{kSheetsIE, ano, mes, QStringLiteral("00")};
        QString codes;
        for (ToPayKind kind : allToPayKinds())
            if (isToPayKindEnabled(kind, regime, key)) codes += tipoApuracao(kind);
        return codes;
    };
    EXPECT_EQ(enabled(QStringLiteral("N"), QStringLiteral("2015"), QStringLiteral("12")), QStringLiteral("NDS"));
    EXPECT_EQ(enabled(QStringLiteral("N"), QStringLiteral("2016"), QStringLiteral("01")), QStringLiteral("NDSFP"));
    EXPECT_EQ(enabled(QStringLiteral("S"), QStringLiteral("2015"), QStringLiteral("12")), QStringLiteral("DSC"));
    EXPECT_EQ(enabled(QStringLiteral("S"), QStringLiteral("2024"), QStringLiteral("03")), QStringLiteral("DSCFP"));
    // A blank regime counts as normal.
    EXPECT_EQ(enabled(QString(), QStringLiteral("2024"), QStringLiteral("03")), QStringLiteral("NDSFP"));

    EXPECT_EQ(toPayItem(ToPayKind::Normal), QStringLiteral("9.1"));
    EXPECT_EQ(toPayItem(ToPayKind::FundoPobreza), QStringLiteral("9.6"));
    EXPECT_EQ(toPayKindOf(QStringLiteral("f")), ToPayKind::DifAliquotaSaidas);
    EXPECT_FALSE(toPayKindOf(QStringLiteral("X")).has_value());
}

TEST_F(IcmsRecolherTest, TotalsOfEachKindToTheCent) {
    const DeclarationKey key = declaration(QStringLiteral("2024"), QStringLiteral("02")).key;
    EXPECT_EQ(toPayTotals(key), ToPayTotals{});

    ASSERT_TRUE(post(key, ToPayKind::Normal, QDate(2024, 3, 1), 0.1).posted());
    ASSERT_TRUE(post(key, ToPayKind::Normal, QDate(2024, 3, 2), 0.2).posted());
    ASSERT_TRUE(post(key, ToPayKind::Normal, QDate(2024, 3, 3), 1234567.89).posted());
    ASSERT_TRUE(post(key, ToPayKind::FundoPobreza, QDate(2024, 3, 3), 10.005).posted());
    // Another declaration's rows do not count.
    const DeclarationKey other{key.ie, key.ano, key.mes, QStringLiteral("01")};
    ASSERT_TRUE(post(other, ToPayKind::Normal, QDate(2024, 3, 4), 999).posted());

    const ToPayTotals totals = toPayTotals(key);
    EXPECT_DOUBLE_EQ(totals[ToPayKind::Normal], 1234568.19);
    EXPECT_DOUBLE_EQ(totals[ToPayKind::FundoPobreza], 10.01);
    EXPECT_DOUBLE_EQ(totals[ToPayKind::SubstTributaria], 0.0);
}

TEST_F(IcmsRecolherTest, DueDatesAndValuesSurviveQuotesInTheKey) {
    // Values are bound, never pasted: an IE holding a quote is just a value.
    const DeclarationKey odd{QStringLiteral("29'000009"), QStringLiteral("2024"), QStringLiteral("02"),
                             QStringLiteral("00")};
    ASSERT_TRUE(post(odd, ToPayKind::Normal, QDate(2024, 3, 5), 12.5).posted());
    EXPECT_EQ(loadToPayRows(odd, ToPayKind::Normal).size(), 1);
    EXPECT_DOUBLE_EQ(toPayTotals(odd)[ToPayKind::Normal], 12.5);
}

} // namespace
} // namespace vexa::test
