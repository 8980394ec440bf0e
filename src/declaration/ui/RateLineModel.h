#pragma once
// The grid of a rate-differential table (7.6.1 `Aliquota`, 7.9.1
// `AliquotaComp`, 7.13.1 `AliquotaConsumidor`): state, rate, domicile,
// municipality, book value, base and value (7.13.1 also the shares of origin
// and destination), with a total under each amount. Choosing a state sets
// the line's municipality and proposes its rate; after a post the cursor
// goes to the last line.

#include "declaration/RateStore.h"
#include "declaration/ui/ListEditorModel.h"

#include <QHash>

namespace vexa::decl::ui {

class RateLineModel : public ListModelBase<RateLine> {
    Q_OBJECT
public:
    enum Column {
        UF = 0,
        Aliquota,
        Domicilio,       // read-only
        Municipio,       // read-only
        VlrContabil,
        VlrBaseCalculo,
        Valor,           // differential or complement
        Origem,          // 7.13.1
        Destino,         // 7.13.1
    };

    // prompter: the origin-share message of 7.13.1 is shown as the share is typed.
    RateLineModel(RateTable table, const RateContext& context, Prompter& prompter, QObject* parent = nullptr);

    RateTable table() const { return table_; }
    const RateContext& context() const { return context_; }
    // The states the picker offers, and the rates it offers for a line's state.
    const QList<StateChoice>& states() const { return states_; }
    QList<double> ratesFor(int row) const;
    static QString rateText(double rate);

    bool removeLine(int row, Prompter& prompter) override;
    QList<int> totalColumns() const override;
    double total(int column) const override;
    double handedBackTotal() const override { return totals_.valor; }
    QString totalFieldName(int column) const override;
    int firstEditableColumn() const override { return UF; }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

protected:
    QList<RateLine> loadLines() const override { return loadRateLines(table_, context_.key); }
    RateLine newLine() const override { return newRateLine(context_); }
    bool canAppend() const override { return context_.key.isComplete(); }
    LineOutcome postLine(const RateLine& line, const std::optional<RateLine>& original, Prompter& prompter,
                         QString* field) override;
    int columnOfField(const QString& field) const override;
    int rowOfPosted(const RateLine&) const override { return lines() - 1; }

private:
    bool isAmountColumn(int column) const { return column >= VlrContabil; }
    double amount(const RateLine& l, int column) const;
    QString stateText(const QString& code) const;
    QString municipality(qint64 ibge) const;

    RateTable table_;
    RateContext context_;
    Prompter& prompter_;
    QList<StateChoice> states_;
    QHash<QString, QString> letters_;   // numeric code -> letters
    RateTotals totals_;
    mutable QHash<qint64, QString> municipalities_;
};

} // namespace vexa::decl::ui
