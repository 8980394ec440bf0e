#pragma once
// Check digit and symbol text of the bank-collection bar code of the DARE.

#include <QByteArray>
#include <QString>

namespace vexa {

// Modulus-10 check digit (0..9) of a digit text: from the left, odd positions
// weigh 2 and even positions 1; the digits of the products are summed; the
// digit is 10 - (sum mod 10), or 0 when the sum is a multiple of 10.
// Characters other than digits count as 0.
int DigitoModulo10(const QString& digits);

// The character codes that draw the digits in the interleaved 2 of 5 bar-code
// font: 139, one code per pair of digits (00 -> 100 'd', 01..26 -> 101..126,
// 27 -> 133, 28 -> 189, 29..32 -> 129..132, 33..99 -> themselves), 155.
// The pairs are taken over the trimmed text; an odd last digit is dropped.
QByteArray CodigoBarras2de5(const QString& digits);

} // namespace vexa
