#include "app/cli/Cli.h"

namespace vexa::cli {

int runBackup(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("backup")); }
int runRestore(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("restore")); }

} // namespace vexa::cli
