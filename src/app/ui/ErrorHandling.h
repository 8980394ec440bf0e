#pragma once
// The desktop side of the application-wide error handler.

#include "common/ProgramFolder.h"
#include "common/Prompter.h"

#include <functional>

namespace vexa::app {

// Installs the handler every unhandled error reaches (reportUnhandledError):
// it appends the line to the program folder's Log.txt with the name of the
// active screen (empty when none) and shows the message in an error box.
// prompter must outlive the program's run.
void installErrorHandler(const ProgramFolder& folder, Prompter& prompter);

// Runs work; an exception that escapes it is reported to the handler and
// the answer is false. The operation that failed is abandoned there.
bool runGuarded(const std::function<bool()>& work);

} // namespace vexa::app
