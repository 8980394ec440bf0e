// The sheet of ICMS to pay on the declaration screen.
#include "declaration/ui/SheetFactories.h"
#include "declaration/ui/SheetIcmsRecolher.h"

namespace vexa::decl::ui {

VexaSheet* createSheetItem9(const SheetEnvironment& env, QWidget* parent) {
    return new SheetIcmsRecolher(env.prompter, parent);
}

} // namespace vexa::decl::ui
