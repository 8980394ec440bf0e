// The slips, print and rectification commands of the declaration screen.
#include "declaration/ui/FrmVexasPlugs.h"

namespace vexa::decl::ui {

DeclarationAction plugSlips() { return {}; }
DeclarationAction plugPrint() { return {}; }
DeclarationAction plugRectify() { return {}; }

} // namespace vexa::decl::ui
