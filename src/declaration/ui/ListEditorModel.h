#pragma once
// The grid model of a list editor of sheet "Itens 5 - 8.7" (other debits,
// other credits, deductions and the rate tables): the declaration's stored
// lines plus at most one pending line (new, or a stored one in edit), posted
// through the list's rules. The editor dialog drives every list the same way
// through this interface.
//
// ListModelBase<Line> keeps the lines and the pending one; each list says how
// its lines are read, made, compared and posted.

#include "common/Prompter.h"

#include <QAbstractTableModel>
#include <QList>
#include <optional>

namespace vexa::decl::ui {

class ListEditorModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class EditState { Browse, Edit, Insert };

    using QAbstractTableModel::QAbstractTableModel;

    EditState editState() const { return state_; }
    bool isEditing() const { return state_ != EditState::Browse; }
    virtual int pendingRow() const = 0;
    virtual int lineCount() const = 0;

    // Reads the declaration's lines again; a pending line is dropped.
    virtual void reload() = 0;
    // Appends a new pending line; its index, or -1 when a line is already pending.
    virtual int appendRow() = 0;
    // Posts the pending line: true when nothing is pending afterwards (posted,
    // discarded, or an untouched new line dropped). A refused line stays
    // pending and focusColumn() tells where the focus goes back.
    virtual bool submitPending(Prompter& prompter) = 0;
    virtual void revertPending() = 0;
    // Deletes the line (the rules ask "Confirma Exclusão?"); true when it went.
    virtual bool removeLine(int row, Prompter& prompter) = 0;

    // The column a failed check sent the focus to; -1 to stay.
    int focusColumn() const { return focusColumn_; }
    // The row to show after a post or a reload (the posted line); -1 for none.
    int rowToShow() const { return rowToShow_; }

    // The amount columns that carry a total, and their totals.
    virtual QList<int> totalColumns() const = 0;
    virtual double total(int column) const = 0;
    // The total the editor hands back to the declaration row.
    virtual double handedBackTotal() const = 0;
    // The object name of the total field under an amount column.
    virtual QString totalFieldName(int column) const = 0;
    // The column the cursor starts in.
    virtual int firstEditableColumn() const = 0;

    // Lists of law codes: the legal-basis column (-1 for other lists), and
    // whether the pending line has a code chosen.
    virtual int codeColumn() const { return -1; }
    virtual bool pendingHasCode() const { return true; }
    // A code another line already holds was chosen for the pending line
    // (announced by existingLineChosen): the pending line is cancelled and
    // the row of that line answered; -1 when there is nothing to do.
    virtual int cancelForExistingLine() { return -1; }

signals:
    void editStateChanged();
    // Lines were stored or deleted: the totals change.
    void totalsChanged();
    // The code typed on the pending line belongs to another line.
    void existingLineChosen();

protected:
    void setState(EditState state) {
        if (state == state_) return;
        state_ = state;
        emit editStateChanged();
    }
    void setFocusColumn(int column) { focusColumn_ = column; }
    void setRowToShow(int row) { rowToShow_ = row; }

private:
    EditState state_ = EditState::Browse;
    int focusColumn_ = -1;
    int rowToShow_ = -1;
};

// How a pending line ended when it was posted.
enum class LineOutcome { Posted, Refused, Discarded, Failed };

template <class Line>
class ListModelBase : public ListEditorModel {
public:
    using ListEditorModel::ListEditorModel;

    int lines() const { return int(lines_.size()); }
    const Line& line(int r) const { return lines_.at(r); }
    int pendingRow() const override { return pending_; }
    int lineCount() const override { return lines(); }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : lines(); }

    void reload() override {
        beginResetModel();
        lines_ = loadLines();
        pending_ = -1;
        original_.reset();
        endResetModel();
        setState(EditState::Browse);
        emit totalsChanged();
    }

    int appendRow() override {
        if (isEditing() || !canAppend()) return -1;
        const int r = lines();
        beginInsertRows({}, r, r);
        lines_.append(newLine());
        endInsertRows();
        pending_ = r;
        original_.reset();
        setState(EditState::Insert);
        return r;
    }

    bool submitPending(Prompter& prompter) override {
        setFocusColumn(-1);
        if (!isEditing()) return true;
        const Line typed = lines_.at(pending_);
        // An untouched new line, or an edit that changed nothing, simply leaves.
        if ((editState() == EditState::Insert && typed.sameStored(newLine())) ||
            (original_ && typed.sameStored(*original_))) {
            revertPending();
            return true;
        }
        QString field;
        switch (postLine(typed, original_, prompter, &field)) {
        case LineOutcome::Posted:
            reload();
            setRowToShow(rowOfPosted(typed));
            emit totalsChanged();
            return true;
        case LineOutcome::Discarded:
            reload();
            return true;
        case LineOutcome::Refused:
        case LineOutcome::Failed:
            setFocusColumn(columnOfField(field));
            return false;
        }
        return false;
    }

    void revertPending() override {
        if (!isEditing()) return;
        const int r = pending_;
        if (editState() == EditState::Insert) {
            beginRemoveRows({}, r, r);
            lines_.removeAt(r);
            endRemoveRows();
        } else if (original_) {
            lines_[r] = *original_;
            emit dataChanged(index(r, 0), index(r, columnCount() - 1));
        }
        pending_ = -1;
        original_.reset();
        setState(EditState::Browse);
    }

protected:
    virtual QList<Line> loadLines() const = 0;
    virtual Line newLine() const = 0;
    virtual bool canAppend() const { return true; }
    // Posts the line through the list's rules; shows its messages; *field names
    // the field a refusal sends the focus to.
    virtual LineOutcome postLine(const Line& line, const std::optional<Line>& original, Prompter& prompter,
                                 QString* field) = 0;
    virtual int columnOfField(const QString& field) const = 0;
    // The row of the stored line that was just posted (found again after the reload).
    virtual int rowOfPosted(const Line& posted) const = 0;

    // Replaces a line typed by the user: the line goes into edit first.
    void changeLine(int r, const Line& next) {
        if (editState() == EditState::Browse) {
            original_ = lines_.at(r);
            pending_ = r;
            setState(EditState::Edit);
        }
        lines_[r] = next;
        emit dataChanged(index(r, 0), index(r, columnCount() - 1));
    }
    // Only the pending line may change while one is pending.
    bool rowOpen(int r) const { return !isEditing() || r == pending_; }
    const std::optional<Line>& original() const { return original_; }

    QList<Line> lines_;

private:
    int pending_ = -1;
    std::optional<Line> original_;
};

} // namespace vexa::decl::ui
