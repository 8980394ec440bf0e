#pragma once
// The grid model of one child table of the declaration on a sheet or in a
// small editor (items 13 to 16, the invoices of a supplier, ECF, TARE): the
// stored rows plus at most one pending row, as the list editors keep them
// (ListEditorModel.h), and what a sheet grid asks besides:
//
//  - the rule about new rows: a child table takes one only while the New
//    command appends it, when it is empty or positioned before its first
//    row, or during a bulk update;
//  - the checks and moves made on leaving a column of the pending row (a
//    warning, the row that already holds a typed key, a proposed number);
//  - deleting a stored row without a question (the screen asked it).

#include "common/ErrorLog.h"
#include "common/Money.h"
#include "common/Prompter.h"
#include "declaration/OperationRules.h"
#include "declaration/RowPost.h"
#include "declaration/ui/GridValues.h"
#include "declaration/ui/ListEditorModel.h"

namespace vexa::decl::ui {

// What a SheetGrid asks of its model besides ListEditorModel.
class SheetRows {
public:
    virtual ~SheetRows() = default;
    // The conditions of the next appendRow(): the New command is appending;
    // the cursor stands before the first row.
    virtual void setNewRowRule(bool newRowFlag, bool beforeFirstRow) = 0;
    // Leaving a column of the pending row: a warning that sends the focus
    // back to it (empty when none).
    virtual QString leavingColumnWarning(int column) const { (void)column; return {}; }
    // Leaving a column of the pending row: when the typed key belongs to
    // another stored row, the pending edit is cancelled and that row's index
    // answered; -1 otherwise.
    virtual int takeExistingRow(int column) { (void)column; return -1; }
    // Leaving a column of the pending row, after the above (a proposed value).
    virtual void leftColumn(int column) { (void)column; }
    // Deletes a stored row; false with the engine's message.
    virtual bool deleteRow(int row, QString* error) = 0;
};

// From the outcome of a rule's post to the list model's outcome: messages
// were shown by the rule, an engine error goes to the application-wide handler.
inline LineOutcome lineOutcome(const RowPost& post, QString* field) {
    switch (post.status) {
    case PostStatus::Posted: return LineOutcome::Posted;
    case PostStatus::Discarded: return LineOutcome::Discarded;
    case PostStatus::Refused:
        if (field) *field = post.field;
        return LineOutcome::Refused;
    case PostStatus::Failed:
        reportUnhandledError(post.message);
        return LineOutcome::Failed;
    }
    return LineOutcome::Failed;
}

template <class Line>
class SheetModel : public ListModelBase<Line>, public SheetRows {
public:
    using ListModelBase<Line>::ListModelBase;

    void setNewRowRule(bool newRowFlag, bool beforeFirstRow) override {
        newRowFlag_ = newRowFlag;
        beforeFirst_ = beforeFirstRow;
    }
    void setBulkUpdate(bool on) { bulkUpdate_ = on; }
    bool bulkUpdate() const { return bulkUpdate_; }
    // Whether rows may be read and written at all (a stored declaration on show).
    virtual bool hasTable() const = 0;

    // The sheet's own Delete asked "Confirma Exclusão?" already.
    bool removeLine(int row, Prompter&) override {
        QString error;
        if (deleteRow(row, &error)) return true;
        reportUnhandledError(error);
        return false;
    }
    bool deleteRow(int row, QString* error) override {
        if (row < 0 || row >= this->lines()) return true;
        if (row == this->pendingRow() && this->editState() == ListEditorModel::EditState::Insert) {
            this->revertPending();
            return true;
        }
        if (this->isEditing()) this->revertPending();
        if (!deleteStored(this->line(row), error)) return false;
        this->reload();
        return true;
    }

    QList<int> totalColumns() const override { return {}; }
    double total(int) const override { return 0.0; }
    double handedBackTotal() const override { return 0.0; }
    QString totalFieldName(int) const override { return {}; }

protected:
    bool canAppend() const override {
        const bool allowed = hasTable() && childTableAcceptsNewRow(newRowFlag_, bulkUpdate_, this->lines(), beforeFirst_);
        return allowed;
    }
    virtual bool deleteStored(const Line& line, QString* error) = 0;
    // Where the cursor goes after a post: the table is read again and
    // positioned on its last row.
    int rowOfPosted(const Line&) const override { return this->lines() - 1; }
    // The index of the first stored row that satisfies pred; -1 when none.
    template <class Pred>
    int findRow(Pred pred) const {
        for (int r = 0; r < this->lines(); ++r)
            if (r != this->pendingRow() && pred(this->line(r))) return r;
        return -1;
    }

private:
    bool newRowFlag_ = false;
    bool beforeFirst_ = false;
    bool bulkUpdate_ = false;
};

} // namespace vexa::decl::ui
