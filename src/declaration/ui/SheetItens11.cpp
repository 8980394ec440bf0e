// The sheet of entries and outputs by state on the declaration screen.
#include "declaration/ui/SheetFactories.h"
#include "declaration/ui/SheetPlaceholder.h"

namespace vexa::decl::ui {

VexaSheet* createSheetItens11(const SheetEnvironment& env, QWidget* parent) {
    (void)env;
    return new SheetPlaceholder(Sheet::Itens11a127, parent);
}

} // namespace vexa::decl::ui
