// "Localizar VEXA": the choices offered, what a search lists and in which
// order, and the row the caller reads back.

#include "../frmvexas/ScreenFixture.h"

#include "declaration/ui/FrmLocalizarVexa.h"
#include "declaration/ui/FrmLocalizarVexaModel.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

using namespace vexa;
using namespace vexa::test;
using namespace vexa::decl::ui;

namespace {

class LocalizarTest : public ScreenFixture {
protected:
    void SetUp() override {
        ScreenFixture::SetUp();
        addTaxpayer(kIE1, QStringLiteral("ZETA COMERCIO LTDA"));
        addTaxpayer(kIE2, kApostropheName);
        addDeclaration(kIE1, "2024", "02");
        addDeclaration(kIE1, "2023", "12");
        addDeclaration(kIE2, "2024", "02", "00");
        addDeclaration(kIE2, "2024", "02", "02");
        addDeclaration(kIE2, "2024", "02", "01");
        addDeclaration(kIE2, "2024", "01", "00", /*importado=*/false);
    }

    static QStringList listed(const QList<FoundDeclaration>& rows) {
        QStringList out;
        for (const auto& r : rows) out << r.ie + " " + r.mesAno + " " + r.retificacao;
        return out;
    }
};

TEST_F(LocalizarTest, ChoicesStartWithTodosAndAreSorted) {
    addTaxpayer(QStringLiteral("290000025"), QStringLiteral("alfa minúscula"));
    EXPECT_EQ(taxpayerChoices(),
              (QStringList{kTodos, "alfa minúscula", kApostropheName, "ZETA COMERCIO LTDA"}));
    // Every period that holds a declaration, once, as the 6-character text.
    EXPECT_EQ(periodChoices(), (QStringList{kTodos, "012024", "022024", "122023"}));
}

TEST_F(LocalizarTest, ListsImportedDeclarationsByNamePeriodAndRectificationDescending) {
    EXPECT_EQ(listed(findDeclarations(kTodos, kTodos)),
              (QStringList{"290000017 022024 02", "290000017 022024 01", "290000017 022024 00",
                           "290000009 122023 00", "290000009 022024 00"}));
    // A name with an apostrophe is a value like any other.
    EXPECT_EQ(listed(findDeclarations(kApostropheName, "022024")),
              (QStringList{"290000017 022024 02", "290000017 022024 01", "290000017 022024 00"}));
    EXPECT_EQ(listed(findDeclarations(QString(), "122023")), QStringList{"290000009 122023 00"});
    // The declaration of 01/2024 is not an imported one: never offered.
    EXPECT_TRUE(findDeclarations(kTodos, "012024").isEmpty());
    EXPECT_TRUE(findDeclarations(QStringLiteral("' OR '1'='1"), kTodos).isEmpty());
}

TEST_F(LocalizarTest, ScreenListsChoiceAndHandsBackTheDoubleClickedRow) {
    FrmLocalizarVexa screen;
    QAbstractItemModelTester tester(screen.model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    activate(screen);
    EXPECT_EQ(screen.windowTitle(), "Localizar VEXA");
    EXPECT_TRUE(screen.locateButton()->isDefault());
    EXPECT_EQ(screen.returnButton()->toolTip(), "Volta para a tela inicial");
    EXPECT_FALSE(screen.current().has_value());   // nothing searched yet

    screen.taxpayerBox()->setCurrentIndex(screen.taxpayerBox()->findText(kApostropheName));
    screen.periodBox()->setEditText(QString());   // an empty choice means every period
    QTest::mouseClick(screen.locateButton(), Qt::LeftButton);
    EXPECT_EQ(screen.periodBox()->currentText(), kTodos);
    ASSERT_EQ(screen.model()->rowCount(), 3);
    auto* m = screen.model();
    EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), "Razão Social");
    EXPECT_EQ(m->headerData(2, Qt::Horizontal).toString(), "Período");
    EXPECT_EQ(m->headerData(3, Qt::Horizontal).toString(), "Ret.");
    EXPECT_EQ(m->index(0, FrmLocalizarVexaModel::IE).data().toString(), "29.000.001-7");
    EXPECT_EQ(m->index(0, FrmLocalizarVexaModel::Periodo).data().toString(), "02/2024");
    EXPECT_EQ(m->index(0, FrmLocalizarVexaModel::Retificacao).data().toString(), "02");
    screenshot(screen, "frmvexas_localizar");

    // Double-clicking the second row closes the screen with that row chosen.
    QTableView* grid = screen.grid();
    const QRect cell = grid->visualRect(m->index(1, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    settle();
    EXPECT_FALSE(screen.isVisible());
    ASSERT_TRUE(screen.current().has_value());
    EXPECT_EQ(screen.current()->ie, kIE2);
    EXPECT_EQ(screen.current()->mesAno, "022024");
    EXPECT_EQ(screen.current()->retificacao, "01");
}

TEST_F(LocalizarTest, RetornarHandsBackTheRowUnderTheCursor) {
    std::optional<FoundDeclaration> chosen;
    QTimer::singleShot(0, [] {
        auto* screen = qobject_cast<FrmLocalizarVexa*>(QApplication::activeModalWidget());
        ASSERT_NE(screen, nullptr);
        screen->periodBox()->setCurrentIndex(screen->periodBox()->findText("122023"));
        screen->localizar();
        screen->returnButton()->click();
    });
    chosen = FrmLocalizarVexa::pick(nullptr);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->ie, kIE1);
    EXPECT_EQ(chosen->mesAno, "122023");

    // Returning without a search chooses nothing.
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    EXPECT_FALSE(FrmLocalizarVexa::pick(nullptr).has_value());
}

} // namespace
