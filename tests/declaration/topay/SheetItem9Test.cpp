// Sheet "Item 9", headless: the user types due dates into the grids, meets
// the due-month messages and the five-row limit, reads the totals; the
// regime and the period grey the kinds; the sheet inside the declaration
// screen.
#include "declaration/topay/SheetTestSupport.h"

#include "declaration/IcmsRecolher.h"
#include "declaration/ui/ChildGridGroup.h"
#include "declaration/ui/FrmVexas.h"
#include "declaration/ui/SheetIcmsRecolher.h"
#include "declaration/ui/ToPayModel.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QLineEdit>

namespace vexa::test {
namespace {

using namespace vexa::decl;
using namespace vexa::decl::ui;

class SheetItem9Test : public DeclarationFixture {
protected:
    void SetUp() override {
        DeclarationFixture::SetUp();
        sheet_ = new SheetIcmsRecolher(prompter_);
        window_ = std::make_unique<SheetWindow>(sheet_);
        for (ToPayKind kind : allToPayKinds())
            testers_.push_back(std::make_unique<QAbstractItemModelTester>(
                sheet_->model(kind), QAbstractItemModelTester::FailureReportingMode::Fatal));
    }
    void TearDown() override {
        testers_.clear();
        window_.reset();
        DeclarationFixture::TearDown();
    }
    DeclarationKey open(const QString& ano, const QString& mes, const QString& regime = QStringLiteral("N")) {
        const OperationContext ctx = declaration(ano, mes, regime);
        sheet_->setContext(sheetContext(ctx));
        sheet_->sheetShown();
        settle();
        return ctx.key;
    }
    void store(const DeclarationKey& key, ToPayKind kind, const QDate& due, double valor) {
        ScriptedPrompter quiet;
        ASSERT_TRUE(postToPayRow(key, kind, ToPayRow{due, valor}, std::nullopt, quiet).posted());
    }

    SheetIcmsRecolher* sheet_ = nullptr;
    std::unique_ptr<SheetWindow> window_;
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers_;
};

TEST_F(SheetItem9Test, UserTypesDueDatesAndAmounts) {
    const DeclarationKey key = open(QStringLiteral("2024"), QStringLiteral("12"));
    QTableView* grid = sheet_->grid(ToPayKind::SubstTributaria);
    ToPayModel* model = sheet_->model(ToPayKind::SubstTributaria);
    grid->setFocus();
    settle();
    EXPECT_EQ(sheet_->activeKind(), ToPayKind::SubstTributaria);

    // The first digit typed into the empty grid starts its first row.
    QTest::keyClick(grid, '1');
    settle();
    ASSERT_EQ(model->editState(), PendingRowModel::EditState::Insert);
    EXPECT_EQ(sheet_->tableState(), TableState::Insert);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("5012025"));
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
    typeCell(grid, 0, ToPayModel::Valor, QStringLiteral("1234,5"));
    ASSERT_TRUE(sheet_->post());
    EXPECT_TRUE(prompter_.log().isEmpty()) << prompter_.log().join('|').toStdString();
    EXPECT_EQ(sheet_->tableState(), TableState::Browse);
    const QList<ToPayRow> rows = loadToPayRows(key, ToPayKind::SubstTributaria);
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].dtVencimento, QDate(2025, 1, 15));
    EXPECT_DOUBLE_EQ(rows[0].valor, 1234.5);
    EXPECT_EQ(sheet_->totalText(ToPayKind::SubstTributaria), QStringLiteral("1.234,50"));
    EXPECT_EQ(model->data(model->index(0, ToPayModel::Vencimento)).toString(), QStringLiteral("15/01/2025"));

    // A due date in the period's own month: the message, and the cursor stays on the date.
    typeCell(grid, 0, ToPayModel::Vencimento, QStringLiteral("31122024"));
    EXPECT_FALSE(sheet_->post());
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: ") + topay_msg::VencimentoMenorOuIgual);
    EXPECT_EQ(model->editState(), PendingRowModel::EditState::Edit);
    EXPECT_EQ(grid->currentIndex().column(), int(ToPayModel::Vencimento));
    // Two months ahead: the other message.
    typeCell(grid, 0, ToPayModel::Vencimento, QStringLiteral("01022025"));
    EXPECT_FALSE(sheet_->post());
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: ") + topay_msg::VencimentoMaiorQueSubsequente);
    // Cancel gives the stored row back.
    sheet_->cancel();
    EXPECT_EQ(model->row(0).dtVencimento, QDate(2025, 1, 15));
    EXPECT_EQ(sheet_->tableState(), TableState::Browse);

    // Escape drops a new row; an emptied date drops it on the post, silently.
    prompter_.clear();
    ASSERT_TRUE(sheet_->appendRow());
    settle();
    ASSERT_EQ(model->rows(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    settle();
    if (model->isEditing()) QTest::keyClick(grid, Qt::Key_Escape);
    EXPECT_EQ(model->rows(), 1);
    ASSERT_TRUE(sheet_->appendRow());
    typeCell(grid, 1, ToPayModel::Valor, QStringLiteral("10"));
    EXPECT_TRUE(sheet_->post());
    EXPECT_TRUE(prompter_.log().isEmpty());
    EXPECT_EQ(loadToPayRows(key, ToPayKind::SubstTributaria).size(), 1);
}

TEST_F(SheetItem9Test, ASixthDueDateCannotBeAdded) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("01"));
    for (int day = 1; day <= 4; ++day) store(ctx.key, ToPayKind::DifAliquotaEntradas, QDate(2024, 2, day), 10);
    sheet_->setContext(sheetContext(ctx));
    QTableView* grid = sheet_->grid(ToPayKind::DifAliquotaEntradas);
    ToPayModel* model = sheet_->model(ToPayKind::DifAliquotaEntradas);
    grid->setFocus();
    grid->setCurrentIndex(model->index(3, 0));
    settle();

    // Below its first row a grid takes no new row; Insert on the first row does.
    QTest::keyClick(grid, Qt::Key_Insert);
    settle();
    EXPECT_EQ(model->rows(), 4);
    grid->setCurrentIndex(model->index(0, 0));
    QTest::keyClick(grid, Qt::Key_Insert);
    settle();
    ASSERT_EQ(model->rows(), 5);
    typeCell(grid, 4, ToPayModel::Vencimento, QStringLiteral("29022024"));
    typeCell(grid, 4, ToPayModel::Valor, QStringLiteral("50"));
    ASSERT_TRUE(sheet_->post());
    ASSERT_EQ(loadToPayRows(ctx.key, ToPayKind::DifAliquotaEntradas).size(), 5);

    // The sixth: neither the keyboard nor the New command adds it, and nothing is said.
    grid->setFocus();
    grid->setCurrentIndex(model->index(0, 0));
    QTest::keyClick(grid, Qt::Key_Insert);
    settle();
    EXPECT_FALSE(sheet_->appendRow());
    EXPECT_EQ(model->rows(), 5);
    EXPECT_EQ(sheet_->tableState(), TableState::Browse);
    EXPECT_TRUE(prompter_.log().isEmpty());
    EXPECT_EQ(sheet_->totalText(ToPayKind::DifAliquotaEntradas), QStringLiteral("90,00"));

    // Another kind still takes its first row.
    grid = sheet_->grid(ToPayKind::Normal);
    grid->setFocus();
    settle();
    QTest::keyClick(grid, Qt::Key_Insert);
    settle();
    EXPECT_EQ(sheet_->model(ToPayKind::Normal)->rows(), 1);
    sheet_->cancel();
}

TEST_F(SheetItem9Test, RegimeAndPeriodGreyTheKinds) {
    open(QStringLiteral("2015"), QStringLiteral("12"), QStringLiteral("S"));
    auto enabled = [this] {
        QString codes;
        for (ToPayKind kind : allToPayKinds()) {
            EXPECT_EQ(sheet_->grid(kind)->isEnabled(), sheet_->caption(kind)->isEnabled());
            if (sheet_->grid(kind)->isEnabled()) codes += tipoApuracao(kind);
        }
        return codes;
    };
    EXPECT_EQ(enabled(), QStringLiteral("DSC"));
    // A greyed kind takes nothing from the keyboard.
    QTest::keyClick(sheet_->grid(ToPayKind::FundoPobreza), '1');
    settle();
    EXPECT_EQ(sheet_->model(ToPayKind::FundoPobreza)->rows(), 0);
    EXPECT_FALSE(sheet_->model(ToPayKind::FundoPobreza)->flags(sheet_->model(ToPayKind::FundoPobreza)->index(0, 0)) &
                 Qt::ItemIsEditable);

    open(QStringLiteral("2016"), QStringLiteral("01"), QStringLiteral("N"));
    EXPECT_EQ(enabled(), QStringLiteral("NDSFP"));
    for (ToPayKind kind : allToPayKinds()) EXPECT_EQ(sheet_->totalText(kind), QStringLiteral("0,00"));

    // No declaration on show: everything grey, totals cleared.
    sheet_->clear();
    EXPECT_EQ(enabled(), QString());
}

TEST_F(SheetItem9Test, TotalsFollowDeletesAndOtherDeclarations) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"));
    store(ctx.key, ToPayKind::Normal, QDate(2024, 3, 10), 0.1);
    store(ctx.key, ToPayKind::Normal, QDate(2024, 3, 20), 0.2);
    store(ctx.key, ToPayKind::FundoPobreza, QDate(2024, 3, 20), 99.99);
    sheet_->setContext(sheetContext(ctx));
    EXPECT_EQ(sheet_->totalText(ToPayKind::Normal), QStringLiteral("0,30"));
    EXPECT_EQ(sheet_->totalText(ToPayKind::FundoPobreza), QStringLiteral("99,99"));

    QTableView* grid = sheet_->grid(ToPayKind::Normal);
    grid->setFocus();
    grid->setCurrentIndex(sheet_->model(ToPayKind::Normal)->index(0, 0));
    settle();
    QString error;
    ASSERT_TRUE(sheet_->deleteCurrentRow(&error)) << error.toStdString();
    EXPECT_EQ(sheet_->totalText(ToPayKind::Normal), QStringLiteral("0,20"));
    EXPECT_EQ(sheet_->model(ToPayKind::Normal)->rows(), 1);

    // A new declaration not stored yet shows nothing.
    SheetContext fresh = sheetContext(ctx);
    fresh.isNew = true;
    sheet_->setContext(fresh);
    EXPECT_EQ(sheet_->model(ToPayKind::Normal)->rows(), 0);
    EXPECT_EQ(sheet_->totalText(ToPayKind::FundoPobreza), QStringLiteral("0,00"));
}

TEST_F(SheetItem9Test, TypingAStoredDueDateMovesToItsRow) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"));
    store(ctx.key, ToPayKind::Normal, QDate(2024, 3, 10), 70);
    store(ctx.key, ToPayKind::Normal, QDate(2024, 3, 20), 30);
    sheet_->setContext(sheetContext(ctx));
    QTableView* grid = sheet_->grid(ToPayKind::Normal);
    ToPayModel* model = sheet_->model(ToPayKind::Normal);
    // The second row takes the first row's date; leaving the date column goes there, the edit dropped.
    typeCell(grid, 1, ToPayModel::Vencimento, QStringLiteral("10032024"));
    grid->setCurrentIndex(model->index(1, ToPayModel::Valor));
    settle();
    EXPECT_EQ(model->editState(), PendingRowModel::EditState::Browse);
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(model->row(1).dtVencimento, QDate(2024, 3, 20));
    EXPECT_TRUE(prompter_.log().isEmpty());
}

TEST_F(SheetItem9Test, OnTheDeclarationScreen) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"));
    store(ctx.key, ToPayKind::Normal, QDate(2024, 3, 10), 1500.75);
    store(ctx.key, ToPayKind::Normal, QDate(2024, 3, 25), 820);
    store(ctx.key, ToPayKind::SubstTributaria, QDate(2024, 3, 15), 312.4);
    store(ctx.key, ToPayKind::DifAliquotaSaidas, QDate(2024, 3, 20), 45.1);
    window_.reset();
    ScriptedPrompter prompter;
    auto screen = openScreen(prompter, ctx.key, Sheet::Item9);
    ASSERT_EQ(screen->currentSheet(), Sheet::Item9);
    auto* sheet = qobject_cast<SheetIcmsRecolher*>(screen->sheetWidget(Sheet::Item9));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->model(ToPayKind::Normal)->rows(), 2);
    EXPECT_EQ(sheet->totalText(ToPayKind::Normal), QStringLiteral("2.320,75"));
    EXPECT_FALSE(screen->controls().novo);

    // A row in edit holds the screen: no change of sheet until it is saved.
    // (Enter moves on to the amount; the row stays in edit.)
    typeCell(sheet->grid(ToPayKind::Normal), 0, ToPayModel::Vencimento, QStringLiteral("11032024"));
    EXPECT_TRUE(screen->isEditing());
    EXPECT_FALSE(screen->goToSheet(Sheet::Itens2a39));
    EXPECT_EQ(prompter.last(), QStringLiteral("warn: Grave ou Cancele as alterações antes de mudar de página!!!"));
    screen->gravar();
    settle();
    EXPECT_FALSE(screen->isEditing());
    EXPECT_EQ(loadToPayRows(ctx.key, ToPayKind::Normal).value(0).dtVencimento, QDate(2024, 3, 11));
    // Enter after the amount moves on to the next row: the row is posted there and then.
    typeCell(sheet->grid(ToPayKind::Normal), 1, ToPayModel::Valor, QStringLiteral("920"));
    EXPECT_FALSE(screen->isEditing());
    EXPECT_EQ(sheet->totalText(ToPayKind::Normal), QStringLiteral("2.420,75"));
    screenshot(*screen, QStringLiteral("sheetsa_item9"));
}

} // namespace
} // namespace vexa::test
