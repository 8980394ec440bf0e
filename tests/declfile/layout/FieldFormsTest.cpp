// The field forms of the submission file: amounts, texts, raw values, whole
// numbers, dates with day zero, flags, rates and right-aligned texts, and
// where each stops fitting its slot.

#include "declfile/FieldForms.h"

#include <gtest/gtest.h>

using namespace vexa::declfile;

namespace {

QByteArray bytes(const FieldText& f) { return f.bytes; }

TEST(FieldForms, AmountIsFourteenDigitsOfTheAbsoluteValue) {
    EXPECT_EQ(bytes(amountField(1234.5)), "00000000123450");
    EXPECT_EQ(bytes(amountField(-5)), "00000000000500");
    EXPECT_EQ(bytes(amountField(0)), "00000000000000");
    EXPECT_EQ(bytes(amountField(0.004)), "00000000000000");
    EXPECT_EQ(bytes(amountField(2.675)), "00000000000268") << "rounded as typed, half away from zero";
    EXPECT_EQ(bytes(amountField(999999999999.99)), "99999999999999");
    EXPECT_TRUE(amountField(999999999999.99).fits);
}

TEST(FieldForms, AmountFromTenToTheTwelfthDoesNotFit) {
    EXPECT_FALSE(amountField(1e12).fits);
    EXPECT_FALSE(amountField(-1e12).fits);
    EXPECT_FALSE(amountField(999999999999.995).fits) << "rounds up to 10^12";
    EXPECT_FALSE(amountField(1e300).fits);
    EXPECT_FALSE(amountField(std::numeric_limits<double>::quiet_NaN()).fits);
    EXPECT_FALSE(amountField(std::numeric_limits<double>::infinity()).fits);
}

TEST(FieldForms, TextIsPaddedAndLongerTextDoesNotFit) {
    EXPECT_EQ(bytes(textField(QStringLiteral("ab"), 5)), "ab   ");
    EXPECT_EQ(bytes(textField(QString(), 3)), "   ");
    EXPECT_EQ(bytes(textField(QStringLiteral("abcde"), 5)), "abcde");
    EXPECT_FALSE(textField(QStringLiteral("abcdef"), 5).fits);
    // Code page 1252: one byte per character, accents included.
    const FieldText accented = textField(QStringLiteral("João"), 6);
    EXPECT_EQ(accented.bytes, QByteArray("Jo\xE3o  "));
    // A character outside the page is written as one '?'.
    EXPECT_EQ(bytes(textField(QStringLiteral("a\u4E2Db"), 4)), "a?b ");
}

TEST(FieldForms, LineBreaksNeverSplitARecord) {
    EXPECT_EQ(bytes(textField(QStringLiteral("linha 1\r\nlinha 2"), 16)), "linha 1 linha 2 ");
    EXPECT_EQ(bytes(textField(QStringLiteral("a\nb\rc"), 5)), "a b c");
    EXPECT_EQ(bytes(rawField(QStringLiteral("a\r\n"), 2)), "a ");
    EXPECT_EQ(oneLine(QStringLiteral("x\r\n\r\ny")), QStringLiteral("x  y"));
}

TEST(FieldForms, RawIsNotPadded) {
    EXPECT_EQ(bytes(rawField(QStringLiteral("47318"), 7)), "47318");
    EXPECT_EQ(bytes(rawField(QString(), 1)), "");
    EXPECT_TRUE(rawField(QStringLiteral("4731800"), 7).fits);
    EXPECT_FALSE(rawField(QStringLiteral("47318001"), 7).fits);
}

TEST(FieldForms, WholeNumbersAreZeroFilled) {
    EXPECT_EQ(bytes(intField(5, 2)), "05");
    EXPECT_EQ(bytes(intField(99, 2)), "99");
    EXPECT_EQ(bytes(intField(0, 7)), "0000000");
    EXPECT_EQ(bytes(intField(2940401, 7)), "2940401");
    EXPECT_FALSE(intField(100, 2).fits);
    EXPECT_FALSE(intField(-1, 10).fits) << "a sign has no place in the digits";
    EXPECT_FALSE(intField(1000, 3).fits);
}

TEST(FieldForms, DatesAndDayZero) {
    EXPECT_EQ(bytes(dateField(QDate(2024, 3, 5))), "05032024");
    EXPECT_EQ(bytes(dateField(QDate())), "30121899");
    EXPECT_EQ(bytes(dateOrBlankField(QDate())), "        ");
    EXPECT_EQ(bytes(dateOrBlankField(QDate(2024, 12, 31))), "31122024");
    EXPECT_FALSE(dateField(QDate(10000, 1, 1)).fits);
}

TEST(FieldForms, FlagsRatesAndRightAlignedTexts) {
    EXPECT_EQ(bytes(flagField(true)), "S");
    EXPECT_EQ(bytes(flagField(false)), "N");
    EXPECT_EQ(bytes(rateField(17)), "1700");
    EXPECT_EQ(bytes(rateField(4.5)), "0450");
    EXPECT_EQ(bytes(rateField(0)), "0000");
    EXPECT_EQ(bytes(rateField(99.99)), "9999");
    EXPECT_FALSE(rateField(100).fits);
    EXPECT_EQ(bytes(right9Field(QStringLiteral("290000025"))), "290000025");
    EXPECT_EQ(bytes(right9Field(QStringLiteral("1234"))), "     1234");
    EXPECT_EQ(bytes(right9Field(QString())), "         ");
    EXPECT_FALSE(right9Field(QStringLiteral("2900000251")).fits);
}

} // namespace
