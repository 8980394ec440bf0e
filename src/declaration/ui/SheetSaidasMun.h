#pragma once
// Sheet "Itens 15": outputs and entries by municipality of origin. For a
// taxpayer whose main activity is in the list `CNAE15` it shows the grid of
// item 15 with its totals (lines A and B when the domicile changed in the
// month); for any other taxpayer, the guidance page "CNAE15.htm" of the
// program folder. Leaving the sheet recomputes the totals and warns when
// 15.3 or 15.4 differ from the book value of the listed CFOPs.

#include "common/Prompter.h"
#include "declaration/Item15Totals.h"
#include "declaration/ui/VexaSheet.h"

class QLineEdit;
class QStackedWidget;
class QTextBrowser;
class QLabel;

namespace vexa::decl::ui {

class SaidasMunModel;
class SheetGrid;

class SheetSaidasMun : public VexaSheet {
    Q_OBJECT
public:
    explicit SheetSaidasMun(Prompter& prompter, QWidget* parent = nullptr);

    SheetGrid* grid() const { return grid_; }
    SaidasMunModel* model() const;
    QTextBrowser* guidance() const { return guidance_; }
    // Whether the grid (not the guidance page) is on show.
    bool showsGrid() const;
    const Item15Totals& totals() const { return totals_; }
    // The totals as shown: line 0 "A" (or all rows), line 1 "B"; column 0 15.3, 1 15.4, 2 15.5.
    QString totalText(int line, int column) const;
    void refreshTotals();

    void setContext(const SheetContext& context) override;
    void clear() override;
    TableState tableState() const override;
    bool appendRow() override;
    bool post() override;
    void cancel() override;
    bool deleteCurrentRow(QString* error) override;
    void sheetShown() override;
    bool canLeave() override;

private:
    bool item15Declaration() const;
    void showTotals();
    void showGuidance();

    Prompter& prompter_;
    QStackedWidget* pages_ = nullptr;
    SheetGrid* grid_ = nullptr;
    QTextBrowser* guidance_ = nullptr;
    QLineEdit* fields_[2][3] = {};
    QLabel* lineLabels_[2] = {};
    Item15Totals totals_;
    bool item15_ = false;
    bool guidanceLoaded_ = false;
};

} // namespace vexa::decl::ui
