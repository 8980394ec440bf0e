#pragma once
// A sheet whose grids are not on the screen yet: its caption and a note.

#include "declaration/ui/VexaSheet.h"

namespace vexa::decl::ui {

class SheetPlaceholder : public VexaSheet {
    Q_OBJECT
public:
    explicit SheetPlaceholder(Sheet sheet, QWidget* parent = nullptr);
};

} // namespace vexa::decl::ui
