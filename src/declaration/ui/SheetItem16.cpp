// The sheet of goods from other municipalities with deferral on the declaration screen.
#include "declaration/ui/SheetFactories.h"
#include "declaration/ui/SheetPlaceholder.h"

namespace vexa::decl::ui {

VexaSheet* createSheetItem16(const SheetEnvironment& env, QWidget* parent) {
    (void)env;
    return new SheetPlaceholder(Sheet::Item16, parent);
}

} // namespace vexa::decl::ui
