// The bar-code number, its parts and the digitable line, against numbers
// worked out by hand from the collection layout.

#include "payment/SlipCode.h"

#include <QDate>
#include <gtest/gtest.h>

using namespace vexa::payment;

namespace {

BarcodeInput input(double total, double receita, double juros, double multa, const QString& dist, const QString& id,
                   const QString& nosso, SlipOrigin origin = SlipOrigin::Linked) {
    BarcodeInput in;
    in.ccVlTotal = total;
    in.Vl_Receita = receita;
    in.Juros = juros;
    in.Multa = multa;
    in.Distribuicao = dist;
    in.TributoID = id;
    in.NossoNumero = nosso;
    in.origin = origin;
    return in;
}

TEST(SlipCode, NossoNumeroOfLinkedAndStandaloneSlips) {
    EXPECT_EQ(nossoNumeroLinked("072024", "291234567"), "24112345607");
    EXPECT_EQ(nossoNumeroStandalone("072024", "291234567", "6"), "24612345607");
    EXPECT_EQ(nossoNumeroStandalone("072024", "291234567", ""), "24012345607");
}

TEST(SlipCode, BarcodeNumbersAndTheirDigitableLines) {
    struct Case {
        BarcodeInput in;
        const char* codBar;
        const char* linha;
    } cases[] = {
        // 1.234,56 with neither penalty nor interest: value field 00000123456, shares 0000 00 00.
        {input(1234.56, 1234.56, 0, 0, "1", "10", "24112345607"), "85670000012345601741302411234560711000000000",
         "85670000012-3   34560174130-8   24112345607-1   11000000000-7"},
        // 900,00 + 50,00 interest + 50,00 penalty: shares 9000, 05, 05.
        {input(1000, 900, 50, 50, "2", "20", "24112345607"), "85610000010000000272302411234560712090000505",
         "85610000010-3   00000027230-2   24112345607-1   12090000505-5"},
        // A standalone slip whose 43 digits weigh a multiple of ten: check digit 0.
        {input(1.08, 1.08, 0, 0, "3", "62", "24612345607", SlipOrigin::Standalone),
         "85600000000010801733312461234560716200000000",
         "85600000000-5   01080173331-1   24612345607-0   16200000000-8"},
    };
    for (const Case& c : cases) {
        const QString codBar = CodBar(c.in);
        EXPECT_EQ(codBar, c.codBar);
        EXPECT_EQ(LinhaDigitavel(codBar), c.linha);
    }
}

TEST(SlipCode, SharesAndCollectorCodes) {
    struct Case {
        double receita, juros, multa, total;
        const char *p, *j, *m;
    } cases[] = {
        {900, 50, 50, 1000, "9000", "05", "05"},
        {1000, 0, 0, 1000, "0000", "00", "00"},           // 100 % of the total
        {0, 10, 10, 20, "0000", "00", "00"},              // no principal
        {55.55, 33.33, 11.12, 100, "5555", "33", "11"},
        {99.996, 0.004, 0, 100, "0000", "00", "00"},      // the principal's share rounds to 100,00
    };
    for (const Case& c : cases) {
        const BarcodeShares s = barcodeShares(c.receita, c.juros, c.multa, c.total);
        EXPECT_EQ(s.P, c.p);
        EXPECT_EQ(s.J, c.j);
        EXPECT_EQ(s.M, c.m);
    }
    const QStringList codes = {collectorCode("1"), collectorCode("2"), collectorCode("3"), collectorCode("4"),
                               collectorCode("5"), collectorCode("")};
    EXPECT_EQ(codes, (QStringList{"0174", "0027", "0173", "0175", "", ""}));
}

TEST(SlipCode, NumbersThatCannotBeFormedAreLeftEmpty) {
    // 99.999.999,99 is the largest total a slip may carry.
    EXPECT_EQ(CodBar(input(99999999.99, 99999999.99, 0, 0, "1", "10", "24112345607")).mid(4, 11), "09999999999");
    EXPECT_TRUE(totalAboveLimit(100000000.00));
    EXPECT_FALSE(totalAboveLimit(99999999.994));
    EXPECT_EQ(CodBar(input(100000000.00, 100000000.00, 0, 0, "1", "10", "24112345607")), "");
    EXPECT_EQ(CodBar(input(100, 100, 0, 0, "5", "10", "24112345607")), "");   // unknown distribution class
    EXPECT_EQ(CodBar(input(100, 100, 0, 0, "1", "", "24112345607")), "");
    EXPECT_EQ(CodBar(input(100, 100, 0, 0, "1", "10", "2411234560")), "");
    EXPECT_EQ(LinhaDigitavel("8567"), "");
}

TEST(SlipCode, DueDateNote) {
    const QDate due(2024, 3, 20);
    EXPECT_EQ(Obs4(due, QDate(2024, 3, 18)), "Data limite para pagamento 20/03/2024.");
    EXPECT_EQ(Obs4(due, due), "Data limite para pagamento 20/03/2024.");
    EXPECT_EQ(Obs4(due, QDate(2024, 3, 25)), "Data limite para pagamento 25/03/2024.");
    EXPECT_EQ(Obs4(QDate(), QDate(2024, 3, 25)), "Data limite para pagamento 25/03/2024.");
}

} // namespace
