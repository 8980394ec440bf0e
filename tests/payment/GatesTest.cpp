// The DARE of a declaration: finding or starting it, the save and print
// checks in their order with their messages and fields, delete and the consult.

#include "PaymentFixture.h"

#include "payment/ConsultaDare.h"
#include "payment/Gates.h"

#include <cmath>

using namespace vexa;
using namespace vexa::payment;
using vexa::test::PaymentTest;

namespace {

class GatesTest : public PaymentTest {
protected:
    void SetUp() override {
        PaymentTest::SetUp();
        addTaxpayer(test::kIE, "COMERCIAL VERDALENA LTDA");
        addDeclaration(test::kIE, "2024", "02", "00", {{"C51", 1000}});
        setDueDate("2024", "02", QDate(2024, 3, 11));
    }
};

TEST_F(GatesTest, ReferenceCheckFindsOrStartsTheSlipOfTheLatestRectification) {
    addDeclaration(test::kIE, "2024", "02", "01", {{"C51", 2000}});

    ReferenceResult r = referenceCheck(test::kIE, "02", "2024", true);
    ASSERT_EQ(r.outcome, ReferenceOutcome::New);
    EXPECT_EQ(r.dare.key, (DareKey{test::kIE, "2024", "02", "01"}));
    EXPECT_EQ(r.dare.DataPgto, QDate(2024, 3, 15));   // today
    EXPECT_EQ(count("SELECT count(*) FROM dare"), 0);  // nothing stored by looking

    Dare d = r.dare;
    d.CodigoTributo = "101";
    d.Obs1 = "d'Ávila";
    QString error;
    ASSERT_TRUE(saveDare(d, &error)) << error.toStdString();
    r = referenceCheck(test::kIE, "02", "2024", false);
    ASSERT_EQ(r.outcome, ReferenceOutcome::Shown);
    EXPECT_EQ(r.dare, d);

    // The revenue list follows the regime; a normal taxpayer sees no kind 4.
    for (const Tributo& t : r.revenues) EXPECT_NE(t.Tipo, 4) << t.CodigoID.toStdString();
}

TEST_F(GatesTest, ReferenceCheckRefusals) {
    addTaxpayer(test::kIE2, "SEM DECLARACAO");
    struct Case {
        QString ie, mes, ano;
        bool fromYear;
        ReferenceOutcome outcome;
        QString message, field;
    } cases[] = {
        {test::kIE, "02", "1999", true, ReferenceOutcome::YearBefore2000, dare_msg::AnoAnterior2000, "Ano"},
        {test::kIE, "02", "1999", false, ReferenceOutcome::NoDeclaration, dare_msg::SemVexa, "IE"},
        {"290000017", "02", "2024", true, ReferenceOutcome::TaxpayerNotFound, dare_msg::ContribuinteNaoLocalizado, "IE"},
        {test::kIE2, "02", "2024", true, ReferenceOutcome::NoDeclaration, dare_msg::SemVexa, "IE"},
        {test::kIE, "03", "2024", true, ReferenceOutcome::NoDeclaration, dare_msg::SemVexa, "IE"},
    };
    for (const Case& c : cases) {
        const ReferenceResult r = referenceCheck(c.ie, c.mes, c.ano, c.fromYear);
        SCOPED_TRACE(c.message.toStdString());
        EXPECT_EQ(r.outcome, c.outcome);
        EXPECT_EQ(r.check.message, c.message);
        EXPECT_EQ(r.check.field, c.field);
    }
}

TEST_F(GatesTest, SimplesNacionalListsNoIcmsOfThePeriodButAcceptsItTyped) {
    addTaxpayer(test::kIE2, "SIMPLES LTDA", "S");
    addDeclaration(test::kIE2, "2024", "02", "00");
    const ReferenceResult r = referenceCheck(test::kIE2, "02", "2024", true);
    ASSERT_TRUE(r.ok());
    QStringList kinds;
    for (const Tributo& t : r.revenues) kinds << QString::number(t.Tipo);
    EXPECT_FALSE(kinds.contains("0"));
    EXPECT_TRUE(kinds.contains("4"));
    EXPECT_TRUE(checkSave(dare(test::kIE2, "2024", "02", "00", "101", QDate(2024, 3, 15))).ok());
}

TEST_F(GatesTest, SaveChecksInOrder) {
    addTaxpayer(test::kIE2, "SEM MUNICIPIO", "N", "");
    addDeclaration(test::kIE2, "2024", "02", "00");
    addDeclaration(test::kIE, "2024", "03", "00");
    addDeclaration(test::kIE, "2024", "01", "00");
    addDeclaration(test::kIE, "2023", "12", "00");
    setDueDate("2024", "03", QDate(2024, 4, 10));
    setDueDate("2024", "01", QDate(2024, 2, 12));
    setDueDate("2023", "12", QDate());
    const QString beyond = QStringLiteral("Data para pagamento não pode ser superior a 31/03/2024");
    const QString past = QStringLiteral("Data para pagamento não pode ser menor que a Data Atual: 15/03/2024");
    struct Case {
        const char* what;
        Dare d;
        QString message, field;
    } cases[] = {
        {"unknown code", dare(test::kIE, "2024", "02", "00", "999", QDate(2024, 3, 15)), dare_msg::ReceitaNaoLocalizada, "CodigoTributo"},
        {"standalone code", dare(test::kIE, "2024", "02", "00", "150", QDate(2024, 3, 15)), dare_msg::ReceitaNaoLocalizada, "CodigoTributo"},
        {"no calendar row", dare(test::kIE, "2023", "12", "00", "101", QDate(2024, 3, 15)), dare_msg::SemVencimento, "Mes"},
        {"due next month", dare(test::kIE, "2024", "03", "00", "101", QDate(2024, 3, 20)), dare_msg::PagamentoAntesVencimento, "DataPgto"},
        {"next month", dare(test::kIE, "2024", "02", "00", "101", QDate(2024, 4, 1)), beyond, "DataPgto"},
        {"yesterday", dare(test::kIE, "2024", "02", "00", "101", QDate(2024, 3, 14)), past, "DataPgto"},
        {"empty date", dare(test::kIE, "2024", "02", "00", "101", QDate()), past, "DataPgto"},
        {"last day", dare(test::kIE, "2024", "02", "00", "101", QDate(2024, 3, 31)), "", ""},
        {"37 days late", dare(test::kIE, "2024", "01", "00", "101", QDate(2024, 3, 20)), "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const SaveCheck check = checkSave(c.d);
        EXPECT_EQ(check.refusal.message, c.message);
        EXPECT_EQ(check.refusal.field, c.field);
        EXPECT_TRUE(check.warnings.isEmpty());
    }

    // Due on the 20th of this month, paid on the 16th: accepted, the due date is this month's.
    setDueDate("2024", "03", QDate(2024, 3, 20));
    EXPECT_TRUE(checkSave(dare(test::kIE, "2024", "03", "00", "101", QDate(2024, 3, 16))).ok());

    // The missing municipality is only a warning.
    const SaveCheck warned = checkSave(dare(test::kIE2, "2024", "02", "00", "110", QDate(2024, 3, 15)));
    EXPECT_TRUE(warned.ok());
    EXPECT_EQ(warned.warnings, QStringList{dare_msg::SemMunicipio});

    // More than 30 days late needs the indices: the payment month's SELIC, then April 2023's IGP-DI first.
    const Dare late = dare(test::kIE, "2024", "01", "00", "101", QDate(2024, 3, 20));
    setIndex(kIndiceSELIC, QDate(2024, 3, 1), NAN);
    EXPECT_EQ(checkSave(late).refusal.message, dare_msg::AtualizarSelic);
    setIndex(kIndiceIGPDI, QDate(2023, 4, 1), NAN);
    EXPECT_EQ(checkSave(late).refusal.message, dare_msg::AtualizarIGPDI);
    // Exactly 30 days late needs neither.
    setDueDate("2024", "01", QDate(2024, 2, 14));
    EXPECT_TRUE(checkSave(dare(test::kIE, "2024", "01", "00", "101", QDate(2024, 3, 15))).ok());
}

TEST_F(GatesTest, PrintChecksInOrder) {
    DareView fine;
    fine.dare = dare(test::kIE, "2024", "02", "00", "101", QDate(2024, 3, 15));
    fine.codIBGE = test::kIBGE;
    fine.amounts = {1000, 0, 0, 0, 1000};
    EXPECT_TRUE(checkPrint(fine).ok());

    const QString version = QStringLiteral(
        "Versão do programa só permite emissão do DARE até referência 01/2025.\n\n"
        "Solicite nova versão na Delegacia Fiscal mais próxima ou pela Internet.");
    auto with = [&](auto change) {
        DareView v = fine;
        change(v);
        return checkPrint(v);
    };
    struct Case {
        CheckResult got;
        QString message, field;
    } cases[] = {
        {with([](DareView& v) { v.dare.DataPgto = {}; v.amounts.Vl_Receita = 0; }), dare_msg::InformeDataPagamento, "DataPgto"},
        {with([](DareView& v) { v.amounts.Vl_Receita = 0.004; v.codIBGE.clear(); }), dare_msg::ReceitaNaoPositiva, ""},
        {with([](DareView& v) { v.amounts.ccVlTotal = 100000000; v.codIBGE.clear(); }), dare_msg::TotalAcimaLimite, ""},
        {with([](DareView& v) { v.codIBGE.clear(); v.dare.key.Ano = "2025"; }), dare_msg::SemMunicipio, ""},
        {with([](DareView& v) { v.dare.key.Ano = "2025"; }), version, ""},
        {with([](DareView& v) { v.dare.key.Ano = "2025"; v.dare.key.Mes = "01"; }), "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.got.message, c.message);
        EXPECT_EQ(c.got.field, c.field);
    }
    EXPECT_TRUE(dare_msg::TotalAcimaLimite.contains("iqual a  99.999.999,99!!!"));
}

TEST_F(GatesTest, DescribeComputesWhatTheScreenShows) {
    setDueDate("2024", "02", QDate(2024, 3, 11));
    const DareView v = describeDare(dare(test::kIE, "2024", "02", "00", "101", QDate(2024, 3, 20)));
    EXPECT_EQ(v.RazaoSocial, "COMERCIAL VERDALENA LTDA");
    EXPECT_EQ(v.codIBGE, test::kIBGE);
    ASSERT_TRUE(v.tributo.has_value());
    EXPECT_EQ(v.tributo->Descricao, "ICMS Normal - Apuração Mensal");
    EXPECT_TRUE(v.amountsComputed);
    EXPECT_NEAR(v.amounts.Multa, 1000 * 0.33 * 9 / 100, 1e-9);
    EXPECT_EQ(v.NossoNumero, "24112345602");
    EXPECT_EQ(v.CodBar.size(), 44);
    EXPECT_EQ(v.Obs4, "Data limite para pagamento 20/03/2024.");

    // Without a calendar row: no due date and nothing computed.
    setDueDate("2024", "02", QDate());
    const DareView none = describeDare(dare(test::kIE, "2024", "02", "00", "101", QDate(2024, 3, 20)));
    EXPECT_FALSE(none.amountsComputed);
    EXPECT_EQ(none.amounts.ccVlTotal, 0);
}

TEST_F(GatesTest, SaveRefusesTooWideTextsAndDeleteAsksFirst) {
    Dare d = dare(test::kIE, "2024", "02", "00", "101", QDate(2024, 3, 15));
    d.Obs2 = QString(41, 'x');
    QString error;
    EXPECT_FALSE(saveDare(d, &error));
    EXPECT_EQ(checkDareWidths(d).field, "Obs2");
    EXPECT_EQ(count("SELECT count(*) FROM dare"), 0);

    d.Obs2 = QString(40, 'x');
    ASSERT_TRUE(saveDare(d, &error)) << error.toStdString();
    ScriptedPrompter no(false);
    EXPECT_EQ(deleteDare(d.key, no, &error), DeleteOutcome::NotConfirmed);
    EXPECT_EQ(no.log(), QStringList{"ask: Confirma Exclusão???"});
    ScriptedPrompter yes(true);
    EXPECT_EQ(deleteDare(d.key, yes, &error), DeleteOutcome::Deleted);
    EXPECT_EQ(deleteDare(d.key, yes, &error), DeleteOutcome::NotFound);
    EXPECT_EQ(count("SELECT count(*) FROM dare"), 0);
}

TEST_F(GatesTest, ConsultFiltersByNameAndPeriod) {
    addTaxpayer(test::kIE2, "ALFA D'OESTE LTDA");
    addDeclaration(test::kIE2, "2024", "02", "00");
    addDeclaration(test::kIE2, "2024", "01", "00");
    QString error;
    for (const Dare& d : {dare(test::kIE, "2024", "02", "00", "101", {}), dare(test::kIE2, "2024", "02", "00", "101", {}),
                          dare(test::kIE2, "2024", "01", "00", "101", {})})
        ASSERT_TRUE(saveDare(d, &error));

    EXPECT_EQ(consultTaxpayerChoices(), (QStringList{"<TODOS>", "ALFA D'OESTE LTDA", "COMERCIAL VERDALENA LTDA"}));
    EXPECT_EQ(consultPeriodChoices(), (QStringList{"<TODOS>", "012024", "022024"}));

    const QList<ConsultRow> all = consultDares("", "<TODOS>");
    ASSERT_EQ(all.size(), 3);
    EXPECT_EQ(all[0], (ConsultRow{"ALFA D'OESTE LTDA", test::kIE2, "012024", "00"}));
    EXPECT_EQ(all[2].RazaoSocial, "COMERCIAL VERDALENA LTDA");
    EXPECT_EQ(consultDares("<TODOS>", "022024").size(), 2);
    const QList<ConsultRow> one = consultDares("ALFA D'OESTE LTDA", "022024");
    ASSERT_EQ(one.size(), 1);
    EXPECT_EQ(one[0].mes(), "02");
    EXPECT_EQ(one[0].ano(), "2024");
    EXPECT_TRUE(consultDares("NINGUEM", "<TODOS>").isEmpty());
}

} // namespace
