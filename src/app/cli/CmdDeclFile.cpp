#include "app/cli/Cli.h"

namespace vexa::cli {

int runImport(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("import")); }
int runValidate(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("validate")); }
int runExport(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("export")); }
int runQx(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("qx")); }

} // namespace vexa::cli
