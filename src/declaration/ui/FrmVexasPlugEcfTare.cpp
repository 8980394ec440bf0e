// The TARE and ECF editors of the declaration's first sheet.
#include "declaration/ui/FrmVexasPlugs.h"

namespace vexa::decl::ui {

DeclarationAction plugTareEditor() { return {}; }
DeclarationAction plugEcfEditor() { return {}; }

} // namespace vexa::decl::ui
