#include "common/ui/TypingGrid.h"

namespace vexa::ui {

TypingGrid::TypingGrid(QWidget* parent) : QTableView(parent) { setTabKeyNavigation(true); }

QModelIndex TypingGrid::nextTypingCell(const QModelIndex& from, bool forward) const {
    const QAbstractItemModel* m = model();
    if (!m || !from.isValid()) return {};
    const int rows = m->rowCount(rootIndex());
    const int columns = m->columnCount(rootIndex());
    const int step = forward ? 1 : -1;
    int row = from.row();
    int column = from.column() + step;
    while (row >= 0 && row < rows) {
        for (; column >= 0 && column < columns; column += step) {
            if (isColumnHidden(column)) continue;
            const QModelIndex cell = m->index(row, column, rootIndex());
            if (m->flags(cell).testFlag(Qt::ItemIsEditable)) return cell;
        }
        row += step;
        column = forward ? 0 : columns - 1;
    }
    return {};
}

QModelIndex TypingGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    if (cursorAction == MoveNext || cursorAction == MovePrevious) {
        const QModelIndex next = nextTypingCell(currentIndex(), cursorAction == MoveNext);
        if (next.isValid()) return next;
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

} // namespace vexa::ui
