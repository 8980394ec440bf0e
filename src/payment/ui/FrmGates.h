#pragma once
// "Cadastrar DARE": the DARE of a monthly declaration. The user types the
// taxpayer's IE and the reference period; leaving the year (or the IE, when a
// year is typed) attaches the slip to the latest rectification of that
// declaration, shows the stored DARE or starts a new one; the user chooses the
// revenue and the payment date, sees the amounts, saves and prints.
//
// Three states, those of the `dare` row: key entry (the key fields are typed),
// browsing a stored DARE, and editing (a change to a stored DARE, or a new
// one). The commands and fields follow them. Every rule, message and amount
// comes from payment/Gates.h; this screen shows, moves the focus and enables.

#include "common/Prompter.h"
#include "payment/ConsultaDare.h"
#include "payment/Gates.h"
#include "payment/SlipPage.h"
#include "payment/ui/SlipScreen.h"

#include <functional>
#include <optional>

class QComboBox;
class QLineEdit;
class QStatusBar;
class QTimer;

namespace vexa {
class MaskedLineEdit;
}

namespace vexa::payment::ui {

class FrmGates : public SlipScreen {
    Q_OBJECT
public:
    enum class State { KeyEntry, Browse, Edit };

    // The taxpayer chosen by name behind "..." (its IE); none when cancelled.
    using TaxpayerSearcher = std::function<std::optional<QString>(QWidget* parent)>;
    // "Consulta DARE": the slip chosen there; none when nothing was listed.
    using ConsultPicker = std::function<std::optional<ConsultRow>(QWidget* parent)>;
    // The print preview of the pages; false when nothing could be shown.
    using Previewer = std::function<bool(QWidget* parent, const QList<SlipPage>& pages)>;

    explicit FrmGates(Prompter& prompter, QWidget* parent = nullptr);

    // From the main window: the key fields start empty.
    static void open(QWidget* parent);
    // From the declaration screen: the key fields hold the declaration's key.
    static void openForDeclaration(QWidget* parent, Prompter& prompter, const DareKey& key);

    // Marks the screen as opened from a declaration and fills its key fields;
    // call before the screen is shown. Showing it then finds the DARE of that
    // declaration (or starts one) instead of clearing the key.
    void setDeclarationKey(const DareKey& key);

    void setTaxpayerSearcher(TaxpayerSearcher searcher) { taxpayerSearcher_ = std::move(searcher); }
    void setConsultPicker(ConsultPicker picker) { consultPicker_ = std::move(picker); }
    void setPreviewer(Previewer previewer) { previewer_ = std::move(previewer); }

    State state() const { return state_; }
    bool isNewRow() const { return newRow_; }
    // The DARE on show with the edits typed so far.
    Dare formDare() const;
    // What is on show with it: taxpayer, revenue, due date, amounts.
    const DareView& view() const { return view_; }

    // The commands, as their buttons run them.
    void novo() override;
    void gravar() override;
    void cancelar() override;
    void excluir() override;
    void localizar() override;
    void imprimir() override;
    void procurarContribuinte();
    // The 300 ms refresh of the due-date box.
    void refreshDueDate();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildScreen();
    QLineEdit* readOnlyBox(const char* name, bool amount);
    void connectEdits();

    void enterKeyField(QWidget* field);
    void leaveKeyField(QWidget* field);
    void scheduleReferenceCheck(bool fromYearField);
    void runReferenceCheck(bool fromYearField);
    void showDeclarationKey();

    void setState(State state);
    void applyState();
    void showDare(const Dare& dare, State state);
    void showNothing();
    void showView();
    void fillRevenues(const QList<Tributo>& revenues);
    void selectRevenue(const QString& code);
    void onUserEdit();
    void clearKeyFields();
    // Nothing on show, the key fields empty and the focus in the IE.
    void restartKeyEntry();
    void focusField(const QString& field);
    void fail(const CheckResult& check);

    Prompter& prompter_;
    TaxpayerSearcher taxpayerSearcher_;
    ConsultPicker consultPicker_;
    Previewer previewer_;

    State state_ = State::KeyEntry;
    bool newRow_ = false;          // the row in edit is not stored yet
    bool fromDeclaration_ = false;
    bool opened_ = false;
    bool loading_ = false;         // fields being filled by the screen, not typed
    bool checkPending_ = false;
    bool printing_ = false;
    Dare dare_;                    // the row as read or as started, under the edits
    DareView view_;

    QLineEdit* edtRazaoSocial_ = nullptr;
    QLineEdit* edtCnpj_ = nullptr;
    QLineEdit* edtCodIBGE_ = nullptr;
    QLineEdit* edtCodigoTributo_ = nullptr;
    QComboBox* cbTributo_ = nullptr;
    QLineEdit* edtVencimento_ = nullptr;
    QLineEdit* edtVlReceita_ = nullptr;
    QLineEdit* edtAtualizacao_ = nullptr;
    QLineEdit* edtMulta_ = nullptr;
    QLineEdit* edtJuros_ = nullptr;
    QLineEdit* edtVlTotal_ = nullptr;
    QLineEdit* edtTSE_ = nullptr;
    QLineEdit* edtObs1_ = nullptr;
    QLineEdit* edtObs2_ = nullptr;
    QLineEdit* edtObs3_ = nullptr;
    QLineEdit* edtDocOrigem_ = nullptr;
    MaskedLineEdit* edtDataPgto_ = nullptr;
    QWidget* dataArea_ = nullptr;
    QStatusBar* status_ = nullptr;
    QTimer* dueDateTimer_ = nullptr;
};

} // namespace vexa::payment::ui
