#pragma once
// Values typed in a grid cell: amounts and whole numbers as the grid's
// editor or the user's text hands them over.

#include "common/Money.h"

#include <QVariant>
#include <optional>

namespace vexa::decl::ui {

// An amount typed in a grid: the number, or its text with a decimal comma,
// rounded to `decimals`; nullopt when it is not an amount. A blank text is 0.
inline std::optional<double> gridAmount(const QVariant& value, int decimals = 2) {
    if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int ||
        value.typeId() == QMetaType::LongLong)
        return money::roundTo(value.toDouble(), decimals);
    const QString text = value.toString().trimmed();
    if (text.isEmpty()) return 0.0;
    if (decimals <= 2) {
        const std::optional<double> parsed = money::parse(text);
        if (!parsed) return std::nullopt;
        return money::roundTo(*parsed, decimals);
    }
    // More decimals than money has: digits and one decimal comma (or point), no thousands points.
    QString plain = text;
    plain.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double number = plain.toDouble(&ok);
    if (!ok) return std::nullopt;
    return money::roundTo(number, decimals);
}

// An amount typed in a list editor's grid: a text with a decimal comma (a
// blank one is 0), any other value read as its number; rounded to cents.
// nullopt when the text is not an amount. Unlike gridAmount(), only a text
// is parsed: every other type goes through QVariant::toDouble().
inline std::optional<double> listAmount(const QVariant& value) {
    if (value.typeId() != QMetaType::QString) return money::round2(value.toDouble());
    const QString text = value.toString().trimmed();
    if (text.isEmpty()) return 0.0;
    const std::optional<double> parsed = money::parse(text);
    if (!parsed) return std::nullopt;
    return money::round2(*parsed);
}

// A whole number typed in a grid: *out empty for a blank text; false when the
// text is not a non-negative whole number.
inline bool gridInteger(const QVariant& value, std::optional<qint64>* out) {
    const QString text = value.isNull() ? QString() : value.toString().trimmed();
    if (text.isEmpty()) {
        out->reset();
        return true;
    }
    for (QChar c : text)
        if (!c.isDigit()) return false;
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (!ok) return false;
    *out = n;
    return true;
}

} // namespace vexa::decl::ui
