#pragma once
// The printed declaration on A4 pages: the thirteen sections one after the
// other with the boxes, item numbers and captions of the paper form, every
// page headed with the declaration's key and numbered "Página n de N". The
// same drawing serves the preview, the printer and the PDF.

#include "print/PrintModel.h"

#include <QString>

class QPagedPaintDevice;

namespace vexa::print {

// Draws the whole print on the device (set to A4 portrait). False with a
// message when the device cannot be painted on.
bool drawDeclaration(const DeclarationPrint& print, QPagedPaintDevice& device, QString* error);

} // namespace vexa::print
