// Checks before record A: the taxpayer's municipality, the registry and
// accountant fields (skipped as a group without the accountant's name) and
// the R$ 50,00 small-balance rule.
#include "ValidationFixture.h"

namespace vexa::test {
namespace {

using declfile::ValidationResult;

TEST_F(ValidationTest, ACompleteDeclarationPassesEveryCheck) {
    const auto key = addDeclaration();
    const ValidationResult r = check(key);
    EXPECT_FALSE(r.failed()) << r.failure.toStdString();
    EXPECT_TRUE(r.clean()) << "errors " << r.errorRules().size() << " alerts " << r.alertRules().size();
    EXPECT_TRUE(prompter.log().isEmpty());
}

TEST_F(ValidationTest, EveryRegistryFieldReportedInOrder) {
    const auto key = addDeclaration();
    setTaxpayer(key.ie, {{"AtividadeEconomicaPrincip", "9999999"},
                         {"TipoEstabelecimento", QVariant()},
                         {"PortadorTare", QVariant()},
                         {"TipoEscrituracao", ""},
                         {"UsuarioECF", QVariant()},
                         {"EmailCont", QVariant()},
                         {"NovaSenha", "  "}});
    setVexa(key, {{"CPF", "12345678900"}, {"NomeResponsavel", QVariant()}});
    setAccountant(key.ie, {{"CPFCGC", "98765432101"}, {"email", ""}});
    const ValidationResult r = check(key);
    EXPECT_EQ(r.errorRules(), (QList<int>{3, 4, 5, 7, 8, 9, 10, 13, 14, 15, 16}));
    EXPECT_TRUE(r.alerts.isEmpty());
    EXPECT_EQ(r.errors.first().text, QStringLiteral("Atividade Econômica Principal do contribuinte deve ser informada"));
}

TEST_F(ValidationTest, TareHolderWithoutTareRowAndEmptyCrcFields) {
    const auto key = addDeclaration();
    setTaxpayer(key.ie, {{"PortadorTare", 1}});
    EXPECT_EQ(check(key).errorRules(), (QList<int>{6}));

    addChild(QStringLiteral("Tare"), key, {{"NumeroTare", "123456"}});
    EXPECT_TRUE(check(key).clean());
}

TEST_F(ValidationTest, WithoutTheAccountantTheRegistryChecksAreSkipped) {
    // Nothing joins the declaration: no accountant with that CRC. Every column
    // reads empty; only the accountant's name is reported of rules 2 to 16.
    const auto key = addDeclaration();
    setTaxpayer(key.ie, {{"TipoEstabelecimento", QVariant()}, {"EmailCont", QVariant()}});
    setVexa(key, {{"CRCContador", "OUTRO"}});
    ValidationResult r = check(key);
    EXPECT_EQ(r.errorRules(), (QList<int>{2}));
    EXPECT_EQ(r.errors.first().text, QStringLiteral("Campo nome do Contador deve ser informado"));

    // The accountant exists but has no name: the same.
    setVexa(key, {{"CRCContador", crcOf(key.ie)}});
    setAccountant(key.ie, {{"Nome", " "}});
    EXPECT_EQ(check(key).errorRules(), (QList<int>{2}));
}

TEST_F(ValidationTest, TaxpayerWithoutValidMunicipality) {
    const auto key = addDeclaration();
    setTaxpayer(key.ie, {{"MunicipioID", "9999999"}});
    // The joined row needs the municipality too: rule 2 follows rule 1.
    EXPECT_EQ(check(key).errorRules(), (QList<int>{1, 2}));
}

TEST_F(ValidationTest, AMissingDeclarationReadsEmptyAndStopsAtTheAccountant) {
    addDeclaration();
    const decl::DeclarationKey missing{QStringLiteral("291234567"), QStringLiteral("2024"), QStringLiteral("04"),
                                       QStringLiteral("00")};
    const ValidationResult r = check(missing);
    EXPECT_FALSE(r.failed());
    EXPECT_EQ(r.errorRules(), (QList<int>{2}));
}

TEST_F(ValidationTest, SmallTaxToPayMustBeCarriedExceptInDecember) {
    // 7.3 = 100 - 70 = 30,00 in March: message 17 (and item 9.1 must show 30,00).
    auto march = addDeclaration();
    setDebitAndCredit(march, 100.0, 70.0);
    addChild(QStringLiteral("ICMSRecolher"), march, {{"TipoApuracao", "N"}, {"DtVencimento", "2024-04-10"}, {"Valor", 30.0}});
    ValidationResult r = check(march);
    ASSERT_EQ(r.errorRules(), (QList<int>{17}));
    EXPECT_TRUE(r.errors.first().text.contains(QStringLiteral("Portaria KORVA 916")));

    auto december = addDeclaration(march.ie, QStringLiteral("12"), QStringLiteral("2023"));
    setDebitAndCredit(december, 100.0, 70.0);
    addChild(QStringLiteral("ICMSRecolher"), december, {{"TipoApuracao", "N"}, {"DtVencimento", "2024-01-10"}, {"Valor", 30.0}});
    EXPECT_TRUE(check(december).clean());

    // Exactly 50,00 is due in its month: no message.
    updateRows(QStringLiteral("MovimentacaoPorOperacoes42"), {{"ImpostoCreditado", 120.0}},
               {{"IE", march.ie}, {"Mes", "03"}, {"EntradaSaida", "1"}});
    updateRows(QStringLiteral("MovimentacaoPorUF"), {{"CredDebImpostoA", 120.0}},
               {{"IE", march.ie}, {"Mes", "03"}, {"EntradaSaida", "1"}});
    setVexa(march, {{"C51", 120.0}});
    updateRows(QStringLiteral("ICMSRecolher"), {{"Valor", 50.0}}, {{"IE", march.ie}, {"Mes", "03"}});
    EXPECT_TRUE(check(march).clean());

    // 49,99 after deductions: message again.
    setVexa(march, {{"C72", 0.01}});
    addChild(QStringLiteral("Deducoes"), march, {{"CodLei", 99}, {"VlrDeducao", 0.01}});
    updateRows(QStringLiteral("ICMSRecolher"), {{"Valor", 49.99}}, {{"IE", march.ie}, {"Mes", "03"}});
    EXPECT_EQ(check(march).errorRules(), (QList<int>{17}));
}

TEST_F(ValidationTest, SmallSubstitutionTaxMustBeCarried) {
    auto key = addDeclaration();
    setVexa(key, {{"C83", 100.0}, {"C84", 60.0}, {"C85", 10.0}});   // 8.6 = 30,00
    addChild(QStringLiteral("ICMSRecolher"), key, {{"TipoApuracao", "S"}, {"DtVencimento", "2024-04-10"}, {"Valor", 30.0}});
    EXPECT_EQ(check(key).errorRules(), (QList<int>{18}));

    // A credit balance (8.6 negative) is not a small amount to pay.
    setVexa(key, {{"C84", 130.0}});
    updateRows(QStringLiteral("ICMSRecolher"), {{"Valor", 0.0}}, {{"IE", key.ie}});
    EXPECT_TRUE(check(key).clean());
}

} // namespace
} // namespace vexa::test
