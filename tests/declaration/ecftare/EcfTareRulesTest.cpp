// The cash registers and TARE agreements of a declaration without a screen.
#include "declaration/municipality/SheetsFixture.h"

#include "declaration/DeclarationService.h"
#include "declaration/EcfTare.h"

namespace vexa::test {
namespace {

using namespace vexa::decl;

class EcfTareRulesTest : public SheetsFixture {};

TEST_F(EcfTareRulesTest, TareNeedsItsNumberAndADeclarationHoldsSeveral) {
    addTaxpayer({QStringLiteral("4711302"), true, false});
    const DeclarationKey key = addDeclaration();
    RowPost out = postTareRow(key, {QStringLiteral("   "), QDate(2025, 1, 31)}, std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Refused);
    EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("warn: Número do TARE deve ser informado!")});
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Tare")), 0);

    ASSERT_TRUE(postTareRow(key, {QStringLiteral("TARE 'A'/2024"), QDate(2025, 1, 31)}, std::nullopt, prompter_).posted());
    ASSERT_TRUE(postTareRow(key, {QStringLiteral("0002/2023"), QDate()}, std::nullopt, prompter_).posted());
    QList<TareRow> rows = loadTare(key);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].numeroTare, QStringLiteral("0002/2023"));
    EXPECT_FALSE(rows[0].dataVencto.isValid());
    EXPECT_EQ(rows[1].dataVencto, QDate(2025, 1, 31));

    // An edit renames the agreement; a delete removes only that one.
    TareRow edited = rows[0];
    edited.numeroTare = QStringLiteral("0003/2023");
    ASSERT_TRUE(postTareRow(key, edited, rows[0], prompter_).posted());
    QString error;
    ASSERT_TRUE(deleteTareRow(key, loadTare(key).at(1), &error));
    rows = loadTare(key);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].numeroTare, QStringLiteral("0003/2023"));
    EXPECT_EQ(ecftare_msg::confirmaExclusaoTare(QStringLiteral("0003/2023")),
              QStringLiteral("Confirma Exclusão do TARE: 0003/2023?"));
}

TEST_F(EcfTareRulesTest, CashRegistersAreToldApartByTheirRowAndOutliveTheDeclaration) {
    addTaxpayer({QStringLiteral("4711302"), false, true});
    const DeclarationKey key = addDeclaration();
    // Rows without any field, and two alike, are all kept.
    ASSERT_TRUE(postEcfRow(key, {}, std::nullopt).posted());
    ASSERT_TRUE(postEcfRow(key, {0, QStringLiteral("ECF-1"), QStringLiteral("BE0123"), QStringLiteral("BEMATECH"),
                                 QStringLiteral("MP-4000")},
                           std::nullopt)
                    .posted());
    ASSERT_TRUE(postEcfRow(key, {0, QStringLiteral("ECF-1"), QStringLiteral("BE0123"), QStringLiteral("BEMATECH"),
                                 QStringLiteral("MP-4000")},
                           std::nullopt)
                    .posted());
    QList<EcfRow> rows = loadEcf(key);
    ASSERT_EQ(rows.size(), 3);
    EcfRow edited = rows[2];
    edited.necf = QStringLiteral("ECF-2");
    ASSERT_TRUE(postEcfRow(key, edited, rows[2]).posted());
    QString error;
    ASSERT_TRUE(deleteEcfRow(key, rows[0], &error));
    rows = loadEcf(key);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].necf, QStringLiteral("ECF-1"));
    EXPECT_EQ(rows[1].necf, QStringLiteral("ECF-2"));

    ScriptedPrompter yes(true);
    ASSERT_EQ(deleteDeclaration(key, yes, &error), DeleteOutcome::Deleted) << error.toStdString();
    EXPECT_EQ(loadEcf(key).size(), 2);
}

} // namespace
} // namespace vexa::test
