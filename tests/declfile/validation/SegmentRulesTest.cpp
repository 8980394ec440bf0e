// Checks made while the segments are read: the stock totals, the pump meters
// nozzle by nozzle, the TARE number and the code-98 other credit.
#include "ValidationFixture.h"

namespace vexa::test {
namespace {

using declfile::ValidationResult;

QVariantMap stock(double eiOff, double efOff) {
    return {{"EITributadas", 100.0}, {"EIIsentasNaoTributadas", 20.0}, {"EIOutras", 3.0},
            {"EISubstituicaoTributaria", 0.5}, {"EITotal", 123.5 + eiOff},
            {"EFTributadas", 10.0}, {"EFIsentasNaoTributadas", 0.0}, {"EFOutras", 0.0},
            {"EFSubstituicaoTributaria", 0.0}, {"EFTotal", 10.0 + efOff}};
}

TEST_F(ValidationTest, StockTotalsCompareInCents) {
    const auto key = addDeclaration();
    addChild(QStringLiteral("DemostrativoEstoque"), key, stock(0.004, -0.004));
    EXPECT_TRUE(check(key).clean());

    updateRows(QStringLiteral("DemostrativoEstoque"), stock(0.006, 0.0), {{"IE", key.ie}});
    EXPECT_EQ(check(key).errorRules(), (QList<int>{19}));

    updateRows(QStringLiteral("DemostrativoEstoque"), stock(-1.0, 2.5), {{"IE", key.ie}});
    EXPECT_EQ(check(key).errorRules(), (QList<int>{19, 20}));
}

QVariantMap pump(int bico, qint64 inicial, qint64 final, qint64 semInterv, qint64 comInterv,
                 const char* serie = "BOMBA-1") {
    return {{"NSerieBomba", serie}, {"NBico", bico}, {"PRODUTO", 1}, {"LeituraInicial", inicial},
            {"LeituraFinal", final}, {"VolComSemInterv", semInterv}, {"VolComCemInterv", comInterv}};
}

TEST_F(ValidationTest, NozzlesOutOfSequenceAreNamed) {
    const auto key = addDeclaration();
    addChild(QStringLiteral("Encerrantes"), key, pump(1, 100, 200, 100, 0));
    addChild(QStringLiteral("Encerrantes"), key, pump(2, 100, 200, 100, 0));
    addChild(QStringLiteral("Encerrantes"), key, pump(4, 100, 200, 100, 0));
    addChild(QStringLiteral("Encerrantes"), key, pump(5, 100, 200, 100, 0));
    const ValidationResult r = check(key);
    ASSERT_EQ(r.errorRules(), (QList<int>{21}));
    EXPECT_EQ(r.errors.first().text,
              QStringLiteral("Número do bico abastecedor (bico 4) informado no campo 13.2 está fora de seguência."));
}

TEST_F(ValidationTest, FirstNozzleMustBeOne) {
    const auto key = addDeclaration();
    addChild(QStringLiteral("Encerrantes"), key, pump(2, 0, 0, 0, 0));
    EXPECT_EQ(check(key).errorRules(), (QList<int>{21}));
}

TEST_F(ValidationTest, PumpVolumesChecksRunNozzleByNozzle) {
    const auto key = addDeclaration();
    // Nozzle 1: sold 90 of a meter difference of 100, no intervention -> 22.
    addChild(QStringLiteral("Encerrantes"), key, pump(1, 100, 200, 90, 0));
    // Nozzle 3 (out of sequence) with both volumes -> 21 then 23; 22 does not
    // apply with an intervention volume.
    addChild(QStringLiteral("Encerrantes"), key, pump(3, 100, 200, 50, 50));
    // Nozzle 4: the meter went back (turned over): no volume check.
    addChild(QStringLiteral("Encerrantes"), key, pump(4, 900, 100, 7, 0));
    const ValidationResult r = check(key);
    EXPECT_EQ(r.errorRules(), (QList<int>{22, 21, 23}));
    EXPECT_TRUE(r.errors[0].text.endsWith(QStringLiteral("para a bico nº: 1")));
    EXPECT_TRUE(r.errors[1].text.contains(QStringLiteral("(bico 3)")));
}

TEST_F(ValidationTest, TareNumberBeyondTheLargestIsRefused) {
    const auto key = addDeclaration();
    setTaxpayer(key.ie, {{"PortadorTare", 1}});
    addChild(QStringLiteral("Tare"), key, {{"NumeroTare", "9223372036854775807"}});
    EXPECT_TRUE(check(key).clean());

    updateRows(QStringLiteral("Tare"), {{"NumeroTare", "9223372036854775808"}}, {{"IE", key.ie}});
    ValidationResult r = check(key);
    ASSERT_EQ(r.errorRules(), (QList<int>{24}));
    EXPECT_EQ(r.errors.first().text, QStringLiteral(" O Número do TARE cadastrado é inválido (9223372036854775808)"));

    // The number is shown as stored, not read as markup.
    updateRows(QStringLiteral("Tare"), {{"NumeroTare", "<b>9"}}, {{"IE", key.ie}});
    r = check(key);
    ASSERT_EQ(r.errorRules(), (QList<int>{24}));
    EXPECT_TRUE(r.errors.first().text.endsWith(QStringLiteral("(&lt;b&gt;9)")));

    // Only the first TARE in number order is looked at.
    updateRows(QStringLiteral("Tare"), {{"NumeroTare", "1"}}, {{"IE", key.ie}});
    addChild(QStringLiteral("Tare"), key, {{"NumeroTare", "X-99"}});
    EXPECT_TRUE(check(key).clean());
}

TEST_F(ValidationTest, Code98IsRefusedWhenTheTaxWithoutItReachesFiftyReais) {
    const auto key = addDeclaration();
    // Debit 100, credit 40 + 60 under code 98: 7.3 = 0; without the 60 it would be 60.
    setDebitAndCredit(key, 100.0, 40.0);
    setVexa(key, {{"C62", 60.0}});
    addChild(QStringLiteral("OutrosCred"), key, {{"CodLei", 98}, {"Valor", 60.0}});
    ValidationResult r = check(key);
    ASSERT_EQ(r.errorRules(), (QList<int>{25}));
    EXPECT_TRUE(r.errors.first().text.startsWith(QStringLiteral("Obs.: Não deve ser informado valor")));

    // Carrying 30,00 (what would otherwise be due below 50,00) is what code 98 is for.
    setVexa(key, {{"C61", 70.0}, {"C62", 30.0}});
    updateRows(QStringLiteral("OutrosCred"), {{"Valor", 30.0}}, {{"IE", key.ie}});
    updateRows(QStringLiteral("MovimentacaoPorOperacoes42"), {{"ImpostoCreditado", 70.0}},
               {{"IE", key.ie}, {"EntradaSaida", "0"}});
    updateRows(QStringLiteral("MovimentacaoPorUF"), {{"CredDebImpostoA", 70.0}}, {{"IE", key.ie}, {"EntradaSaida", "0"}});
    EXPECT_TRUE(check(key).clean());
}

} // namespace
} // namespace vexa::test
