#include "common/Conversions.h"
#include "common/Rotinas.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vexa;

TEST(IsValidDate, DayMonthYear) {
    EXPECT_TRUE(IsValidDate(QStringLiteral("29/02/2024")));
    EXPECT_FALSE(IsValidDate(QStringLiteral("29/02/2023")));
    EXPECT_TRUE(IsValidDate(QStringLiteral("1/2/2024")));
    EXPECT_FALSE(IsValidDate(QStringLiteral("  /  /    ")));   // an empty date field
    EXPECT_FALSE(IsValidDate(QStringLiteral("2024-02-01")));
    EXPECT_FALSE(IsValidDate(QStringLiteral("31/04/2024")));
    EXPECT_EQ(toDate(QStringLiteral("05/03/2024")), QDate(2024, 3, 5));
    EXPECT_EQ(dateText(QDate(2024, 3, 5)), QStringLiteral("05/03/2024"));
}

TEST(IsIntegerAndIsNumber, DecimalCommaOnly) {
    EXPECT_TRUE(IsInteger(QStringLiteral("00")));
    EXPECT_TRUE(IsInteger(QStringLiteral("-12")));
    EXPECT_FALSE(IsInteger(QStringLiteral("1,0")));
    EXPECT_FALSE(IsInteger(QStringLiteral("2147483648")));   // beyond 32 bits
    EXPECT_FALSE(IsInteger(QString()));
    EXPECT_FALSE(IsInteger(QStringLiteral("1 2")));

    EXPECT_TRUE(IsNumber(QStringLiteral("1234,56")));
    EXPECT_TRUE(IsNumber(QStringLiteral("-3")));
    EXPECT_TRUE(IsNumber(QStringLiteral(",5")));
    EXPECT_FALSE(IsNumber(QStringLiteral("1234.56")));
    EXPECT_FALSE(IsNumber(QStringLiteral("1.234,56")));
    EXPECT_FALSE(IsNumber(QStringLiteral(",")));
    EXPECT_FALSE(IsNumber(QStringLiteral("abc")));
    EXPECT_DOUBLE_EQ(*toNumber(QStringLiteral("1234,56")), 1234.56);
}

TEST(IsValidPeriod, SixCharactersOfARealMonth) {
    EXPECT_TRUE(IsValidPeriod(QStringLiteral("012025")));
    EXPECT_TRUE(IsValidPeriod(QStringLiteral("122009")));
    EXPECT_FALSE(IsValidPeriod(QStringLiteral("132024")));
    EXPECT_FALSE(IsValidPeriod(QStringLiteral("002024")));
    EXPECT_FALSE(IsValidPeriod(QStringLiteral("12024")));
    EXPECT_FALSE(IsValidPeriod(QStringLiteral("01/2024")));
}

TEST(PeriodBeforeCutover, UpToJanuary2025) {
    EXPECT_TRUE(PeriodBeforeCutover(QStringLiteral("012025")));
    EXPECT_FALSE(PeriodBeforeCutover(QStringLiteral("022025")));
    EXPECT_TRUE(PeriodBeforeCutover(QStringLiteral("122009")));
    EXPECT_FALSE(PeriodBeforeCutover(QStringLiteral("132024")));   // no period: not accepted
}

TEST(LastDayOfMonth, LeapYears) {
    EXPECT_EQ(LastDayOfMonth(QDate(2024, 2, 10)), 29);
    EXPECT_EQ(LastDayOfMonth(QDate(2023, 2, 10)), 28);
    EXPECT_EQ(LastDayOfMonth(QDate(1900, 2, 1)), 28);
    EXPECT_EQ(LastDayOfMonth(QDate(2024, 4, 30)), 30);
    EXPECT_EQ(LastDayOfMonth(QDate()), 0);
}

TEST(MoneyTextToValue, CurrencySignAndThousandsPoints) {
    EXPECT_DOUBLE_EQ(*MoneyTextToValue(QStringLiteral("R$ 1.234,50")), 1234.50);
    EXPECT_DOUBLE_EQ(*MoneyTextToValue(QStringLiteral("R$1.234.567,8")), 1234567.8);
    EXPECT_DOUBLE_EQ(*MoneyTextToValue(QStringLiteral("0,12345")), 0.1235);   // four places
    EXPECT_FALSE(MoneyTextToValue(QStringLiteral("R$ ")).has_value());
    EXPECT_FALSE(MoneyTextToValue(QStringLiteral("doze")).has_value());
}

TEST(NormaliseDecimal, EitherSeparatorEndsAsTheComma) {
    EXPECT_EQ(NormaliseDecimal(QStringLiteral("12,5")), QStringLiteral("12,5"));
    EXPECT_EQ(NormaliseDecimal(QStringLiteral("12.5")), QStringLiteral("12,5"));
    EXPECT_EQ(NormaliseDecimal(QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_EQ(CommasToPoints(QStringLiteral("1,2,3")), QStringLiteral("1.2.3"));
}

TEST(FlagsAndSmallForms, AsWrittenInTheFiles) {
    EXPECT_EQ(FlagToSN(true), QStringLiteral("S"));
    EXPECT_EQ(FlagToSN(false), QStringLiteral("N"));
    EXPECT_TRUE(SNToFlag(QChar(u's')));
    EXPECT_FALSE(SNToFlag(QString()));
    EXPECT_EQ(DateToMonthFirst(QStringLiteral("05/03/2024")), QStringLiteral("03/05/2024"));
    EXPECT_EQ(zeroPad(5, 3), QStringLiteral("005"));
    EXPECT_EQ(zeroPad(290000009, 9), QStringLiteral("290000009"));
    EXPECT_EQ(zeroPad(-5, 3), QStringLiteral("-005"));
    EXPECT_EQ(zeroPad(12345, 2), QStringLiteral("12345"));
    EXPECT_TRUE(IsEven(-4));
    EXPECT_FALSE(IsEven(7));
}

TEST(PadRight, FillsOrRefusesWithTwoMessages) {
    ScriptedPrompter prompter;
    EXPECT_EQ(PadRight(QStringLiteral("ab"), 4, prompter), QStringLiteral("ab  "));
    EXPECT_EQ(PadRight(QStringLiteral("abcd"), 4, prompter), QStringLiteral("abcd"));
    EXPECT_TRUE(prompter.log().isEmpty());
    EXPECT_FALSE(PadRight(QString(25, QLatin1Char('9')), 20, prompter).has_value());
    EXPECT_EQ(prompter.log(), (QStringList{QStringLiteral("info: 25 , 20"),
                                           QStringLiteral("warn: Tamanho de s inválido!!!")}));
}

TEST(NextNumber, MaximumPlusOneAndOnlyPlainNames) {
    QTemporaryDir dir;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("next-number"));
        db.setDatabaseName(dir.filePath(QStringLiteral("n.db")));
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE DareAvulsas (Seq INTEGER, Obs TEXT)")));
        EXPECT_EQ(NextNumber(db, QStringLiteral("Seq"), QStringLiteral("DareAvulsas")), 1);
        ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO DareAvulsas VALUES (7, 'x'), (3, 'y')")));
        EXPECT_EQ(NextNumber(db, QStringLiteral("Seq"), QStringLiteral("DareAvulsas")), 8);

        QString error;
        EXPECT_FALSE(NextNumber(db, QStringLiteral("Seq) FROM x; DROP TABLE DareAvulsas; --"),
                                QStringLiteral("DareAvulsas"), &error));
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(NextNumber(db, QStringLiteral("Obs"), QStringLiteral("DareAvulsas")));   // "y" is no number
        EXPECT_FALSE(NextNumber(db, QStringLiteral("Seq"), QStringLiteral("Missing")));
        EXPECT_EQ(NextNumber(db, QStringLiteral("Seq"), QStringLiteral("DareAvulsas")), 8);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("next-number"));
}
