// "&Imprimir VEXA" on the declaration screen: the preview of the declaration
// on show, the command disabled while the preview is open and enabled again
// after it closes, also after a failure.
#include "PrintFixture.h"

#include "declaration/ui/FrmVexas.h"
#include "print/ui/DeclarationPreview.h"
#include "support/EngineSql.h"

#include <QApplication>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace vexa::test {
namespace {

class PrintScreen : public PrintTest {
protected:
    void SetUp() override {
        PrintTest::SetUp();
        storeFull();
        screen_ = std::make_unique<decl::ui::FrmVexas>(prompter_);
        screen_->setDeclarationSearcher([](QWidget*) {
            return std::optional<decl::ui::FoundDeclaration>(
                {kPrintIE, kPrintName, QStringLiteral("032024"), QStringLiteral("00")});
        });
        screen_->show();
        screen_->localizar();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        screen_.reset();
        PrintTest::TearDown();
    }
    QPushButton* command() const { return screen_->findChild<QPushButton*>(QStringLiteral("btnImprimir")); }

    // Clicks the command; while the preview is open, notes what it shows and closes it.
    void clickAndClose() {
        QTimer::singleShot(0, [this] {
            auto* preview = screen_->findChild<QPrintPreviewDialog*>(print::ui::kPreviewObjectName);
            ASSERT_NE(preview, nullptr);
            for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
            disabledWhileOpen_ = !command()->isEnabled();
            if (auto* pages = preview->findChild<QPrintPreviewWidget*>()) pagesShown_ = pages->pageCount();
            const QString shots = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
            if (!shots.isEmpty())
                preview->grab().save(QDir(shots).filePath(QStringLiteral("print_preview.png")));
            preview->reject();
        });
        QTest::mouseClick(command(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    ScriptedPrompter prompter_;
    std::unique_ptr<decl::ui::FrmVexas> screen_;
    bool disabledWhileOpen_ = false;
    int pagesShown_ = 0;
};

TEST_F(PrintScreen, PreviewOfTheDeclarationOnShow) {
    ASSERT_TRUE(command()->isEnabled());
    clickAndClose();
    EXPECT_TRUE(disabledWhileOpen_);
    EXPECT_GE(pagesShown_, 3);
    EXPECT_TRUE(command()->isEnabled());
    EXPECT_TRUE(prompter_.log().isEmpty()) << prompter_.log().join('\n').toStdString();
}

TEST_F(PrintScreen, FailureIsShownAndTheCommandComesBack) {
    // The deductions cannot be read: nothing opens, the declaration stays as it was.
    dropTable(QStringLiteral("LeisD"));
    QTimer::singleShot(0, [this] {
        auto* preview = screen_->findChild<QPrintPreviewDialog*>(print::ui::kPreviewObjectName);
        EXPECT_EQ(preview, nullptr);
        if (preview) preview->reject();   // a preview that should not be there must not hold the test
    });
    QTest::mouseClick(command(), Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_EQ(prompter_.log().size(), 1);
    EXPECT_TRUE(
        prompter_.last().startsWith(QStringLiteral("error: Não foi possível preparar a impressão da VEXA: ")))
        << prompter_.last().toStdString();
    EXPECT_TRUE(command()->isEnabled());
    EXPECT_EQ(screen_->row().C51, 5100.51);
}

} // namespace
} // namespace vexa::test
