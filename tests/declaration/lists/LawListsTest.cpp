// Other debits, other credits and deductions: the codes offered on the
// declaration's first day, the checks in their order, the deduction columns
// and value rule, the code-98 rules and the totals back into the row.

#include "ListsFixture.h"

#include "common/Prompter.h"
#include "declaration/Apuracao.h"
#include "declaration/DeclarationService.h"
#include "declaration/LawLists.h"
#include "declaration/ListTotals.h"

#include <algorithm>

using namespace vexa;
using namespace vexa::decl;
using vexa::test::ListsFixture;

namespace {

QList<int> codesOf(const QList<LawCode>& codes) {
    QList<int> out;
    for (const LawCode& c : codes) out << c.codLei;
    return out;
}

class LawListsTest : public ListsFixture {
protected:
    void SetUp() override {
        ListsFixture::SetUp();
        addTaxpayer();
        key = keyOf(QStringLiteral("2024"), QStringLiteral("03"));
        store(key);
    }
    DeclarationKey key;
};

} // namespace

TEST_F(LawListsTest, CodesOfferedAreThoseValidOnTheFirstDayOfTheMonth) {
    // March 2024: a code that ended on 29/02 is gone, one ending on 01/03 still counts.
    for (const auto& [list, table] : {std::pair{LawList::OutrosDeb, QStringLiteral("LeisDeb")},
                                      std::pair{LawList::OutrosCred, QStringLiteral("Leis")},
                                      std::pair{LawList::Deducoes, QStringLiteral("LeisD")}}) {
        addLaw(table, 70, QStringLiteral("ENCERRADA"), QDate(2010, 1, 1), QDate(2024, 2, 29));
        addLaw(table, 71, QStringLiteral("ÚLTIMO DIA"), QDate(2010, 1, 1), QDate(2024, 3, 1));
        addLaw(table, 72, QStringLiteral("SEM FIM"), QDate(2010, 1, 1));
        addLaw(table, 73, QStringLiteral("COMEÇA NO DIA"), QDate(2024, 3, 1));
        addLaw(table, 74, QStringLiteral("FUTURA"), QDate(2024, 3, 2));
        const QList<int> offered = codesOf(offeredLawCodes(list, key));
        SCOPED_TRACE(table.toStdString());
        EXPECT_FALSE(offered.contains(70));
        EXPECT_TRUE(offered.contains(71));
        EXPECT_TRUE(offered.contains(72));
        EXPECT_TRUE(offered.contains(73));
        EXPECT_FALSE(offered.contains(74));
        EXPECT_TRUE(std::is_sorted(offered.begin(), offered.end()));
        // The same code a month earlier is offered.
        EXPECT_TRUE(codesOf(offeredLawCodes(list, keyOf(QStringLiteral("2024"), QStringLiteral("02")))).contains(70));
    }
}

TEST_F(LawListsTest, OtherCreditChecksInTheirOrder) {
    // No code first, even with no amount either.
    CheckResult c = checkLawLine(LawList::OutrosCred, key, LawLine{}, std::nullopt);
    EXPECT_EQ(c.message, law_msg::SelecioneBaseLegal);
    EXPECT_EQ(c.field, law_field::CodLei);
    // A code the month does not offer counts as none.
    addLaw(QStringLiteral("Leis"), 70, QStringLiteral("ENCERRADA"), QDate(2010, 1, 1), QDate(2024, 2, 29));
    EXPECT_EQ(checkLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 70, 10), std::nullopt).message,
              law_msg::SelecioneBaseLegal);
    EXPECT_EQ(checkLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 555, 10), std::nullopt).message,
              law_msg::SelecioneBaseLegal);

    c = checkLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 1, 0), std::nullopt);
    EXPECT_EQ(c.message, law_msg::ValorMaiorQueZero);
    EXPECT_EQ(c.field, law_field::Valor);
    EXPECT_EQ(checkLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 1, 0.004), std::nullopt).message,
              law_msg::ValorMaiorQueZero);
    EXPECT_EQ(checkLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 1, -5), std::nullopt).message,
              law_msg::ValorMaiorQueZero);

    ASSERT_TRUE(postLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 1, 100), std::nullopt).posted());
    ASSERT_TRUE(postLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 3, 40), std::nullopt).posted());

    // A second line under the same code is refused and nothing is written.
    const LinePostResult again =
        postLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 1, 5), std::nullopt);
    EXPECT_EQ(again.status, LinePost::Refused);
    EXPECT_EQ(again.check.message, law_msg::JaExisteLinha);
    EXPECT_EQ(rowsOf(QStringLiteral("OutrosCred"), key), 2);

    // Editing the stored line keeps its code; moving it onto another line's code is refused too.
    const LawLine stored = loadLawLines(LawList::OutrosCred, key).first();
    LawLine edited = stored;
    edited.Valor = 150;
    EXPECT_TRUE(postLawLine(LawList::OutrosCred, key, edited, stored).posted());
    edited.codLei = 3;
    EXPECT_EQ(checkLawLine(LawList::OutrosCred, key, edited, stored).message, law_msg::JaExisteLinha);

    // Another list may hold the same code.
    EXPECT_TRUE(postLawLine(LawList::OutrosDeb, key, lawLine(LawList::OutrosDeb, 1, 100), std::nullopt).posted());
}

TEST_F(LawListsTest, StoredLineKeepsACodeTheMonthNoLongerOffers) {
    addLaw(QStringLiteral("LeisDeb"), 70, QStringLiteral("ENCERRADA"), QDate(2010, 1, 1), QDate(2024, 2, 29));
    exec(QStringLiteral("INSERT INTO OutrosDeb (IE, Ano, Mes, Retificacao, CodLei, Valor) VALUES (?, ?, ?, ?, 70, 10)"),
         {key.ie, key.ano, key.mes, key.retificacao});
    const LawLine stored = loadLawLines(LawList::OutrosDeb, key).first();
    EXPECT_EQ(stored.tipo, QStringLiteral("ENCERRADA"));   // its texts still show
    LawLine edited = stored;
    edited.Valor = 20;
    EXPECT_TRUE(postLawLine(LawList::OutrosDeb, key, edited, stored).posted());
    EXPECT_DOUBLE_EQ(lawListTotal(LawList::OutrosDeb, key), 20);
}

TEST_F(LawListsTest, DeductionColumnsAndValueRule) {
    DeductionLine d = deductionLine(1);
    d.ICMSDevido = 10000;
    d.MediaICMS = 6000;
    EXPECT_DOUBLE_EQ(d.ParSujIncentivo(), 4000);
    EXPECT_DOUBLE_EQ(d.ParIncentivada(), 3000);
    EXPECT_NEAR(d.SubParIncentivada(), 150, 1e-9);
    applyDeductionValue(d);
    EXPECT_DOUBLE_EQ(d.VlrDeducao, 2850);

    // Cents: 1.234,56 - 0 -> (4) 925,92, (5) 46,296 -> (6) 879,62 to the cent.
    DeductionLine cents = deductionLine(2);
    cents.ICMSDevido = 1234.56;
    applyDeductionValue(cents);
    EXPECT_DOUBLE_EQ(cents.VlrDeducao, 879.62);

    // Code 3 (and 4, 5, 6, 99) keeps the value typed; the columns still show.
    for (int code : {3, 4, 5, 6, 99}) {
        DeductionLine typed = deductionLine(code);
        typed.ICMSDevido = 10000;
        typed.MediaICMS = 6000;
        typed.VlrDeducao = 1234.5;
        applyDeductionValue(typed);
        EXPECT_DOUBLE_EQ(typed.VlrDeducao, 1234.5) << code;
        EXPECT_DOUBLE_EQ(typed.ParIncentivada(), 3000);
    }
    EXPECT_FALSE(isTypedDeduction(1));
    EXPECT_FALSE(isTypedDeduction(98));

    // Posting applies the rule: a stale value typed under a computed code is replaced.
    d.VlrDeducao = 1;
    ASSERT_TRUE(postDeductionLine(key, d, std::nullopt).posted());
    DeductionLine typed = deductionLine(3);
    typed.ICMSDevido = 500;
    typed.VlrDeducao = 77.7;
    ASSERT_TRUE(postDeductionLine(key, typed, std::nullopt).posted());
    const QList<DeductionLine> lines = loadDeductionLines(key);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_DOUBLE_EQ(lines[0].VlrDeducao, 2850);
    EXPECT_DOUBLE_EQ(lines[1].VlrDeducao, 77.7);
    EXPECT_EQ(lines[1].tipo, QStringLiteral("TARE"));
    EXPECT_DOUBLE_EQ(lawListTotal(LawList::Deducoes, key), 2927.7);
}

TEST_F(LawListsTest, DeductionChecks) {
    // Code 4 of the delivered table ended in 2017: no origin in 2024.
    EXPECT_EQ(checkDeductionLine(key, deductionLine(0), std::nullopt).message, law_msg::SelecioneOrigem);
    EXPECT_EQ(checkDeductionLine(key, deductionLine(4), std::nullopt).message, law_msg::SelecioneOrigem);
    ASSERT_TRUE(postDeductionLine(key, deductionLine(99), std::nullopt).posted());
    const LinePostResult again = postDeductionLine(key, deductionLine(99), std::nullopt);
    EXPECT_EQ(again.status, LinePost::Refused);
    EXPECT_EQ(again.check.message, law_msg::ExisteLinha);
    // An amount of zero is no reason to refuse a deduction.
    EXPECT_TRUE(checkDeductionLine(key, deductionLine(1), std::nullopt).ok());
}

TEST_F(LawListsTest, Code98OtherDebitCannotBeDeleted) {
    ASSERT_TRUE(postLawLine(LawList::OutrosDeb, key, lawLine(LawList::OutrosDeb, 98, 30), std::nullopt).posted());
    ASSERT_TRUE(postLawLine(LawList::OutrosDeb, key, lawLine(LawList::OutrosDeb, 99, 70), std::nullopt).posted());
    ScriptedPrompter prompter(true);
    QString error;
    EXPECT_EQ(deleteListLine(LawList::OutrosDeb, key, 98, prompter, &error), LineDelete::Refused);
    EXPECT_EQ(prompter.log(), (QStringList{QStringLiteral("ask: ") + law_msg::ConfirmaExclusao,
                                           QStringLiteral("warn: ") + law_msg::Code98NaoExcluir}));
    EXPECT_EQ(rowsOf(QStringLiteral("OutrosDeb"), key), 2);

    prompter.clear();
    prompter.queueAnswer(false);
    EXPECT_EQ(deleteListLine(LawList::OutrosDeb, key, 99, prompter, &error), LineDelete::NotConfirmed);
    EXPECT_EQ(rowsOf(QStringLiteral("OutrosDeb"), key), 2);
    EXPECT_EQ(deleteListLine(LawList::OutrosDeb, key, 99, prompter, &error), LineDelete::Deleted);
    EXPECT_EQ(rowsOf(QStringLiteral("OutrosDeb"), key), 1);

    // As an other credit, code 98 is an ordinary line.
    ASSERT_TRUE(postLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 98, 30), std::nullopt).posted());
    EXPECT_EQ(deleteListLine(LawList::OutrosCred, key, 98, prompter, &error), LineDelete::Deleted);
    EXPECT_EQ(rowsOf(QStringLiteral("OutrosCred"), key), 0);
}

TEST_F(LawListsTest, Code98SmallBalanceIsGreyOnlyAsOtherDebitBelowFifty) {
    EXPECT_TRUE(isCarriedSmallBalance(LawList::OutrosDeb, lawLine(LawList::OutrosDeb, 98, 49.99)));
    EXPECT_TRUE(isCarriedSmallBalance(LawList::OutrosDeb, lawLine(LawList::OutrosDeb, 98, 0.01)));
    EXPECT_FALSE(isCarriedSmallBalance(LawList::OutrosDeb, lawLine(LawList::OutrosDeb, 98, 50)));
    EXPECT_FALSE(isCarriedSmallBalance(LawList::OutrosDeb, lawLine(LawList::OutrosDeb, 98, 0)));
    EXPECT_FALSE(isCarriedSmallBalance(LawList::OutrosDeb, lawLine(LawList::OutrosDeb, 99, 10)));
    EXPECT_FALSE(isCarriedSmallBalance(LawList::OutrosCred, lawLine(LawList::OutrosCred, 98, 10)));
}

TEST_F(LawListsTest, CarriedCode98CreditComesBackAsOtherDebitOfTheNextMonth) {
    // February carries 30,00 under code 98; the new March declaration reads
    // it back as its other debit 98, and the list's total is its C52.
    addTaxpayer(QStringLiteral("290000017"));
    const DeclarationKey feb = keyOf(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("290000017"));
    store(feb);
    ASSERT_TRUE(postLawLine(LawList::OutrosCred, feb, lawLine(LawList::OutrosCred, 98, 30), std::nullopt).posted());

    const DeclarationKey mar = keyOf(QStringLiteral("2024"), QStringLiteral("03"), QStringLiteral("290000017"));
    VexaRow row = prepareNewDeclaration(mar);
    ASSERT_TRUE(postDeclaration(row, true).ok());
    const QList<LawLine> debits = loadLawLines(LawList::OutrosDeb, mar);
    ASSERT_EQ(debits.size(), 1);
    EXPECT_EQ(debits[0].codLei, kCarriedBalanceLaw);
    EXPECT_DOUBLE_EQ(debits[0].Valor, 30);
    EXPECT_TRUE(isCarriedSmallBalance(LawList::OutrosDeb, debits[0]));
    EXPECT_DOUBLE_EQ(listTotal(ListEditor::OutrosDeb, mar), loadVexa(mar)->C52);
}

TEST_F(LawListsTest, TotalsGoBackIntoTheDeclarationRow) {
    EXPECT_DOUBLE_EQ(lawListTotal(LawList::OutrosCred, key), 0);
    ASSERT_TRUE(postLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 1, 0.1), std::nullopt).posted());
    ASSERT_TRUE(postLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 3, 0.2), std::nullopt).posted());
    EXPECT_DOUBLE_EQ(lawListTotal(LawList::OutrosCred, key), 0.3);   // to the cent, not 0.30000000000000004

    QString error;
    for (ListEditor list : {ListEditor::OutrosDeb, ListEditor::OutrosCred, ListEditor::Deducoes})
        ASSERT_TRUE(storeListTotal(list, key, 0, &error)) << error.toStdString();
    exec(QStringLiteral("UPDATE Vexas SET C51 = 1000, C61 = 400 WHERE IE = ?"), {key.ie});
    ASSERT_TRUE(postLawLine(LawList::OutrosDeb, key, lawLine(LawList::OutrosDeb, 99, 200), std::nullopt).posted());
    DeductionLine d = deductionLine(99);
    d.VlrDeducao = 100;
    ASSERT_TRUE(postDeductionLine(key, d, std::nullopt).posted());

    for (ListEditor list : {ListEditor::OutrosDeb, ListEditor::OutrosCred, ListEditor::Deducoes})
        ASSERT_TRUE(storeListTotal(list, key, listTotal(list, key), &error)) << error.toStdString();
    const VexaRow row = *loadVexa(key);
    EXPECT_DOUBLE_EQ(row.C52, 200);
    EXPECT_DOUBLE_EQ(row.C62, 0.3);
    EXPECT_DOUBLE_EQ(row.C72, 100);
    const Apuracao a = computeApuracao(row);
    EXPECT_DOUBLE_EQ(a.C54, 1200);
    EXPECT_DOUBLE_EQ(a.C71, 799.7);
    EXPECT_DOUBLE_EQ(a.C73, 699.7);

    // The row in memory takes the total the same way.
    VexaRow inMemory = row;
    setListTotal(inMemory, ListEditor::AliquotaConsumidor, 12.345);
    EXPECT_DOUBLE_EQ(inMemory.C713, 12.35);
    EXPECT_DOUBLE_EQ(listTotalOf(inMemory, ListEditor::AliquotaConsumidor), 12.35);
}

TEST_F(LawListsTest, TextsWithQuotesAreValuesNotStatements) {
    // A description with quotes and accents is read back as it is.
    exec(QStringLiteral("UPDATE Leis SET DescLei = ? WHERE CodLei = 1"), {QStringLiteral("Art. 9º 'crédito' \"x\"; --")});
    EXPECT_EQ(lawLine(LawList::OutrosCred, 1).descLei, QStringLiteral("Art. 9º 'crédito' \"x\"; --"));
    const DeclarationKey odd{QStringLiteral("29'0000009"), QStringLiteral("2024"), QStringLiteral("03")};
    EXPECT_TRUE(loadLawLines(LawList::OutrosCred, odd).isEmpty());
    EXPECT_DOUBLE_EQ(lawListTotal(LawList::Deducoes, odd), 0);
}
