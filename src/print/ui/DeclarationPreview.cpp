#include "print/ui/DeclarationPreview.h"

#include "print/DeclarationPages.h"
#include "print/DeclarationPrint.h"
#include "storage/Database.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace vexa::print::ui {

bool previewDeclaration(const decl::DeclarationKey& key, Prompter& prompter, QWidget* parent) {
    QString error;
    const std::optional<DeclarationPrint> pages =
        computeDeclarationPrint(key, storage::currentFolder(), &error);
    if (!pages) {
        prompter.error(QStringLiteral("Não foi possível preparar a impressão da VEXA: ") + error);
        return false;
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    // The pages measure from the corner of the sheet.
    printer.setFullPage(true);
    printer.setDocName(QStringLiteral("VEXA %1 %2 Ret. %3").arg(key.ie, key.display(), key.retificacao));

    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(kPreviewObjectName);
    dialog.setWindowTitle(QStringLiteral("%1 - Impressão da VEXA %2").arg(kAppTitle, key.display()));
    dialog.resize(900, 720);
    QString drawError;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter* device) {
        QString e;
        if (!drawDeclaration(*pages, *device, &e)) drawError = e;
    });
    dialog.exec();
    if (!drawError.isEmpty()) {
        prompter.error(QStringLiteral("Não foi possível imprimir a VEXA: ") + drawError);
        return false;
    }
    return true;
}

} // namespace vexa::print::ui
