// "Opções de Impressão" on the offscreen platform: the focus on the period,
// Enter as Tab, the refusals with their messages and focus, and a good run
// whose preview shows one page per slip while "&Ok" is off.

#include "DareBatchFixture.h"

#include "common/ui/MaskedLineEdit.h"
#include "print/ui/FrmOpcImpressao.h"
#include "support/Screenshot.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vexa;
using namespace vexa::test;

namespace {

class OpcImpressaoScreen : public DareBatchTest {
protected:
    void SetUp() override {
        DareBatchTest::SetUp();
        screen_ = std::make_unique<print::ui::FrmOpcImpressao>(prompter_);
        screen_->show();
        QApplication::setActiveWindow(screen_.get());
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        screen_.reset();
        DareBatchTest::TearDown();
    }
    template <class W>
    W* child(const char* name) const {
        return screen_->findChild<W*>(QString::fromLatin1(name));
    }
    MaskedLineEdit* periodo() const { return child<MaskedLineEdit>("EdtPeriodo"); }
    QComboBox* contribuinte() const { return child<QComboBox>("CmbContribuinte"); }
    QPushButton* okButton() const { return child<QPushButton>("btnOk"); }

    void type(const QString& period, const QString& name) {
        periodo()->setDigits(period);
        contribuinte()->setCurrentText(name);
    }

    ScriptedPrompter prompter_;
    std::unique_ptr<print::ui::FrmOpcImpressao> screen_;
};

TEST_F(OpcImpressaoScreen, FocusStartsOnThePeriodAndEnterMovesOn) {
    EXPECT_EQ(screen_->windowTitle(), QStringLiteral("Opções de Impressão"));
    EXPECT_EQ(child<QLabel>("lblTitulo")->text(), QStringLiteral("IMPRESSÃO DO DARE"));
    EXPECT_TRUE(okButton()->isDefault());
    EXPECT_EQ(contribuinte()->itemText(0), "<TODOS>");
    EXPECT_EQ(contribuinte()->count(), 6);
    EXPECT_EQ(QApplication::focusWidget(), periodo());
    QTest::keyClick(periodo(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), contribuinte());
    saveScreenshot(*screen_, "FrmOpcImpressao");
}

TEST_F(OpcImpressaoScreen, RefusalsShowTheirMessagesAndOkComesBack) {
    const struct {
        const char* period;
        QString name;
        QString prompt;
    } cases[] = {
        {"", "<TODOS>", QStringLiteral("warn: Informe o Período!")},
        {"022025", "<TODOS>", "info: " + print::dareBatchVersionMessage()},
        {"072024", kDelta, QStringLiteral("info: Não há dados cadastrados para período e contribuinte informado!!!")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.period);
        prompter_.clear();
        contribuinte()->setFocus();
        type(c.period, c.name);
        QTest::mouseClick(okButton(), Qt::LeftButton);
        EXPECT_EQ(prompter_.log(), QStringList{c.prompt});
        EXPECT_TRUE(screen_->statusText().isEmpty());
        EXPECT_TRUE(okButton()->isEnabled());
    }
    // Only the missing period sends the focus back to it.
    contribuinte()->setFocus();
    type("07", "<TODOS>");
    screen_->ok();
    EXPECT_EQ(QApplication::focusWidget(), periodo());
}

TEST_F(OpcImpressaoScreen, GoodRunOpensThePreviewWithOnePagePerSlip) {
    int shown = -1;
    bool okWhileOpen = true;
    QString statusWhileOpen;
    screen_->setPreviewPrepared([&](QPrintPreviewDialog& dialog) {
        dialog.resize(900, 700);
        QTimer::singleShot(0, &dialog, [&] {
            auto* view = dialog.findChild<QPrintPreviewWidget*>();
            view->updatePreview();
            shown = view->pageCount();
            okWhileOpen = okButton()->isEnabled();
            statusWhileOpen = screen_->statusText();
            saveScreenshot(*screen_, "FrmOpcImpressao_processando");
            saveScreenshot(dialog, "FrmOpcImpressao_preview");
            dialog.reject();
        });
    });
    type("072024", "<TODOS>");
    QTest::mouseClick(okButton(), Qt::LeftButton);
    EXPECT_TRUE(prompter_.log().isEmpty()) << prompter_.log().join('\n').toStdString();
    EXPECT_EQ(shown, 3);
    EXPECT_FALSE(okWhileOpen);
    EXPECT_EQ(statusWhileOpen, "Aguarde!!! Processando...");
    EXPECT_TRUE(okButton()->isEnabled());
    EXPECT_TRUE(screen_->statusText().isEmpty());
}

} // namespace
