#include "payment/ui/AvulsaModels.h"

#include "common/Masks.h"
#include "common/Money.h"

namespace vexa::payment::ui {

PeriodSlipModel::PeriodSlipModel(QList<PeriodSlip> rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(std::move(rows)) {}

int PeriodSlipModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int PeriodSlipModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant PeriodSlipModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size()) return {};
    const PeriodSlip& r = rows_.at(index.row());
    if (role == Qt::TextAlignmentRole)
        return QVariant(index.column() == ValorReceita ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case CodigoTributo: return r.CodigoTributo;
    case ValorReceita: return money::format(r.ValorReceita);
    default: return {};
    }
}

QVariant PeriodSlipModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case CodigoTributo: return QStringLiteral("Código Tributo");
    case ValorReceita: return QStringLiteral("Valor da Receita");
    default: return {};
    }
}

void AvulsaConsultModel::setRows(QList<AvulsaConsultRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int AvulsaConsultModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(rows_.size()); }

int AvulsaConsultModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant AvulsaConsultModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_.size()) return {};
    const AvulsaConsultRow& r = rows_.at(index.row());
    if (role == Qt::TextAlignmentRole && index.column() != RazaoSocial)
        return QVariant(index.column() == ValorReceita ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case RazaoSocial: return r.RazaoSocial;
    case IE: return formatIE(r.IE);
    case Periodo: return periodToDisplay(r.Periodo);
    case Tributo: return r.CodigoTributo;
    case ValorReceita: return money::format(r.ValorReceita);
    default: return {};
    }
}

QVariant AvulsaConsultModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    switch (section) {
    case RazaoSocial: return QStringLiteral("Razão Social");
    case IE: return QStringLiteral("IE");
    case Periodo: return QStringLiteral("Período");
    case Tributo: return QStringLiteral("Tributo");
    case ValorReceita: return QStringLiteral("Valor Receita");
    default: return {};
    }
}

} // namespace vexa::payment::ui
