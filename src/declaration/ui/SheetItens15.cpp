// The sheet of outputs and entries by municipality on the declaration screen.
#include "declaration/ui/SheetFactories.h"
#include "declaration/ui/SheetSaidasMun.h"

namespace vexa::decl::ui {

VexaSheet* createSheetItens15(const SheetEnvironment& env, QWidget* parent) {
    return new SheetSaidasMun(env.prompter, parent);
}

} // namespace vexa::decl::ui
