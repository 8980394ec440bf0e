// "Validar VEXA": the export's checks on the declaration on show, the report in
// "Validação de Dados".
#include "declaration/ui/FrmVexasPlugs.h"

#include "declfile/ui/FrmValidacao.h"
#include "storage/Database.h"

namespace vexa::decl::ui {

DeclarationAction plugValidate() {
    return [](const DeclarationKey& key, Prompter& prompter, QWidget* parent) {
        declfile::ui::validateDeclarationNow(key, storage::currentFolder(), prompter, parent);
    };
}

} // namespace vexa::decl::ui
