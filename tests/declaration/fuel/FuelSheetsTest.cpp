// Sheets "Item 13" and "Item 14" on the declaration screen: grids only for a
// fuel retailer, the notice otherwise; a new nozzle typed from the keyboard
// gets the next number; the meter turnover refused without volume B; the
// previous-product dialog; the meter kind and remarks saved and cancelled
// with the toolbar; the alcohol invoice with a wrong CNPJ refused and the
// TOTAL. Models checked by QAbstractItemModelTester.
#include "declaration/municipality/SheetsScreen.h"

#include "declaration/ui/FrmProdutoAnterior.h"
#include "declaration/ui/FuelModels.h"
#include "declaration/ui/ListGrid.h"
#include "declaration/ui/SheetEncerrantes.h"
#include "declaration/ui/SheetGrid.h"
#include "declaration/ui/SheetInfoAlcool.h"
#include "common/ui/MaskedLineEdit.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

namespace vexa::test {
namespace {

using namespace vexa::decl;
using namespace vexa::decl::ui;

class FuelSheetsTest : public SheetsScreen {
protected:
    SheetEncerrantes* item13() { return sheet<SheetEncerrantes>(Sheet::Item13); }
    SheetInfoAlcool* item14() { return sheet<SheetInfoAlcool>(Sheet::Item14); }
    static void storedNozzle(const DeclarationKey& key, const QString& serial, int nozzle, int product,
                             qint64 initial, qint64 final) {
        exec(QStringLiteral("INSERT INTO Encerrantes (IE, Ano, Mes, Retificacao, NSerieBomba, NBico, PRODUTO, "
                            "LeituraInicial, LeituraFinal, VolComSemInterv, VolComCemInterv) "
                            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0)"),
             {key.ie, key.ano, key.mes, key.retificacao, serial, nozzle, product, initial, final, final - initial});
    }
    void setCell(QAbstractItemModel* model, int row, int column, const QVariant& value) {
        ASSERT_TRUE(model->setData(model->index(row, column), value)) << row << "," << column;
    }
};

TEST_F(FuelSheetsTest, NewNozzleFromTheKeyboardGetsTheNextNumberAndTurnoverNeedsVolumeB) {
    addTaxpayer({kFuelActivity});
    const DeclarationKey key = addDeclaration();
    storedNozzle(key, QStringLiteral("BX-1"), 1, 1, 1000, 1500);
    storedNozzle(key, QStringLiteral("BX-1"), 2, 2, 200, 300);
    openDeclaration();
    ASSERT_TRUE(screen->goToSheet(Sheet::Item13));
    SheetEncerrantes* s = item13();
    ASSERT_TRUE(s->showsGrids());
    QAbstractItemModelTester nozzleTester(s->nozzleModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    QAbstractItemModelTester tankTester(s->tankModel(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_FALSE(enabled(QStringLiteral("btnNovo"))) << "rows come from the grid on this sheet";
    ASSERT_EQ(s->nozzleModel()->rowCount(), 2);
    EXPECT_EQ(s->nozzleModel()->data(s->nozzleModel()->index(0, EncerrantesModel::VolSemInterv)).toString(),
              QStringLiteral("500"));
    EXPECT_EQ(s->nozzleModel()->data(s->nozzleModel()->index(0, EncerrantesModel::LeituraFinal)).toString(),
              QStringLiteral("1.500"));

    // Insert on the first row asks for a new one; leaving its serial proposes nozzle 3.
    ListGrid* grid = s->nozzles()->grid();
    grid->setFocus();
    grid->setCurrentIndex(s->nozzleModel()->index(0, 0));
    settle();
    QTest::keyClick(grid, Qt::Key_Insert);
    settle();
    ASSERT_EQ(s->nozzleModel()->rowCount(), 3);
    EXPECT_EQ(s->tableState(), TableState::Insert);
    typeIntoCell(grid, 2, EncerrantesModel::NSerieBomba, QStringLiteral("bx-2"));
    settle();
    EXPECT_EQ(s->nozzleModel()->data(s->nozzleModel()->index(2, EncerrantesModel::NBico)).toString(),
              QStringLiteral("3"));
    EXPECT_EQ(s->nozzleModel()->line(2).nSerieBomba, QStringLiteral("BX-2"));

    // 9.990 -> 10 without volume B is refused by Save; with it the row is stored and sold nothing without intervention.
    typeIntoCell(grid, 2, EncerrantesModel::Produto, QStringLiteral("3"));
    typeIntoCell(grid, 2, EncerrantesModel::LeituraInicial, QStringLiteral("9990"));
    typeIntoCell(grid, 2, EncerrantesModel::LeituraFinal, QStringLiteral("10"));
    EXPECT_EQ(s->nozzleModel()->line(2).produto, 3);
    prompter_.clear();
    press(QStringLiteral("btnGravar"));
    EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("warn: Deve ser informado um valor para o campo 13.5 "
                                                          "(Volume comercializado)  B (Com intervenção)!")});
    EXPECT_EQ(grid->currentIndex().column(), int(EncerrantesModel::VolComInterv));
    // Tab past the last column posts the row, as a data grid does.
    typeIntoCell(grid, 2, EncerrantesModel::VolComInterv, QStringLiteral("20"));
    EXPECT_EQ(s->tableState(), TableState::Browse) << prompter_.last().toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Encerrantes WHERE NBico = 3 AND VolComSemInterv = 0 AND "
                                   "VolComCemInterv = 20 AND LeituraFinal = 10")),
              1);
    EXPECT_EQ(grid->currentIndex().row(), s->nozzleModel()->rowCount() - 1) << "on the last row after the post";

    // Giving a row the serial and nozzle of another moves to that one and drops the edit.
    typeIntoCell(grid, 2, EncerrantesModel::NSerieBomba, QStringLiteral("BX-1"));
    typeIntoCell(grid, 2, EncerrantesModel::NBico, QStringLiteral("1"));
    settle();
    EXPECT_EQ(s->tableState(), TableState::Browse);
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(s->nozzleModel()->line(2).nSerieBomba, QStringLiteral("BX-2"));

    // Down on the last row of a grid with rows is refused by the rule of new rows.
    grid->setCurrentIndex(s->nozzleModel()->index(2, 0));
    QTest::keyClick(grid, Qt::Key_Down);
    settle();
    EXPECT_EQ(s->nozzleModel()->rowCount(), 3);
    EXPECT_EQ(s->tableState(), TableState::Browse);

    // An empty tank grid takes its first row from the keyboard, numbered 1.
    ListGrid* tanks = s->tanks()->grid();
    tanks->setFocus();
    settle();
    QTest::keyClick(tanks, Qt::Key_Insert);
    settle();
    ASSERT_EQ(s->tankModel()->rowCount(), 1);
    EXPECT_EQ(s->tankModel()->line(0).estTanque, 1);
    typeIntoCell(tanks, 0, EstTanqueModel::Produto, QStringLiteral("1 GASOLINA AUTOMOTIVA"));
    typeIntoCell(tanks, 0, EstTanqueModel::Quantidade, QStringLiteral("15000"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM EstTanque WHERE EstTanque = 1 AND PRODUTO = 1 AND "
                                   "EstQuantidade = 15000")),
              1);
    screenshot(*screen, QStringLiteral("sheetsb-item13"));
}

TEST_F(FuelSheetsTest, ChangedProductOpensThePreviousProductDialog) {
    addTaxpayer({kFuelActivity});
    const DeclarationKey key = addDeclaration();
    storedNozzle(key, QStringLiteral("BX-1"), 1, 1, 1000, 1500);
    openDeclaration();
    ASSERT_TRUE(screen->goToSheet(Sheet::Item13));
    SheetEncerrantes* s = item13();
    int asked = 0;
    s->setPreviousProductDialog([&](int product) {
        ++asked;
        EXPECT_EQ(product, 1);
        return asked == 1 ? std::optional<PreviousProduct>()
                          : std::optional<PreviousProduct>(PreviousProduct{800, 1000, QDate(2024, 2, 9)});
    });
    setCell(s->nozzleModel(), 0, EncerrantesModel::Produto, QStringLiteral("2"));
    press(QStringLiteral("btnGravar"));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(s->tableState(), TableState::Edit) << "cancelling the dialog abandons the post";
    press(QStringLiteral("btnGravar"));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(s->tableState(), TableState::Browse);
    EXPECT_EQ(value(QStringLiteral("SELECT ProdutoAnt FROM Encerrantes")).toInt(), 1);
    EXPECT_EQ(value(QStringLiteral("SELECT LeituraFinalProdAnt FROM Encerrantes")).toInt(), 1000);
    EXPECT_EQ(value(QStringLiteral("SELECT DataAlteracao FROM Encerrantes")).toString(), QStringLiteral("2024-02-09"));

    // The dialog itself.
    FrmProdutoAnterior dialog(2);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Estoque Produto Anterior"));
    EXPECT_EQ(dialog.produtoField()->text(), QStringLiteral("2 ALCOOL CARBURANTE HIDRATADO"));
    dialog.show();
    settle();
    typeText(dialog.leituraInicialField(), QStringLiteral("12a34"));
    typeText(dialog.leituraFinalField(), QStringLiteral("2000"));
    dialog.dataField()->setDate(QDate(2024, 2, 20));
    const PreviousProduct typed = dialog.typed();
    EXPECT_EQ(typed.leituraInicial, 1234);
    EXPECT_EQ(typed.leituraFinal, 2000);
    EXPECT_EQ(typed.dataAlteracao, QDate(2024, 2, 20));
    screenshot(dialog, QStringLiteral("sheetsb-produtoanterior"));
}

TEST_F(FuelSheetsTest, MeterKindAndRemarksAreSavedOrCancelledWithTheToolbar) {
    addTaxpayer({kFuelActivity});
    addDeclaration();
    openDeclaration();
    ASSERT_TRUE(screen->goToSheet(Sheet::Item13));
    SheetEncerrantes* s = item13();
    EXPECT_FALSE(s->eletronico()->isChecked());
    EXPECT_FALSE(s->mecanico()->isChecked());

    s->mecanico()->click();
    s->observacoes()->setPlainText(QStringLiteral("Lacre 'A' trocado"));
    settle();
    EXPECT_EQ(s->tableState(), TableState::Edit);
    EXPECT_TRUE(enabled(QStringLiteral("btnGravar")));
    EXPECT_FALSE(screen->goToSheet(Sheet::Item14));
    press(QStringLiteral("btnCancelar"));
    EXPECT_FALSE(s->mecanico()->isChecked());
    EXPECT_TRUE(s->observacoes()->toPlainText().isEmpty());
    EXPECT_EQ(s->tableState(), TableState::Browse);

    s->eletronico()->click();
    s->observacoes()->setPlainText(QStringLiteral("Lacre 'A' trocado"));
    settle();
    press(QStringLiteral("btnGravar"));
    EXPECT_EQ(s->tableState(), TableState::Browse);
    EXPECT_EQ(value(QStringLiteral("SELECT TipoEncerrante FROM Vexas")).toString(), QStringLiteral("E"));
    EXPECT_EQ(value(QStringLiteral("SELECT ObsEncerrantes FROM Vexas")).toString(), QStringLiteral("Lacre 'A' trocado"));
    // The screen read its row again: a later save of the row keeps the remarks.
    EXPECT_EQ(screen->row().ObsEncerrantes, QStringLiteral("Lacre 'A' trocado"));
    EXPECT_TRUE(s->eletronico()->isChecked());
}

TEST_F(FuelSheetsTest, OtherActivitiesSeeTheNotice) {
    addTaxpayer();
    addDeclaration();
    openDeclaration();
    ASSERT_TRUE(screen->goToSheet(Sheet::Item13));
    EXPECT_FALSE(item13()->showsGrids());
    EXPECT_FALSE(item13()->appendRow());
    screenshot(*screen, QStringLiteral("sheetsb-item13-aviso"));
    ASSERT_TRUE(screen->goToSheet(Sheet::Item14));
    EXPECT_FALSE(item14()->showsGrid());
}

TEST_F(FuelSheetsTest, AlcoholInvoiceWithAWrongCnpjIsRefusedAndTheTotalFollows) {
    addTaxpayer({kFuelActivity});
    addDeclaration();
    openDeclaration();
    ASSERT_TRUE(screen->goToSheet(Sheet::Item14));
    SheetInfoAlcool* s = item14();
    ASSERT_TRUE(s->showsGrid());
    QAbstractItemModelTester tester(s->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    ListGrid* grid = s->grid()->grid();
    grid->setFocus();
    settle();
    QTest::keyClick(grid, Qt::Key_Insert);
    settle();
    ASSERT_EQ(s->model()->rowCount(), 1);
    typeIntoCell(grid, 0, InfoAlcoolModel::NNotaFiscal, QStringLiteral("4521"));
    typeIntoCell(grid, 0, InfoAlcoolModel::DtEmissao, QStringLiteral("10022024"));
    typeIntoCell(grid, 0, InfoAlcoolModel::Cnpj, QStringLiteral("11222333000182"));
    typeIntoCell(grid, 0, InfoAlcoolModel::UfOrigem, QStringLiteral("sp"));
    typeIntoCell(grid, 0, InfoAlcoolModel::ValorUnitario, QStringLiteral("2,3456"));
    ASSERT_TRUE(s->model()->setData(s->model()->index(0, InfoAlcoolModel::Quantidade), QStringLiteral("15000")));
    EXPECT_EQ(s->model()->line(0).ufOrigem, QStringLiteral("26"));
    EXPECT_EQ(s->model()->line(0).dtEmissaoNota, QDate(2024, 2, 10));
    prompter_.clear();
    press(QStringLiteral("btnGravar"));
    EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("warn: CNPJ informado não é válido!")});
    EXPECT_EQ(grid->currentIndex().column(), int(InfoAlcoolModel::Cnpj));
    typeIntoCell(grid, 0, InfoAlcoolModel::Cnpj, kValidCnpj);
    press(QStringLiteral("btnGravar"));
    EXPECT_EQ(s->tableState(), TableState::Browse) << prompter_.last().toStdString();
    EXPECT_EQ(value(QStringLiteral("SELECT CnpjRemetente FROM InfoAlcool")).toString(), kValidCnpj);
    EXPECT_EQ(s->model()->data(s->model()->index(0, InfoAlcoolModel::Cnpj)).toString(),
              QStringLiteral("11.222.333/0001-81"));
    EXPECT_EQ(s->model()->data(s->model()->index(0, InfoAlcoolModel::ValorUnitario)).toString(),
              QStringLiteral("2,3456"));
    EXPECT_EQ(s->totalText(), QStringLiteral("15.000"));
    screenshot(*screen, QStringLiteral("sheetsb-item14"));

    // Deleting the invoice empties the total.
    grid->setCurrentIndex(s->model()->index(0, 0));
    prompter_.queueAnswer(true);
    press(QStringLiteral("btnExcluir"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM InfoAlcool")), 0);
    EXPECT_EQ(s->totalText(), QStringLiteral("0"));
}

} // namespace
} // namespace vexa::test
