#include "declaration/ui/SheetGrid.h"

#include "common/ui/GridFit.h"

#include "declaration/ui/ListGrid.h"
#include "declaration/ui/VexaSheet.h"

#include <QKeyEvent>
#include <QHeaderView>
#include <QLabel>
#include <QVBoxLayout>

namespace vexa::decl::ui {

SheetGrid::SheetGrid(ListEditorModel* model, Prompter& prompter, const QString& caption, QWidget* parent)
    : QWidget(parent), model_(model), rows_(dynamic_cast<SheetRows*>(model)), prompter_(prompter) {
    Q_ASSERT(rows_);
    model_->setParent(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    if (!caption.isEmpty()) {
        caption_ = new QLabel(caption, this);
        QFont bold = caption_->font();
        bold.setBold(true);
        caption_->setFont(bold);
        caption_->setWordWrap(true);
        layout->addWidget(caption_);
    }
    grid_ = new ListGrid(this);
    grid_->setModel(model_);
    grid_->installEventFilter(this);
    vexa::ui::fitColumns(grid_);
    layout->addWidget(grid_, 1);
    if (caption_) caption_->setBuddy(grid_);

    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, &SheetGrid::currentChanged);
    connect(model_, &ListEditorModel::editStateChanged, this, &SheetGrid::editStateChanged);
    connect(model_, &ListEditorModel::totalsChanged, this, &SheetGrid::rowsChanged);
    // Waits for the grid to finish the key that asked for it.
    connect(grid_, &ListGrid::appendRequested, this, &SheetGrid::onAppendRequested, Qt::QueuedConnection);
}

bool SheetGrid::post() {
    grid_->commitOpenEditor();
    if (!model_->isEditing()) return true;
    if (!model_->submitPending(prompter_)) {
        if (model_->isEditing()) focusCell(model_->pendingRow(), model_->focusColumn(), false);
        return false;
    }
    afterPost();
    return true;
}

void SheetGrid::cancel() {
    grid_->discardOpenEditor();
    const int row = grid_->currentIndex().row();
    model_->revertPending();
    if (model_->rowCount() > 0) focusCell(qMin(qMax(row, 0), model_->rowCount() - 1), -1, false);
}

bool SheetGrid::append(bool newRowFlag) { return appendRow(newRowFlag, false); }

bool SheetGrid::deleteCurrent(QString* error) {
    grid_->commitOpenEditor();
    const int row = grid_->currentIndex().row();
    if (row < 0 || row >= model_->rowCount()) return true;
    if (!rows_->deleteRow(row, error)) return false;
    if (model_->rowCount() > 0) focusCell(qMin(row, model_->rowCount() - 1), -1, false);
    emit rowsChanged();
    return true;
}

TableState SheetGrid::tableState() const {
    switch (model_->editState()) {
    case ListEditorModel::EditState::Edit: return TableState::Edit;
    case ListEditorModel::EditState::Insert: return TableState::Insert;
    case ListEditorModel::EditState::Browse: break;
    }
    return TableState::Browse;
}

void SheetGrid::reload() {
    grid_->discardOpenEditor();
    model_->reload();
}

void SheetGrid::focusCell(int row, int column, bool edit) {
    if (row < 0 || row >= model_->rowCount()) row = model_->rowCount() - 1;
    if (row < 0) return;
    if (column < 0) column = qMax(grid_->currentIndex().column(), model_->firstEditableColumn());
    const QModelIndex index = model_->index(row, column);
    moving_ = true;
    grid_->setCurrentIndex(index);
    grid_->scrollTo(index);
    moving_ = false;
    grid_->setFocus();
    if (edit && (model_->flags(index) & Qt::ItemIsEditable)) grid_->edit(index);
}

void SheetGrid::afterPost() {
    const int row = model_->rowToShow();
    if (model_->rowCount() > 0) focusCell(row >= 0 ? row : model_->rowCount() - 1, model_->firstEditableColumn());
}

void SheetGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (moving_ || !model_->isEditing() || !previous.isValid()) return;
    const int pending = model_->pendingRow();
    if (previous.row() != pending) return;
    if (current.row() == pending && current.column() == previous.column()) return;
    const int row = previous.row();
    const int column = previous.column();
    // Both wait for the grid to finish the move that left the cell.
    QMetaObject::invokeMethod(this, [this, row, column] { leftCell(row, column); }, Qt::QueuedConnection);
}

void SheetGrid::leftCell(int row, int column) {
    if (!model_->isEditing() || model_->pendingRow() != row) return;
    const QString warning = rows_->leavingColumnWarning(column);
    if (!warning.isEmpty()) {
        grid_->discardOpenEditor();
        prompter_.warn(warning);
        focusCell(row, column, false);
        return;
    }
    const int existing = rows_->takeExistingRow(column);
    if (existing >= 0) {
        grid_->discardOpenEditor();
        focusCell(existing, column, false);
        return;
    }
    rows_->leftColumn(column);
    if (grid_->currentIndex().row() != row) leavePendingRow();
}

void SheetGrid::leavePendingRow() {
    if (!model_->isEditing()) return;
    const int target = grid_->currentIndex().row();
    const int targetColumn = grid_->currentIndex().column();
    const bool targetIsOther = target >= 0 && target != model_->pendingRow();
    const bool pendingWasInsert = model_->editState() == ListEditorModel::EditState::Insert;
    grid_->commitOpenEditor();
    if (!model_->submitPending(prompter_)) {
        if (model_->isEditing()) focusCell(model_->pendingRow(), model_->focusColumn(), false);
        return;
    }
    // The table was read again: the cursor goes where the user was going when
    // it still exists, otherwise to the row posted.
    if (targetIsOther && !pendingWasInsert && target < model_->rowCount()) focusCell(target, targetColumn, false);
    else afterPost();
}

void SheetGrid::onAppendRequested() {
    // Down on the last row or Tab past the end: a row after the last one.
    appendRow(false, false);
}

bool SheetGrid::appendRow(bool newRowFlag, bool beforeFirstRow) {
    grid_->commitOpenEditor();
    if (model_->isEditing() && !post()) return false;
    rows_->setNewRowRule(newRowFlag, beforeFirstRow);
    const int row = model_->appendRow();
    rows_->setNewRowRule(false, false);
    if (row < 0) return false;
    focusCell(row, model_->firstEditableColumn(), true);
    return true;
}

bool SheetGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && event->type() == QEvent::FocusIn) emit entered();
    if (watched == grid_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::NoModifier) {
            // Insert on the first row (or in an empty grid) puts a row before it.
            const int current = grid_->currentIndex().row();
            appendRow(false, current <= 0);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vexa::decl::ui
