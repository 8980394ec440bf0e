#pragma once
// The sheets of the declaration screen as tabs whose change can be refused:
// every change the user asks for (a click on a tab, the keyboard) goes
// through a question the screen answers before anything moves.

#include <QTabWidget>
#include <functional>

namespace vexa::decl::ui {

class FrmVexasTabs : public QTabWidget {
    Q_OBJECT
public:
    using MayChange = std::function<bool(int from, int to)>;
    explicit FrmVexasTabs(QWidget* parent = nullptr);

    void setMayChange(MayChange mayChange) { mayChange_ = std::move(mayChange); }
    // A change asked for by the user or a command: true when it happened.
    bool requestIndex(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    MayChange mayChange_;
};

} // namespace vexa::decl::ui
