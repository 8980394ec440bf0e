#pragma once
// What the grids of sheets "Item 9" and "Itens 11 - 12.7" have in common: a
// list of stored rows of one view of a child table and at most one pending
// row (new or in edit) that is posted through the view's rules. ChildGridGroup
// (ChildGridGroup.h) drives any number of them the same way.

#include "common/Prompter.h"
#include "declaration/OperationRules.h"

#include <QAbstractTableModel>
#include <QVariant>

namespace vexa::decl::ui {

class PendingRowModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class EditState { Browse, Edit, Insert };

    // The outcome of a post as the grid needs it.
    struct Submitted {
        PostStatus status = PostStatus::Posted;
        QString message;   // the engine's error when Failed
        int column = -1;   // where the focus goes back after a refusal (-1: stay)
    };

    using QAbstractTableModel::QAbstractTableModel;

    EditState editState() const { return state_; }
    bool isEditing() const { return state_ != EditState::Browse; }
    int pendingRow() const { return pending_; }
    // Counts the pending rows begun: a deferred post checks it is still the same row's.
    quint64 editSerial() const { return serial_; }
    // A declaration is on show and the view may be typed.
    virtual bool isOpen() const = 0;

    // Appends a pending row when the view's new-row rule allows it; answers its
    // index, -1 when refused (silently).
    virtual int appendRow(bool newRowFlag, bool beforeFirstRow) = 0;
    // Posts the pending row; the view is read again after a post or a discard.
    // Browse state answers Posted without doing anything.
    virtual Submitted submitPending(Prompter& prompter) = 0;
    // Drops the pending edit: a new row disappears, an edited one gets its stored values back.
    virtual void revertPending() = 0;
    // Deletes a stored row (with whatever goes with it); false with *error.
    virtual bool removeStoredRow(int row, QString* error) = 0;
    // Leaving the key column of the pending row: the other stored row that
    // already holds the typed key; the pending edit is cancelled and its index
    // answered (-1 when there is none).
    virtual int jumpToExisting() = 0;
    // Reads the view's rows again; a pending row is dropped.
    virtual void reload() = 0;

    // The key column (the first) and the identity of a row, to find it again after a reload.
    virtual int keyColumn() const { return 0; }
    virtual QVariant rowIdentity(int row) const = 0;
    int rowOfIdentity(const QVariant& identity) const {
        for (int r = 0; r < rowCount(); ++r)
            if (rowIdentity(r) == identity) return r;
        return -1;
    }

signals:
    void editStateChanged();
    // A row was stored or deleted: totals change.
    void rowsStored();

protected:
    void setState(EditState state, int pending) {
        pending_ = pending;
        if (state == state_) return;
        if (state_ == EditState::Browse) ++serial_;
        state_ = state;
        emit editStateChanged();
    }

private:
    EditState state_ = EditState::Browse;
    int pending_ = -1;
    quint64 serial_ = 0;
};

} // namespace vexa::decl::ui
