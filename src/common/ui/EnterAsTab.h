#pragma once
// Keyed forms move on with Enter as they do with Tab: Enter in an edit, a
// drop-down or a grid cell goes to the next control (inside a grid, the next
// column). Buttons keep Enter as a click and multi-line texts keep their new line.

#include <QObject>

class QWidget;

namespace vexa {

class EnterAsTab : public QObject {
    Q_OBJECT
public:
    // Acts on the key presses of every control inside form; lives as long as the form.
    explicit EnterAsTab(QWidget* form);

    // Convenience: installs the behaviour on form and answers the filter (owned by form).
    static EnterAsTab* install(QWidget* form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* form_;
};

} // namespace vexa
