#pragma once
// The grid of item 15: per municipality of origin, the outputs (15.3), the
// entries (15.4) and their difference (15.5), with the domicile and its
// municipality (shown only when item 3.10 is "Sim"). Rows in the order
// they were typed.

#include "declaration/SaidasMun.h"
#include "declaration/ui/SheetModel.h"

namespace vexa::decl::ui {

class SaidasMunModel : public SheetModel<SaidaMunRow> {
    Q_OBJECT
public:
    enum Column { Municipio = 0, Domicilio, CidadeDomicilio, VlrContabil, Devolucoes, Total, ColumnCount };

    explicit SaidasMunModel(QObject* parent = nullptr);

    // A declaration was opened (or its item 3.10 changed): the rows are read.
    void setContext(const MunicipalityContext& context);
    const MunicipalityContext& context() const { return context_; }
    bool hasTable() const override { return context_.key.isComplete(); }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    int firstEditableColumn() const override { return Municipio; }

    QString leavingColumnWarning(int column) const override;

protected:
    QList<SaidaMunRow> loadLines() const override;
    SaidaMunRow newLine() const override { return newSaidaMunRow(); }
    LineOutcome postLine(const SaidaMunRow& line, const std::optional<SaidaMunRow>& original, Prompter& prompter,
                         QString* field) override;
    int columnOfField(const QString& field) const override;
    bool deleteStored(const SaidaMunRow& line, QString* error) override;

private:
    MunicipalityContext context_;
};

} // namespace vexa::decl::ui
