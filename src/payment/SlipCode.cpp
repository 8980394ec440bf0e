#include "payment/SlipCode.h"

#include "common/Barcode.h"
#include "common/Conversions.h"
#include "common/DocumentChecks.h"
#include "common/Money.h"

#include <algorithm>
#include <cmath>

namespace vexa::payment {

namespace {

bool allDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

// A share formatted with `decimals` places and at least `intDigits` integer digits.
QString shareText(double percent, int intDigits, int decimals) {
    const double v = money::roundTo(std::max(percent, 0.0), decimals);
    QString text = QString::number(v, 'f', decimals);
    const int width = intDigits + (decimals > 0 ? decimals + 1 : 0);
    if (text.size() < width) text.prepend(QString(width - text.size(), QLatin1Char('0')));
    return text;
}

// Whole-percent share of two digits; a share cannot reach 100 % while the
// principal is part of the total, so 99 bounds a damaged row.
QString wholeShare(double percent) {
    const QString text = shareText(percent, 2, 0);
    return text.size() > 2 ? QStringLiteral("99") : text;
}

} // namespace

QChar originDigit(SlipOrigin origin) {
    return origin == SlipOrigin::Standalone ? QLatin1Char('1') : QLatin1Char('0');
}

bool totalAboveLimit(double total) { return money::toCents(total) > money::toCents(kMaxSlipTotal); }

QString NossoNumero(const QString& periodo, const QString& ie, QChar third) {
    return periodo.mid(4, 2) + third + ie.mid(2, 6) + periodo.left(2);
}

QString nossoNumeroLinked(const QString& periodo, const QString& ie) {
    return NossoNumero(periodo, ie, QLatin1Char('1'));
}

QString nossoNumeroStandalone(const QString& periodo, const QString& ie, const QString& objeto) {
    return NossoNumero(periodo, ie, objeto.isEmpty() ? QLatin1Char('0') : objeto.at(0));
}

QString collectorCode(const QString& distribuicao) {
    if (distribuicao == QLatin1String("1")) return QStringLiteral("0174");
    if (distribuicao == QLatin1String("2")) return QStringLiteral("0027");
    if (distribuicao == QLatin1String("3")) return QStringLiteral("0173");
    if (distribuicao == QLatin1String("4")) return QStringLiteral("0175");
    return {};
}

BarcodeShares barcodeShares(double vlReceita, double juros, double multa, double ccVlTotal) {
    if (vlReceita == 0 || ccVlTotal <= 0) return {QStringLiteral("0000"), QStringLiteral("00"), QStringLiteral("00")};
    BarcodeShares s;
    const QString p = shareText(vlReceita / ccVlTotal * 100, 2, 2);
    s.P = p.toDouble() >= 100 ? QStringLiteral("0000") : SoNumeros(p);
    s.J = wholeShare(juros / ccVlTotal * 100);
    s.M = wholeShare(multa / ccVlTotal * 100);
    return s;
}

QString CodBar(const BarcodeInput& in) {
    if (totalAboveLimit(in.ccVlTotal)) return {};
    const money::FixedDigits value = money::fixedDigits(in.ccVlTotal, 11, 2);
    const QString collector = collectorCode(in.Distribuicao);
    if (!value.fits || collector.isEmpty()) return {};
    if (in.TributoID.size() != 2 || !allDigits(in.TributoID)) return {};
    if (in.NossoNumero.size() != 11 || !allDigits(in.NossoNumero)) return {};
    const BarcodeShares s = barcodeShares(in.Vl_Receita, in.Juros, in.Multa, in.ccVlTotal);
    const QString body = QStringLiteral("856") + value.digits + collector + in.Distribuicao + QLatin1Char('3') +
                         originDigit(in.origin) + in.NossoNumero + QLatin1Char('1') + in.TributoID + s.P + s.J +
                         s.M;
    if (body.size() != 43) return {};
    return body.left(3) + QString::number(DigitoModulo10(body)) + body.mid(3);
}

QString LinhaDigitavel(const QString& codBar) {
    if (codBar.size() != 44 || !allDigits(codBar)) return {};
    QStringList blocks;
    for (int i = 0; i < 4; ++i) {
        const QString block = codBar.mid(i * 11, 11);
        blocks << block + QLatin1Char('-') + QString::number(DigitoModulo10(block));
    }
    return blocks.join(QStringLiteral("   "));
}

QString Obs4(const QDate& dataVencimento, const QDate& reference) {
    const qint64 due = dataVencimento.isValid() ? dataVencimento.toJulianDay() : QDate(1899, 12, 30).toJulianDay();
    const qint64 ref = reference.isValid() ? reference.toJulianDay() : QDate(1899, 12, 30).toJulianDay();
    const QDate shown = due >= ref ? dataVencimento : reference;
    return QStringLiteral("Data limite para pagamento ") + dateText(shown) + QLatin1Char('.');
}

} // namespace vexa::payment
