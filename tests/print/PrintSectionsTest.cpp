// The printed sections computed from rows given in code: groups and headings,
// running totals by domicile, the empty variants, item 9 side by side, the
// state-line differences, the CFOP description cut and the footer.
#include "print/PrintSections.h"

#include <gtest/gtest.h>

namespace vexa::print {
namespace {

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

DeclarationSource declaration(const QString& mudaDomicilio) {
    DeclarationSource s;
    s.header.vexa.IE = QStringLiteral("290000009");
    s.header.vexa.Ano = QStringLiteral("2024");
    s.header.vexa.Mes = QStringLiteral("03");
    s.header.vexa.MudaDomicilio = mudaDomicilio;
    return s;
}

OperationSource operation(const char* es, const char* kind, int cfop, const char* dom, double vc) {
    OperationSource o;
    o.EntradaSaida = QString::fromLatin1(es);
    o.TipoOperacao = QString::fromLatin1(kind);
    o.CodigoOperacao = cfop;
    o.DomicilioFiscal = QString::fromLatin1(dom);
    o.ValorContabil = vc;
    o.BaseCalculo = vc / 2;
    return o;
}

DeclarationPrint build(const DeclarationSource& s) {
    return buildDeclarationPrint(s, QStringLiteral("http://portal"),
                                 QDateTime(QDate(2024, 3, 15), QTime(9, 5, 7)));
}

TEST(PrintSections, OperationGroupsHeadingsAndTotalsByDomicile) {
    for (const QString& answer : {QStringLiteral("S"), QStringLiteral("N")}) {
        SCOPED_TRACE(answer.toStdString());
        DeclarationSource s = declaration(answer);
        s.operations = {operation("0", "0", 1102, "A", 1000), operation("0", "0", 1102, "B", 200.5),
                        operation("0", "1", 2102, "A", 300), operation("1", "0", 5102, "A", 4321.09)};
        const DeclarationPrint p = build(s);
        ASSERT_FALSE(p.s1.emptyBand);
        ASSERT_EQ(p.s1.groups.size(), 2);
        const OperationGroup& entries = p.s1.groups[0];
        EXPECT_EQ(entries.heading, "4.1 - ENTRADAS E/OU AQUISIÇÕES");
        EXPECT_EQ(entries.taxCaption, "C -CRÉDITO DO");
        ASSERT_EQ(entries.kinds.size(), 2);
        EXPECT_EQ(entries.kinds[0].heading, "4.1.1 - INTERNA");
        EXPECT_EQ(entries.kinds[0].lines.size(), 2);
        EXPECT_EQ(entries.kinds[1].heading, "4.1.2 - INTERESTADUAL");
        EXPECT_EQ(entries.kinds[0].lines[1].amounts[ValorContabil], "200,50");
        // The totals start again for the outputs; B counts apart only with a change of domicile.
        EXPECT_EQ(entries.totalA[ValorContabil], answer == "S" ? "1.300,00" : "1.500,50");
        EXPECT_EQ(entries.totalB[ValorContabil], answer == "S" ? "200,50" : "0,00");
        EXPECT_EQ(entries.totalA[BaseCalculo], answer == "S" ? "650,00" : "750,25");
        const OperationGroup& outputs = p.s1.groups[1];
        EXPECT_EQ(outputs.heading, "4.2 - SAÍDAS E/OU PRESTAÇÕES");
        EXPECT_EQ(outputs.taxCaption, "C - DÉBITO DO");
        EXPECT_EQ(outputs.kinds[0].heading, "4.2.1 - INTERNA");
        EXPECT_EQ(outputs.totalA[ValorContabil], "4.321,09");
        EXPECT_EQ(outputs.totalB[ValorContabil], "0,00");
        EXPECT_EQ(p.showDomicile, answer == "S");
    }
}

TEST(PrintSections, DeclarationWithoutOperationsPrintsTheEmptyBand) {
    const DeclarationPrint p = build(declaration(QStringLiteral("N")));
    EXPECT_TRUE(p.s1.emptyBand);
    EXPECT_TRUE(p.s1.groups.isEmpty());
    // The other lists print their empty frames with zero totals.
    EXPECT_TRUE(p.s2.emptyBand);
    EXPECT_TRUE(p.s3.emptyBand);
    EXPECT_TRUE(p.s4.emptyBand);
    EXPECT_EQ(p.s3.total, "0,00");
    EXPECT_TRUE(p.s10.emptyBand);
    ASSERT_EQ(p.s10.groups.size(), 2);
    EXPECT_TRUE(p.s10.groups[0].lines.isEmpty());
    EXPECT_EQ(p.s10.groups[1].captions[7], "12.8 TOTAL");
    EXPECT_EQ(p.s10.groups[1].totalA[ValorContabilA], "0,00");
    // The computed items read "0,00", not blank.
    EXPECT_EQ(p.s5.itemsAfter[1].value, "0,00");
    EXPECT_EQ(p.s7.closingItems[6].value, "0,00");
    ASSERT_EQ(p.s1.id.tare.size(), 1);
    EXPECT_TRUE(p.s1.id.tare[0].numero.isEmpty());
}

TEST(PrintSections, CfopDescriptionCut) {
    const QString sixty = QString(59, QLatin1Char('a')) + QLatin1Char(' '); // blank at position 60
    const struct {
        QString description;
        QString printed;
    } cases[] = {
        {sixty + QString(20, QLatin1Char('b')), sixty},                 // 80 characters
        {QString(62, QLatin1Char('c')), QString(62, QLatin1Char('c'))}, // fits
        {QString(61, QLatin1Char('d')) + QStringLiteral(" e"),
         QString(61, QLatin1Char('d')) + QLatin1Char(' ')},
        {QStringLiteral("x ") + QString(61, QLatin1Char('f')),
         QStringLiteral("x ")},                                         // blank at 63 is too far
        {QString(70, QLatin1Char('g')), QString(62, QLatin1Char('g'))}, // no blank at all
    };
    for (const auto& c : cases)
        EXPECT_EQ(cutCfopDescription(c.description), c.printed) << c.description.toStdString();
}

TEST(PrintSections, RateListsAndTheirEmptyVariants) {
    DeclarationSource s = declaration(QStringLiteral("N"));
    RateSource comp;
    comp.UF = QStringLiteral("14");
    comp.Sigla = QStringLiteral("MG");
    comp.Aliquota = 4.5;
    comp.VlrBaseCalculo = 700;
    comp.Valor = 1; // the stored value is not what prints
    s.rateComplements = {comp};
    DeclarationPrint p = build(s);
    EXPECT_TRUE(p.s5.vazio);
    EXPECT_FALSE(p.s6.vazio);
    ASSERT_EQ(p.s6.lines.size(), 1);
    EXPECT_EQ(p.s6.lines[0].uf, "14 - MG");
    EXPECT_EQ(p.s6.lines[0].aliquota, "4,5%");
    EXPECT_EQ(p.s6.lines[0].valor, "87,50"); // (17 - 4,5) / 100 x 700
    EXPECT_EQ(p.s6.total.valor, "87,50");
    EXPECT_TRUE(p.s7.vazio);

    // 7.6.1 differs from the state's internal rate; a state missing from the rate table prints no difference.
    RateSource known;
    known.UF = QStringLiteral("26");
    known.Aliquota = 4;
    known.AliquotaUF = 7.0;
    known.VlrBaseCalculo = 1000;
    RateSource unknown = known;
    unknown.UF = QStringLiteral("77");
    unknown.AliquotaUF.reset();
    s.rates = {known, unknown};
    p = build(s);
    ASSERT_EQ(p.s5.lines.size(), 2);
    EXPECT_EQ(p.s5.lines[0].valor, "100,00");
    EXPECT_EQ(p.s5.lines[1].uf, "77");
    EXPECT_TRUE(p.s5.lines[1].valor.isEmpty());
    EXPECT_EQ(p.s5.total.valor, "100,00");
    EXPECT_EQ(p.s5.total.baseCalculo, "2.000,00");
}

TEST(PrintSections, ItemNineListsSideBySide) {
    DeclarationSource s = declaration(QStringLiteral("N"));
    auto due = [](const char* kind, int day, double v) {
        return ToPaySource{QString::fromLatin1(kind), QDate(2024, 4, day), v};
    };
    s.toPay = {due("D", 20, 55), due("N", 5, 100), due("N", 10, 200.5), due("N", 15, 300)};
    const DeclarationPrint p = build(s);
    ASSERT_EQ(p.s8.lines.size(), 3);
    EXPECT_EQ(p.s8.lines[0][0], (ToPayCell{QStringLiteral("05/04/2024"), QStringLiteral("100,00")}));
    EXPECT_EQ(p.s8.lines[0][1], (ToPayCell{QStringLiteral("20/04/2024"), QStringLiteral("55,00")}));
    for (int line : {1, 2}) EXPECT_EQ(p.s8.lines[line][1], ToPayCell{}) << line;
    for (int line : {0, 1, 2}) EXPECT_EQ(p.s8.lines[line][2], ToPayCell{}) << line;
    EXPECT_EQ(p.s8.totals, (std::array<QString, 3>{"600,50", "55,00", "0,00"}));
    EXPECT_FALSE(p.s8.emptyBand);
    // Section 9 has none of its three kinds.
    EXPECT_TRUE(p.s9.emptyBand);
    EXPECT_TRUE(p.s9.lines.isEmpty());
    EXPECT_EQ(p.s9.totals, (std::array<QString, 3>{"0,00", "0,00", "0,00"}));
}

TEST(PrintSections, MunicipalityStateAndGoodsTotalsByDomicile) {
    DeclarationSource s = declaration(QStringLiteral("S"));
    s.municipalities = {{2940401, QStringLiteral("Água Boa do Verdal"), QStringLiteral("A"), 900, 100},
                        {2940401, {}, QStringLiteral("B"), 50, 20}};
    StateSource in;
    in.EntradaSaida = QStringLiteral("0");
    in.UF = QStringLiteral("26");
    in.DomicilioFiscal = QStringLiteral("A");
    in.ValorContabilA = 10;
    StateSource inB = in;
    inB.DomicilioFiscal = QStringLiteral("B");
    inB.ValorContabilA = 3;
    s.states = {in, inB};
    s.goods = {
        {QStringLiteral("290000017"), QStringLiteral("A"), 2941201, QStringLiteral("Alto Bonito"), 12, 300},
        {QStringLiteral("290000017"), QStringLiteral("B"), 2941201, QStringLiteral("Alto Bonito"), 13, 45.5},
        {QStringLiteral("290000025"), QStringLiteral("A"), 2941201, {}, std::nullopt, 0}};
    const DeclarationPrint p = build(s);

    ASSERT_EQ(p.s12.lines.size(), 2);
    EXPECT_EQ(p.s12.lines[0].municipio, "2940401 - Água Boa do Verdal");
    EXPECT_EQ(p.s12.lines[1].municipio, "2940401"); // no longer in the table: code alone, line kept
    EXPECT_EQ(p.s12.totalA, (MunicipalityAmounts{"900,00", "100,00", "800,00"}));
    EXPECT_EQ(p.s12.totalB, (MunicipalityAmounts{"50,00", "20,00", "30,00"}));

    ASSERT_EQ(p.s10.groups.size(), 1);
    EXPECT_TRUE(p.s10.groups[0].entries);
    EXPECT_EQ(p.s10.groups[0].captions[0], "11.1 - CÓD. UF");
    EXPECT_EQ(p.s10.groups[0].totalA[ValorContabilA], "10,00");
    EXPECT_EQ(p.s10.groups[0].totalB[ValorContabilA], "3,00");

    ASSERT_EQ(p.s13.lines.size(), 3);
    EXPECT_EQ(p.s13.lines[0].ieEmpresa, "29.000.001-7");
    EXPECT_EQ(p.s13.lines[0].nota, "000012");
    EXPECT_TRUE(p.s13.lines[2].nota.isEmpty()); // a supplier without invoices
    EXPECT_EQ(p.s13.totalA, "300,00");
    EXPECT_EQ(p.s13.totalB, "45,50");
}

TEST(PrintSections, IdentificationMarksAndTareLines) {
    DeclarationSource s = declaration(QStringLiteral("S"));
    s.header.vexa.Retificacao = QStringLiteral("01");
    s.header.TipoEstabelecimento = QStringLiteral("F");
    s.header.PortadorTare = true;
    s.header.TipoEscrituracao = QStringLiteral("F");
    s.header.TipoRegime = QStringLiteral("S");
    s.tare = {{QStringLiteral("T-1"), QDate(2024, 12, 31)},
              {QStringLiteral("T-2"), QDate()},
              {QStringLiteral("T-3"), QDate(2025, 1, 2)}};
    const Identification id = build(s).s1.id;
    EXPECT_EQ(QStringList({id.unico, id.matriz, id.filial}), QStringList({"", "", "X"}));
    EXPECT_EQ(QStringList({id.tareSim, id.tareNao, id.fiscal, id.contabil}), QStringList({"X", "", "X", ""}));
    EXPECT_EQ(QStringList({id.ecfSim, id.ecfNao, id.retificadoraSim, id.retificadoraNao}),
              QStringList({"", "X", "X", ""}));
    EXPECT_EQ(QStringList({id.mudouSim, id.mudouNao, id.regimeNormal, id.regimeSimples}),
              QStringList({"X", "", "", "X"}));
    EXPECT_EQ(id.periodo, "03/2024");
    ASSERT_EQ(id.tare.size(), 3);
    EXPECT_EQ(id.tare[0].vencimento, "31/12/2024");
    EXPECT_EQ(id.tare[1].numero, "T-2");
    EXPECT_TRUE(id.tare[1].vencimento.isEmpty());
}

TEST(PrintSections, FooterAndNumbers) {
    EXPECT_EQ(footerText(QDateTime(QDate(2024, 3, 5), QTime(8, 4, 3)), QStringLiteral("http://portal.qx")),
              QStringLiteral(
                  "Declaração impressa no programa VEXA 9.6, em 05/03/2024  às 08:04:03hs, apenas para "
                  "simples conferências das informações, a serem prestadas à KORVA-QX, \n não servindo como "
                  "comprovação do cumprimento da obrigação acessória. Imprima a declaração com as "
                  "informações da recepção no Portal do contribuinte \n no endereço eletrônico:  "
                  "http://portal.qx, e anexe  o recibo de entrega da declaração."));
    EXPECT_EQ(groupedNumber(1234567.0, 0), "1.234.567");
    EXPECT_EQ(groupedNumber(3.45678, 4), "3,4568");
    EXPECT_EQ(groupedNumber(-0.00001, 2), "0,00");
    EXPECT_EQ(groupedNumber(-1000.5, 1), "-1.000,5");
    EXPECT_EQ(rateText(17), "17%");
    EXPECT_EQ(rateText(17.5), "17,5%");
}

} // namespace
} // namespace vexa::print
