#pragma once
// PendingRowList<Row> keeps the stored rows of one view of a child table and
// its pending row (a new one, or a stored one in edit with its stored values
// aside); each view says how its rows are read, made, posted, found and
// deleted, and what identifies a row.

#include "declaration/ui/PendingRowModel.h"

#include <QList>
#include <optional>

namespace vexa::decl::ui {

template <class Row>
class PendingRowList : public PendingRowModel {
public:
    using PendingRowModel::PendingRowModel;

    int rows() const { return int(rows_.size()); }
    const Row& row(int r) const { return rows_.at(r); }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows(); }

    void reload() override {
        beginResetModel();
        rows_ = loadRows();
        original_.reset();
        endResetModel();
        setState(EditState::Browse, -1);
    }

    int appendRow(bool newRowFlag, bool beforeFirstRow) override {
        if (isEditing() || !isOpen()) return -1;
        if (!acceptsNewRow(newRowFlag, beforeFirstRow)) return -1;
        const int r = rows();
        beginInsertRows({}, r, r);
        rows_.append(newRow());
        endInsertRows();
        original_.reset();
        setState(EditState::Insert, r);
        return r;
    }

    Submitted submitPending(Prompter& prompter) override {
        if (!isEditing()) return {};
        const Row typed = rows_.at(pendingRow());
        if (editState() == EditState::Edit && original_ && typed == *original_) {
            // Nothing was changed: the row simply leaves edit.
            original_.reset();
            setState(EditState::Browse, -1);
            return {};
        }
        const Submitted result = postRow(typed, prompter);
        switch (result.status) {
        case PostStatus::Posted:
            reload();
            emit rowsStored();
            break;
        case PostStatus::Discarded:
            revertPending();
            reload();
            break;
        case PostStatus::Refused:
        case PostStatus::Failed:
            break;
        }
        return result;
    }

    void revertPending() override {
        if (!isEditing()) return;
        const int r = pendingRow();
        const bool inserted = editState() == EditState::Insert;
        const auto original = original_;
        original_.reset();
        // Out of edit first: the views see a browsing model while the row goes.
        setState(EditState::Browse, -1);
        if (inserted) {
            beginRemoveRows({}, r, r);
            rows_.removeAt(r);
            endRemoveRows();
        } else if (original) {
            rows_[r] = *original;
            emit dataChanged(index(r, 0), index(r, columnCount() - 1));
        }
    }

    bool removeStoredRow(int r, QString* error) override {
        if (r < 0 || r >= rows()) return true;
        if (r == pendingRow() && editState() == EditState::Insert) {
            revertPending();
            return true;
        }
        if (isEditing()) revertPending();
        if (!deleteRow(rows_.at(r), error)) return false;
        reload();
        emit rowsStored();
        return true;
    }

    int jumpToExisting() override {
        if (!isEditing()) return -1;
        const std::optional<Row> existing = existingRow(rows_.at(pendingRow()));
        if (!existing) return -1;
        revertPending();
        return rowOfIdentity(identityOf(*existing));
    }

    QVariant rowIdentity(int r) const override {
        if (r < 0 || r >= rows() || (r == pendingRow() && editState() == EditState::Insert)) return {};
        return identityOf(r == pendingRow() && original_ ? *original_ : rows_.at(r));
    }

protected:
    // The view's stored rows (none when no declaration is on show).
    virtual QList<Row> loadRows() const = 0;
    // The view's rule about new rows, and the row a new one starts as.
    virtual bool acceptsNewRow(bool newRowFlag, bool beforeFirstRow) const = 0;
    virtual Row newRow() const = 0;
    // Posts the typed row through the view's rules (original_: the stored
    // values of a row in edit); a refusal names the column the focus goes back to.
    virtual Submitted postRow(const Row& typed, Prompter& prompter) = 0;
    // Deletes a stored row with whatever goes with it; false with *error.
    virtual bool deleteRow(const Row& row, QString* error) = 0;
    // The other stored row that already holds the typed row's key.
    virtual std::optional<Row> existingRow(const Row& typed) const = 0;
    virtual QVariant identityOf(const Row& row) const = 0;

    // A value typed into row r: the first change of a stored row keeps its
    // stored values aside and puts it in edit.
    void storeTyped(int r, const Row& next) {
        if (editState() == EditState::Browse) {
            original_ = rows_.at(r);
            setState(EditState::Edit, r);
        }
        rows_[r] = next;
        emit dataChanged(index(r, 0), index(r, columnCount() - 1));
    }

    QList<Row> rows_;
    std::optional<Row> original_;   // the stored row under edit
};

} // namespace vexa::decl::ui
