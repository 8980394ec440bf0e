#pragma once
// Totals of a direction (entries or outputs) under the grids of its sheet:
// the six amount sums of the declaration's rows of that direction, over its
// three kinds, for domicile "A", domicile "B" and both ("Total (A+B)").
// One aggregate statement per call, cheap for a declaration of any size.

#include "declaration/OperationTypes.h"

#include <QList>
#include <array>

namespace vexa::decl {

struct AmountSums {
    std::array<double, kAmountCount> value{};   // indexed by Amount, rounded to cents

    double operator[](Amount a) const { return value[size_t(a)]; }
    double& operator[](Amount a) { return value[size_t(a)]; }
    AmountSums operator+(const AmountSums& other) const;
    bool operator==(const AmountSums&) const = default;
};

struct OperationTotals {
    AmountSums a;       // domicile "A"
    AmountSums b;       // domicile "B"
    AmountSums total;   // "Total (A+B)"
};

// From the stored rows: one aggregate by domicile.
OperationTotals operationTotals(const DeclarationKey& key, Direction direction);

// Entries and outputs together, from the stored rows in one statement.
struct DeclarationOperationTotals {
    OperationTotals entries;
    OperationTotals outputs;
};
DeclarationOperationTotals operationTotals(const DeclarationKey& key);

// From rows already in memory (rows of other directions are ignored).
OperationTotals operationTotals(const QList<OperationRow>& rows, Direction direction);

} // namespace vexa::decl
