// The sheet of ICMS to pay on the declaration screen.
#include "declaration/ui/SheetFactories.h"
#include "declaration/ui/SheetPlaceholder.h"

namespace vexa::decl::ui {

VexaSheet* createSheetItem9(const SheetEnvironment& env, QWidget* parent) {
    (void)env;
    return new SheetPlaceholder(Sheet::Item9, parent);
}

} // namespace vexa::decl::ui
