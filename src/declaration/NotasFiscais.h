#pragma once
// The invoices of one supplier of item 16 (`NotasFiscal`, linked to its
// `MercadMuni` row by the supplier's IE and the domicile): their checks, and
// the total that becomes the supplier row's value (16.5).

#include "common/Prompter.h"
#include "declaration/MunicipalityTypes.h"
#include "declaration/RowPost.h"

#include <QList>
#include <optional>

namespace vexa::decl {

// The supplier whose invoices are listed: the declaration, the supplier's IE and the domicile.
struct SupplierKey {
    DeclarationKey key;
    QString ieEmpresa;
    QString domicilioFiscal = QStringLiteral("A");
};

// The supplier's invoices in number order.
QList<NotaFiscalRow> loadNotasFiscais(const SupplierKey& supplier);

// A new invoice: no number, value 0.
NotaFiscalRow newNotaFiscalRow();

// Posts an invoice, checks in order (none during a bulk update): no number,
// no value, a value not above 0, a number the supplier already has (a new
// invoice, or an edit that changed the number). original is the stored
// invoice under edit, nullopt for a new one.
RowPost postNotaFiscal(const SupplierKey& supplier, const NotaFiscalRow& row,
                       const std::optional<NotaFiscalRow>& original, bool bulkUpdate, Prompter& prompter);

bool deleteNotaFiscal(const SupplierKey& supplier, qint64 numNota, QString* error);

// The sum of the supplier's invoices, rounded to cents.
double notasFiscaisTotal(const SupplierKey& supplier);

// Writes the total of the invoices into the supplier row's `Valor`.
bool storeSupplierValue(const SupplierKey& supplier, double total, QString* error);

} // namespace vexa::decl
