#pragma once
// Screen-test helpers of sheets "Item 9", "Itens 10 - 10.3" and
// "Itens 11 - 12.7": a window holding one sheet, the context of a stored
// declaration, typing into grid cells and fields as the user does, and the
// declaration screen opened on a stored declaration for a screenshot.

#include "declaration/topay/DeclarationFixture.h"
#include "declaration/ui/VexaSheet.h"

#include <QApplication>
#include <QTableView>
#include <QTest>
#include <memory>

namespace vexa::decl::ui {
class FrmVexas;
}

namespace vexa::test {

inline void settle() {
    for (int i = 0; i < 4; ++i) QCoreApplication::processEvents();
}

// The context the declaration screen hands its sheets for a stored declaration.
decl::ui::SheetContext sheetContext(const decl::OperationContext& ctx);

// A top-level window holding one sheet, shown and active.
class SheetWindow {
public:
    explicit SheetWindow(decl::ui::VexaSheet* sheet, int width = 800, int height = 470);
    ~SheetWindow();
    QWidget& window() { return *window_; }

private:
    std::unique_ptr<QWidget> window_;
};

// Types into one cell as the user does: the cell's editor, the text, Enter.
void typeCell(QTableView* grid, int row, int column, const QString& text);

// The declaration screen with the stored declaration of key on show, on the given sheet.
std::unique_ptr<decl::ui::FrmVexas> openScreen(Prompter& prompter, const decl::DeclarationKey& key,
                                               decl::Sheet sheet);

// Grabs the widget into /tmp/<file>.png.
void screenshot(QWidget& widget, const QString& file);

} // namespace vexa::test
