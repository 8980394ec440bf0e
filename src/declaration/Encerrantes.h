#pragma once
// Item 13: the pump meters of each nozzle (`Encerrantes`) and the meter kind
// and remarks kept in the declaration row. The rules of a nozzle row: the
// next nozzle number, the previous-product dialog when an edited row changes
// product, the volume A computed from the readings, the checks and the
// question about a volume with intervention.

#include "common/Prompter.h"
#include "declaration/FuelTypes.h"
#include "declaration/RowPost.h"

#include <QList>
#include <functional>
#include <optional>

namespace vexa::decl {

// ---- store ---------------------------------------------------------------------

// The declaration's nozzles in `NBico` order.
QList<EncerranteRow> loadEncerrantes(const DeclarationKey& key);
// The rows of that pump serial and nozzle (the table's key allows one).
QList<EncerranteRow> findEncerrantes(const DeclarationKey& key, const QString& serial, int nozzle);
// The highest nozzle number of the declaration plus 1 (1 for the first).
int nextNozzleNumber(const DeclarationKey& key);

bool deleteEncerrante(const DeclarationKey& key, const EncerranteRow& row, QString* error);

MeterFields loadMeterFields(const DeclarationKey& key);
// Writes `TipoEncerrante` and `ObsEncerrantes` (cut to 255 characters) of the declaration row.
bool storeMeterFields(const DeclarationKey& key, const MeterFields& fields, QString* error);

// ---- rules -----------------------------------------------------------------------

EncerranteRow newEncerranteRow();

// The readings and date of the product a nozzle had before its product was
// changed, as the dialog "Estoque Produto Anterior" asks them.
struct PreviousProduct {
    std::optional<qint64> leituraInicial;
    std::optional<qint64> leituraFinal;
    QDate dataAlteracao;
};
// Opens the dialog for the stored product ("Código do Produto Anterior");
// none when the user cancels it.
using PreviousProductDialog = std::function<std::optional<PreviousProduct>(int storedProduct)>;

// Posts a nozzle row: an edited row whose product differs from the stored
// one first asks the previous product's readings (cancelling abandons the
// post; the row keeps the previous product in `ProdutoAnt`); then volume A
// takes its computed value and the checks run in order, the first failure
// refusing the post: serial, product, initial and final readings, negative
// volumes, a meter that went back without volume B, and a volume B on a meter
// that went forward (question; No refuses with a message). A row without a
// nozzle number is refused silently. original is the stored row under edit,
// nullopt for a new one.
RowPost postEncerranteRow(const DeclarationKey& key, const EncerranteRow& row,
                          const std::optional<EncerranteRow>& original, Prompter& prompter,
                          const PreviousProductDialog& previousProduct);

// Leaving the serial or nozzle column of the pending row: the declaration's
// other row of that serial and nozzle, when there is exactly one.
std::optional<EncerranteRow> existingEncerranteRow(const DeclarationKey& key, const EncerranteRow& row,
                                                   const std::optional<EncerranteRow>& original);

} // namespace vexa::decl
