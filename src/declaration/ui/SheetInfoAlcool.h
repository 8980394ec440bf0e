#pragma once
// Sheet "Item 14": for a fuel retailer, the invoices of alcohol bought and
// the "TOTAL" of their quantities; for any other taxpayer, a notice.

#include "common/Prompter.h"
#include "declaration/ui/VexaSheet.h"

class QLineEdit;
class QStackedWidget;

namespace vexa::decl::ui {

class InfoAlcoolModel;
class SheetGrid;

class SheetInfoAlcool : public VexaSheet {
    Q_OBJECT
public:
    explicit SheetInfoAlcool(Prompter& prompter, QWidget* parent = nullptr);

    SheetGrid* grid() const { return grid_; }
    InfoAlcoolModel* model() const;
    bool showsGrid() const;
    QString totalText() const;
    void refreshTotal();

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

    Prompter& prompter_;
    QStackedWidget* pages_ = nullptr;
    SheetGrid* grid_ = nullptr;
    QLineEdit* total_ = nullptr;
};

} // namespace vexa::decl::ui
