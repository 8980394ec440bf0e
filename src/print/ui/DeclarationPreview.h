#pragma once
// The preview of the printed declaration ("&Imprimir VEXA"): the pages of the
// stored declaration on A4, from which the user prints on the platform's
// printer. Nothing is written to the database.

#include "common/Prompter.h"
#include "declaration/DeclarationKey.h"

class QWidget;

namespace vexa::print::ui {

inline const QString kPreviewObjectName = QStringLiteral("FrmPreviewVexa");

// Prepares the print and shows the preview modally over parent. A failure to
// read the declaration or to draw its pages is shown through the prompter,
// and the answer is false.
bool previewDeclaration(const decl::DeclarationKey& key, Prompter& prompter, QWidget* parent);

} // namespace vexa::print::ui
