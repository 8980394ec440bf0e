// The editors of the other debits (5.2.1), other credits (6.2.1) and
// deductions (7.2.1) as the declaration screen opens them.
#include "declaration/ui/FrmLawEditors.h"
#include "declaration/ui/FrmVexasPlugs.h"

#include <memory>

namespace vexa::decl::ui {

ListEditorOpener plugOtherListsEditor(ListEditor list) {
    return [list](const DeclarationKey& key, Prompter& prompter, QWidget* parent) -> std::optional<double> {
        std::unique_ptr<FrmListEditor> editor(makeLawListEditor(list, key, prompter, parent));
        if (!editor) return std::nullopt;
        return editor->run();
    };
}

} // namespace vexa::decl::ui
