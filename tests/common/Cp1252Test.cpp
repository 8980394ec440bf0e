#include "common/Cp1252.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace vexa;

TEST(Cp1252, EveryByteRoundTrips) {
    QByteArray all;
    for (int b = 0; b < 256; ++b) all += char(b);
    const QString text = cp1252::decode(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(cp1252::encode(text), all);
    for (int b = 0; b < 256; ++b) {
        const char16_t ch = cp1252::toUnicode(static_cast<unsigned char>(b));
        EXPECT_EQ(static_cast<unsigned char>(cp1252::toByte(ch)), b) << "byte " << b;
    }
    // 256 distinct characters: no two bytes share one.
    QSet<QChar> seen(text.begin(), text.end());
    EXPECT_EQ(seen.size(), 256);
}

TEST(Cp1252, ThePageItself) {
    EXPECT_EQ(cp1252::toUnicode(0x80), u'\u20AC');
    EXPECT_EQ(cp1252::toUnicode(0x9F), u'\u0178');
    EXPECT_EQ(cp1252::toUnicode(0xE7), u'ç');
    for (unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(cp1252::toUnicode(undefined), char16_t(undefined));
    EXPECT_EQ(cp1252::encode(QStringLiteral("Eletrônica – “São João” €")),
              QByteArray("Eletr\xF4nica \x96 \x93S\xE3o Jo\xE3o\x94 \x80"));
}

TEST(Cp1252, CharactersOutsideThePageBecomeQuestionMarks) {
    EXPECT_EQ(cp1252::encode(QStringLiteral("a\u0080b")), QByteArray("a?b"));   // a C1 control the page lacks
    EXPECT_EQ(cp1252::encode(QStringLiteral("Ω")), QByteArray("?"));
    EXPECT_EQ(cp1252::encode(QStringLiteral("x😀y")), QByteArray("x?y"));        // one character, one byte
    EXPECT_EQ(cp1252::encode(QString(QChar(0xD800))), QByteArray("?"));         // a lone surrogate
    EXPECT_TRUE(cp1252::canEncode(QStringLiteral("Ação?")));
    EXPECT_FALSE(cp1252::canEncode(QStringLiteral("Ω")));
}
