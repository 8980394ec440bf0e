#pragma once
// Sheet "Item 13": for a fuel retailer, the kind of pump meter kept in the
// fuel movement book (TIPO DO ENCERRANTE), the nozzles with their readings
// and volumes, the tanks with their stock at the close of the month and the
// remarks; for any other taxpayer, a notice. The meter kind and remarks
// belong to the declaration row: Save stores them with the pending grid row,
// Cancel drops them.

#include "common/Prompter.h"
#include "declaration/Encerrantes.h"
#include "declaration/ui/VexaSheet.h"

class QPlainTextEdit;
class QRadioButton;
class QStackedWidget;

namespace vexa::decl::ui {

class EncerrantesModel;
class EstTanqueModel;
class SheetGrid;

class SheetEncerrantes : public VexaSheet {
    Q_OBJECT
public:
    explicit SheetEncerrantes(Prompter& prompter, QWidget* parent = nullptr);

    SheetGrid* nozzles() const { return nozzles_; }
    SheetGrid* tanks() const { return tanks_; }
    EncerrantesModel* nozzleModel() const;
    EstTanqueModel* tankModel() const;
    QRadioButton* eletronico() const { return eletronico_; }
    QRadioButton* mecanico() const { return mecanico_; }
    QPlainTextEdit* observacoes() const { return obs_; }
    // Whether the grids (not the notice) are on show.
    bool showsGrids() const;
    // The grid the user last entered.
    SheetGrid* activeGrid() const { return active_; }
    // The meter kind and remarks as typed.
    MeterFields typedMeterFields() const;
    void setPreviousProductDialog(PreviousProductDialog dialog);

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
    void showMeterFields(const MeterFields& fields);
    void meterFieldsEdited();
    void enterGrid(SheetGrid* grid);

    Prompter& prompter_;
    QStackedWidget* pages_ = nullptr;
    SheetGrid* nozzles_ = nullptr;
    SheetGrid* tanks_ = nullptr;
    SheetGrid* active_ = nullptr;
    QRadioButton* eletronico_ = nullptr;
    QRadioButton* mecanico_ = nullptr;
    QPlainTextEdit* obs_ = nullptr;
    MeterFields stored_;
    bool fieldsEdited_ = false;
    bool showing_ = false;   // the fields are being filled, not typed
};

} // namespace vexa::decl::ui
