#pragma once
// The totals of the six lists of sheet "Itens 5 - 8.7" and their way back
// into the declaration row: when a list editor closes, its total goes into
// C52, C62, C72 (other debits, other credits, deductions), C76, C79 or C713
// (rate differential, rate complement, final-consumer differential).

#include "declaration/Apuracao.h"
#include "declaration/DeclarationKey.h"
#include "declaration/VexaRow.h"

#include <QString>

namespace vexa::decl {

// The list's total as its editor hands it back.
double listTotal(ListEditor list, const DeclarationKey& key);

// Puts the total into the row's field of the list (C52, C62, ...).
void setListTotal(VexaRow& row, ListEditor list, double total);
double listTotalOf(const VexaRow& row, ListEditor list);

// Writes the total into the stored declaration row's field. A declaration
// not stored yet is left alone (answers true: nothing to write). False with
// the engine's message when the write is refused.
bool storeListTotal(ListEditor list, const DeclarationKey& key, double total, QString* error);

} // namespace vexa::decl
