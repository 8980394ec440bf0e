// The declaration screen with a month as large as the layout allows: amounts
// of hundreds of millions in every grid and long accented names. At the
// screen's default size nothing a clerk must read is cut, each operation grid
// shows three whole rows, and the grids grow when the screen is maximised.

#include "ScreenFixture.h"

#include "common/ui/GridFit.h"
#include "common/ui/MoneyLineEdit.h"
#include "declaration/ui/FrmVexas.h"
#include "storage/Database.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScreen>
#include <QSqlField>
#include <QSqlRecord>
#include <QTableView>

using namespace vexa;
using namespace vexa::test;
using namespace vexa::decl;
using namespace vexa::decl::ui;

namespace {

const double kHuge = 999999999.99;
// 80 characters with accents, as long as a description may be.
const QString kLongText = QStringLiteral("AQUISIÇÃO DE MERCADORIAS PARA COMERCIALIZAÇÃO EM OPERAÇÕES COM SUBSTITUIÇÃO ÚNICA");
const QString kLongName = QStringLiteral("DISTRIBUIDORA DE COMBUSTÍVEIS E LUBRIFICANTES SÃO JOÃO");

class FrmVexasFitTest : public ScreenFixture {
protected:
    void TearDown() override {
        screen.reset();
        ScreenFixture::TearDown();
    }

    static void row(const QString& table, const QString& columns, const QVariantList& values) {
        QStringList marks;
        for (qsizetype i = 0; i < values.size() + 4; ++i) marks << QStringLiteral("?");
        QVariantList all{kIE1, QStringLiteral("2024"), QStringLiteral("03"), QStringLiteral("00")};
        all += values;
        exec(QStringLiteral("INSERT INTO %1 (IE, Ano, Mes, Retificacao, %2) VALUES (%3)")
                 .arg(table, columns, marks.join(u',')),
             all);
    }

    // Every real column of the declaration's rows at the widest amount, rates and readings aside.
    static void fillAmounts(const QString& table) {
        const QSqlRecord record = storage::db().record(table);
        for (int i = 0; i < record.count(); ++i) {
            const QString column = record.fieldName(i);
            if (record.field(i).metaType().id() != QMetaType::Double) continue;
            if (column.startsWith(QLatin1String("Aliquota")) || column.startsWith(QLatin1String("Leitura")) ||
                column == QLatin1String("Origem") || column == QLatin1String("Destino"))
                continue;
            exec(QStringLiteral("UPDATE %1 SET %2 = ? WHERE IE = ?").arg(table, column), {kHuge, kIE1});
        }
    }

    void SetUp() override {
        ScreenFixture::SetUp();
        // Fuel retail, so that the sheets of items 13 and 14 show their grids.
        if (count("SELECT count(*) FROM Atividades WHERE Codigo = '4731800'") == 0)
            exec("INSERT INTO Atividades (Codigo, Descricao) VALUES ('4731800', ?)", {kLongText});
        addTaxpayer(kIE1, kLongName, "N", "4731800");
        addAccountant("1QX123456", "QX", kLongName);
        addDeclaration(kIE1, "2024", "03");
        const qint64 home = taxpayerIBGE(kIE1);
        const qint64 other = value("SELECT CodIBGE FROM Municipios WHERE UF = 'QX' AND CodIBGE <> ? "
                                   "ORDER BY CodIBGE LIMIT 1",
                                   {home})
                                 .toLongLong();
        exec("UPDATE Vexas SET MudaDomicilio = 'S', CidadeB = ?, DtIniB = '2024-03-01', DtFimB = '2024-03-14', "
             "DtIniA = '2024-03-15', DtFimA = '2024-03-31', CRCContador = '1QX123456', UF = 'QX', CPF = ?, "
             "NomeResponsavel = ?",
             {other, kCPF, kLongName});
        fillAmounts("Vexas");

        const QString ops = "CodigoOperacao,DomicilioFiscal,EntradaSaida,CidadeID,TipoOperacao,BaseCalculo,"
                            "IsentasNaoTributadas,Outras,SubstituicaoTributaria,ValorContabil,ImpostoCreditado";
        const QList<int> codes = {1102, 1403, 1556, 2102, 2403, 2556, 3102, 3127, 3949,
                                  5102, 5405, 5929, 6102, 6108, 6404, 7102, 7127, 7949};
        for (int code : codes) {
            const QString io = code < 5000 ? "0" : "1";
            const QString kind = QString::number((code / 1000 - 1) % 4);   // 1/5 domestic, 2/6 interstate, 3/7 foreign
            row("MovimentacaoPorOperacoes42", ops, {code, "A", io, home, kind, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
            row("MovimentacaoPorOperacoes42", ops, {code, "B", io, other, kind, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
            exec("UPDATE cfop SET Descricao = ? WHERE CFOP = ?", {kLongText, code});
        }
        const QString states = "EntradaSaida,UF,DomicilioFiscal,ValorContabilA,ValorContabilB,BaseCalculoA,"
                               "BaseCalculoB,CredDebImpostoA,CredDebImpostoB,IsentasNaoTributadas,Outras,"
                               "SubsTributaria";
        for (const char* uf : {"14", "26", "29", "35"})
            for (const char* io : {"0", "1"})
                row("MovimentacaoPorUF", states, {io, uf, "A", 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
        row("DemostrativoEstoque",
              "EITributadas,EIIsentasNaoTributadas,EIOutras,EISubstituicaoTributaria,EITotal,EFTributadas,"
              "EFIsentasNaoTributadas,EFOutras,EFSubstituicaoTributaria,EFTotal",
              {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
        row("ICMSRecolher", "TipoApuracao,DtVencimento,Valor", {"N", "2024-04-10", 0.0});
        const QString pumps = "NSerieBomba,NBico,PRODUTO,LeituraInicial,LeituraFinal,VolComSemInterv,"
                              "VolComCemInterv,LeituraInicialProdAnt,LeituraFinalProdAnt,ProdutoAnt,DataAlteracao";
        row("Encerrantes", pumps, {"BOMBA-0000000001", 2, 2, 5000, 5600, 600, 0, 0, 0, 0, QVariant()});
        row("Encerrantes", pumps, {"BOMBA-0000000001", 1, 1, 1000, 1500, 500, 0, 700, 900, 2, "2024-03-10"});
        row("EstTanque", "EstTanque,PRODUTO,EstQuantidade", {1, 2, 15000});
        row("InfoAlcool", "NNotaFiscal,DtEmissaoNota,CnpjRemetente,UfOrigem,ValorUnitario,Quantidade",
              {4567, "2024-03-05", "11222333000181", "29", 3.4567, 1500.6});
        row("SaidasMun", "MunicipioID,DomicilioFiscal,VlrContabil,Devolucoes,Total,CIdadeID",
              {other, "A", 0.0, 0.0, 0.0, home});
        row("MercadMuni", "IEEmpresa,DomicilioFiscal,MunicipioID,Valor,CidadeID", {"290000025", "A", other, 0.0, home});
        for (const char* table : {"MovimentacaoPorOperacoes42", "MovimentacaoPorUF", "DemostrativoEstoque",
                                  "ICMSRecolher", "SaidasMun", "MercadMuni"})
            fillAmounts(QString::fromLatin1(table));
    }

    void open() {
        screen = std::make_unique<FrmVexas>(prompter);
        activate(*screen);
        for (auto [name, text] : {std::pair{"EdtIE", kIE1}, {"EdtMes", QStringLiteral("03")}, {"EdtAno", QStringLiteral("2024")}}) {
            auto* e = vexa::test::child<QLineEdit>(*screen, QString::fromLatin1(name));
            e->setFocus(Qt::MouseFocusReason);
            settle();
            e->selectAll();
            typeText(e, text);
            QTest::keyClick(e, Qt::Key_Tab);
            settle();
        }
        ASSERT_EQ(screen->declState(), DeclState::Browse) << prompter.log().join('\n').toStdString();
    }

    // What is cut on the sheet on show: "grid: header 3", "grid: row 0 column 4 «text»".
    QStringList cutTexts() const {
        QStringList cut;
        for (QTableView* grid : screen->sheetWidget(screen->currentSheet())->findChildren<QTableView*>()) {
            if (!grid->isVisible()) continue;
            const QString name = grid->objectName();
            const QAbstractItemModel* model = grid->model();
            for (int c = 0; c < model->columnCount(); ++c) {
                if (grid->isColumnHidden(c)) continue;
                if (grid->horizontalHeader()->isVisible() && vexa::ui::headerElided(grid->horizontalHeader(), c))
                    cut << QStringLiteral("%1: header %2 «%3»").arg(name).arg(c).arg(model->headerData(c, Qt::Horizontal).toString());
                // The text column may elide (its tooltip holds the whole text); nothing else.
                if (c == vexa::ui::textColumnOf(grid)) continue;
                for (int r = 0; r < model->rowCount(); ++r)
                    if (vexa::ui::cellElided(grid, r, c)) {
                        cut << QStringLiteral("%1: column %2 «%3»").arg(name).arg(c).arg(model->index(r, c).data().toString());
                        break;
                    }
            }
            // Columns wider than the grid are reached by its scroll bar (a totals
            // panel without header scrolls with the grid above it).
            if (grid->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff && grid->horizontalHeader()->isVisible() &&
                grid->horizontalHeader()->length() > grid->viewport()->width())
                cut << QStringLiteral("%1: columns past the right edge").arg(name);
            if (grid->verticalHeader()->isVisible())
                for (int r = 0; r < model->rowCount(); ++r)
                    if (vexa::ui::headerElided(grid->verticalHeader(), r)) {
                        cut << QStringLiteral("%1: line %2 «%3»").arg(name).arg(r).arg(model->headerData(r, Qt::Vertical).toString());
                        break;
                    }
        }
        // Amount fields show the whole amount.
        for (const QLineEdit* edit : screen->sheetWidget(screen->currentSheet())->findChildren<QLineEdit*>()) {
            if (!edit->isVisible() || !qobject_cast<const MoneyLineEdit*>(edit)) continue;
            const int room = edit->contentsRect().width() - edit->textMargins().left() - edit->textMargins().right() - 4;
            if (edit->fontMetrics().horizontalAdvance(edit->text()) > room)
                cut << QStringLiteral("%1 «%2»").arg(edit->objectName(), edit->text());
        }
        return cut;
    }

    ScriptedPrompter prompter;
    std::unique_ptr<FrmVexas> screen;
};

TEST_F(FrmVexasFitTest, NothingIsCutAtTheDefaultSizeAndTheGridsGrowWhenMaximised) {
    open();
    for (int i = 0; i < kSheetCount; ++i) {
        ASSERT_TRUE(screen->goToSheet(Sheet(i))) << i;
        screen->tick();
        settle();
        EXPECT_EQ(cutTexts(), QStringList{}) << "sheet " << i;
        const QWidget* sheet = screen->sheetWidget(Sheet(i));
        EXPECT_LE(sheet->minimumSizeHint().height(), sheet->height()) << "sheet " << i << " overlaps itself";
        screenshot(*screen, QStringLiteral("fit_sheet_%1").arg(i, 2, 10, QLatin1Char('0')));
    }
    ASSERT_TRUE(screen->goToSheet(Sheet::Item41));
    settle();
    const QList<QTableView*> grids = screen->sheetWidget(screen->currentSheet())->findChildren<QTableView*>(QStringLiteral("grid4.1.1"));
    ASSERT_EQ(grids.size(), 1);
    const int before = grids[0]->viewport()->height();

    screen->setGeometry(0, 0, 1280, 1024);
    settle();
    EXPECT_GT(grids[0]->viewport()->height(), before);
    for (int i = 0; i < kSheetCount; ++i) {
        ASSERT_TRUE(screen->goToSheet(Sheet(i))) << i;
        settle();
        EXPECT_EQ(screen->size(), QSize(1280, 1024)) << "a change of sheet keeps the size the user gave";
        EXPECT_EQ(cutTexts(), QStringList{}) << "sheet " << i << " maximised";
        screenshot(*screen, QStringLiteral("fit_max_sheet_%1").arg(i, 2, 10, QLatin1Char('0')));
    }
}

TEST_F(FrmVexasFitTest, EachOperationGridShowsThreeWholeRows) {
    open();
    for (Sheet sheet : {Sheet::Item41, Sheet::Item42}) {
        ASSERT_TRUE(screen->goToSheet(sheet));
        settle();
        const QList<QTableView*> grids = screen->sheetWidget(screen->currentSheet())->findChildren<QTableView*>(
            QRegularExpression(QStringLiteral("^grid4\\.[12]\\.[123]$")));
        ASSERT_EQ(grids.size(), 3);
        for (QTableView* grid : grids) {
            const int rowHeight = grid->verticalHeader()->defaultSectionSize();
            EXPECT_GE(grid->viewport()->height(), 3 * rowHeight) << grid->objectName().toStdString();
            // Two rows: both whole.
            EXPECT_GE(grid->rowViewportPosition(1) + rowHeight, 0);
            EXPECT_LE(grid->rowViewportPosition(1) + rowHeight, grid->viewport()->height())
                << grid->objectName().toStdString();
        }
    }
}

} // namespace

TEST_F(FrmVexasFitTest, TabAndEnterPassOverTheColumnsNobodyTypesIn) {
    open();
    ASSERT_TRUE(screen->goToSheet(Sheet::Item41));
    settle();
    auto* grid = vexa::test::child<QTableView>(*screen, QStringLiteral("grid4.1.1"));
    const QAbstractItemModel* model = grid->model();
    grid->setFocus(Qt::MouseFocusReason);
    grid->setCurrentIndex(model->index(0, 0));   // the CFOP
    settle();
    // Description, domicile and municipality are looked up: the first amount comes next.
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentIndex().column(), 4);
    QTest::keyClick(grid, Qt::Key_Enter);   // Enter acts as Tab
    EXPECT_EQ(grid->currentIndex().column(), 5);
    QTest::keyClick(grid, Qt::Key_Backtab);
    QTest::keyClick(grid, Qt::Key_Backtab);
    EXPECT_EQ(grid->currentIndex().column(), 0);
    EXPECT_EQ(grid->currentIndex().row(), 0);
    for (int c : {1, 2, 3}) EXPECT_FALSE(model->flags(model->index(0, c)).testFlag(Qt::ItemIsEditable)) << c;
}

TEST_F(FrmVexasFitTest, MunicipalityGridOfItem15NothingCut) {
    // A taxpayer whose activity puts it in item 15 (the fuel sheets then stay closed).
    if (count("SELECT count(*) FROM Atividades WHERE Codigo = '3511501'") == 0)
        exec("INSERT INTO Atividades (Codigo, Descricao) VALUES ('3511501', ?)", {kLongText});
    exec("UPDATE Contribuintes SET AtividadeEconomicaPrincip = '3511501' WHERE IE = ?", {kIE1});
    open();
    ASSERT_TRUE(screen->goToSheet(Sheet::Itens15));
    settle();
    ASSERT_FALSE(screen->sheetWidget(Sheet::Itens15)->findChildren<QTableView*>().isEmpty());
    EXPECT_EQ(cutTexts(), QStringList{});
    screenshot(*screen, QStringLiteral("fit_sheet_09_item15"));
}
