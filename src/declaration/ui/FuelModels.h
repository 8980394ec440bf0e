#pragma once
// The grids of items 13 and 14: the nozzles with their meter readings and
// volumes (13.1 to 13.5), the tanks with their stock (13.6) and the alcohol
// invoices (14.1 to 14.6).

#include "declaration/Encerrantes.h"
#include "declaration/EstTanque.h"
#include "declaration/InfoAlcool.h"
#include "declaration/ui/SheetModel.h"

namespace vexa::decl::ui {

// Whole numbers with thousands points ("###,###,###,##0").
QString formatThousands(qint64 value);
QString formatThousands(const std::optional<qint64>& value);

// What the fuel grids know of the declaration.
struct FuelContext {
    DeclarationKey key;         // empty: no stored declaration on show
    bool bulkUpdate = false;
};

class EncerrantesModel : public SheetModel<EncerranteRow> {
    Q_OBJECT
public:
    enum Column { NSerieBomba = 0, NBico, Produto, LeituraInicial, LeituraFinal, VolSemInterv, VolComInterv, ColumnCount };

    explicit EncerrantesModel(QObject* parent = nullptr);
    void setContext(const FuelContext& context);
    bool hasTable() const override { return context_.key.isComplete(); }
    // The dialog "Estoque Produto Anterior" a changed product asks.
    void setPreviousProductDialog(PreviousProductDialog dialog) { previousProduct_ = std::move(dialog); }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    int firstEditableColumn() const override { return NSerieBomba; }

    int takeExistingRow(int column) override;
    // Leaving the serial of a new row proposes the next nozzle number.
    void leftColumn(int column) override;

protected:
    QList<EncerranteRow> loadLines() const override;
    EncerranteRow newLine() const override { return newEncerranteRow(); }
    LineOutcome postLine(const EncerranteRow& line, const std::optional<EncerranteRow>& original, Prompter& prompter,
                         QString* field) override;
    int columnOfField(const QString& field) const override;
    bool deleteStored(const EncerranteRow& line, QString* error) override;

private:
    FuelContext context_;
    PreviousProductDialog previousProduct_;
};

class EstTanqueModel : public SheetModel<TanqueRow> {
    Q_OBJECT
public:
    enum Column { Tanque = 0, Produto, Quantidade, ColumnCount };

    explicit EstTanqueModel(QObject* parent = nullptr);
    void setContext(const FuelContext& context);
    bool hasTable() const override { return context_.key.isComplete(); }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    int firstEditableColumn() const override { return Tanque; }

    int takeExistingRow(int column) override;

protected:
    QList<TanqueRow> loadLines() const override;
    TanqueRow newLine() const override;
    LineOutcome postLine(const TanqueRow& line, const std::optional<TanqueRow>& original, Prompter& prompter,
                         QString* field) override;
    int columnOfField(const QString& field) const override;
    bool deleteStored(const TanqueRow& line, QString* error) override;

private:
    FuelContext context_;
};

class InfoAlcoolModel : public SheetModel<AlcoolRow> {
    Q_OBJECT
public:
    enum Column { NNotaFiscal = 0, DtEmissao, Cnpj, UfOrigem, ValorUnitario, Quantidade, ColumnCount };

    explicit InfoAlcoolModel(QObject* parent = nullptr);
    void setContext(const FuelContext& context);
    bool hasTable() const override { return context_.key.isComplete(); }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    int firstEditableColumn() const override { return NNotaFiscal; }

    int takeExistingRow(int column) override;

protected:
    QList<AlcoolRow> loadLines() const override;
    AlcoolRow newLine() const override { return newAlcoolRow(); }
    LineOutcome postLine(const AlcoolRow& line, const std::optional<AlcoolRow>& original, Prompter& prompter,
                         QString* field) override;
    int columnOfField(const QString& field) const override;
    bool deleteStored(const AlcoolRow& line, QString* error) override;

private:
    FuelContext context_;
};

} // namespace vexa::decl::ui
