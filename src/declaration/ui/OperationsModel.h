#pragma once
// The grid of one operation view (items 4.1.1 to 4.2.3): the view's rows of
// `MovimentacaoPorOperacoes42` with the CFOP description and the
// municipality's name, and one pending row (new or in edit) that is posted
// through the rules of the operation grids.
//
// Money columns show "###,###,###,##0.00" and hand their editor the amount
// (EditRole is the double; the delegate edits it without separators).

#include "common/Prompter.h"
#include "declaration/OperationRules.h"
#include "declaration/OperationTypes.h"

#include <QAbstractTableModel>
#include <optional>

namespace vexa::decl::ui {

class OperationsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // Grid columns, in order.
    enum Column {
        Cfop = 0,
        Descricao,               // read-only
        Domicilio,               // read-only; shown only when item 3.10 is "Sim"
        Municipio,               // read-only; shown only when item 3.10 is "Sim"
        ValorContabil,
        BaseCalculo,
        Imposto,                 // credited (entries) or debited (outputs)
        IsentasNaoTributadas,
        Outras,
        SubstituicaoTributaria,
        ColumnCount
    };
    enum class EditState { Browse, Edit, Insert };

    explicit OperationsModel(OperationView view, QObject* parent = nullptr);

    const OperationView& view() const { return view_; }
    const OperationContext& context() const { return context_; }
    // A new declaration or a change of its item 3.10 / regime: reloads the rows.
    void setContext(const OperationContext& context);
    void setBulkUpdate(bool on) { context_.bulkUpdate = on; }
    // Reads the view's rows again; a pending row is dropped.
    void reload();

    // Typed access.
    int rows() const { return int(rows_.size()); }
    const OperationRow& row(int r) const { return rows_.at(r); }
    static bool isAmountColumn(int column);
    static Amount amountOf(int column);          // for an amount column
    static int columnOf(Amount amount);
    // The column a failed check sends the focus to (-1: stay).
    static int columnOfField(const QString& field);

    EditState editState() const { return state_; }
    bool isEditing() const { return state_ != EditState::Browse; }
    int pendingRow() const { return pending_; }

    // Appends a pending row when the new-row rule allows it (newRowFlag: the
    // New command is appending). Answers the new row's index, -1 when refused.
    int appendRow(bool newRowFlag);
    // Posts the pending row through the rules; the view is read again after a
    // post or a discard. Browse state answers Posted without doing anything.
    PostOutcome submitPending(Prompter& prompter);
    // Drops the pending edit (a new row disappears, an edited one gets its stored values back).
    void revertPending();
    // Deletes a stored row (and its twin when the domicile changed); answers false with *error.
    bool removeStoredRow(int r, QString* error);
    // Leaving the CFOP or description column: the other row of the view that
    // already holds the typed CFOP; the pending edit is cancelled and its
    // index answered (-1 when there is none).
    int jumpToExistingCfop();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void editStateChanged(EditState state);
    // A row was stored or deleted: the sheet's totals change.
    void rowsStored();

private:
    void setState(EditState state);
    void beginEdit(int r);

    OperationView view_;
    OperationContext context_;
    QList<OperationRow> rows_;
    EditState state_ = EditState::Browse;
    int pending_ = -1;
    std::optional<OperationRow> original_;   // the stored row under edit
};

} // namespace vexa::decl::ui
