// The slip page: the report rows of the linked slips, the page structure box
// by box, and the PDF as a reader and a bank scanner see it (pdftotext,
// pdftoppm at 300 and 200 dpi, zbarimg reading interleaved 2 of 5).

#include "PageTools.h"
#include "PaymentFixture.h"

#include "common/Money.h"
#include "payment/GateReport.h"
#include "payment/SlipCode.h"
#include "payment/SlipDraw.h"
#include "payment/ui/SlipPreview.h"

#include <QDir>
#include <QFile>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

using namespace vexa;
using namespace vexa::payment;
using vexa::test::PaymentTest;
using vexa::test::haveTools;
using vexa::test::run;

namespace {

QString squeezed(QString text) { return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")); }

class SlipPageTest : public PaymentTest {
protected:
    void SetUp() override {
        PaymentTest::SetUp();
        addTaxpayer(test::kIE, "COMERCIAL VERDALENA LTDA");
    }

    // A stored DARE of a declaration of the taxpayer, written straight into `dare`.
    void addSlip(const QString& ie, const QString& ano, const QString& mes, const QString& code, const QDate& paid,
                 const QList<std::pair<QString, double>>& inputs, const QStringList& obs = {},
                 const QString& doc = {}) {
        addDeclaration(ie, ano, mes, "00", inputs);
        exec("INSERT INTO dare (IE, Ano, Mes, Retificacao, CodigoTributo, Obs1, Obs2, Obs3, Doc_Origem, DataPgto) "
             "VALUES (?, ?, ?, '00', ?, ?, ?, ?, ?, ?)",
             {ie, ano, mes, code, obs.value(0), obs.value(1), obs.value(2), doc, paid.toString("yyyy-MM-dd")});
    }
};

TEST_F(SlipPageTest, PageOfALinkedSlipBoxByBox) {
    setDueDate("2024", "01", QDate(2024, 2, 12));
    addSlip(test::kIE, "2024", "01", "101", QDate(2024, 3, 20), {{"C51", 1500}, {"C61", 500}},
            {"PRIMEIRA LINHA", "", "TERCEIRA"}, "NF 4711");
    const QList<GateRow> rows = qrRelatorioGATE(test::kIE, "012024", "00");
    ASSERT_EQ(rows.size(), 1);
    const GateRow& r = rows[0];
    // 37 days late: 10 % and the SELIC of February, on the stored payment date.
    EXPECT_NEAR(r.amounts.ccVlTotal, 1000 + 100 + 1100 * 0.01, 1e-9);

    const QList<SlipPage> pages = gatePages(rows);
    ASSERT_EQ(pages.size(), 1);
    const SlipPage& p = pages[0];
    EXPECT_EQ(p.copies, 3);
    EXPECT_EQ(p.heading, (QStringList{"GOVERNO DO ESTADO DO VERDALENA", "KORVA - SECRETARIA DE ESTADO DA FAZENDA",
                                      "SUPERINTENDÊNCIA DE GESTÃO TRIBUTÁRIA", "DARE",
                                      "Documento de  Arrecadação de  Receitas Estaduais"}));
    const QList<std::pair<QString, QStringList>> boxes = {
        {"1 - NOME/RAZÃO SOCIAL", {"COMERCIAL VERDALENA LTDA"}},
        {"2 - INSCRIÇÃO ESTADUAL", {test::kIE}},
        {"3 - CPF/CNPJ", {"11222333000181"}},
        {"4 - CÓDIGO MUNICÍPIO", {test::kIBGE}},
        {"5 - NOSSO NÚMERO", {"24112345601"}},
        {"6 - NÚMERO DE DOCUMENTO DE ORIGEM", {"NF 4711"}},
        {"7 - CÓDIGO DA RECEITA", {"101"}},
        {"8 - RECEITA ", {"ICMS Normal - Apuração Mensal"}},
        {"9 - PARCELA", {}},
        {"10 - INFORMAÇÕES COMPLEMENTARES",
         {"PRIMEIRA LINHA", "", "TERCEIRA", "Data limite para pagamento 20/03/2024."}},
        {"11 - AUTENTICAÇÃO MECÂNICA", {}},
        {"12 - DATA DE VENCIMENTO", {"12/02/2024"}},
        {"13 - PERÍODO DE REFERÊNCIA", {"01/2024"}},
        {"14 - VALOR DA RECEITA", {"1.000,00"}},
        {"15 - MULTA", {"100,00"}},
        {"16 - JUROS", {"11,00"}},
        {"17 - ATUALIZAÇÃO MONETÁRIA", {"0,00"}},
        {"18  - ", {}},
        {"19 - ", {}},
        {"20 - VALOR TOTAL", {"1.111,00"}},
    };
    ASSERT_EQ(p.boxes.size(), 20);
    for (int n = 1; n <= 20; ++n) {
        EXPECT_EQ(p.box(n).number, n);
        EXPECT_EQ(p.box(n).caption, boxes[n - 1].first);
        EXPECT_EQ(p.box(n).lines, boxes[n - 1].second) << n;
    }
    EXPECT_EQ(p.barcodeDigits, r.CodBar);
    EXPECT_EQ(p.linhaDigitavel, LinhaDigitavel(r.CodBar));
    EXPECT_EQ(p.bankNote, "O pagamento poderá ser efetuado somente na rede bancária autorizada.");
    EXPECT_EQ(p.formCaption, "10219");

    // A standalone slip fills the same content: box 6 and box 17 are what it hands in.
    SlipContent standalone = slipContent(r);
    standalone.documento = "1234567";
    standalone.Atualizacao = 12.5;
    const SlipPage sp = buildSlipPage(standalone);
    EXPECT_EQ(sp.box(6).lines, QStringList{"1234567"});
    EXPECT_EQ(sp.box(17).lines, QStringList{"12,50"});
}

TEST_F(SlipPageTest, ReportRowsFollowTheJoinsAndTheFilters) {
    addTaxpayer(test::kIE2, "SEM MUNICIPIO LTDA", "N", "");
    addSlip(test::kIE, "2024", "02", "101", QDate(2024, 3, 15), {{"C51", 100}});
    addSlip(test::kIE, "2024", "03", "999", QDate(2024, 3, 15), {{"C51", 100}});   // code not in Tributos
    addSlip(test::kIE, "2008", "06", "101", QDate(2024, 3, 15), {{"C51", 100}});   // no calendar row
    addSlip(test::kIE2, "2024", "02", "101", QDate(2024, 3, 15), {{"C51", 100}});  // no municipality
    addSlip(test::kIE, "2024", "01", "101", QDate(2024, 3, 15), {{"C51", 10}, {"C61", 20}});   // total 0
    exec("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, C51) VALUES (?, '2024', '02', '01', 300)", {test::kIE});
    exec("INSERT INTO dare (IE, Ano, Mes, Retificacao, CodigoTributo, DataPgto) VALUES (?, '2024', '02', '01', '101', "
         "'2024-03-15')",
         {test::kIE});

    EXPECT_EQ(qrRelatorioGATE("<TODOS>", "<TODOS>", "<TODOS>").size(), 3);
    const QList<GateRow> feb = qrRelatorioGATE("<TODOS>", "022024", "<TODOS>");
    ASSERT_EQ(feb.size(), 2);
    EXPECT_EQ(feb[0].Retificacao, "00");
    EXPECT_EQ(feb[1].amounts.Vl_Receita, 300);
    EXPECT_EQ(qrRelatorioGATE(test::kIE, "022024", "01").size(), 1);
    EXPECT_TRUE(qrRelatorioGATE(test::kIE2, "<TODOS>", "<TODOS>").isEmpty());

    // The slip of total 0 leaves no page; nothing to print writes no file.
    EXPECT_EQ(gatePages(qrRelatorioGATE(test::kIE, "<TODOS>", "<TODOS>")).size(), 2);
    EXPECT_TRUE(gatePages(qrRelatorioGATE(test::kIE, "012024", "00")).isEmpty());
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(writeSlipPdf(dir.filePath("none.pdf"), {}, &error));
    EXPECT_FALSE(QFile::exists(dir.filePath("none.pdf")));
}

TEST_F(SlipPageTest, ScannerReadsTheBarcodeOfEverySlipAndTheTextShowsEveryBox) {
    if (!haveTools({"pdftoppm", "pdftotext", "pdfinfo", "zbarimg"}))
        GTEST_SKIP() << "poppler-utils and zbar-tools are needed";
    setDueDate("2024", "01", QDate(2024, 2, 12));
    setDueDate("2023", "03", QDate(2023, 4, 10));
    addSlip(test::kIE, "2024", "02", "101", QDate(2024, 3, 11), {{"C51", 1234.56}});                  // on time
    addSlip(test::kIE, "2024", "01", "110", QDate(2024, 3, 20), {{"C76", 900}});                      // late
    addSlip(test::kIE, "2023", "03", "120", QDate(2024, 3, 15), {{"C83", 50000}, {"C84", 1.5}});      // old regime
    addSlip(test::kIE, "2024", "03", "130", QDate(2024, 3, 25), {{"C713", 99999.99}});
    addDeclaration(test::kIE, "2023", "11", "00");
    exec("INSERT INTO ICMSRecolher (IE, Ano, Mes, Retificacao, TipoApuracao, DtVencimento, Valor) "
         "VALUES (?, '2023', '11', '00', 'P', '2023-12-11', 77.77)",
         {test::kIE});
    exec("INSERT INTO dare (IE, Ano, Mes, Retificacao, CodigoTributo, DataPgto) VALUES (?, '2023', '11', '00', '140', "
         "'2024-03-15')",
         {test::kIE});

    const QList<GateRow> rows = qrRelatorioGATE(test::kIE, "<TODOS>", "<TODOS>");
    const QList<SlipPage> pages = gatePages(rows);
    ASSERT_EQ(pages.size(), 5);
    QSet<QString> distinct;
    for (const SlipPage& p : pages) distinct << p.barcodeDigits.mid(4, 11) + p.barcodeDigits.mid(36);
    EXPECT_EQ(distinct.size(), 5);   // five totals and share sets

    QTemporaryDir dir;
    const QString pdf = dir.filePath("dares.pdf");
    QString error;
    ASSERT_TRUE(writeSlipPdf(pdf, pages, &error)) << error.toStdString();
    EXPECT_TRUE(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+5")));
    EXPECT_TRUE(run("pdfinfo", {pdf}).contains(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 842(\\.\\d+)? pts \\(A4\\)")));

    // Rendered at the scanner's resolution; only the band of the symbol with its
    // quiet zones and a margin is rasterised, which keeps the run short.
    const QRectF band = slipBarcodeRect(pages[0]).adjusted(-kBarQuietZoneMm - 2, -4, kBarQuietZoneMm + 2, 4);
    for (const int dpi : {300, 200}) {
        auto px = [dpi](double mm) { return QString::number(qRound(mm * dpi / 25.4)); };
        for (int i = 0; i < pages.size(); ++i) {
            const QString prefix = dir.filePath(QStringLiteral("p%1-%2").arg(dpi).arg(i + 1));
            run("pdftoppm", {"-r", QString::number(dpi), "-f", QString::number(i + 1), "-l", QString::number(i + 1),
                             "-singlefile", "-gray", "-png", "-x", px(band.x()), "-y", px(band.y()), "-W",
                             px(band.width()), "-H", px(band.height()), pdf, prefix});
            const QString read = run("zbarimg", {"-q", "--raw", "-Sdisable", "-Si25.enable", prefix + ".png"}).trimmed();
            EXPECT_EQ(read, pages[i].barcodeDigits) << dpi << " dpi, page " << i + 1;
        }
    }

    // The text of the first page: every caption three times, the values and the digitable line on each copy.
    const QString text = squeezed(run("pdftotext", {"-f", "1", "-l", "1", "-layout", pdf, "-"}));
    for (const SlipBox& box : pages[0].boxes) {
        EXPECT_EQ(text.count(squeezed(box.caption).trimmed()), 3) << box.caption.toStdString();
        for (const QString& line : box.lines)
            if (!line.isEmpty()) {
                EXPECT_GE(text.count(line), 3) << line.toStdString();
            }
    }
    EXPECT_EQ(text.count(squeezed(pages[0].linhaDigitavel)), 3);
    EXPECT_EQ(text.count("O pagamento poderá ser efetuado somente na rede bancária autorizada."), 3);
    EXPECT_EQ(text.count("GOVERNO DO ESTADO DO VERDALENA"), 3);
    EXPECT_EQ(text.count("10219"), 1);
}

TEST_F(SlipPageTest, BarsAndQuietZonesAndAFileThatCannotBeWritten) {
    const QString digits = QStringLiteral("85670000012345601741302411234560711000000000");
    const QList<QRectF> bars = interleaved2of5Bars(digits);
    ASSERT_EQ(bars.size(), 2 + 22 * 5 + 2);
    for (const QRectF& b : bars) {
        EXPECT_TRUE(qFuzzyCompare(b.width(), kBarNarrowMm) || qFuzzyCompare(b.width(), kBarWideMm));
        EXPECT_GE(b.height(), 13.0);
    }
    EXPECT_GE(kBarNarrowMm, 0.25);
    EXPECT_LE(kBarNarrowMm, 0.33);
    EXPECT_GE(kBarWideMm / kBarNarrowMm, 2.5);
    EXPECT_LE(kBarWideMm / kBarNarrowMm, 3.0);
    EXPECT_NEAR(bars.last().right(), (4 + 22 * 18 + 5) * kBarNarrowMm, 1e-9);
    EXPECT_TRUE(interleaved2of5Bars("123").isEmpty());

    SlipContent c;
    c.ccVlTotal = 1234.56;
    c.CodBar = digits;
    const SlipPage page = buildSlipPage(c);
    const QRectF area = slipBarcodeRect(page);
    EXPECT_GE(area.left(), kBarQuietZoneMm);
    EXPECT_LE(area.right(), 210 - kBarQuietZoneMm);
    EXPECT_LE(area.bottom(), 297 - 5);

    // A folder that cannot hold the file: a clear message and nothing written.
    QTemporaryDir dir;
    QFile blocker(dir.filePath("arquivo"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QString error;
    EXPECT_FALSE(writeSlipPdf(dir.filePath("arquivo/dare.pdf"), {page}, &error));
    EXPECT_TRUE(error.startsWith("Não foi possível gravar o arquivo ")) << error.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{"arquivo"});
}

TEST_F(SlipPageTest, PreviewShowsOnePagePerSlip) {
    SlipContent c;
    c.RazaoSocial = "COMERCIAL VERDALENA LTDA";
    c.ccVlTotal = 10;
    c.Vl_Receita = 10;
    c.CodBar = "85670000012345601741302411234560711000000000";
    const QList<SlipPage> pages = slipPages({c, c, c});
    int shown = -1;
    const bool opened = showSlipPreview(nullptr, pages, [&](QPrintPreviewDialog& dialog) {
        dialog.resize(900, 700);
        QTimer::singleShot(0, &dialog, [&] {
            auto* view = dialog.findChild<QPrintPreviewWidget*>();
            view->updatePreview();
            shown = view ? view->pageCount() : -1;
            if (const QString dirName = qEnvironmentVariable("VEXA_SCREENSHOT_DIR"); !dirName.isEmpty())
                dialog.grab().save(QDir(dirName).filePath("SlipPreview.png"));
            dialog.reject();
        });
    });
    EXPECT_TRUE(opened);
    EXPECT_EQ(shown, 3);
    EXPECT_FALSE(showSlipPreview(nullptr, {}));
}

} // namespace
