// vexa-cli dare standalone: the slips that belong to no declaration.
#include "app/cli/Cli.h"

namespace vexa::cli {

int runDareStandalone(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("dare standalone")); }

} // namespace vexa::cli
