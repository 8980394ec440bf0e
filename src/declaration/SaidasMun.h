#pragma once
// Item 15, table `SaidasMun`: the declaration's rows in the order they were
// typed, the rules of a row (defaults, the municipality of the domicile,
// the duplicate municipality, the domicile-B twins) and its delete with the
// twin. The screen and the batch program run the same code.

#include "common/Check.h"
#include "common/Prompter.h"
#include "declaration/MunicipalityTypes.h"
#include "declaration/RowPost.h"

#include <QList>
#include <optional>

namespace vexa::decl {

// ---- store ---------------------------------------------------------------------

// The declaration's rows in `Seq` order, with the names of the municipality of
// origin and of the domicile's municipality.
QList<SaidaMunRow> loadSaidasMun(const DeclarationKey& key);
// The rows with that municipality and domicile (the table's key allows one).
QList<SaidaMunRow> findSaidasMun(const DeclarationKey& key, qint64 municipioID, const QString& domicile);

// ---- rules -----------------------------------------------------------------------

// A new row: domicile "A", amounts 0.
SaidaMunRow newSaidaMunRow();

// The municipality of origin was chosen: `CIdadeID` follows the row's
// domicile and both names are looked up.
void applySaidaMunMunicipio(const MunicipalityContext& ctx, SaidaMunRow& row, std::optional<qint64> municipioID);

// Leaving the municipality column with no municipality.
CheckResult checkSaidaMunMunicipio(const SaidaMunRow& row);

// Posts a row typed on the sheet: the duplicate municipality of the row's
// domicile (a new row or a changed code is discarded with the message), the
// twin of the other domicile following a changed code, the write (the stored
// `Total` is 15.3 - 15.4), and after it the "B" twin of an "A" row when the
// domicile changed in the month. A row without a municipality is refused
// silently. During a bulk update only the write runs. original is the stored
// row under edit, nullopt for a new one. The writes are one unit.
RowPost postSaidaMunRow(const MunicipalityContext& ctx, const SaidaMunRow& row,
                        const std::optional<SaidaMunRow>& original, Prompter& prompter);

// Deletes the stored row and, when the domicile changed in the month, the
// other domicile's row of the same municipality, as one unit.
bool deleteSaidaMunRowWithTwin(const MunicipalityContext& ctx, const SaidaMunRow& row, QString* error);

} // namespace vexa::decl
