// The sheet of alcohol acquisitions on the declaration screen.
#include "declaration/ui/SheetFactories.h"
#include "declaration/ui/SheetInfoAlcool.h"

namespace vexa::decl::ui {

VexaSheet* createSheetItem14(const SheetEnvironment& env, QWidget* parent) {
    return new SheetInfoAlcool(env.prompter, parent);
}

} // namespace vexa::decl::ui
