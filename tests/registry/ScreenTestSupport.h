#pragma once
// Helpers of the registry and slip screen tests: making a screen the active
// window so that focus moves as for a user, letting queued work run, typing
// into a field and pressing a top-bar button as the user would, picking a
// choice from a drop-down, reading the enabled controls, and keeping a picture
// of a screen where VEXA_SCREENSHOT_DIR points.

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QToolButton>
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

// The user clicks into the field (unless the focus is there already), replaces
// its text by typing, and leaves it with Tab when `leave`.
inline void typeInField(QLineEdit* e, const QString& text, bool leave) {
    if (!e->hasFocus()) e->setFocus(Qt::MouseFocusReason);
    settle();
    e->selectAll();
    QTest::keyClick(e, Qt::Key_Backspace);
    typeText(e, text);
    if (leave) QTest::keyClick(e, Qt::Key_Tab);
    settle();
}

// The user clicks a top-bar button of the screen.
inline void pressButton(const QWidget& screen, const char* name) {
    QTest::mouseClick(child<QToolButton>(screen, name), Qt::LeftButton);
    settle();
}

// The screen as drawn, written as <name>.png where VEXA_SCREENSHOT_DIR points.
inline void keepPicture(QWidget& w, const QString& name) {
    settle();
    const QPixmap picture = w.grab();
    ASSERT_FALSE(picture.isNull());
    const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(picture.save(QDir(dir).filePath(name + ".png")));
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
