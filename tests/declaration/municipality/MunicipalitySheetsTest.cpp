// Sheets "Itens 15" and "Item 16" on the declaration screen and the invoices
// editor: the grid or the CNAE15 page by activity, rows typed and saved with
// the toolbar, totals, the cross-check on leaving "Itens 15", the supplier
// checks, the invoices button, invoices numbered 12 twice, closing refused
// while an invoice is pending. Models checked by QAbstractItemModelTester.
#include "declaration/municipality/SheetsScreen.h"

#include "declaration/MercadMuni.h"
#include "declaration/NotasFiscais.h"
#include "declaration/ui/FrmNotasFiscais.h"
#include "declaration/ui/ListGrid.h"
#include "declaration/ui/MercadMuniModel.h"
#include "declaration/ui/NotasFiscaisModel.h"
#include "declaration/ui/SaidasMunModel.h"
#include "declaration/ui/SheetGrid.h"
#include "declaration/ui/SheetMercadMuni.h"
#include "declaration/ui/SheetSaidasMun.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

namespace vexa::test {
namespace {

using namespace vexa::decl;
using namespace vexa::decl::ui;

const QString kItem15Activity = QStringLiteral("3511501");

class MunicipalitySheetsTest : public SheetsScreen {
protected:
    SheetSaidasMun* itens15() { return sheet<SheetSaidasMun>(Sheet::Itens15); }
    SheetMercadMuni* item16() { return sheet<SheetMercadMuni>(Sheet::Item16); }
};

TEST_F(MunicipalitySheetsTest, Item15RowsTypedSavedTotalledAndCrossCheckedOnLeaving) {
    addTaxpayer({kItem15Activity});
    const DeclarationKey key = addDeclaration();
    openDeclaration();
    ASSERT_TRUE(screen->goToSheet(Sheet::Itens15));
    SheetSaidasMun* s = itens15();
    ASSERT_TRUE(s->showsGrid());
    QAbstractItemModelTester tester(s->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_TRUE(s->grid()->grid()->isColumnHidden(SaidasMunModel::Domicilio)) << "no change of domicile";
    EXPECT_TRUE(enabled(QStringLiteral("btnNovo")));

    // New appends a row; while it is pending the sheet cannot be left.
    press(QStringLiteral("btnNovo"));
    ASSERT_EQ(s->model()->rowCount(), 1);
    EXPECT_EQ(s->tableState(), TableState::Insert);
    EXPECT_TRUE(enabled(QStringLiteral("btnGravar")));
    EXPECT_FALSE(enabled(QStringLiteral("btnNovo")));
    ListGrid* grid = s->grid()->grid();
    ASSERT_TRUE(s->model()->setData(s->model()->index(0, SaidasMunModel::Municipio), kIbgeOther));
    typeIntoCell(grid, 0, SaidasMunModel::VlrContabil, QStringLiteral("1000"));
    EXPECT_FALSE(screen->goToSheet(Sheet::Item16));
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Grave ou Cancele as alterações antes de mudar de página!!!"));
    EXPECT_EQ(screen->currentSheet(), Sheet::Itens15);
    press(QStringLiteral("btnGravar"));
    EXPECT_EQ(s->tableState(), TableState::Browse);

    // Tab past the last amount posts the edit, as a data grid does.
    typeIntoCell(grid, 0, SaidasMunModel::Devolucoes, QStringLiteral("250,5"));
    EXPECT_EQ(s->tableState(), TableState::Browse);
    EXPECT_EQ(s->model()->data(s->model()->index(0, SaidasMunModel::Total)).toString(), QStringLiteral("749,50"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SaidasMun WHERE MunicipioID = ? AND VlrContabil = 1000 "
                                   "AND Devolucoes = 250.5 AND Total = 749.5"),
                    {kIbgeOther}),
              1);
    EXPECT_EQ(s->totalText(0, 0), QStringLiteral("1.000,00"));
    EXPECT_EQ(s->totalText(0, 1), QStringLiteral("250,50"));
    EXPECT_EQ(s->totalText(0, 2), QStringLiteral("749,50"));
    screenshot(*screen, QStringLiteral("sheetsb-itens15"));

    // A second row of the same municipality is refused and dropped.
    press(QStringLiteral("btnNovo"));
    ASSERT_TRUE(s->model()->setData(s->model()->index(1, SaidasMunModel::Municipio), kIbgeOther));
    prompter_.clear();
    press(QStringLiteral("btnGravar"));
    EXPECT_EQ(prompter_.log(),
              QStringList{QStringLiteral("warn: Já existe um registro cadastrado para o município Alto Bonito")});
    EXPECT_EQ(s->model()->rowCount(), 1);

    // Outputs 1.000,00 against 999,99 of the listed CFOPs: the 15.3 warning, and the sheet still changes.
    exec(QStringLiteral("INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, "
                        "DomicilioFiscal, EntradaSaida, TipoOperacao, ValorContabil) VALUES (?, ?, ?, ?, 5102, 'A', "
                        "'1', '0', 999.99)"),
         {key.ie, key.ano, key.mes, key.retificacao});
    prompter_.clear();
    ASSERT_TRUE(screen->goToSheet(Sheet::Item16));
    ASSERT_EQ(prompter_.log().size(), 2);
    EXPECT_TRUE(prompter_.log()[0].startsWith(QStringLiteral("warn: O valor Total da coluna 15.3")));
    EXPECT_TRUE(prompter_.log()[0].contains(QStringLiteral("interna: 999,99 para")));
    EXPECT_TRUE(prompter_.log()[1].startsWith(QStringLiteral("warn: O valor Total da coluna 15.4")));
    EXPECT_EQ(screen->currentSheet(), Sheet::Item16);

    // Delete asks and removes the row; the totals follow.
    ASSERT_TRUE(screen->goToSheet(Sheet::Itens15));
    s->grid()->focusCell(0);
    prompter_.clear();
    prompter_.queueAnswer(true);
    press(QStringLiteral("btnExcluir"));
    EXPECT_EQ(prompter_.log().first(), QStringLiteral("ask: Confirma Exclusão?"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SaidasMun")), 0);
    EXPECT_EQ(s->totalText(0, 0), QStringLiteral("0,00"));
}

TEST_F(MunicipalitySheetsTest, ActivityOutsideTheListSeesTheGuidancePageAndNoCrossCheck) {
    addTaxpayer();
    addDeclaration();
    openDeclaration();
    ASSERT_TRUE(screen->goToSheet(Sheet::Itens15));
    SheetSaidasMun* s = itens15();
    EXPECT_FALSE(s->showsGrid());
    EXPECT_TRUE(s->guidance()->isVisible());
    EXPECT_TRUE(s->guidance()->toPlainText().contains(QStringLiteral("Este item não se aplica a este contribuinte.")));
    EXPECT_FALSE(s->appendRow());
    screenshot(*screen, QStringLiteral("sheetsb-itens15-cnae15"));
    prompter_.clear();
    ASSERT_TRUE(screen->goToSheet(Sheet::Item16));
    EXPECT_TRUE(prompter_.log().isEmpty());
}

TEST_F(MunicipalitySheetsTest, Item16SupplierChecksTwinsAndTheInvoicesButton) {
    addTaxpayer();
    addDeclaration(QStringLiteral("2024"), QStringLiteral("02"), true);
    openDeclaration();
    ASSERT_TRUE(screen->goToSheet(Sheet::Item16));
    SheetMercadMuni* s = item16();
    QAbstractItemModelTester tester(s->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    ListGrid* grid = s->grid()->grid();
    EXPECT_FALSE(grid->isColumnHidden(MercadMuniModel::Domicilio)) << "the domicile changed in the month";

    // The taxpayer's own IE, typed through its mask, is refused.
    press(QStringLiteral("btnNovo"));
    typeIntoCell(grid, 0, MercadMuniModel::IEEmpresa, QStringLiteral("290000009"));
    EXPECT_EQ(s->model()->line(0).ieEmpresa, kTaxpayerIE);
    EXPECT_EQ(s->model()->data(s->model()->index(0, MercadMuniModel::IEEmpresa)).toString(),
              QStringLiteral("29.000.000-9"));
    typeIntoCell(grid, 0, MercadMuniModel::MunicipioCodigo, QString::number(kIbgeOther));
    EXPECT_EQ(s->model()->data(s->model()->index(0, MercadMuniModel::MunicipioNome)).toString(),
              QStringLiteral("Alto Bonito"));
    prompter_.clear();
    press(QStringLiteral("btnGravar"));
    EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("warn: Identificação da Empresa (IE) deve ser diferente da "
                                                          "inscrição estadual do contribuinte POSTO D'ÁVILA & "
                                                          "FILHOS LTDA")});
    EXPECT_EQ(s->tableState(), TableState::Insert);

    typeIntoCell(grid, 0, MercadMuniModel::IEEmpresa, kSupplier1);
    press(QStringLiteral("btnGravar"));
    ASSERT_EQ(s->tableState(), TableState::Browse) << prompter_.last().toStdString();
    ASSERT_EQ(s->model()->rowCount(), 2) << "the row and its B twin";
    EXPECT_EQ(s->model()->line(1).domicilioFiscal, QStringLiteral("B"));

    // Typing an IE the sheet already lists (for the domicile) and leaving its column moves to that row.
    press(QStringLiteral("btnNovo"));
    const int fresh = s->model()->rowCount() - 1;
    typeIntoCell(grid, fresh, MercadMuniModel::IEEmpresa, kSupplier1);
    settle();
    EXPECT_EQ(s->tableState(), TableState::Browse);
    EXPECT_EQ(s->model()->rowCount(), 2);
    EXPECT_EQ(grid->currentIndex().row(), s->model()->rowOf(kSupplier1, QStringLiteral("A")));

    // The invoices button: the invoices' total becomes the supplier's value.
    int opened = 0;
    s->setInvoicesOpener([&](const SupplierKey& supplier, Prompter& p, QWidget*) {
        ++opened;
        EXPECT_EQ(supplier.ieEmpresa, kSupplier1);
        EXPECT_EQ(supplier.domicilioFiscal, QStringLiteral("A"));
        NotaFiscalRow n;
        n.numNota = 11 + opened;
        n.valor = opened == 1 ? 300.25 : 100.0;
        EXPECT_TRUE(postNotaFiscal(supplier, n, std::nullopt, false, p).posted());
        return notasFiscaisTotal(supplier);
    });
    s->openInvoices(0);
    EXPECT_EQ(opened, 1);
    EXPECT_DOUBLE_EQ(findMercadoria(screen->context().key, kSupplier1, QStringLiteral("A"))->valor, 300.25);
    EXPECT_EQ(s->totalText(0), QStringLiteral("300,25"));
    EXPECT_EQ(s->totalText(1), QStringLiteral("0,00"));

    // With the row in edit, the button saves it first and finds it again by its IE.
    const int a = s->model()->rowOf(kSupplier1, QStringLiteral("A"));
    typeIntoCell(grid, a, MercadMuniModel::MunicipioCodigo, QString::number(kIbgeB));
    EXPECT_EQ(s->tableState(), TableState::Edit);
    s->openInvoices(a);
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(s->tableState(), TableState::Browse);
    EXPECT_EQ(findMercadoria(screen->context().key, kSupplier1, QStringLiteral("A"))->municipioID, kIbgeB);
    EXPECT_DOUBLE_EQ(findMercadoria(screen->context().key, kSupplier1, QStringLiteral("A"))->valor, 400.25);
    screenshot(*screen, QStringLiteral("sheetsb-item16"));

    // Clicking "TOTAL" puts the focus on the grid.
    screen->findChild<QLineEdit*>(QStringLiteral("EdtIE"));
    QTest::mouseClick(s->totalCaption(), Qt::LeftButton);
    settle();
    EXPECT_TRUE(grid->hasFocus());
}

TEST_F(MunicipalitySheetsTest, InvoicesEditorRefusesTwelveTwiceAndClosingWhilePending) {
    addTaxpayer();
    const DeclarationKey key = addDeclaration();
    const MunicipalityContext ctx = loadMunicipalityContext(key);
    MercadoriaRow supplierRow = newMercadoriaRow();
    applyMercadoriaIE(ctx, supplierRow, kSupplier1);
    applyMercadoriaMunicipio(supplierRow, kIbgeOther);
    ASSERT_TRUE(postMercadoriaRow(ctx, supplierRow, std::nullopt, prompter_).posted());

    std::unique_ptr<FrmGridEditor> editor(makeNotasFiscaisEditor({key, kSupplier1, QStringLiteral("A")}, prompter_, nullptr));
    QAbstractItemModelTester tester(editor->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    editor->show();
    QApplication::setActiveWindow(editor.get());
    settle();
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Notas Fiscais"));
    EXPECT_FALSE(editor->button(FrmGridEditor::Command::Excluir)->isEnabled()) << "no invoices yet";
    ListGrid* grid = editor->sheetGrid()->grid();

    ASSERT_TRUE(editor->novo());
    typeIntoCell(grid, 0, NotasFiscaisModel::NumNota, QStringLiteral("12"));
    typeIntoCell(grid, 0, NotasFiscaisModel::Valor, QStringLiteral("100,50"));
    EXPECT_EQ(editor->model()->data(editor->model()->index(0, NotasFiscaisModel::NumNota)).toString(),
              QStringLiteral("000012"));
    ASSERT_TRUE(editor->gravar()) << prompter_.last().toStdString();
    EXPECT_EQ(editor->totalField()->text(), QStringLiteral("100,50"));
    EXPECT_TRUE(editor->button(FrmGridEditor::Command::Excluir)->isEnabled());

    ASSERT_TRUE(editor->novo());
    EXPECT_FALSE(editor->button(FrmGridEditor::Command::Excluir)->isEnabled()) << "an invoice is pending";
    typeIntoCell(grid, 1, NotasFiscaisModel::NumNota, QStringLiteral("12"));
    typeIntoCell(grid, 1, NotasFiscaisModel::Valor, QStringLiteral("5"));
    prompter_.clear();
    EXPECT_FALSE(editor->gravar());
    EXPECT_EQ(prompter_.log(),
              QStringList{QStringLiteral("warn: Já existe um registro cadastrado para o número de nota:  12")});
    screenshot(*editor, QStringLiteral("sheetsb-notasfiscais"));

    // Closing is refused while the invoice is pending, whichever way it is asked.
    prompter_.clear();
    EXPECT_FALSE(editor->retornar());
    editor->close();
    settle();
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(prompter_.log(),
              (QStringList{QStringLiteral("warn: Grave ou Cancele as alterações antes de mudar de retornar!!!"),
                           QStringLiteral("warn: Grave ou Cancele as alterações antes de mudar de retornar!!!")}));

    // Escape cancels the pending invoice; then the first one is deleted on Yes.
    editor->reject();
    EXPECT_FALSE(editor->model()->isEditing());
    EXPECT_EQ(editor->model()->rowCount(), 1);
    grid->setCurrentIndex(editor->model()->index(0, 0));
    prompter_.clear();
    prompter_.queueAnswer(false);
    EXPECT_FALSE(editor->excluir());
    EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("ask: Confirma exclusão?")});
    prompter_.queueAnswer(true);
    EXPECT_TRUE(editor->excluir());
    EXPECT_EQ(editor->totalField()->text(), QStringLiteral("0,00"));
    EXPECT_TRUE(editor->retornar());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_DOUBLE_EQ(editor->model()->handedBackTotal(), 0.0);
}

} // namespace
} // namespace vexa::test
