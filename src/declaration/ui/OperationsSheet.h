#pragma once
// One sheet of entries ("Item 4.1") or outputs ("Item 4.2") by fiscal
// operation code: three grids (domestic "INTERNA", interstate
// "INTERESTADUAL", foreign "EXTERIOR"), the description box of the current
// row and the totals of the direction for domiciles A, B and A+B.
//
// The declaration screen places it on its sheet, hands it the declaration's
// context, and drives it from its toolbar (New, Save, Cancel, Delete) and its
// half-second timer (refresh()).

#include "common/Prompter.h"
#include "declaration/OperationTotals.h"
#include "declaration/OperationTypes.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QTableView;
class QTableWidget;

namespace vexa::decl::ui {

class OperationsModel;

class OperationsSheet : public QWidget {
    Q_OBJECT
public:
    // prompter shows the grids' warnings and questions; it must outlive the sheet.
    OperationsSheet(Direction direction, Prompter& prompter, QWidget* parent = nullptr);
    ~OperationsSheet() override;

    Direction direction() const { return direction_; }

    // Opening a declaration (or its item 3.10 / regime changed): the three grids
    // are read, the regime presentation and the domicile columns applied, the
    // totals recomputed.
    void setContext(const OperationContext& context);
    // No declaration on show (search mode): empty grids, totals "0,00".
    void clear();
    // The screen's bulk-update flag: checks and totals are skipped while set.
    void setBulkUpdate(bool on);

    OperationsModel* model(OperationKind kind) const;
    QTableView* grid(OperationKind kind) const;
    // The grid the user last entered (the sheet's active table); domestic at first.
    OperationKind activeKind() const { return activeKind_; }
    OperationsModel* activeModel() const { return model(activeKind_); }

    // A row of one of the grids is new or in edit.
    bool isEditing() const;
    // Save: posts the pending row of the active grid (then of any other).
    // True when nothing is pending afterwards.
    bool post();
    // Cancel: drops every pending row.
    void cancel();
    // New: appends a row to the active grid with the new-row flag set and puts
    // the focus on its CFOP. False when refused.
    bool appendRow();
    // Delete (the caller has asked "Confirma Exclusão?"): the current stored row
    // of the active grid, with its twin. False with *error when the engine refuses;
    // true (nothing done) when the grid has no stored row there.
    bool deleteCurrentRow(QString* error);

    // The half-second refresh: description box and totals.
    void refresh();
    void refreshTotals();
    void refreshDescription();
    QString descriptionText() const;
    const OperationTotals& totals() const { return totals_; }
    // The totals panel as shown: row 0 "A", 1 "B", 2 "Total (A+B)"; columns in Amount order.
    QString totalText(int row, Amount amount) const;

    // Focus on the first grid (entering the sheet).
    void focusFirstGrid();

signals:
    // A grid went into or out of edit/insert: the toolbar follows.
    void editStateChanged();
    void activeGridChanged(vexa::decl::OperationKind kind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int indexOfGrid(const QObject* object) const;
    void onCurrentChanged(int grid, const QModelIndex& current, const QModelIndex& previous);
    void onGridEntered(int grid);
    void onGridLeft(int grid);
    bool postGrid(int grid);
    void applyPresentation();
    void buildTotalsPanel();
    void showTotals();

    Direction direction_;
    Prompter& prompter_;
    OperationContext context_;
    bool hasContext_ = false;
    std::array<OperationsModel*, 3> models_{};
    std::array<QTableView*, 3> grids_{};
    QLineEdit* description_ = nullptr;
    QTableWidget* totalsPanel_ = nullptr;
    OperationKind activeKind_ = OperationKind::Domestic;
    OperationTotals totals_;
    bool restoring_ = false;   // moving the cursor back to a row that failed its post
};

} // namespace vexa::decl::ui
