#pragma once
// The grids of one sheet ("Item 9": six lists; "Itens 11 - 12.7": entries
// and outputs) driven the same way, as data-aware grids over child tables:
//
//  - entering a grid makes it the sheet's active table and posts the rows
//    pending in the others; moving to another row posts the pending one;
//  - leaving the key column (the first) of a row in edit with a key another
//    row already holds cancels the edit and moves to that row;
//  - an empty grid takes its first row from the keyboard (a character that
//    may start its key, or Insert); Insert on the first row inserts; Down on
//    the last row tries to append (child tables take a row only by command,
//    when empty or before their first row); Escape drops the pending row;
//  - Save posts the active grid first, then the others; a refused post puts
//    the cursor back on the row and the column at fault.

#include "common/Prompter.h"

#include <QObject>
#include <QPointer>
#include <QVariant>
#include <functional>
#include <vector>

class QTableView;
class QModelIndex;

namespace vexa::decl::ui {

class PendingRowModel;

class ChildGridGroup : public QObject {
    Q_OBJECT
public:
    // owner: the sheet the grids live in; prompter shows the grids' messages.
    ChildGridGroup(QWidget* owner, Prompter& prompter);

    // Which typed characters start the first row of an empty grid.
    using StartsKey = std::function<bool(QChar)>;
    // Adds a grid over its model; answers its index in the group.
    int add(QTableView* grid, PendingRowModel* model, StartsKey startsKey);

    int count() const { return int(grids_.size()); }
    QTableView* grid(int g) const { return grids_.at(size_t(g)); }
    PendingRowModel* model(int g) const { return models_.at(size_t(g)); }
    int active() const { return active_; }
    void setActive(int g);

    bool isEditing() const;
    // Posts the pending rows, the active grid's first; true when nothing is pending afterwards.
    bool post();
    bool postGrid(int g);
    // Drops every pending row (a cell being typed is closed without its text).
    void cancel();
    // Appends a row to a grid and opens its key column for typing; false when refused.
    bool appendRow(int g, bool newRowFlag, bool beforeFirstRow = false);
    // Deletes the current stored row of the active grid; true (nothing done) when there is none.
    bool deleteCurrentRow(QString* error);
    // Reads every grid again (pending rows are dropped).
    void reloadAll();

signals:
    void editStateChanged();
    void rowsStored();
    void activeChanged(int g);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int indexOf(const QObject* object) const;
    void onCurrentChanged(int g, const QModelIndex& current, const QModelIndex& previous);
    void onFocusChanged(QWidget* old, QWidget* now);
    void moveTo(int g, int row, int column);
    void startFirstRow(int g, const QString& text);
    void takeTypedCell();

    QWidget* owner_;
    Prompter& prompter_;
    std::vector<QTableView*> grids_;
    std::vector<PendingRowModel*> models_;
    std::vector<StartsKey> startsKey_;
    int active_ = 0;
    bool restoring_ = false;   // the cursor is being put back by the group itself
};

} // namespace vexa::decl::ui
