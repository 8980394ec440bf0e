#include "declaration/topay/SheetTestSupport.h"
#include "support/Screenshot.h"

#include "declaration/ui/FrmVexas.h"

#include <QDir>
#include <QComboBox>
#include <QLineEdit>
#include <QVBoxLayout>

namespace vexa::test {

using namespace vexa::decl;
using namespace vexa::decl::ui;

SheetContext sheetContext(const OperationContext& ctx) {
    SheetContext c;
    c.key = ctx.key;
    c.tipoRegime = ctx.tipoRegime;
    c.mudaDomicilio = ctx.mudaDomicilio;
    c.cidadeA = ctx.cidadeA;
    c.cidadeB = ctx.cidadeB;
    c.razaoSocial = QStringLiteral("COMÉRCIO D'ÁVILA LTDA");
    return c;
}

SheetWindow::SheetWindow(VexaSheet* sheet, int width, int height) : window_(std::make_unique<QWidget>()) {
    window_->resize(width, height);
    auto* layout = new QVBoxLayout(window_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sheet);
    window_->show();
    window_->activateWindow();
    QApplication::setActiveWindow(window_.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    settle();
}

SheetWindow::~SheetWindow() = default;

void typeCell(QTableView* grid, int row, int column, const QString& text) {
    const QModelIndex cell = grid->model()->index(row, column);
    grid->setFocus();
    grid->setCurrentIndex(cell);
    if (!grid->indexWidget(cell)) grid->edit(cell);
    settle();
    QWidget* editor = grid->indexWidget(cell);
    ASSERT_NE(editor, nullptr) << "no editor on column " << column << " flags " << int(grid->model()->flags(cell))
                               << " current " << grid->currentIndex().row() << "," << grid->currentIndex().column()
                               << " rows " << grid->model()->rowCount() << " enabled " << grid->isEnabled();
    // Keys go where the user's keys go: the editor (a drop-down passes them to its text).
    QLineEdit* line = qobject_cast<QLineEdit*>(editor);
    if (auto* combo = qobject_cast<QComboBox*>(editor)) line = combo->lineEdit();
    ASSERT_NE(line, nullptr);
    line->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
}

std::unique_ptr<FrmVexas> openScreen(Prompter& prompter, const DeclarationKey& key, Sheet sheet) {
    auto screen = std::make_unique<FrmVexas>(prompter);
    screen->setDeclarationSearcher([key](QWidget*) {
        return std::optional<FoundDeclaration>(
            FoundDeclaration{key.ie, QStringLiteral("COMÉRCIO D'ÁVILA LTDA"), key.mmyyyy(), key.retificacao});
    });
    screen->show();
    screen->activateWindow();
    QApplication::setActiveWindow(screen.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    settle();
    screen->localizar();
    settle();
    // Locating hides the screen while the search runs: it comes back active.
    screen->activateWindow();
    QApplication::setActiveWindow(screen.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    settle();
    EXPECT_TRUE(screen->goToSheet(sheet));
    settle();
    return screen;
}

// Only where VEXA_SCREENSHOT_DIR points, and only when it is set.
void screenshot(QWidget& widget, const QString& file) {
    const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    settle();
    saveScreenshot(widget, file);
}

} // namespace vexa::test
