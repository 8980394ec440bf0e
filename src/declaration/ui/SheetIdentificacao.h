#pragma once
// Sheet "Itens 2 - 3.9": the taxpayer and the period (the key fields IE,
// month and year), what the registry says of the taxpayer, the cash balances
// 3.6 and 3.7, the item 3.9 text, and item 3.10 with the municipality picker
// and group 3.10.1. The key fields and the buttons are driven by the screen;
// the change-of-domicile controls are the sheet's own.

#include "common/Prompter.h"
#include "declaration/ui/VexaSheet.h"

class QButtonGroup;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace vexa {
class DigitsLineEdit;
class MaskedLineEdit;
class MoneyLineEdit;
}

namespace vexa::decl::ui {

class SheetIdentificacao : public VexaSheet {
    Q_OBJECT
public:
    SheetIdentificacao(Prompter& prompter, QWidget* parent = nullptr);

    // The key fields and the buttons the screen drives.
    MaskedLineEdit* ieEdit() const { return edtIE_; }
    QLineEdit* mesEdit() const;
    QLineEdit* anoEdit() const;
    MoneyLineEdit* saldoInicialEdit() const { return edtSaldoInicial_; }
    MoneyLineEdit* saldoFinalEdit() const { return edtSaldoFinal_; }
    QPushButton* searchButton() const { return btnProcurar_; }
    QPushButton* tareButton() const { return btnTare_; }
    QPushButton* ecfButton() const { return btnEcf_; }
    QPushButton* rectifyButton() const { return btnRetificar_; }
    QPushButton* printButton() const { return btnImprimir_; }
    QPushButton* validateButton() const { return btnValidar_; }
    QPushButton* previousButton() const { return btnAnterior_; }
    QPushButton* nextButton() const { return btnProxima_; }
    bool isKeyField(const QWidget* w) const;

    // The key as typed: IE digits, month and year texts.
    QString typedIE() const;
    QString typedMes() const;
    QString typedAno() const;
    void setKeyTexts(const QString& ie, const QString& mes, const QString& ano);

    // Item 3.10: the picker of the previous municipality.
    bool pickerShown() const;
    void openPicker();
    void hidePicker();
    // "&OK" of the picker (or the drop-down closed on a choice).
    void acceptPicker();
    QComboBox* pickerBox() const { return cbCidadeAnterior_; }
    QGroupBox* domicileGroup() const { return gbDomicilio_; }

    bool editsDeclarationRow() const override { return true; }
    bool activeTableIsDeclaration() const override { return true; }
    void setContext(const SheetContext& context) override;
    void clear() override;
    void showRow(const VexaRow& row) override;
    void showComputed(const Apuracao& computed, bool inEdit) override;
    void takeEdits(VexaRow& row) const override;
    void setRowEditable(bool editable) override;
    bool focusField(const QString& field) override;

signals:
    // Leaving item 3.7 for a field other than the key fields and item 3.6.
    void leftSaldoFinal();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QWidget* buildTaxpayer();
    QWidget* buildDomicile();
    QWidget* buildButtons();
    void answerDomicile(bool sim);
    void showDomicileB(qint64 cidadeB);
    void fillPicker();

    Prompter& prompter_;
    bool loading_ = false;
    qint64 cidadeB_ = 0;

    MaskedLineEdit* edtIE_ = nullptr;
    DigitsLineEdit* edtMes_ = nullptr;
    DigitsLineEdit* edtAno_ = nullptr;
    QPushButton* btnProcurar_ = nullptr;
    QLineEdit* edtRazaoSocial_ = nullptr;
    QLineEdit* edtAtividade_ = nullptr;
    QLineEdit* edtMunicipioIBGE_ = nullptr;
    QLineEdit* edtEstabelecimento_ = nullptr;
    QLineEdit* edtTare_ = nullptr;
    QLineEdit* edtEscrituracao_ = nullptr;
    QLineEdit* edtEcf_ = nullptr;
    QPushButton* btnTare_ = nullptr;
    QPushButton* btnEcf_ = nullptr;
    MoneyLineEdit* edtSaldoInicial_ = nullptr;
    MoneyLineEdit* edtSaldoFinal_ = nullptr;
    QLabel* lblRetificadora_ = nullptr;

    QButtonGroup* grpMudanca_ = nullptr;
    QRadioButton* rbSim_ = nullptr;
    QRadioButton* rbNao_ = nullptr;
    QFrame* pnlPicker_ = nullptr;
    QComboBox* cbCidadeAnterior_ = nullptr;
    QPushButton* btnPickerOk_ = nullptr;
    QGroupBox* gbDomicilio_ = nullptr;
    QLineEdit* edtMunicipioA_ = nullptr;
    QLineEdit* edtCidadeA_ = nullptr;
    MaskedLineEdit* edtDtIniA_ = nullptr;
    MaskedLineEdit* edtDtFimA_ = nullptr;
    QLineEdit* edtCidadeB_ = nullptr;
    QLineEdit* edtMunAntDesc_ = nullptr;
    MaskedLineEdit* edtDtIniB_ = nullptr;
    MaskedLineEdit* edtDtFimB_ = nullptr;

    QPushButton* btnRetificar_ = nullptr;
    QPushButton* btnImprimir_ = nullptr;
    QPushButton* btnValidar_ = nullptr;
    QPushButton* btnAnterior_ = nullptr;
    QPushButton* btnProxima_ = nullptr;
};

} // namespace vexa::decl::ui
