#pragma once
// The declaration print as the declaration screen and the batch program ask
// for it: the sections of a stored declaration computed (PrintSections.h),
// then drawn (DeclarationPages.h) on a preview, a printer or a PDF file.

#include "common/ProgramFolder.h"
#include "declaration/DeclarationKey.h"
#include "print/PrintModel.h"

#include <QString>
#include <functional>
#include <optional>

class QPagedPaintDevice;

namespace vexa::print {

// The print of the stored declaration, with the taxpayer-portal address of
// the program folder's settings and the moment of the clock. None, with the
// message in *error, when the declaration is not stored or a read fails.
std::optional<DeclarationPrint> computeDeclarationPrint(const decl::DeclarationKey& key,
                                                        const ProgramFolder& home, QString* error);

// Draws pages on a paged device; false with a message on failure.
using PageDrawer = std::function<bool(QPagedPaintDevice& device, QString* error)>;

// Writes the pages as a PDF file. The PDF goes to a temporary file beside
// the target, which takes the target's name only when every page is drawn:
// a target that cannot be written gives a message and leaves no file behind
// (and an existing file at the target untouched).
bool writePdf(const QString& path, const PageDrawer& draw, QString* error);

bool writeDeclarationPdf(const DeclarationPrint& print, const QString& path, QString* error);

} // namespace vexa::print
