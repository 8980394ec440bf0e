// The editors of other debits, other credits and deductions on the offscreen
// platform: typing lines, the checks through a scripted prompter, the move
// to a line whose code is chosen again, code 98, the deduction columns, the
// total handed back, the declaration screen taking it into item 6.2 and its
// apuração, and a screenshot of each editor.

#include "ListsFixture.h"

#include "../frmvexas/ScreenFixture.h"
#include "common/Prompter.h"
#include "common/ui/MoneyLineEdit.h"
#include "declaration/DeclarationService.h"
#include "declaration/ui/FrmLawEditors.h"
#include "declaration/ui/FrmVexas.h"
#include "declaration/ui/ListGrid.h"
#include "declaration/ui/SheetApuracao.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace vexa;
using namespace vexa::decl;
using namespace vexa::decl::ui;
using vexa::test::ListsFixture;

namespace {

class FrmLawEditorsTest : public ListsFixture {
protected:
    void SetUp() override {
        ListsFixture::SetUp();
        addTaxpayer();
        key = keyOf(QStringLiteral("2024"), QStringLiteral("03"));
        store(key);
    }

    template <class Editor>
    std::unique_ptr<Editor> open() {
        auto editor = std::make_unique<Editor>(key, prompter);
        tester = std::make_unique<QAbstractItemModelTester>(editor->model(),
                                                            QAbstractItemModelTester::FailureReportingMode::Fatal);
        vexa::test::activate(*editor);
        return editor;
    }
    static void set(FrmListEditor& editor, int row, int column, const QVariant& value) {
        ASSERT_TRUE(editor.model()->setData(editor.model()->index(row, column), value));
    }
    static QString shown(FrmListEditor& editor, int row, int column) {
        return editor.model()->index(row, column).data().toString();
    }
    static QString total(FrmListEditor& editor) {
        return editor.findChild<QLineEdit*>(QStringLiteral("edtTotal"))->text();
    }

    DeclarationKey key;
    ScriptedPrompter prompter{true};
    std::unique_ptr<QAbstractItemModelTester> tester;
};

} // namespace

TEST_F(FrmLawEditorsTest, OtherCreditsTypedPostedOnReturnWithTheirTotal) {
    auto editor = open<FrmOutrosCreditos>();
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("6.2.1 - Detalhamento do Campo Outros Créditos"));
    // An empty list shows a new line, the cursor on its legal basis.
    ASSERT_EQ(editor->model()->rowCount(), 1);
    EXPECT_EQ(editor->model()->editState(), ListEditorModel::EditState::Insert);
    EXPECT_EQ(editor->grid()->currentIndex().column(), LawListModel::BaseLegal);
    EXPECT_EQ(total(*editor), QStringLiteral("0,00"));

    // The drop-down offers the codes of March 2024 and hands the code to the line.
    editor->grid()->edit(editor->model()->index(0, LawListModel::BaseLegal));
    auto* combo = editor->grid()->findChild<QComboBox*>(QStringLiteral("cbBaseLegal"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->count(), int(offeredLawCodes(LawList::OutrosCred, key).size()) + 1);
    combo->setCurrentIndex(combo->findData(1));
    editor->grid()->commitOpenEditor();
    EXPECT_EQ(shown(*editor, 0, LawListModel::Origem), QStringLiteral("CRÉDITO PRESUMIDO"));
    EXPECT_TRUE(shown(*editor, 0, LawListModel::BaseLegal).startsWith(QStringLiteral("1 - Art. 9º")));

    // The amount is typed without separators; Enter on the last column posts and opens a new line.
    editor->grid()->setCurrentIndex(editor->model()->index(0, LawListModel::Valor));
    vexa::test::settle();
    editor->grid()->edit(editor->model()->index(0, LawListModel::Valor));
    auto* amount = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(amount, nullptr);
    amount->selectAll();
    vexa::test::typeText(amount, QStringLiteral("1234,5"));
    QTest::keyClick(amount, Qt::Key_Return);
    vexa::test::settle();
    EXPECT_EQ(rowsOf(QStringLiteral("OutrosCred"), key), 1);
    EXPECT_EQ(shown(*editor, 0, LawListModel::Valor), QStringLiteral("1.234,50"));
    EXPECT_EQ(total(*editor), QStringLiteral("1.234,50"));
    ASSERT_EQ(editor->model()->rowCount(), 2);
    EXPECT_EQ(editor->model()->pendingRow(), 1);

    // "&Retornar" drops the untouched new line and hands the total back.
    EXPECT_TRUE(editor->retornar());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_DOUBLE_EQ(editor->handedBackTotal(), 1234.5);
    EXPECT_EQ(rowsOf(QStringLiteral("OutrosCred"), key), 1);
    EXPECT_TRUE(prompter.log().isEmpty()) << prompter.log().join('\n').toStdString();
}

TEST_F(FrmLawEditorsTest, RefusedLineKeepsTheEditorOpenOnTheFieldAtFault) {
    auto editor = open<FrmOutrosDebitos>();
    set(*editor, 0, LawListModel::BaseLegal, 99);
    EXPECT_FALSE(editor->retornar());
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("warn: Valor deve ser maior que zero!")});
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(editor->grid()->currentIndex().column(), LawListModel::Valor);
    EXPECT_EQ(rowsOf(QStringLiteral("OutrosDeb"), key), 0);

    // Leaving the legal basis without a code says so and stays there.
    prompter.clear();
    set(*editor, 0, LawListModel::BaseLegal, 0);
    editor->grid()->setCurrentIndex(editor->model()->index(0, LawListModel::BaseLegal));
    vexa::test::settle();
    editor->grid()->setCurrentIndex(editor->model()->index(0, LawListModel::Valor));
    vexa::test::settle();
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("warn: Selecione uma base legal!")});
    EXPECT_EQ(editor->grid()->currentIndex().column(), LawListModel::BaseLegal);

    set(*editor, 0, LawListModel::BaseLegal, 99);
    set(*editor, 0, LawListModel::Valor, 10.0);
    EXPECT_TRUE(editor->retornar());
    EXPECT_DOUBLE_EQ(editor->handedBackTotal(), 10);
}

TEST_F(FrmLawEditorsTest, MovingToAnotherLinePostsThePendingOneFirst) {
    ASSERT_TRUE(postLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 1, 10), std::nullopt).posted());
    ASSERT_TRUE(postLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 3, 20), std::nullopt).posted());
    auto editor = open<FrmOutrosCreditos>();
    // A refused edit holds the cursor on its line.
    editor->grid()->setCurrentIndex(editor->model()->index(0, LawListModel::Valor));
    set(*editor, 0, LawListModel::Valor, 0.0);
    editor->grid()->setCurrentIndex(editor->model()->index(1, LawListModel::Valor));
    vexa::test::settle();
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("warn: Valor deve ser maior que zero!")});
    EXPECT_EQ(editor->grid()->currentIndex().row(), 0);
    EXPECT_EQ(editor->grid()->currentIndex().column(), LawListModel::Valor);
    EXPECT_TRUE(editor->model()->isEditing());
    // A good one is stored on the way to the other line.
    set(*editor, 0, LawListModel::Valor, 15.0);
    editor->grid()->setCurrentIndex(editor->model()->index(1, LawListModel::Valor));
    vexa::test::settle();
    EXPECT_FALSE(editor->model()->isEditing());
    EXPECT_DOUBLE_EQ(lawListTotal(LawList::OutrosCred, key), 35);
    EXPECT_EQ(total(*editor), QStringLiteral("35,00"));
    // Down on the last line opens a new one.
    editor->grid()->setCurrentIndex(editor->model()->index(1, LawListModel::Valor));
    editor->grid()->setFocus();
    QTest::keyClick(editor->grid(), Qt::Key_Down);
    vexa::test::settle();
    EXPECT_EQ(editor->model()->rowCount(), 3);
    EXPECT_EQ(editor->model()->editState(), ListEditorModel::EditState::Insert);
    EXPECT_EQ(editor->grid()->currentIndex().row(), 2);
}

TEST_F(FrmLawEditorsTest, ChoosingTheCodeOfAnotherLineMovesToIt) {
    ASSERT_TRUE(postLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 1, 10), std::nullopt).posted());
    ASSERT_TRUE(postLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 3, 20), std::nullopt).posted());
    auto editor = open<FrmOutrosCreditos>();
    ASSERT_EQ(editor->model()->rowCount(), 2);
    ASSERT_TRUE(editor->novo());
    set(*editor, 2, LawListModel::BaseLegal, 3);
    vexa::test::settle();
    EXPECT_FALSE(editor->model()->isEditing());
    EXPECT_EQ(editor->model()->rowCount(), 2);
    EXPECT_EQ(editor->grid()->currentIndex().row(), 1);
    EXPECT_TRUE(prompter.log().isEmpty());

    // Moving another line onto a code that is taken: the same.
    set(*editor, 0, LawListModel::BaseLegal, 3);
    vexa::test::settle();
    EXPECT_FALSE(editor->model()->isEditing());
    EXPECT_EQ(loadLawLines(LawList::OutrosCred, key).first().codLei, 1);
}

TEST_F(FrmLawEditorsTest, Code98OtherDebitStaysGreyAndCannotBeDeleted) {
    ASSERT_TRUE(postLawLine(LawList::OutrosDeb, key, lawLine(LawList::OutrosDeb, 98, 30), std::nullopt).posted());
    ASSERT_TRUE(postLawLine(LawList::OutrosDeb, key, lawLine(LawList::OutrosDeb, 99, 70), std::nullopt).posted());
    auto editor = open<FrmOutrosDebitos>();
    EXPECT_EQ(editor->model()->index(0, LawListModel::Valor).data(Qt::BackgroundRole).value<QBrush>().color(),
              QColor(Qt::lightGray));
    EXPECT_FALSE(editor->model()->index(1, LawListModel::Valor).data(Qt::BackgroundRole).isValid());
    EXPECT_EQ(total(*editor), QStringLiteral("100,00"));

    editor->grid()->setCurrentIndex(editor->model()->index(0, LawListModel::Valor));
    EXPECT_FALSE(editor->excluir());
    EXPECT_EQ(prompter.log(), (QStringList{QStringLiteral("ask: Confirma Exclusão?"),
                                           QStringLiteral("warn: ") + law_msg::Code98NaoExcluir}));
    editor->grid()->setCurrentIndex(editor->model()->index(1, LawListModel::Valor));
    EXPECT_TRUE(editor->excluir());
    EXPECT_EQ(editor->model()->rowCount(), 1);
    EXPECT_EQ(total(*editor), QStringLiteral("30,00"));
    vexa::test::screenshot(*editor, QStringLiteral("FrmOutrosDebitos"));
}

TEST_F(FrmLawEditorsTest, DeductionColumnsFollowTheLineAndCode3KeepsItsValue) {
    auto editor = open<FrmDeducoes>();
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("7.2.1 - Detalhamento das Deduções"));
    EXPECT_EQ(editor->findChild<QPushButton*>(QStringLiteral("btnExcluir"))->text(), QStringLiteral("Excluir Linha"));
    set(*editor, 0, DeductionsModel::BaseLegal, 1);
    EXPECT_EQ(shown(*editor, 0, DeductionsModel::ParSujIncentivo), QString());   // empty while zero
    set(*editor, 0, DeductionsModel::ICMSDevido, QStringLiteral("10000"));
    set(*editor, 0, DeductionsModel::MediaICMS, QStringLiteral("6000,00"));
    EXPECT_EQ(shown(*editor, 0, DeductionsModel::ParSujIncentivo), QStringLiteral("4.000,00"));
    EXPECT_EQ(shown(*editor, 0, DeductionsModel::ParIncentivada), QStringLiteral("3.000,00"));
    EXPECT_EQ(shown(*editor, 0, DeductionsModel::SubParIncentivada), QStringLiteral("150,00"));
    EXPECT_EQ(shown(*editor, 0, DeductionsModel::VlrDeducao), QStringLiteral("2.850,00"));
    // A computed value is not typed.
    EXPECT_FALSE(editor->model()->flags(editor->model()->index(0, DeductionsModel::VlrDeducao)) & Qt::ItemIsEditable);
    ASSERT_TRUE(editor->novo());   // posts the first line
    EXPECT_EQ(rowsOf(QStringLiteral("Deducoes"), key), 1);

    // Code 3: the value is typed and kept whatever (1) and (2) become.
    set(*editor, 1, DeductionsModel::BaseLegal, 3);
    const QModelIndex value = editor->model()->index(1, DeductionsModel::VlrDeducao);
    EXPECT_TRUE(editor->model()->flags(value) & Qt::ItemIsEditable);
    EXPECT_EQ(value.data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));
    EXPECT_EQ(editor->model()->index(1, DeductionsModel::ICMSDevido).data(Qt::BackgroundRole).value<QBrush>().color(),
              QColor(255, 255, 204));
    set(*editor, 1, DeductionsModel::VlrDeducao, QStringLiteral("1234,56"));
    set(*editor, 1, DeductionsModel::ICMSDevido, 5000.0);
    EXPECT_EQ(shown(*editor, 1, DeductionsModel::VlrDeducao), QStringLiteral("1.234,56"));
    EXPECT_TRUE(editor->retornar());
    EXPECT_DOUBLE_EQ(editor->handedBackTotal(), 4084.56);
    EXPECT_DOUBLE_EQ(loadDeductionLines(key).last().VlrDeducao, 1234.56);
}

TEST_F(FrmLawEditorsTest, DeductionWithoutOriginIsRefused) {
    auto editor = open<FrmDeducoes>();
    set(*editor, 0, DeductionsModel::ICMSDevido, 100.0);
    EXPECT_FALSE(editor->retornar());
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("warn: Selecione uma origem para a dedução!")});
    EXPECT_EQ(editor->grid()->currentIndex().column(), DeductionsModel::BaseLegal);
    // "Excluir Linha" on the new line drops it, the list stays ready for a new one.
    prompter.clear();
    EXPECT_TRUE(editor->excluir());
    EXPECT_EQ(editor->model()->rowCount(), 1);
    EXPECT_EQ(editor->model()->editState(), ListEditorModel::EditState::Insert);
    EXPECT_TRUE(editor->retornar());
    EXPECT_EQ(rowsOf(QStringLiteral("Deducoes"), key), 0);
}

TEST_F(FrmLawEditorsTest, ScreenshotsOfTheCreditAndDeductionEditors) {
    ASSERT_TRUE(postLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 1, 1500), std::nullopt).posted());
    ASSERT_TRUE(postLawLine(LawList::OutrosCred, key, lawLine(LawList::OutrosCred, 98, 42.1), std::nullopt).posted());
    DeductionLine d = deductionLine(1);
    d.ICMSDevido = 10000;
    d.MediaICMS = 6000;
    ASSERT_TRUE(postDeductionLine(key, d, std::nullopt).posted());
    DeductionLine typed = deductionLine(3);
    typed.VlrDeducao = 250;
    ASSERT_TRUE(postDeductionLine(key, typed, std::nullopt).posted());
    {
        auto editor = open<FrmOutrosCreditos>();
        vexa::test::screenshot(*editor, QStringLiteral("FrmOutrosCreditos"));
        EXPECT_EQ(total(*editor), QStringLiteral("1.542,10"));
    }
    auto editor = open<FrmDeducoes>();
    vexa::test::screenshot(*editor, QStringLiteral("FrmDeducoes"));
    EXPECT_EQ(total(*editor), QStringLiteral("3.100,00"));
}

// ---- through the declaration screen ---------------------------------------------

TEST_F(FrmLawEditorsTest, ClosingTheEditorPutsItsTotalIntoTheDeclarationAndItsApuracao) {
    exec(QStringLiteral("UPDATE Vexas SET C51 = 1000 WHERE IE = ?"), {key.ie});
    FrmVexas screen(prompter);
    vexa::test::activate(screen);
    auto* ie = screen.findChild<QLineEdit*>(QStringLiteral("EdtIE"));
    auto* mes = screen.findChild<QLineEdit*>(QStringLiteral("EdtMes"));
    auto* ano = screen.findChild<QLineEdit*>(QStringLiteral("EdtAno"));
    for (auto [edit, text] : {std::pair{ie, key.ie}, std::pair{mes, QStringLiteral("3")}, std::pair{ano, key.ano}}) {
        edit->setFocus(Qt::MouseFocusReason);
        vexa::test::settle();
        edit->selectAll();
        vexa::test::typeText(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
        vexa::test::settle();
    }
    ASSERT_EQ(screen.declState(), ui::DeclState::Browse);
    ASSERT_TRUE(screen.goToSheet(Sheet::Itens5a87));
    SheetApuracao* sheet = screen.apuracao();
    EXPECT_EQ(sheet->field(QStringLiteral("C71"))->text(), QStringLiteral("1.000,00"));

    // The real editor opens modally while the screen hides; the user types a line and returns.
    bool screenHidden = false;
    QString caption;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<FrmOutrosCreditos*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        caption = editor->windowTitle();
        screenHidden = !screen.isVisible();
        editor->model()->setData(editor->model()->index(0, LawListModel::BaseLegal), 1);
        editor->model()->setData(editor->model()->index(0, LawListModel::Valor), 400.0);
        editor->retornar();
    });
    QTest::mouseClick(sheet->listButton(ListEditor::OutrosCred), Qt::LeftButton);
    vexa::test::settle();
    EXPECT_EQ(caption, QStringLiteral("6.2.1 - Detalhamento do Campo Outros Créditos"));
    EXPECT_TRUE(screenHidden);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_DOUBLE_EQ(loadVexa(key)->C62, 400);
    EXPECT_EQ(sheet->field(QStringLiteral("C62"))->text(), QStringLiteral("400,00"));
    EXPECT_EQ(sheet->field(QStringLiteral("C65"))->text(), QStringLiteral("400,00"));
    EXPECT_EQ(sheet->field(QStringLiteral("C71"))->text(), QStringLiteral("600,00"));
}
