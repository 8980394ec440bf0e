#include "app/cli/Cli.h"

namespace vexa::cli {

int runPrint(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("print")); }

} // namespace vexa::cli
