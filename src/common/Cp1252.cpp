#include "common/Cp1252.h"

namespace vexa::cp1252 {

namespace {

// Bytes 0x80..0x9F; the rest of the page is Latin-1. The five bytes the page
// leaves undefined keep their C1 control characters, so every byte decodes.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

char16_t toUnicode(unsigned char byte) {
    return (byte >= 0x80 && byte <= 0x9F) ? kHigh[byte - 0x80] : char16_t(byte);
}

char toByte(char16_t ch) {
    if (ch < 0x80 || (ch >= 0xA0 && ch <= 0xFF)) return char(ch);
    for (int i = 0; i < 32; ++i)
        if (kHigh[i] == ch) return char(0x80 + i);
    return '?';
}

QString decode(const QByteArray& bytes) {
    QString out;
    out.resize(bytes.size());
    QChar* dst = out.data();
    for (qsizetype i = 0; i < bytes.size(); ++i)
        dst[i] = QChar(toUnicode(static_cast<unsigned char>(bytes[i])));
    return out;
}

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += '?';   // one character outside the page, written once
            ++i;
            continue;
        }
        out += toByte(c.unicode());
    }
    return out;
}

bool canEncode(const QString& text) {
    for (QChar c : text)
        if (toByte(c.unicode()) == '?' && c != QLatin1Char('?')) return false;
    return true;
}

} // namespace vexa::cp1252
