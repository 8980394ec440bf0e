#pragma once
// Item 14: the invoices of alcohol bought (`InfoAlcool`), with the sender's
// CNPJ check digits, the state of origin typed as letters or code, and the
// total quantity of the month.

#include "common/Prompter.h"
#include "declaration/FuelTypes.h"
#include "declaration/RowPost.h"

#include <QList>
#include <optional>

namespace vexa::decl {

// The declaration's invoices in key order (sender, invoice number).
QList<AlcoolRow> loadAlcool(const DeclarationKey& key);
QList<AlcoolRow> findAlcool(const DeclarationKey& key, const QString& cnpj, qint64 nota);
bool deleteAlcool(const DeclarationKey& key, const AlcoolRow& row, QString* error);

// A new row: unit price and quantity 0.
AlcoolRow newAlcoolRow();

// Posts an invoice, checks in order (none during a bulk update): number, date
// of issue, sender's CNPJ present and with valid check digits, state of
// origin, unit price and quantity above 0. original is the stored row under
// edit, nullopt for a new one.
RowPost postAlcoolRow(const DeclarationKey& key, const AlcoolRow& row, const std::optional<AlcoolRow>& original,
                      bool bulkUpdate, Prompter& prompter);

// Leaving the invoice-number or sender column of the pending row: the
// declaration's other row of that number and CNPJ, when there is exactly one.
std::optional<AlcoolRow> existingAlcoolRow(const DeclarationKey& key, const AlcoolRow& row,
                                           const std::optional<AlcoolRow>& original);

// "Select sum(Quantidade)" over the declaration.
double alcoolTotalQuantidade(const DeclarationKey& key);

} // namespace vexa::decl
