#pragma once
// The screen the user is working in: the modal screen on top, else the active
// window. Its object name (FrmContribuintes, ...) goes into the error log.

#include <QString>

class QWidget;

namespace vexa {

// The active screen's window, or null when none is active.
QWidget* activeScreen();
// The active screen's object name; empty when no screen is active.
QString activeScreenName();

} // namespace vexa
