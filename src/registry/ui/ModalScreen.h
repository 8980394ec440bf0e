#pragma once
// A registry screen is its own modal window that may hide itself while the
// search screen is open and show itself again: exec() runs until the window
// is closed, not until it is hidden.

#include <QWidget>

class QEventLoop;
class QToolButton;

namespace vexa::registry::ui {

class ModalScreen : public QWidget {
    Q_OBJECT
public:
    explicit ModalScreen(QWidget* parent = nullptr);

    // Shows the screen modally and returns when it closes.
    void exec();

protected:
    // Whether the window may close now (by "&Retornar" or by its frame).
    virtual bool canClose() const { return true; }
    void closeEvent(QCloseEvent* event) override;

    // A top-bar button: takes no focus, so pressing it never leaves a field.
    QToolButton* topBarButton(const QString& caption, const QString& objectName, const QString& hint = {});

private:
    QEventLoop* loop_ = nullptr;
};

} // namespace vexa::registry::ui
