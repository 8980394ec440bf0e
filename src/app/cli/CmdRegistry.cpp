#include "app/cli/Cli.h"

namespace vexa::cli {

int runTaxpayer(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("taxpayer")); }
int runAccountant(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("accountant")); }

} // namespace vexa::cli
