#pragma once
// The grid of one kind of item 9 (`ICMSRecolher` filtered by
// `TipoApuracao`): the kind's due dates and amounts of the declaration and
// one pending row posted through the rules of item 9. Columns " Vencimento"
// (EditRole a QDate) and "Valor" (EditRole the double). A kind that the
// regime or the period does not allow shows its rows greyed and read-only.

#include "declaration/IcmsRecolher.h"
#include "declaration/ui/PendingRowList.h"

namespace vexa::decl::ui {

class ToPayModel : public PendingRowList<ToPayRow> {
    Q_OBJECT
public:
    enum Column { Vencimento = 0, Valor, ColumnCount };

    explicit ToPayModel(ToPayKind kind, QObject* parent = nullptr);

    ToPayKind kind() const { return kind_; }
    // The declaration on show (an incomplete key: none), the taxpayer's
    // regime; reads the rows.
    void setDeclaration(const DeclarationKey& key, const QString& tipoRegime);
    bool isEnabled() const { return enabled_; }
    bool bulkUpdate() const { return bulkUpdate_; }
    void setBulkUpdate(bool on) { bulkUpdate_ = on; }

    // ---- PendingRowModel ----
    bool isOpen() const override { return key_.isComplete() && enabled_; }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    QList<ToPayRow> loadRows() const override;
    bool acceptsNewRow(bool newRowFlag, bool beforeFirstRow) const override;
    ToPayRow newRow() const override { return ToPayRow{}; }
    Submitted postRow(const ToPayRow& typed, Prompter& prompter) override;
    bool deleteRow(const ToPayRow& row, QString* error) override;
    std::optional<ToPayRow> existingRow(const ToPayRow& typed) const override;
    QVariant identityOf(const ToPayRow& row) const override { return row.dtVencimento; }

    ToPayKind kind_;
    DeclarationKey key_;
    bool enabled_ = false;
    bool bulkUpdate_ = false;
};

} // namespace vexa::decl::ui
