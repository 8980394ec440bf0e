#pragma once
// Check digits of the registration numbers: the home state's IE, CNPJ, CPF,
// and the documents named on a standalone payment slip. Every check takes the
// text as typed and never raises; registration numbers are stored as digits only.

#include <QString>

namespace vexa {

// The text reduced to its characters "0" to "9", in order ("12.345/678-9" -> "123456789").
QString SoNumeros(const QString& text);

// The home state's IE: 9 digits (nothing else, not even a blank), beginning
// with "29", the 9th a mod-11 check digit over the weights 9..2. Characters
// after the 9th are not looked at.
bool IsValidIE(const QString& text);

// CNPJ: 12 base digits and two mod-11 check digits, weights 2..9 repeated.
bool IsValidCNPJ(const QString& text);
// CPF: 9 base digits and two mod-11 check digits, weights 2..10 then 2..11.
bool IsValidCPF(const QString& text);

// True when the text has fewer than 2 characters or all its characters are equal
// (a CNPJ or CPF of one repeated digit passes the check digits but is refused).
bool AllSameCharacter(const QString& text);

// Document of a standalone slip by kind: "0" a 7-digit number, "1" a 9-digit
// registration number, "2" a CNPJ. Any other kind answers false.
bool IsValidDocument(const QString& text, const QString& kind);

} // namespace vexa
