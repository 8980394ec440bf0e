#include "common/Conversions.h"

#include "common/DocumentChecks.h"
#include "common/Money.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace vexa {

namespace {

const QRegularExpression& dateExpression() {
    static const QRegularExpression re(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    return re;
}

const QRegularExpression& integerExpression() {
    static const QRegularExpression re(QStringLiteral("^\\s*[+-]?\\d+\\s*$"));
    return re;
}

// Decimal comma, optional exponent; at least one digit in the mantissa.
const QRegularExpression& numberExpression() {
    static const QRegularExpression re(
        QStringLiteral("^\\s*[+-]?(\\d+(,\\d*)?|,\\d+)([eE][+-]?\\d+)?\\s*$"));
    return re;
}

} // namespace

std::optional<QDate> toDate(const QString& text) {
    const auto m = dateExpression().match(text);
    if (!m.hasMatch()) return std::nullopt;
    const QDate d(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
    if (!d.isValid()) return std::nullopt;
    return d;
}

bool IsValidDate(const QString& text) { return toDate(text).has_value(); }

std::optional<int> toInteger(const QString& text) {
    if (!integerExpression().match(text).hasMatch()) return std::nullopt;
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok) return std::nullopt;   // outside the 32-bit range
    return v;
}

bool IsInteger(const QString& text) { return toInteger(text).has_value(); }

std::optional<double> toNumber(const QString& text) {
    if (!numberExpression().match(text).hasMatch()) return std::nullopt;
    bool ok = false;
    const double v = text.trimmed().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

bool IsNumber(const QString& text) { return toNumber(text).has_value(); }

bool IsValidPeriod(const QString& text) {
    if (text.size() != 6) return false;
    return IsValidDate(QStringLiteral("01/") + text.left(2) + QLatin1Char('/') + text.mid(2));
}

bool IsEven(qint64 n) { return n % 2 == 0; }

QString dateText(const QDate& date) {
    return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

int LastDayOfMonth(const QDate& date) { return date.isValid() ? date.daysInMonth() : 0; }

std::optional<double> MoneyTextToValue(const QString& text) {
    QString rest = text;
    rest.remove(QLatin1Char('R')).remove(QLatin1Char('$')).remove(QLatin1Char('.'));
    const auto v = toNumber(rest);
    if (!v) return std::nullopt;
    return money::roundTo(*v, 4);
}

QString FlagToSN(bool flag) { return flag ? QStringLiteral("S") : QStringLiteral("N"); }

bool SNToFlag(QChar c) { return c.toUpper() == QLatin1Char('S'); }

bool SNToFlag(const QString& text) { return !text.isEmpty() && SNToFlag(text.at(0)); }

QString CommasToPoints(const QString& text) {
    QString out = text;
    return out.replace(QLatin1Char(','), QLatin1Char('.'));
}

QString NormaliseDecimal(const QString& text) {
    QString out = text;
    if (IsNumber(out)) return out;
    out.replace(QLatin1Char(','), QLatin1Char('.'));
    if (IsNumber(out)) return out;
    return out.replace(QLatin1Char('.'), QLatin1Char(','));
}

std::optional<QString> PadRight(const QString& text, int width, Prompter& prompter) {
    if (text.size() > width) {
        prompter.info(QString::number(text.size()) + QStringLiteral(" , ") + QString::number(width));
        prompter.warn(QStringLiteral("Tamanho de s inválido!!!"));
        return std::nullopt;
    }
    return text + QString(width - text.size(), QLatin1Char(' '));
}

QString DateToMonthFirst(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 3) return text;
    return parts[1] + QLatin1Char('/') + parts[0] + QLatin1Char('/') + parts[2];
}

QDate cutoverDate() { return QDate(2025, 1, 3); }

bool PeriodBeforeCutover(const QString& mmyyyy) {
    if (!IsValidPeriod(mmyyyy)) return false;
    const QDate first(mmyyyy.mid(2).toInt(), mmyyyy.left(2).toInt(), 1);
    return first <= cutoverDate();
}

QString zeroPad(qint64 n, int width) {
    const quint64 magnitude = n < 0 ? quint64(0) - quint64(n) : quint64(n);
    QString digits = QString::number(magnitude);
    if (digits.size() < width) digits.prepend(QString(width - digits.size(), QLatin1Char('0')));
    return n < 0 ? QLatin1Char('-') + digits : digits;
}

} // namespace vexa
