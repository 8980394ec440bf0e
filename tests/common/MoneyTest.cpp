#include "common/Money.h"

#include <gtest/gtest.h>

using namespace vexa;

TEST(MoneyRounding, HalfAwayFromZeroOnTheTypedDecimals) {
    EXPECT_DOUBLE_EQ(money::round2(1.005), 1.01);      // 1.00499999999999989... in binary
    EXPECT_DOUBLE_EQ(money::round2(2.675), 2.68);
    EXPECT_DOUBLE_EQ(money::round2(-2.675), -2.68);
    EXPECT_DOUBLE_EQ(money::round2(0.125), 0.13);
    EXPECT_DOUBLE_EQ(money::round2(1.004999), 1.0);
    EXPECT_DOUBLE_EQ(money::round2(0.1 + 0.2), 0.3);
    EXPECT_DOUBLE_EQ(money::round2(1234567890.125), 1234567890.13);
    EXPECT_EQ(money::toCents(1234.5), 123450);
    EXPECT_EQ(money::toCents(-0.005), -1);
    EXPECT_EQ(money::toCents(0.0049), 0);
    EXPECT_DOUBLE_EQ(money::roundTo(0.12345, 4), 0.1235);
}

TEST(MoneyComparison, DifferentWhenTheCentsDiffer) {
    EXPECT_FALSE(money::different(0.1 + 0.2, 0.3));
    EXPECT_FALSE(money::different(100.004, 100.0));
    EXPECT_TRUE(money::different(100.01, 100.0));
    // The difference itself is rounded: 100.005 - 100 is 0.00499999999999545 in binary.
    EXPECT_FALSE(money::different(100.005, 100.0));
    EXPECT_TRUE(money::different(0.005, 0.0));
    EXPECT_TRUE(money::different(49.99, 50.0));
    EXPECT_TRUE(money::isZero(-0.004));
    EXPECT_FALSE(money::isZero(0.01));
}

TEST(MoneyFormat, ThousandsPointAndDecimalComma) {
    EXPECT_EQ(money::format(0), QStringLiteral("0,00"));
    EXPECT_EQ(money::format(-0.001), QStringLiteral("0,00"));
    EXPECT_EQ(money::format(5), QStringLiteral("5,00"));
    EXPECT_EQ(money::format(999.999), QStringLiteral("1.000,00"));
    EXPECT_EQ(money::format(1234567.8), QStringLiteral("1.234.567,80"));
    EXPECT_EQ(money::format(-1234.5), QStringLiteral("-1.234,50"));
    EXPECT_EQ(money::format(123456789012.34), QStringLiteral("123.456.789.012,34"));
    EXPECT_EQ(money::editText(1234567.8), QStringLiteral("1234567,80"));
    EXPECT_EQ(money::plainText(-1234.5), QStringLiteral("-1234.50"));
}

TEST(MoneyParse, TypedAmounts) {
    EXPECT_DOUBLE_EQ(*money::parse(QStringLiteral("R$ 1.234,50")), 1234.5);
    EXPECT_DOUBLE_EQ(*money::parse(QStringLiteral("1234,5")), 1234.5);
    EXPECT_DOUBLE_EQ(*money::parse(QStringLiteral("1.234.567")), 1234567);
    EXPECT_DOUBLE_EQ(*money::parse(QStringLiteral("-10")), -10);
    EXPECT_DOUBLE_EQ(*money::parse(QStringLiteral("R$ -0,5")), -0.5);
    EXPECT_DOUBLE_EQ(*money::parse(QStringLiteral("12.5")), 12.5);
    EXPECT_DOUBLE_EQ(*money::parse(QStringLiteral("1,005")), 1.01);
    EXPECT_DOUBLE_EQ(*money::parse(QStringLiteral(",75")), 0.75);
    EXPECT_FALSE(money::parse(QString()).has_value());
    EXPECT_FALSE(money::parse(QStringLiteral("R$")).has_value());
    EXPECT_FALSE(money::parse(QStringLiteral("12.34,5")).has_value());   // misplaced thousands point
    EXPECT_FALSE(money::parse(QStringLiteral("1,2,3")).has_value());
    EXPECT_FALSE(money::parse(QStringLiteral("1.2.3")).has_value());
    EXPECT_FALSE(money::parse(QStringLiteral("1e5")).has_value());
    EXPECT_FALSE(money::parse(QStringLiteral("--1")).has_value());
}

TEST(MoneyFileDigits, FourteenDigitAmountAndFourDigitRate) {
    EXPECT_EQ(money::fileAmount(1234.5).digits, QStringLiteral("00000000123450"));
    EXPECT_EQ(money::fileAmount(-5).digits, QStringLiteral("00000000000500"));   // the sign is not written
    EXPECT_EQ(money::fileAmount(0).digits, QStringLiteral("00000000000000"));
    EXPECT_EQ(money::fileAmount(1.005).digits, QStringLiteral("00000000000101"));
    EXPECT_TRUE(money::fileAmount(999999999999.99).fits);
    const auto tooBig = money::fileAmount(1e12);
    EXPECT_FALSE(tooBig.fits);
    EXPECT_EQ(tooBig.digits, QStringLiteral("100000000000000"));
    EXPECT_EQ(money::fileRate(17).digits, QStringLiteral("1700"));
    EXPECT_EQ(money::fileRate(4.5).digits, QStringLiteral("0450"));
    EXPECT_EQ(money::fixedDigits(1234.56, 11).digits, QStringLiteral("00000123456"));

    EXPECT_DOUBLE_EQ(*money::parseFixedDigits(QStringLiteral("00000000123450")), 1234.5);
    EXPECT_DOUBLE_EQ(*money::parseFixedDigits(QStringLiteral("0450")), 4.5);
    EXPECT_FALSE(money::parseFixedDigits(QStringLiteral("0000000012345 ")).has_value());
    EXPECT_FALSE(money::parseFixedDigits(QStringLiteral("-0000000012345")).has_value());
    EXPECT_FALSE(money::parseFixedDigits(QString()).has_value());
}
