// The sheet of goods from other municipalities with deferral on the declaration screen.
#include "declaration/ui/FrmVexas.h"
#include "declaration/ui/SheetFactories.h"
#include "declaration/ui/SheetMercadMuni.h"

namespace vexa::decl::ui {

VexaSheet* createSheetItem16(const SheetEnvironment& env, QWidget* parent) {
    // The invoices button saves the screen's pending edit first, as the Save command does.
    FrmVexas* screen = &env.screen;
    return new SheetMercadMuni(env.prompter, [screen] { screen->gravar(); }, parent);
}

} // namespace vexa::decl::ui
