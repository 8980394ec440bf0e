// "&DARE": the slips of the declaration on show.
#include "declaration/ui/FrmVexasPlugs.h"

namespace vexa::decl::ui {

DeclarationAction plugSlips() { return {}; }

} // namespace vexa::decl::ui
