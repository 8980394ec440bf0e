#include "registry/ui/ModalScreen.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QToolButton>

namespace vexa::registry::ui {

ModalScreen::ModalScreen(QWidget* parent) : QWidget(parent, Qt::Dialog) {
    setWindowModality(Qt::ApplicationModal);
}

void ModalScreen::exec() {
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    loop_ = &loop;
    loop.exec(QEventLoop::DialogExec);
    loop_ = nullptr;
}

void ModalScreen::closeEvent(QCloseEvent* event) {
    if (!canClose()) {
        event->ignore();
        return;
    }
    event->accept();
    if (loop_) loop_->quit();
}

QToolButton* ModalScreen::topBarButton(const QString& caption, const QString& objectName, const QString& hint) {
    auto* b = new QToolButton(this);
    b->setText(caption);
    b->setObjectName(objectName);
    b->setFocusPolicy(Qt::NoFocus);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setAutoRaise(false);
    b->setMinimumWidth(72);
    if (!hint.isEmpty()) b->setToolTip(hint);
    return b;
}

} // namespace vexa::registry::ui
