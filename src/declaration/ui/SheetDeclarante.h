#pragma once
// Sheet "Itens 17 - 18.4": who declares (CPF and name, typed) and the
// accountant who signs (CRC and state picked from the accountant registry,
// whose name, telephone and CPF are shown read-only). "&Contabilistas"
// opens the accountant registry and reloads the pickers afterwards.

#include "declaration/ui/VexaSheet.h"

#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace vexa {
class MaskedLineEdit;
}

namespace vexa::decl::ui {

class SheetDeclarante : public VexaSheet {
    Q_OBJECT
public:
    explicit SheetDeclarante(QWidget* parent = nullptr);

    // Opens the accountant registry modally (tests replace it).
    void setAccountantScreen(std::function<void(QWidget*)> open) { openAccountants_ = std::move(open); }
    // "&Contabilistas": the registry, then the pickers filled again.
    void openAccountants();
    // The pickers filled from the registry.
    void reloadPickers();

    QComboBox* crcBox() const { return cbCRC_; }
    QComboBox* ufBox() const { return cbUF_; }

    bool editsDeclarationRow() const override { return true; }
    bool activeTableIsDeclaration() const override { return true; }
    void clear() override;
    void showRow(const VexaRow& row) override;
    void takeEdits(VexaRow& row) const override;
    void setRowEditable(bool editable) override;
    bool focusField(const QString& field) override;

private:
    void showAccountant();

    std::function<void(QWidget*)> openAccountants_;
    bool loading_ = false;

    MaskedLineEdit* edtCPF_ = nullptr;
    QLineEdit* edtNome_ = nullptr;
    QComboBox* cbCRC_ = nullptr;
    QComboBox* cbUF_ = nullptr;
    QLineEdit* edtContadorNome_ = nullptr;
    QLineEdit* edtContadorFone_ = nullptr;
    QLineEdit* edtContadorCPF_ = nullptr;
    QPushButton* btnContabilistas_ = nullptr;
};

} // namespace vexa::decl::ui
