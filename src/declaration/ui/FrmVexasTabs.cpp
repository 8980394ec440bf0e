#include "declaration/ui/FrmVexasTabs.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabBar>
#include <QWheelEvent>

namespace vexa::decl::ui {

namespace {

class SheetTabBar : public QTabBar {
public:
    explicit SheetTabBar(FrmVexasTabs* tabs) : QTabBar(tabs), tabs_(tabs) {}

protected:
    void mousePressEvent(QMouseEvent* event) override {
        const int at = tabAt(event->position().toPoint());
        if (event->button() == Qt::LeftButton && at >= 0 && at != currentIndex()) {
            tabs_->requestIndex(at);
            event->accept();
            return;
        }
        QTabBar::mousePressEvent(event);
    }
    void keyPressEvent(QKeyEvent* event) override {
        int to = -1;
        switch (event->key()) {
        case Qt::Key_Left: to = currentIndex() - 1; break;
        case Qt::Key_Right: to = currentIndex() + 1; break;
        case Qt::Key_Home: to = 0; break;
        case Qt::Key_End: to = count() - 1; break;
        default: QTabBar::keyPressEvent(event); return;
        }
        if (to >= 0 && to < count()) tabs_->requestIndex(to);
        event->accept();
    }
    void wheelEvent(QWheelEvent* event) override { event->ignore(); }

private:
    FrmVexasTabs* tabs_;
};

} // namespace

FrmVexasTabs::FrmVexasTabs(QWidget* parent) : QTabWidget(parent) {
    setTabBar(new SheetTabBar(this));
    tabBar()->setFocusPolicy(Qt::NoFocus);
    tabBar()->setExpanding(false);
    tabBar()->setUsesScrollButtons(true);
    tabBar()->setElideMode(Qt::ElideNone);
    // Twelve captions side by side on a screen 800 wide.
    tabBar()->setStyleSheet(QStringLiteral(
        "QTabBar::tab { padding: 3px 3px; margin-right: 1px; border: 1px solid #a8a8a8; border-bottom: none;"
        " border-top-left-radius: 3px; border-top-right-radius: 3px; background: #e2e2e2; }"
        "QTabBar::tab:selected { background: #ffffff; border-color: #707070; }"));
    QFont small = tabBar()->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    tabBar()->setFont(small);
}

bool FrmVexasTabs::requestIndex(int index) {
    if (index == currentIndex()) return true;
    if (index < 0 || index >= count()) return false;
    if (mayChange_ && !mayChange_(currentIndex(), index)) return false;
    setCurrentIndex(index);
    return currentIndex() == index;
}

void FrmVexasTabs::keyPressEvent(QKeyEvent* event) {
    // Ctrl+Tab / Ctrl+Shift+Tab / Ctrl+PageDown / Ctrl+PageUp move between sheets.
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    int to = -1;
    if (ctrl && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown)) to = currentIndex() + 1;
    else if (ctrl && (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp)) to = currentIndex() - 1;
    if (to < 0 && !(ctrl && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown ||
                             event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp))) {
        QTabWidget::keyPressEvent(event);
        return;
    }
    if (to >= count()) to = 0;
    if (to < 0) to = count() - 1;
    requestIndex(to);
    event->accept();
}

} // namespace vexa::decl::ui
