#include "app/ui/VexaApplication.h"

#include "app/ui/ErrorHandling.h"

namespace vexa::app {

VexaApplication::VexaApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool VexaApplication::notify(QObject* receiver, QEvent* event) {
    return runGuarded([&] { return QApplication::notify(receiver, event); });
}

} // namespace vexa::app
