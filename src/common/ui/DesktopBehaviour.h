#pragma once
// What every screen of the desktop shares without asking for it: Qt's own
// texts (file, print, preview and message dialogs) in Brazilian Portuguese
// with dates the Brazilian way, and the arrow keys on a group of radio
// buttons selecting the button they move to. installDesktopBehaviour() is
// called once, after the application is made (the program entry and the
// screen tests do it).

#include <QString>

class QAction;
class QApplication;

namespace vexa::ui {

void installDesktopBehaviour(QApplication& application);

// Whether Qt's Brazilian Portuguese texts were found and loaded.
bool portugueseTextsLoaded();

// A toolbar action whose caption carries an "&": its button shows the
// underlined letter and answers Alt+letter.
void showAccessKey(QAction* action);

} // namespace vexa::ui
