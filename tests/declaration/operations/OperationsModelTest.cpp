// The grid model of one operation view: checked by QAbstractItemModelTester,
// money shown with separators and edited as a number, the regime's read-only
// columns, the pending row and its post, discard and delete.
#include "declaration/operations/OperationsFixture.h"

#include "declaration/ui/OperationsModel.h"

#include <QAbstractItemModelTester>
#include <QBrush>

namespace vexa::test {
namespace {

using namespace vexa::decl;
using vexa::decl::ui::OperationsModel;

class OperationsModelTest : public OperationsTest {
protected:
    static QString shown(const OperationsModel& m, int row, int column) {
        return m.data(m.index(row, column)).toString();
    }
};

TEST_F(OperationsModelTest, ShowsTheViewsRowsWithDescriptionAndFormattedAmounts) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("N"), true);
    store(ctx, k411, typed(ctx, k411, 1102, 1234567.8, 1234567.8, 0.05));
    store(ctx, k421, typed(ctx, k421, 5102, 10, 10));

    OperationsModel model(k411);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setContext(ctx);
    ASSERT_EQ(model.rowCount(), 2);   // 1102 A and its B twin; the output row is elsewhere
    EXPECT_EQ(shown(model, 0, OperationsModel::Cfop), QStringLiteral("1102"));
    EXPECT_EQ(shown(model, 0, OperationsModel::Descricao), QStringLiteral("Compra para comercialização"));
    EXPECT_EQ(shown(model, 0, OperationsModel::Domicilio), QStringLiteral("A"));
    EXPECT_EQ(shown(model, 1, OperationsModel::Domicilio), QStringLiteral("B"));
    EXPECT_FALSE(shown(model, 1, OperationsModel::Municipio).isEmpty());
    EXPECT_EQ(shown(model, 0, OperationsModel::ValorContabil), QStringLiteral("1.234.567,80"));
    EXPECT_EQ(shown(model, 0, OperationsModel::Imposto), QStringLiteral("0,05"));
    EXPECT_EQ(shown(model, 1, OperationsModel::ValorContabil), QStringLiteral("0,00"));
    EXPECT_DOUBLE_EQ(model.data(model.index(0, OperationsModel::ValorContabil), Qt::EditRole).toDouble(), 1234567.8);
    // Captions may break into two lines; the words are what tell entries from outputs.
    EXPECT_EQ(model.headerData(OperationsModel::Imposto, Qt::Horizontal).toString().replace(QLatin1Char('\n'), QLatin1Char(' ')),
              QStringLiteral("Crédito do Imposto"));
    EXPECT_EQ(OperationsModel(k421).headerData(OperationsModel::Imposto, Qt::Horizontal).toString().replace(QLatin1Char('\n'), QLatin1Char(' ')),
              QStringLiteral("Débito do Imposto"));
    EXPECT_FALSE(model.flags(model.index(0, OperationsModel::Descricao)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(model.index(0, OperationsModel::BaseCalculo)) & Qt::ItemIsEditable);
}

TEST_F(OperationsModelTest, SimplesNacionalGreysBaseTaxAndExempt) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("S"));
    store(ctx, k421, typed(ctx, k421, 5102, 10, 0, 0, 0, 10));
    OperationsModel model(k421);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setContext(ctx);
    for (int c : {OperationsModel::BaseCalculo, OperationsModel::Imposto, OperationsModel::IsentasNaoTributadas}) {
        EXPECT_FALSE(model.flags(model.index(0, c)) & Qt::ItemIsEditable) << c;
        EXPECT_TRUE(model.data(model.index(0, c), Qt::BackgroundRole).canConvert<QBrush>()) << c;
        EXPECT_FALSE(model.setData(model.index(0, c), 5.0));
    }
    for (int c : {OperationsModel::ValorContabil, OperationsModel::Outras, OperationsModel::SubstituicaoTributaria})
        EXPECT_TRUE(model.flags(model.index(0, c)) & Qt::ItemIsEditable) << c;
}

TEST_F(OperationsModelTest, PendingRowIsPostedRefusedOrDropped) {
    const OperationContext ctx = declaration();
    OperationsModel model(k411);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setContext(ctx);

    // An empty grid takes a row without the New command.
    ASSERT_EQ(model.appendRow(false), 0);
    EXPECT_EQ(model.editState(), OperationsModel::EditState::Insert);
    ASSERT_TRUE(model.setData(model.index(0, OperationsModel::Cfop), QStringLiteral("5102")));
    EXPECT_EQ(shown(model, 0, OperationsModel::Descricao),
              QStringLiteral("Venda de mercadoria adquirida ou recebida de terceiros"));
    PostOutcome out = model.submitPending(prompter_);
    EXPECT_EQ(out.status, PostStatus::Refused);
    EXPECT_EQ(OperationsModel::columnOfField(out.field), int(OperationsModel::Cfop));
    EXPECT_TRUE(model.isEditing());

    // Typed amounts: text without separators, or the number.
    ASSERT_TRUE(model.setData(model.index(0, OperationsModel::Cfop), QStringLiteral("1102")));
    ASSERT_TRUE(model.setData(model.index(0, OperationsModel::ValorContabil), QStringLiteral("1500,25")));
    ASSERT_TRUE(model.setData(model.index(0, OperationsModel::BaseCalculo), 1500.25));
    EXPECT_FALSE(model.setData(model.index(0, OperationsModel::Outras), QStringLiteral("abc")));
    EXPECT_FALSE(model.setData(model.index(0, OperationsModel::Cfop), QStringLiteral("51O2")));
    out = model.submitPending(prompter_);
    ASSERT_EQ(out.status, PostStatus::Posted) << out.message.toStdString();
    EXPECT_FALSE(model.isEditing());
    EXPECT_EQ(shown(model, 0, OperationsModel::ValorContabil), QStringLiteral("1.500,25"));

    // With rows present only the New command appends.
    EXPECT_EQ(model.appendRow(false), -1);
    ASSERT_EQ(model.appendRow(true), 1);
    ASSERT_TRUE(model.setData(model.index(1, OperationsModel::Cfop), QStringLiteral("1102")));
    out = model.submitPending(prompter_);
    EXPECT_EQ(out.status, PostStatus::Discarded);
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_FALSE(model.isEditing());

    // An edit reverted gets the stored values back; other rows wait while one is pending.
    ASSERT_TRUE(model.setData(model.index(0, OperationsModel::ValorContabil), 7.0));
    EXPECT_EQ(model.editState(), OperationsModel::EditState::Edit);
    model.revertPending();
    EXPECT_EQ(shown(model, 0, OperationsModel::ValorContabil), QStringLiteral("1.500,25"));
}

TEST_F(OperationsModelTest, TypingACodeTheGridHoldsMovesToItsRow) {
    const OperationContext ctx = declaration();
    store(ctx, k411, typed(ctx, k411, 1101, 5, 5));
    store(ctx, k411, typed(ctx, k411, 1102, 5, 5));
    OperationsModel model(k411);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setContext(ctx);
    ASSERT_EQ(model.appendRow(true), 2);
    ASSERT_TRUE(model.setData(model.index(2, OperationsModel::Cfop), QStringLiteral("1102")));
    EXPECT_EQ(model.jumpToExistingCfop(), 1);
    EXPECT_FALSE(model.isEditing());
    EXPECT_EQ(model.rowCount(), 2);
}

TEST_F(OperationsModelTest, DeletingARowTakesItsTwin) {
    const OperationContext ctx = declaration(QStringLiteral("2024"), QStringLiteral("02"), QStringLiteral("N"), true);
    store(ctx, k411, typed(ctx, k411, 1102, 5, 5));
    OperationsModel model(k411);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.setContext(ctx);
    ASSERT_EQ(model.rowCount(), 2);
    QString error;
    ASSERT_TRUE(model.removeStoredRow(1, &error)) << error.toStdString();
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
} // namespace vexa::test
