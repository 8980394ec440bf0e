#pragma once
// Helpers of the registry screen tests: making a screen the active window so
// that focus moves as for a user, letting queued work run, picking a choice
// from a drop-down as the user would, and reading the enabled controls.

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace vexa::test {

inline void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

inline void activate(QWidget& screen) {
    screen.show();
    screen.activateWindow();
    QApplication::setActiveWindow(&screen);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    settle();
}

template <class W = QWidget>
W* child(const QWidget& screen, const char* name) {
    W* w = screen.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << "no control " << name;
    return w;
}

// Types text as key presses; letters outside ASCII go as their text.
inline void typeText(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(w, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

inline QString focused() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("<none>");
}

// The user picks a row of a drop-down.
inline void choose(QComboBox* combo, const QString& text) {
    const int i = combo->findText(text);
    ASSERT_GE(i, 0) << "no choice " << text.toStdString();
    combo->setFocus(Qt::MouseFocusReason);
    combo->setCurrentIndex(i);
    emit combo->activated(i);
    settle();
}

// The names among `names` whose controls are enabled, in the given order.
inline QStringList enabledOf(const QWidget& screen, const QStringList& names) {
    QStringList on;
    for (const QString& n : names) {
        QWidget* w = screen.findChild<QWidget*>(n);
        EXPECT_NE(w, nullptr) << "no control " << n.toStdString();
        if (w && w->isEnabled()) on << n;
    }
    return on;
}

} // namespace vexa::test
