// The amounts of a linked slip: principal by kind, correction, penalty and
// interest in both regimes, over index tables of known values.

#include "PaymentFixture.h"

#include "common/Conversions.h"
#include "payment/SlipAmounts.h"

#include <cmath>

using namespace vexa;
using namespace vexa::payment;
using vexa::test::PaymentTest;

namespace {

TEST_F(PaymentTest, LatePaymentsOfTheCurrentRegime) {
    const QDate due(2024, 6, 10);
    struct Case {
        QDate paid;
        double multa, juros;
    } cases[] = {
        {QDate(2024, 6, 10), 0, 0},                     // on the due date
        {QDate(2024, 6, 20), 33.0, 0},                  // 10 days: 3,3 %, no SELIC within the due month
        {QDate(2024, 7, 10), 99.0, 1099.0 * 0.0079},    // 30 days: still the daily rate, SELIC of June
        {QDate(2024, 7, 11), 100.0, 1100.0 * 0.0079},   // 31 days: the flat 10 %
        {QDate(2024, 6, 5), 0, 0},                      // before the due date
    };
    for (const Case& c : cases) {
        const SlipAmounts a = amountsOfPrincipal(1000, due, c.paid);
        SCOPED_TRACE(c.paid.toString().toStdString());
        EXPECT_EQ(a.AtualizacaoMonetaria, 0);
        EXPECT_NEAR(a.Multa, c.multa, 1e-9);
        EXPECT_NEAR(a.Juros, c.juros, 1e-9);
        EXPECT_NEAR(a.ccVlTotal, 1000 + c.multa + c.juros, 1e-9);
    }
}

TEST_F(PaymentTest, DebtOfTheOldRegimeIsCorrectedAndChargedAcrossBothRegimes) {
    // Due 15/03/2023, paid 20/03/2024: IGP-DI 1000 -> 1010 corrects by 1 %; two
    // months of 1 % on the corrected base; then SELIC May 2023 to February 2024.
    const SlipAmounts a = amountsOfPrincipal(1000, QDate(2023, 3, 15), QDate(2024, 3, 20));
    EXPECT_NEAR(a.AtualizacaoMonetaria, 10.0, 1e-9);
    EXPECT_NEAR(a.Multa, 101.0, 1e-9);
    EXPECT_NEAR(a.Juros, 1010 * 2 / 100.0 + (1010 + 101) * 0.10, 1e-9);
    EXPECT_NEAR(a.ccVlTotal, 1000 + 10 + 101 + 20.2 + 111.1, 1e-9);

    // Paid within 30 days of an April 2023 due date: 0,2 % a day to 30/04, 0,33 % after.
    EXPECT_NEAR(CalculaMulta(1000, QDate(2023, 4, 20), QDate(2023, 5, 10)), 1000 * (0.2 * 10 + 0.33 * 10) / 100, 1e-9);

    // A missing IGP-DI month takes the next month held: March gone, April against April.
    setIndex(kIndiceIGPDI, QDate(2023, 3, 1), NAN);
    EXPECT_EQ(CalculaAtualizacaoMonetaria(1000, QDate(2023, 3, 15), QDate(2024, 3, 20)), 0);
    // Without the April 2023 index there is nothing to correct by (never a SELIC row in its place).
    setIndex(kIndiceIGPDI, QDate(2023, 4, 1), NAN);
    EXPECT_EQ(CalculaAtualizacaoMonetaria(1000, QDate(2023, 2, 15), QDate(2024, 3, 20)), 0);
}

TEST_F(PaymentTest, WithoutDueDateNothingIsCharged) {
    const SlipAmounts a = amountsOfPrincipal(1000, QDate(), QDate(2024, 3, 20));
    EXPECT_EQ(a.AtualizacaoMonetaria + a.Multa + a.Juros, 0);
    EXPECT_EQ(a.ccVlTotal, 1000);
    // Without a payment date the current regime charges no interest.
    EXPECT_EQ(CalculaJuros(1000, 0, QDate(2024, 6, 10), QDate()), 0);
    EXPECT_EQ(SomaSelic(QDate(2024, 6, 10), QDate(2024, 6, 30)), 0);
    // June and July for a payment in August; nothing for August itself.
    EXPECT_NEAR(SomaSelic(QDate(2024, 6, 30), QDate(2024, 8, 1)), 0.0079 + 0.01, 1e-12);
}

TEST_F(PaymentTest, PrincipalByKindFromTheDeclaration) {
    addDeclaration(test::kIE, "2024", "11", "00",
                   {{"C51", 1000}, {"C52", 100}, {"C61", 300}, {"C72", 50}, {"C76", 40}, {"C77", 9.99},
                    {"C79", 50}, {"C710", 0}, {"C713", 30}, {"C714", 19.99}, {"C83", 500}, {"C84", 100},
                    {"C85", 50}});
    addDeclaration(test::kIE, "2024", "12", "00", {{"C76", 49.99}, {"C79", 25}, {"C713", 0.01}, {"C51", 10}, {"C61", 20}});
    addDeclaration(test::kIE, "2024", "10", "00", {{"C76", 30.10}, {"C77", 19.90}, {"C83", 10}, {"C84", 20}});
    exec("INSERT INTO ICMSRecolher (IE, Ano, Mes, Retificacao, TipoApuracao, DtVencimento, Valor) VALUES "
         "(?, '2024', '11', '00', 'P', '2024-12-10', 70), (?, '2024', '11', '00', 'P', '2024-12-20', 5.5), "
         "(?, '2024', '11', '00', 'S', '2024-12-10', 999)",
         {test::kIE, test::kIE, test::kIE});

    struct Case {
        const char* mes;
        int tipo;
        double principal;
    } cases[] = {
        {"11", 0, 750},      // 1.100 debits - 300 credits - 50 deductions
        {"11", 2, 0},        // 49,99 carried in November
        {"12", 2, 49.99},    // ... but due in December
        {"10", 2, 50.00},    // 30,10 + 19,90 is 50,00
        {"11", 4, 50.00},
        {"12", 4, 25},
        {"11", 5, 0},        // 30,00 + 19,99 carried
        {"12", 5, 0.01},
        {"11", 3, 350},
        {"10", 3, 0},        // credits above the substitution debit
        {"12", 0, 0},        // credits above debits, no deductions
        {"11", 6, 75.5},     // item 9.6 rows only
        {"12", 6, 0},
        {"11", 1, 0},        // a standalone kind has no principal here
        {"11", 9, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mes) + " kind " + std::to_string(c.tipo));
        EXPECT_NEAR(CalculaValorReceita(test::kIE, c.mes, c.tipo, "00", "2024"), c.principal, 1e-9);
    }
    // No declaration row: 0 for every kind.
    EXPECT_EQ(CalculaValorReceita(test::kIE, "09", 0, "00", "2024"), 0);
    EXPECT_EQ(CalculaValorReceita(test::kIE, "11", 0, "01", "2024"), 0);
}

TEST(IssuePeriod, UpToJanuary2025) {
    EXPECT_TRUE(PeriodBeforeCutover("012025"));
    EXPECT_FALSE(PeriodBeforeCutover("022025"));
    EXPECT_EQ(payment::issueLimitText(), "Impressão do DARE valida até referência 01/2025");
}

} // namespace
