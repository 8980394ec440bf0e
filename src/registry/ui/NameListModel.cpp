#include "registry/ui/NameListModel.h"

#include "common/Masks.h"

namespace vexa::registry::ui {

NameListModel::NameListModel(Registry registry, QObject* parent)
    : QAbstractTableModel(parent), registry_(registry) {}

void NameListModel::setRows(QList<NameRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int NameListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int NameListModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant NameListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size() || role != Qt::DisplayRole) return {};
    const NameRow& r = rows_.at(index.row());
    if (index.column() == Name) return r.name;
    if (index.column() == Key) return registry_ == Registry::Taxpayers ? formatIE(r.key) : r.key;
    return {};
}

QVariant NameListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    if (registry_ == Registry::Taxpayers)
        return section == Name ? QStringLiteral("Razão Social") : QStringLiteral("Inscrição Estadual");
    return section == Name ? QStringLiteral("Nome") : QStringLiteral("CRC");
}

} // namespace vexa::registry::ui
