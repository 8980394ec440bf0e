#pragma once
// What "Cadastrar DARE" and "Cadastrar DARE Avulso" share: the top bar of
// commands and the key fields (the IE with its "..." finder, the month and the
// year), built alike and enabled alike for the screen's state. Each screen
// lays the key fields out and runs the commands in its own way.

#include "registry/ui/ModalScreen.h"

class QFrame;
class QToolButton;

namespace vexa {
class DigitsLineEdit;
class MaskedLineEdit;
} // namespace vexa

namespace vexa::payment::ui {

class SlipScreen : public registry::ui::ModalScreen {
    Q_OBJECT
public:
    // The commands, as their buttons run them.
    virtual void novo() = 0;
    virtual void gravar() = 0;
    virtual void cancelar() = 0;
    virtual void excluir() = 0;
    virtual void localizar() = 0;
    virtual void imprimir() = 0;

protected:
    using ModalScreen::ModalScreen;

    // "&Novo", "&Gravar", "&Cancelar", "&Excluir", "&Localizar", "&Imprimir DARE"
    // and "&Retornar" (which closes the screen) in a bar, each running its command.
    QFrame* buildCommandBar();
    // The IE, its "..." finder (which takes no focus), the month and the year;
    // the screen's event filter watches the three fields.
    void buildKeyFields(const QString& finderName, const QString& finderTip = {});

    // "&Novo", "&Localizar" and "&Retornar" while a key is typed or a slip is
    // browsed; "&Excluir" and "&Imprimir DARE" (unless its preview is open) on a
    // slip browsed; "&Gravar" and "&Cancelar" while one is edited.
    void enableCommands(bool key, bool browse, bool editing, bool printing);
    // The key fields and the finder.
    void enableKey(bool enabled);

    QToolButton* btnNovo_ = nullptr;
    QToolButton* btnGravar_ = nullptr;
    QToolButton* btnCancelar_ = nullptr;
    QToolButton* btnExcluir_ = nullptr;
    QToolButton* btnLocalizar_ = nullptr;
    QToolButton* btnImprimir_ = nullptr;
    QToolButton* btnRetornar_ = nullptr;

    MaskedLineEdit* edtIE_ = nullptr;
    QToolButton* btnProcura_ = nullptr;
    DigitsLineEdit* edtMes_ = nullptr;
    DigitsLineEdit* edtAno_ = nullptr;
};

} // namespace vexa::payment::ui
