#include "payment/ui/ConsultaDareModel.h"

#include "common/Masks.h"

namespace vexa::payment::ui {

void ConsultaDareModel::setRows(QList<ConsultRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int ConsultaDareModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int ConsultaDareModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant ConsultaDareModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size()) return {};
    const ConsultRow& r = rows_.at(index.row());
    if (role == Qt::TextAlignmentRole && index.column() != RazaoSocial) return QVariant(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case RazaoSocial: return r.RazaoSocial;
    case IE: return formatIE(r.IE);
    case Periodo: return periodToDisplay(r.Periodo);
    case Retificacao: return r.Retificacao;
    default: return {};
    }
}

QVariant ConsultaDareModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case RazaoSocial: return QStringLiteral("Razão Social");
    case IE: return QStringLiteral("IE");
    case Periodo: return QStringLiteral("Período");
    case Retificacao: return QStringLiteral("Retificação");
    default: return {};
    }
}

} // namespace vexa::payment::ui
