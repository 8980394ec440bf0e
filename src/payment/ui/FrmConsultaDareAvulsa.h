#pragma once
// "Consulta DARE Avulso": the stored standalone slips by taxpayer name and by
// period (each a value or "<TODOS>"). "&Localizar" lists them; double-clicking
// a row or "&Retornar" closes the screen, and the row under the cursor is the
// one chosen.

#include "payment/ConsultaDareAvulsa.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QPushButton;
class QTableView;

namespace vexa::payment::ui {

class AvulsaConsultModel;

class FrmConsultaDareAvulsa : public QDialog {
    Q_OBJECT
public:
    explicit FrmConsultaDareAvulsa(QWidget* parent = nullptr);

    // The row under the cursor; none when the grid is empty.
    std::optional<AvulsaConsultRow> current() const;

    // "&Localizar": lists the slips of the choices (an empty choice counts as "<TODOS>").
    void localizar();

    QComboBox* taxpayerBox() const { return cbContribuinte_; }
    QComboBox* periodBox() const { return cbPeriodo_; }
    QPushButton* locateButton() const { return btnLocalizar_; }
    QPushButton* returnButton() const { return btnRetornar_; }
    QTableView* grid() const { return grid_; }
    AvulsaConsultModel* model() const { return model_; }

    // Opens the screen modally and answers the row under the cursor.
    static std::optional<AvulsaConsultRow> pick(QWidget* parent);

private:
    QComboBox* cbContribuinte_;
    QComboBox* cbPeriodo_;
    QPushButton* btnLocalizar_;
    QPushButton* btnRetornar_;
    QTableView* grid_;
    AvulsaConsultModel* model_;
};

} // namespace vexa::payment::ui
