#pragma once
// One grid of a child table of the declaration, with the behaviour of a
// data grid over it: typing puts the row into edit, moving to another row
// posts the pending one, a refused post brings the focus back to the column
// at fault, leaving a column of the pending row runs its checks and moves
// (SheetModel.h), and Insert, Down on the last row or Tab past the end ask
// for a new row under the rule of new rows. The sheets of items 13 to 16
// and the small editors (invoices, ECF, TARE) are built from it.

#include "common/Prompter.h"
#include "declaration/ui/SheetModel.h"

#include <QWidget>

class QLabel;

namespace vexa::decl::ui {

class ListGrid;
enum class TableState;   // VexaSheet.h

class SheetGrid : public QWidget {
    Q_OBJECT
public:
    // model must also be a SheetRows; the grid takes it over. caption may be empty.
    SheetGrid(ListEditorModel* model, Prompter& prompter, const QString& caption = {}, QWidget* parent = nullptr);

    ListGrid* grid() const { return grid_; }
    ListEditorModel* model() const { return model_; }
    SheetRows* rows() const { return rows_; }
    QLabel* captionLabel() const { return caption_; }

    bool isEditing() const { return model_->isEditing(); }
    // The sheet's table state while this grid holds a pending row (Browse otherwise).
    TableState tableState() const;
    // Save: takes the cell being typed and posts the pending row. True when
    // nothing is pending afterwards; a refusal puts the focus on the column at fault.
    bool post();
    // Cancel: drops the cell being typed and the pending edit.
    void cancel();
    // A new row (the New command sets newRowFlag); the cursor on its first
    // column. False when a pending row is refused or the rule refuses the new row.
    bool append(bool newRowFlag);
    // Deletes the row under the cursor (the caller asked); false with the engine's message.
    bool deleteCurrent(QString* error);
    // Reads the rows again.
    void reload();
    // Moves the cursor (and the focus) to a cell; row -1 for the last row.
    void focusCell(int row, int column = -1, bool edit = false);

signals:
    // The pending row came or went: the toolbar follows.
    void editStateChanged();
    // Rows were stored or deleted: the totals follow.
    void rowsChanged();
    // The focus came into the grid.
    void entered();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous);
    void leftCell(int row, int column);
    void leavePendingRow();
    void afterPost();
    void onAppendRequested();
    // A new row under the rule of new rows: asked by the New command
    // (newRowFlag), or by the grid's keys with the cursor before the first row or not.
    bool appendRow(bool newRowFlag, bool beforeFirstRow);

    ListEditorModel* model_;
    SheetRows* rows_;
    Prompter& prompter_;
    QLabel* caption_ = nullptr;
    ListGrid* grid_ = nullptr;
    bool moving_ = false;   // the grid itself moves the cursor
};

} // namespace vexa::decl::ui
