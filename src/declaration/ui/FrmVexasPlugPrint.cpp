// "&Imprimir VEXA": the print of the declaration on show.
#include "declaration/ui/FrmVexasPlugs.h"

namespace vexa::decl::ui {

DeclarationAction plugPrint() { return {}; }

} // namespace vexa::decl::ui
