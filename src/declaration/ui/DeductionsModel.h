#pragma once
// The grid of deductions (7.2.1): origin, legal basis, (1) ICMS due, (2)
// average ICMS, the computed (3), (4) and (5), and (6) the value of the
// deduction, computed from (4) and (5) except under codes 99, 3, 4, 5 and 6,
// whose value is typed (its cell white, (1) to (5) pale yellow).

#include "declaration/ui/CodedListModel.h"

namespace vexa::decl::ui {

class DeductionsModel : public CodedListModel<DeductionLine> {
    Q_OBJECT
public:
    enum Column {
        Origem = kOrigemColumn,
        BaseLegal = kBaseLegalColumn,
        ICMSDevido,          // (1)
        MediaICMS,           // (2)
        ParSujIncentivo,     // (3) = (1) - (2)
        ParIncentivada,      // (4) = (3) * 75 %
        SubParIncentivada,   // (5) = (4) * 5 %
        VlrDeducao,          // (6) = (4) - (5), or typed
        ColumnCount
    };

    explicit DeductionsModel(const DeclarationKey& key, QObject* parent = nullptr);

    QList<int> totalColumns() const override { return {VlrDeducao}; }
    double total(int column) const override { return column == VlrDeducao ? handedBackTotal() : 0.0; }
    QString totalFieldName(int) const override { return QStringLiteral("edtTotal"); }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

protected:
    QList<DeductionLine> loadLines() const override { return loadDeductionLines(key()); }
    DeductionLine newLine() const override { return {}; }
    LineOutcome postLine(const DeductionLine& line, const std::optional<DeductionLine>& original,
                         Prompter& prompter, QString* field) override;
    int columnOfField(const QString& field) const override;

private:
    double amount(const DeductionLine& l, int column) const;
};

} // namespace vexa::decl::ui
