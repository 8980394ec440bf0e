// A declaration with rows in every child table, read from the database and
// turned into its records: every segment's bytes at their positions, the
// order of the records, the Z count, and several declarations in one text.

#include "LayoutFixture.h"

#include "declfile/DeclarationReader.h"
#include "declfile/DeclarationRecords.h"

using namespace vexa;
using namespace vexa::declfile;
using namespace vexa::test;

namespace {

// 14-digit amount field from whole cents, made independently of the forms.
QByteArray z(qint64 cents) { return QByteArray::number(cents).rightJustified(14, '0'); }
QByteArray pad(const QByteArray& s, int n) { return s.leftJustified(n, ' '); }

const QByteArray kHeader = "290000009  03202400";

DeclarationRecords recordsOf(const decl::DeclarationKey& key) {
    DeclarationData data;
    QString error;
    EXPECT_TRUE(readDeclaration(key, data, &error)) << error.toStdString();
    RecordsResult r = buildRecords(data);
    EXPECT_TRUE(r.ok()) << (r.refusal ? r.refusal->message.toStdString() : std::string());
    return r.records;
}

QByteArray segments(const DeclarationRecords& r) {
    QByteArray s;
    for (const QByteArray& line : r.lines) s += line.left(1);
    return s;
}

class RecordLayoutTest : public LayoutTest {};

TEST_F(RecordLayoutTest, RecordsComeInSegmentOrderWithTheirWidths) {
    storeFullDeclaration();
    const DeclarationRecords r = recordsOf(marchKey());
    // Two B (the operation without amounts is left out), one C, two D, two E,
    // two G, and one of each other segment; F and T to Y never.
    EXPECT_EQ(segments(r), "ABBCDDEEGGHIJKLMNOPQRSZ");
    const QMap<char, int> width = {{'A', 951}, {'B', 110}, {'C', 160}, {'D', 150}, {'E', 43}, {'G', 130},
                                   {'H', 44},  {'I', 78},  {'J', 48},  {'K', 36},  {'L', 64}, {'M', 70},
                                   {'N', 44},  {'O', 54},  {'P', 76},  {'Q', 76},  {'R', 36}, {'S', 104},
                                   {'Z', 23}};
    for (const QByteArray& line : r.lines) {
        EXPECT_EQ(line.size(), width.value(line.at(0))) << line.constData();
        EXPECT_EQ(line.mid(1, 19), kHeader) << "IE in 11 positions, MMYYYY, Retificacao";
    }
    EXPECT_EQ(r.count(), 22);
    EXPECT_EQ(r.lines.last(), "Z" + kHeader + "022");
}

TEST_F(RecordLayoutTest, RecordACarriesDeclarationTaxpayerAndAccountant) {
    storeFullDeclaration();
    const QByteArray a = recordsOf(marchKey()).lines.first();
    struct Field {
        int pos;
        QByteArray text;
        const char* what;
    };
    const QList<Field> fields = {
        {1, "A", "segment"},
        {21, "4731800", "activity"},
        {28, "U", "TipoEstabelecimento"},
        {29, "S", "PortadorTare"},
        {30, "F", "TipoEscrituracao"},
        {31, "00000000123450", "SaldoInicialCaixa 1234,5"},
        {45, "00000000000500", "SaldoFinalCaixa -5"},
        {59, "N", "UsuarioECF"},
        {60, "11144477735", "CPF"},
        {71, pad("Jo\xE3o Respons\xE1vel", 50), "NomeResponsavel in code page 1252"},
        {121, "52998224725", "accountant CPFCGC"},
        {132, "-", "literal"},
        {133, pad("Maria Contadora", 50), "accountant Nome"},
        {183, pad("6532101234", 20), "Telefone"},
        {203, z(10010), "C51"},
        {217, z(200), "C52"},
        {231, z(300), "C53"},
        {245, z(6100), "C61"},
        {259, z(6200), "C62"},
        {273, z(6300), "C63"},
        {287, z(6400), "C64"},
        {301, z(7200), "C72"},
        {315, z(0), "7.4: 20 + 10 below 50 in March"},
        {329, z(8100), "C81"},
        {343, z(8200), "C82"},
        {357, z(8300), "C83"},
        {371, z(8400), "C84"},
        {385, z(8500), "C85"},
        {399, "ab12", "Senha"},
        {403, "cd34", "NovaSenha"},
        {407, pad("TARE-77", 20), "NTare"},
        {427, "980", "literal"},
        {430, "31122024", "DataVctoTARE"},
        {438, z(2000), "C76"},
        {452, z(1000), "C77"},
        {466, "E", "TipoEncerrante"},
        {467, pad("linha 1 linha 2", 255), "ObsEncerrantes on one line"},
        {722, pad("QX012345", 10), "accountant CRC"},
        {732, "QX", "UF"},
        {734, "S", "MudaDomicilio"},
        {735, "2940401", "CodIBGE of the taxpayer's municipality"},
        {742, "2940807", "CidadeB"},
        {749, "01032024", "DtIniA"},
        {757, "15032024", "DtFimA"},
        {765, "16032024", "DtIniB"},
        {773, "30121899", "DtFimB empty: day zero"},
        {781, pad("maria@contab.qx", 50), "accountant email"},
        {831, pad("posto@verdal.qx", 50), "EmailCont"},
        {881, "N", "TipoRegime"},
        {882, z(3000), "C79"},
        {896, z(2500), "C710"},
        {910, z(4000), "C713"},
        {924, z(1500), "C714"},
        {938, z(5500), "7.16: 40 + 15 reaches 50"},
    };
    ASSERT_EQ(a.size(), 951);
    for (const Field& f : fields) EXPECT_EQ(at(a, f.pos, f.text.size()), f.text) << f.what << " at " << f.pos;
}

TEST_F(RecordLayoutTest, RecordsBToSCarryTheirRowsInKeyOrder) {
    storeFullDeclaration();
    const DeclarationRecords r = recordsOf(marchKey());
    const QByteArray h = kHeader;
    const QList<QByteArray> expected = {
        "B" + h + "0" + "1102" + z(100000) + z(1000) + z(2000) + z(3000) + z(106000) + z(17000) + "A",
        "B" + h + "1" + "5102" + z(200000) + z(0) + z(0) + z(0) + z(200000) + z(34000) + "A",
        "C" + h + z(100) + z(200) + z(300) + z(400) + z(1000) + z(500) + z(600) + z(700) + z(800) + z(2600),
        "D" + h + "0" + "29" + z(100000) + z(0) + z(1000) + z(2000) + z(3000) + z(106000) + z(0) + z(17000) + z(0) + "A",
        "D" + h + "1" + "01" + z(140000) + z(60000) + z(0) + z(0) + z(0) + z(150000) + z(50000) + z(23800) + z(10200) + "A",
        "E" + h + "D" + "20042024" + z(5500),
        "E" + h + "N" + "10042024" + z(15025),
        "G" + h + pad("BOMBA-01", 20) + "01" + "0000000001" + "0000001000" + "0000001500" + "0000000500" + "0000000000" +
            "0000000002" + "0000000700" + "0000000900" + "10032024",
        "G" + h + pad("BOMBA-01", 20) + "02" + "0000000003" + "0000005000" + "0000005600" + "0000000600" + "0000000000" +
            "0000000000" + "0000000000" + "0000000000" + "30121899",
        "H" + h + "0001" + "0000000002" + "0000015000",
        "I" + h + "0000004567" + "05032024" + "11222333000181" + "29" + z(346) + "0000001501",
        "J" + h + pad("TARE-77", 20) + "31122024",
        "K" + h + "05" + z(6200),
        "L" + h + "03" + z(10000) + z(5000) + z(7200),
        "M" + h + "2940401" + z(50000) + z(10000) + z(40000) + "A",
        "N" + h + "290000025" + "2940807" + "2940401" + "A",
        "O" + h + "290000025" + "0000000012" + z(30000) + "A",
        "P" + h + "SP" + z(100000) + z(90000) + z(9000) + "2940401" + "A" + "1700",
        "Q" + h + "MG" + z(80000) + z(70000) + z(4500) + "2940401" + "A" + "0450",
        "R" + h + "98" + z(200),
        "S" + h + "RJ" + z(20000) + z(18000) + z(2160) + "2940401" + "A" + "1200" + z(700) + z(1200),
    };
    ASSERT_EQ(r.lines.size(), expected.size() + 2);
    for (int i = 0; i < expected.size(); ++i) EXPECT_EQ(r.lines[i + 1], expected[i]) << "record " << i + 2;
}

TEST_F(RecordLayoutTest, TwoDeclarationsFollowEachOtherEachWithItsOwnCount) {
    storeFullDeclaration();
    insertTaxpayer(kOtherIE, QStringLiteral("Mercado Boa Vista"));
    const decl::DeclarationKey second = marchKey(kOtherIE, QStringLiteral("01"));
    insertDeclaration(second);
    exec("INSERT INTO OutrosCred (IE, Ano, Mes, Retificacao, CodLei, Valor) VALUES (?,?,?,?,?,?)",
         {kOtherIE, "2024", "03", "01", 7, 62.0});

    const QByteArray text = submissionText({recordsOf(marchKey()), recordsOf(second)});
    ASSERT_TRUE(text.endsWith("\r\n"));
    QList<QByteArray> lines = text.split('\n');
    ASSERT_EQ(lines.takeLast(), "");
    for (QByteArray& line : lines) {
        ASSERT_TRUE(line.endsWith('\r'));
        line.chop(1);
        EXPECT_FALSE(line.contains('\r') || line.contains('\n'));
    }
    ASSERT_EQ(lines.size(), 23 + 3);
    EXPECT_EQ(lines[22], "Z" + kHeader + "022");
    EXPECT_EQ(lines[23].left(20), "A290000017  03202401");
    EXPECT_EQ(lines[24], "K290000017  03202401" + QByteArray("07") + z(6200));
    EXPECT_EQ(lines[25], "Z290000017  03202401002") << "the second Z counts only its own A and K";
}

TEST_F(RecordLayoutTest, ShortRawActivityShiftsTheRestOfRecordA) {
    insertTaxpayer(kTaxpayerIE, QStringLiteral("Posto"), {{"AtividadeEconomicaPrincip", "47318"}});
    insertAccountant();
    insertDeclaration(marchKey());
    const QByteArray a = recordsOf(marchKey()).lines.first();
    EXPECT_EQ(a.size(), 949);
    EXPECT_EQ(at(a, 21, 6), "47318U");
    EXPECT_EQ(at(a, 31 - 2, 14), "00000000123450") << "SaldoInicialCaixa two positions to the left";
    EXPECT_EQ(a.right(14), z(5500));
}

TEST_F(RecordLayoutTest, SegmentsWithoutRowsWriteNothingAndTwoStockRowsWriteNoC) {
    insertTaxpayer(kTaxpayerIE, QStringLiteral("Posto"));
    insertAccountant();
    insertDeclaration(marchKey());
    EXPECT_EQ(segments(recordsOf(marchKey())), "AZ");
    EXPECT_EQ(recordsOf(marchKey()).lines.last(), "Z" + kHeader + "001");

    // The table's key keeps one stock row per declaration; a database from
    // elsewhere may still hold two, and then no C record is written.
    DeclarationData data;
    QString error;
    ASSERT_TRUE(readDeclaration(marchKey(), data, &error));
    data.stock = {StockRecordRow{}, StockRecordRow{}};
    EXPECT_EQ(segments(buildRecords(data).records), "AZ");
    data.stock.removeLast();
    EXPECT_EQ(segments(buildRecords(data).records), "ACZ");
}

TEST_F(RecordLayoutTest, DecemberWritesSmallDifferentialsAndEmptyTareDateIsBlank) {
    insertTaxpayer(kTaxpayerIE, QStringLiteral("Posto"), {{"DataVctoTARE", QVariant()}, {"PortadorTare", QVariant()}});
    insertAccountant();
    const decl::DeclarationKey december{kTaxpayerIE, "2024", "12", "00"};
    insertDeclaration(december, {{"C713", 10.0}, {"C714", 5.0}});
    const QByteArray a = recordsOf(december).lines.first();
    EXPECT_EQ(at(a, 315, 14), z(3000)) << "7.4 of December: 20 + 10 written";
    EXPECT_EQ(at(a, 938, 14), z(1500)) << "7.16 of December: 10 + 5 written";
    EXPECT_EQ(at(a, 430, 8), "        ");
    EXPECT_EQ(at(a, 29, 1), "N") << "PortadorTare never answered";
}

TEST_F(RecordLayoutTest, DeclarationWithoutItsAccountantReadsEmpty) {
    insertTaxpayer(kTaxpayerIE, QStringLiteral("Posto"));
    insertDeclaration(marchKey());   // no accountant registered
    exec("INSERT INTO OutrosCred (IE, Ano, Mes, Retificacao, CodLei, Valor) VALUES (?,?,?,?,?,?)",
         {kTaxpayerIE, "2024", "03", "00", 5, 62.0});
    DeclarationData data;
    QString error;
    ASSERT_TRUE(readDeclaration(marchKey(), data, &error));
    EXPECT_FALSE(data.header.found);
    EXPECT_EQ(data.header.vexa.C51, 0.0);
    EXPECT_TRUE(data.header.AtividadeEconomicaPrincip.isEmpty());
    EXPECT_FALSE(data.header.PortadorTare.has_value());
    ASSERT_EQ(data.otherCredits.size(), 1) << "the child rows are read by the key all the same";
    const RecordsResult r = buildRecords(data);
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.records.lines.first().left(20), "A" + kHeader);
    EXPECT_EQ(segments(r.records), "AKZ");
}

TEST_F(RecordLayoutTest, QuotesAndAccentsInValuesAreDataNotStatement) {
    const QString name = QStringLiteral("D'Ávila \"Comércio\"; DROP TABLE Vexas");
    insertTaxpayer(kTaxpayerIE, name);
    insertAccountant(QStringLiteral("QX'1"));
    insertDeclaration(marchKey(), {{"CRCContador", "QX'1"}, {"NomeResponsavel", "O'Neil"}});
    DeclarationData data;
    QString error;
    ASSERT_TRUE(readDeclaration(marchKey(), data, &error)) << error.toStdString();
    EXPECT_TRUE(data.header.found);
    EXPECT_EQ(data.header.RazaoSocial, name);
    EXPECT_EQ(at(buildRecords(data).records.lines.first(), 722, 10), "QX'1      ");
}

} // namespace
