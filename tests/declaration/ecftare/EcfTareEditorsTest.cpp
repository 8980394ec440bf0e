// The ECF and TARE editors: their buttons on the first sheet follow the
// taxpayer's flags, the plugged editors open modally over the declaration
// screen, a TARE without its number cannot be stored and keeps the editor
// open until it is completed or cancelled, cash registers are typed, saved
// and deleted with their question. Models checked by QAbstractItemModelTester.
#include "declaration/municipality/SheetsScreen.h"

#include "declaration/EcfTare.h"
#include "declaration/ui/EcfTareModels.h"
#include "declaration/ui/FrmEcfTare.h"
#include "declaration/ui/FrmVexasPlugs.h"
#include "declaration/ui/ListGrid.h"
#include "declaration/ui/SheetGrid.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace vexa::test {
namespace {

using namespace vexa::decl;
using namespace vexa::decl::ui;

class EcfTareEditorsTest : public SheetsScreen {
protected:
    std::unique_ptr<FrmGridEditor> show(FrmGridEditor* editor) {
        std::unique_ptr<FrmGridEditor> owned(editor);
        owned->show();
        QApplication::setActiveWindow(owned.get());
        settle();
        return owned;
    }
};

TEST_F(EcfTareEditorsTest, ButtonsFollowTheTaxpayersFlagsAndOpenTheEditors) {
    addTaxpayer({QStringLiteral("4711302"), true, false});
    const DeclarationKey key = addDeclaration();
    openDeclaration();
    screen->tick();
    EXPECT_TRUE(enabled(QStringLiteral("btnTare")));
    EXPECT_FALSE(enabled(QStringLiteral("btnEcf"))) << "UsuarioECF is false";

    // The plugged TARE editor opens modally on the declaration's rows.
    QString seen;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<FrmGridEditor*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        seen = editor->windowTitle();
        EXPECT_EQ(editor->objectName(), QStringLiteral("FrmTARE"));
        ASSERT_TRUE(editor->model()->setData(editor->model()->index(0, TareModel::NumeroTare),
                                             QStringLiteral("123/2024")));
        EXPECT_TRUE(editor->retornar());
    });
    press(QStringLiteral("btnTare"));
    EXPECT_EQ(seen, QStringLiteral("TARE"));
    ASSERT_EQ(loadTare(key).size(), 1);
    EXPECT_EQ(loadTare(key).first().numeroTare, QStringLiteral("123/2024"));

    // A taxpayer that uses cash registers and holds no TARE: the other way round.
    exec(QStringLiteral("UPDATE Contribuintes SET PortadorTare = 0, UsuarioECF = 1"));
    screen.reset();
    openDeclaration();
    screen->tick();
    EXPECT_FALSE(enabled(QStringLiteral("btnTare")));
    EXPECT_TRUE(enabled(QStringLiteral("btnEcf")));
    seen.clear();
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<FrmGridEditor*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        seen = editor->windowTitle();
        editor->close();
    });
    press(QStringLiteral("btnEcf"));
    EXPECT_EQ(seen, QStringLiteral("ECF"));
    EXPECT_TRUE(loadEcf(key).isEmpty()) << "an untouched new row is not stored";
}

TEST_F(EcfTareEditorsTest, TareWithoutNumberKeepsTheEditorOpenUntilCompletedOrCancelled) {
    addTaxpayer({QStringLiteral("4711302"), true, false});
    const DeclarationKey key = addDeclaration();
    auto editor = show(makeTareEditor(key, prompter_, nullptr));
    QAbstractItemModelTester tester(editor->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(editor->sheetGrid()->captionLabel()->text(), QStringLiteral("3.4.1 - TARE"));
    ASSERT_EQ(editor->model()->rowCount(), 1) << "an empty list shows a row ready to be typed";
    ListGrid* grid = editor->sheetGrid()->grid();

    // Only the expiry date typed: Retornar and closing are refused with the message.
    typeIntoCell(grid, 0, TareModel::DataVencto, QStringLiteral("31012025"));
    EXPECT_TRUE(editor->model()->isEditing());
    prompter_.clear();
    EXPECT_FALSE(editor->retornar());
    editor->close();
    settle();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(prompter_.log(), (QStringList{QStringLiteral("warn: Número do TARE deve ser informado!"),
                                            QStringLiteral("warn: Número do TARE deve ser informado!")}));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Tare")), 0);

    // Completed, it is stored and the editor closes.
    typeIntoCell(grid, 0, TareModel::NumeroTare, QStringLiteral("tare-77"));
    EXPECT_TRUE(editor->retornar());
    EXPECT_FALSE(editor->isVisible());
    ASSERT_EQ(loadTare(key).size(), 1);
    EXPECT_EQ(loadTare(key).first().numeroTare, QStringLiteral("TARE-77"));
    EXPECT_EQ(loadTare(key).first().dataVencto, QDate(2025, 1, 31));

    // Cancelled (Escape), nothing is stored and the editor closes; deleting names the TARE.
    auto again = show(makeTareEditor(key, prompter_, nullptr));
    ASSERT_TRUE(again->model()->setData(again->model()->index(0, TareModel::DataVencto), QStringLiteral("01/02/2025")));
    again->reject();
    EXPECT_FALSE(again->model()->isEditing());
    EXPECT_EQ(again->model()->data(again->model()->index(0, TareModel::DataVencto)).toString(),
              QStringLiteral("31/01/2025"));
    again->sheetGrid()->grid()->setCurrentIndex(again->model()->index(0, 0));
    screenshot(*again, QStringLiteral("sheetsb-tare"));
    prompter_.clear();
    prompter_.queueAnswer(true);
    EXPECT_TRUE(again->excluir());
    EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("ask: Confirma Exclusão do TARE: TARE-77?")});
    EXPECT_TRUE(loadTare(key).isEmpty());
    again->reject();
    EXPECT_FALSE(again->isVisible());
}

TEST_F(EcfTareEditorsTest, CashRegistersAreTypedSavedAndDeleted) {
    addTaxpayer({QStringLiteral("4711302"), false, true});
    const DeclarationKey key = addDeclaration();
    auto editor = show(makeEcfEditor(key, prompter_, nullptr));
    QAbstractItemModelTester tester(editor->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(editor->sheetGrid()->captionLabel()->text(), QStringLiteral("3.8.1 - Detalhamento do Item Usuário ECF"));
    EXPECT_EQ(editor->button(FrmGridEditor::Command::Excluir)->text(), QStringLiteral("Excluir Linha"));
    EXPECT_EQ(editor->button(FrmGridEditor::Command::Retornar), nullptr);
    EXPECT_FALSE(editor->button(FrmGridEditor::Command::Excluir)->isEnabled()) << "the list has no rows";
    ListGrid* grid = editor->sheetGrid()->grid();

    typeIntoCell(grid, 0, EcfModel::NECF, QStringLiteral("ecf-001"));
    typeIntoCell(grid, 0, EcfModel::NFabricacao, QStringLiteral("BE091234567890123456789"));
    typeIntoCell(grid, 0, EcfModel::Marca, QStringLiteral("Bematech"));
    EXPECT_TRUE(editor->button(FrmGridEditor::Command::Gravar)->isEnabled());
    EXPECT_TRUE(editor->gravar());
    QList<EcfRow> rows = loadEcf(key);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].necf, QStringLiteral("ECF-001"));
    EXPECT_EQ(rows[0].nfabricacao.size(), 20) << "twenty characters at most";
    EXPECT_EQ(rows[0].marca, QStringLiteral("BEMATECH"));

    // A second register with the same fields is another row; Tab past the end posts it and offers a new one.
    QTest::keyClick(grid, Qt::Key_Insert);
    settle();
    ASSERT_EQ(editor->model()->rowCount(), 2);
    typeIntoCell(grid, 1, EcfModel::NECF, QStringLiteral("ECF-001"));
    typeIntoCell(grid, 1, EcfModel::Modelo, QStringLiteral("MP-4000"));
    EXPECT_EQ(loadEcf(key).size(), 2);
    EXPECT_EQ(editor->model()->rowCount(), 3);
    EXPECT_EQ(editor->model()->editState(), ListEditorModel::EditState::Insert);
    EXPECT_FALSE(editor->button(FrmGridEditor::Command::Excluir)->isEnabled()) << "a row is pending";
    editor->cancelar();
    EXPECT_EQ(editor->model()->rowCount(), 2);
    screenshot(*editor, QStringLiteral("sheetsb-ecf"));

    grid->setCurrentIndex(editor->model()->index(0, 0));
    prompter_.clear();
    prompter_.queueAnswer(false);
    EXPECT_FALSE(editor->excluir());
    EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("ask: Confirma Exclusão?")});
    prompter_.queueAnswer(true);
    EXPECT_TRUE(editor->excluir());
    rows = loadEcf(key);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].modelo, QStringLiteral("MP-4000"));
    editor->close();
    EXPECT_FALSE(editor->isVisible());
}

} // namespace
} // namespace vexa::test
