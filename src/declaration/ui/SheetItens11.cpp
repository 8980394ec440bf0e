// The sheet of entries and outputs by state on the declaration screen.
#include "declaration/ui/SheetFactories.h"
#include "declaration/ui/SheetMovimentacaoUF.h"

namespace vexa::decl::ui {

VexaSheet* createSheetItens11(const SheetEnvironment& env, QWidget* parent) {
    return new SheetMovimentacaoUF(env.prompter, parent);
}

} // namespace vexa::decl::ui
