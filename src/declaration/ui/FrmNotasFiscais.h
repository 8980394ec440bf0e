#pragma once
// "Notas Fiscais": the invoices of one supplier of item 16, with "&Novo",
// "&Gravar", "&Cancelar", "&Excluir" ("Confirma exclusão?", only while the
// list has rows and none is pending) and "&Retornar"; closing is refused
// while an invoice is pending. Its "TOTAL" becomes the supplier's value (16.5).

#include "common/Prompter.h"
#include "declaration/NotasFiscais.h"
#include "declaration/ui/FrmGridEditor.h"

#include <functional>

namespace vexa::decl::ui {

// The caller owns the editor; run it with exec().
FrmGridEditor* makeNotasFiscaisEditor(const SupplierKey& supplier, Prompter& prompter, QWidget* parent);

// Runs the editor over parent and answers the total of the supplier's invoices when it closes.
using NotasFiscaisOpener = std::function<double(const SupplierKey& supplier, Prompter& prompter, QWidget* parent)>;
double openNotasFiscais(const SupplierKey& supplier, Prompter& prompter, QWidget* parent);

} // namespace vexa::decl::ui
