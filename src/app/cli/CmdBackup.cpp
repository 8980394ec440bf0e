#include "app/cli/Cli.h"

namespace vexa::cli {

int runBackup(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("backup")); }
int runRestore(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("restore")); }
int runImportPrevious(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("import-previous")); }

} // namespace vexa::cli
