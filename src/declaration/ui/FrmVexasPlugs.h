#pragma once
// The editors and screens that the declaration screen opens but other areas
// build: the list editors of sheet "Itens 5 - 8.7", the TARE and ECF editors
// of the first sheet, and the slip, print and rectification commands. Each
// area answers its opener from its own file (named beside each function);
// an empty opener means the command does nothing yet.
//
// FrmVexas asks these once when it is built; FrmVexas::setListEditor() and
// the other setters replace them (tests do).

#include "common/Prompter.h"
#include "declaration/Apuracao.h"
#include "declaration/DeclarationKey.h"

#include <functional>
#include <optional>

class QWidget;

namespace vexa::decl::ui {

// A list editor: opened modally over parent for the stored declaration; when
// it closes it answers the list's total, which the screen writes into the
// list's item and posts at once (none: the item is left as it is).
using ListEditorOpener =
    std::function<std::optional<double>(const DeclarationKey& key, Prompter& prompter, QWidget* parent)>;

// An editor or screen opened for the stored declaration.
using DeclarationAction = std::function<void(const DeclarationKey& key, Prompter& prompter, QWidget* parent)>;

// 5.2.1 other debits, 6.2.1 other credits, 7.2.1 deductions.     FrmVexasPlugLists.cpp
ListEditorOpener plugOtherListsEditor(ListEditor list);
// 7.6.1, 7.9.1 and 7.13.1, the rate-differential tables.         FrmVexasPlugRates.cpp
ListEditorOpener plugRateListsEditor(ListEditor list);
// "3.4.1 Editar Informações sobre TARE", "3.8.1 Editar Informações sobre ECF".   FrmVexasPlugEcfTare.cpp
DeclarationAction plugTareEditor();
DeclarationAction plugEcfEditor();
// "&DARE" (the slips of the declaration; the screen hides while it is open),
// "&Imprimir VEXA", "Re&tificar VEXA".        FrmVexasPlugSlips.cpp, FrmVexasPlugPrint.cpp, FrmVexasPlugRectify.cpp
DeclarationAction plugSlips();
DeclarationAction plugPrint();
// "Validar VEXA": the export's checks shown in "Validação de Dados".   FrmVexasPlugValidate.cpp
DeclarationAction plugValidate();
DeclarationAction plugRectify();

} // namespace vexa::decl::ui
