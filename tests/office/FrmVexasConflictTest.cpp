// The declaration screen when another workstation saved the declaration on
// show: the save is refused with its message and the screen reads the stored
// declaration again; typed once more, it saves.

#include "OfficeFixture.h"
#include "declaration/frmvexas/ScreenFixture.h"

#include "declaration/DeclarationService.h"
#include "declaration/ui/FrmVexas.h"

#include <QAbstractButton>
#include <QDir>
#include <QLineEdit>

using namespace vexa;
using namespace vexa::test;
using namespace vexa::decl;
using namespace vexa::decl::ui;

namespace {

class FrmVexasConflict : public ScreenFixture {
protected:
    void TearDown() override {
        screen.reset();
        ScreenFixture::TearDown();
    }
    QLineEdit* edit(const QString& name) const { return child<QLineEdit>(*screen, name); }
    void type(const QString& name, const QString& text, bool leave = true) {
        QLineEdit* e = edit(name);
        e->setFocus(Qt::MouseFocusReason);
        settle();
        e->selectAll();
        typeText(e, text);
        if (leave) QTest::keyClick(e, Qt::Key_Tab);
        settle();
    }
    void press(const QString& button) {
        auto* b = child<QAbstractButton>(*screen, button);
        ASSERT_TRUE(b->isEnabled()) << button.toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
        settle();
    }
    ScriptedPrompter prompter;
    std::unique_ptr<FrmVexas> screen;
};

TEST_F(FrmVexasConflict, ASaveOverAnotherStationsSaveIsRefusedAndTheScreenReloads) {
    addTaxpayer(kIE1, QStringLiteral("COMERCIAL VERDALENA LTDA"));
    addDeclaration(kIE1, QStringLiteral("2024"), QStringLiteral("03"));
    exec(QStringLiteral("UPDATE Vexas SET MudaDomicilio = 'N'"));
    screen = std::make_unique<FrmVexas>(prompter);
    activate(*screen);
    type(QStringLiteral("EdtIE"), kIE1);
    type(QStringLiteral("EdtMes"), QStringLiteral("03"));
    type(QStringLiteral("EdtAno"), QStringLiteral("2024"));
    ASSERT_EQ(screen->declState(), DeclState::Browse);
    type(QStringLiteral("EdtSaldoInicialCaixa"), QStringLiteral("700,00"), false);
    ASSERT_EQ(screen->declState(), DeclState::Edit);

    const ProcessResult other = runStation(QStringLiteral("office_station"), {folder().root(), "save", kIE1, "032024", "321"});
    ASSERT_EQ(other.code, 0) << other.output.toStdString();

    prompter.clear();
    press(QStringLiteral("btnGravar"));
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("warn: ") + kChangedElsewhere});
    EXPECT_EQ(screen->declState(), DeclState::Browse);
    EXPECT_DOUBLE_EQ(screen->row().C51, 321);
    EXPECT_EQ(edit(QStringLiteral("EdtSaldoInicialCaixa"))->text(), QStringLiteral("0,00"));
    EXPECT_DOUBLE_EQ(value(QStringLiteral("SELECT SaldoInicialCaixa FROM Vexas")).toDouble(), 0);
    const QString shots = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
    if (!shots.isEmpty()) screen->grab().save(QDir(shots).filePath(QStringLiteral("FrmVexas-recarregada.png")));

    type(QStringLiteral("EdtSaldoInicialCaixa"), QStringLiteral("700,00"), false);
    prompter.clear();
    press(QStringLiteral("btnGravar"));
    EXPECT_TRUE(prompter.log().isEmpty()) << prompter.log().join('\n').toStdString();
    EXPECT_DOUBLE_EQ(value(QStringLiteral("SELECT SaldoInicialCaixa FROM Vexas")).toDouble(), 700);
    EXPECT_DOUBLE_EQ(value(QStringLiteral("SELECT C51 FROM Vexas")).toDouble(), 321);
}

} // namespace
