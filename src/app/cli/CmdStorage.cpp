#include "app/cli/Cli.h"

namespace vexa::cli {

int runInit(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("init")); }
int runReindex(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("reindex")); }

} // namespace vexa::cli
