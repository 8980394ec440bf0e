// "Re&tificar VEXA": the rectification of the declaration on show.
#include "declaration/ui/FrmVexasPlugs.h"

namespace vexa::decl::ui {

DeclarationAction plugRectify() { return {}; }

} // namespace vexa::decl::ui
