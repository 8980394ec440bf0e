// "&DARE": "Cadastrar DARE" opened with the key of the declaration on show
// (the declaration screen hides itself meanwhile, FrmVexas::dare).
#include "declaration/ui/FrmVexasPlugs.h"

#include "payment/ui/FrmGates.h"

namespace vexa::decl::ui {

DeclarationAction plugSlips() {
    return [](const DeclarationKey& key, Prompter& prompter, QWidget* parent) {
        payment::ui::FrmGates::openForDeclaration(parent, prompter, {key.ie, key.ano, key.mes, key.retificacao});
    };
}

} // namespace vexa::decl::ui
