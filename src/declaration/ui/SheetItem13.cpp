// The sheet of pump meters and tank stock on the declaration screen.
#include "declaration/ui/SheetEncerrantes.h"
#include "declaration/ui/SheetFactories.h"

namespace vexa::decl::ui {

VexaSheet* createSheetItem13(const SheetEnvironment& env, QWidget* parent) {
    return new SheetEncerrantes(env.prompter, parent);
}

} // namespace vexa::decl::ui
