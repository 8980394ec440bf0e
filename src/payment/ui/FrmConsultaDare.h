#pragma once
// "Consulta DARE": the stored slips of the declarations. The user picks a
// taxpayer name and a period (or "<TODOS>"), presses "&Localizar" and returns
// with "&Retornar" (or a double click); the row under the cursor is the slip
// chosen, which "Cadastrar DARE" then shows.

#include "payment/ConsultaDare.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QPushButton;
class QTableView;

namespace vexa::payment::ui {

class ConsultaDareModel;

class FrmConsultaDare : public QDialog {
    Q_OBJECT
public:
    explicit FrmConsultaDare(QWidget* parent = nullptr);

    // The row under the cursor; none when the grid is empty.
    std::optional<ConsultRow> current() const;

    // "&Localizar": lists the slips of the two choices.
    void localizar();

    QComboBox* taxpayerBox() const { return cbContribuinte_; }
    QComboBox* periodBox() const { return cbPeriodo_; }
    QTableView* grid() const { return grid_; }
    ConsultaDareModel* model() const { return model_; }

    // Opens the screen modally and answers the row under the cursor when it closed.
    static std::optional<ConsultRow> pick(QWidget* parent);

private:
    QComboBox* cbContribuinte_;
    QComboBox* cbPeriodo_;
    QPushButton* btnLocalizar_;
    QPushButton* btnRetornar_;
    QTableView* grid_;
    ConsultaDareModel* model_;
};

} // namespace vexa::payment::ui
