#pragma once
// "Consulta DARE": the stored slips of the declarations, filtered by taxpayer
// name and by period, each filter either a value or "<TODOS>".

#include <QList>
#include <QString>
#include <QStringList>

namespace vexa::payment {

inline const QString kTodos = QStringLiteral("<TODOS>");

// "<TODOS>" followed by every taxpayer name, sorted without regard to case.
QStringList consultTaxpayerChoices();
// "<TODOS>" followed by every period (MMYYYY) that holds a DARE, sorted as text.
QStringList consultPeriodChoices();

struct ConsultRow {
    QString RazaoSocial;   // "Razão Social"
    QString IE;            // "IE"
    QString Periodo;       // "Período": MMYYYY
    QString Retificacao;   // "Retificação"

    // The key the slip screen shows for the row: month from Periodo 1-2, year from 3-6.
    QString mes() const { return Periodo.left(2); }
    QString ano() const { return Periodo.mid(2, 4); }
    bool operator==(const ConsultRow&) const = default;
};

// The slips whose taxpayer's name equals `razaoSocial` and whose period equals
// `periodo`, each filter passing everything when it is "<TODOS>" (an empty
// choice counts as "<TODOS>"), ordered by `RazaoSocial` (then IE, period, rectification).
QList<ConsultRow> consultDares(const QString& razaoSocial, const QString& periodo);

} // namespace vexa::payment
