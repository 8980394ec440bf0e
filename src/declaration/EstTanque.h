#pragma once
// Item 13.6: the physical stock of each tank at the close of the month's
// last day (`EstTanque`), numbered from 1 within the declaration.

#include "common/Prompter.h"
#include "declaration/FuelTypes.h"
#include "declaration/RowPost.h"

#include <QList>
#include <optional>

namespace vexa::decl {

// The declaration's tanks in tank-number order.
QList<TanqueRow> loadTanques(const DeclarationKey& key);
QList<TanqueRow> findTanques(const DeclarationKey& key, int tank);
bool deleteTanque(const DeclarationKey& key, const TanqueRow& row, QString* error);

// The highest tank number of the declaration plus 1 (1 for the first).
int nextTankNumber(const DeclarationKey& key);
// A new row with the next tank number.
TanqueRow newTanqueRow(const DeclarationKey& key);

// Posts a tank row, checks in order: the product, the quantity, the tank
// number. original is the stored row under edit, nullopt for a new one.
RowPost postTanqueRow(const DeclarationKey& key, const TanqueRow& row, const std::optional<TanqueRow>& original,
                      Prompter& prompter);

// Leaving the tank column of the pending row: the declaration's other row of
// that tank number, when there is exactly one.
std::optional<TanqueRow> existingTanqueRow(const DeclarationKey& key, const TanqueRow& row,
                                           const std::optional<TanqueRow>& original);

} // namespace vexa::decl
