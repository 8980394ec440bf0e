#pragma once
// The rate-differential tables of the apuração, one line per state and rate:
//  - item 7.6.1, rate differential on entries (`Aliquota`), total into C76;
//  - item 7.9.1, rate complement (`AliquotaComp`), total into C79;
//  - item 7.13.1, final-consumer differential on outputs
//    (`AliquotaConsumidor`), total into C713, with the shares of the states of
//    origin and destination.
//
// Here: the states each table offers, the rates a state allows in the
// declaration's period and the one proposed, the checks of a line in their
// order with their messages, and the origin share of 7.13.1. The lines
// themselves (reading, posting with the domicile-B twins, deleting, totals)
// are in RateStore.h.

#include "common/Check.h"
#include "declaration/Apuracao.h"
#include "declaration/DeclarationKey.h"
#include "declaration/OperationTypes.h"   // kDomicileA, kDomicileB
#include "declaration/StateMovement.h"    // stateCodeFromTyped

#include <QList>
#include <QString>
#include <optional>

namespace vexa::decl {

enum class RateTable {
    Aliquota,             // 7.6.1 rate differential (entries)
    AliquotaComp,         // 7.9.1 rate complement
    AliquotaConsumidor,   // 7.13.1 final-consumer differential (outputs)
};

// Table name, rate column and value column of each table.
QString rateTableName(RateTable table);
QString rateColumn(RateTable table);    // "Aliquota", "AliquotaComp", "AliquotaConsumidor"
QString valueColumn(RateTable table);   // "VlrDifAliquota", "VlrComAliquota", "VlrDifAliquota"
ListEditor listEditorOf(RateTable table);
// The editor's caption.
QString rateTableCaption(RateTable table);

namespace rate_msg {
inline const QString UfDeveSerInformada = QStringLiteral("UF deve ser informada");
inline const QString UfInvalida = QStringLiteral("Código da UF informado é inválido!");
inline const QString AliquotaInvalida = QStringLiteral("Valor de Alíquota inválido!");
inline const QString AliquotaDeveSerInformada = QStringLiteral("Aliquota deve ser informada");
// The state's code follows.
inline const QString JaExisteUf = QStringLiteral("Já existe um registro cadastrado para a UF ");
inline const QString DiferencialOrigemDestino =
    QStringLiteral("DIFERENCIAL DE ALÍQUOTA DEVE SER IGUAL A SOMA DOS VALORES (ORIGEM+DESTINO)");
inline const QString ConfirmaExclusao = QStringLiteral("Confirma Exclusão?");
} // namespace rate_msg

// Where a failed check sends the focus.
namespace rate_field {
inline const QString UF = QStringLiteral("UF");
inline const QString Aliquota = QStringLiteral("Aliquota");
inline const QString Valor = QStringLiteral("Valor");
inline const QString Origem = QStringLiteral("Origem");
} // namespace rate_field

// ---- states -----------------------------------------------------------------------

struct StateChoice {
    QString codigo;   // two-digit code
    QString uf;       // letters
    // The picker entry: the letters, a blank and the code ("AC 01").
    QString text() const { return uf + QLatin1Char(' ') + codigo; }
};
// Every state of the state table in letter order; 7.6.1 and 7.9.1 leave out
// the home state "29" and abroad "90".
QList<StateChoice> offeredStates(RateTable table);

// A typed or picked state is read as on the by-state sheets:
// stateCodeFromTyped() of StateMovement.h ("AC 01" -> "01", "qx" -> "29").

// ---- rates --------------------------------------------------------------------------

// The state's row of `AliquotaUF`.
struct StateRates {
    double Aliquota = 0;     // internal rate
    double AliquotaN = 0;    // the further rate accepted from 2013
    double AliquotaCF = 0;   // final-consumer rate
};
std::optional<StateRates> stateRates(const QString& codigoUF);

// Final-consumer rates fixed by state from 04/2023 on; none for other states or earlier periods.
std::optional<double> fixedConsumerRate(const QString& codigoUF, const DeclarationKey& key);

// The rates the picker offers for the state, highest first, each once:
// 7.6.1 and 7.9.1 `Aliquota` and `AliquotaN` (before 2013 only `Aliquota`,
// the one rate accepted then); 7.13.1 the one rate accepted in the period.
QList<double> offeredRates(RateTable table, const QString& codigoUF, const DeclarationKey& key);

// The rate proposed when a state is chosen. 7.6.1 and 7.9.1: the higher
// rate, except that from 2013, when the declaration already holds a line of
// the state at the higher rate, the lower one. 7.13.1: the state's
// `AliquotaCF`, or from 04/2023 the fixed rate of the listed states.
// none when the state has no rates.
std::optional<double> proposedRate(RateTable table, const QString& codigoUF, const DeclarationKey& key);

// Whether the rate is accepted for the state in the declaration's period:
// 7.6.1 and 7.9.1 `Aliquota`, or from 2013 also `AliquotaN`; 7.13.1 the
// fixed rate of the listed states from 04/2023, otherwise `AliquotaCF`.
bool isAcceptedLineRate(RateTable table, const QString& codigoUF, const DeclarationKey& key, double rate);

// ---- the line -----------------------------------------------------------------------

struct RateLine {
    QString UF;                       // two-digit state code
    std::optional<double> aliquota;   // the rate in percent; none when not typed
    QString DomicilioFiscal = kDomicileA;
    qint64 CidadeID = 0;              // IBGE code of the domicile's municipality
    double VlrContabil = 0;           // book value
    double VlrBaseCalculo = 0;        // calculation base
    double valor = 0;                 // VlrDifAliquota (7.6.1, 7.13.1) or VlrComAliquota (7.9.1)
    double Origem = 0;                // 7.13.1 share of the state of origin
    double Destino = 0;               // 7.13.1 share of the state of destination

    double rate() const { return aliquota.value_or(0.0); }
    // The fields of the table's key after the declaration key.
    bool sameKey(const RateLine& other) const;
    bool sameStored(const RateLine& other) const;
};

// The municipality of a line: the previous one (`CidadeB`) for a "B" line, else the taxpayer's.
qint64 lineCity(const QString& domicilioFiscal, qint64 cidadeA, qint64 cidadeB);

// The origin share a year requires of a final-consumer differential, as a
// percentage of it: 60 in 2016, 40 in 2017, 20 in 2018, 0 in 2019; none in
// other years (any share accepted).
std::optional<int> requiredOriginPercent(int year);
// The share in cents of the differential, rounded to the cent with ties to even.
double originShare(double differential, int percent);
// Typing `Origem` in a 7.13.1 line: the share the year requires (2019: no
// amount above 0), otherwise its message.
CheckResult checkOrigem(const DeclarationKey& key, double differential, double origem);

// The checks of a line before it is posted that need no other line, in their
// order (7.6.1 and 7.9.1: state, rate; 7.13.1: differential = origin +
// destination, state, rate). The duplicate check and the empty-rate check
// follow in RateStore.h.
CheckResult checkRateLineFields(RateTable table, const DeclarationKey& key, const RateLine& line);

} // namespace vexa::decl
