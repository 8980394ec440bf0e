#pragma once
// A grid a typist moves through with Tab and Enter (Enter acts as Tab): the
// cursor passes over the columns nobody types in (a looked-up description, a
// computed amount, a hidden column) to the next cell that takes typing, on
// the same row or else the next one. Shift+Tab goes back the same way.

#include <QTableView>

namespace vexa::ui {

class TypingGrid : public QTableView {
    Q_OBJECT
public:
    explicit TypingGrid(QWidget* parent = nullptr);

    // The cell Tab (forward) or Shift+Tab goes to from `from`; invalid when
    // no cell further on takes typing.
    QModelIndex nextTypingCell(const QModelIndex& from, bool forward) const;

protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
};

} // namespace vexa::ui
