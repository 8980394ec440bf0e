#pragma once
// Sheet "Item 9" of the declaration screen, "9 - ICMS a Recolher": six small
// grids of due dates and amounts, one per kind of tax due, in two groups of
// three (9.1 to 9.3, 9.4 to 9.6), each group with its "TOTAL" line. A kind
// that the taxpayer's regime or the period does not allow is greyed, its
// caption too. Rows are added from the keyboard (the toolbar's New is off on
// this sheet): typing a date into an empty grid, or Insert on its first row;
// a kind takes at most five.

#include "common/Prompter.h"
#include "declaration/IcmsRecolher.h"
#include "declaration/ui/VexaSheet.h"

#include <array>

class QLabel;
class QLineEdit;
class QTableView;

namespace vexa::decl::ui {

class ChildGridGroup;
class ToPayModel;

class SheetIcmsRecolher : public VexaSheet {
    Q_OBJECT
public:
    explicit SheetIcmsRecolher(Prompter& prompter, QWidget* parent = nullptr);

    ToPayModel* model(ToPayKind kind) const { return models_[size_t(kind)]; }
    QTableView* grid(ToPayKind kind) const { return grids_[size_t(kind)]; }
    QLabel* caption(ToPayKind kind) const { return captions_[size_t(kind)]; }
    ChildGridGroup* gridGroup() const { return group_; }
    // The grid the user last entered (the sheet's active table); 9.1 at first.
    ToPayKind activeKind() const;
    // The "TOTAL" field of a kind as shown.
    QString totalText(ToPayKind kind) const;
    void refreshTotals();

    void setContext(const SheetContext& context) override;
    void clear() override;
    TableState tableState() const override;
    bool appendRow() override;
    bool post() override;
    void cancel() override;
    bool deleteCurrentRow(QString* error) override;
    void sheetShown() override;
    void refresh() override;

private:
    void applyEnabling();
    void showTotals(const ToPayTotals& totals);

    Prompter& prompter_;
    ChildGridGroup* group_ = nullptr;
    std::array<ToPayModel*, kToPayKindCount> models_{};
    std::array<QTableView*, kToPayKindCount> grids_{};
    std::array<QLabel*, kToPayKindCount> captions_{};
    std::array<QLineEdit*, kToPayKindCount> totals_{};
};

} // namespace vexa::decl::ui
