#pragma once
// The shared search screen: taxpayers by name ("Procura Contribuinte pela
// Razão Social.") or accountants by name ("Procura Contabilistas pelo
// Nome."). Typing a name moves the grid to the nearest row at or after it;
// OK or closing the window confirms the row under the cursor, only
// "Cancelar" withdraws. The taxpayer, accountant, declaration and slip
// screens open it and position on the confirmed row's key.

#include "registry/RegistrySearch.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;
class QTableView;

namespace vexa::registry::ui {

class NameListModel;

class FrmProcura : public QDialog {
    Q_OBJECT
public:
    explicit FrmProcura(Registry registry, QWidget* parent = nullptr);

    // The confirmed row; none when withdrawn with "Cancelar" or when the
    // registry is empty.
    std::optional<NameRow> chosen() const;
    // The row under the cursor; -1 when the grid is empty.
    int currentRow() const;

    QLineEdit* nameEdit() const { return edtNome_; }
    QPushButton* okButton() const { return btnOk_; }
    QPushButton* cancelButton() const { return btnCancelar_; }
    QTableView* grid() const { return grid_; }
    NameListModel* model() const { return model_; }

    // Opens the screen modally and answers the confirmed row, if any.
    static std::optional<NameRow> pick(Registry registry, QWidget* parent);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void moveToNearest(const QString& typed);
    void setCurrentRow(int row);

    Registry registry_;
    QLineEdit* edtNome_;
    QPushButton* btnOk_;
    QPushButton* btnCancelar_;
    QTableView* grid_;
    NameListModel* model_;
};

// The taxpayer chosen by name (its IE), for the screens that only need the key.
std::optional<QString> searchTaxpayer(QWidget* parent);

} // namespace vexa::registry::ui
