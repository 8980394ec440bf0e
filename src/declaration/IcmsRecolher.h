#pragma once
// Item 9, ICMS to pay (table `ICMSRecolher`): for each kind of tax due
// (`TipoApuracao`) the due dates and amounts the taxpayer will pay. Six
// lists, one per kind, at most five due dates each, every due date in the
// month after the declaration's period.

#include "common/Check.h"
#include "common/Prompter.h"
#include "declaration/DeclarationKey.h"
#include "declaration/OperationRules.h"

#include <QDate>
#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace vexa::decl {

// `TipoApuracao`, in the order of the items 9.1 to 9.6.
enum class ToPayKind {
    Normal,                 // "N" 9.1 "ICMS Normal"
    DifAliquotaEntradas,    // "D" 9.2 "Diferencial de Alíquota (Entradas)"
    SubstTributaria,        // "S" 9.3 "ICMS Substituição Tributária"
    ComplementoAliquota,    // "C" 9.4 "Complementação de Alíquota"
    DifAliquotaSaidas,      // "F" 9.5 "Diferencial de Alíquota (Saídas)"
    FundoPobreza,           // "P" 9.6 "Fundo de Combate a Pobreza"
};
inline constexpr int kToPayKindCount = 6;
// A kind holds at most five due dates.
inline constexpr int kMaxToPayRows = 5;

const std::array<ToPayKind, kToPayKindCount>& allToPayKinds();
QString tipoApuracao(ToPayKind kind);                  // "N", "D", "S", "C", "F", "P"
std::optional<ToPayKind> toPayKindOf(const QString& tipoApuracao);
QString toPayItem(ToPayKind kind);                     // "9.1" .. "9.6"
QString toPayCaption(ToPayKind kind);                  // "ICMS Normal", ...

// Which lists may be typed: 9.1 for a regime other than Simples Nacional,
// 9.4 for Simples Nacional only, 9.5 and 9.6 from 01/2016, 9.2 and 9.3 always.
bool isToPayKindEnabled(ToPayKind kind, const QString& tipoRegime, const DeclarationKey& key);

// One due date of a kind (the declaration key and the kind live beside it).
struct ToPayRow {
    QDate dtVencimento;   // invalid while not typed
    double valor = 0.0;

    bool operator==(const ToPayRow&) const = default;
};

namespace topay_msg {
inline const QString VencimentoMenorOuIgual =
    QStringLiteral("Mês de vencimento não deve ser menor ou igual que o mês do período de referência!");
inline const QString VencimentoMaiorQueSubsequente =
    QStringLiteral("Mês de vencimento não deve ser maior que o mês subsequente ao período de referência!");
// "Já existe um registro cadastrado para o vencimento " + "dd/mm/yyyy": a
// second row of the same kind and due date cannot be stored (the table's key).
QString duplicateDueDate(const QDate& due);
} // namespace topay_msg

namespace topay_field {
inline const QString DtVencimento = QStringLiteral("DtVencimento");
inline const QString Valor = QStringLiteral("Valor");
} // namespace topay_field

// The due month must be the month after the period: the year and month of
// the due date (YYYYMM) neither at or before the period's nor after the
// following month's (January of the next year for December).
CheckResult checkDueMonth(const DeclarationKey& key, const QDate& due);

// A kind takes a new row while it holds fewer than five, and then only as
// every child table does (New command, empty table, before its first row,
// bulk update). A refusal is silent.
bool toPayAcceptsNewRow(int rowCount, bool newRowFlag, bool bulkUpdate, bool beforeFirstRow = false);

struct ToPayPostOutcome {
    PostStatus status = PostStatus::Posted;
    QString message;   // shown (Refused) or the engine's error (Failed)
    QString field;     // topay_field::DtVencimento when the due date is at fault
    ToPayRow stored;

    bool posted() const { return status == PostStatus::Posted; }
};

// Posts a row typed in a kind's list: an empty due date drops the row
// silently (Discarded), a due date outside the following month is refused
// with its message, and a due date the kind already holds in another row is
// refused. original is the stored row being edited, nullopt for a new row.
ToPayPostOutcome postToPayRow(const DeclarationKey& key, ToPayKind kind, const ToPayRow& row,
                              const std::optional<ToPayRow>& original, Prompter& prompter);

// Leaving the due-date column of a row in edit: the other stored row of the
// kind with the typed due date, when there is exactly one (the grid cancels
// the pending edit and moves there).
std::optional<ToPayRow> existingToPayRow(const DeclarationKey& key, ToPayKind kind, const ToPayRow& row,
                                         const std::optional<ToPayRow>& original);

// ---- stored rows ----------------------------------------------------------------

// The kind's rows of the declaration, by due date.
QList<ToPayRow> loadToPayRows(const DeclarationKey& key, ToPayKind kind);
// The rows of the kind with that due date.
int countToPayRows(const DeclarationKey& key, ToPayKind kind, const QDate& due);
bool insertToPayRow(const DeclarationKey& key, ToPayKind kind, const ToPayRow& row, QString* error);
// Writes row over the stored row of original's due date.
bool updateToPayRow(const DeclarationKey& key, ToPayKind kind, const ToPayRow& original, const ToPayRow& row,
                    QString* error);
bool deleteToPayRow(const DeclarationKey& key, ToPayKind kind, const QDate& due, QString* error);

// "Select sum(Valor)" of each kind, in one statement; 0 for a kind without rows.
struct ToPayTotals {
    std::array<double, kToPayKindCount> value{};
    double operator[](ToPayKind kind) const { return value[size_t(kind)]; }
    bool operator==(const ToPayTotals&) const = default;
};
ToPayTotals toPayTotals(const DeclarationKey& key);

} // namespace vexa::decl
