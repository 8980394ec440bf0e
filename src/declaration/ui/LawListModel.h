#pragma once
// The grid of other debits (5.2.1) or other credits (6.2.1): origin, legal
// basis (the law code, picked among those the month offers) and value, with
// the list's total. A code-98 other debit below R$ 50,00 (the small balance
// brought back from the previous month) is drawn grey.

#include "declaration/ui/CodedListModel.h"

namespace vexa::decl::ui {

class LawListModel : public CodedListModel<LawLine> {
    Q_OBJECT
public:
    enum Column { Origem = kOrigemColumn, BaseLegal = kBaseLegalColumn, Valor, ColumnCount };

    LawListModel(LawList list, const DeclarationKey& key, QObject* parent = nullptr);

    QList<int> totalColumns() const override { return {Valor}; }
    double total(int column) const override { return column == Valor ? handedBackTotal() : 0.0; }
    QString totalFieldName(int) const override { return QStringLiteral("edtTotal"); }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

protected:
    QList<LawLine> loadLines() const override { return loadLawLines(list(), key()); }
    LawLine newLine() const override { return {}; }
    LineOutcome postLine(const LawLine& line, const std::optional<LawLine>& original, Prompter& prompter,
                         QString* field) override;
    int columnOfField(const QString& field) const override;
};

} // namespace vexa::decl::ui
