// vexa-cli rectify and import-previous: the rectifying declaration and the
// import of the previous version's tables.
#include "app/cli/Cli.h"

namespace vexa::cli {

int runRectify(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("rectify")); }
int runImportPrevious(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("import-previous")); }

} // namespace vexa::cli
