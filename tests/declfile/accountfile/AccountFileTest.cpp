// The accounting-system file reader: line ends, long lines and odd bytes,
// code page 1252, the reading forms and the fields of segment A.

#include "../import/AccountLines.h"
#include "declfile/AccountFile.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace vexa::test {
namespace {

using namespace declfile;

QList<AccountLine> readAll(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    AccountFileReader reader(buffer);
    QList<AccountLine> lines;
    AccountLine line;
    while (reader.next(line)) lines << line;
    EXPECT_EQ(reader.bytesRead(), bytes.size());
    return lines;
}

QStringList texts(const QList<AccountLine>& lines) {
    QStringList out;
    for (const AccountLine& l : lines) out << l.text;
    return out;
}

TEST(AccountFileReader, LineEndsCrLfAndLfAndALastLineWithoutOne) {
    EXPECT_EQ(texts(readAll("A1\r\nB2\nC3")), (QStringList{"A1", "B2", "C3"}));
    EXPECT_EQ(texts(readAll("A1\r\n\r\nB2\r\n")), (QStringList{"A1", "", "B2"}));
    // A CR that is not part of a line end stays in the line.
    const auto lines = readAll("A\r1\r\n");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].text, QStringLiteral("A\r1"));
    EXPECT_EQ(lines[0].length, 3);
    EXPECT_TRUE(readAll(QByteArray()).isEmpty());
    EXPECT_EQ(readAll("\n").size(), 1);
    EXPECT_EQ(readAll("Z\n").value(0).number, 1);
}

TEST(AccountFileReader, LongLinesAreCountedButKeptOnlyInPart) {
    QByteArray huge(5 * 1024 * 1024 + 7, 'x');
    huge[0] = 'B';
    const auto lines = readAll(huge + "\r\nZ\r\n");
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].length, huge.size());
    EXPECT_EQ(lines[0].text.size(), kAccountLineKept);
    EXPECT_EQ(lines[0].segment(), QLatin1Char('B'));
    EXPECT_EQ(lines[1].text, QStringLiteral("Z"));
    EXPECT_EQ(lines[1].number, 2);
    // A CR LF split across the reader's chunks still ends the line.
    QByteArray edge(64 * 1024 - 1, 'y');
    const auto split = readAll(edge + "\r\nA");
    ASSERT_EQ(split.size(), 2);
    EXPECT_EQ(split[0].length, edge.size());
}

TEST(AccountFileReader, BytesAreCodePage1252AndNulBytesStay) {
    const auto lines = readAll(QByteArray("A\xC9\x80", 3) + QByteArray(1, '\0') + "z");
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0].text, QStringLiteral("AÉ€") + QChar(0) + QStringLiteral("z"));
    EXPECT_EQ(lines[0].length, 5);
}

TEST(AccountFileForms, FieldsBeyondTheEndOfALineAreShortOrEmpty) {
    AccountLine line;
    line.text = QStringLiteral("B123");
    line.length = 4;
    EXPECT_EQ(line.field(2, 9), QStringLiteral("123"));
    EXPECT_EQ(line.field(21, 14), QString());
    EXPECT_TRUE(line.at(110).isNull());
    EXPECT_TRUE(AccountLine().segment().isNull());
}

TEST(AccountFileForms, AmountsRatesAndDates) {
    EXPECT_DOUBLE_EQ(readAmount(QStringLiteral("00000000123450"))->value, 1234.5);
    EXPECT_EQ(readAmount(QStringLiteral("00000000123450"))->text, QStringLiteral("1234,50"));
    EXPECT_EQ(readAmount(QStringLiteral("00000000000000"))->text, QStringLiteral("0,00"));
    EXPECT_EQ(readAmount(QStringLiteral("        123450"))->text, QStringLiteral("1234,50"));
    EXPECT_EQ(readAmount(QStringLiteral("-0000000000500"))->text, QStringLiteral("-5,00"));
    EXPECT_FALSE(readAmount(QStringLiteral("0000000ABC0000")));
    EXPECT_FALSE(readAmount(QStringLiteral("              ")));
    EXPECT_FALSE(readAmount(QString()));
    EXPECT_FALSE(readAmount(QStringLiteral("00000012345.50")));   // a point is no decimal separator
    EXPECT_FALSE(readAmount(QStringLiteral("1E300")));
    EXPECT_DOUBLE_EQ(*readRate(QStringLiteral("0450")), 4.5);
    EXPECT_DOUBLE_EQ(*readRate(QStringLiteral("1700")), 17);
    EXPECT_FALSE(readRate(QStringLiteral("17,x")));

    EXPECT_EQ(readDate(QStringLiteral("29022024")), QDate(2024, 2, 29));
    EXPECT_FALSE(readDate(QStringLiteral("29022023")));
    EXPECT_FALSE(readDate(QStringLiteral("        ")));
    EXPECT_FALSE(readDate(QStringLiteral("0101202")));
    EXPECT_EQ(dateAsTyped(QStringLiteral("05032024")), QStringLiteral("05/03/2024"));
    EXPECT_TRUE(isBlank(QStringLiteral("   ")));
    EXPECT_FALSE(isBlank(QStringLiteral(" 1 ")));
}

TEST(AccountFileForms, SegmentAFieldsSitAtTheirPositions) {
    SegmentA a;
    a.nTare = QStringLiteral("TARE-55");
    a.tareExpiry = QStringLiteral("31122025");
    a.items[13] = 85.5;
    a.muda = QStringLiteral("S");
    a.cidadeB = QStringLiteral("2940807");
    a.dtFimB = QStringLiteral("15032024");
    const decl::DeclarationKey key{QStringLiteral("290000009"), QStringLiteral("2024"), QStringLiteral("03"),
                                   QStringLiteral("01")};
    AccountLine line;
    line.text = QString::fromLatin1(lineA(key, a));
    line.length = line.text.size();
    ASSERT_EQ(line.length, kAccountWidthA);
    const AccountHeader h = readHeader(line);
    EXPECT_EQ(h.ie, QStringLiteral("290000009"));
    EXPECT_EQ(h.mmyyyy(), QStringLiteral("032024"));
    EXPECT_EQ(h.retificacao, QStringLiteral("01"));
    EXPECT_EQ(segmentAField(line, 5), QStringLiteral("4711302"));
    EXPECT_EQ(segmentAField(line, 14).trimmed(), QStringLiteral("QX012345"));
    EXPECT_EQ(segmentAField(line, 15), QStringLiteral("QX"));
    EXPECT_EQ(segmentAField(line, 18), QStringLiteral("00000000100000"));
    EXPECT_EQ(segmentAField(line, 31), QStringLiteral("00000000008550"));
    EXPECT_EQ(segmentAField(line, 32).trimmed(), QStringLiteral("TARE-55"));
    EXPECT_EQ(segmentAField(line, 33), kAccountLayoutVersion);
    EXPECT_EQ(segmentAField(line, 34), QStringLiteral("31122025"));
    EXPECT_EQ(segmentAField(line, 37), QStringLiteral("E"));
    EXPECT_EQ(segmentAField(line, 41), QStringLiteral("S"));
    EXPECT_EQ(segmentAField(line, 42), QStringLiteral("2940807"));
    EXPECT_EQ(segmentAField(line, 46), QStringLiteral("15032024"));
    EXPECT_EQ(segmentAField(line, 4), QString());
    EXPECT_EQ(segmentAField(line, 47), QString());
    // The amounts of A18 to A31 follow one another, 14 characters each.
    for (const AccountAmountItem& item : kSegmentAAmounts)
        EXPECT_EQ(segmentAField(line, item.field), line.field(203 + 14 * (item.field - 18), 14));
}

} // namespace
} // namespace vexa::test
