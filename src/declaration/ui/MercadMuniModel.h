#pragma once
// The grid of item 16: per supplier of another municipality of the home
// state, its IE (16.1), domicile (16.2) and the domicile's municipality,
// the supplier's municipality (16.3, code and name), the button that opens
// its invoices (16.4) and the total of its invoices (16.5, read-only).

#include "declaration/MercadMuni.h"
#include "declaration/ui/SheetModel.h"

namespace vexa::decl::ui {

class MercadMuniModel : public SheetModel<MercadoriaRow> {
    Q_OBJECT
public:
    enum Column { IEEmpresa = 0, Domicilio, CidadeDomicilio, MunicipioCodigo, MunicipioNome, Notas, Valor, ColumnCount };

    explicit MercadMuniModel(QObject* parent = nullptr);

    void setContext(const MunicipalityContext& context);
    const MunicipalityContext& context() const { return context_; }
    bool hasTable() const override { return context_.key.isComplete(); }
    // The row of that supplier and domicile; -1 when none.
    int rowOf(const QString& ieEmpresa, const QString& domicile) const;

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    int firstEditableColumn() const override { return IEEmpresa; }

    int takeExistingRow(int column) override;

protected:
    QList<MercadoriaRow> loadLines() const override;
    MercadoriaRow newLine() const override { return newMercadoriaRow(); }
    LineOutcome postLine(const MercadoriaRow& line, const std::optional<MercadoriaRow>& original, Prompter& prompter,
                         QString* field) override;
    int columnOfField(const QString& field) const override;
    bool deleteStored(const MercadoriaRow& line, QString* error) override;
    int rowOfPosted(const MercadoriaRow& posted) const override;

private:
    MunicipalityContext context_;
};

} // namespace vexa::decl::ui
