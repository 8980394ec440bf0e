// Segment A: its checks in order, the message each gives, and what the new
// declaration row takes over from the previous period.

#include "ImportFixture.h"

#include "declaration/VexaRow.h"

namespace vexa::test {
namespace {

// The result text of a declaration refused by its A record.
class SegmentATest : public ImportTest {
protected:
    QString refusal(const SegmentA& a, const decl::DeclarationKey& k = periodKey(kIE)) {
        AccountText text;
        text.begin(lineA(k, a)).end();
        const auto r = import(text);
        EXPECT_EQ(r.refused, 1);
        EXPECT_EQ(allRowsOf(k), 0);
        return r.response.value(1);
    }
};

TEST_F(SegmentATest, LengthVersionAndTaxpayerStopTheChecks) {
    SegmentA a;
    a.version = QStringLiteral("09.60");
    a.activity = QStringLiteral("0000000");   // would fail later checks too
    EXPECT_EQ(refusal(a), QStringLiteral("Versão do arquivo inválida!"));

    EXPECT_EQ(refusal(SegmentA{}, periodKey(QStringLiteral("290000033"))),
              QStringLiteral(" Inscrição Estadual não localizada no cadastro de contribuintes. "));

    // A line longer than the layout is refused by its length, however long.
    QByteArray longLine = lineA(periodKey(kIE)) + QByteArray(200000, 'x');
    const auto r = import(AccountText().begin(longLine).end());
    EXPECT_EQ(r.response.value(1), QStringLiteral("29.000.000-9 Tamanho do segmento \"A\" inválido!"));
}

TEST_F(SegmentATest, ShortFormPassesTheLengthAndFailsTheDomicileAnswer) {
    SegmentA a;
    a.shortForm = true;
    EXPECT_EQ(refusal(a), QStringLiteral("Deve ser informado se houve mudança de domicílio."));
}

TEST_F(SegmentATest, LaterChecksReplaceEarlierOnesAndTheLastFailingWins) {
    SegmentA a;
    a.kind = QStringLiteral("X");
    EXPECT_EQ(refusal(a), QStringLiteral("X não é válido para Tipo de Estabelecimento ."));
    a.cpf = QStringLiteral("12345678900");
    EXPECT_EQ(refusal(a), QStringLiteral("CPF do declarante inválido"));
    a.crc = QStringLiteral("QX999");
    EXPECT_EQ(refusal(a), QStringLiteral("Segmento A - CRC Contabilista e UF CRC Contabilista informado nos segmentos "
                                         "A14 e A15\r\n respectivamente, não estão cadastrados no cadastro do "
                                         "contabilista."));
}

TEST_F(SegmentATest, MessagesOfTheFieldChecks) {
    SegmentA a;
    a.activity = QStringLiteral("4731800");
    EXPECT_EQ(refusal(a), QStringLiteral("Segmento A5 - 4731800 Atividade Econômica Principal informada, diverge da "
                                         "constante no Cadastro do Contribuinte do Programa VEXA."));
    a = {};
    a.tare = QStringLiteral("N");
    a.nTare = QStringLiteral("TARE-1");
    EXPECT_EQ(refusal(a), QStringLiteral("Número do TARE não deve ser informado, pois o Contribuinte não é Portador de "
                                         "Tare."));
    a = {};
    a.tareExpiry = QStringLiteral("31022025");
    EXPECT_EQ(refusal(a), QStringLiteral("Data de vencimento  do TARE inválida."));
    a = {};
    a.books = QStringLiteral("x");
    EXPECT_EQ(refusal(a), QStringLiteral("xTipo de Escrituração informado inválido"));
    a = {};
    a.crcUf = QStringLiteral("ZZ");
    EXPECT_EQ(refusal(a).left(18), QStringLiteral("Segmento A - CRC C"));   // the accountant check comes after the UF one
    a = {};
    a.muda = QStringLiteral("S");
    a.cidadeB = QString::number(kCityB);
    a.dtIniA = QStringLiteral("16032024");
    a.dtFimA = QStringLiteral("31032024");
    a.dtIniB = QStringLiteral("01032024");
    a.dtFimB = QStringLiteral("32032024");
    EXPECT_EQ(refusal(a), QStringLiteral("Data final do domicílio B inválida."));
}

TEST_F(SegmentATest, InvalidPeriodAndRectificationAddUp) {
    const decl::DeclarationKey k{kIE, QStringLiteral("2024"), QStringLiteral("13"), QStringLiteral("0x")};
    AccountText text;
    text.begin(lineA(k)).end();
    const auto r = import(text);
    EXPECT_EQ(r.response.value(1), QStringLiteral("132024 Não é um período de referencia válido A.0x Não é um valor "
                                                  "válido para o campo retificação."));
}

TEST_F(SegmentATest, ItemsTheListsCarryMustBeZeroFromSeptember2012) {
    SegmentA a;
    a.items[1] = 5;    // 5.2
    a.items[4] = 6;    // 6.2
    a.items[7] = 7;    // 7.2
    a.c76 = 1;         // 7.6
    EXPECT_EQ(refusal(a),
              QStringLiteral("Segmento A19  – Outros Débitos, deve ser preenchido com zero, conforme informado no "
                             "LEIAUTE ARQUIVO TEXTO VEXA ELETRÔNICA - VERSÃO 9.6.\r\n"
                             "Segmento A22  – Outros Créditos (Incluir os Créditos Recebidos por Transferência), deve "
                             "ser \rpreenchido com zero, conforme informado no LEIAUTE ARQUIVO TEXTO VEXA ELETRÔNICA - "
                             "VERSÃO 9.6.\r\n"
                             "Segmento A25  – Deduções, deve ser preenchido com zero, conforme informado no LEIAUTE "
                             "ARQUIVO TEXTO VEXA ELETRÔNICA - VERSÃO 9.6.\r\n"
                             "Segmento A35 - Diferencial de Alíquota, deve ser preenchido com zero, conforme informado "
                             "no LEIAUTE ARQUIVO TEXTO VEXA ELETRÔNICA - VERSÃO 10.0.\r\n"));
    // Before September 2012 the items come from the file as they are.
    a.c76 = 0;
    a.items[7] = 0;
    const decl::DeclarationKey june = periodKey(kIE, "06", "2012");
    AccountText text;
    text.begin(lineA(june, a)).end();
    ASSERT_TRUE(import(text).allImported());
    EXPECT_DOUBLE_EQ(decl::loadVexa(june)->C52, 5);   // no R record and no update of 5.2 before 09/2012
    EXPECT_DOUBLE_EQ(decl::loadVexa(june)->C62, 0);   // 6.2 always becomes the sum of the K records
}

TEST_F(SegmentATest, DeductionsAboveTheDebitBalanceCancelTheRow) {
    SegmentA a;
    a.items[0] = 100;
    a.items[3] = 40;
    a.items[7] = 70;   // 7.2 above 7.1 = 60
    const decl::DeclarationKey k = periodKey(kIE, "06", "2012");
    EXPECT_EQ(refusal(a, k), QStringLiteral("Valor do campo 7.2 (Deduções) deve ser  menor ou igual ao valor do campo "
                                            "7.1 (Saldo Devedor)!!!"));
    a.items[3] = 140;   // credit above debit
    EXPECT_EQ(refusal(a, k), QStringLiteral("Valor do campo 7.2 (Deduções) deve ser igual a zero quando valor do campo "
                                            "6.5 \r(Total do Crédito) for maior  que o valor do campo 5.4 (Total do "
                                            "Débito)!!!"));
}

TEST_F(SegmentATest, SmallSubstitutionTaxOutsideDecemberCancelsTheRow) {
    SegmentA a;
    a.items[11] = 40;   // 8.3: 8.6 = 40
    EXPECT_TRUE(refusal(a).startsWith(QStringLiteral("Valores inferiores a R$ 50,00, lançados no campo 8.6")));
    AccountText december;
    december.begin(lineA(periodKey(kIE, "12", "2023"), a)).add(lineE(periodKey(kIE, "12", "2023"), "N", QDate(2024, 1, 10), 600)).end();
    EXPECT_TRUE(import(december).allImported());
}

TEST_F(SegmentATest, CreditBalanceIsCarriedFromThePreviousMonthNotRead) {
    const decl::DeclarationKey feb = periodKey(kIE, "02");
    execSql(QStringLiteral("insert into Vexas (IE, Ano, Mes, Retificacao, C51, C61, C76) values (?, ?, ?, '00', 100, 130, 20)"),
            {feb.ie, feb.ano, feb.mes});
    SegmentA a;
    a.items[6] = 999;   // 6.4 in the file is not read
    AccountText text;
    text.begin(lineA(periodKey(kIE), a)).end();
    const auto r = import(text);
    ASSERT_TRUE(r.allImported()) << joined(r).toStdString();
    const auto row = decl::loadVexa(periodKey(kIE));
    EXPECT_DOUBLE_EQ(row->C64, 30);
    EXPECT_DOUBLE_EQ(row->C77, 20);
}

TEST_F(SegmentATest, ChangeOfDomicileNeedsATwinForEveryRecord) {
    SegmentA a;
    a.muda = QStringLiteral("S");
    a.cidadeB = QString::number(kCityB);
    a.dtIniB = QStringLiteral("01032024");
    a.dtFimB = QStringLiteral("15032024");
    a.dtIniA = QStringLiteral("16032024");
    a.dtFimA = QStringLiteral("31032024");
    const decl::DeclarationKey k = periodKey(kIE);
    AccountText lonely;
    lonely.begin(lineA(k, a)).add(lineB(k, "1", 5102, 10, 0, 0, 0, 10, 0, "A")).end();
    EXPECT_EQ(import(lonely).response.value(1), QStringLiteral(" Verifique a consistência do domicílio fiscal."));

    AccountText twins;
    twins.begin(lineA(k, a))
        .add(lineB(k, "1", 5102, 10, 0, 0, 0, 10, 0, "A"))
        .add(lineB(k, "1", 5102, 5, 0, 0, 0, 5, 0, "B"))
        .end();
    ASSERT_TRUE(import(twins).allImported());
    EXPECT_EQ(scalarSql(QStringLiteral("select CidadeID from MovimentacaoPorOperacoes42 where IE = ? and "
                                       "DomicilioFiscal = 'B'"),
                        {kIE})
                  .toLongLong(),
              kCityB);
    const auto row = decl::loadVexa(k);
    EXPECT_EQ(row->CidadeB, kCityB);
    EXPECT_EQ(row->DtIniA, QDate(2024, 3, 16));
}

} // namespace
} // namespace vexa::test
