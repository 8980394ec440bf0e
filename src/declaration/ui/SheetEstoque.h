#pragma once
// Sheet "Itens 10 - 10.3" of the declaration screen, "10 - Demonstrativo de
// Estoque": the ten fields of the declaration's `DemostrativoEstoque` row,
// the initial (10.2) and final (10.3) stock split into taxed, exempt or not
// taxed, other and tax substitution, with their typed totals. The first
// typing on an empty sheet starts the row; Save posts it after the total
// questions; leaving a total field asks them too, and No returns to it. For
// Simples Nacional the two exempt fields are disabled, their caption greyed.

#include "common/Prompter.h"
#include "declaration/StockDemonstration.h"
#include "declaration/ui/VexaSheet.h"

#include <array>
#include <optional>

class QLabel;

namespace vexa {
class MoneyLineEdit;
}

namespace vexa::decl::ui {

class SheetEstoque : public VexaSheet {
    Q_OBJECT
public:
    explicit SheetEstoque(Prompter& prompter, QWidget* parent = nullptr);

    MoneyLineEdit* field(Stock stock, StockPart part) const { return fields_[size_t(stock)][size_t(part)]; }
    QLabel* partCaption(StockPart part) const { return captions_[size_t(part)]; }
    // The values on show, what is being typed included.
    StockRow typedRow() const;
    const std::optional<StockRow>& stored() const { return stored_; }

    void setContext(const SheetContext& context) override;
    void clear() override;
    TableState tableState() const override { return state_; }
    bool post() override;
    void cancel() override;
    bool deleteCurrentRow(QString* error) override;
    void sheetShown() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void show(const std::optional<StockRow>& row);
    void setState(TableState state);
    void applyPresentation();
    void leaveTotal(MoneyLineEdit* total);

    Prompter& prompter_;
    std::array<std::array<MoneyLineEdit*, kStockPartCount>, 2> fields_{};
    std::array<QLabel*, kStockPartCount> captions_{};
    std::optional<StockRow> stored_;
    TableState state_ = TableState::Browse;
    bool showing_ = false;     // values are being put on show, not typed
    bool asking_ = false;      // a total question is on show
};

} // namespace vexa::decl::ui
