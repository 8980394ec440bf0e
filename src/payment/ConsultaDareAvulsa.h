#pragma once
// "Consulta DARE Avulso": the stored standalone slips, filtered by taxpayer
// name and by period, each filter either a value or "<TODOS>". The taxpayer
// choices are those of the linked slips' consult (`consultTaxpayerChoices`).

#include "payment/ConsultaDare.h"
#include "payment/DareAvulsas.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vexa::payment {

// "<TODOS>" followed by every period (MMYYYY) that holds a standalone slip, sorted as text.
QStringList consultAvulsaPeriodChoices();

struct AvulsaConsultRow {
    QString RazaoSocial;     // "Razão Social"
    QString IE;              // "IE"
    QString Periodo;         // "Período": MMYYYY
    QString CodigoTributo;   // "Tributo"
    double ValorReceita = 0; // "Valor Receita"
    int Seq = 0;             // not shown: which of several slips of one period and code the row is

    QString mes() const { return Periodo.left(2); }
    QString ano() const { return Periodo.mid(2, 4); }
    AvulsaKey key() const { return {IE, ano(), mes(), CodigoTributo, Seq}; }
    bool operator==(const AvulsaConsultRow&) const = default;
};

// The slips whose taxpayer's name equals `razaoSocial`, whose period equals
// `periodo` and whose IE equals `ie`, each filter passing everything when it
// is "<TODOS>" (an empty choice counts as "<TODOS>"); ordered by `RazaoSocial`
// (then IE, period, revenue code and `Seq`).
QList<AvulsaConsultRow> consultDareAvulsas(const QString& razaoSocial, const QString& periodo,
                                           const QString& ie = kTodos);

} // namespace vexa::payment
