#include "app/ui/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace vexa::app {

void centreOnScreen(QWidget* window) {
    QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    QRect frame = window->frameGeometry();
    if (frame.width() > area.width() || frame.height() > area.height()) {
        window->resize(qMin(window->width(), area.width() * 9 / 10), qMin(window->height(), area.height() * 9 / 10));
        frame = window->frameGeometry();
    }
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
}

} // namespace vexa::app
