#pragma once
// The editors of other debits ("5.2.1 - Detalhamento do Campo Outros
// Débitos"), other credits ("6.2.1 - Detalhamento do Campo Outros Créditos")
// and deductions ("7.2.1 - Detalhamento das Deduções"), opened from sheet
// "Itens 5 - 8.7" for a stored declaration. Their totals become C52, C62 and C72.

#include "declaration/LawLists.h"
#include "declaration/ui/DeductionsModel.h"
#include "declaration/ui/FrmListEditor.h"
#include "declaration/ui/LawListModel.h"

#include <optional>

namespace vexa::decl::ui {

class FrmOutrosDebitos : public FrmListEditor {
    Q_OBJECT
public:
    FrmOutrosDebitos(const DeclarationKey& key, Prompter& prompter, QWidget* parent = nullptr);
    LawListModel* lines() const { return static_cast<LawListModel*>(model()); }
};

class FrmOutrosCreditos : public FrmListEditor {
    Q_OBJECT
public:
    FrmOutrosCreditos(const DeclarationKey& key, Prompter& prompter, QWidget* parent = nullptr);
    LawListModel* lines() const { return static_cast<LawListModel*>(model()); }
};

class FrmDeducoes : public FrmListEditor {
    Q_OBJECT
public:
    FrmDeducoes(const DeclarationKey& key, Prompter& prompter, QWidget* parent = nullptr);
    DeductionsModel* lines() const { return static_cast<DeductionsModel*>(model()); }
};

// The editor of the list (other debits, other credits or deductions), made
// for the declaration; null for the other lists.
FrmListEditor* makeLawListEditor(ListEditor list, const DeclarationKey& key, Prompter& prompter,
                                 QWidget* parent = nullptr);

} // namespace vexa::decl::ui
