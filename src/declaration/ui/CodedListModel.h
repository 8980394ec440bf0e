#pragma once
// What the grids of other debits, other credits and deductions share: one
// line per law code, the legal-basis column picking the code, the move to
// the stored line of a code chosen again, deletion through the list's rules
// and its total.

#include "common/ErrorLog.h"
#include "declaration/LawLists.h"
#include "declaration/ui/ListEditorModel.h"

namespace vexa::decl::ui {

// The origin and legal-basis columns come first in each of these grids.
inline constexpr int kOrigemColumn = 0;
inline constexpr int kBaseLegalColumn = 1;

template <class Line>
class CodedListModel : public ListModelBase<Line> {
public:
    using Base = ListModelBase<Line>;
    using EditState = ListEditorModel::EditState;

    CodedListModel(LawList list, const DeclarationKey& key, QObject* parent)
        : Base(parent), list_(list), key_(key), offered_(offeredLawCodes(list, key)) {
        QObject::connect(this, &ListEditorModel::totalsChanged, this, [this] { total_ = lawListTotal(list_, key_); });
    }

    LawList list() const { return list_; }
    const DeclarationKey& key() const { return key_; }
    // The codes the drop-down offers.
    const QList<LawCode>& offeredCodes() const { return offered_; }

    double handedBackTotal() const override { return total_; }
    int firstEditableColumn() const override { return kBaseLegalColumn; }
    int codeColumn() const override { return kBaseLegalColumn; }
    bool pendingHasCode() const override {
        return !this->isEditing() || this->line(this->pendingRow()).codLei != 0;
    }

    // The stored line under the code, other than the pending one; -1 when none.
    int otherLineWithCode(int codLei) const {
        if (codLei == 0) return -1;
        for (int r = 0; r < this->lines(); ++r)
            if (r != this->pendingRow() && this->line(r).codLei == codLei) return r;
        return -1;
    }

    int cancelForExistingLine() override {
        const int r = otherLineWithCode(chosenCode_);
        chosenCode_ = 0;
        if (r < 0 || !this->isEditing()) return -1;
        // A new line is the last one: the rows before it keep their index.
        this->revertPending();
        return r;
    }

    bool removeLine(int row, Prompter& prompter) override {
        if (row < 0 || row >= this->lines()) return false;
        if (this->editState() == EditState::Insert && row == this->pendingRow()) {
            if (!prompter.ask(law_msg::ConfirmaExclusao)) return false;
            this->revertPending();
            return true;
        }
        this->revertPending();
        QString error;
        switch (deleteListLine(list_, key_, this->line(row).codLei, prompter, &error)) {
        case LineDelete::Deleted:
            this->reload();
            return true;
        case LineDelete::Failed:
            reportUnhandledError(error);
            this->reload();
            return false;
        case LineDelete::NotConfirmed:
        case LineDelete::Refused:
            return false;
        }
        return false;
    }

protected:
    // The code chosen on the pending line; another line holding it is announced.
    void codeChosen(int codLei) {
        if (otherLineWithCode(codLei) < 0) return;
        chosenCode_ = codLei;
        emit this->existingLineChosen();
    }

    int rowOfPosted(const Line& posted) const override {
        for (int r = 0; r < this->lines(); ++r)
            if (this->line(r).codLei == posted.codLei) return r;
        return -1;
    }

    // The outcome of a post through the list's rules, its message shown.
    LineOutcome outcomeOf(const LinePostResult& r, Prompter& prompter, QString* field) {
        switch (r.status) {
        case LinePost::Posted: return LineOutcome::Posted;
        case LinePost::Refused:
            prompter.warn(r.check.message);
            *field = r.check.field;
            return LineOutcome::Refused;
        case LinePost::Failed:
            reportUnhandledError(r.error);
            return LineOutcome::Failed;
        }
        return LineOutcome::Failed;
    }

private:
    LawList list_;
    DeclarationKey key_;
    QList<LawCode> offered_;
    double total_ = 0;
    int chosenCode_ = 0;
};

// The text a law code shows in the grid and its drop-down: "98 - <legal basis>".
QString lawCodeText(int codLei, const QString& descLei);

} // namespace vexa::decl::ui
