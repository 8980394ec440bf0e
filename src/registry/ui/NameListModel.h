#pragma once
// The grid of the shared search screen: the registry's rows in name order,
// two columns (the name and the key).

#include "registry/RegistrySearch.h"

#include <QAbstractTableModel>

namespace vexa::registry::ui {

class NameListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Name = 0, Key = 1, ColumnCount = 2 };

    explicit NameListModel(Registry registry, QObject* parent = nullptr);

    void setRows(QList<NameRow> rows);
    const QList<NameRow>& rows() const { return rows_; }
    const NameRow& row(int r) const { return rows_.at(r); }
    Registry registry() const { return registry_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Registry registry_;
    QList<NameRow> rows_;
};

} // namespace vexa::registry::ui
