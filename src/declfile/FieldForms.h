#pragma once
// The field forms of the submission file's fixed-position records. Every form
// answers the field's bytes in code page 1252 and whether the value fits its
// slot; a value that does not fit is never cut or widened silently: the
// record builder refuses the declaration (RecordLayout.h).

#include <QByteArray>
#include <QDate>
#include <QString>

namespace vexa::declfile {

struct FieldText {
    QByteArray bytes;   // code page 1252
    bool fits = true;
};

// amount: rounded to cents, absolute value, 12 integer digits and 2 decimals
// without the point: 1234.5 -> "00000000123450", -5 -> "00000000000500".
// Does not fit from 10^12 on (and for a value that is not a number).
FieldText amountField(double value);
inline constexpr int kAmountWidth = 14;

// text n: the text followed by blanks up to n characters. Line breaks inside
// the text become blanks, so that a record always stays on one line. Does not
// fit when it is longer than n.
FieldText textField(const QString& text, int width);

// raw: the text exactly as stored, not padded (a shorter value shifts every
// later field of the record to the left). Line breaks become blanks. Does not
// fit when it is longer than its usual width.
FieldText rawField(const QString& text, int usualWidth);

// int n: the whole number as n digits, zero-filled ("%n.nd"). Does not fit
// when negative or when it needs more than n digits.
FieldText intField(qint64 value, int width);

// date: "ddmmyyyy"; an empty (invalid) date is day zero, 30/12/1899: "30121899".
FieldText dateField(const QDate& date);
inline constexpr char kDayZero[] = "30121899";

// The TARE expiry date of record A: "ddmmyyyy", eight blanks when empty.
FieldText dateOrBlankField(const QDate& date);

// flag: "S" for true, "N" for false.
FieldText flagField(bool flag);

// rate: formatted "00.00", digits only: 17 -> "1700", 4.5 -> "0450". Does not
// fit from 100 on; a negative rate is written as its absolute value, like an amount.
FieldText rateField(double rate);

// right 9: the text right-aligned in 9 characters with blanks in front
// ("%9s"). Does not fit when longer than 9.
FieldText right9Field(const QString& text);

// The text of a field as stored, with every CR LF pair and every remaining
// CR or LF replaced by one blank (ObsEncerrantes is written on one line).
QString oneLine(const QString& text);

} // namespace vexa::declfile
