// The sheet of stock demonstration on the declaration screen.
#include "declaration/ui/SheetEstoque.h"
#include "declaration/ui/SheetFactories.h"

namespace vexa::decl::ui {

VexaSheet* createSheetItens10(const SheetEnvironment& env, QWidget* parent) {
    return new SheetEstoque(env.prompter, parent);
}

} // namespace vexa::decl::ui
