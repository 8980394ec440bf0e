#pragma once
// Sheet "Item 16": goods of other municipalities of the home state received
// with deferred ICMS, per supplier, with the totals of 16.5 (by domicile
// when the domicile changed in the month). The "Incluir" button of a row
// saves the screen's pending edit, finds the row again by its IE and opens
// the supplier's invoices ("Notas Fiscais"); their total becomes the row's
// value as the editor closes.

#include "common/Prompter.h"
#include "declaration/MercadMuni.h"
#include "declaration/ui/FrmNotasFiscais.h"
#include "declaration/ui/VexaSheet.h"

#include <functional>

class QLineEdit;
class QLabel;
class QPushButton;

namespace vexa::decl::ui {

class MercadMuniModel;
class SheetGrid;

class SheetMercadMuni : public VexaSheet {
    Q_OBJECT
public:
    // save runs the screen's Save command (the invoices button saves first).
    SheetMercadMuni(Prompter& prompter, std::function<void()> save, QWidget* parent = nullptr);

    SheetGrid* grid() const { return grid_; }
    MercadMuniModel* model() const;
    const Item16Totals& totals() const { return totals_; }
    // line 0 "A" (or all rows), 1 "B".
    QString totalText(int line) const;
    QPushButton* totalCaption() const { return totalCaption_; }
    void refreshTotals();
    // The invoices button of a row.
    void openInvoices(int row);
    void setInvoicesOpener(NotasFiscaisOpener opener) { openInvoices_ = std::move(opener); }

    void setContext(const SheetContext& context) override;
    void clear() override;
    TableState tableState() const override;
    bool appendRow() override;
    bool post() override;
    void cancel() override;
    bool deleteCurrentRow(QString* error) override;
    void sheetShown() override;

private:
    bool hasTable() const;
    void showTotals();

    Prompter& prompter_;
    std::function<void()> save_;
    NotasFiscaisOpener openInvoices_;
    SheetGrid* grid_ = nullptr;
    QPushButton* totalCaption_ = nullptr;
    QLineEdit* fields_[2] = {};
    QLabel* lineLabels_[2] = {};
    Item16Totals totals_;
};

} // namespace vexa::decl::ui
