#pragma once
// "Cadastro de Contribuintes": the keyed form over `Contribuintes`. Typing an
// IE and leaving the field finds the taxpayer or starts a new one; the other
// fields are then edited in place and saved with "&Gravar". Every rule lives
// in registry/Contribuintes.h; this screen shows, moves the focus and enables.

#include "common/Prompter.h"
#include "registry/Contribuintes.h"
#include "registry/RegistrySearch.h"
#include "registry/ui/ModalScreen.h"

#include <functional>
#include <optional>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace vexa {
class MaskedLineEdit;
}

namespace vexa::registry::ui {

class FrmContribuintes : public ModalScreen {
    Q_OBJECT
public:
    // The table's state, which the buttons follow.
    enum class State { Browse, Edit, Insert, KeySearch };

    // Opens the search screen and answers the confirmed row (tests replace it).
    using Searcher = std::function<std::optional<NameRow>(QWidget* parent)>;

    explicit FrmContribuintes(Prompter& prompter, QWidget* parent = nullptr);

    // Opens the screen modally over parent, messages in message boxes.
    static void open(QWidget* parent);

    void setSearcher(Searcher searcher) { searcher_ = std::move(searcher); }
    State state() const { return state_; }
    // The IE of the row on show (empty when the table is empty).
    QString currentIE() const { return currentIE_; }
    bool passwordGroupShown() const { return passwordShown_; }

    // The top-bar commands, as their buttons run them.
    void novo();
    void gravar();
    void cancelar();
    void excluir();
    void localizar();
    void excluirSenha();
    void navigate(Move move);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool canClose() const override;
    void showEvent(QShowEvent* event) override;

private:
    void buildScreen();
    void loadLists();
    void refillMunicipalities(const QString& uf);

    void enterKey();
    void leaveKey();
    void onUserEdit();
    void setState(State state);
    void applyState();

    void showCurrent();
    void showRow(const Contribuinte& row);
    void showBlank();
    Contribuinte formRow() const;
    void focusField(const QString& field);
    static void setChoice(QButtonGroup* group, const QStringList& codes, const QString& value);
    static QString choice(const QButtonGroup* group, const QStringList& codes);

    Prompter& prompter_;
    Searcher searcher_;
    State state_ = State::Browse;
    QString currentIE_;     // the row on show
    QString keyFromIE_;     // the row on show when the key search began
    Contribuinte loaded_;   // the row as read (or as started), under the edits
    bool passwordShown_ = true;
    bool loading_ = false;
    bool keyWarningPending_ = false;
    bool opened_ = false;

    QToolButton* btnRetornar_ = nullptr;
    QToolButton* btnCancelar_ = nullptr;
    QToolButton* btnExcluir_ = nullptr;
    QToolButton* btnNovo_ = nullptr;
    QToolButton* btnLocalizar_ = nullptr;
    QToolButton* btnGravar_ = nullptr;
    QToolButton* btnPrimeiro_ = nullptr;
    QToolButton* btnAnterior_ = nullptr;
    QToolButton* btnProximo_ = nullptr;
    QToolButton* btnUltimo_ = nullptr;

    QWidget* dataArea_ = nullptr;
    MaskedLineEdit* edtIE_ = nullptr;
    QLineEdit* edtCgcCpf_ = nullptr;
    QLineEdit* edtRazaoSocial_ = nullptr;
    QComboBox* cbAtividadeCodigo_ = nullptr;
    QComboBox* cbAtividadeDescricao_ = nullptr;
    QComboBox* cbUF_ = nullptr;
    QComboBox* cbMunicipio_ = nullptr;
    QButtonGroup* grpEstabelecimento_ = nullptr;
    QButtonGroup* grpEscrituracao_ = nullptr;
    QButtonGroup* grpRegime_ = nullptr;
    QRadioButton* rbRegimeNormal_ = nullptr;
    QCheckBox* chkTare_ = nullptr;
    QCheckBox* chkEcf_ = nullptr;
    QGroupBox* gbSenha_ = nullptr;
    QLineEdit* edtNovaSenha_ = nullptr;
    QLineEdit* edtEmail_ = nullptr;
    QPushButton* btnExcluirSenha_ = nullptr;
};

} // namespace vexa::registry::ui
