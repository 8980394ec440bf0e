#pragma once
// The grids of the standalone slips: the slips of one period that "Selecione
// uma Gate" offers ("Código Tributo", "Valor da Receita"), and the slips
// "Consulta DARE Avulso" finds ("Razão Social", "IE", "Período", "Tributo",
// "Valor Receita").

#include "payment/ConsultaDareAvulsa.h"
#include "payment/DareAvulsas.h"

#include <QAbstractTableModel>

namespace vexa::payment::ui {

class PeriodSlipModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { CodigoTributo = 0, ValorReceita, ColumnCount };

    explicit PeriodSlipModel(QList<PeriodSlip> rows, QObject* parent = nullptr);
    const PeriodSlip& row(int r) const { return rows_.at(r); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<PeriodSlip> rows_;
};

class AvulsaConsultModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { RazaoSocial = 0, IE, Periodo, Tributo, ValorReceita, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;
    void setRows(QList<AvulsaConsultRow> rows);
    const AvulsaConsultRow& row(int r) const { return rows_.at(r); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<AvulsaConsultRow> rows_;
};

} // namespace vexa::payment::ui
