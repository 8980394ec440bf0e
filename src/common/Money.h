#pragma once
// Money: reais in doubles with two decimals. Every rounding, comparison,
// display text, typed text and file digit field of an amount goes through here.

#include <QString>
#include <optional>

namespace vexa::money {

// Rounded to cents, half away from zero, on the shortest decimal text that
// reads back as the same double (so 1.005 -> 1.01 and -2.675 -> -2.68, as the
// user typed them, despite their binary error). NaN and infinities come back unchanged.
double round2(double value);
// The same rounding to `decimals` places (0 to 6).
double roundTo(double value, int decimals);
// The rounded value in whole cents (1234.5 -> 123450).
qint64 toCents(double value);
double fromCents(qint64 cents);

// Two amounts are different when their difference, rounded to two decimals, is not zero.
bool different(double a, double b);
inline bool same(double a, double b) { return !different(a, b); }
inline bool isZero(double value) { return !different(value, 0.0); }

// Display form "###,###,###,##0.00": thousands point, decimal comma
// (1234567.8 -> "1.234.567,80", -5 -> "-5,00"). A value that rounds to zero shows "0,00".
QString format(double value);
// Form "0.00" with the decimal comma and no thousands point ("1234,50"): the edit text.
QString editText(double value);
// Form "0.00" with a decimal point ("1234.50"): for SQL literals and machine text.
QString plainText(double value);

// A typed amount in the pt-BR way: optional "R$", blanks, a sign, thousands
// points, a decimal comma ("R$ 1.234,50", "1234,5", "-10", "1.234.567"). A
// single point followed by one, two or more than three digits is read as a
// decimal point ("12.5"). Rounded to cents; nullopt when it is not an amount.
std::optional<double> parse(const QString& text);

// Fixed-width digit field: the value rounded to `decimals` places, its absolute
// value written zero-filled with `width` digits in all, the last `decimals` of
// them the fraction ("0...0.00" then digits only). fits is false when the
// integer part needs more digits than the width leaves; digits then holds
// every digit (longer than width).
struct FixedDigits {
    QString digits;
    bool fits = true;
};
FixedDigits fixedDigits(double value, int width, int decimals = 2);
// The 14-digit amount field of the files: 1234.5 -> "00000000123450", -5 -> "00000000000500".
inline FixedDigits fileAmount(double value) { return fixedDigits(value, 14, 2); }
// The 4-digit rate field: 17 -> "1700", 4.5 -> "0450".
inline FixedDigits fileRate(double value) { return fixedDigits(value, 4, 2); }

// Reads a digit field back: all characters must be digits (at least one);
// the last `decimals` digits are the fraction ("00000000123450" -> 1234.5).
std::optional<double> parseFixedDigits(const QString& digits, int decimals = 2);

} // namespace vexa::money
