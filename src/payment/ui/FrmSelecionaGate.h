#pragma once
// "Selecione uma Gate": leaving the year field on a period that holds several
// standalone slips of the taxpayer lists them ("Código Tributo", "Valor da
// Receita"); "&Selecionar DARE" answers the slip under the cursor, "&Cancelar"
// (or closing the window) nothing.

#include "payment/DareAvulsas.h"

#include <QDialog>
#include <optional>

class QLabel;
class QPushButton;
class QTableView;

namespace vexa::payment::ui {

class PeriodSlipModel;

class FrmSelecionaGate : public QDialog {
    Q_OBJECT
public:
    // `periodo` MMYYYY, shown "mm/yyyy".
    FrmSelecionaGate(const QList<PeriodSlip>& slips, const QString& razaoSocial, const QString& periodo,
                     QWidget* parent = nullptr);

    // The slip chosen with "&Selecionar DARE"; none otherwise.
    std::optional<PeriodSlip> chosen() const { return chosen_; }

    QTableView* grid() const { return grid_; }
    QPushButton* selectButton() const { return btnSelecionar_; }
    QPushButton* cancelButton() const { return btnCancelar_; }

    static std::optional<PeriodSlip> pick(QWidget* parent, const QList<PeriodSlip>& slips, const QString& razaoSocial,
                                          const QString& periodo);

private:
    void selecionar();

    PeriodSlipModel* model_;
    QTableView* grid_;
    QPushButton* btnSelecionar_;
    QPushButton* btnCancelar_;
    std::optional<PeriodSlip> chosen_;
};

} // namespace vexa::payment::ui
