// "Re&tificar VEXA" on the declaration screen: the new rectification is on
// show with the focus on the year, its message told; a failure shows the
// error box, logs the reason and leaves the declaration filed as it was.

#include "../../declaration/frmvexas/ScreenFixture.h"

#include "declaration/ChildTables.h"
#include "declaration/ui/FrmVexas.h"
#include "declfile/Rectification.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>

using namespace vexa;
using namespace vexa::test;
using namespace vexa::decl;
using namespace vexa::decl::ui;

namespace {

class FrmVexasRectifyTest : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        addTaxpayer(kIE1, "COMERCIAL VERDALENA LTDA");
        addDeclaration(kIE1, "2024", "03");
        exec("UPDATE Vexas SET C51 = 120.5");
        exec("INSERT INTO OutrosCred (IE, Ano, Mes, Retificacao, CodLei, Valor) VALUES (?, '2024', '03', '00', 5, 7)",
             {kIE1});
        screen = std::make_unique<FrmVexas>(prompter);
        activate(*screen);
        for (const auto& [name, text] : {std::pair{"EdtIE", "290000009"}, {"EdtMes", "03"}, {"EdtAno", "2024"}}) {
            auto* e = child<QLineEdit>(*screen, name);
            e->setFocus(Qt::MouseFocusReason);
            settle();
            e->selectAll();
            typeText(e, text);
            QTest::keyClick(e, Qt::Key_Tab);
            settle();
        }
        ASSERT_EQ(screen->declState(), DeclState::Browse);
        prompter.clear();
    }
    void TearDown() override {
        setStatementRunner({});
        screen.reset();
        ScreenFixture::TearDown();
    }
    void rectify() {
        auto* b = child<QAbstractButton>(*screen, "btnRetificar");
        ASSERT_TRUE(b->isEnabled());
        QTest::mouseClick(b, Qt::LeftButton);
        settle();
    }

    ScriptedPrompter prompter;
    std::unique_ptr<FrmVexas> screen;
};

TEST_F(FrmVexasRectifyTest, ShowsTheNewRectificationWithTheFocusOnTheYear) {
    rectify();
    EXPECT_EQ(prompter.log(), QStringList{"info: " + declfile::kRectifyDone});
    EXPECT_EQ(screen->declState(), DeclState::Browse);
    EXPECT_EQ(screen->row().Retificacao, "01");
    EXPECT_DOUBLE_EQ(screen->row().C51, 120.5);
    EXPECT_EQ(focused(), "EdtAno");
    EXPECT_EQ(child<QLineEdit>(*screen, "EdtAno")->text(), "2024");
    EXPECT_EQ(child<QLabel>(*screen, "lblVexaRetificadora")->text(), "3.9 VEXA RETIFICADORA 01");
    EXPECT_EQ(count("SELECT count(*) FROM OutrosCred WHERE Retificacao = '01' AND Valor = 7"), 1);
    // Leaving the year finds the same, latest, declaration again.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    settle();
    EXPECT_EQ(screen->row().Retificacao, "01");

    const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
    if (!dir.isEmpty()) screen->grab().save(QDir(dir).filePath("frmvexas-retificada.png"));

    rectify();
    EXPECT_EQ(screen->row().Retificacao, "02");
}

TEST_F(FrmVexasRectifyTest, AFailureShowsTheErrorAndLeavesNothing) {
    setStatementRunner([](QSqlQuery& q) {
        if (q.lastQuery().startsWith("INSERT INTO Vexas")) return false;
        return q.exec();
    });
    rectify();
    EXPECT_EQ(prompter.log(), QStringList{"error: " + declfile::kRectifyFailed});
    EXPECT_EQ(screen->row().Retificacao, "00");
    EXPECT_EQ(count("SELECT count(*) FROM OutrosCred WHERE Retificacao = '01'"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM Vexas"), 1);
    EXPECT_TRUE(child<QAbstractButton>(*screen, "btnRetificar")->isEnabled());
    QFile log(folder().file("Log.txt"));
    EXPECT_TRUE(log.exists());
}

} // namespace
