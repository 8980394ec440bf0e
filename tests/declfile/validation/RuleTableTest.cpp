// The rule table: the order the checks run in, which are alerts, which are
// skipped together, and that every rule has its message.
#include "declfile/ValidationRules.h"

#include <gtest/gtest.h>

namespace vexa::declfile {
namespace {

TEST(RuleTable, SixtyOneRulesInOrderWithTheirKindsStagesAndGates) {
    const auto& rules = validationRules();
    ASSERT_EQ(rules.size(), 61u);
    QList<int> alerts, accountantGated, foundGated, pumpRows;
    RuleStage stage = RuleStage::BeforeRecordA;
    for (size_t i = 0; i < rules.size(); ++i) {
        const Rule& r = rules[i];
        EXPECT_EQ(r.number, int(i) + 1);
        EXPECT_NE(r.check, nullptr);
        EXPECT_FALSE(ruleMessage(r.number).isEmpty()) << r.number;
        EXPECT_GE(int(r.stage), int(stage)) << "stage goes back at rule " << r.number;
        stage = r.stage;
        if (r.kind == MessageKind::Alerta) alerts << r.number;
        if (r.gate == RuleGate::AccountantNamed) accountantGated << r.number;
        if (r.gate == RuleGate::DeclarationFound) foundGated << r.number;
        if (r.scope == RuleScope::PumpRow) pumpRows << r.number;
    }
    EXPECT_EQ(alerts, (QList<int>{30, 31, 50, 51}));
    EXPECT_EQ(accountantGated, (QList<int>{3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(foundGated, (QList<int>{26, 27, 28, 29}));
    EXPECT_EQ(pumpRows, (QList<int>{21, 22, 23}));
    EXPECT_EQ(rules[17].stage, RuleStage::BeforeRecordA);   // rule 18
    EXPECT_EQ(rules[18].stage, RuleStage::WhileSegments);   // rule 19
    EXPECT_EQ(rules[24].stage, RuleStage::WhileSegments);   // rule 25
    EXPECT_EQ(rules[25].stage, RuleStage::AfterRecordZ);    // rule 26
}

TEST(RuleTable, MessagesKeepTheirCarriageReturnsAndEntities) {
    EXPECT_EQ(ruleMessage(17).count(QLatin1Char('\r')), 2);
    EXPECT_TRUE(ruleMessage(17).startsWith(QStringLiteral("Valores inferiores a R$ 50,00, lançados no campo 7.3")));
    EXPECT_TRUE(ruleMessage(58).contains(QStringLiteral("somat&oacute;rio da \rColuna")));
    EXPECT_EQ(ruleMessage(13), QStringLiteral("Campo CPF contabilista  inválido"));
    EXPECT_TRUE(rule55Question().endsWith(QStringLiteral("\r\rConfirma a veracidade da informação?")));
    EXPECT_TRUE(ruleMessage(0).isEmpty());
    EXPECT_TRUE(ruleMessage(62).isEmpty());
}

} // namespace
} // namespace vexa::declfile
