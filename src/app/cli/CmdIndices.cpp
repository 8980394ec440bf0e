#include "app/cli/Cli.h"

namespace vexa::cli {

int runIndices(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("indices")); }

} // namespace vexa::cli
