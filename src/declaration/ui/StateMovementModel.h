#pragma once
// The grid of entries (item 11) or outputs (item 12) by state: the
// direction's rows of `MovimentacaoPorUF` and one pending row posted through
// the by-state rules. Columns: the state code, the domicile (shown only when
// item 3.10 is "Sim"), then the direction's amounts (stateAmountsOf()).
// Money columns show "###,###,###,##0.00" and hand their editor the double.

#include "declaration/StateMovementRules.h"
#include "declaration/ui/PendingRowList.h"

namespace vexa::decl::ui {

class StateMovementModel : public PendingRowList<StateRow> {
    Q_OBJECT
public:
    enum Column { Uf = 0, Domicilio, FirstAmount };

    explicit StateMovementModel(Direction direction, QObject* parent = nullptr);

    Direction direction() const { return direction_; }
    const OperationContext& context() const { return context_; }
    // A declaration opened (an incomplete key: none), or its item 3.10 or regime changed: reads the rows.
    void setContext(const OperationContext& context);
    void setBulkUpdate(bool on) { context_.bulkUpdate = on; }

    int amountColumnCount() const { return int(amounts_.size()); }
    bool isAmountColumn(int column) const;
    StateAmount amountOf(int column) const;    // for an amount column
    int columnOf(StateAmount amount) const;    // -1 when the grid does not show it

    // ---- PendingRowModel ----
    bool isOpen() const override { return context_.key.isComplete(); }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // The state column takes what was typed or picked ("qx", "QX 29", "29")
    // and keeps the code it stands for.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    // Column captions of the direction's amounts (also the totals panel's).
    static QString amountCaption(Direction direction, StateAmount amount);

private:
    QList<StateRow> loadRows() const override;
    bool acceptsNewRow(bool newRowFlag, bool beforeFirstRow) const override;
    StateRow newRow() const override { return newStateRow(direction_); }
    Submitted postRow(const StateRow& typed, Prompter& prompter) override;
    bool deleteRow(const StateRow& row, QString* error) override;
    std::optional<StateRow> existingRow(const StateRow& typed) const override;
    QVariant identityOf(const StateRow& row) const override { return row.uf + row.domicilioFiscal; }

    Direction direction_;
    QList<StateAmount> amounts_;
    OperationContext context_;
};

} // namespace vexa::decl::ui
