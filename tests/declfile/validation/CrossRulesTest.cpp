// Checks after record Z: the lists against their totals and TARE, entries and
// outputs by operation against items 5.1 / 6.1 and against movement by state,
// the amounts to pay against the computed items (with the question of item
// 9.6), item 15 against its CFOP lists, and the fuel retailer's sheets.
#include "ValidationFixture.h"

#include "declfile/ValidationRules.h"

#include <QFile>

namespace vexa::test {
namespace {

using declfile::ValidationResult;

TEST_F(ValidationTest, ListTotalsAndTheirTareLaws) {
    const auto key = addDeclaration();
    setDebitAndCredit(key, 1000.0, 400.0);
    // 6.2 = 100 against a list of 100,01; code 10 is a TARE credit.
    setVexa(key, {{"C62", 100.0}, {"C72", 50.0}});
    addChild(QStringLiteral("OutrosCred"), key, {{"CodLei", 10}, {"Valor", 100.01}});
    // 7.2 = 50 against 50 under deduction code 3 (a TARE deduction).
    addChild(QStringLiteral("Deducoes"), key, {{"CodLei", 3}, {"VlrDeducao", 50.0}});
    addChild(QStringLiteral("ICMSRecolher"), key, {{"TipoApuracao", "N"}, {"DtVencimento", "2024-04-10"}, {"Valor", 450.0}});
    EXPECT_EQ(check(key).errorRules(), (QList<int>{26, 27, 29}));

    // With a TARE row the TARE laws are satisfied; 7.2 off by a cent is rule 28.
    setTaxpayer(key.ie, {{"PortadorTare", 1}});
    addChild(QStringLiteral("Tare"), key, {{"NumeroTare", "55"}});
    setVexa(key, {{"C62", 100.01}, {"C72", 49.99}});
    updateRows(QStringLiteral("ICMSRecolher"), {{"Valor", 450.0}}, {{"IE", key.ie}});
    EXPECT_EQ(check(key).errorRules(), (QList<int>{28}));
}

TEST_F(ValidationTest, DeductionCode99NeedsNoTare) {
    const auto key = addDeclaration();
    setDebitAndCredit(key, 1000.0, 400.0);
    setVexa(key, {{"C72", 100.0}});
    addChild(QStringLiteral("Deducoes"), key, {{"CodLei", 99}, {"VlrDeducao", 100.0}});
    addChild(QStringLiteral("ICMSRecolher"), key, {{"TipoApuracao", "N"}, {"DtVencimento", "2024-04-10"}, {"Valor", 500.0}});
    EXPECT_TRUE(check(key).clean());
}

TEST_F(ValidationTest, OperationTaxAgainstDebitAndCreditIsOnlyAnAlert) {
    const auto key = addDeclaration();
    setDebitAndCredit(key, 0.0, 0.0);
    setVexa(key, {{"C61", 10.0}});   // 6.1 without entries: 7.1 = 0, nothing to pay
    const ValidationResult r = check(key);
    EXPECT_TRUE(r.errors.isEmpty());
    EXPECT_EQ(r.alertRules(), (QList<int>{30}));
    EXPECT_EQ(r.alerts.first().kind, declfile::MessageKind::Alerta);
}

QVariantMap operation(const char* es, int cfop, const char* tipo, double base, double isentas, double outras,
                      double st, double contabil, double imposto) {
    return {{"EntradaSaida", es}, {"CodigoOperacao", cfop}, {"DomicilioFiscal", "A"}, {"TipoOperacao", tipo},
            {"BaseCalculo", base}, {"IsentasNaoTributadas", isentas}, {"Outras", outras},
            {"SubstituicaoTributaria", st}, {"ValorContabil", contabil}, {"ImpostoCreditado", imposto}};
}

QVariantMap byState(const char* es, const char* uf, double contabilA, double contabilB, double baseA, double baseB,
                    double impA, double impB, double isentas, double outras, double st) {
    return {{"EntradaSaida", es}, {"UF", uf}, {"DomicilioFiscal", "A"}, {"ValorContabilA", contabilA},
            {"ValorContabilB", contabilB}, {"BaseCalculoA", baseA}, {"BaseCalculoB", baseB},
            {"CredDebImpostoA", impA}, {"CredDebImpostoB", impB}, {"IsentasNaoTributadas", isentas},
            {"Outras", outras}, {"SubsTributaria", st}};
}

TEST_F(ValidationTest, EntriesByOperationAgainstEntriesByState) {
    const auto key = addDeclaration();
    setVexa(key, {{"C61", 17.0}});
    // Operations: domestic 100 (base 100, tax 17), interstate 50 (outras 50), foreign 20 (isentas 20).
    addChild(QStringLiteral("MovimentacaoPorOperacoes42"), key, operation("0", 1102, "0", 100, 0, 0, 0, 100, 17));
    addChild(QStringLiteral("MovimentacaoPorOperacoes42"), key, operation("0", 2102, "1", 0, 0, 50, 0, 50, 0));
    addChild(QStringLiteral("MovimentacaoPorOperacoes42"), key, operation("0", 3102, "2", 0, 20, 0, 0, 20, 0));
    // By state: the interstate 50 placed under state 90, the foreign 20 under state 05,
    // ST 5 that the operations do not have, and the non-taxpayer column (ignored for entries).
    addChild(QStringLiteral("MovimentacaoPorUF"), key, byState("0", "29", 100, 999, 100, 999, 17, 999, 0, 0, 0));
    addChild(QStringLiteral("MovimentacaoPorUF"), key, byState("0", "90", 50, 0, 0, 0, 0, 0, 0, 50, 5));
    addChild(QStringLiteral("MovimentacaoPorUF"), key, byState("0", "05", 20, 0, 0, 0, 0, 0, 20, 0, 0));
    EXPECT_EQ(check(key).errorRules(), (QList<int>{37, 45, 46}));
}

TEST_F(ValidationTest, OutputsByOperationAgainstOutputsByStateAddBothColumns) {
    const auto key = addDeclaration();
    setVexa(key, {{"C51", 34.0}});
    addChild(QStringLiteral("MovimentacaoPorOperacoes42"), key, operation("1", 5102, "0", 200, 0, 0, 0, 200, 34));
    addChild(QStringLiteral("MovimentacaoPorOperacoes42"), key, operation("1", 6102, "1", 0, 0, 0, 30, 30, 0));
    // Home state split between taxpayers (A) and non-taxpayers (B).
    addChild(QStringLiteral("MovimentacaoPorUF"), key, byState("1", "29", 150, 50, 150, 50, 25.5, 8.5, 0, 0, 0));
    addChild(QStringLiteral("MovimentacaoPorUF"), key, byState("1", "13", 30, 0, 0, 0, 0, 0, 0, 0, 30));
    addChild(QStringLiteral("ICMSRecolher"), key, {{"TipoApuracao", "N"}, {"DtVencimento", "2024-04-10"}, {"Valor", 34.0}});
    ValidationResult r = check(key);
    // 7.3 = 34,00 in March is also a small amount (17).
    EXPECT_EQ(r.errorRules(), (QList<int>{17}));

    // Output isentas 10 only in the state rows: 41; the foreign output 5 only in operations: 38, 49, 51.
    updateRows(QStringLiteral("MovimentacaoPorUF"), {{"IsentasNaoTributadas", 10.0}},
               {{"IE", key.ie}, {"UF", "13"}});
    addChild(QStringLiteral("MovimentacaoPorOperacoes42"), key, operation("1", 7102, "2", 0, 0, 0, 0, 5, 0));
    r = check(key);
    EXPECT_EQ(r.errorRules(), (QList<int>{17, 38, 41, 49}));
    EXPECT_EQ(r.alertRules(), (QList<int>{51}));
}

TEST_F(ValidationTest, OperationColumnsMustAddUpToTheAccountingValue) {
    const auto key = addDeclaration();
    addChild(QStringLiteral("MovimentacaoPorOperacoes42"), key, operation("0", 1102, "0", 0, 0, 0, 0, 10, 0));
    addChild(QStringLiteral("MovimentacaoPorUF"), key, byState("0", "29", 10, 0, 0, 0, 0, 0, 0, 0, 0));
    ValidationResult r = check(key);
    EXPECT_TRUE(r.errors.isEmpty());
    EXPECT_EQ(r.alertRules(), (QList<int>{50}));
    // The order counts both lists: the alert is the first message of the declaration.
    EXPECT_EQ(r.alerts.first().order, 0);
}

TEST_F(ValidationTest, AmountsToPayAgainstTheComputedItems) {
    const auto key = addDeclaration();
    // 7.4 = 60 (differential), 7.12 = 70 (complement), 7.16 = 80 (final consumer), 8.6 = 90.
    setVexa(key, {{"C76", 60.0}, {"C79", 70.0}, {"C713", 80.0}, {"C83", 90.0}});
    ValidationResult r = check(key);
    EXPECT_EQ(r.errorRules(), (QList<int>{53, 54, 56, 57}));
    EXPECT_TRUE(prompter.log().isEmpty());   // no "F" paid, no question

    const auto add = [&](const char* tipo, double valor) {
        addChild(QStringLiteral("ICMSRecolher"), key, {{"TipoApuracao", tipo}, {"DtVencimento", "2024-04-10"}, {"Valor", valor}});
    };
    add("D", 60.0);
    add("C", 70.0);
    add("F", 80.0);
    add("S", 89.99);
    add("N", 0.01);   // nothing is due under 7.3
    prompter.queueAnswer(true);
    r = check(key);
    EXPECT_EQ(r.errorRules(), (QList<int>{52, 56}));
    ASSERT_EQ(prompter.log().size(), 1);
    EXPECT_EQ(prompter.log().first(), QStringLiteral("ask: ") + declfile::rule55Question());
}

TEST_F(ValidationTest, PovertyFundAdditionQuestion) {
    const auto key = addDeclaration();
    setVexa(key, {{"C713", 80.0}});
    addChild(QStringLiteral("ICMSRecolher"), key, {{"TipoApuracao", "F"}, {"DtVencimento", "2024-04-10"}, {"Valor", 80.0}});

    prompter.queueAnswer(true);   // Sim: the information is confirmed
    EXPECT_TRUE(check(key).clean());

    prompter.queueAnswer(false);  // Não: the user is told to fill item 9.6
    ValidationResult r = check(key);
    ASSERT_EQ(r.errorRules(), (QList<int>{55}));
    EXPECT_EQ(r.errors.first().text, QStringLiteral("Por favor, inserir na Coluna \"B\" (Valor) do item 9.6"));

    // With the addition paid there is no question.
    addChild(QStringLiteral("ICMSRecolher"), key, {{"TipoApuracao", "P"}, {"DtVencimento", "2024-04-10"}, {"Valor", 1.6}});
    prompter.clear();
    EXPECT_TRUE(check(key).clean());
    EXPECT_TRUE(prompter.log().isEmpty());
}

TEST_F(ValidationTest, Item15AgainstTheOperationsOfItsCfopLists) {
    const auto key = addDeclaration();
    setTaxpayer(key.ie, {{"AtividadeEconomicaPrincip", "3511501"}});   // an item-15 activity
    setDebitAndCredit(key, 34.0, 17.0);   // output 5102 (340) and entry 1102 (170) are in the lists
    addChild(QStringLiteral("ICMSRecolher"), key, {{"TipoApuracao", "N"}, {"DtVencimento", "2024-04-10"}, {"Valor", 17.0}});
    addChild(QStringLiteral("SaidasMun"), key, {{"MunicipioID", 2940401}, {"DomicilioFiscal", "A"},
                                               {"VlrContabil", 340.0}, {"Devolucoes", 170.0}, {"Total", 170.0}});
    ValidationResult r = check(key);
    EXPECT_EQ(r.errorRules(), (QList<int>{17}));

    updateRows(QStringLiteral("SaidasMun"), {{"VlrContabil", 300.0}, {"Devolucoes", 100.0}}, {{"IE", key.ie}});
    r = check(key);
    ASSERT_EQ(r.errorRules(), (QList<int>{17, 58, 59}));
    QFile cfop153(folder->path(QStringLiteral("CFOP153")));
    ASSERT_TRUE(cfop153.open(QIODevice::ReadOnly));
    const QString list153 = QString::fromLatin1(cfop153.readAll()).chopped(2);
    EXPECT_EQ(r.errors[1].appendix, list153);
    EXPECT_TRUE(r.errors[2].appendix.contains(QStringLiteral("15.4")));
    EXPECT_TRUE(r.errors[0].appendix.isEmpty());

    // Another activity: item 15 is not checked.
    setTaxpayer(key.ie, {{"AtividadeEconomicaPrincip", "0111301"}});
    EXPECT_EQ(check(key).errorRules(), (QList<int>{17}));
}

TEST_F(ValidationTest, AMissingCfopListEndsTheRun) {
    const auto first = addDeclaration();
    const auto second = addDeclaration(QStringLiteral("291111111"), QStringLiteral("03"), QStringLiteral("2024"),
                                       QStringLiteral("Outra Empresa"));
    setTaxpayer(second.ie, {{"AtividadeEconomicaPrincip", "3511501"}});
    addChild(QStringLiteral("SaidasMun"), second, {{"MunicipioID", 2940401}, {"DomicilioFiscal", "A"},
                                                  {"VlrContabil", 1.0}, {"Devolucoes", 0.0}, {"Total", 1.0}});
    setVexa(first, {{"C61", 1.0}});   // an alert in the first declaration
    ASSERT_TRUE(QFile::remove(folder->path(QStringLiteral("CFOP153"))));
    const ValidationResult r = check({first, second});
    EXPECT_TRUE(r.failed());
    EXPECT_TRUE(r.failure.contains(QStringLiteral("CFOP153")));
    // The second declaration's messages are dropped with the run.
    EXPECT_EQ(r.alertRules(), (QList<int>{30}));
    EXPECT_TRUE(r.errors.isEmpty());
}

TEST_F(ValidationTest, FuelRetailerMustFillPumpsAndTanks) {
    const auto key = addDeclaration();
    setTaxpayer(key.ie, {{"AtividadeEconomicaPrincip", "4731800"}});
    ValidationResult r = check(key);
    ASSERT_EQ(r.errorRules(), (QList<int>{60, 61}));
    EXPECT_EQ(r.errors[0].text, QStringLiteral("O campo 13 é de preenchimento obrigatório  para contribuintes com "
                                               "CNAE-Fiscal 4731-8/00 - Comércio varejista de combustíveis para "
                                               "veículos automotores"));
    EXPECT_TRUE(r.errors[1].text.startsWith(QStringLiteral("O campo 13.6 é de preenchimento obrigatório  para")));

    addChild(QStringLiteral("Encerrantes"), key, {{"NSerieBomba", "B1"}, {"NBico", 1}, {"PRODUTO", 1},
                                                 {"LeituraInicial", 0}, {"LeituraFinal", 0},
                                                 {"VolComSemInterv", 0}, {"VolComCemInterv", 0}});
    addChild(QStringLiteral("EstTanque"), key, {{"EstTanque", 1}, {"PRODUTO", 1}, {"EstQuantidade", 1000}});
    EXPECT_TRUE(check(key).clean());
}

} // namespace
} // namespace vexa::test
