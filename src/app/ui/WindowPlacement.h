#pragma once
// Windows that open in the middle of the screen the program runs on.

class QWidget;

namespace vexa::app {

void centreOnScreen(QWidget* window);

} // namespace vexa::app
