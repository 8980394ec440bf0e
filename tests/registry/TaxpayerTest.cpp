// The taxpayer registry: the IE field's own test, the save checks in their
// order with their messages and fields, saving and reading back, deleting and
// the password.

#include "RegistryFixture.h"

#include "common/DocumentChecks.h"
#include "registry/Contribuintes.h"

using namespace vexa;
using namespace vexa::registry;
using vexa::test::RegistryTest;

namespace {
using TaxpayerTest = RegistryTest;

TEST_F(TaxpayerTest, NewRowGetsItsDefaultsAtOnce) {
    const Contribuinte c = newTaxpayer(test::kIE1);
    EXPECT_EQ(c.IE, test::kIE1);
    EXPECT_EQ(c.TipoEstabelecimento, "U");
    EXPECT_EQ(c.TipoEscrituracao, "F");
    EXPECT_EQ(c.TipoRegime, "N");
    EXPECT_FALSE(c.UsuarioECF);
    EXPECT_FALSE(c.PortadorTare);
}

TEST_F(TaxpayerTest, TypedIEIsBlankOrMustPassItsCheckDigit) {
    EXPECT_EQ(checkNewIE("").message, "Informe  a Inscrição Estadual!!!");
    EXPECT_EQ(checkNewIE("   ").message, "Informe  a Inscrição Estadual!!!");
    EXPECT_EQ(checkNewIE(test::kIEBadDigit).message, "Inscrição Estadual Inválida!!!");
    EXPECT_EQ(checkNewIE("2900000").message, "Inscrição Estadual Inválida!!!");
    EXPECT_EQ(checkNewIE("310000009").message, "Inscrição Estadual Inválida!!!");  // not of the home state
    EXPECT_EQ(checkNewIE(test::kIEBadDigit).field, taxpayer_field::IE);
    EXPECT_TRUE(checkNewIE(test::kIE1).ok());
    EXPECT_TRUE(checkNewIE(test::kIE2).ok());
    EXPECT_TRUE(checkNewIE(test::kIE3).ok());
}

// Starting from a row that fails every check, each correction uncovers the
// next message: the order of the checks is the order of the messages.
TEST_F(TaxpayerTest, SaveChecksRunInTheirOrderAndNameTheField) {
    Contribuinte row;
    row.IE = test::kIEBadDigit;
    row.RazaoSocial = "   ";
    row.AtividadeEconomicaPrincip = "9999999";
    row.UF = "QX";
    row.CGC_CPF = "11111111111111";
    row.TipoRegime = "";
    row.EmailCont = "  ";

    const Contribuinte good = completeTaxpayer();
    struct Step {
        QString message;
        QString field;
        std::function<void(Contribuinte&)> fix;
    };
    const std::vector<Step> steps = {
        {"Inscrição Estadual Informada Inválida!!!", "IE", [](Contribuinte& r) { r.IE = test::kIE1; }},
        {"Nome ou Razão Social deve ser Informada!!!", "RazaoSocial",
         [&](Contribuinte& r) { r.RazaoSocial = good.RazaoSocial; }},
        {"Atividade Econômica informada não cadastrada na tabela de atividades econômicas!!!",
         "AtividadeEconomicaPrincip", [](Contribuinte& r) { r.AtividadeEconomicaPrincip = test::kActivity; }},
        {"Campo município deve ser selecionado!!!", "MunicipioID",
         [&](Contribuinte& r) { r.MunicipioID = good.MunicipioID; }},
        {"CNPJ ou CPF informado inválido!!!", "CGC_CPF", [](Contribuinte& r) { r.CGC_CPF = test::kCNPJ; }},
        {"Senha deve ser informada!!!", "NovaSenha", [](Contribuinte& r) { r.NovaSenha = "1"; }},
        {"Informe o Tipo de Regime", "TipoRegime", [](Contribuinte& r) { r.TipoRegime = "S"; }},
        {"E-mail do Contribuinte deve ser informado!!!", "EmailCont",
         [](Contribuinte& r) { r.EmailCont = "a@b.c"; }},
    };
    for (const Step& step : steps) {
        const CheckResult r = checkTaxpayer(row, true);
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.message, step.message);
        EXPECT_EQ(r.field, step.field);
        step.fix(row);
    }
    EXPECT_TRUE(checkTaxpayer(row, true).ok());
}

TEST_F(TaxpayerTest, TareHolderSavesWithAFailingIEButIsNotTypedInWithIt) {
    Contribuinte row = completeTaxpayer(test::kIEBadDigit);
    EXPECT_EQ(checkTaxpayer(row, true).message, "Inscrição Estadual Informada Inválida!!!");
    row.PortadorTare = true;
    EXPECT_TRUE(checkTaxpayer(row, true).ok());
    QString error;
    ASSERT_TRUE(saveTaxpayer(row, &error)) << error.toStdString();
    EXPECT_TRUE(findTaxpayer(test::kIEBadDigit)->PortadorTare);
    // Typed in as a new IE, the field's own test applies whatever the box says.
    EXPECT_EQ(checkNewIE(test::kIEBadDigit).message, "Inscrição Estadual Inválida!!!");
}

TEST_F(TaxpayerTest, RepeatedDigitsAreRefusedAlthoughTheirCheckDigitsAreRight) {
    ASSERT_TRUE(IsValidCNPJ("00000000000000"));
    ASSERT_TRUE(IsValidCPF("11111111111"));
    Contribuinte row = completeTaxpayer();
    for (const QString doc : {"11111111111111", "00000000000000", "11111111111", "99999999999"}) {
        row.CGC_CPF = doc;
        const CheckResult r = checkTaxpayer(row, true);
        EXPECT_EQ(r.message, "CNPJ ou CPF informado inválido!!!") << doc.toStdString();
        EXPECT_EQ(r.field, "CGC_CPF");
    }
    for (const QString& doc : {test::kCNPJ, test::kCPF}) {
        row.CGC_CPF = doc;
        EXPECT_TRUE(checkTaxpayer(row, true).ok()) << doc.toStdString();
    }
    row.CGC_CPF = "11222333000182";  // a CNPJ with a wrong check digit
    EXPECT_FALSE(checkTaxpayer(row, true).ok());
}

TEST_F(TaxpayerTest, MunicipalityMustBelongToTheChosenState) {
    Contribuinte row = completeTaxpayer();
    row.MunicipioID = municipalityOf("SP");
    EXPECT_EQ(checkTaxpayer(row, true).message, "Campo município deve ser selecionado!!!");
    row.UF = "SP";
    EXPECT_TRUE(checkTaxpayer(row, true).ok());
    row.MunicipioID.clear();
    EXPECT_EQ(checkTaxpayer(row, true).message, "Campo município deve ser selecionado!!!");
}

TEST_F(TaxpayerTest, PasswordIsAskedOnlyWhileTheGroupIsShown) {
    Contribuinte row = completeTaxpayer();
    row.NovaSenha = "  ";
    EXPECT_EQ(checkTaxpayer(row, true).message, "Senha deve ser informada!!!");
    EXPECT_TRUE(checkTaxpayer(row, false).ok());
}

TEST_F(TaxpayerTest, SavedRowReadsBackExactlyAndKeepsTheColumnsNotEdited) {
    Contribuinte row = completeTaxpayer();
    row.RazaoSocial = test::kApostropheName;
    row.EmailCont = "o'neil+100%@comércio.com.br";
    row.PortadorTare = true;
    row.UsuarioECF = true;
    row.TipoEstabelecimento = "F";
    row.TipoEscrituracao = "C";
    row.TipoRegime = "S";
    QString error;
    ASSERT_TRUE(saveTaxpayer(row, &error)) << error.toStdString();
    EXPECT_EQ(findTaxpayer(row.IE).value(), row);

    // Columns the screen does not show survive an edit.
    exec("UPDATE Contribuintes SET Fone = ?, NTare = ? WHERE IE = ?", {"6233334444", "TARE-7", row.IE});
    row.RazaoSocial = "100% NOVO NOME";
    ASSERT_TRUE(saveTaxpayer(row, &error));
    EXPECT_EQ(findTaxpayer(row.IE)->RazaoSocial, "100% NOVO NOME");
    EXPECT_EQ(count("SELECT count(*) FROM Contribuintes WHERE Fone = ? AND NTare = ?", {"6233334444", "TARE-7"}), 1);
    EXPECT_EQ(count("SELECT count(*) FROM Contribuintes"), 1);
    EXPECT_FALSE(findTaxpayer(test::kIE2).has_value());
    EXPECT_FALSE(findTaxpayer("").has_value());
}

TEST_F(TaxpayerTest, TaxpayerWithAnyDeclarationIsNeverDeleted) {
    QString error;
    ASSERT_TRUE(saveTaxpayer(completeTaxpayer(test::kIE1), &error));
    ASSERT_TRUE(saveTaxpayer(completeTaxpayer(test::kIE2), &error));
    // Only a rectification of an old period, and only for the first taxpayer.
    insertDeclaration(test::kIE1, "2009", "01", "03");

    ScriptedPrompter prompter(true);
    EXPECT_EQ(deleteTaxpayer(test::kIE1, prompter, &error), DeleteOutcome::HasDeclarations);
    EXPECT_EQ(prompter.log(),
              QStringList{"warn: Contribuinte não pode ser exluido. Existe VEXA cadastrada para ele!!!"});
    EXPECT_TRUE(findTaxpayer(test::kIE1).has_value());

    prompter.clear();
    prompter.queueAnswer(false);
    EXPECT_EQ(deleteTaxpayer(test::kIE2, prompter, &error), DeleteOutcome::NotConfirmed);
    EXPECT_EQ(prompter.log(), QStringList{"ask: Confirma Exclusão???"});
    EXPECT_TRUE(findTaxpayer(test::kIE2).has_value());

    prompter.queueAnswer(true);
    EXPECT_EQ(deleteTaxpayer(test::kIE2, prompter, &error), DeleteOutcome::Deleted);
    EXPECT_FALSE(findTaxpayer(test::kIE2).has_value());
    EXPECT_EQ(deleteTaxpayer(test::kIE2, prompter, &error), DeleteOutcome::NotFound);
}

TEST_F(TaxpayerTest, ClearingThePasswordEmptiesBothColumnsAndTheNextSaveInsists) {
    Contribuinte row = completeTaxpayer();
    row.Senha = "old1";
    QString error;
    ASSERT_TRUE(saveTaxpayer(row, &error));
    EXPECT_EQ(storedPassword(row.IE), "ab12");

    ASSERT_TRUE(clearTaxpayerPassword(row.IE, &error));
    EXPECT_EQ(storedPassword(row.IE), "");
    EXPECT_EQ(count("SELECT count(*) FROM Contribuintes WHERE Senha IS NULL AND NovaSenha IS NULL"), 1);

    // The group is on show again (no stored password): the next save needs one.
    const Contribuinte reread = findTaxpayer(row.IE).value();
    EXPECT_EQ(checkTaxpayer(reread, storedPassword(row.IE).isEmpty()).message, "Senha deve ser informada!!!");
}

TEST_F(TaxpayerTest, NavigatorMovesInIEOrderAndStaysAtTheEnds) {
    EXPECT_EQ(moveTaxpayer(Move::First, {}), "");
    QString error;
    for (const QString& ie : {test::kIE3, test::kIE1, test::kIE2}) ASSERT_TRUE(saveTaxpayer(completeTaxpayer(ie), &error));
    EXPECT_EQ(moveTaxpayer(Move::First, {}), test::kIE1);
    EXPECT_EQ(moveTaxpayer(Move::Last, {}), test::kIE3);
    EXPECT_EQ(moveTaxpayer(Move::Next, test::kIE1), test::kIE2);
    EXPECT_EQ(moveTaxpayer(Move::Prior, test::kIE1), test::kIE1);
    EXPECT_EQ(moveTaxpayer(Move::Next, test::kIE3), test::kIE3);
    // From a row just deleted: the next one, or the last when it was the last.
    exec("DELETE FROM Contribuintes WHERE IE = ?", {test::kIE3});
    EXPECT_EQ(moveTaxpayer(Move::Next, test::kIE3), test::kIE2);
    exec("DELETE FROM Contribuintes WHERE IE = ?", {test::kIE1});
    EXPECT_EQ(moveTaxpayer(Move::Next, test::kIE1), test::kIE2);
}

} // namespace
