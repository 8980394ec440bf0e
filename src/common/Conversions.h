#pragma once
// Text-to-number and date routines shared by the screens, the files and the
// slips. Numbers are typed with the decimal comma; dates are "dd/mm/yyyy".
// The tests named Is... never fail; the conversions answer nothing (nullopt)
// where the text does not parse.

#include "common/Prompter.h"

#include <QDate>
#include <QString>
#include <optional>

namespace vexa {

// ---- tests -----------------------------------------------------------------

// A date "dd/mm/yyyy" (day and month of one or two digits, a four-digit year).
bool IsValidDate(const QString& text);
// A 32-bit whole number, optionally signed.
bool IsInteger(const QString& text);
// A decimal number with the decimal comma ("1234,56", "-3", "1,5E3"); a point is not accepted.
bool IsNumber(const QString& text);
// Exactly 6 characters MMYYYY naming a real month.
bool IsValidPeriod(const QString& text);
bool IsEven(qint64 n);

// ---- conversions -----------------------------------------------------------

std::optional<QDate> toDate(const QString& text);      // "dd/mm/yyyy" as IsValidDate accepts it
std::optional<int> toInteger(const QString& text);     // as IsInteger accepts it
std::optional<double> toNumber(const QString& text);   // as IsNumber accepts it
// "dd/mm/yyyy" of a date; an invalid date gives an empty text.
QString dateText(const QDate& date);

// The number of the last day of the date's month (28 to 31); 0 for an invalid date.
int LastDayOfMonth(const QDate& date);

// Removes every "R", "$" and "." and reads the rest with the decimal comma, kept
// to 4 decimal places: "R$ 1.234,50" -> 1234.5. nullopt when it does not parse.
std::optional<double> MoneyTextToValue(const QString& text);

QString FlagToSN(bool flag);            // "S" / "N"
bool SNToFlag(QChar c);                 // true for "S" or "s"
bool SNToFlag(const QString& text);     // its first character; false when empty

QString CommasToPoints(const QString& text);   // every "," becomes "."

// When the text is not a number (decimal comma), every "," becomes "."; when it
// still is not, every "." becomes ",". Puts a number typed with either
// separator into the form IsNumber reads.
QString NormaliseDecimal(const QString& text);

// The text followed by blanks up to width characters. A longer text is refused:
// the prompter shows its length, " , " and the width (plain box), then
// "Tamanho de s inválido!!!" (warning), and nothing is answered.
std::optional<QString> PadRight(const QString& text, int width, Prompter& prompter);

// "dd/mm/yyyy" rewritten "mm/dd/yyyy"; a text without two slashes comes back unchanged.
QString DateToMonthFirst(const QString& text);

// The last day whose month may still be a slip's reference period: 03/01/2025.
QDate cutoverDate();
// True when the first day of the period MMYYYY is on or before 03/01/2025
// (periods up to 01/2025); false from 02/2025 on and for a text that is no period.
bool PeriodBeforeCutover(const QString& mmyyyy);

// Whole number as at least `width` digits with leading zeros, sign in front
// ("%9.9d", "%14.14d", "%2.2d", "%3.3d"): zeroPad(5, 3) -> "005".
QString zeroPad(qint64 n, int width);

} // namespace vexa
