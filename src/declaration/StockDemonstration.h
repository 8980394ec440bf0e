#pragma once
// Item 10, stock demonstration (table `DemostrativoEstoque`): the goods in
// stock at the start (10.2) and at the end (10.3) of the month, each split
// into taxed, exempt or not taxed, other and tax substitution, with a typed
// total. One row per declaration.

#include "common/Prompter.h"
#include "declaration/DeclarationKey.h"
#include "declaration/OperationRules.h"

#include <QString>
#include <array>
#include <optional>

namespace vexa::decl {

enum class Stock { Initial, Final };                    // 10.2 "Estoque Inicial", 10.3 "Estoque Final"
enum class StockPart { Tributadas, IsentasNaoTributadas, Outras, SubstituicaoTributaria, Total };
inline constexpr int kStockPartCount = 5;               // the four parts and the typed total

struct StockRow {
    // Indexed [stock][part].
    std::array<std::array<double, kStockPartCount>, 2> value{};

    double get(Stock s, StockPart p) const { return value[size_t(s)][size_t(p)]; }
    void set(Stock s, StockPart p, double v) { value[size_t(s)][size_t(p)] = v; }
    // taxed + exempt + other + substitution
    double sumOfParts(Stock s) const;
    bool operator==(const StockRow&) const = default;
};

// The column of `DemostrativoEstoque` ("EITributadas", ..., "EFTotal").
QString stockColumn(Stock s, StockPart p);

// The typed total differs from the sum of the four parts: the difference
// formatted "###,###,##0.00" has a digit other than 0 (so -0,004 is none).
bool stockTotalDiffers(const StockRow& row, Stock s);

// The texts of the two questions: one pair asked before the row is posted,
// one asked when the user leaves a total field (they differ by a blank).
enum class StockCheckMoment { Post, LeavingTotal };
QString stockTotalQuestion(Stock s, StockCheckMoment moment);

// Asks the initial-stock question, then the final-stock one, for the stocks
// whose total differs. Answers the stock whose question was answered No
// (the check stops there), nullopt when every question was answered Yes or
// none was asked.
std::optional<Stock> askStockTotals(const StockRow& row, StockCheckMoment moment, Prompter& prompter);

// Simples Nacional: the two exempt / not taxed fields are not typed.
bool isStockPartEditable(StockPart part, const QString& tipoRegime);

struct StockPostOutcome {
    PostStatus status = PostStatus::Posted;
    QString message;                 // the question answered No (Refused) or the engine's error (Failed)
    std::optional<Stock> refusedAt;  // the stock whose question was answered No
    bool posted() const { return status == PostStatus::Posted; }
};

// Posts the declaration's stock row: the two questions (skipped during a bulk
// update; No refuses), then the write, an insert when the declaration has no
// row yet and an update otherwise.
StockPostOutcome postStock(const DeclarationKey& key, const StockRow& row, bool bulkUpdate, Prompter& prompter);

// ---- stored row -------------------------------------------------------------------

// The declaration's row; nullopt when it has none.
std::optional<StockRow> loadStock(const DeclarationKey& key);
bool deleteStock(const DeclarationKey& key, QString* error);

} // namespace vexa::decl
