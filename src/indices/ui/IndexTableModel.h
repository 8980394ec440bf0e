#pragma once
// The grid of an index screen: `Data` as "dd/mm/yyyy" and `Valor` with four
// decimals, in the order the rows are given (the screen gives them by `Data`
// descending). Read-only.

#include "indices/IndexTable.h"

#include <QAbstractTableModel>

namespace vexa::indices::ui {

class IndexTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Data, Valor, ColumnCount };

    explicit IndexTableModel(QObject* parent = nullptr);

    void setRows(QList<IndexMonth> rows);
    const QList<IndexMonth>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    QList<IndexMonth> rows_;
};

} // namespace vexa::indices::ui
