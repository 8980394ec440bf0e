// The accountant registry: the key (CRC's first 10 characters with the
// state), the save checks in their order, and deleting.

#include "RegistryFixture.h"

#include "registry/Responsaveis.h"

using namespace vexa;
using namespace vexa::registry;
using vexa::test::RegistryTest;

namespace {
using AccountantTest = RegistryTest;

TEST_F(AccountantTest, StateOfTheKeyIsOneOfTheLetterCodesAbroadIncluded) {
    EXPECT_TRUE(checkAccountantUF("EX").ok());
    EXPECT_TRUE(checkAccountantUF("QX").ok());
    EXPECT_TRUE(checkAccountantUF("SP").ok());
    for (const QString uf : {"", "XX", "29", "S", "SPX"}) {
        const CheckResult r = checkAccountantUF(uf);
        EXPECT_EQ(r.message, "UF informada inválida!!!") << uf.toStdString();
        EXPECT_EQ(r.field, "UF");
    }
    // Leaving the state field: the state first, then a CRC must be there.
    EXPECT_EQ(checkAccountantKey("", "XX").message, "UF informada inválida!!!");
    EXPECT_EQ(checkAccountantKey("  ", "SP").message, "CRC do Contabilista deve ser informado!!!");
    EXPECT_EQ(checkAccountantKey("  ", "SP").field, "CRC");
    EXPECT_TRUE(checkAccountantKey("1SP123456", "SP").ok());
}

TEST_F(AccountantTest, SaveChecksRunInTheirOrder) {
    Declarante row;
    row.CRC = "1SP123456";
    row.UF = "ZZ";
    row.Nome = " ";
    row.CPFCGC = "52998224724";
    const std::vector<std::pair<QString, QString>> expected = {
        {"UF informada inválida!!!", ""},
        {"Nome do Cotabilista deve ser informado!!!", "Nome"},
        {"CPF Contabilista Inválido!!!", "CPFCGC"},
        {"E-mail do Contabilista deve ser informado!!!", "email"},
    };
    const std::vector<std::function<void(Declarante&)>> fixes = {
        [](Declarante& d) { d.UF = "EX"; },
        [](Declarante& d) { d.Nome = "JOÃO"; },
        [](Declarante& d) { d.CPFCGC = test::kCPF; },
        [](Declarante& d) { d.email = "joao@x.com"; },
    };
    for (size_t i = 0; i < expected.size(); ++i) {
        const CheckResult r = checkAccountant(row);
        EXPECT_EQ(r.message, expected[i].first);
        EXPECT_EQ(r.field, expected[i].second);
        fixes[i](row);
    }
    EXPECT_TRUE(checkAccountant(row).ok());
    // A CPF of one repeated digit is not refused here.
    row.CPFCGC = "11111111111";
    EXPECT_TRUE(checkAccountant(row).ok());
}

TEST_F(AccountantTest, SameCRCInTwoStatesIsTwoRows) {
    QString error;
    ASSERT_TRUE(saveAccountant(completeAccountant("12345", "SP"), &error)) << error.toStdString();
    Declarante other = completeAccountant("12345", "QX");
    other.Nome = "OUTRO CONTADOR";
    ASSERT_TRUE(saveAccountant(other, &error)) << error.toStdString();
    EXPECT_EQ(count("SELECT count(*) FROM Declarante WHERE CRC = ?", {"12345"}), 2);
    EXPECT_EQ(findAccountant("12345", "SP")->Nome, "MARIA DAS DORES");
    EXPECT_EQ(findAccountant("12345", "QX")->Nome, "OUTRO CONTADOR");
    EXPECT_FALSE(findAccountant("12345", "RJ").has_value());
}

TEST_F(AccountantTest, ElevenCharacterCRCIsFoundAndStoredByItsFirstTen) {
    const QString typed = "12345678901";
    const Declarante row = completeAccountant(typed, "EX");
    EXPECT_EQ(row.CRC, "1234567890");
    QString error;
    ASSERT_TRUE(saveAccountant(row, &error)) << error.toStdString();
    EXPECT_EQ(count("SELECT count(*) FROM Declarante WHERE CRC = ? AND UF = ?", {"1234567890", "EX"}), 1);
    ASSERT_TRUE(findAccountant(typed, "EX").has_value());
    EXPECT_EQ(findAccountant("12345678909", "EX")->CRC, "1234567890");  // any 11th character
    // Saving again through the typed CRC edits the same row.
    Declarante again = completeAccountant(typed, "EX");
    again.Nome = "NOME NOVO";
    ASSERT_TRUE(saveAccountant(again, &error));
    EXPECT_EQ(count("SELECT count(*) FROM Declarante"), 1);
    EXPECT_EQ(findAccountant("1234567890", "EX")->Nome, "NOME NOVO");
}

TEST_F(AccountantTest, ValuesWithQuotesAndAccentsReadBackExactly) {
    Declarante row = completeAccountant("CRC'1", "QX");
    row.Nome = "JOSÉ D'ÁVILA 100%";
    row.email = "jose.d'avila%@contábil.com";
    QString error;
    ASSERT_TRUE(saveAccountant(row, &error)) << error.toStdString();
    EXPECT_EQ(findAccountant("CRC'1", "QX").value(), row);
}

TEST_F(AccountantTest, DeleteAsksAndLeavesTheDeclarationsThatNameTheAccountant) {
    QString error;
    ASSERT_TRUE(saveAccountant(completeAccountant("777", "QX"), &error));
    insertDeclaration(test::kIE1, "2024", "01", "00", "777", "QX");

    ScriptedPrompter prompter;
    prompter.queueAnswers({false, true});
    EXPECT_EQ(deleteAccountant("777", "QX", prompter, &error), AccountantDeleteOutcome::NotConfirmed);
    EXPECT_TRUE(findAccountant("777", "QX").has_value());
    EXPECT_EQ(deleteAccountant("777", "QX", prompter, &error), AccountantDeleteOutcome::Deleted);
    EXPECT_EQ(prompter.log(), (QStringList{"ask: Confirma Exclusão", "ask: Confirma Exclusão"}));
    EXPECT_FALSE(findAccountant("777", "QX").has_value());
    EXPECT_EQ(count("SELECT count(*) FROM Vexas WHERE CRCContador = ? AND UF = ?", {"777", "QX"}), 1);
    EXPECT_EQ(deleteAccountant("777", "QX", prompter, &error), AccountantDeleteOutcome::NotFound);
}

TEST_F(AccountantTest, MovesInCRCAndStateOrder) {
    QString error;
    for (const auto& [crc, uf] : {std::pair{"200", "SP"}, std::pair{"100", "SP"}, std::pair{"100", "EX"}})
        ASSERT_TRUE(saveAccountant(completeAccountant(crc, uf), &error));
    EXPECT_EQ(moveAccountant(AccountantMove::First, {}), (AccountantKey{"100", "EX"}));
    EXPECT_EQ(moveAccountant(AccountantMove::Next, {"100", "EX"}), (AccountantKey{"100", "SP"}));
    EXPECT_EQ(moveAccountant(AccountantMove::Next, {"100", "SP"}), (AccountantKey{"200", "SP"}));
    EXPECT_EQ(moveAccountant(AccountantMove::Next, {"200", "SP"}), (AccountantKey{"200", "SP"}));
    EXPECT_EQ(moveAccountant(AccountantMove::Prior, {"100", "SP"}), (AccountantKey{"100", "EX"}));
}

} // namespace
