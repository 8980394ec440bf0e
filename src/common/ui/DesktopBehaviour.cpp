#include "common/ui/DesktopBehaviour.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QKeyEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QRadioButton>
#include <QTranslator>

#include <algorithm>

namespace vexa::ui {

namespace {

bool g_portuguese = false;

// The radio buttons that answer the same question as `button`: its button
// group, or else the auto-exclusive buttons beside it, in reading order.
QList<QAbstractButton*> sameQuestion(QRadioButton* button) {
    QList<QAbstractButton*> out;
    if (QButtonGroup* group = button->group()) {
        out = group->buttons();
    } else if (button->autoExclusive() && button->parentWidget()) {
        for (QRadioButton* b : button->parentWidget()->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
            if (b->autoExclusive()) out << b;
    }
    out.erase(std::remove_if(out.begin(), out.end(),
                             [button](QAbstractButton* b) {
                                 return b != button && (!b->isEnabled() || !b->isVisibleTo(b->window()));
                             }),
              out.end());
    std::stable_sort(out.begin(), out.end(), [](QAbstractButton* a, QAbstractButton* b) {
        const QPoint pa = a->mapTo(a->window(), QPoint());
        const QPoint pb = b->mapTo(b->window(), QPoint());
        return pa.y() != pb.y() ? pa.y() < pb.y() : pa.x() < pb.x();
    });
    return out;
}

// Left/Up and Right/Down move to the previous / next answer and select it,
// as a click would (the screen's handlers run), wrapping round at the ends.
class RadioArrows : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* button = qobject_cast<QRadioButton*>(watched);
        if (!button || !button->isEnabled()) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        int step = 0;
        switch (key->key()) {
        case Qt::Key_Left:
        case Qt::Key_Up: step = -1; break;
        case Qt::Key_Right:
        case Qt::Key_Down: step = 1; break;
        default: return false;
        }
        const QList<QAbstractButton*> answers = sameQuestion(button);
        const qsizetype at = answers.indexOf(button);
        if (answers.size() < 2 || at < 0) return false;
        QAbstractButton* next = answers[(at + step + answers.size()) % answers.size()];
        next->setFocus(Qt::TabFocusReason);
        if (!next->isChecked()) next->click();
        return true;
    }
};

} // namespace

void installDesktopBehaviour(QApplication& application) {
    static bool installed = false;
    if (installed) return;
    installed = true;
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    // Qt's own texts: "qtbase" holds the file, print and message dialogs.
    static QTranslator qtTexts;
    g_portuguese = qtTexts.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"),
                                QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (g_portuguese) QCoreApplication::installTranslator(&qtTexts);
    application.installEventFilter(new RadioArrows(&application));
}

bool portugueseTextsLoaded() { return g_portuguese; }

void showAccessKey(QAction* action) { action->setIconText(action->text()); }

} // namespace vexa::ui
