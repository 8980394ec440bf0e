#include "common/ui/ActiveScreen.h"

#include <QApplication>
#include <QWidget>

namespace vexa {

QWidget* activeScreen() {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) w = QApplication::activeWindow();
    // A message box or a drop-down shown over a screen has no name of its
    // own: the screen is the nearest named window that owns it.
    while (w && w->objectName().isEmpty() && w->parentWidget()) w = w->parentWidget()->window();
    return w;
}

QString activeScreenName() {
    const QWidget* w = activeScreen();
    return w ? w->objectName() : QString();
}

} // namespace vexa
