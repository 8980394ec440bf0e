#pragma once
// The grid of "Localizar VEXA": one row per declaration found, with the
// taxpayer's name, the IE through its mask, the period "MM/YYYY" and the
// rectification number.

#include "declaration/ui/FrmLocalizarVexaQuery.h"

#include <QAbstractTableModel>

namespace vexa::decl::ui {

class FrmLocalizarVexaModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { RazaoSocial = 0, IE, Periodo, Retificacao, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;

    void setRows(QList<FoundDeclaration> rows);
    const QList<FoundDeclaration>& rows() const { return rows_; }
    const FoundDeclaration& row(int r) const { return rows_.at(r); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<FoundDeclaration> rows_;
};

} // namespace vexa::decl::ui
