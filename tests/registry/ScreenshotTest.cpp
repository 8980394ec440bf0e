// Each registry screen drawn with a row on show. With VEXA_SCREENSHOT_DIR set
// the pictures are written there as PNG, to be looked at.

#include "RegistryFixture.h"
#include "ScreenTestSupport.h"

#include "registry/ui/FrmContribuintes.h"
#include "registry/ui/FrmProcura.h"
#include "registry/ui/FrmResponsaveis.h"

#include <QDir>
#include <QLineEdit>
#include <QPixmap>

using namespace vexa;
using namespace vexa::registry;
using namespace vexa::test;

namespace {

class ScreenshotTest : public RegistryTest {
protected:
    static void keep(QWidget& w, const QString& name) {
        settle();
        const QPixmap picture = w.grab();
        ASSERT_FALSE(picture.isNull());
        EXPECT_GT(picture.width(), 300);
        const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            EXPECT_TRUE(picture.save(QDir(dir).filePath(name + ".png")));
        }
    }
};

TEST_F(ScreenshotTest, EveryRegistryScreen) {
    QString error;
    Contribuinte c = completeTaxpayer(kIE1);
    c.RazaoSocial = kApostropheName;
    ASSERT_TRUE(saveTaxpayer(c, &error));
    ASSERT_TRUE(saveTaxpayer(completeTaxpayer(kIE2), &error));
    ASSERT_TRUE(saveAccountant(completeAccountant("1SP123456", "SP"), &error));
    ScriptedPrompter prompter;
    {
        ui::FrmContribuintes screen(prompter);
        activate(screen);
        keep(screen, "FrmContribuintes-keysearch");
        auto* ie = child<QLineEdit>(screen, "EdtIE");
        typeText(ie, kIE3);
        QTest::keyClick(ie, Qt::Key_Tab);
        settle();
        keep(screen, "FrmContribuintes-new");
        screen.cancelar();
        screen.novo();
        settle();
        typeText(ie, kIE1);
        QTest::keyClick(ie, Qt::Key_Tab);
        EXPECT_EQ(screen.state(), ui::FrmContribuintes::State::Browse);
        keep(screen, "FrmContribuintes-browse");
    }
    {
        ui::FrmResponsaveis screen(prompter);
        activate(screen);
        screen.cancelar();
        keep(screen, "FrmResponsaveis");
    }
    {
        ui::FrmProcura screen(Registry::Taxpayers);
        activate(screen);
        typeText(screen.nameEdit(), "D'");
        keep(screen, "FrmProcura-contribuintes");
    }
    {
        ui::FrmProcura screen(Registry::Accountants);
        activate(screen);
        keep(screen, "FrmProcura-contabilistas");
    }
}

} // namespace
