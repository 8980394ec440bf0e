#pragma once
// The print preview of DARE pages: the user looks at them and prints from it
// (printer choice and page setup of the preview window).

#include "payment/SlipPage.h"

#include <QList>
#include <functional>

class QPrintPreviewDialog;
class QWidget;

namespace vexa::payment {

// Shows the pages in a modal print-preview window over `parent` and returns
// when it closes. Nothing is shown for an empty list (false is answered).
// `prepared`, when given, is called with the dialog before it is shown (tests
// close it from there).
bool showSlipPreview(QWidget* parent, const QList<SlipPage>& pages,
                     const std::function<void(QPrintPreviewDialog&)>& prepared = {});

} // namespace vexa::payment
