#include "common/ui/EnterAsTab.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace vexa {

namespace {
bool isEnter(const QKeyEvent* key) {
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    return mods == Qt::NoModifier;
}

// Controls whose own meaning of Enter is kept.
bool keepsEnter(const QWidget* w) {
    if (qobject_cast<const QAbstractButton*>(w)) return true;
    if (auto* te = qobject_cast<const QTextEdit*>(w)) return !te->isReadOnly();
    if (auto* pe = qobject_cast<const QPlainTextEdit*>(w)) return !pe->isReadOnly();
    return false;
}
} // namespace

EnterAsTab::EnterAsTab(QWidget* form) : QObject(form), form_(form) {
    // Enter reaches the focused control first, and a dialog takes an ignored
    // Enter as its default button; so the key is caught before anyone sees it.
    qApp->installEventFilter(this);
}

EnterAsTab* EnterAsTab::install(QWidget* form) { return new EnterAsTab(form); }

bool EnterAsTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (!isEnter(key)) return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || target != QApplication::focusWidget()) return false;
    if (target != form_ && !form_->isAncestorOf(target)) return false;
    if (keepsEnter(target)) return false;

    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &tab);
    return true;
}

} // namespace vexa
