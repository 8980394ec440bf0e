#include "app/cli/Cli.h"

namespace vexa::cli {

int runDare(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("dare")); }

} // namespace vexa::cli
