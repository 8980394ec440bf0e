#pragma once
// The collection number of a DARE: the 44-digit bar-code number `CodBar`
// (government revenue: product "8", segment "5", value type "6" with a
// modulus-10 general check digit), its parts (`NossoNumero`, the collector
// code, the shares of principal, interest and penalty) and the digitable line
// of four blocks; and the due-date note `Obs4` of box 10. Shared by the slips
// linked to a declaration and the standalone slips: what differs between them
// (the origin digit, the third character of `NossoNumero`) is a parameter.
//
// Layout of CodBar (positions from 1):
//   1-3 "856" | 4 check digit | 5-15 total in cents | 16-19 collector code |
//   20 distribution class | 21 "3" | 22 origin | 23-33 NossoNumero | 34 "1" |
//   35-36 tribute ID | 37-40 principal share (hundredths of %) |
//   41-42 interest share (%) | 43-44 penalty share (%)

#include <QDate>
#include <QString>

namespace vexa::payment {

// Whether the DARE belongs to a declaration ("0") or stands alone ("1").
enum class SlipOrigin { Linked, Standalone };
QChar originDigit(SlipOrigin origin);

// The largest total the 11-digit value field holds: 99.999.999,99.
inline constexpr double kMaxSlipTotal = 99999999.99;
// Whether the total, in cents, is above 99.999.999,99.
bool totalAboveLimit(double total);

// `NossoNumero` (11 characters) of period "MMYYYY" and IE (9 digits): the
// year's last two digits, `third`, IE characters 3 to 8, the month.
QString NossoNumero(const QString& periodo, const QString& ie, QChar third);
// Linked slips: the third character is "1" (period 072024, IE 291234567 -> 24112345607).
QString nossoNumeroLinked(const QString& periodo, const QString& ie);
// Standalone slips: the third character is the first of `Objeto`, "0" when empty.
QString nossoNumeroStandalone(const QString& periodo, const QString& ie, const QString& objeto);

// The 4-digit collector code of a distribution class: "1" 0174, "2" 0027,
// "3" 0173, "4" 0175; empty for any other class.
QString collectorCode(const QString& distribuicao);

// Positions 37-44: the principal's share in hundredths of a percent (4 digits),
// the interest's and the penalty's in whole percent (2 digits each), of the
// total. All zero when the principal is zero, and the principal's share "0000"
// when it comes to 100 % or more.
struct BarcodeShares {
    QString P;
    QString J;
    QString M;
};
BarcodeShares barcodeShares(double vlReceita, double juros, double multa, double ccVlTotal);

// What the bar-code number is made of.
struct BarcodeInput {
    double ccVlTotal = 0;
    double Vl_Receita = 0;
    double Juros = 0;
    double Multa = 0;
    QString Distribuicao;   // `Tributos.Distribuicao`
    QString TributoID;      // `Tributos.ID`, two digits
    QString NossoNumero;    // 11 characters
    SlipOrigin origin = SlipOrigin::Linked;
};

// The 44-digit `CodBar`. Empty when it cannot be formed: a total above
// 99.999.999,99 (the value field would overflow), a distribution class
// outside "1".."4", a tribute ID or NossoNumero of the wrong width.
QString CodBar(const BarcodeInput& input);

// The digitable line: each block of 11 digits followed by "-" and its own
// modulus-10 digit, blocks separated by three blanks. Empty unless codBar has 44 digits.
QString LinhaDigitavel(const QString& codBar);

// "Data limite para pagamento " + date + ".": the due date when it is on or
// after `reference` (the payment date of a linked slip, today for a
// standalone one), else `reference`.
QString Obs4(const QDate& dataVencimento, const QDate& reference);

} // namespace vexa::payment
