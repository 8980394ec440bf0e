#pragma once
// Where each command's screen is plugged into the main window.

namespace vexa::app {

class MainWindow;

// Registers the opener of every screen built so far (one line per screen).
void registerScreens(MainWindow& window);

} // namespace vexa::app
