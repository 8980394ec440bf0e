#include "common/Masks.h"

#include "common/DocumentChecks.h"

#include <QStringList>

namespace vexa {

QString applyMask(const QString& mask, const QString& value) {
    const QStringList parts = mask.split(QLatin1Char(';'));
    const QString pattern = parts.value(0);
    const QString blankField = parts.value(2);
    const QChar blank = blankField.isEmpty() ? QLatin1Char(' ') : blankField.at(0);
    const QString digits = SoNumeros(value);
    QString out;
    int next = 0;
    for (QChar c : pattern) {
        if (c == QLatin1Char('!')) continue;   // a directive, not a position
        if (c == QLatin1Char('9') || c == QLatin1Char('0')) {
            out += next < digits.size() ? digits.at(next) : blank;
            ++next;
        } else {
            out += c;
        }
    }
    return out;
}

QString formatIE(const QString& digits) { return applyMask(kMaskIE, digits); }

QString formatCPF(const QString& digits) { return applyMask(kMaskCPF, digits); }

QString periodToDisplay(const QString& mmyyyy) {
    if (mmyyyy.size() != 6) return mmyyyy;
    return mmyyyy.left(2) + QLatin1Char('/') + mmyyyy.mid(2);
}

QString periodFromDisplay(const QString& shown) { return SoNumeros(shown); }

} // namespace vexa
