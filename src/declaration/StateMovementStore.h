#pragma once
// Reading and writing the rows of `MovimentacaoPorUF`, and the totals of a
// direction by domicile. Every statement binds its values; writes answer
// false with the engine's message and open no transaction.

#include "declaration/StateMovement.h"

#include <QList>
#include <optional>

namespace vexa::decl {

// The direction's rows of the declaration, in key order (state, domicile).
QList<StateRow> loadStateRows(const DeclarationKey& key, Direction direction);
// The row of that code, domicile and direction.
std::optional<StateRow> findStateRow(const DeclarationKey& key, Direction direction, const QString& uf,
                                     const QString& domicile);

bool insertStateRow(const DeclarationKey& key, const StateRow& row, QString* error);
// Writes row over the stored row of original's code, domicile and direction.
bool updateStateRow(const DeclarationKey& key, const StateRow& original, const StateRow& row, QString* error);
bool deleteStateRow(const DeclarationKey& key, Direction direction, const QString& uf, const QString& domicile,
                    QString* error);
// Gives the row of (oldUf, domicile, direction) the code newUf.
bool renameStateRow(const DeclarationKey& key, Direction direction, const QString& oldUf, const QString& newUf,
                    const QString& domicile, QString* error, int* renamed = nullptr);

// The sums of the nine amounts of a direction's rows, for domicile "A",
// domicile "B" and both, rounded to cents; 0 where there are no rows.
struct StateSums {
    std::array<double, kStateAmountCount> value{};
    double operator[](StateAmount a) const { return value[size_t(a)]; }
    double& operator[](StateAmount a) { return value[size_t(a)]; }
    bool operator==(const StateSums&) const = default;
};
struct StateTotals {
    StateSums a;
    StateSums b;
    StateSums total;   // "Total (A+B)"
    bool operator==(const StateTotals&) const = default;
};
StateTotals stateTotals(const DeclarationKey& key, Direction direction);

} // namespace vexa::decl
