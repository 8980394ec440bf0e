#include "common/DocumentChecks.h"

namespace vexa {

namespace {

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
int digitAt(const QString& s, int i) { return s.at(i).unicode() - '0'; }

// The two mod-11 check digits of CNPJ (weights 2..9 repeated) and CPF (weights
// rising without limit), appended one after the other to the base digits.
QString withCheckDigits(QString base, bool cycling) {
    for (int round = 0; round < 2; ++round) {
        int sum = 0;
        int weight = 2;
        for (int i = base.size() - 1; i >= 0; --i) {
            sum += digitAt(base, i) * weight;
            ++weight;
            if (cycling && weight > 9) weight = 2;
        }
        int digit = (sum * 10) % 11;
        if (digit == 10) digit = 0;
        base += QChar(QLatin1Char(char('0' + digit)));
    }
    return base;
}

// A CNPJ has 14 digits and a CPF 11: a shorter or longer number is no
// registration number, whatever its last two digits say.
bool checkDigitsMatch(const QString& text, int length, bool cycling) {
    const QString full = SoNumeros(text);
    if (full.size() != length) return false;
    return withCheckDigits(full.left(length - 2), cycling) == full;
}

QString leftZeros(const QString& digits, int width) {
    return digits.size() >= width ? digits : QString(width - digits.size(), QLatin1Char('0')) + digits;
}

// Weighted sum of the first n digits, weights from n + 1 down to 2; the check
// digit is 11 - (sum mod 11), replaced by 0 when above `highest`.
bool weightedCheckDigit(const QString& digits, int n, int highest) {
    int sum = 0;
    for (int i = 0; i < n; ++i) sum += digitAt(digits, i) * (n + 1 - i);
    if (sum == 0) return false;
    int check = 11 - sum % 11;
    if (check > highest) check = 0;
    return check == digitAt(digits, n);
}

} // namespace

QString SoNumeros(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (QChar c : text)
        if (isDigit(c)) out += c;
    return out;
}

bool IsValidIE(const QString& text) {
    if (text.trimmed().size() < 9) return false;
    for (QChar c : text)
        if (!isDigit(c)) return false;   // a blank anywhere counts against it
    if (!text.startsWith(QLatin1String("29"))) return false;
    static constexpr int weights[8] = {9, 8, 7, 6, 5, 4, 3, 2};
    int sum = 0;
    for (int i = 0; i < 8; ++i) sum += digitAt(text, i) * weights[i];
    const int r = sum % 11;
    const int check = r < 2 ? 0 : 11 - r;
    return digitAt(text, 8) == check;
}

bool IsValidCNPJ(const QString& text) { return checkDigitsMatch(text, 14, true); }

bool IsValidCPF(const QString& text) { return checkDigitsMatch(text, 11, false); }

bool AllSameCharacter(const QString& text) {
    if (text.size() < 2) return true;
    for (QChar c : text)
        if (c != text.at(0)) return false;
    return true;
}

bool IsValidDocument(const QString& text, const QString& kind) {
    const QString digits = SoNumeros(text);
    if (kind == QLatin1String("0")) {
        if (digits.size() > 7) return false;
        return weightedCheckDigit(leftZeros(digits, 7), 6, 7);
    }
    if (kind == QLatin1String("1")) {
        if (digits.size() > 9) return false;
        return weightedCheckDigit(leftZeros(digits, 9), 8, 9);
    }
    if (kind == QLatin1String("2")) {
        if (digits.size() > 14) return false;
        return IsValidCNPJ(leftZeros(digits, 14));
    }
    return false;
}

} // namespace vexa
