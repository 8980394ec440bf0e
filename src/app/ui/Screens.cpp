#include "app/ui/Screens.h"

#include "app/ui/MainWindow.h"

namespace vexa::app {

// One line per screen, e.g.
//   window.setOpener(Command::Contribuintes, [](QWidget* p) { FrmContribuintes(p).exec(); });
// Commands not listed here are shown and do nothing yet.
void registerScreens(MainWindow& window) {
    (void)window;
}

} // namespace vexa::app
