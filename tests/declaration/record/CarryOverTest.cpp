// Values a new declaration takes over from the previous month: 6.4, 7.7,
// 7.10, 7.14, the code-98 reinstatement and the meter kind; January and the
// previous month's latest rectification.

#include "RecordFixture.h"

#include "declaration/CarryOver.h"
#include "declaration/DeclarationService.h"

using namespace vexa;
using namespace vexa::decl;
using vexa::test::RecordTest;
using vexa::test::kIE;

namespace {

class CarryOverTest : public RecordTest {
protected:
    void SetUp() override {
        RecordTest::SetUp();
        addTaxpayer();
    }
    static void credit98(const DeclarationKey& k, double valor) {
        exec("INSERT INTO OutrosCred (IE, Ano, Mes, Retificacao, CodLei, Valor) VALUES (?, ?, ?, ?, 98, ?)",
             {k.ie, k.ano, k.mes, k.retificacao, valor});
    }
    static double debit98(const DeclarationKey& k) {
        return value("SELECT sum(Valor) FROM OutrosDeb WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ? "
                     "AND CodLei = 98",
                     {k.ie, k.ano, k.mes, k.retificacao});
    }
};

TEST_F(CarryOverTest, SmallDifferentialsAreCarriedOnlyBelow50) {
    store(kIE, "2024", "02", "00", [](VexaRow& r) {
        r.C76 = 30;
        r.C77 = 15;
        r.C79 = 20;
        r.C710 = 29.99;
        r.C713 = 40;
        r.C714 = 10;
    });
    VexaRow march = prepareNewDeclaration({kIE, "2024", "03", "00"});
    EXPECT_DOUBLE_EQ(march.C77, 45.0);
    EXPECT_DOUBLE_EQ(march.C710, 49.99);
    EXPECT_DOUBLE_EQ(march.C714, 0.0) << "40 + 10 reaches 50: due in February itself";

    store(kIE, "2024", "04", "00", [](VexaRow& r) {
        r.C76 = 40;
        r.C77 = 15;
    });
    EXPECT_DOUBLE_EQ(prepareNewDeclaration({kIE, "2024", "05", "00"}).C77, 0.0);
}

TEST_F(CarryOverTest, CreditBalanceIsCarriedOnlyWhenCreditExceedsDebit) {
    store(kIE, "2024", "02", "00", [](VexaRow& r) {
        r.C51 = 60;
        r.C52 = 30;
        r.C53 = 10;
        r.C61 = 100;
        r.C64 = 30;
    });
    EXPECT_DOUBLE_EQ(prepareNewDeclaration({kIE, "2024", "03", "00"}).C64, 30.0);
    store(kIE, "2024", "04", "00", [](VexaRow& r) {
        r.C51 = 130;
        r.C61 = 50;
        r.C62 = 25;
        r.C63 = 25;
    });
    EXPECT_DOUBLE_EQ(prepareNewDeclaration({kIE, "2024", "05", "00"}).C64, 0.0);
    EXPECT_DOUBLE_EQ(prepareNewDeclaration({kIE, "2024", "07", "00"}).C64, 0.0) << "no June declaration";
}

TEST_F(CarryOverTest, JanuaryTakesCreditAndCode98FromDecemberButNoDifferentials) {
    const VexaRow december = store(kIE, "2023", "12", "00", [](VexaRow& r) {
        r.C61 = 500;
        r.C51 = 200;
        r.C76 = 10;
        r.C79 = 10;
        r.C713 = 10;
    });
    credit98(december.key(), 12.34);
    VexaRow january = prepareNewDeclaration({kIE, "2024", "01", "00"});
    EXPECT_DOUBLE_EQ(january.C64, 300.0);
    EXPECT_DOUBLE_EQ(january.C52, 12.34);
    EXPECT_DOUBLE_EQ(january.C77, 0.0);
    EXPECT_DOUBLE_EQ(january.C710, 0.0);
    EXPECT_DOUBLE_EQ(january.C714, 0.0);
}

TEST_F(CarryOverTest, TheHighestRectificationOfThePreviousMonthCounts) {
    store(kIE, "2024", "02", "00", [](VexaRow& r) { r.C76 = 10; r.C61 = 999; });
    const VexaRow latest = store(kIE, "2024", "02", "01", [](VexaRow& r) { r.C76 = 20; r.C61 = 100; });
    credit98({kIE, "2024", "02", "00"}, 5);
    credit98(latest.key(), 7);
    EXPECT_EQ(previousDeclaration({kIE, "2024", "03", "00"}).retificacao, "01");
    VexaRow march = prepareNewDeclaration({kIE, "2024", "03", "00"});
    EXPECT_DOUBLE_EQ(march.C77, 20.0);
    EXPECT_DOUBLE_EQ(march.C64, 100.0);
    EXPECT_DOUBLE_EQ(march.C52, 7.0);
}

TEST_F(CarryOverTest, RateComplementStartsAtZeroBefore032012) {
    store(kIE, "2012", "01", "00", [](VexaRow& r) { r.C79 = 10; });
    store(kIE, "2012", "02", "00", [](VexaRow& r) { r.C79 = 10; });
    EXPECT_DOUBLE_EQ(prepareNewDeclaration({kIE, "2012", "02", "01"}).C710, 0.0);
    EXPECT_DOUBLE_EQ(prepareNewDeclaration({kIE, "2012", "03", "00"}).C710, 10.0);
}

TEST_F(CarryOverTest, Code98CreditBelow50IsReinstatedAsOtherDebitFrom092012) {
    const VexaRow august = store(kIE, "2012", "08", "00");
    credit98(august.key(), 30);
    store(kIE, "2012", "07", "00");
    credit98({kIE, "2012", "07", "00"}, 30);

    VexaRow september = prepareNewDeclaration({kIE, "2012", "09", "00"});
    EXPECT_DOUBLE_EQ(september.C52, 30.0);
    EXPECT_EQ(debit98(september.key()), 0.0) << "nothing is written before the save";
    SaveResult saved = postDeclaration(september, true);
    ASSERT_TRUE(saved.ok()) << saved.error.toStdString();
    EXPECT_DOUBLE_EQ(debit98(september.key()), 30.0);
    EXPECT_DOUBLE_EQ(loadVexa(september.key())->C52, 30.0);

    EXPECT_DOUBLE_EQ(prepareNewDeclaration({kIE, "2012", "08", "01"}).C52, 0.0) << "08/2012 is before the rule";

    // 50,00 or more was due in its own month: nothing to reinstate.
    const VexaRow october = store(kIE, "2012", "10", "00");
    credit98(october.key(), 50);
    EXPECT_DOUBLE_EQ(prepareNewDeclaration({kIE, "2012", "11", "00"}).C52, 0.0);

    // A code-98 debit already there is not doubled.
    const VexaRow december = store(kIE, "2012", "12", "00");
    credit98(december.key(), 20);
    exec("INSERT INTO OutrosDeb (IE, Ano, Mes, Retificacao, CodLei, Valor) VALUES (?, '2013', '01', '00', 98, 20)",
         {kIE});
    VexaRow january = prepareNewDeclaration({kIE, "2013", "01", "00"});
    ASSERT_TRUE(postDeclaration(january, true).ok());
    EXPECT_EQ(count("SELECT count(*) FROM OutrosDeb WHERE Ano = '2013' AND CodLei = 98"), 1);
}

TEST_F(CarryOverTest, MeterKindComesFromTheLastStoredDeclaration) {
    EXPECT_TRUE(prepareNewDeclaration({kIE, "2024", "03", "00"}).TipoEncerrante.isEmpty());
    store(kIE, "2023", "12", "00", [](VexaRow& r) { r.TipoEncerrante = "M"; });
    store(kIE, "2024", "01", "00", [](VexaRow& r) { r.TipoEncerrante = "E"; });
    store(kIE, "2023", "05", "00", [](VexaRow& r) { r.TipoEncerrante = "M"; });
    EXPECT_EQ(prepareNewDeclaration({kIE, "2024", "03", "00"}).TipoEncerrante, "E");
}

} // namespace
