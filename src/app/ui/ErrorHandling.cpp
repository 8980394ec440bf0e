#include "app/ui/ErrorHandling.h"

#include "common/ErrorLog.h"
#include "common/ui/ActiveScreen.h"

#include <exception>

namespace vexa::app {

void installErrorHandler(const ProgramFolder& folder, Prompter& prompter) {
    setUnhandledErrorHandler([folder, &prompter](const QString& message) {
        handleUnhandledError(folder, message, activeScreenName(), prompter);
    });
}

bool runGuarded(const std::function<bool()>& work) {
    try {
        return work();
    } catch (const std::exception& e) {
        reportUnhandledError(QString::fromUtf8(e.what()));
    } catch (...) {
        reportUnhandledError(QStringLiteral("Erro inesperado."));
    }
    return false;
}

} // namespace vexa::app
