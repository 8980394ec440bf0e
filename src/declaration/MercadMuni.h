#pragma once
// Item 16, table `MercadMuni`: the suppliers of other municipalities of the
// home state whose goods came with deferred ICMS. The rules of a row (the
// supplier's IE checks, the municipality, the duplicate IE of a domicile,
// the domicile-B twins), its delete with the twin and the invoices, and the
// totals by domicile.

#include "common/Prompter.h"
#include "declaration/MunicipalityTypes.h"
#include "declaration/RowPost.h"

#include <QList>
#include <optional>

namespace vexa::decl {

// ---- store ---------------------------------------------------------------------

// The declaration's rows in key order (IE, domicile), with the names of the
// supplier's and of the domicile's municipality.
QList<MercadoriaRow> loadMercadorias(const DeclarationKey& key);
std::optional<MercadoriaRow> findMercadoria(const DeclarationKey& key, const QString& ieEmpresa,
                                            const QString& domicile);

// ---- rules -----------------------------------------------------------------------

// A new row: domicile "A", value 0.
MercadoriaRow newMercadoriaRow();

// The supplier's IE was typed (digits only are kept): `CidadeID` follows the
// row's domicile.
void applyMercadoriaIE(const MunicipalityContext& ctx, MercadoriaRow& row, const QString& ieEmpresa);
// The supplier's municipality was chosen; its name is looked up.
void applyMercadoriaMunicipio(MercadoriaRow& row, std::optional<qint64> municipioID);

// Posts a row typed on the sheet, checks in order: no IE (the row is
// discarded silently), the taxpayer's own IE, no municipality, the IE's check
// digits, the duplicate IE of the domicile (a new row or a changed IE is
// discarded with the message; a new IE takes the other domicile's twin and
// the invoices along). After the write, the "B" twin of an "A" row when the
// domicile changed in the month. During a bulk update only the write runs.
RowPost postMercadoriaRow(const MunicipalityContext& ctx, const MercadoriaRow& row,
                          const std::optional<MercadoriaRow>& original, Prompter& prompter);

// Deletes the stored row with its invoices and, when the domicile changed in
// the month, the other domicile's row of the same IE with its invoices, as one unit.
bool deleteMercadoriaRowWithTwin(const MunicipalityContext& ctx, const MercadoriaRow& row, QString* error);

// Leaving the IE column of the pending row: the declaration's other row of
// that IE and domicile, when there is exactly one.
std::optional<MercadoriaRow> existingMercadoriaRow(const MunicipalityContext& ctx, const MercadoriaRow& row,
                                                   const std::optional<MercadoriaRow>& original);

// ---- totals ----------------------------------------------------------------------

struct Item16Totals {
    bool perDomicile = false;   // item 3.10 "Sim": A and B; otherwise a holds every row
    double a = 0.0;
    double b = 0.0;
};
// "Select sum(Valor)" of the declaration's rows, per domicile when the
// domicile changed in the month, otherwise over all rows.
Item16Totals item16Totals(const DeclarationKey& key, bool mudaDomicilio);

} // namespace vexa::decl
