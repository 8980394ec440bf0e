#include "declaration/ui/ListGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

namespace vexa::decl::ui {

ListGrid::ListGrid(QWidget* parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::AllEditTriggers);
    setTabKeyNavigation(true);
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setHighlightSections(false);
    setAlternatingRowColors(false);
}

bool ListGrid::editable(int row, int column) const {
    if (!model()) return false;
    return model()->flags(model()->index(row, column)).testFlag(Qt::ItemIsEditable);
}

QWidget* ListGrid::openEditor() const {
    if (state() != EditingState) return nullptr;
    QWidget* w = QApplication::focusWidget();
    while (w && w->parentWidget() != viewport()) w = w->parentWidget();
    return w;
}

void ListGrid::commitOpenEditor() {
    if (QWidget* w = openEditor()) {
        commitData(w);
        closeEditor(w, QAbstractItemDelegate::NoHint);
    }
}

void ListGrid::discardOpenEditor() {
    if (QWidget* w = openEditor()) closeEditor(w, QAbstractItemDelegate::RevertModelCache);
}

QModelIndex ListGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const QModelIndex current = currentIndex();
    if (!model() || !current.isValid()) return QTableView::moveCursor(cursorAction, modifiers);
    const int rows = model()->rowCount();
    const int columns = model()->columnCount();
    const int row = current.row();

    if (cursorAction == MoveNext || cursorAction == MovePrevious) {
        // The next column the user may type on this row, else the first one of the next row.
        const int step = cursorAction == MoveNext ? 1 : -1;
        for (int c = current.column() + step; c >= 0 && c < columns; c += step)
            if (editable(row, c)) return model()->index(row, c);
        const int nextRow = row + step;
        if (nextRow < 0) return current;
        if (nextRow >= rows) {
            emit appendRequested();
            return current;
        }
        // While a line is pending the other lines are closed: the columns of this one tell.
        for (int i = 0; i < columns; ++i) {
            const int c = step > 0 ? i : columns - 1 - i;
            if (editable(nextRow, c) || editable(row, c)) return model()->index(nextRow, c);
        }
        return model()->index(nextRow, current.column());
    }
    if (cursorAction == MoveDown && row == rows - 1) {
        emit appendRequested();
        return current;
    }
    return QTableView::moveCursor(cursorAction, modifiers);
}

void ListGrid::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Insert && event->modifiers() == Qt::NoModifier) {
        emit appendRequested();
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace vexa::decl::ui
