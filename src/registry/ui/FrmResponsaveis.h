#pragma once
// "Cadastro de Contabilistas": the keyed form over `Declarante`. Typing a CRC
// and a state and leaving the state field finds the accountant or starts a
// new one; the rules live in registry/Responsaveis.h.

#include "common/Prompter.h"
#include "registry/RegistrySearch.h"
#include "registry/Responsaveis.h"
#include "registry/ui/ModalScreen.h"

#include <functional>
#include <optional>

class QLineEdit;
class QToolButton;

namespace vexa {
class MaskedLineEdit;
}

namespace vexa::registry::ui {

class FrmResponsaveis : public ModalScreen {
    Q_OBJECT
public:
    enum class State { Browse, Edit, Insert, KeySearch };
    using Searcher = std::function<std::optional<NameRow>(QWidget* parent)>;

    explicit FrmResponsaveis(Prompter& prompter, QWidget* parent = nullptr);

    // Opens the screen modally over parent, messages in message boxes.
    static void open(QWidget* parent);

    void setSearcher(Searcher searcher) { searcher_ = std::move(searcher); }
    State state() const { return state_; }
    AccountantKey current() const { return current_; }

    void novo();
    void gravar();
    void cancelar();
    void excluir();
    void localizar();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool canClose() const override;
    void showEvent(QShowEvent* event) override;

private:
    void buildScreen();
    void enterCrc();
    void enterUf();
    void leaveUf();
    void startKeySearch();
    void onUserEdit();
    void setState(State state);
    void showCurrent();
    void showRow(const Declarante& row);
    Declarante formRow() const;
    void focusField(const QString& field);

    Prompter& prompter_;
    Searcher searcher_;
    State state_ = State::Browse;
    AccountantKey current_;   // the row on show
    Declarante loaded_;
    bool loading_ = false;
    bool ufWarningPending_ = false;
    bool startingOver_ = false;
    bool opened_ = false;

    QToolButton* btnRetornar_ = nullptr;
    QToolButton* btnCancelar_ = nullptr;
    QToolButton* btnGravar_ = nullptr;
    QToolButton* btnNovo_ = nullptr;
    QToolButton* btnExcluir_ = nullptr;
    QToolButton* btnLocalizar_ = nullptr;

    QLineEdit* edtCRC_ = nullptr;
    QLineEdit* edtUF_ = nullptr;
    QLineEdit* edtNome_ = nullptr;
    QLineEdit* edtTelefone_ = nullptr;
    MaskedLineEdit* edtCPF_ = nullptr;
    QLineEdit* edtEmail_ = nullptr;
};

} // namespace vexa::registry::ui
