// Sheet "Itens 10 - 10.3", headless: typing starts the row, leaving a total
// asks when it differs from its parts (No returns to it), Save asks again and
// stores, Cancel and Delete; the regime disables the exempt fields; the sheet
// on the declaration screen.
#include "declaration/topay/SheetTestSupport.h"

#include "common/ui/MoneyLineEdit.h"
#include "declaration/StockDemonstration.h"
#include "declaration/ui/FrmVexas.h"
#include "declaration/ui/SheetEstoque.h"

#include <QLabel>

namespace vexa::test {
namespace {

using namespace vexa::decl;
using namespace vexa::decl::ui;

class SheetItens10Test : public DeclarationFixture {
protected:
    void SetUp() override {
        DeclarationFixture::SetUp();
        sheet_ = new SheetEstoque(prompter_);
        window_ = std::make_unique<SheetWindow>(sheet_);
    }
    void TearDown() override {
        window_.reset();
        DeclarationFixture::TearDown();
    }
    OperationContext open(const QString& regime = QStringLiteral("N")) {
        const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"), regime);
        sheet_->setContext(sheetContext(ctx));
        sheet_->sheetShown();
        settle();
        return ctx;
    }
    // Types into a field as the user does: focus, the text, then Tab to the next one.
    void type(Stock stock, StockPart part, const QString& text) {
        MoneyLineEdit* edit = sheet_->field(stock, part);
        edit->setFocus(Qt::TabFocusReason);
        settle();
        edit->selectAll();
        QTest::keyClicks(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
        settle();
    }

    SheetEstoque* sheet_ = nullptr;
    std::unique_ptr<SheetWindow> window_;
};

TEST_F(SheetItens10Test, TotalAgainstPartsWhenLeavingAndSaving) {
    const OperationContext ctx = open();
    EXPECT_EQ(sheet_->tableState(), TableState::Browse);
    type(Stock::Initial, StockPart::Tributadas, QStringLiteral("10"));
    EXPECT_EQ(sheet_->tableState(), TableState::Insert);
    type(Stock::Initial, StockPart::SubstituicaoTributaria, QStringLiteral("5"));
    prompter_.queueAnswer(false);
    type(Stock::Initial, StockPart::Total, QStringLiteral("15,01"));
    EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("ask: ") +
                                           stockTotalQuestion(Stock::Initial, StockCheckMoment::LeavingTotal)});
    // No: back to the total being left.
    EXPECT_EQ(QApplication::focusWidget(), sheet_->field(Stock::Initial, StockPart::Total));

    // Save asks the post's question; No stores nothing.
    prompter_.clear();
    prompter_.queueAnswer(false);
    EXPECT_FALSE(sheet_->post());
    EXPECT_EQ(prompter_.log(),
              QStringList{QStringLiteral("ask: ") + stockTotalQuestion(Stock::Initial, StockCheckMoment::Post)});
    EXPECT_FALSE(loadStock(ctx.key).has_value());

    // Corrected to 15,00: leaving asks nothing, Save stores the row.
    prompter_.clear();
    type(Stock::Initial, StockPart::Total, QStringLiteral("15"));
    EXPECT_TRUE(sheet_->post());
    EXPECT_TRUE(prompter_.log().isEmpty()) << prompter_.log().join('|').toStdString();
    EXPECT_EQ(sheet_->tableState(), TableState::Browse);
    const auto stored = loadStock(ctx.key);
    ASSERT_TRUE(stored.has_value());
    EXPECT_DOUBLE_EQ(stored->get(Stock::Initial, StockPart::Tributadas), 10.0);
    EXPECT_DOUBLE_EQ(stored->get(Stock::Initial, StockPart::SubstituicaoTributaria), 5.0);
    EXPECT_DOUBLE_EQ(stored->get(Stock::Initial, StockPart::Total), 15.0);
    EXPECT_EQ(sheet_->field(Stock::Initial, StockPart::Total)->text(), QStringLiteral("15,00"));

    // The final stock asks its own question; Yes stores it.
    type(Stock::Final, StockPart::Outras, QStringLiteral("1234,56"));
    EXPECT_EQ(sheet_->tableState(), TableState::Edit);
    prompter_.queueAnswer(true);
    EXPECT_TRUE(sheet_->post());
    EXPECT_EQ(prompter_.last(), QStringLiteral("ask: ") + stockTotalQuestion(Stock::Final, StockCheckMoment::Post));
    EXPECT_DOUBLE_EQ(loadStock(ctx.key)->get(Stock::Final, StockPart::Outras), 1234.56);
    EXPECT_EQ(sheet_->field(Stock::Final, StockPart::Outras)->text(), QStringLiteral("1.234,56"));
}

TEST_F(SheetItens10Test, CancelAndDelete) {
    const OperationContext ctx = open();
    type(Stock::Final, StockPart::Tributadas, QStringLiteral("7"));
    type(Stock::Final, StockPart::Total, QStringLiteral("7"));
    ASSERT_TRUE(sheet_->post());

    type(Stock::Final, StockPart::Tributadas, QStringLiteral("8"));
    EXPECT_EQ(sheet_->tableState(), TableState::Edit);
    sheet_->cancel();
    EXPECT_EQ(sheet_->tableState(), TableState::Browse);
    EXPECT_EQ(sheet_->field(Stock::Final, StockPart::Tributadas)->text(), QStringLiteral("7,00"));

    QString error;
    ASSERT_TRUE(sheet_->deleteCurrentRow(&error)) << error.toStdString();
    EXPECT_FALSE(loadStock(ctx.key).has_value());
    EXPECT_TRUE(sheet_->field(Stock::Final, StockPart::Tributadas)->text().isEmpty());
}

TEST_F(SheetItens10Test, SimplesNacionalDisablesTheExemptFields) {
    open(QStringLiteral("S"));
    for (Stock s : {Stock::Initial, Stock::Final}) {
        EXPECT_FALSE(sheet_->field(s, StockPart::IsentasNaoTributadas)->isEnabled());
        EXPECT_TRUE(sheet_->field(s, StockPart::Outras)->isEnabled());
    }
    EXPECT_FALSE(sheet_->partCaption(StockPart::IsentasNaoTributadas)->isEnabled());
    EXPECT_TRUE(sheet_->partCaption(StockPart::Outras)->isEnabled());

    open(QStringLiteral("N"));
    EXPECT_TRUE(sheet_->field(Stock::Initial, StockPart::IsentasNaoTributadas)->isEnabled());
    EXPECT_TRUE(sheet_->partCaption(StockPart::IsentasNaoTributadas)->isEnabled());

    // No declaration on show: nothing may be typed.
    sheet_->clear();
    EXPECT_FALSE(sheet_->field(Stock::Initial, StockPart::Tributadas)->isEnabled());
}

TEST_F(SheetItens10Test, OnTheDeclarationScreen) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"));
    StockRow row;
    row.set(Stock::Initial, StockPart::Tributadas, 125000.5);
    row.set(Stock::Initial, StockPart::IsentasNaoTributadas, 3200);
    row.set(Stock::Initial, StockPart::Outras, 800.1);
    row.set(Stock::Initial, StockPart::SubstituicaoTributaria, 15400);
    row.set(Stock::Initial, StockPart::Total, 144400.6);
    row.set(Stock::Final, StockPart::Tributadas, 118300);
    row.set(Stock::Final, StockPart::Total, 118300);
    ScriptedPrompter quiet;
    ASSERT_TRUE(postStock(ctx.key, row, false, quiet).posted());
    window_.reset();

    ScriptedPrompter prompter;
    auto screen = openScreen(prompter, ctx.key, Sheet::Itens10a103);
    ASSERT_EQ(screen->currentSheet(), Sheet::Itens10a103);
    auto* sheet = qobject_cast<SheetEstoque*>(screen->sheetWidget(Sheet::Itens10a103));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->field(Stock::Initial, StockPart::Total)->text(), QStringLiteral("144.400,60"));
    EXPECT_FALSE(screen->controls().novo);

    // Typing holds the screen until Save.
    MoneyLineEdit* edit = sheet->field(Stock::Final, StockPart::Outras);
    edit->setFocus(Qt::TabFocusReason);
    settle();
    QTest::keyClicks(edit, QStringLiteral("100"));
    settle();
    EXPECT_TRUE(screen->isEditing());
    prompter.queueAnswer(true);
    screen->gravar();
    settle();
    EXPECT_FALSE(screen->isEditing());
    EXPECT_DOUBLE_EQ(loadStock(ctx.key)->get(Stock::Final, StockPart::Outras), 100.0);
    screen->goToSheet(Sheet::Itens10a103);
    screenshot(*screen, QStringLiteral("sheetsa_itens10"));
}

} // namespace
} // namespace vexa::test
