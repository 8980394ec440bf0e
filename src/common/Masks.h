#pragma once
// The edit masks the screens share, and the conversions between a stored value
// (digits only) and its masked form. The mask texts are those the screens are
// described with; the Qt input masks are their equivalents for QLineEdit.

#include <QString>

namespace vexa {

// Mask texts: "mask;keep punctuation;blank character".
inline const QString kMaskIE = QStringLiteral("99.999.999-9;0;_");
inline const QString kMaskCPF = QStringLiteral("999.999.999-99;0;_");
inline const QString kMaskMunicipio = QStringLiteral("0000000;1;0");
inline const QString kMaskMunicipioTable = QStringLiteral("!0000000;1;0");
inline const QString kMaskDate = QStringLiteral("!99/99/9999;1;_");
inline const QString kMaskPeriod = QStringLiteral("99/9999;0;_");

// QLineEdit::setInputMask equivalents (Qt's "0" is an optional digit, "9" a required one).
inline const QString kInputMaskIE = QStringLiteral("00.000.000-0;_");
inline const QString kInputMaskCPF = QStringLiteral("000.000.000-00;_");
inline const QString kInputMaskMunicipio = QStringLiteral("9999999;0");
inline const QString kInputMaskDate = QStringLiteral("00/00/0000;_");
inline const QString kInputMaskPeriod = QStringLiteral("00/0000;_");

// Places the digits of `value` into the digit positions of a mask such as
// "99.999.999-9" (the part before the first ';'). Positions without a digit
// are left blank; digits beyond the mask are dropped.
QString applyMask(const QString& mask, const QString& value);

// A stored IE shown with its mask: "290000009" -> "29.000.000-9".
QString formatIE(const QString& digits);
// A stored CPF shown with its mask: "12345678909" -> "123.456.789-09".
QString formatCPF(const QString& digits);

// Period forms: "MMYYYY" <-> "MM/YYYY". periodFromDisplay keeps the digits only.
QString periodToDisplay(const QString& mmyyyy);
QString periodFromDisplay(const QString& shown);

} // namespace vexa
