// The declaration row and its key: storing and reading every column, the
// period proposed from the clock, the latest rectification, the key-field
// checks with their messages, moving in key order, and the list.

#include "RecordFixture.h"

#include "common/Clock.h"
#include "declaration/DeclarationChecks.h"
#include "declaration/DeclarationService.h"

using namespace vexa;
using namespace vexa::decl;
using vexa::test::RecordTest;
using vexa::test::kIE;
using vexa::test::kOtherIE;

namespace {

TEST_F(RecordTest, RowKeepsEveryColumnWithQuotesAccentsDatesAndEmptyValues) {
    VexaRow row = newVexaRow({kIE, "2024", "02", "01"});
    EXPECT_TRUE(row.Importado);
    EXPECT_EQ(row.C51, 0.0);
    row.SaldoInicialCaixa = 1234.56;
    row.NomeResponsavel = QStringLiteral("JOÃO D'ÁVILA \"NETO\"");
    row.ObsEncerrantes = QStringLiteral("bico 3 trocado; troca de 'produto'");
    row.C713 = 0.01;
    row.C716 = 77.7;
    row.MudaDomicilio = "S";
    row.CidadeB = 2940807;
    row.DtIniB = QDate(2024, 2, 1);
    row.DtFimB = QDate(2024, 2, 14);
    QString error;
    ASSERT_TRUE(insertVexa(row, &error)) << error.toStdString();
    EXPECT_FALSE(insertVexa(row, &error)) << "a second row with the same key";

    std::optional<VexaRow> back = loadVexa(row.key());
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, row);
    EXPECT_FALSE(back->DtIniA.isValid());
    EXPECT_EQ(count("SELECT count(*) FROM Vexas WHERE DtIniA IS NULL AND CidadeB = 2940807"), 1);

    back->C83 = 99.99;
    back->CidadeB = 0;
    ASSERT_TRUE(updateVexa(*back, &error)) << error.toStdString();
    EXPECT_EQ(loadVexa(row.key())->C83, 99.99);
    EXPECT_EQ(count("SELECT count(*) FROM Vexas WHERE CidadeB IS NULL"), 1);
    EXPECT_FALSE(updateVexa(newVexaRow({kIE, "2024", "03", "00"}), &error)) << "no such row to rewrite";
}

TEST_F(RecordTest, MonthAndYearProposedFromTodayMinus30Days) {
    FixedClock march(QDate(2024, 3, 15));
    EXPECT_EQ(proposedPeriod(march).mes, "02");
    EXPECT_EQ(proposedPeriod(march).ano, "2024");
    FixedClock january(QDate(2024, 1, 10));
    EXPECT_EQ(proposedPeriod(january).mes, "12");
    EXPECT_EQ(proposedPeriod(january).ano, "2023");
    EXPECT_EQ(proposedPeriod().mes, "02") << "VEXA_TODAY=15/03/2024 fixes the process clock";
}

TEST_F(RecordTest, KeyFindsTheHighestRectificationOrStartsANewDeclaration) {
    addTaxpayer();
    EXPECT_EQ(latestRetificacao(kIE, "2024", "02"), "00");
    store(kIE, "2024", "02", "00");
    store(kIE, "2024", "02", "02", [](VexaRow& r) { r.C51 = 2; });
    store(kIE, "2024", "02", "01", [](VexaRow& r) { r.C51 = 1; });
    EXPECT_EQ(latestRetificacao(kIE, "2024", "02"), "02");

    OpenedDeclaration found = openDeclaration(kIE, "2", "2024");
    EXPECT_FALSE(found.isNew);
    EXPECT_EQ(found.row.Retificacao, "02");
    EXPECT_EQ(found.row.C51, 2.0);

    OpenedDeclaration fresh = openDeclaration(kIE, "3", "2024");
    EXPECT_TRUE(fresh.isNew);
    EXPECT_EQ(fresh.row.Mes, "03");
    EXPECT_EQ(fresh.row.Retificacao, "00");
    EXPECT_FALSE(vexaExists(fresh.row.key())) << "a new declaration is stored only when saved";
}

TEST_F(RecordTest, KeyFieldChecksAnswerTheirMessagesAndFields) {
    addTaxpayer();
    EXPECT_EQ(checkLeavingIE("  ").message, vexa_msg::InformeIE);
    EXPECT_EQ(checkLeavingIE(kOtherIE).message, vexa_msg::IENaoLocalizada);
    EXPECT_EQ(checkLeavingIE(kOtherIE).field, "IE");
    EXPECT_TRUE(checkLeavingIE(kIE).ok());

    for (const char* bad : {"", "0", "13", "x"}) EXPECT_EQ(checkLeavingMes(bad).message, vexa_msg::MesInvalido) << bad;
    EXPECT_TRUE(checkLeavingMes("12").ok());
    EXPECT_TRUE(checkLeavingMes("1").ok());

    ScriptedPrompter p;
    for (const char* bad : {"", "24", "20245"}) {
        LeaveAnoResult r = checkLeavingAno(kIE, bad, true, p);
        EXPECT_EQ(r.outcome, LeaveAnoResult::Outcome::Refused) << bad;
        EXPECT_EQ(r.check.message, vexa_msg::AnoObrigatorio);
        EXPECT_EQ(r.check.field, "Ano");
    }
    EXPECT_EQ(checkLeavingAno(kOtherIE, "2024", true, p).check.field, "IE");
    EXPECT_TRUE(p.log().isEmpty());

    p.queueAnswer(false);
    EXPECT_EQ(checkLeavingAno(kIE, "1999", true, p).outcome, LeaveAnoResult::Outcome::Declined);
    EXPECT_EQ(p.last(), "ask: " + vexa_msg::AnoAnterior2000);
    p.queueAnswer(true);
    EXPECT_TRUE(checkLeavingAno(kIE, "1999", true, p).proceed());
    p.clear();
    EXPECT_TRUE(checkLeavingAno(kIE, "1999", false, p).proceed()) << "asked only when leaving the year itself";
    EXPECT_TRUE(checkLeavingAno(kIE, "2000", true, p).proceed());
    EXPECT_TRUE(p.log().isEmpty());
}

TEST_F(RecordTest, PreviousAndNextFollowTheKeyOrderAndSkipRowsBeingImported) {
    store(kOtherIE, "2023", "12", "00");
    store(kIE, "2024", "01", "00");
    store(kIE, "2023", "12", "01");
    store(kIE, "2023", "12", "00");
    store(kIE, "2023", "11", "00", [](VexaRow& r) { r.Importado = false; });
    store(kIE, "2023", "02", "00");

    const DeclarationKey first{kIE, "2023", "02", "00"};
    EXPECT_EQ(*moveDeclaration(Move::First, {}), first);
    EXPECT_FALSE(hasPreviousDeclaration(first));
    std::optional<DeclarationKey> k = moveDeclaration(Move::Next, first);
    EXPECT_EQ(*k, (DeclarationKey{kIE, "2023", "12", "00"})) << "11/2023 is still being imported";
    k = moveDeclaration(Move::Next, *k);
    EXPECT_EQ(*k, (DeclarationKey{kIE, "2023", "12", "01"}));
    k = moveDeclaration(Move::Next, *k);
    EXPECT_EQ(*k, (DeclarationKey{kIE, "2024", "01", "00"}));
    k = moveDeclaration(Move::Next, *k);
    EXPECT_EQ(*k, (DeclarationKey{kOtherIE, "2023", "12", "00"}));
    EXPECT_FALSE(hasNextDeclaration(*k));
    EXPECT_EQ(*moveDeclaration(Move::Last, {}), *k);
    EXPECT_EQ(*moveDeclaration(Move::Previous, (DeclarationKey{kIE, "2023", "12", "01"})),
              (DeclarationKey{kIE, "2023", "12", "00"}));
}

TEST_F(RecordTest, ListGivesEveryShownDeclarationOrOnlyThoseOfAPeriod) {
    addTaxpayer();
    store(kIE, "2024", "02", "00");
    store(kIE, "2024", "02", "01");
    store(kOtherIE, "2024", "02", "00");
    store(kIE, "2024", "03", "00");
    store(kIE, "2024", "04", "00", [](VexaRow& r) { r.Importado = false; });
    const QList<DeclarationListItem> all = listDeclarations();
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all[0].razaoSocial, addTaxpayer().RazaoSocial);
    EXPECT_TRUE(all[3].razaoSocial.isEmpty()) << "unregistered taxpayer";
    const QList<DeclarationListItem> february = listDeclarations("022024");
    ASSERT_EQ(february.size(), 3);
    EXPECT_EQ(february[1].key.retificacao, "01");
    EXPECT_TRUE(listDeclarations("022023").isEmpty());
}

} // namespace
