#include "common/Barcode.h"
#include "common/DocumentChecks.h"
#include "common/Masks.h"
#include "common/StateCodes.h"

#include <gtest/gtest.h>

using namespace vexa;

TEST(SoNumeros, KeepsOnlyTheDigitsInOrder) {
    EXPECT_EQ(SoNumeros(QStringLiteral("12.345/678-9")), QStringLiteral("123456789"));
    EXPECT_EQ(SoNumeros(QStringLiteral("R$ -1.234,50")), QStringLiteral("123450"));
    EXPECT_EQ(SoNumeros(QStringLiteral("abc")), QString());
    EXPECT_EQ(SoNumeros(QStringLiteral("１２")), QString());   // full-width digits are not "0" to "9"
}

TEST(IsValidIE, CheckDigitOverWeightsNineToTwo) {
    // 2*9 + 9*8 = 90, 90 mod 11 = 2, check digit 11 - 2 = 9.
    EXPECT_TRUE(IsValidIE(QStringLiteral("290000009")));
    EXPECT_FALSE(IsValidIE(QStringLiteral("290000001")));
    // Remainder 1 (sum 100) and remainder 0 (sum 99) both give the check digit 0.
    EXPECT_TRUE(IsValidIE(QStringLiteral("290000050")));
    EXPECT_FALSE(IsValidIE(QStringLiteral("290000051")));
    EXPECT_TRUE(IsValidIE(QStringLiteral("290011000")));
    EXPECT_FALSE(IsValidIE(QStringLiteral("290011001")));
    EXPECT_TRUE(IsValidIE(QStringLiteral("290000408")));   // sum 102, remainder 3, digit 8
}

TEST(IsValidIE, RefusesOtherStatesShortTextsAndBlanks) {
    EXPECT_FALSE(IsValidIE(QStringLiteral("280000009")));   // any prefix but "29"
    EXPECT_FALSE(IsValidIE(QStringLiteral("920000009")));
    EXPECT_FALSE(IsValidIE(QStringLiteral("29000 009")));   // blank inside
    EXPECT_FALSE(IsValidIE(QStringLiteral(" 290000009")));  // blank in front
    EXPECT_FALSE(IsValidIE(QStringLiteral("29000000")));    // 8 digits
    EXPECT_FALSE(IsValidIE(QString()));
    EXPECT_FALSE(IsValidIE(QStringLiteral("29.000.000-9"))); // punctuation is not reduced here
    EXPECT_TRUE(IsValidIE(QStringLiteral("2900000095")));   // characters after the 9th are not looked at
}

TEST(IsValidCNPJ, TwoCheckDigitsWithCyclingWeights) {
    EXPECT_TRUE(IsValidCNPJ(QStringLiteral("11222333000181")));
    EXPECT_TRUE(IsValidCNPJ(QStringLiteral("11.222.333/0001-81")));
    EXPECT_FALSE(IsValidCNPJ(QStringLiteral("11222333000182")));
    EXPECT_FALSE(IsValidCNPJ(QStringLiteral("11222333000191")));
    EXPECT_TRUE(IsValidCNPJ(QStringLiteral("00000000000000")));   // passes; refused by AllSameCharacter
    // A number of the wrong length is no CNPJ even when its digits happen to check.
    EXPECT_FALSE(IsValidCNPJ(QStringLiteral("00")));
    EXPECT_FALSE(IsValidCNPJ(QStringLiteral("1222333000181")));
}

TEST(IsValidCPF, TwoCheckDigitsWithRisingWeights) {
    EXPECT_TRUE(IsValidCPF(QStringLiteral("52998224725")));
    EXPECT_TRUE(IsValidCPF(QStringLiteral("529.982.247-25")));
    EXPECT_FALSE(IsValidCPF(QStringLiteral("52998224726")));
    EXPECT_TRUE(IsValidCPF(QStringLiteral("11111111111")));
    EXPECT_FALSE(IsValidCPF(QStringLiteral("00")));
    EXPECT_FALSE(IsValidCPF(QString()));
    // A CPF is not a CNPJ: the CNPJ weights give other check digits for 9 base digits.
    EXPECT_FALSE(IsValidCNPJ(QStringLiteral("52998224725")));
}

TEST(AllSameCharacter, ShortOrRepeated) {
    EXPECT_TRUE(AllSameCharacter(QString()));
    EXPECT_TRUE(AllSameCharacter(QStringLiteral("7")));
    EXPECT_TRUE(AllSameCharacter(QStringLiteral("11111111111")));
    EXPECT_FALSE(AllSameCharacter(QStringLiteral("11111111112")));
}

TEST(IsValidDocument, ByKind) {
    // Kind 0: 7 digits, weights 7..2; 11 - remainder, 0 when above 7.
    EXPECT_TRUE(IsValidDocument(QStringLiteral("1000004"), QStringLiteral("0")));   // sum 7 -> 4
    EXPECT_FALSE(IsValidDocument(QStringLiteral("1000005"), QStringLiteral("0")));
    EXPECT_TRUE(IsValidDocument(QStringLiteral("1234560"), QStringLiteral("0")));   // sum 77 -> 11 -> 0
    EXPECT_TRUE(IsValidDocument(QStringLiteral("0000010"), QStringLiteral("0")));   // sum 2 -> 9 -> 0
    EXPECT_TRUE(IsValidDocument(QStringLiteral("10006"), QStringLiteral("0")));     // widened to 0010006
    EXPECT_FALSE(IsValidDocument(QStringLiteral("10000040"), QStringLiteral("0"))); // 8 digits
    EXPECT_FALSE(IsValidDocument(QStringLiteral("0000000"), QStringLiteral("0")));  // sum 0

    // Kind 1: 9 digits, weights 9..2; 11 - remainder, 0 when above 9.
    EXPECT_TRUE(IsValidDocument(QStringLiteral("290000009"), QStringLiteral("1")));
    EXPECT_TRUE(IsValidDocument(QStringLiteral("19"), QStringLiteral("1")));        // 000000019: sum 2 -> 9 kept
    EXPECT_TRUE(IsValidDocument(QStringLiteral("10000003"), QStringLiteral("1")));  // 010000003: sum 8 -> 3
    EXPECT_FALSE(IsValidDocument(QStringLiteral("10000002"), QStringLiteral("1")));
    EXPECT_FALSE(IsValidDocument(QString(), QStringLiteral("1")));
    EXPECT_FALSE(IsValidDocument(QStringLiteral("2900000090"), QStringLiteral("1"))); // 10 digits

    // Kind 2: a CNPJ, widened to 14 digits.
    EXPECT_TRUE(IsValidDocument(QStringLiteral("11.222.333/0001-81"), QStringLiteral("2")));
    EXPECT_FALSE(IsValidDocument(QStringLiteral("11.222.333/0001-80"), QStringLiteral("2")));

    EXPECT_FALSE(IsValidDocument(QStringLiteral("290000009"), QStringLiteral("3")));
    EXPECT_FALSE(IsValidDocument(QStringLiteral("290000009"), QString()));
}

TEST(StateCodes, TwentyEightOfEachKind) {
    EXPECT_EQ(letterStateCodes().size(), 28);
    EXPECT_EQ(numericStateCodes().size(), 28);
    EXPECT_TRUE(IsLetterStateCode(QStringLiteral("QX")));
    EXPECT_TRUE(IsLetterStateCode(QStringLiteral("EX")));
    EXPECT_TRUE(IsLetterStateCode(QStringLiteral("SP")));
    EXPECT_FALSE(IsLetterStateCode(QStringLiteral("sp")));
    EXPECT_FALSE(IsLetterStateCode(QStringLiteral("XX")));
    EXPECT_TRUE(IsNumericStateCode(QStringLiteral("01")));
    EXPECT_TRUE(IsNumericStateCode(QStringLiteral("29")));
    EXPECT_TRUE(IsNumericStateCode(QStringLiteral("90")));
    EXPECT_FALSE(IsNumericStateCode(QStringLiteral("09")));
    EXPECT_FALSE(IsNumericStateCode(QStringLiteral("11")));
    EXPECT_FALSE(IsNumericStateCode(QStringLiteral("30")));
    EXPECT_FALSE(IsNumericStateCode(QStringLiteral("1")));
}

TEST(Masks, StoredDigitsShownWithTheirMask) {
    EXPECT_EQ(formatIE(QStringLiteral("290000009")), QStringLiteral("29.000.000-9"));
    EXPECT_EQ(formatIE(QStringLiteral("2900")), QStringLiteral("29.00_.___-_"));
    EXPECT_EQ(formatCPF(QStringLiteral("52998224725")), QStringLiteral("529.982.247-25"));
    EXPECT_EQ(applyMask(QStringLiteral("99.999.999-9;0;"), QStringLiteral("290000009")).size(), 12);
    EXPECT_EQ(periodToDisplay(QStringLiteral("032024")), QStringLiteral("03/2024"));
    EXPECT_EQ(periodFromDisplay(QStringLiteral("03/2024")), QStringLiteral("032024"));
}

TEST(DigitoModulo10, WeighsFromTheLeft) {
    // 8,5,6 -> 16,5,12 -> 1+6+5+1+2 = 15 -> 5
    EXPECT_EQ(DigitoModulo10(QStringLiteral("856")), 5);
    EXPECT_EQ(DigitoModulo10(QStringLiteral("0")), 0);
    EXPECT_EQ(DigitoModulo10(QStringLiteral("55")), 4);   // 10, 5 -> 1+0+5 = 6 -> 4
}

TEST(CodigoBarras2de5, PairsMapToTheFontCharacters) {
    const QByteArray text = CodigoBarras2de5(QStringLiteral("0039272829329901"));
    ASSERT_EQ(text.size(), 10);
    EXPECT_EQ(static_cast<unsigned char>(text.front()), 139);
    EXPECT_EQ(text.at(1), 'd');                            // 00
    EXPECT_EQ(text.at(2), '\'');                           // 39, the apostrophe
    EXPECT_EQ(static_cast<unsigned char>(text.at(3)), 133);   // 27
    EXPECT_EQ(static_cast<unsigned char>(text.at(4)), 189);   // 28
    EXPECT_EQ(static_cast<unsigned char>(text.at(5)), 129);   // 29
    EXPECT_EQ(static_cast<unsigned char>(text.at(6)), 132);   // 32
    EXPECT_EQ(text.at(7), 'c');                            // 99
    EXPECT_EQ(text.at(8), 'e');                            // 01
    EXPECT_EQ(static_cast<unsigned char>(text.back()), 155);
}
