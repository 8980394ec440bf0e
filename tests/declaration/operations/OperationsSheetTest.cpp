// The sheet of entries, headless: the user fills grid 4.1.1 from the
// keyboard, posts, meets the checks, and reads the description box and the
// totals.
#include "declaration/operations/OperationsFixture.h"

#include "common/Money.h"
#include "declaration/ui/OperationsModel.h"
#include "declaration/ui/OperationsSheet.h"

#include <QApplication>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <QVBoxLayout>

namespace vexa::test {
namespace {

using namespace vexa::decl;
using vexa::decl::ui::OperationsModel;
using vexa::decl::ui::OperationsSheet;

void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

class OperationsSheetTest : public OperationsTest {
protected:
    void SetUp() override {
        OperationsTest::SetUp();
        window_ = std::make_unique<QWidget>();
        window_->resize(800, 600);
        auto* layout = new QVBoxLayout(window_.get());
        sheet_ = new OperationsSheet(Direction::Entry, prompter_, window_.get());
        layout->addWidget(sheet_);
        window_->show();
        window_->activateWindow();
        QApplication::setActiveWindow(window_.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    }
    void TearDown() override {
        window_.reset();
        OperationsTest::TearDown();
    }

    QTableView* grid411() const { return sheet_->grid(OperationKind::Domestic); }
    OperationsModel* model411() const { return sheet_->model(OperationKind::Domestic); }

    // Types into one cell as the user does: the cell's editor, the text, Enter.
    void typeCell(int row, int column, const QString& text) {
        QTableView* grid = grid411();
        const QModelIndex cell = model411()->index(row, column);
        grid->setCurrentIndex(cell);
        if (!grid->indexWidget(cell)) grid->edit(cell);
        settle();
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_NE(editor, nullptr) << "no editor on column " << column;
        editor->selectAll();
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        settle();
    }

    std::unique_ptr<QWidget> window_;
    OperationsSheet* sheet_ = nullptr;
};

TEST_F(OperationsSheetTest, UserFillsGrid411AndPosts) {
    const OperationContext ctx = declaration();
    sheet_->setContext(ctx);
    sheet_->focusFirstGrid();
    settle();

    // The first digit typed in the empty grid starts its first row.
    QTest::keyClick(grid411(), '1');
    settle();
    ASSERT_EQ(model411()->editState(), OperationsModel::EditState::Insert);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("1"));
    QTest::keyClicks(editor, QStringLiteral("102"));
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
    EXPECT_EQ(model411()->row(0).cfopText(), QStringLiteral("1102"));

    typeCell(0, OperationsModel::ValorContabil, QStringLiteral("1234,56"));
    typeCell(0, OperationsModel::BaseCalculo, QStringLiteral("1234,56"));
    typeCell(0, OperationsModel::Imposto, QStringLiteral("222,22"));
    EXPECT_EQ(sheet_->descriptionText(), QStringLiteral("CFOP: 1102 - Compra para comercialização"));
    // The Down key does not leave the row in edit.
    QTest::keyClick(grid411(), Qt::Key_Down);
    EXPECT_TRUE(sheet_->isEditing());

    ASSERT_TRUE(sheet_->post());
    EXPECT_TRUE(prompter_.log().isEmpty()) << prompter_.log().join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(sheet_->isEditing());
    const auto stored = findOperationRow(ctx.key, k411, 1102, kDomicileA);
    ASSERT_TRUE(stored);
    EXPECT_DOUBLE_EQ(stored->valorContabil, 1234.56);
    EXPECT_DOUBLE_EQ(stored->impostoCreditado, 222.22);
    EXPECT_EQ(sheet_->totalText(0, Amount::ValorContabil), QStringLiteral("1.234,56"));
    EXPECT_EQ(sheet_->totalText(1, Amount::ValorContabil), QStringLiteral("0,00"));
    EXPECT_EQ(sheet_->totalText(2, Amount::ImpostoCreditado), QStringLiteral("222,22"));
    EXPECT_EQ(money::toCents(sheet_->totals().total[Amount::BaseCalculo]), 123456);
}

TEST_F(OperationsSheetTest, ChecksKeepTheRowInEditUntilCancelled) {
    const OperationContext ctx = declaration();
    store(ctx, k411, typed(ctx, k411, 1101, 10, 10));
    sheet_->setContext(ctx);
    sheet_->focusFirstGrid();
    settle();

    // New on a grid with rows; an output code is sent to item 4.2.1.
    ASSERT_TRUE(sheet_->appendRow());
    settle();
    typeCell(1, OperationsModel::Cfop, QStringLiteral("5102"));
    EXPECT_FALSE(sheet_->post());
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: CFOP 5102 deve ser informado no item 4.2.1!"));
    EXPECT_EQ(grid411()->currentIndex().column(), int(OperationsModel::Cfop));
    EXPECT_TRUE(sheet_->isEditing());

    // A book value that does not add up, answered No: still in edit, focus on the book value.
    typeCell(1, OperationsModel::Cfop, QStringLiteral("1102"));
    typeCell(1, OperationsModel::ValorContabil, QStringLiteral("100"));
    typeCell(1, OperationsModel::BaseCalculo, QStringLiteral("50"));
    prompter_.queueAnswer(false);
    EXPECT_FALSE(sheet_->post());
    EXPECT_EQ(prompter_.last(), QStringLiteral("ask: ") + operation_msg::DivergenciaNormal);
    EXPECT_EQ(grid411()->currentIndex().column(), int(OperationsModel::ValorContabil));
    EXPECT_TRUE(sheet_->isEditing());

    // Cancel while a cell is still being typed: neither the row nor the text stays.
    grid411()->edit(model411()->index(1, OperationsModel::Outras));
    settle();
    ASSERT_NE(qobject_cast<QLineEdit*>(QApplication::focusWidget()), nullptr);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("50"));
    sheet_->cancel();
    settle();
    EXPECT_FALSE(sheet_->isEditing());
    EXPECT_EQ(model411()->rowCount(), 1);
    EXPECT_EQ(rowsOf(ctx, 1102, kDomicileA), 0);
}

TEST_F(OperationsSheetTest, MovingToAnotherRowOrGridPostsThePendingRow) {
    const OperationContext ctx = declaration();
    store(ctx, k411, typed(ctx, k411, 1101, 10, 10));
    store(ctx, k411, typed(ctx, k411, 1102, 20, 20));
    sheet_->setContext(ctx);
    sheet_->focusFirstGrid();
    settle();

    // An edited amount is stored when the cursor moves to the next row.
    typeCell(0, OperationsModel::ValorContabil, QStringLiteral("15"));
    typeCell(0, OperationsModel::BaseCalculo, QStringLiteral("15"));
    ASSERT_TRUE(sheet_->isEditing());
    grid411()->setCurrentIndex(model411()->index(1, OperationsModel::ValorContabil));
    settle();
    EXPECT_FALSE(sheet_->isEditing());
    EXPECT_DOUBLE_EQ(findOperationRow(ctx.key, k411, 1101, kDomicileA)->valorContabil, 15);
    EXPECT_EQ(model411()->row(grid411()->currentIndex().row()).cfopText(), QStringLiteral("1102"));
    EXPECT_EQ(sheet_->totalText(0, Amount::ValorContabil), QStringLiteral("35,00"));

    // Entering the interstate grid posts the row left pending in 4.1.1.
    typeCell(1, OperationsModel::Outras, QStringLiteral("1"));
    prompter_.queueAnswer(true);
    sheet_->grid(OperationKind::Interstate)->setFocus();
    settle();
    EXPECT_EQ(sheet_->activeKind(), OperationKind::Interstate);
    EXPECT_FALSE(sheet_->isEditing());
    EXPECT_EQ(prompter_.last(), QStringLiteral("ask: ") + operation_msg::DivergenciaNormal);
    EXPECT_DOUBLE_EQ(findOperationRow(ctx.key, k411, 1102, kDomicileA)->outras, 1);
}

TEST_F(OperationsSheetTest, LeavingAGridDropsARowWithoutDescription) {
    const OperationContext ctx = declaration();
    sheet_->setContext(ctx);
    sheet_->focusFirstGrid();
    settle();
    QTest::keyClick(grid411(), '9');
    settle();
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("999"));
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
    ASSERT_TRUE(sheet_->isEditing());
    sheet_->grid(OperationKind::Foreign)->setFocus();
    settle();
    EXPECT_FALSE(sheet_->isEditing());
    EXPECT_EQ(model411()->rowCount(), 0);
    EXPECT_TRUE(prompter_.log().isEmpty());
}

TEST_F(OperationsSheetTest, DomicileColumnsFollowItem310AndDeleteTakesTheTwin) {
    const OperationContext plain = declaration();
    sheet_->setContext(plain);
    EXPECT_TRUE(grid411()->isColumnHidden(OperationsModel::Domicilio));
    EXPECT_TRUE(grid411()->isColumnHidden(OperationsModel::Municipio));

    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("03"), QStringLiteral("N"), true);
    store(ctx, k411, typed(ctx, k411, 1102, 10, 10));
    store(ctx, k412, typed(ctx, k412, 2102, 5, 5));
    sheet_->setContext(ctx);
    EXPECT_FALSE(grid411()->isColumnHidden(OperationsModel::Domicilio));
    EXPECT_EQ(sheet_->totalText(2, Amount::ValorContabil), QStringLiteral("15,00"));
    ASSERT_EQ(model411()->rowCount(), 2);

    sheet_->focusFirstGrid();
    grid411()->setCurrentIndex(model411()->index(1, OperationsModel::Cfop));   // the B twin
    QString error;
    ASSERT_TRUE(sheet_->deleteCurrentRow(&error)) << error.toStdString();
    EXPECT_EQ(model411()->rowCount(), 0);
    EXPECT_EQ(sheet_->totalText(0, Amount::ValorContabil), QStringLiteral("5,00"));

    sheet_->clear();
    EXPECT_EQ(model411()->rowCount(), 0);
    EXPECT_EQ(sheet_->totalText(2, Amount::ValorContabil), QStringLiteral("0,00"));
}

} // namespace
} // namespace vexa::test
