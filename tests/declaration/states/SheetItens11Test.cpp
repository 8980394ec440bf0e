// Sheet "Itens 11 - 12.7", headless: the user types states as letters or
// codes, meets the state check and the book-value question, sees the
// domicile-B twins and the totals by domicile; the regime greys columns;
// New and Save on the declaration screen.
#include "support/EngineSql.h"
#include "declaration/topay/SheetTestSupport.h"

#include "declaration/StateMovementRules.h"
#include "declaration/ui/ChildGridGroup.h"
#include "declaration/ui/FrmVexas.h"
#include "declaration/ui/SheetMovimentacaoUF.h"
#include "declaration/ui/StateMovementModel.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>

namespace vexa::test {
namespace {

using namespace vexa::decl;
using namespace vexa::decl::ui;
using A = StateAmount;

class SheetItens11Test : public DeclarationFixture {
protected:
    void SetUp() override {
        DeclarationFixture::SetUp();
        sheet_ = new SheetMovimentacaoUF(prompter_);
        window_ = std::make_unique<SheetWindow>(sheet_);
        for (Direction d : {Direction::Entry, Direction::Output})
            testers_.push_back(std::make_unique<QAbstractItemModelTester>(
                sheet_->model(d), QAbstractItemModelTester::FailureReportingMode::Fatal));
    }
    void TearDown() override {
        testers_.clear();
        window_.reset();
        DeclarationFixture::TearDown();
    }
    OperationContext open(const QString& regime = QStringLiteral("N"), bool mudaDomicilio = false) {
        const OperationContext ctx =
            declaration(QStringLiteral("2024"), QStringLiteral("02"), regime, mudaDomicilio);
        sheet_->setContext(sheetContext(ctx));
        sheet_->sheetShown();
        settle();
        return ctx;
    }
    int column(Direction d, A a) const { return sheet_->model(d)->columnOf(a); }
    QString storedUf(const OperationContext& ctx, Direction d) {
        return test::columnText(QStringLiteral("SELECT UF || DomicilioFiscal FROM MovimentacaoPorUF WHERE IE = ? AND "
                                         "EntradaSaida = ? ORDER BY UF, DomicilioFiscal"),
                          {ctx.key.ie, QString::number(int(d))});
    }

    SheetMovimentacaoUF* sheet_ = nullptr;
    std::unique_ptr<SheetWindow> window_;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers_;
};

TEST_F(SheetItens11Test, LettersTypedInTheStateColumnStoreTheCode) {
    const OperationContext ctx = open();
    QTableView* grid = sheet_->grid(Direction::Entry);
    StateMovementModel* model = sheet_->model(Direction::Entry);
    grid->setFocus();
    settle();
    // A letter typed into the empty grid starts its first row in the state picker.
    QTest::keyClick(grid, 'q');
    settle();
    ASSERT_EQ(model->editState(), PendingRowModel::EditState::Insert);
    auto* combo = qobject_cast<QComboBox*>(QApplication::focusWidget());
    ASSERT_NE(combo, nullptr);
    QLineEdit* editor = combo->lineEdit();
    EXPECT_EQ(editor->text(), QStringLiteral("q"));
    QTest::keyClick(combo, 'x');
    QTest::keyClick(combo, Qt::Key_Return);
    settle();
    EXPECT_EQ(model->row(0).uf, QStringLiteral("29"));
    typeCell(grid, 0, column(Direction::Entry, A::ValorContabilA), QStringLiteral("100"));
    typeCell(grid, 0, column(Direction::Entry, A::BaseCalculoA), QStringLiteral("60"));
    typeCell(grid, 0, column(Direction::Entry, A::Outras), QStringLiteral("40"));
    ASSERT_TRUE(sheet_->post());
    EXPECT_TRUE(prompter_.log().isEmpty()) << prompter_.log().join('|').toStdString();
    EXPECT_EQ(storedUf(ctx, Direction::Entry), QStringLiteral("29A"));
    EXPECT_EQ(sheet_->totalText(Direction::Entry, 0, A::ValorContabilA), QStringLiteral("100,00"));
    EXPECT_EQ(sheet_->totalText(Direction::Entry, 1, A::ValorContabilA), QStringLiteral("0,00"));
    EXPECT_EQ(sheet_->totalText(Direction::Entry, 2, A::BaseCalculoA), QStringLiteral("60,00"));
    // Outputs' columns the entries do not have show nothing.
    EXPECT_EQ(sheet_->totalText(Direction::Entry, 0, A::ValorContabilB), QString());

    // A picked entry stores its code too.
    ASSERT_TRUE(sheet_->appendRow());
    typeCell(grid, 1, StateMovementModel::Uf, QStringLiteral("AC 01"));
    EXPECT_EQ(model->row(1).uf, QStringLiteral("01"));
    sheet_->cancel();
}

TEST_F(SheetItens11Test, InvalidStateAndBookValueQuestion) {
    const OperationContext ctx = open();
    QTableView* grid = sheet_->grid(Direction::Output);
    StateMovementModel* model = sheet_->model(Direction::Output);
    grid->setFocus();
    settle();
    QTest::keyClick(grid, Qt::Key_Insert);
    settle();
    ASSERT_EQ(model->rows(), 1);
    typeCell(grid, 0, StateMovementModel::Uf, QStringLiteral("00"));
    typeCell(grid, 0, column(Direction::Output, A::ValorContabilB), QStringLiteral("10"));
    EXPECT_FALSE(sheet_->post());
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: UF informada inválida!!!"));
    EXPECT_EQ(grid->currentIndex().column(), int(StateMovementModel::Uf));
    EXPECT_EQ(sheet_->tableState(), TableState::Insert);

    // A real state, a book value without its parts: the question; No keeps the row in edit.
    typeCell(grid, 0, StateMovementModel::Uf, QStringLiteral("se"));
    prompter_.queueAnswer(false);
    EXPECT_FALSE(sheet_->post());
    EXPECT_EQ(prompter_.last(), QStringLiteral("ask: ") + state_msg::DivergenciaNormal);
    EXPECT_EQ(storedUf(ctx, Direction::Output), QString());
    prompter_.queueAnswer(true);
    EXPECT_TRUE(sheet_->post());
    EXPECT_EQ(storedUf(ctx, Direction::Output), stateCodeFromTyped(QStringLiteral("SE")) + QStringLiteral("A"));
    EXPECT_EQ(sheet_->totalText(Direction::Output, 2, A::ValorContabilB), QStringLiteral("10,00"));
}

TEST_F(SheetItens11Test, TwinsOfAChangeOfDomicile) {
    const OperationContext ctx = open(QStringLiteral("N"), true);
    QTableView* grid = sheet_->grid(Direction::Output);
    StateMovementModel* model = sheet_->model(Direction::Output);
    EXPECT_FALSE(grid->isColumnHidden(StateMovementModel::Domicilio));
    grid->setFocus();
    settle();
    QTest::keyClick(grid, 'b');
    settle();
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("a"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    typeCell(grid, 0, column(Direction::Output, A::ValorContabilA), QStringLiteral("25,50"));
    typeCell(grid, 0, column(Direction::Output, A::SubsTributaria), QStringLiteral("25,50"));
    ASSERT_TRUE(sheet_->post());
    const QString ba = stateCodeFromTyped(QStringLiteral("BA"));
    ASSERT_EQ(model->rows(), 2);
    EXPECT_EQ(model->row(0).domicilioFiscal, QStringLiteral("A"));
    EXPECT_EQ(model->row(1).domicilioFiscal, QStringLiteral("B"));
    EXPECT_EQ(model->data(model->index(1, column(Direction::Output, A::ValorContabilA))).toString(),
              QStringLiteral("0,00"));
    EXPECT_EQ(sheet_->totalText(Direction::Output, 0, A::SubsTributaria), QStringLiteral("25,50"));
    EXPECT_EQ(sheet_->totalText(Direction::Output, 1, A::SubsTributaria), QStringLiteral("0,00"));

    // Typing the code of a stored row moves there; the edit is dropped.
    ASSERT_TRUE(sheet_->appendRow());
    typeCell(grid, 2, StateMovementModel::Uf, QStringLiteral("BA"));
    grid->setCurrentIndex(model->index(2, column(Direction::Output, A::ValorContabilA)));
    settle();
    EXPECT_EQ(model->rows(), 2);
    EXPECT_EQ(grid->currentIndex().row(), 0);

    // Deleting the B row deletes its A twin too.
    grid->setCurrentIndex(model->index(1, 0));
    settle();
    QString error;
    ASSERT_TRUE(sheet_->deleteCurrentRow(&error)) << error.toStdString();
    EXPECT_EQ(model->rows(), 0);
    EXPECT_EQ(rowsIn(QStringLiteral("MovimentacaoPorUF"), ctx.key), 0);
    EXPECT_EQ(sheet_->totalText(Direction::Output, 0, A::SubsTributaria), QStringLiteral("0,00"));
    (void)ba;

    // Without a change of domicile the column is hidden.
    open();
    EXPECT_TRUE(grid->isColumnHidden(StateMovementModel::Domicilio));
}

TEST_F(SheetItens11Test, SimplesNacionalTypesOnlyBookValueOtherAndSubstitution) {
    open(QStringLiteral("S"));
    for (Direction d : {Direction::Entry, Direction::Output}) {
        StateMovementModel* model = sheet_->model(d);
        ASSERT_TRUE(sheet_->gridGroup()->appendRow(int(d), true));
        for (A a : stateAmountsOf(d)) {
            const bool editable = model->flags(model->index(0, model->columnOf(a))) & Qt::ItemIsEditable;
            EXPECT_EQ(editable, a == A::ValorContabilA || a == A::ValorContabilB || a == A::Outras ||
                                    a == A::SubsTributaria)
                << int(a);
        }
        sheet_->cancel();
        EXPECT_EQ(model->rows(), 0);
    }
    // No declaration on show: nothing may be typed.
    sheet_->clear();
    EXPECT_FALSE(sheet_->appendRow());
}

TEST_F(SheetItens11Test, NewAndSaveOnTheDeclarationScreen) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("N"), true);
    ScriptedPrompter quiet(true);
    for (const auto& [uf, book] : std::initializer_list<std::pair<const char*, double>>{{"SP", 1800.4}, {"RJ", 950}, {"MG", 310.25}}) {
        StateRow row = newStateRow(Direction::Entry);
        row.uf = stateCodeFromTyped(QString::fromLatin1(uf));
        row.setAmount(A::ValorContabilA, book);
        row.setAmount(A::BaseCalculoA, book);
        row.setAmount(A::CredDebImpostoA, book * 0.12);
        ASSERT_TRUE(postStateRow(ctx, Direction::Entry, row, std::nullopt, quiet).posted());
    }
    StateRow out = newStateRow(Direction::Output);
    out.uf = stateCodeFromTyped(QStringLiteral("PE"));
    out.setAmount(A::ValorContabilA, 5000);
    out.setAmount(A::ValorContabilB, 1250.3);
    out.setAmount(A::BaseCalculoA, 5000);
    out.setAmount(A::BaseCalculoB, 1250.3);
    out.setAmount(A::CredDebImpostoA, 600);
    out.setAmount(A::CredDebImpostoB, 150.04);
    ASSERT_TRUE(postStateRow(ctx, Direction::Output, out, std::nullopt, quiet).posted());
    window_.reset();

    ScriptedPrompter prompter;
    auto screen = openScreen(prompter, ctx.key, Sheet::Itens11a127);
    ASSERT_EQ(screen->currentSheet(), Sheet::Itens11a127);
    auto* sheet = qobject_cast<SheetMovimentacaoUF*>(screen->sheetWidget(Sheet::Itens11a127));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->model(Direction::Entry)->rows(), 6);
    EXPECT_EQ(sheet->totalText(Direction::Entry, 0, A::ValorContabilA), QStringLiteral("3.060,65"));
    ASSERT_TRUE(screen->controls().novo);

    screen->novo();
    settle();
    EXPECT_TRUE(screen->isEditing());
    EXPECT_TRUE(screen->controls().gravar);
    typeCell(sheet->grid(Direction::Entry), 6, StateMovementModel::Uf, QStringLiteral("qx"));
    screen->gravar();
    settle();
    EXPECT_FALSE(screen->isEditing());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM MovimentacaoPorUF WHERE UF = '29' AND EntradaSaida = '0'")), 2);
    EXPECT_TRUE(prompter.log().isEmpty()) << prompter.log().join('|').toStdString();
    // The new row and its domicile-B twin.
    EXPECT_EQ(sheet->model(Direction::Entry)->rows(), 8);
    screenshot(*screen, QStringLiteral("sheetsa_itens11"));
}

} // namespace
} // namespace vexa::test
