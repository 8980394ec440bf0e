#include "common/Clock.h"
#include "common/Prompter.h"

#include <gtest/gtest.h>

using namespace vexa;

TEST(Clock, TodayIsFixedByTheEnvironment) {
    EXPECT_EQ(Clock::instance().today(), QDate(2024, 3, 15));
    FixedClock fixed(QDate(2025, 1, 31));
    Clock::setInstance(&fixed);
    EXPECT_EQ(Clock::instance().today(), QDate(2025, 1, 31));
    Clock::setInstance(nullptr);
    EXPECT_EQ(Clock::instance().today(), QDate(2024, 3, 15));
}

TEST(ScriptedPrompter, AnswersInOrderThenTheDefaultAndKeepsTheLog) {
    ScriptedPrompter p(false);
    p.queueAnswers({true, false});
    EXPECT_TRUE(p.ask(QStringLiteral("Confirma Exclusão???")));
    EXPECT_FALSE(p.ask(QStringLiteral("a")));
    EXPECT_FALSE(p.ask(QStringLiteral("b")));
    p.warn(QStringLiteral("Inscrição Estadual Inválida!!!"));
    ASSERT_EQ(p.log().size(), 4);
    EXPECT_EQ(p.last(), QStringLiteral("warn: Inscrição Estadual Inválida!!!"));
}
