#include "common/Barcode.h"

namespace vexa {

namespace {
int digitValue(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ? c.unicode() - '0' : 0;
}

// Character of the bar-code font for the pair of digits v (0..99).
unsigned char pairCode(int v) {
    if (v == 0) return 100;
    if (v <= 26) return static_cast<unsigned char>(100 + v);
    if (v == 27) return 133;
    if (v == 28) return 189;
    if (v <= 32) return static_cast<unsigned char>(100 + v);   // 29..32 -> 129..132
    return static_cast<unsigned char>(v);
}
} // namespace

int DigitoModulo10(const QString& digits) {
    int sum = 0;
    for (int i = 0; i < digits.size(); ++i) {
        const int product = digitValue(digits.at(i)) * (i % 2 == 0 ? 2 : 1);
        sum += product / 10 + product % 10;   // the digits of the product
    }
    const int r = sum % 10;
    return r == 0 ? 0 : 10 - r;
}

QByteArray CodigoBarras2de5(const QString& digits) {
    const QString text = digits.trimmed();
    QByteArray out;
    out.reserve(text.size() / 2 + 2);
    out += char(139);
    for (int i = 0; i + 1 < text.size(); i += 2)
        out += char(pairCode(digitValue(text.at(i)) * 10 + digitValue(text.at(i + 1))));
    out += char(155);
    return out;
}

} // namespace vexa
