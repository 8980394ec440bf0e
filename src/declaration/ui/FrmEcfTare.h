#pragma once
// The editors "ECF" (3.8.1 - Detalhamento do Item Usuário ECF) and "TARE"
// (3.4.1 - TARE) of a declaration, opened from its first sheet when the
// taxpayer uses cash registers or holds a TARE.
//
// ECF: "Gravar", "Cancelar", "Excluir Linha"; rows have no checks; closing
// posts a pending row and stays open while that fails. TARE: "Excluir
// Linha" and "Retornar"; a TARE needs its number; "Retornar" and closing
// post a pending row first and stay open while that fails.

#include "common/Prompter.h"
#include "declaration/DeclarationKey.h"
#include "declaration/ui/FrmGridEditor.h"

namespace vexa::decl::ui {

// The caller owns the editor; run it with exec().
FrmGridEditor* makeEcfEditor(const DeclarationKey& key, Prompter& prompter, QWidget* parent);
FrmGridEditor* makeTareEditor(const DeclarationKey& key, Prompter& prompter, QWidget* parent);

} // namespace vexa::decl::ui
