// The print of stored declarations: what the reads give each section (outer
// lookups of the reference tables, the CFOP year), the PDF read back with
// pdftotext, a long declaration running on to further pages, an unwritable
// target, and the batch command.
#include "PrintFixture.h"

#include "common/Clock.h"
#include "print/DeclarationPrint.h"
#include "storage/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

namespace vexa::test {
namespace {

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

class PrintPdf : public PrintTest {
protected:
    void SetUp() override {
        PrintTest::SetUp();
        Clock::setInstance(&clock_);
    }
    void TearDown() override {
        Clock::setInstance(nullptr);
        PrintTest::TearDown();
    }

    static print::DeclarationPrint compute(const decl::DeclarationKey& key = marchDeclaration()) {
        QString error;
        const auto p = print::computeDeclarationPrint(key, storage::currentFolder(), &error);
        EXPECT_TRUE(p) << error.toStdString();
        return p ? *p : print::DeclarationPrint{};
    }

    // The PDF of the declaration as pdftotext reads it back; pages drawn into
    // VEXA_SCREENSHOT_DIR when it is set.
    QString pdfText(const QString& name, const decl::DeclarationKey& key = marchDeclaration()) {
        const QString pdf = out_.filePath(name + QStringLiteral(".pdf"));
        QString error;
        EXPECT_TRUE(print::writeDeclarationPdf(compute(key), pdf, &error)) << error.toStdString();
        QProcess p;
        p.start(QStringLiteral("pdftotext"),
                {QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(30000));
        const QString shots = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
        if (!shots.isEmpty())
            QProcess::execute(QStringLiteral("pdftoppm"),
                              {QStringLiteral("-r"), QStringLiteral("110"), QStringLiteral("-png"), pdf,
                               QDir(shots).filePath(QStringLiteral("print_") + name)});
        return QString::fromUtf8(p.readAllStandardOutput());
    }

    FixedClock clock_{QDateTime(QDate(2024, 3, 15), QTime(14, 30, 5))};
    QTemporaryDir out_;
};

TEST_F(PrintPdf, SectionsReadFromEveryTable) {
    storeFull();
    const print::DeclarationPrint p = compute();
    EXPECT_EQ(p.s1.id.razaoSocial, kPrintName);
    EXPECT_EQ(p.s1.id.atividadeDescricao, "Comércio varejista de combustíveis para veículos automotores");
    EXPECT_EQ(p.s1.id.domicilioB.municipio, "2940807 - Águas Claras do Norte");
    ASSERT_EQ(p.s1.groups.size(), 2);
    EXPECT_EQ(p.s1.groups[0].kinds[0].lines[0].descricao, "Compra para comercialização");
    // Other debits cite the debit grounds, other credits the credit grounds.
    ASSERT_EQ(p.s2.lines.size(), 1);
    EXPECT_EQ(p.s2.lines[0].origem, "ESTORNO DE CRÉDITO");
    EXPECT_TRUE(p.s2.lines[0].baseLegal.startsWith("3 - Art. 32, § 3º"))
        << p.s2.lines[0].baseLegal.toStdString();
    EXPECT_EQ(p.s3.lines[0].origem, "CRÉDITO PRESUMIDO");
    const print::DeductionLine& d = p.s4.lines.value(0);
    EXPECT_EQ(QStringList({d.parSujIncentivo, d.parIncentivada, d.subParIncentivada, d.valor}),
              QStringList({"4.000,00", "3.000,00", "150,00", "2.850,00"}));
    EXPECT_EQ(p.s5.lines.value(0).uf, "26 - SP");
    EXPECT_EQ(p.s5.lines.value(0).valor, "100,00"); // (17 - 7) / 100 x 1.000,00
    EXPECT_EQ(p.s7.lines.value(0).origem, "7,80");
    EXPECT_EQ(p.s8.lines.value(0)[2].vencimento, "09/04/2024");
    EXPECT_EQ(p.s9.lines.value(0)[2].valor, "33,33");
    EXPECT_EQ(p.s10.groups.value(1).totalB[print::ValorContabilB], "222,22");
    EXPECT_EQ(p.s11.pumps.value(0).produto, "2 ALCOOL CARBURANTE HIDRATADO");
    EXPECT_EQ(p.s11.pumps.value(0).final, "1.500");
    EXPECT_EQ(p.s11.tipoEncerrante, "Eletrônico");
    EXPECT_EQ(p.s11.alcohol.value(0).cnpj, "11.222.333/0001-81");
    EXPECT_EQ(p.s11.alcohol.value(0).valorUnitario, "3,4567");
    EXPECT_EQ(p.s12.totalB[print::Diferenca], "30,00");
    EXPECT_EQ(p.s13.contadorNome, "MARIA CONTADORA");
    EXPECT_EQ(p.s13.declaranteCpf, "111.444.777-35");
}

TEST_F(PrintPdf, RowsWhoseReferenceIsGoneStillPrint) {
    storeFull();
    runStatement(QStringLiteral("DELETE FROM cfop WHERE CFOP = 1102"));
    runStatement(QStringLiteral("DELETE FROM Municipios WHERE CodIBGE = 2940401"));
    runStatement(QStringLiteral("DELETE FROM LeisDeb WHERE CodLei = 3"));
    runStatement(QStringLiteral("DELETE FROM UF WHERE Codigo = '26'"));
    runStatement(QStringLiteral("DELETE FROM AliquotaUF WHERE CodigoUF = '26'"));
    const print::DeclarationPrint p = compute();
    const print::OperationLine& line = p.s1.groups.value(0).kinds.value(0).lines.value(0);
    EXPECT_EQ(line.cfop, "1102");
    EXPECT_TRUE(line.descricao.isEmpty());
    EXPECT_EQ(p.s2.lines.value(0).baseLegal, "3");
    EXPECT_EQ(p.s12.lines.size(), 2);
    EXPECT_EQ(p.s12.lines.value(0).municipio, "2940401");
    EXPECT_EQ(p.s5.lines.value(0).uf, "26");
    EXPECT_TRUE(p.s5.lines.value(0).valor.isEmpty());
}

TEST_F(PrintPdf, CfopDescriptionOfTheDeclarationYear) {
    storeTaxpayer();
    for (int year : {2016, 2017, 2019, 2022, 2024})
        insertRow(QStringLiteral("cfop"),
                  {{"CFOP", 1999}, {"Ano", year}, {"Descricao", QStringLiteral("tabela %1").arg(year)}});
    const struct {
        const char* ano;
        const char* table;
    } cases[] = {{"2016", "tabela 2017"}, {"2019", "tabela 2019"}, {"2024", "tabela 2022"}};
    for (const auto& c : cases) {
        const decl::DeclarationKey key{kPrintIE, QString::fromLatin1(c.ano), QStringLiteral("05")};
        storeDeclaration(key, {{"MudaDomicilio", "N"}});
        insertChild(QStringLiteral("MovimentacaoPorOperacoes42"), key,
                    {{"CodigoOperacao", 1999},
                     {"DomicilioFiscal", "A"},
                     {"EntradaSaida", "0"},
                     {"TipoOperacao", "0"}});
        EXPECT_EQ(compute(key).s1.groups.value(0).kinds.value(0).lines.value(0).descricao, c.table) << c.ano;
    }
}

TEST_F(PrintPdf, PdfCarriesTheCaptionsAndValuesOfEverySection) {
    storeFull();
    const QString text = pdfText(QStringLiteral("full"));
    const QStringList expected = {
        // 2 and 3
        "2.1 - NOME OU RAZÃO SOCIAL", kPrintName, "29.000.000-9", "3.1 - PERÍODO DE REFERÊNCIA", "03/2024",
        "3.4.1 - NÚMERO DO TARE", "TARE-77/2023", "31/12/2024", "TARE-78", "30/06/2025", "1.234,56",
        "6.543,21", "3.10.1 - DOMICÍLIO POR PERÍODO DE REFERÊNCIA FISCAL", "16/03/2024",
        // 4
        "4.1 - ENTRADAS E/OU AQUISIÇÕES", "4.1.1 - INTERNA", "4.1.2 - INTERESTADUAL", "C -CRÉDITO DO",
        "4.2 - SAÍDAS E/OU PRESTAÇÕES", "C - DÉBITO DO", "4.2.1 - INTERNA", "4.321,09", "TOTAL A", "TOTAL B",
        // 5 to 8
        "5 - DÉBITO DO IMPOSTO", "5.1 - POR SAÍDAS E/OU PRESTAÇÕES", "5.100,51",
        "5.2.1 - DETALHAMENTO DO CAMPO OUTROS DÉBITOS", "6 - CRÉDITO DO IMPOSTO",
        "6.2.1 - DETALHAMENTO DO CAMPO OUTROS CRÉDITOS", "7 - APURAÇÃO", "7.2.1 - DETALHAMENTO DAS DEDUÇÕES",
        "2.850,00", "7.6.1 - DETALHAMENTO DO DIFERENCIAL", "7.9.1 - DETALHAMENTO DA COMPLEMENTAÇÃO", "87,50",
        "7.13.1 - DETALHAMENTO DO DIFERENCIAL", "19,80", "8 - SUBSTITUIÇÃO TRIBUTÁRIA INTERNA", "830,83",
        // 9 and 10 to 12
        "9 - ICMS A RECOLHER", "9.1 - ICMS NORMAL", "10/04/2024", "1.500,25",
        "9.6 - FUNDO DE COMBATE A POBREZA", "33,33", "10 - DEMONSTRATIVO DE ESTOQUE", "2.023,00",
        "11.1 - CÓD. UF", "11.8 TOTAL A", "12.4 - DÉBITO DO IMPOSTO", "1.111,11",
        // 13 to 18
        "13 - INFORMAÇÕES DOS ENCERRANTES", "Eletrônico", "BOMBA-Ω1", "1.500", "13.6 - ESTOQUE FÍSICO",
        "15.000", "\"março\"", "14 - INFORMAÇÕES DA AQUISIÇÃO DE ÁLCOOL", "11.222.333/0001-81", "05/03/2024",
        "3,4567", "15.1 - MUNICÍPIO DE ORIGEM", "Água Boa do Verdal", "800,00", "16.1 - IDENTIFICAÇÃO",
        "29.000.001-7", "000012", "17.2 - NOME", "JOÃO DA SILVA", "111.444.777-35", "18.2 - CRC",
        "QX012345 / QX", "MARIA CONTADORA",
        // footer with the portal of the program folder's settings
        "Declaração impressa no programa VEXA 9.6, em 15/03/2024", "14:30:05hs", "KORVA-QX",
        "http://www.korva.qx.gov.br/portal, e anexe", "Página 1 de"};
    for (const QString& t : expected) EXPECT_TRUE(text.contains(t)) << t.toStdString();
}

TEST_F(PrintPdf, WithoutChangeOfDomicileNoDomicileColumns) {
    storeFull({{"MudaDomicilio", "N"}});
    const QString text = pdfText(QStringLiteral("no_domicile"));
    for (const char* absent : {"TOTAL A", "TOTAL B", "3.10.1", "16.2 - DOMICÍLIO"})
        EXPECT_FALSE(text.contains(absent)) << absent;
    // Only the question of item 3.10 names the domicile.
    EXPECT_EQ(text.count(QStringLiteral("DOMICÍLIO")), 1);
    EXPECT_TRUE(text.contains(QStringLiteral("11.8 TOTAL")));
}

TEST_F(PrintPdf, LongTablesRunOnWithTheirHeadingRepeated) {
    storeTaxpayer();
    storeDeclaration(marchDeclaration(), {{"MudaDomicilio", "N"}});
    for (int i = 0; i < 150; ++i)
        insertChild(QStringLiteral("MovimentacaoPorOperacoes42"), marchDeclaration(),
                    {{"CodigoOperacao", 1000 + i},
                     {"DomicilioFiscal", "A"},
                     {"EntradaSaida", "0"},
                     {"TipoOperacao", "0"},
                     {"ValorContabil", 1.0}});
    const QString text = pdfText(QStringLiteral("long"));
    EXPECT_TRUE(text.contains(QStringLiteral("4.1 - ENTRADAS E/OU AQUISIÇÕES (continuação)")));
    EXPECT_TRUE(text.contains(QStringLiteral("1149")));
    EXPECT_TRUE(text.contains(QStringLiteral("150,00"))); // the total after the last line
    EXPECT_TRUE(text.contains(QStringLiteral("Página 3 de")));
}

TEST_F(PrintPdf, UnwritableTargetLeavesNoFile) {
    storeFull();
    const print::DeclarationPrint p = compute();
    QFile plain(out_.filePath(QStringLiteral("plain.txt")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.write("kept");
    plain.close();
    for (const QString& target :
         {out_.filePath(QStringLiteral("missing/vexa.pdf")),
          out_.filePath(QStringLiteral("plain.txt/vexa.pdf")), out_.path(), QString()}) {
        QString error;
        EXPECT_FALSE(print::writeDeclarationPdf(p, target, &error)) << target.toStdString();
        EXPECT_TRUE(error.startsWith(QStringLiteral("Não foi possível gravar o arquivo")))
            << error.toStdString();
    }
    // A drawing that fails half-way leaves the existing file as it was and no temporary file.
    QString error;
    EXPECT_FALSE(print::writePdf(
        plain.fileName(),
        [](QPagedPaintDevice&, QString* e) {
            *e = QStringLiteral("falhou");
            return false;
        },
        &error));
    EXPECT_TRUE(error.endsWith(QStringLiteral("falhou")));
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    EXPECT_EQ(plain.readAll(), "kept");
    EXPECT_EQ(QDir(out_.path()).entryList(QDir::Files), QStringList{QStringLiteral("plain.txt")});
}

#ifdef VEXA_CLI_PATH
TEST_F(PrintPdf, BatchCommand) {
    storeFull();
    storeDeclaration(marchDeclaration(QStringLiteral("01")), {{"NomeResponsavel", "RETIFICADORA"}});
    auto run = [&](const QStringList& args, QString* err = nullptr) {
        QProcess p;
        p.start(QStringLiteral(VEXA_CLI_PATH),
                QStringList{QStringLiteral("--home"), folder().folder().root()} + args);
        EXPECT_TRUE(p.waitForFinished(60000));
        if (err) *err = QString::fromUtf8(p.readAllStandardError());
        return p.exitCode();
    };
    const QString pdf = out_.filePath(QStringLiteral("cli.pdf"));
    const QStringList key{QStringLiteral("print"),    QStringLiteral("declaration"),
                          QStringLiteral("--ie"),     QStringLiteral("29.000.000-9"),
                          QStringLiteral("--period"), QStringLiteral("032024")};
    EXPECT_EQ(run(key + QStringList{QStringLiteral("-o"), pdf}), 0);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    text.waitForFinished(30000);
    EXPECT_TRUE(QString::fromUtf8(text.readAllStandardOutput())
                    .contains(QStringLiteral("RETIFICADORA"))); // the latest

    QString err;
    EXPECT_EQ(
        run(key + QStringList{QStringLiteral("--ret"), QStringLiteral("7"), QStringLiteral("-o"), pdf}, &err),
        1);
    EXPECT_TRUE(err.contains(QStringLiteral("VEXA não localizada"))) << err.toStdString();
    EXPECT_EQ(
        run(key + QStringList{QStringLiteral("-o"), out_.filePath(QStringLiteral("no/such/dir.pdf"))}, &err),
        2);
    EXPECT_TRUE(err.contains(QStringLiteral("Não foi possível gravar o arquivo"))) << err.toStdString();
    // The declaration has no DARE: the batch print of the period has nothing to print.
    EXPECT_EQ(run({QStringLiteral("print"), QStringLiteral("dare"), QStringLiteral("--period"),
                   QStringLiteral("032024"), QStringLiteral("-o"), pdf},
                  &err),
              1);
    EXPECT_TRUE(err.contains(QStringLiteral("Não há dados cadastrados para período e contribuinte informado!!!")))
        << err.toStdString();
}
#endif

} // namespace
} // namespace vexa::test
