// "Re&tificar VEXA": the rectification of the declaration on show. The copy
// itself is declfile/Rectification.h; here the command is disabled and the
// hourglass shown while it runs, and the outcome told. The screen then shows
// the new rectification (FrmVexas::retificar).
#include "declaration/ui/FrmVexasPlugs.h"

#include "common/ErrorLog.h"
#include "declfile/Rectification.h"
#include "storage/Database.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace vexa::decl::ui {

DeclarationAction plugRectify() {
    return [](const DeclarationKey& key, Prompter& prompter, QWidget* parent) {
        QPointer<QWidget> button = parent ? parent->findChild<QWidget*>(QStringLiteral("btnRetificar")) : nullptr;
        if (button) button->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
        const declfile::RectifyResult result = declfile::rectifyDeclaration(key.ie, key.ano, key.mes);
        QApplication::restoreOverrideCursor();
        if (button) button->setEnabled(true);
        if (result.ok) {
            prompter.info(declfile::kRectifyDone);
            return;
        }
        // The box says what the user needs; the log keeps the reason.
        if (storage::isOpen()) appendErrorLog(storage::currentFolder(), result.error, QStringLiteral("FrmVexas"));
        prompter.error(declfile::kRectifyFailed);
    };
}

} // namespace vexa::decl::ui
