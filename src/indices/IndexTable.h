#pragma once
// The economic indices of `IndicesEconomicos`: one value per month, dated on
// the first day of the month. Index 4 is IGP-DI (the index number of the
// month; only ratios of two months are used), index 5 is SELIC (the rate of
// the month as a fraction, summed as late-payment interest on the DARE).
//
// Every statement binds its values; a database error answers false with the
// engine's message and leaves the table as it was.

#include "common/Check.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace vexa::indices {

inline constexpr int kIgpDi = 4;
inline constexpr int kSelic = 5;

// ---- the system's own texts ----------------------------------------------------

namespace indices_msg {
inline const QString SelicAtualizado = QStringLiteral("Índice SELIC atualizado com sucesso!");
inline const QString FalhaAtualizacaoSelic = QStringLiteral(
    "Ocorreu um erro ao tentar atualizar Índice SELIC, verifique se o computador está conectada corremente a "
    "internet.");
inline const QString IgpDiAtualizado = QStringLiteral("Índice de atualização monetária IGP-DI já está atualizado!");
} // namespace indices_msg

// ---- months and values ---------------------------------------------------------

struct IndexMonth {
    QDate data;        // first day of the month
    double valor = 0;  // as stored: SELIC as a fraction, IGP-DI as the index number
};

bool isIndexCode(int code);
// "SELIC" or "IGP-DI" (empty for any other code).
QString indexName(int code);

// Day zero of the date scale, 30/12/1899: what an empty SELIC table sends as
// its latest month to the web service.
QDate dayZero();
// The first day of the date's month (invalid stays invalid).
QDate monthOf(const QDate& date);

// "###,###,###,###,##0.0000": thousands point, decimal comma, four decimals
// (0.0114 -> "0,0114", 1187.876 -> "1.187,8760"). A value that rounds to zero shows "0,0000".
QString formatIndexValue(double value);

// A value typed or read from a file with the decimal comma: "0,0114", "1187,876",
// "1.187,876" (thousands points only in whole groups of three), an optional sign.
// No exponent, no decimal point. `shiftLeft` moves the decimal comma that many
// places left before reading, so a percent "1,05" is read as the fraction 0.0105
// without the rounding error of a division. nullopt when it is not such a number
// or does not fit a double.
std::optional<double> parseIndexValue(const QString& text, int shiftLeft = 0);

// A value the table may hold: a finite number, not negative (neither a rate nor
// an index number is below zero). The message names the value.
CheckResult checkIndexValue(double value);

// ---- the table -------------------------------------------------------------------

// "select * from IndicesEconomicos where codigoIndice = code" ordered by `Data` descending.
bool readIndex(int code, QList<IndexMonth>* rows, QString* error);

// "Select max(Data) from IndicesEconomicos where CodigoIndice = code": the latest
// month held, invalid when the index has no row.
bool latestIndexMonth(int code, QDate* month, QString* error);

// The value held for the month of `month`; nullopt (and no error) when none.
bool heldValue(int code, const QDate& month, std::optional<double>* value, QString* error);

struct InsertCount {
    int inserted = 0;
    int skipped = 0;   // months already held, or given twice in the list: the first one counts
};

// Inserts the months of the list in their order, each dated on the first day of
// its month, skipping those already held. All in one transaction: on any
// database error nothing of the list is stored.
bool insertIndexMonths(int code, const QList<IndexMonth>& months, InsertCount* count, QString* error);

} // namespace vexa::indices
