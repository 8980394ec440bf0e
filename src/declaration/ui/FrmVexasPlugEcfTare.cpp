// The TARE and ECF editors of the declaration's first sheet.
#include "declaration/ui/FrmEcfTare.h"
#include "declaration/ui/FrmVexasPlugs.h"

#include <memory>

namespace vexa::decl::ui {

DeclarationAction plugTareEditor() {
    return [](const DeclarationKey& key, Prompter& prompter, QWidget* parent) {
        std::unique_ptr<FrmGridEditor> editor(makeTareEditor(key, prompter, parent));
        editor->exec();
    };
}

DeclarationAction plugEcfEditor() {
    return [](const DeclarationKey& key, Prompter& prompter, QWidget* parent) {
        std::unique_ptr<FrmGridEditor> editor(makeEcfEditor(key, prompter, parent));
        editor->exec();
    };
}

} // namespace vexa::decl::ui
