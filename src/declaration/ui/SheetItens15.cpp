// The sheet of outputs and entries by municipality on the declaration screen.
#include "declaration/ui/SheetFactories.h"
#include "declaration/ui/SheetPlaceholder.h"

namespace vexa::decl::ui {

VexaSheet* createSheetItens15(const SheetEnvironment& env, QWidget* parent) {
    (void)env;
    return new SheetPlaceholder(Sheet::Itens15, parent);
}

} // namespace vexa::decl::ui
