#pragma once
// The grid of the invoices editor ("Notas Fiscais") of one supplier of item
// 16: the invoice number ("Nº da Nota Fiscal", shown "00000#") and the
// deferred value ("Valor Deferido"), whose total becomes the supplier's 16.5.

#include "declaration/NotasFiscais.h"
#include "declaration/ui/SheetModel.h"

namespace vexa::decl::ui {

class NotasFiscaisModel : public SheetModel<NotaFiscalRow> {
    Q_OBJECT
public:
    enum Column { NumNota = 0, Valor, ColumnCount };

    explicit NotasFiscaisModel(SupplierKey supplier, QObject* parent = nullptr);

    const SupplierKey& supplier() const { return supplier_; }
    bool hasTable() const override { return supplier_.key.isComplete() && !supplier_.ieEmpresa.isEmpty(); }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    int firstEditableColumn() const override { return NumNota; }

    QList<int> totalColumns() const override { return {Valor}; }
    double total(int column) const override { return column == Valor ? handedBackTotal() : 0.0; }
    // The sum of the stored invoices.
    double handedBackTotal() const override;
    QString totalFieldName(int) const override { return QStringLiteral("edtTotal"); }

    // Asks "Confirma exclusão?" first.
    bool removeLine(int row, Prompter& prompter) override;

protected:
    bool canAppend() const override { return hasTable(); }
    QList<NotaFiscalRow> loadLines() const override;
    NotaFiscalRow newLine() const override { return newNotaFiscalRow(); }
    LineOutcome postLine(const NotaFiscalRow& line, const std::optional<NotaFiscalRow>& original, Prompter& prompter,
                         QString* field) override;
    int columnOfField(const QString& field) const override;
    bool deleteStored(const NotaFiscalRow& line, QString* error) override;

private:
    SupplierKey supplier_;
};

} // namespace vexa::decl::ui
