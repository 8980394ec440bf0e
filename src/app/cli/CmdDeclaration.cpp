#include "app/cli/Cli.h"

namespace vexa::cli {

int runDeclaration(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("declaration")); }
int runRectify(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("rectify")); }

} // namespace vexa::cli
