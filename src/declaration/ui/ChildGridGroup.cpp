#include "declaration/ui/ChildGridGroup.h"

#include "common/ErrorLog.h"
#include "declaration/ui/PendingRowModel.h"

#include <QAbstractItemDelegate>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QTimer>

namespace vexa::decl::ui {

ChildGridGroup::ChildGridGroup(QWidget* owner, Prompter& prompter) : QObject(owner), owner_(owner), prompter_(prompter) {
    connect(qApp, &QApplication::focusChanged, this, &ChildGridGroup::onFocusChanged);
}

int ChildGridGroup::add(QTableView* grid, PendingRowModel* model, StartsKey startsKey) {
    const int g = count();
    grids_.push_back(grid);
    models_.push_back(model);
    startsKey_.push_back(std::move(startsKey));
    grid->setModel(model);
    grid->installEventFilter(this);
    connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this, g](const QModelIndex& current, const QModelIndex& previous) {
                onCurrentChanged(g, current, previous);
            });
    connect(model, &PendingRowModel::editStateChanged, this, &ChildGridGroup::editStateChanged);
    connect(model, &PendingRowModel::rowsStored, this, &ChildGridGroup::rowsStored);
    return g;
}

void ChildGridGroup::setActive(int g) {
    if (g < 0 || g >= count() || g == active_) return;
    active_ = g;
    emit activeChanged(g);
}

int ChildGridGroup::indexOf(const QObject* object) const {
    for (const QObject* o = object; o; o = o->parent()) {
        for (int g = 0; g < count(); ++g)
            if (o == grids_[size_t(g)]) return g;
        if (o == owner_) break;
    }
    return -1;
}

bool ChildGridGroup::isEditing() const {
    for (const PendingRowModel* m : models_)
        if (m->isEditing()) return true;
    return false;
}

void ChildGridGroup::moveTo(int g, int row, int column) {
    PendingRowModel* m = model(g);
    if (row < 0 || row >= m->rowCount()) return;
    restoring_ = true;
    grid(g)->setCurrentIndex(m->index(row, std::max(column, 0)));
    restoring_ = false;
}

void ChildGridGroup::takeTypedCell() {
    // A cell being typed is taken into its row: the editor gives the focus back to its grid.
    QWidget* focus = QApplication::focusWidget();
    const int g = indexOf(focus);
    if (g >= 0 && focus != grid(g)) grid(g)->setFocus();
}

bool ChildGridGroup::postGrid(int g) {
    PendingRowModel* m = model(g);
    if (!m->isEditing()) return true;
    const int pending = m->pendingRow();
    const int column = grid(g)->currentIndex().column();
    const PendingRowModel::Submitted out = m->submitPending(prompter_);
    switch (out.status) {
    case PostStatus::Posted:
    case PostStatus::Discarded:
        return true;
    case PostStatus::Failed:
        reportUnhandledError(out.message);
        return false;
    case PostStatus::Refused:
        moveTo(g, pending, out.column >= 0 ? out.column : column);
        grid(g)->setFocus();
        return false;
    }
    return false;
}

bool ChildGridGroup::post() {
    takeTypedCell();
    for (int step = 0; step < count(); ++step) {
        const int g = (active_ + step) % count();
        if (!model(g)->isEditing()) continue;
        if (!postGrid(g)) return false;
        // The view is read again and positioned on its last row.
        moveTo(g, model(g)->rowCount() - 1, model(g)->keyColumn());
    }
    return !isEditing();
}

void ChildGridGroup::cancel() {
    for (QTableView* grid : grids_) {
        const QModelIndex cell = grid->currentIndex();
        if (QWidget* editor = grid->indexWidget(cell))
            emit grid->itemDelegateForIndex(cell)->closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
    for (PendingRowModel* m : models_) m->revertPending();
}

bool ChildGridGroup::appendRow(int g, bool newRowFlag, bool beforeFirstRow) {
    if (g < 0 || g >= count()) return false;
    PendingRowModel* m = model(g);
    if (m->isEditing() && !postGrid(g)) return false;
    const int r = m->appendRow(newRowFlag, beforeFirstRow);
    if (r < 0) return false;
    QTableView* view = grid(g);
    view->setFocus();
    setActive(g);
    moveTo(g, r, m->keyColumn());
    view->edit(m->index(r, m->keyColumn()));
    return true;
}

bool ChildGridGroup::deleteCurrentRow(QString* error) {
    PendingRowModel* m = model(active_);
    const int r = grid(active_)->currentIndex().row();
    if (r < 0 || r >= m->rowCount()) return true;
    if (!m->removeStoredRow(r, error)) return false;
    for (int other = 0; other < count(); ++other)
        if (other != active_ && !model(other)->isEditing()) model(other)->reload();
    moveTo(active_, std::min(r, m->rowCount() - 1), m->keyColumn());
    return true;
}

void ChildGridGroup::reloadAll() {
    for (PendingRowModel* m : models_) m->reload();
}

void ChildGridGroup::startFirstRow(int g, const QString& text) {
    PendingRowModel* m = model(g);
    const int r = m->appendRow(false, false);
    if (r < 0) return;
    setActive(g);
    const QModelIndex cell = m->index(r, m->keyColumn());
    moveTo(g, r, m->keyColumn());
    grid(g)->edit(cell);
    if (text.isEmpty()) return;
    QWidget* editor = grid(g)->indexWidget(cell);
    if (!editor) return;
    // After the editor's own start (a masked edit puts its cursor first once it has the focus).
    QTimer::singleShot(0, editor, [editor, text] {
        QLineEdit* line = qobject_cast<QLineEdit*>(editor);
        if (auto* combo = qobject_cast<QComboBox*>(editor)) line = combo->lineEdit();
        if (!line) return;
        if (line != editor) line->clear();
        else line->setCursorPosition(0);
        line->insert(text);
    });
}

void ChildGridGroup::onCurrentChanged(int g, const QModelIndex& current, const QModelIndex& previous) {
    if (restoring_) return;
    PendingRowModel* m = model(g);
    if (!m->isEditing() || !previous.isValid() || previous.row() != m->pendingRow()) return;
    if (previous.column() == m->keyColumn() && current.column() != m->keyColumn() &&
        current.row() == previous.row()) {
        // Leaving the key: a key the view already holds moves the cursor to that row.
        const int existing = m->jumpToExisting();
        if (existing >= 0) {
            QTimer::singleShot(0, this, [this, g, existing] { moveTo(g, existing, model(g)->keyColumn()); });
            return;
        }
    }
    if (current.row() != previous.row()) {
        // Moving to another row posts the pending one (after the move completes).
        const QVariant target = current.isValid() && current.row() != m->pendingRow() && current.row() < m->rowCount()
                                    ? m->rowIdentity(current.row())
                                    : QVariant();
        const int column = std::max(current.column(), 0);
        const quint64 serial = m->editSerial();
        QTimer::singleShot(0, this, [this, g, target, column, serial] {
            if (!model(g)->isEditing() || model(g)->editSerial() != serial || !postGrid(g)) return;
            if (target.isValid()) moveTo(g, model(g)->rowOfIdentity(target), column);
        });
    }
}

void ChildGridGroup::onFocusChanged(QWidget* old, QWidget* now) {
    // Only moves within the sheet's window count: a message box shown while a
    // row is posted takes the focus without leaving the grid.
    if (!now || now->window() != owner_->window()) return;
    const int from = indexOf(old);
    const int to = indexOf(now);
    if (from == to || to < 0) return;
    // Entering another grid posts the rows pending in the others.
    for (int other = 0; other < count(); ++other) {
        if (other == to || !model(other)->isEditing()) continue;
        if (!postGrid(other)) return;
    }
    setActive(to);
}

bool ChildGridGroup::eventFilter(QObject* watched, QEvent* event) {
    const int g = indexOf(watched);
    if (g < 0 || event->type() != QEvent::KeyPress || watched != grid(g)) return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    PendingRowModel* m = model(g);
    QTableView* view = grid(g);
    if (!m->isOpen() || !view->isEnabled()) return QObject::eventFilter(watched, event);
    const int row = view->currentIndex().row();
    switch (key->key()) {
    case Qt::Key_Escape:
        if (m->isEditing()) {
            m->revertPending();
            return true;
        }
        break;
    case Qt::Key_Insert:
        appendRow(g, false, row <= 0);
        return true;
    case Qt::Key_Down:
        if (row == m->rowCount() - 1 || m->rowCount() == 0) {
            // At the last row: the pending row is posted, and a new one asked for.
            if (m->isEditing()) postGrid(g);
            else appendRow(g, false, false);
            return true;
        }
        break;
    default:
        if (m->rowCount() == 0 && !key->text().isEmpty() && startsKey_[size_t(g)] &&
            startsKey_[size_t(g)](key->text().at(0))) {
            startFirstRow(g, key->text());
            return true;
        }
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vexa::decl::ui
