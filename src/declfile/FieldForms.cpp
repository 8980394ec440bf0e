#include "declfile/FieldForms.h"

#include "common/Cp1252.h"
#include "common/Money.h"

#include <cmath>

namespace vexa::declfile {

namespace {

QByteArray latin(const QString& s) { return s.toLatin1(); }

} // namespace

QString oneLine(const QString& text) {
    if (!text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n'))) return text;
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

FieldText amountField(double value) {
    // 10^13 and beyond are refused before the digits are made, so that no
    // conversion ever works at the edge of a 64-bit number.
    if (!std::isfinite(value) || std::fabs(value) >= 1e13) return {QByteArray(kAmountWidth, '9'), false};
    const money::FixedDigits d = money::fileAmount(value);
    return {latin(d.digits), d.fits};
}

FieldText textField(const QString& text, int width) {
    QByteArray bytes = cp1252::encode(oneLine(text));
    const bool fits = bytes.size() <= width;
    if (fits) bytes.append(QByteArray(width - bytes.size(), ' '));
    return {bytes, fits};
}

FieldText rawField(const QString& text, int usualWidth) {
    QByteArray bytes = cp1252::encode(oneLine(text));
    const bool fits = bytes.size() <= usualWidth;
    return {bytes, fits};
}

FieldText intField(qint64 value, int width) {
    if (value < 0) return {QByteArray::number(value), false};
    QByteArray digits = QByteArray::number(value);
    const bool fits = digits.size() <= width;
    if (fits) digits.prepend(QByteArray(width - digits.size(), '0'));
    return {digits, fits};
}

FieldText dateField(const QDate& date) {
    if (!date.isValid()) return {QByteArray(kDayZero), true};
    if (date.year() < 1 || date.year() > 9999) return {latin(date.toString(QStringLiteral("ddMMyyyy"))), false};
    return {latin(date.toString(QStringLiteral("ddMMyyyy"))), true};
}

FieldText dateOrBlankField(const QDate& date) {
    if (!date.isValid()) return {QByteArray(8, ' '), true};
    return dateField(date);
}

FieldText flagField(bool flag) { return {flag ? QByteArrayLiteral("S") : QByteArrayLiteral("N"), true}; }

FieldText rateField(double rate) {
    if (!std::isfinite(rate) || std::fabs(rate) >= 1e6) return {QByteArray(4, '9'), false};
    const money::FixedDigits d = money::fileRate(rate);
    return {latin(d.digits), d.fits};
}

FieldText right9Field(const QString& text) {
    QByteArray bytes = cp1252::encode(oneLine(text));
    const bool fits = bytes.size() <= 9;
    if (fits) bytes.prepend(QByteArray(9 - bytes.size(), ' '));
    return {bytes, fits};
}

} // namespace vexa::declfile
