#include "payment/ui/SlipPreview.h"

#include "common/Prompter.h"
#include "payment/SlipDraw.h"

#include <QPrintPreviewDialog>
#include <QPrinter>

namespace vexa::payment {

bool showSlipPreview(QWidget* parent, const QList<SlipPage>& pages,
                     const std::function<void(QPrintPreviewDialog&)>& prepared) {
    if (pages.isEmpty()) return false;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setDocName(QStringLiteral("DARE"));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(kAppTitle);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&pages](QPrinter* target) { printSlipPages(*target, pages, nullptr); });
    if (prepared) prepared(dialog);
    dialog.exec();
    return true;
}

} // namespace vexa::payment
