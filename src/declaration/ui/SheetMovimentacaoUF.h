#pragma once
// Sheet "Itens 11 - 12.7" of the declaration screen: entries (item 11) and
// outputs (item 12) by state of the other party, two grids over
// `MovimentacaoPorUF`, each with its totals for domicile A, domicile B and
// both below it (the totals' columns line up with the grid's). The domicile
// column shows only when item 3.10 is "Sim"; for Simples Nacional the bases,
// taxes and exempt amounts are greyed and not typed. New appends a row to the
// grid entered last (entries at first).

#include "common/Prompter.h"
#include "declaration/StateMovementStore.h"
#include "declaration/ui/VexaSheet.h"

#include <array>

class QTableView;
class QTableWidget;

namespace vexa::decl::ui {

class ChildGridGroup;
class StateMovementModel;

class SheetMovimentacaoUF : public VexaSheet {
    Q_OBJECT
public:
    explicit SheetMovimentacaoUF(Prompter& prompter, QWidget* parent = nullptr);

    StateMovementModel* model(Direction direction) const { return models_[size_t(direction)]; }
    QTableView* grid(Direction direction) const { return grids_[size_t(direction)]; }
    QTableWidget* totalsPanel(Direction direction) const { return panels_[size_t(direction)]; }
    ChildGridGroup* gridGroup() const { return group_; }
    Direction activeDirection() const;
    const StateTotals& totals(Direction direction) const { return totals_[size_t(direction)]; }
    // The totals as shown: line 0 "A", 1 "B", 2 "A+B"; empty for an amount the direction does not show.
    QString totalText(Direction direction, int line, StateAmount amount) const;
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
    QTableWidget* buildTotalsPanel(Direction direction, QTableView* grid);
    void applyPresentation();
    void showTotals();

    Prompter& prompter_;
    ChildGridGroup* group_ = nullptr;
    std::array<StateMovementModel*, 2> models_{};
    std::array<QTableView*, 2> grids_{};
    std::array<QTableWidget*, 2> panels_{};
    std::array<StateTotals, 2> totals_{};
};

} // namespace vexa::decl::ui
