#pragma once
// Code page 1252, the single-byte encoding of every file the program writes or
// reads (submission and accounting-system files, Log.txt, the report page).
// All 256 byte values decode; the five bytes the page leaves undefined (0x81,
// 0x8D, 0x8F, 0x90, 0x9D) map to U+0081, U+008D, U+008F, U+0090, U+009D and
// back, so any byte string round-trips. A character outside the page encodes as '?'.

#include <QByteArray>
#include <QChar>
#include <QString>

namespace vexa::cp1252 {

QString decode(const QByteArray& bytes);
QByteArray encode(const QString& text);

// The character of one byte, and the byte of one character ('?' when the page has none).
char16_t toUnicode(unsigned char byte);
char toByte(char16_t ch);
// True when every character of the text has its own byte in the page.
bool canEncode(const QString& text);

} // namespace vexa::cp1252
