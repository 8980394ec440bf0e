// The page of a standalone slip as a bank scanner reads it: the PDF rendered
// at 300 dpi by pdftoppm (only the band of the symbol) and read back by
// zbarimg as interleaved 2 of 5; its text shows the document number in box 6.

#include "../PageTools.h"
#include "../PaymentFixture.h"
#include "Printers.h"

#include "payment/GateAvulsaReport.h"
#include "payment/SlipDraw.h"

#include <QTemporaryDir>

using namespace vexa;
using namespace vexa::payment;
using vexa::test::PaymentTest;
using vexa::test::haveTools;
using vexa::test::run;

namespace {

TEST_F(PaymentTest, StandaloneSlipBarcodeReadsBackAt300Dpi) {
    if (!haveTools({"pdftoppm", "pdftotext", "zbarimg"})) GTEST_SKIP() << "poppler-utils and zbar-tools are needed";
    addTaxpayer(test::kIE, "COMERCIAL VERDALENA LTDA");
    // Two slips of one period and code, told apart by Seq: the page is the one asked for.
    exec("INSERT INTO DareAvulsas (IE, Ano, Mes, CodigoTributo, Seq, DataVencimento, ValorReceita, Multa, Juros, "
         "AtualizacaoFinaceira, NumeroDoc, TipoDoc, Objeto) VALUES "
         "(?, '2024', '02', '152', 1, '2024-03-20', 900, 50, 50, 0, '33000167000101', 'N.I. -  NOTA DE INTERPELACAO', "
         "'4'), (?, '2024', '02', '152', 9, '2024-03-20', 10, 0, 0, 0, '1', 'OUTROS A ESPECIFICAR', '0')",
         {test::kIE, test::kIE});
    const QList<SlipPage> pages = dareAvulsaPages({test::kIE, "2024", "02", "152", 1});
    ASSERT_EQ(pages.size(), 1);
    const QString digits = pages[0].barcodeDigits;
    // Collector 0173 (class 3), origin 1, NossoNumero 24 4 123456 02, shares 9000 05 05.
    EXPECT_EQ(digits.mid(4, 11), "00000100000");
    EXPECT_EQ(digits.mid(15, 7), "0173331");
    EXPECT_EQ(digits.mid(22, 11), "24412345602");
    EXPECT_EQ(digits.mid(36), "90000505");

    QTemporaryDir dir;
    const QString pdf = dir.filePath("avulso.pdf");
    QString error;
    ASSERT_TRUE(writeSlipPdf(pdf, pages, &error)) << error.toStdString();
    const QRectF band = slipBarcodeRect(pages[0]).adjusted(-kBarQuietZoneMm - 2, -4, kBarQuietZoneMm + 2, 4);
    auto px = [](double mm) { return QString::number(qRound(mm * 300 / 25.4)); };
    const QString prefix = dir.filePath("band");
    run("pdftoppm", {"-r", "300", "-singlefile", "-gray", "-png", "-x", px(band.x()), "-y", px(band.y()), "-W",
                     px(band.width()), "-H", px(band.height()), pdf, prefix});
    EXPECT_EQ(run("zbarimg", {"-q", "--raw", "-Sdisable", "-Si25.enable", prefix + ".png"}).trimmed(), digits);

    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    EXPECT_EQ(text.count("33000167000101"), 3);   // box 6 on each copy
    EXPECT_EQ(text.count("900,00"), 3);
    EXPECT_EQ(text.count("1.000,00"), 3);
}

} // namespace
