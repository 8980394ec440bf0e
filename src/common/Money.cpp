#include "common/Money.h"

#include <QRegularExpression>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <string_view>

namespace vexa::money {

namespace {

constexpr qint64 kPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000};

// The value in units of 10^-decimals, rounded half away from zero on its
// shortest round-trip decimal text. Saturates far beyond any amount.
qint64 scaledUnits(double value, int decimals) {
    if (!std::isfinite(value) || value == 0.0) return 0;
    char buf[64];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific);
    const std::string_view text(buf, static_cast<size_t>(res.ptr - buf));
    // text: d[.ddd]e±XX
    const size_t e = text.find('e');
    std::string digits;
    for (size_t i = 0; i < e; ++i)
        if (text[i] != '.') digits += text[i];
    const int exponent = std::stoi(std::string(text.substr(e + 1)));
    // Digits kept left of the rounding point: the integer digits plus the decimals.
    const int kept = exponent + 1 + decimals;
    qint64 units = 0;
    if (kept > 18) {
        units = std::numeric_limits<qint64>::max() / 10;
    } else if (kept >= 0) {
        for (int i = 0; i < kept; ++i)
            units = units * 10 + (i < int(digits.size()) ? digits[size_t(i)] - '0' : 0);
        if (kept < int(digits.size()) && digits[size_t(kept)] >= '5') ++units;
    }
    return value < 0 ? -units : units;
}

QString groupedDigits(const QString& digits) {
    QString out;
    const int n = digits.size();
    for (int i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += QLatin1Char('.');
        out += digits.at(i);
    }
    return out;
}

// Sign, integer part and two decimals of the rounded value; no sign for zero.
struct Parts {
    bool negative;
    QString integer;
    QString cents;
};
Parts parts(double value) {
    const qint64 c = toCents(value);
    const quint64 magnitude = c < 0 ? quint64(0) - quint64(c) : quint64(c);
    return {c < 0, QString::number(magnitude / 100),
            QStringLiteral("%1").arg(magnitude % 100, 2, 10, QLatin1Char('0'))};
}

QString joined(double value, bool grouped, QChar decimalPoint) {
    const Parts p = parts(value);
    QString out = p.negative ? QStringLiteral("-") : QString();
    out += grouped ? groupedDigits(p.integer) : p.integer;
    return out + decimalPoint + p.cents;
}

} // namespace

double roundTo(double value, int decimals) {
    if (!std::isfinite(value)) return value;
    decimals = std::clamp(decimals, 0, 6);
    if (std::fabs(value) >= 1e15) return value;   // no fraction left to round
    return double(scaledUnits(value, decimals)) / double(kPowers[decimals]);
}

double round2(double value) { return roundTo(value, 2); }

qint64 toCents(double value) { return scaledUnits(value, 2); }

double fromCents(qint64 cents) { return double(cents) / 100.0; }

bool different(double a, double b) { return toCents(a - b) != 0; }

QString format(double value) { return joined(value, true, QLatin1Char(',')); }

QString editText(double value) { return joined(value, false, QLatin1Char(',')); }

QString plainText(double value) { return joined(value, false, QLatin1Char('.')); }

std::optional<double> parse(const QString& text) {
    QString t = text;
    t.replace(QChar(0x00A0), QLatin1Char(' '));
    t.remove(QStringLiteral("R$"));
    t.remove(QLatin1Char(' '));
    bool negative = false;
    if (t.startsWith(QLatin1Char('-'))) {
        negative = true;
        t.remove(0, 1);
    } else if (t.startsWith(QLatin1Char('+'))) {
        t.remove(0, 1);
    }
    static const QRegularExpression grouped(QStringLiteral("^\\d{1,3}(\\.\\d{3})+$"));
    static const QRegularExpression plain(QStringLiteral("^\\d*$"));
    QString integer;
    QString fraction;
    const int comma = t.indexOf(QLatin1Char(','));
    if (comma >= 0) {
        integer = t.left(comma);
        fraction = t.mid(comma + 1);
        if (integer.contains(QLatin1Char('.'))) {
            if (!grouped.match(integer).hasMatch()) return std::nullopt;
            integer.remove(QLatin1Char('.'));
        }
    } else if (grouped.match(t).hasMatch()) {
        integer = t;
        integer.remove(QLatin1Char('.'));
    } else if (t.count(QLatin1Char('.')) == 1) {
        // "12.5": a point that cannot be a thousands point is the decimal point.
        const int point = t.indexOf(QLatin1Char('.'));
        integer = t.left(point);
        fraction = t.mid(point + 1);
    } else {
        integer = t;
    }
    if (!plain.match(integer).hasMatch() || !plain.match(fraction).hasMatch()) return std::nullopt;
    if (integer.isEmpty() && fraction.isEmpty()) return std::nullopt;
    bool ok = false;
    const double v = (QStringLiteral("0") + integer + QLatin1Char('.') + fraction + QLatin1Char('0')).toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return round2(negative ? -v : v);
}

FixedDigits fixedDigits(double value, int width, int decimals) {
    decimals = std::clamp(decimals, 0, 6);
    const qint64 units = scaledUnits(value, decimals);
    const quint64 magnitude = units < 0 ? quint64(0) - quint64(units) : quint64(units);
    QString digits = QString::number(magnitude);
    const int minimum = std::max(width, decimals + 1);
    if (digits.size() < minimum) digits.prepend(QString(minimum - digits.size(), QLatin1Char('0')));
    return {digits, digits.size() <= width};
}

std::optional<double> parseFixedDigits(const QString& digits, int decimals) {
    decimals = std::clamp(decimals, 0, 6);
    if (digits.isEmpty() || digits.size() > 18) return std::nullopt;
    for (QChar c : digits)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    return double(digits.toLongLong()) / double(kPowers[decimals]);
}

} // namespace vexa::money
