#pragma once
// Sheets "Item 4.1" and "Item 4.2": the entries or outputs by operation,
// i.e. the OperationsSheet widget with its three grids, description box and
// totals, placed on the declaration screen and driven by its commands.

#include "common/Prompter.h"
#include "declaration/ui/OperationsSheet.h"
#include "declaration/ui/VexaSheet.h"

namespace vexa::decl::ui {

class SheetOperacoes : public VexaSheet {
    Q_OBJECT
public:
    SheetOperacoes(Direction direction, Prompter& prompter, QWidget* parent = nullptr);

    OperationsSheet* operations() const { return operations_; }

    void setContext(const SheetContext& context) override;
    void clear() override;
    TableState tableState() const override;
    bool appendRow() override;
    bool post() override;
    void cancel() override;
    bool deleteCurrentRow(QString* error) override;
    void sheetShown() override;
    void refresh() override;

private:
    OperationsSheet* operations_;
};

} // namespace vexa::decl::ui
