// The rate-differential editors (7.6.1, 7.9.1, 7.13.1) as the declaration screen opens them.
#include "declaration/ui/FrmRateEditors.h"
#include "declaration/ui/FrmVexasPlugs.h"

#include <memory>

namespace vexa::decl::ui {

ListEditorOpener plugRateListsEditor(ListEditor list) {
    return [list](const DeclarationKey& key, Prompter& prompter, QWidget* parent) -> std::optional<double> {
        std::unique_ptr<FrmListEditor> editor(makeRateTableEditor(list, key, prompter, parent));
        if (!editor) return std::nullopt;
        return editor->run();
    };
}

} // namespace vexa::decl::ui
