#pragma once
// "Localizar VEXA": the declaration search screen that the declaration screen
// opens. The user picks a taxpayer name and a period (or "<TODOS>"), presses
// "&Localizar" and double-clicks a row, or returns; the caller then reads the
// row under the cursor.

#include "declaration/ui/FrmLocalizarVexaQuery.h"

#include <QDialog>
#include <optional>

class QComboBox;
class QPushButton;
class QTableView;

namespace vexa::decl::ui {

class FrmLocalizarVexaModel;

class FrmLocalizarVexa : public QDialog {
    Q_OBJECT
public:
    explicit FrmLocalizarVexa(QWidget* parent = nullptr);

    // The row under the cursor when the screen closed; none when the grid is empty.
    std::optional<FoundDeclaration> current() const;

    // "&Localizar": lists the declarations of the choices.
    void localizar();

    QComboBox* taxpayerBox() const { return cbContribuinte_; }
    QComboBox* periodBox() const { return cbPeriodo_; }
    QPushButton* locateButton() const { return btnLocalizar_; }
    QPushButton* returnButton() const { return btnRetornar_; }
    QTableView* grid() const { return grid_; }
    FrmLocalizarVexaModel* model() const { return model_; }

    // Opens the screen modally and answers the row under the cursor.
    static std::optional<FoundDeclaration> pick(QWidget* parent);

private:
    QComboBox* cbContribuinte_;
    QComboBox* cbPeriodo_;
    QPushButton* btnLocalizar_;
    QPushButton* btnRetornar_;
    QTableView* grid_;
    FrmLocalizarVexaModel* model_;
};

} // namespace vexa::decl::ui
