#pragma once
// Drawing the slip page on A4 in millimetres with QPainter, on any paged
// device: a PDF writer for files, a printer for the preview. The bar code is
// drawn as vector bars of the interleaved 2 of 5 symbol.

#include "payment/SlipPage.h"

#include <QList>
#include <QRectF>
#include <QString>

class QPainter;
class QPagedPaintDevice;

namespace vexa::payment {

// Proportions of the symbol, in millimetres.
inline constexpr double kBarNarrowMm = 0.32;
inline constexpr double kBarWideMm = 3 * kBarNarrowMm;
inline constexpr double kBarHeightMm = 15.0;
inline constexpr double kBarQuietZoneMm = 6.0;

// The bars of the interleaved 2 of 5 symbol of an even number of digits
// (start pattern, one character per pair, stop pattern), left edge at 0 and
// top at 0, in millimetres. Empty for an odd count or a non-digit.
QList<QRectF> interleaved2of5Bars(const QString& digits, double narrow = kBarNarrowMm, double wide = kBarWideMm,
                                  double height = kBarHeightMm);

// Where the page places the symbol (bars only; the quiet zones lie on both sides), in mm from the page's corner.
QRectF slipBarcodeRect(const SlipPage& page);

// Draws one page on the painter's device, which must be active and A4 portrait.
void drawSlipPage(QPainter& painter, QPagedPaintDevice& device, const SlipPage& page);

// Sets the device to A4 portrait and draws the pages one after another.
// False and *error when the device cannot be painted on.
bool printSlipPages(QPagedPaintDevice& device, const QList<SlipPage>& pages, QString* error);

// Writes the pages as a PDF file at `path`. The file is written beside its
// final name and takes that name only when complete, so a failure leaves no
// file (and an existing one untouched). False and *error with a message when
// there is no page or the file cannot be written.
bool writeSlipPdf(const QString& path, const QList<SlipPage>& pages, QString* error);

} // namespace vexa::payment
