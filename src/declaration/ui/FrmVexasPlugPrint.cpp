// "&Imprimir VEXA": the print of the declaration on show, in a preview from
// which the user prints.
#include "declaration/ui/FrmVexasPlugs.h"
#include "print/ui/DeclarationPreview.h"

#include <QPointer>
#include <QPushButton>

namespace vexa::decl::ui {

DeclarationAction plugPrint() {
    return [](const DeclarationKey& key, Prompter& prompter, QWidget* parent) {
        // The command stays disabled while its preview is open and comes back
        // afterwards, after a failure too.
        QPointer<QPushButton> command =
            parent ? parent->findChild<QPushButton*>(QStringLiteral("btnImprimir")) : nullptr;
        const bool wasEnabled = command && command->isEnabled();
        if (command) command->setEnabled(false);
        print::ui::previewDeclaration(key, prompter, parent);
        if (command) command->setEnabled(wasEnabled);
    };
}

} // namespace vexa::decl::ui
