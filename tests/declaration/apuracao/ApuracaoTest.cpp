// The ICMS apuração of a declaration row: every item to the cent on a worked
// example, the small-balance rule with its December exception, the item 3.9
// text, the presentation by regime and period, the list editors that may
// open, and the law codes valid on the declaration's first day.

#include "declaration/Apuracao.h"

#include "common/Money.h"

#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::decl;

namespace {

VexaRow row(const char* mes, const char* ano = "2024", const char* ret = "00") {
    return newVexaRow({QStringLiteral("290000009"), QString::fromLatin1(ano), QString::fromLatin1(mes),
                       QString::fromLatin1(ret)});
}

TEST(Apuracao, WorkedExampleToTheCent) {
    VexaRow r = row("03", "2024", "02");
    r.C51 = 12345.67;
    r.C52 = 98.76;
    r.C53 = 0.05;
    r.C61 = 4321.09;
    r.C62 = 123.45;
    r.C63 = 10.10;
    r.C64 = 1000.01;
    r.C72 = 250.25;
    r.C76 = 30.10;
    r.C77 = 19.90;   // 50,00 exactly: due in the month
    r.C79 = 12.34;
    r.C710 = 0.66;   // 13,00: carried
    r.C713 = 45.45;
    r.C714 = 4.54;   // 49,99: carried
    r.C83 = 700.00;
    r.C84 = 650.40;
    r.C85 = 49.61;   // 8.6 = -0,01: a credit of one cent
    const Apuracao a = computeApuracao(r);
    auto cents = [](double v) { return money::toCents(v); };
    EXPECT_EQ(cents(a.C54), 1244448);
    EXPECT_EQ(cents(a.C65), 545465);
    EXPECT_EQ(cents(a.C71), 698983);
    EXPECT_EQ(cents(a.C73), 673958);
    EXPECT_EQ(cents(a.C75), 0);
    EXPECT_EQ(cents(a.C74), 5000);
    EXPECT_EQ(cents(a.C78), 0);
    EXPECT_EQ(cents(a.C711), 1300);
    EXPECT_EQ(cents(a.C712), 0);
    EXPECT_EQ(cents(a.C715), 4999);
    EXPECT_EQ(cents(a.C716), 0);
    EXPECT_EQ(cents(a.C86), 0);
    EXPECT_EQ(cents(a.C87), 1);
    EXPECT_EQ(a.VexaRetificadora, "3.9 VEXA RETIFICADORA 02");
    EXPECT_EQ(money::format(a.C73), "6.739,58");
}

TEST(Apuracao, DebitCreditAndDeductions) {
    VexaRow r = row("03");
    r.C51 = 1000;
    r.C61 = 1200;
    Apuracao a = computeApuracao(r);
    EXPECT_EQ(a.C71, 0.0);
    EXPECT_EQ(a.C75, 200.0);
    EXPECT_EQ(a.C73, 0.0);
    r.C72 = 10;
    EXPECT_EQ(computeApuracao(r).C73, -10.0) << "7.3 = - deductions when there is no debit balance";

    r.C61 = 400;
    r.C72 = 100;
    a = computeApuracao(r);
    EXPECT_EQ(a.C71, 600.0);
    EXPECT_EQ(a.C73, 500.0);
    EXPECT_EQ(a.C75, 0.0);
}

TEST(Apuracao, SmallBalancesAreCarriedExceptInDecember) {
    VexaRow march = row("03");
    march.C76 = 30;
    march.C77 = 10;
    Apuracao a = computeApuracao(march);
    EXPECT_EQ(a.C74, 0.0);
    EXPECT_EQ(a.C78, 40.0);

    VexaRow december = march;
    december.Mes = "12";
    a = computeApuracao(december);
    EXPECT_EQ(a.C74, 40.0);
    EXPECT_EQ(a.C78, 0.0);

    march.C76 = 50;
    march.C77 = 0;
    EXPECT_EQ(computeApuracao(march).C74, 50.0);

    // The same rule for the rate complement and the final-consumer differential.
    VexaRow other = row("11");
    other.C79 = 49.99;
    other.C713 = 50;
    a = computeApuracao(other);
    EXPECT_EQ(a.C711, 49.99);
    EXPECT_EQ(a.C712, 0.0);
    EXPECT_EQ(a.C716, 50.0);
    EXPECT_EQ(a.C715, 0.0);
    other.Mes = "12";
    a = computeApuracao(other);
    EXPECT_EQ(a.C712, 49.99);
    EXPECT_EQ(a.C711, 0.0);

    EXPECT_TRUE(isSmallBalance(49.99));
    EXPECT_FALSE(isSmallBalance(49.999));   // 50,00 once rounded
    EXPECT_FALSE(isSmallBalance(0.004));
    EXPECT_FALSE(isSmallBalance(-10));
}

TEST(Apuracao, SubstitutionResult) {
    VexaRow r = row("03");
    r.C83 = 100;
    r.C84 = 80;
    r.C85 = 30;
    Apuracao a = computeApuracao(r);
    EXPECT_EQ(a.C86, 0.0);
    EXPECT_EQ(a.C87, 10.0);
    r.C85 = 0;
    a = computeApuracao(r);
    EXPECT_EQ(a.C86, 20.0);
    EXPECT_EQ(a.C87, 0.0);
}

TEST(Apuracao, RectificationText) {
    EXPECT_EQ(vexaRetificadoraText("00"), QStringLiteral("3.9 VEXA NÃO RETIFICADORA"));
    EXPECT_EQ(vexaRetificadoraText("01"), "3.9 VEXA RETIFICADORA 01");
    EXPECT_EQ(vexaRetificadoraText("12"), "3.9 VEXA RETIFICADORA 12");
}

TEST(ApuracaoPresentation, ByRegimeAndPeriod) {
    const DeclarationKey y2015{"290000009", "2015", "12", "00"};
    const ApuracaoPresentation normal = apuracaoPresentation("N", y2015);
    EXPECT_TRUE(normal.debitCreditTyped);
    EXPECT_TRUE(normal.otherListsEnabled);
    EXPECT_TRUE(normal.listTotalsReadOnly);
    EXPECT_TRUE(normal.items79to712Visible);
    EXPECT_FALSE(normal.items79to712Enabled);
    EXPECT_TRUE(normal.items79to712LabelsGrey);
    EXPECT_FALSE(normal.list791Visible);
    EXPECT_FALSE(normal.items713to716Enabled);
    EXPECT_EQ(normal.focusField, "C76");

    const ApuracaoPresentation simples2012 = apuracaoPresentation("S", {"290000009", "2012", "02", "00"});
    EXPECT_FALSE(simples2012.debitCreditTyped);
    EXPECT_FALSE(simples2012.otherListsEnabled);
    EXPECT_FALSE(simples2012.items5to73Enabled);
    EXPECT_FALSE(simples2012.list791Enabled);
    EXPECT_FALSE(simples2012.items79to712Enabled);

    const ApuracaoPresentation simplesMarch = apuracaoPresentation("S", {"290000009", "2012", "03", "00"});
    EXPECT_TRUE(simplesMarch.list791Enabled);
    EXPECT_TRUE(simplesMarch.items79to712Enabled);
    EXPECT_FALSE(simplesMarch.items79to712LabelsGrey);

    EXPECT_TRUE(apuracaoPresentation("S", {"290000009", "2016", "01", "00"}).items713to716Enabled);
    EXPECT_TRUE(apuracaoPresentation("N", {"290000009", "2016", "01", "00"}).items713to716Enabled);

    EXPECT_TRUE(apuracaoPresentation("N", {"290000009", "2009", "01", "00"}).item64Editable);
    EXPECT_FALSE(apuracaoPresentation("N", {"290000009", "2009", "02", "00"}).item64Editable);
}

TEST(ApuracaoPresentation, ListEditorsThatMayOpen) {
    const DeclarationKey feb2012{"290000009", "2012", "02", "00"};
    const DeclarationKey mar2012{"290000009", "2012", "03", "00"};
    EXPECT_FALSE(canOpenList(ListEditor::AliquotaComp, "S", feb2012));
    EXPECT_TRUE(canOpenList(ListEditor::AliquotaComp, "S", mar2012));
    EXPECT_FALSE(canOpenList(ListEditor::AliquotaComp, "N", mar2012));
    EXPECT_FALSE(canOpenList(ListEditor::AliquotaConsumidor, "N", {"290000009", "2015", "12", "00"}));
    EXPECT_TRUE(canOpenList(ListEditor::AliquotaConsumidor, "N", {"290000009", "2016", "01", "00"}));
    for (ListEditor l : {ListEditor::OutrosDeb, ListEditor::OutrosCred, ListEditor::Deducoes}) {
        EXPECT_TRUE(canOpenList(l, "N", feb2012));
        EXPECT_FALSE(canOpenList(l, "S", feb2012));
    }
    EXPECT_TRUE(canOpenList(ListEditor::Aliquota, "S", feb2012));
    EXPECT_EQ(listTotalColumn(ListEditor::AliquotaConsumidor), "C713");
}

TEST(LawCodes, ValidOnTheDeclarationsFirstDay) {
    const QDate first = declarationFirstDay({"290000009", "2024", "03", "00"});
    EXPECT_EQ(first, QDate(2024, 3, 1));
    EXPECT_FALSE(isLawCodeValid(QDate(2020, 1, 1), QDate(2024, 2, 29), first)) << "ended the day before";
    EXPECT_TRUE(isLawCodeValid(QDate(2020, 1, 1), QDate(2024, 3, 1), first));
    EXPECT_TRUE(isLawCodeValid(QDate(2020, 1, 1), QDate(), first)) << "no end";
    EXPECT_TRUE(isLawCodeValid(QDate(2024, 3, 1), QDate(), first));
    EXPECT_FALSE(isLawCodeValid(QDate(2024, 3, 2), QDate(), first)) << "starts later in the month";
    EXPECT_FALSE(isLawCodeValid(QDate(), QDate(), first));
}

} // namespace
