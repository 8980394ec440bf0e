#pragma once
// "Cadastrar DARE Avulso": the keyed form over `DareAvulsas`. The user types
// the taxpayer's IE and the reference period; leaving the year shows the
// period's slip, offers its slips to choose from, or starts a new one. The
// amounts, the revenue of kind 1 and the originating document are typed, then
// "&Gravar" stores and "&Imprimir DARE" previews the slip. Every rule lives in
// payment/DareAvulsas.h; this screen shows, moves the focus and enables.
//
// States: key entry (the key fields are typed), browsing a stored slip, and
// editing or inserting. "&Novo" sets the new-slip flag, which "&Gravar" and
// "&Cancelar" clear: a period that already holds slips then gets a new one.

#include "common/Prompter.h"
#include "payment/ConsultaDareAvulsa.h"
#include "payment/DareAvulsas.h"
#include "payment/SlipPage.h"
#include "payment/ui/SlipScreen.h"

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;

namespace vexa {
class MaskedLineEdit;
class MoneyLineEdit;
class TextLineEdit;
} // namespace vexa

namespace vexa::payment::ui {

class FrmDareAvulsas : public SlipScreen {
    Q_OBJECT
public:
    enum class State { KeyEntry, Browse, Edit, Insert };

    // The companion screens, replaceable by tests: the taxpayer search (an
    // IE), "Consulta DARE Avulso", "Selecione uma Gate" and the print preview.
    using Searcher = std::function<std::optional<QString>(QWidget* parent)>;
    using Consulter = std::function<std::optional<AvulsaConsultRow>(QWidget* parent)>;
    using Chooser = std::function<std::optional<PeriodSlip>(QWidget* parent, const QList<PeriodSlip>& slips,
                                                            const QString& razaoSocial, const QString& periodo)>;
    using Previewer = std::function<void(QWidget* parent, const QList<SlipPage>& pages)>;

    explicit FrmDareAvulsas(Prompter& prompter, QWidget* parent = nullptr);

    // Opens the screen modally over parent, messages in message boxes.
    static void open(QWidget* parent);

    void setSearcher(Searcher f) { searcher_ = std::move(f); }
    void setConsulter(Consulter f) { consulter_ = std::move(f); }
    void setChooser(Chooser f) { chooser_ = std::move(f); }
    void setPreviewer(Previewer f) { previewer_ = std::move(f); }

    State state() const { return state_; }
    bool newSlipFlag() const { return novo_; }
    // The key of the slip on show (stored or being inserted); none in key entry.
    std::optional<AvulsaKey> currentKey() const;

    // The commands, as their buttons run them.
    void novo() override;
    void gravar() override;
    void cancelar() override;
    void excluir() override;
    void localizar() override;
    void imprimir() override;
    void procurar();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool canClose() const override;
    void showEvent(QShowEvent* event) override;

private:
    void buildScreen();
    QWidget* fieldOf(const QString& field) const;
    void focusField(const QString& field);

    void enterKeyField(QLineEdit* edit);
    void startKeyEntry();
    void leaveYear();
    void leaveDocumentName();
    void leaveDocumentNumber();
    void onUserEdit();
    void onRevenueCodeEdited();
    void syncRevenueChoice();
    void onRevenueChosen(int index);
    void onDocumentChosen(int index);

    void setState(State state);
    void applyState();
    void showSlip(const DareAvulsa& slip, State state);
    void showStoredOrNothing(const std::optional<DareAvulsa>& slip);
    void clearKey();    // the IE, month and year emptied
    void clearData();
    void showTaxpayer(const QString& ie);
    void showTotal();
    void setDocumentName(const QString& tipoDoc);
    DareAvulsa formSlip() const;

    Prompter& prompter_;
    Searcher searcher_;
    Consulter consulter_;
    Chooser chooser_;
    Previewer previewer_;

    State state_ = State::KeyEntry;
    bool novo_ = false;              // the new-slip flag
    bool loading_ = false;           // the screen, not the user, is filling the fields
    bool printing_ = false;          // the preview is open
    bool opened_ = false;
    bool yearPending_ = false;
    DareAvulsa loaded_;              // the slip as read (or as started), under the edits
    std::optional<AvulsaKey> storedKey_;   // the key it was read with; none for a new slip
    QList<Tributo> tributos_;        // the revenues of kind 1, as the drop-down lists them

    QLineEdit* edtRazaoSocial_ = nullptr;
    QLineEdit* edtCNPJ_ = nullptr;
    QLineEdit* edtMunicipio_ = nullptr;
    TextLineEdit* edtCodigoTributo_ = nullptr;
    QComboBox* cbTributo_ = nullptr;
    MaskedLineEdit* edtDataVencimento_ = nullptr;
    MoneyLineEdit* edtValorReceita_ = nullptr;
    MoneyLineEdit* edtMulta_ = nullptr;
    MoneyLineEdit* edtJuros_ = nullptr;
    MoneyLineEdit* edtAtualizacao_ = nullptr;
    QLineEdit* edtVlTotal_ = nullptr;
    TextLineEdit* edtObs1_ = nullptr;
    TextLineEdit* edtObs2_ = nullptr;
    TextLineEdit* edtObs3_ = nullptr;
    QComboBox* cbTipoDoc_ = nullptr;
    TextLineEdit* edtDocOrigem_ = nullptr;
    TextLineEdit* edtNumeroDoc_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    QList<QWidget*> dataFields_;
};

} // namespace vexa::payment::ui
