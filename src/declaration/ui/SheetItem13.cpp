// The sheet of pump meters and tank stock on the declaration screen.
#include "declaration/ui/SheetFactories.h"
#include "declaration/ui/SheetPlaceholder.h"

namespace vexa::decl::ui {

VexaSheet* createSheetItem13(const SheetEnvironment& env, QWidget* parent) {
    (void)env;
    return new SheetPlaceholder(Sheet::Item13, parent);
}

} // namespace vexa::decl::ui
