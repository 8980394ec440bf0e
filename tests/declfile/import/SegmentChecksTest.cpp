// The readers of segments B to S: the common checks against segment A, the
// field checks with their messages, duplicates, and what is stored.

#include "support/EngineSql.h"
#include "ImportFixture.h"

namespace vexa::test {
namespace {

// A declaration of the taxpayer with the given records between A and Z.
class SegmentTest : public ImportTest {
protected:
    declfile::ImportResult importWith(const QString& ie, const QList<QByteArray>& records,
                                      const decl::DeclarationKey* keyOverride = nullptr, const SegmentA& a = {}) {
        const decl::DeclarationKey k = keyOverride ? *keyOverride : periodKey(ie);
        SegmentA values = a;
        if (ie == kFuelIE) values.activity = QStringLiteral("4731800");
        if (ie == kSimplesIE) values.items[0] = values.items[3] = 0;
        AccountText text;
        text.begin(lineA(k, values));
        for (const QByteArray& r : records) text.add(r);
        text.end();
        return import(text);
    }
    // The result text of a refused declaration.
    QString refusal(const QString& ie, const QList<QByteArray>& records, const decl::DeclarationKey* k = nullptr) {
        const auto r = importWith(ie, records, k);
        EXPECT_EQ(r.refused, 1) << joined(r).toStdString();
        return r.response.value(1);
    }
    const decl::DeclarationKey k_ = periodKey(kIE);
};

TEST_F(SegmentTest, RecordOfAnotherTaxpayerOrPeriodIsRefusedBeforeItsFields) {
    const decl::DeclarationKey other = periodKey(kFuelIE);
    EXPECT_EQ(refusal(kIE, {lineB(other, "1", 9999, 0, 0, 0, 0, 0, 0)}),
              QStringLiteral(" Segmento B - Inscrição Estadual informada diverge da constante no segmento A. \r\n"));
    EXPECT_EQ(refusal(kIE, {lineE(other, "N", QDate(2024, 4, 10), 1)}),
              QStringLiteral(" Segmento E - Inscrição Estadual informada diverge da constante no segmento A \r\n"));
    const decl::DeclarationKey april = periodKey(kIE, "04");
    EXPECT_EQ(refusal(kIE, {lineK(april, 5, 1)}),
              QStringLiteral(" Período de referência informado no segmento K e diferente do Período de referência "
                             "informado no segmento A. "));
    decl::DeclarationKey rect = k_;
    rect.retificacao = QStringLiteral("01");
    EXPECT_EQ(refusal(kIE, {lineL(rect, 99, 0, 0, 1)}),
              QStringLiteral(" Campo retificação informado no segmento L é diferente do Campo retificação informado "
                             "no segmento A. "));
    // Messages of several records add up in file order.
    EXPECT_EQ(refusal(kIE, {lineB(other, "1", 5102, 0, 0, 0, 0, 0, 0), lineK(april, 5, 1)}),
              QStringLiteral(" Segmento B - Inscrição Estadual informada diverge da constante no segmento A. \r\n"
                             " Período de referência informado no segmento K e diferente do Período de referência "
                             "informado no segmento A. "));
}

TEST_F(SegmentTest, OperationsByCfop) {
    EXPECT_EQ(refusal(kIE, {lineB(k_, "1", 5102, 1, 0, 0, 0, 1, 0), lineB(k_, "1", 5102, 2, 0, 0, 0, 2, 0)}),
              QStringLiteral(" Segmento B - Existem registros repetidos para o Codigo de Operação 5102 (B6)"));
    EXPECT_EQ(refusal(kIE, {lineB(k_, "1", 5999, 1, 0, 0, 0, 1, 0, "C")}),
              QStringLiteral(" CFOP \"5999\" Inválido.C Não é um valor válido para o campo domicílio fiscal."));
    // The Simples Nacional does not fill base, exempt and tax.
    ASSERT_TRUE(importWith(kSimplesIE, {lineB(periodKey(kSimplesIE), "0", 1102, 9, 9, 1, 2, 3, 9)}).allImported());
    EXPECT_EQ(test::rowText(QStringLiteral("select BaseCalculo, ImpostoCreditado, Outras from MovimentacaoPorOperacoes42 "
                                     "where IE = ?"),
                      {kSimplesIE}),
              QStringLiteral("nulo/nulo/1.0"));
}

TEST_F(SegmentTest, StockAndStatesAndMunicipalities) {
    EXPECT_EQ(refusal(kIE, {lineC(k_), lineC(k_, 5)}), QStringLiteral(" Segmento C - Existem registros repetidos. "));
    EXPECT_EQ(refusal(kIE, {lineD(k_, "0", "26"), lineD(k_, "0", "26")}),
              QStringLiteral(" Segmento D - Existem registros repetidos para a Operação de Entrada (D5), UF: 26 - SP "
                             "(D6)."));
    EXPECT_EQ(refusal(kIE, {lineD(k_, "1", "11")}), QStringLiteral("11 Não é um valor válido para o campo UF."));
    EXPECT_EQ(refusal(kIE, {lineM(k_, 3550308, "A", 10, 0)}),
              QStringLiteral(" Segmento M - 3550308 - São Paulo, Não é um Município válido para Município de Origem (M5), que "
                             "deve ser Verdalense."));
    // A municipality code followed by blanks reads as the code.
    ASSERT_TRUE(importWith(kIE, {lineM(k_, kCityB, "A", 10, 4)}).allImported());
    EXPECT_EQ(test::rowText(QStringLiteral("select MunicipioID, Total from SaidasMun where IE = ?"), {kIE}),
              QStringLiteral("2940807/6.0"));
}

TEST_F(SegmentTest, DueDatesOfTheTaxToPay) {
    const decl::DeclarationKey nov = periodKey(kIE, "11", "2025");
    const QString sameMonth = QStringLiteral("Segmento E - Data de vencimento (E6), não pode ser menor ou igual que o "
                                             "mês do período de referência informado (E3) para Tipo de ICMS = "
                                             "Diferencial de Alíquota (Saídas) (E5). ");
    EXPECT_EQ(refusal(kIE, {lineE(nov, "F", QDate(2025, 11, 20), 10)}, &nov), sameMonth);
    EXPECT_EQ(refusal(kIE, {lineE(nov, "F", QDate(2026, 1, 10), 10)}, &nov),
              QStringLiteral("Segmento E - Data de vencimento (E6), não pode ser maior que o mês subseqüente do "
                             "período de referência informado (E3) para Tipo de ICMS = Diferencial de Alíquota "
                             "(Saídas) (E5). "));
    EXPECT_TRUE(importWith(kIE, {lineE(nov, "F", QDate(2025, 12, 10), 10)}, &nov).allImported());
    EXPECT_EQ(refusal(kIE, {lineE(k_, "C", QDate(2024, 4, 10), 10)}),
              QStringLiteral("Segmento E - ICMS Complementação de Alíquotas (E5), não deve ser informado quando o "
                             "Regime de Tributação for diferente de Simples Nacional"));
    QByteArray badDate = lineE(k_, "N", QDate(2024, 4, 10), 10);
    badDate.replace(21, 8, "31042024");
    EXPECT_EQ(refusal(kIE, {badDate}), QStringLiteral("Data de vencimento  do ICMS a Recolher inválida."));
}

TEST_F(SegmentTest, FuelRecordsBelongToFuelRetailersOnly) {
    EXPECT_EQ(refusal(kIE, {lineG(k_, "BOMBA-1", 1, 1, 100, 200)}),
              QStringLiteral(" Segmento G - É de preenchimento obrigatório apenas para os contribuintes com CNAE-Fiscal "
                             "4731-8/00 - Comércio varejista de combustíveis para veículos automotores. "));
    EXPECT_EQ(refusal(kIE, {lineH(k_, 1, 1, 500)}),
              QStringLiteral(" Segmento H - É de preenchimento obrigatório apenas para os contribuintes com CNAE-Fiscal "
                             "4731-8/00  - Comércio varejista de combustíveis para veículos automotores. "));
}

TEST_F(SegmentTest, PumpRecordOfTheSubmissionFileIsReadFromItsFirst92Characters) {
    const decl::DeclarationKey k = periodKey(kFuelIE);
    const QByteArray g130 = lineG130(k, QStringLiteral("BOMBA-7"), 3, 2, 1000, 1800);
    ASSERT_EQ(g130.size(), 130);
    const auto r = importWith(kFuelIE, {g130, lineH(k, 4, 2, 15000),
                                        lineI(k, 123, QDate(2024, 3, 5), "11222333000181", "26", 3.45, 5000)});
    ASSERT_TRUE(r.allImported()) << joined(r).toStdString();
    EXPECT_EQ(test::rowText(QStringLiteral("select NSerieBomba, NBico, PRODUTO, LeituraInicial, LeituraFinal, ProdutoAnt "
                                     "from Encerrantes where IE = ?"),
                      {kFuelIE}),
              QStringLiteral("BOMBA-7/3/2/1000/1800/nulo"));
    EXPECT_EQ(test::rowText(QStringLiteral("select UfOrigem, ValorUnitario, Quantidade, DtEmissaoNota from InfoAlcool "
                                     "where IE = ?"),
                      {kFuelIE}),
              QStringLiteral("26/3.45/5000.0/2024-03-05"));
}

TEST_F(SegmentTest, PumpFieldsMustBeWholeNumbersAndProductsOneToThree) {
    const decl::DeclarationKey k = periodKey(kFuelIE);
    QByteArray g = lineG(k, QStringLiteral("B1"), 1, 4, 100, 200);
    g.replace(40, 2, "x1");
    EXPECT_EQ(refusal(kFuelIE, {g}),
              QStringLiteral(" Segmento G - x1 Não é um valor válido para o Número do Bico (G6).  Segmento G - "
                             "0000000004 Segmento G - Não é um valor válido para o Código do Produto (G7). "));
    EXPECT_EQ(refusal(kFuelIE, {lineG(k, "B1", 1, 1, 100, 200), lineG(k, "B1", 1, 2, 5, 6)}),
              QStringLiteral(" Segmento G - Existem registros repetidos para o Número do Bico 01 (G6)"));
}

TEST_F(SegmentTest, OtherCreditsDeductionsAndOtherDebits) {
    EXPECT_EQ(refusal(kIE, {lineK(k_, 5, 10), lineK(k_, 5, 20)}),
              QStringLiteral(" Segmento K - Existem registros repetidos para Outros Créditos, Código da Base Legal : 05 - "
                             "Art. 29, § 6º, do RICMS/QX - crédito de 1/48 do imposto das entradas de bens do ativo "
                             "imobilizado (CIAP), na forma do art. 20, § 5º, da Lei Complementar nº 87/1996 (K5)."));
    EXPECT_EQ(refusal(kIE, {lineK(k_, 77, 10)}),
              QStringLiteral("77 Não é um  Código de Base Legal válido para o  segmento K. "));
    // (10000 - 6000) x 0,75 - 5 % = 2850
    EXPECT_EQ(refusal(kIE, {lineL(k_, 1, 10000, 6000, 2800)}),
              QStringLiteral("Segmento L8 - Valor da Dedução informado para a Base Legal: 01, não confere com o valor "
                             "encontrado através do cálculo realizado a partir do valor informado para o segmento  L6 - "
                             "ICMS Devido e L7 - Média do ICMS."));
    const decl::DeclarationKey aug = periodKey(kIE, "08", "2012");
    EXPECT_EQ(refusal(kIE, {lineR(aug, 99, 1)}, &aug),
              QStringLiteral("Segmento R - Especificação de Outros Débitos (Campo 5.2.1), não deve ser informado quando o "
                             "período de referencia for anterior a 09/2012.\r\n"));
    EXPECT_EQ(refusal(kIE, {lineR(k_, 99, 1) + "0"}), QStringLiteral("Tamanho do segmento R inválido.\r\n"));

    SegmentA big;
    big.items[0] = 10000;
    const auto r = importWith(kIE, {lineL(k_, 1, 10000, 6000, 2850)}, nullptr, big);
    EXPECT_TRUE(r.allImported()) << joined(r).toStdString();
}

TEST_F(SegmentTest, GoodsAndNotesByCompany) {
    EXPECT_EQ(refusal(kIE, {lineN(k_, "290000001", "A", "2900001", 10)}),
              QStringLiteral("290000001 Não é válido para Identificação da Empresa (N5). "));
    EXPECT_EQ(refusal(kIE, {lineO(k_, "2900000x9", "Z", 12, 10)}),
              QStringLiteral("2900000x9 Não é válido para Identificação da Empresa. (O5) Z Não é um valor válido para o "
                             "campo domicílio fiscal. (O6) "));
    const auto r = importWith(kIE, {lineN(k_, "290000017", "A", "2900002", 10), lineO(k_, "290000017", "A", 12, 7)});
    ASSERT_TRUE(r.allImported()) << joined(r).toStdString();
    EXPECT_EQ(scalarSql(QStringLiteral("select MunicipioID || '/' || CidadeID from MercadMuni where IE = ?"), {kIE}).toString(),
              QStringLiteral("2900002/2940401"));
}

TEST_F(SegmentTest, RateDifferentialsByState) {
    // SP: internal rate 7, second rate 4, final consumer 18.
    EXPECT_EQ(refusal(kIE, {lineRate('P', k_, "A", "26", 100, 100, 10, 12)}),
              QStringLiteral(" Segmento P - 1200 Não é um valor válido para o campo Alíquota (P10)."));
    EXPECT_EQ(refusal(kIE, {lineRate('P', k_, "A", "26", 100, 100, 10, 7), lineRate('P', k_, "A", "26", 1, 1, 1, 7)}),
              QStringLiteral(" Segmento P - Existem registros repetidos para o Detalhamento do Diferencial de Alíquota "
                             "(Entradas) UF: 26 - SP (P6)."));
    EXPECT_EQ(refusal(kIE, {lineRate('P', k_, "A", "26", 100, 100, 10, 7) + "00"}),
              QStringLiteral("Tamanho do segmento P inválido."));
    EXPECT_EQ(refusal(kIE, {lineRate('Q', k_, "A", "26", 100, 100, 10, 7)}),
              QStringLiteral("Segmento Q - Especificação da Complementação de Alíquotas por UF (Campo 7.9.1), não deve "
                             "ser informado quando regime de tributação for diferente de Simples Nacional.\r\n"));
    const auto r = importWith(kIE, {lineRate('P', k_, "A", "26", 100, 100, 10, 7), lineRate('P', k_, "A", "26", 100, 100, 3, 4)});
    ASSERT_TRUE(r.allImported()) << joined(r).toStdString();
    EXPECT_DOUBLE_EQ(scalarSql(QStringLiteral("select C76 from Vexas where IE = ?"), {kIE}).toDouble(), 13);
}

TEST_F(SegmentTest, FinalConsumerShareOfTheStateOfOrigin) {
    const decl::DeclarationKey k = periodKey(kIE, "05", "2017");
    EXPECT_TRUE(importWith(kIE, {lineRate('S', k, "A", "26", 1000, 1000, 100, 18, 40, 60)}, &k).allImported());
    execSql(QStringLiteral("delete from Vexas"));
    execSql(QStringLiteral("delete from AliquotaConsumidor"));
    EXPECT_EQ(refusal(kIE, {lineRate('S', k, "A", "26", 1000, 1000, 100, 18, 50, 60)}, &k),
              QStringLiteral("Segmento S - Valor de Origem (S11) R$ 50,00 deve ser 40% do valor de Diferencial de "
                             "Alíquota(S9). Segmento S - A soma do valor: Origem (S11) R$ 50,00 + Destino (S12) R$ 60,00 "
                             "deve ser igual ao valor do Diferencial de Alíquota (S9) R$ 100,00 para UF: 26 (S6). "));
}

TEST_F(SegmentTest, StateCountsArePerSegment) {
    const decl::DeclarationKey k = periodKey(kSimplesIE);
    QList<QByteArray> records;
    const QStringList states = {"01", "02", "03", "04", "05", "06", "07", "08", "10", "12", "13", "14", "15", "16",
                                "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28"};
    for (const QString& uf : states) {
        const double rate = scalarSql(QStringLiteral("select Aliquota from AliquotaUF where CodigoUF = ?"), {uf}).toDouble();
        records << lineRate('Q', k, "A", uf, 10, 10, 1, rate) << lineRate('P', k, "A", uf, 10, 10, 1, rate);
    }
    EXPECT_TRUE(importWith(kSimplesIE, records).allImported());
    execSql(QStringLiteral("delete from Vexas"));
    execSql(QStringLiteral("delete from Aliquota"));
    execSql(QStringLiteral("delete from AliquotaComp"));
    records << lineRate('Q', k, "B", "26", 10, 10, 1, 7);
    EXPECT_EQ(refusal(kSimplesIE, records), QStringLiteral("Segmento Q - Quantidade de estados não pode superior a 26."));
}

} // namespace
} // namespace vexa::test
