#pragma once
// The grid of "Consulta DARE": one row per stored slip, with the taxpayer's
// name, the IE through its mask, the period "MM/YYYY" and the rectification.

#include "payment/ConsultaDare.h"

#include <QAbstractTableModel>

namespace vexa::payment::ui {

class ConsultaDareModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { RazaoSocial = 0, IE, Periodo, Retificacao, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(QList<ConsultRow> rows);
    const QList<ConsultRow>& rows() const { return rows_; }
    const ConsultRow& row(int r) const { return rows_.at(r); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<ConsultRow> rows_;
};

} // namespace vexa::payment::ui
