#include "indices/ui/IndexTableModel.h"

#include "common/Conversions.h"

namespace vexa::indices::ui {

IndexTableModel::IndexTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void IndexTableModel::setRows(QList<IndexMonth> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int IndexTableModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int IndexTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant IndexTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size()) return {};
    const IndexMonth& row = rows_[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return index.column() == Data ? dateText(row.data) : formatIndexValue(row.valor);
    case Qt::EditRole:
        return index.column() == Data ? QVariant(row.data) : QVariant(row.valor);
    case Qt::TextAlignmentRole:
        return index.column() == Valor ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant IndexTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (section == Data) return QStringLiteral("Data");
    if (section == Valor) return QStringLiteral("Valor");
    return {};
}

Qt::ItemFlags IndexTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace vexa::indices::ui
