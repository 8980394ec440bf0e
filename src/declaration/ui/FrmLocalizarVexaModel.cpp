#include "declaration/ui/FrmLocalizarVexaModel.h"

#include "common/Masks.h"

namespace vexa::decl::ui {

void FrmLocalizarVexaModel::setRows(QList<FoundDeclaration> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int FrmLocalizarVexaModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int FrmLocalizarVexaModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FrmLocalizarVexaModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size()) return {};
    const FoundDeclaration& r = rows_.at(index.row());
    if (role == Qt::TextAlignmentRole && index.column() != RazaoSocial)
        return QVariant(Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case RazaoSocial: return r.razaoSocial;
    case IE: return applyMask(QStringLiteral("99.999.999-9"), r.ie);
    case Periodo: return periodToDisplay(r.mesAno);
    case Retificacao: return r.retificacao;
    default: return {};
    }
}

QVariant FrmLocalizarVexaModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case RazaoSocial: return QStringLiteral("Razão Social");
    case IE: return QStringLiteral("IE");
    case Periodo: return QStringLiteral("Período");
    case Retificacao: return QStringLiteral("Ret.");
    default: return {};
    }
}

} // namespace vexa::decl::ui
