#pragma once
// "Estoque Produto Anterior": asked when an edited nozzle of item 13 changes
// product. Shows the stored product ("Código do Produto Anterior") and asks
// the first and last readings of that product and the date of the change.

#include "declaration/Encerrantes.h"

#include <QDialog>
#include <optional>

class QLineEdit;

namespace vexa {
class MaskedLineEdit;
}

namespace vexa::decl::ui {

class FrmProdutoAnterior : public QDialog {
    Q_OBJECT
public:
    explicit FrmProdutoAnterior(int storedProduct, QWidget* parent = nullptr);

    QLineEdit* produtoField() const { return produto_; }
    QLineEdit* leituraInicialField() const { return inicial_; }
    QLineEdit* leituraFinalField() const { return final_; }
    MaskedLineEdit* dataField() const { return data_; }
    // What was typed.
    PreviousProduct typed() const;

    // Runs the dialog; none when the user cancels it.
    static std::optional<PreviousProduct> ask(int storedProduct, QWidget* parent);

private:
    QLineEdit* produto_ = nullptr;
    QLineEdit* inicial_ = nullptr;
    QLineEdit* final_ = nullptr;
    MaskedLineEdit* data_ = nullptr;
};

} // namespace vexa::decl::ui
