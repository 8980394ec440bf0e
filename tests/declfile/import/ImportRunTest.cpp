// The run over an accounting-system file: the file refused as a whole, a
// declaration imported or refused by its Z count, a missing Z, a second
// import of the same file, the period before 01/2009, the cancel.

#include "support/EngineSql.h"
#include "ImportFixture.h"

#include "declaration/VexaRow.h"

#include <QBuffer>

namespace vexa::test {
namespace {

using declfile::ImportEnd;

const QString kShopHeader = QStringLiteral("\r\nInscrição Estadual: 29.000.000-9\r\nRazão Social: MERCADO VERDAL LTDA"
                                           "\r\nPeríodo de Referência: 03/2024");

TEST_F(ImportTest, FileWhoseFirstLineIsNoSegmentAIsRefusedWhole) {
    AccountText text;
    text.add(lineB(periodKey(kIE), "1", 5102, 1, 0, 0, 0, 1, 0));
    addShopDeclaration(text, periodKey(kIE));
    const auto r = import(text);
    EXPECT_EQ(r.end, ImportEnd::FileRefused);
    EXPECT_EQ(r.response, QStringList{QStringLiteral("Formato do Arquivo inválido!!!")});
    EXPECT_EQ(allRowsOf(periodKey(kIE)), 0);

    const auto empty = import(QByteArray());
    EXPECT_EQ(empty.end, ImportEnd::FileRefused);
    EXPECT_EQ(empty.response, QStringList{QStringLiteral("Formato do arquivo inválido!!!")});
}

TEST_F(ImportTest, CorrectDeclarationIsStoredWholeAndMarkedImported) {
    AccountText text;
    addShopDeclaration(text, periodKey(kIE));
    const auto r = import(text);
    ASSERT_EQ(r.end, ImportEnd::Finished) << r.failure.toStdString();
    EXPECT_EQ(r.response, QStringList{kShopHeader + QStringLiteral(" Importada com sucesso.")});
    EXPECT_TRUE(r.allImported());
    EXPECT_EQ(r.imported, 1);

    const decl::DeclarationKey k = periodKey(kIE);
    const auto row = decl::loadVexa(k);
    ASSERT_TRUE(row);
    EXPECT_TRUE(row->Importado);
    EXPECT_DOUBLE_EQ(row->C51, 1000);
    EXPECT_DOUBLE_EQ(row->C61, 400);
    EXPECT_DOUBLE_EQ(row->SaldoFinalCaixa, 1750.25);
    EXPECT_EQ(row->CRCContador, QStringLiteral("QX012345"));
    EXPECT_EQ(row->NomeResponsavel, QStringLiteral("JOSÉ RESPONSÁVEL"));
    EXPECT_EQ(row->MudaDomicilio, QStringLiteral("N"));
    // The list sums replace the items the file must leave at zero.
    EXPECT_DOUBLE_EQ(row->C62, 100);
    EXPECT_DOUBLE_EQ(row->C52, 50);
    EXPECT_DOUBLE_EQ(row->C72, 30);
    EXPECT_EQ(rowsOf(QStringLiteral("MovimentacaoPorOperacoes42"), k), 4);
    EXPECT_EQ(rowsOf(QStringLiteral("MovimentacaoPorUF"), k), 2);
    EXPECT_EQ(rowsOf(QStringLiteral("ICMSRecolher"), k), 1);
    EXPECT_EQ(rowsOf(QStringLiteral("SaidasMun"), k), 1);
    EXPECT_EQ(allRowsOf(k), 1 + 11);
    // The output row carries the taxpayer's municipality and its operation kind.
    EXPECT_EQ(test::rowText(QStringLiteral("select CidadeID, TipoOperacao, ImpostoCreditado from "
                                     "MovimentacaoPorOperacoes42 where IE = ? and CodigoOperacao = 2102"),
                      {kIE}),
              QStringLiteral("2940401/1/0.0"));
    EXPECT_DOUBLE_EQ(scalarSql(QStringLiteral("select Total from SaidasMun where IE = ?"), {kIE}).toDouble(), 5800);
    // Segment A brought the taxpayer's row up to date.
    EXPECT_EQ(scalarSql(QStringLiteral("select TipoEstabelecimento || TipoEscrituracao || UsuarioECF || PortadorTare "
                                       "from Contribuintes where IE = ?"),
                        {kIE})
                  .toString(),
              QStringLiteral("MC10"));
}

TEST_F(ImportTest, ZCountsTheLinesFromAToZ) {
    AccountText text;
    addShopDeclaration(text, periodKey(kIE), 12);
    const auto r = import(text);
    EXPECT_EQ(r.end, ImportEnd::Finished);
    EXPECT_EQ(r.refused, 1);
    EXPECT_EQ(r.response, (QStringList{kShopHeader, QStringLiteral(" Segmento Z - Total de Registros da declaração "
                                                                   "informado (Z5), não confere com o existente na "
                                                                   "declaração. ")}));
    EXPECT_EQ(allRowsOf(periodKey(kIE)), 0);
    // The refused declaration left its taxpayer as it was.
    EXPECT_EQ(scalarSql(QStringLiteral("select TipoEstabelecimento from Contribuintes where IE = ?"), {kIE}).toString(),
              QStringLiteral("U"));
}

TEST_F(ImportTest, DeclarationWithoutZIsRemovedWithAnEmptyLineAfterItsHeader) {
    AccountText text;
    addShopDeclaration(text, periodKey(kIE, "02"));
    const decl::DeclarationKey k = periodKey(kIE);
    text.begin(lineA(k)).add(lineB(k, "1", 5102, 5000, 0, 0, 0, 5000, 1000));
    const auto r = import(text);
    EXPECT_EQ(r.imported, 1);
    EXPECT_EQ(r.refused, 1);
    ASSERT_EQ(r.response.size(), 3);
    EXPECT_EQ(r.response[1], kShopHeader);
    EXPECT_EQ(r.response[2], QString());
    EXPECT_EQ(allRowsOf(k), 0);
    EXPECT_EQ(allRowsOf(periodKey(kIE, "02")), 12);
}

TEST_F(ImportTest, SecondImportOfTheSameFileAnswersAlreadyStoredForEachDeclaration) {
    AccountText text;
    addShopDeclaration(text, periodKey(kIE, "02"));
    addShopDeclaration(text, periodKey(kIE, "03"));
    ASSERT_TRUE(import(text).allImported());
    const auto again = import(text);
    EXPECT_EQ(again.end, ImportEnd::Finished);
    EXPECT_EQ(again.alreadyImported, 2);
    EXPECT_FALSE(again.allImported());
    const QString already = QStringLiteral("\r\nInscrição Estadual: 29.000.000-9\r\nRazão Social: MERCADO VERDAL LTDA"
                                           "\r\nPeríodo de Referência %1/2024 Já cadastrada para esse Período de "
                                           "Referência.");
    EXPECT_EQ(again.response, (QStringList{already.arg(QStringLiteral("02")), already.arg(QStringLiteral("03"))}));
    EXPECT_EQ(allRowsOf(periodKey(kIE, "03")), 12);
}

TEST_F(ImportTest, SimplesNacionalTaxpayerWithDebitItemIsRefused) {
    const decl::DeclarationKey k = periodKey(kSimplesIE);
    SegmentA a;
    a.items[0] = 10.0;   // 5.1
    a.items[3] = 0;      // 6.1
    AccountText text;
    text.begin(lineA(k, a)).add(lineE(k, "S", QDate(2024, 4, 10), 80)).end();
    const auto r = import(text);
    EXPECT_EQ(r.refused, 1);
    EXPECT_EQ(r.response,
              (QStringList{header(QStringLiteral("29.000.002-5"), QStringLiteral("BAZAR SIMPLES ME"), "03/2024"),
                           QStringLiteral("Segmento A18 - Saída/prestações com Débito do Imposto, deve ser preenchido "
                                          "com zero quando o regime de tributação do contribuinte for igual a Simples "
                                          "Nacional.\r\n")}));
    EXPECT_EQ(allRowsOf(k), 0);

    a.items[0] = 0;
    AccountText fine;
    fine.begin(lineA(k, a)).add(lineE(k, "S", QDate(2024, 4, 10), 80)).end();
    EXPECT_TRUE(import(fine).allImported());
}

TEST_F(ImportTest, PeriodBefore2009StopsTheRunAndKeepsWhatWasImported) {
    AccountText text;
    addShopDeclaration(text, periodKey(kIE));
    const decl::DeclarationKey old = periodKey(kIE, "12", "2008");
    text.begin(lineA(old)).end();
    addShopDeclaration(text, periodKey(kIE, "04"));
    const auto r = import(text);
    EXPECT_EQ(r.end, ImportEnd::OldPeriod);
    EXPECT_EQ(r.imported, 1);
    EXPECT_EQ(r.response.size(), 1);
    EXPECT_EQ(prompter_.log(), QStringList{QStringLiteral("warn: ") + declfile::kOldPeriodWarning});
    EXPECT_EQ(allRowsOf(periodKey(kIE)), 12);
    EXPECT_EQ(allRowsOf(periodKey(kIE, "04")), 0);
}

TEST_F(ImportTest, RefusedSegmentALeavesAStoredDeclarationOfTheSameKeyAlone) {
    // A declaration typed on the screen (Importado true by default) ...
    const decl::DeclarationKey k = periodKey(kIE);
    execSql(QStringLiteral("insert into Vexas (IE, Ano, Mes, Retificacao, C51) values (?, ?, ?, ?, 77)"),
            {k.ie, k.ano, k.mes, k.retificacao});
    execSql(QStringLiteral("insert into OutrosCred (IE, Ano, Mes, Retificacao, CodLei, Valor) values (?, ?, ?, ?, 5, 1)"),
            {k.ie, k.ano, k.mes, k.retificacao});
    // ... and a file whose A record of that key is too short.
    QByteArray a = lineA(k);
    a.chop(10);
    const auto r = import(AccountText().begin(a).end());
    EXPECT_EQ(r.refused, 1);
    EXPECT_EQ(r.response.value(1), QStringLiteral("29.000.000-9 Tamanho do segmento \"A\" inválido!"));
    EXPECT_EQ(allRowsOf(k), 2);
}

TEST_F(ImportTest, LeftoverOfAnUnfinishedImportIsReplaced) {
    const decl::DeclarationKey k = periodKey(kIE);
    execSql(QStringLiteral("insert into Vexas (IE, Ano, Mes, Retificacao, C51, Importado) values (?, ?, ?, ?, 77, 0)"),
            {k.ie, k.ano, k.mes, k.retificacao});
    execSql(QStringLiteral("insert into Deducoes (IE, Ano, Mes, Retificacao, CodLei, VlrDeducao) values (?, ?, ?, ?, 3, 9)"),
            {k.ie, k.ano, k.mes, k.retificacao});
    // Rows of a key without its declaration row go too.
    const decl::DeclarationKey bare = periodKey(kIE, "04");
    execSql(QStringLiteral("insert into Deducoes (IE, Ano, Mes, Retificacao, CodLei, VlrDeducao) values (?, ?, ?, ?, 4, 9)"),
            {bare.ie, bare.ano, bare.mes, bare.retificacao});
    AccountText text;
    addShopDeclaration(text, k);
    addShopDeclaration(text, bare);
    const auto done = import(text);
    ASSERT_TRUE(done.allImported()) << done.failure.toStdString() << done.response.join("|").toStdString();
    EXPECT_DOUBLE_EQ(decl::loadVexa(k)->C51, 1000);
    for (const decl::DeclarationKey& key : {k, bare}) {
        EXPECT_EQ(rowsOf(QStringLiteral("Deducoes"), key), 1);
        EXPECT_EQ(scalarSql(QStringLiteral("select CodLei from Deducoes where IE = ? and Mes = ?"), {kIE, key.mes}).toInt(),
                  99);
    }
}

TEST_F(ImportTest, ObserverFollowsEachDeclarationAndCancelStopsAfterTheOneInHand) {
    AccountText text;
    for (const char* m : {"01", "02", "03"}) addShopDeclaration(text, periodKey(kIE, QString::fromLatin1(m)));
    QByteArray bytes = text.bytes();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QList<declfile::ImportProgress> seen;
    declfile::ImportOptions keepNothing;
    keepNothing.keepResponse = false;
    const auto r = declfile::importAccountFile(
        buffer, prompter_,
        [&](const declfile::ImportProgress& p) {
            seen << p;
            return p.declarations < 2;
        },
        keepNothing);
    EXPECT_EQ(r.end, ImportEnd::Cancelled);
    EXPECT_EQ(r.imported, 2);
    EXPECT_TRUE(r.response.isEmpty());
    ASSERT_EQ(seen.size(), 2);
    EXPECT_EQ(seen[1].bytesTotal, bytes.size());
    EXPECT_EQ(seen[1].bytesRead * 3, bytes.size() * 2);
    EXPECT_TRUE(seen[0].newLines.value(0).endsWith(QStringLiteral("01/2024 Importada com sucesso.")));
    EXPECT_EQ(allRowsOf(periodKey(kIE, "02")), 12);
    EXPECT_EQ(allRowsOf(periodKey(kIE, "03")), 0);
}

TEST_F(ImportTest, LineFeedsAloneEndLinesToo) {
    AccountText text;
    addShopDeclaration(text, periodKey(kIE));
    const auto r = import(text.bytes("\n"));
    EXPECT_TRUE(r.allImported()) << joined(r).toStdString();
}

TEST_F(ImportTest, LinesBetweenDeclarationsAreSkipped) {
    AccountText text;
    addShopDeclaration(text, periodKey(kIE, "02"));
    text.raw("\r\n").raw("X comentario\r\n");
    addShopDeclaration(text, periodKey(kIE, "03"));
    const auto r = import(text);
    EXPECT_EQ(r.imported, 2) << joined(r).toStdString();
}

} // namespace
} // namespace vexa::test
