// The save of the declaration: the checks of the first sheet (change of
// domicile), of "Itens 17 - 18.4" and of "Itens 5 - 8.7" in their order with
// their messages and fields, and the posting rules of a new declaration.

#include "RecordFixture.h"

#include "declaration/DeclarationChecks.h"
#include "declaration/DeclarationService.h"

using namespace vexa;
using namespace vexa::decl;
using vexa::test::RecordTest;
using vexa::test::kCPFOk;
using vexa::test::kIE;

namespace {

class SaveTest : public RecordTest {
protected:
    void SetUp() override {
        RecordTest::SetUp();
        addTaxpayer();
        city_ = taxpayerCity();
        ASSERT_NE(city_, 0);
    }
    // A March 2024 declaration that moved from another municipality on the 15th.
    VexaRow moved() const {
        VexaRow r = newVexaRow({kIE, "2024", "03", "00"});
        r.MudaDomicilio = "S";
        r.CidadeB = otherCity(city_);
        r.DtIniB = QDate(2024, 3, 1);
        r.DtFimB = QDate(2024, 3, 14);
        r.DtIniA = QDate(2024, 3, 15);
        r.DtFimA = QDate(2024, 3, 31);
        return r;
    }
    qint64 city_ = 0;
};

TEST_F(SaveTest, DomicileChecksInTheirOrder) {
    VexaRow r = newVexaRow({kIE, "2024", "03", "00"});
    EXPECT_EQ(checkDomicile(r).message, vexa_msg::InformeMudanca);
    EXPECT_EQ(checkDomicile(r).field, "MudaDomicilio");
    r.MudaDomicilio = "N";
    EXPECT_TRUE(checkDomicile(r).ok()) << "no change: nothing else is asked";

    EXPECT_TRUE(checkDomicile(moved()).ok()) << "B 1st to 14th, A 15th to 31st";

    struct Case {
        std::function<void(VexaRow&)> change;
        QString message;
        QString field;
    };
    const std::vector<Case> cases = {
        {[&](VexaRow& x) { x.CidadeB = city_; }, vexa_msg::MunicipioIgual, "CidadeB"},
        {[](VexaRow& x) { x.DtIniA = {}; x.CidadeB = 0; }, vexa_msg::DtIniAVazia, "DtIniA"},
        {[](VexaRow& x) { x.DtFimA = {}; x.CidadeB = 0; }, vexa_msg::DtFimAVazia, "DtFimA"},
        {[](VexaRow& x) { x.CidadeB = 0; x.DtIniB = {}; }, vexa_msg::CidadeBVazia, "CidadeB"},
        {[](VexaRow& x) { x.DtIniB = {}; x.DtFimB = {}; }, vexa_msg::DtIniBVazia, "DtIniB"},
        {[](VexaRow& x) { x.DtFimB = {}; }, vexa_msg::DtFimBVazia, "DtFimB"},
        {[](VexaRow& x) { x.DtFimA = QDate(2024, 3, 10); }, vexa_msg::DataInicialMaior, "DtFimA"},
        {[](VexaRow& x) { x.DtFimB = QDate(2024, 2, 28); }, vexa_msg::DataInicialMaior, "DtFimB"},
        {[](VexaRow& x) { x.DtIniA = QDate(2024, 3, 16); }, vexa_msg::DatasInvalidas, "DtIniA"},
        {[](VexaRow& x) { x.DtIniA = QDate(2024, 3, 14); }, vexa_msg::DatasInvalidas, "DtIniA"},
        {[](VexaRow& x) { x.DtIniB = QDate(2024, 2, 20); }, vexa_msg::DatasForaPeriodo, "DtIniB"},
        {[](VexaRow& x) { x.DtFimA = QDate(2024, 4, 2); }, vexa_msg::DatasForaPeriodo, "DtFimA"},
        {[](VexaRow& x) {
             x.DtIniB = QDate(2025, 3, 1);
             x.DtFimB = QDate(2025, 3, 14);
             x.DtIniA = QDate(2025, 3, 15);
             x.DtFimA = QDate(2025, 3, 31);
         },
         vexa_msg::DatasForaPeriodo, "DtIniA"},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        VexaRow x = moved();
        cases[i].change(x);
        const CheckResult c = checkDomicile(x);
        EXPECT_EQ(c.message, cases[i].message) << "case " << i;
        EXPECT_EQ(c.field, cases[i].field) << "case " << i;
    }
}

TEST_F(SaveTest, DeclarantSheetChecksInTheirOrder) {
    addAccountant("1SP123456", "SP");
    VexaRow r = newVexaRow({kIE, "2024", "03", "00"});
    r.MudaDomicilio = "N";
    r.UF = "XX";
    EXPECT_EQ(saveDeclaration(r, true, Sheet::Itens17a184).check.message, vexa_msg::UFInvalida);
    r.UF = "SP";
    EXPECT_EQ(checkDeclarantSheet(r).message, vexa_msg::CPFVazio);
    r.CPF = "52998224724";
    EXPECT_EQ(checkDeclarantSheet(r).message, vexa_msg::CPFInvalido);
    r.CPF = kCPFOk;
    EXPECT_EQ(checkDeclarantSheet(r).message, vexa_msg::NomeVazio);
    r.NomeResponsavel = "JOSÉ";
    r.CRCContador = "1SP999999";
    EXPECT_EQ(checkDeclarantSheet(r).message, vexa_msg::CRCNaoLocalizado);
    EXPECT_EQ(checkDeclarantSheet(r).field, "CRCContador");
    r.CRCContador = "1SP123456";
    EXPECT_TRUE(checkDeclarantSheet(r).ok());
    EXPECT_TRUE(checkSave(r, Sheet::Item41).ok()) << "the declarant is checked only on its own sheet";
    r.MudaDomicilio.clear();
    EXPECT_EQ(checkSave(r, Sheet::Itens17a184).message, vexa_msg::InformeMudanca) << "domicile comes first";
}

TEST_F(SaveTest, TaxToPayBelow50IsRefusedExceptInDecember) {
    auto withTax = [](const char* mes, double tax) {
        VexaRow r = newVexaRow({kIE, "2024", mes, "00"});
        r.MudaDomicilio = "N";
        r.C51 = tax;
        return r;
    };
    VexaRow november = withTax("11", 49.99);
    const CheckResult refused = checkApuracaoSheet(november);
    EXPECT_EQ(refused.message, vexa_msg::Item73Inferior50);
    EXPECT_EQ(refused.field, "C73");
    VexaRow december = withTax("12", 49.99);
    EXPECT_TRUE(checkApuracaoSheet(december).ok());
    for (double ok : {0.0, 50.0, 0.004}) {
        VexaRow r = withTax("11", ok);
        EXPECT_TRUE(checkApuracaoSheet(r).ok()) << ok;
    }
    VexaRow stored = withTax("11", 49.99);
    EXPECT_EQ(saveDeclaration(stored, true, Sheet::Itens5a87).check.message, vexa_msg::Item73Inferior50);
    EXPECT_FALSE(vexaExists(stored.key()));
    EXPECT_TRUE(saveDeclaration(stored, true, Sheet::Itens2a39).ok()) << "checked only on its own sheet";
}

TEST_F(SaveTest, ApuracaoSheetChecksDeductionsAndSubstitution) {
    VexaRow r = newVexaRow({kIE, "2024", "03", "00"});
    r.MudaDomicilio = "N";
    r.C51 = 1000;
    r.C61 = 1200;
    r.C72 = 0.01;
    EXPECT_EQ(checkApuracaoSheet(r).message, vexa_msg::DeducoesComCredito);
    EXPECT_EQ(checkApuracaoSheet(r).field, "C72");
    r.C72 = 0;
    EXPECT_TRUE(checkApuracaoSheet(r).ok());

    r.C61 = 400;
    r.C72 = 600.01;
    EXPECT_EQ(checkApuracaoSheet(r).message, vexa_msg::DeducoesMaiorSaldo);
    r.C72 = 600.004;   // rounds to 600,00: equal to 7.1
    EXPECT_TRUE(checkApuracaoSheet(r).ok());
    EXPECT_DOUBLE_EQ(r.C72, 600.0);

    r.C72 = 100;
    r.C83 = 100;
    r.C84 = 60;
    EXPECT_EQ(checkApuracaoSheet(r).message, vexa_msg::Item86Inferior50);
    EXPECT_EQ(item83Warning(r), vexa_msg::Item86Inferior50);
    r.C85 = 40;
    EXPECT_TRUE(checkApuracaoSheet(r).ok());
    EXPECT_TRUE(item83Warning(r).isEmpty());
}

TEST_F(SaveTest, PeriodBefore012009CannotBeStored) {
    VexaRow old = prepareNewDeclaration({kIE, "2008", "12", "00"});
    old.MudaDomicilio = "N";
    const SaveResult r = saveDeclaration(old, true, Sheet::Itens2a39);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.check.message, vexa_msg::PeriodoAnterior2009);
    EXPECT_FALSE(vexaExists(old.key()));
    VexaRow first = prepareNewDeclaration({kIE, "2009", "01", "00"});
    first.MudaDomicilio = "N";
    EXPECT_TRUE(saveDeclaration(first, true, Sheet::Itens2a39).ok());
}

TEST_F(SaveTest, NewDeclarationTakesTheAccountantOfTheLatestOne) {
    store(kIE, "2023", "05", "00", [](VexaRow& r) { r.CRCContador = "OLD"; });
    store(kIE, "2024", "01", "00", [](VexaRow& r) {
        r.CRCContador = "1SP123456";
        r.UF = "SP";
        r.CPF = kCPFOk;
        r.NomeResponsavel = "ANA D'ÁVILA";
    });
    store(kIE, "2024", "01", "01", [](VexaRow& r) { r.CRCContador = "LATEST"; r.UF = "MG"; });
    VexaRow r = prepareNewDeclaration({kIE, "2024", "03", "00"});
    r.MudaDomicilio = "N";
    ASSERT_TRUE(saveDeclaration(r, true, Sheet::Itens2a39).ok());
    const VexaRow back = *loadVexa(r.key());
    EXPECT_EQ(back.CRCContador, "LATEST");
    EXPECT_EQ(back.UF, "MG");
    EXPECT_TRUE(back.CPF.isEmpty());

    // An existing row keeps what it has.
    VexaRow edited = back;
    edited.CRCContador = "MINE";
    ASSERT_TRUE(saveDeclaration(edited, false, Sheet::Itens2a39).ok());
    EXPECT_EQ(loadVexa(r.key())->CRCContador, "MINE");
}

} // namespace
