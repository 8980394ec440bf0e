// Values without room in the layout refuse the declaration, naming the
// declaration (IE, period, rectification) and the field: amounts of 10^12 or
// more, law codes above 99, more than 999 records, texts longer than their width.

#include "LayoutFixture.h"

#include "declfile/DeclarationReader.h"
#include "declfile/DeclarationRecords.h"
#include "storage/Database.h"

using namespace vexa;
using namespace vexa::declfile;
using namespace vexa::test;

namespace {

class RefusalTest : public LayoutTest {
protected:
    void SetUp() override {
        LayoutTest::SetUp();
        insertTaxpayer(kTaxpayerIE, QStringLiteral("Posto"));
        insertAccountant();
    }
    static RecordsResult build() {
        DeclarationData data;
        QString error;
        EXPECT_TRUE(readDeclaration(marchKey(), data, &error)) << error.toStdString();
        return buildRecords(data);
    }
    static void expectRefused(const RecordsResult& r, char segment, const QString& field, const QString& detail) {
        ASSERT_FALSE(r.ok());
        EXPECT_EQ(r.refusal->field.segment, segment);
        EXPECT_EQ(r.refusal->field.field, field);
        const QString& m = r.refusal->message;
        EXPECT_TRUE(m.contains(QStringLiteral("29.000.000-9"))) << m.toStdString();
        EXPECT_TRUE(m.contains(QStringLiteral("período 03/2024"))) << m.toStdString();
        EXPECT_TRUE(m.contains(QStringLiteral("retificação 00"))) << m.toStdString();
        EXPECT_TRUE(m.contains(field)) << m.toStdString();
        EXPECT_TRUE(m.contains(detail)) << m.toStdString();
    }
};

TEST_F(RefusalTest, AmountOfTwelveIntegerDigitsFitsAndThirteenDoNot) {
    insertDeclaration(marchKey(), {{"C51", 999999999999.99}});
    EXPECT_TRUE(build().ok());
    exec("UPDATE Vexas SET C51 = ?", {1e12});
    expectRefused(build(), 'A', QStringLiteral("C51"), QStringLiteral("doze dígitos"));
    // Negative amounts are written without sign, so the bound holds both ways.
    exec("UPDATE Vexas SET C51 = ?, C85 = ?", {0.0, -1e12});
    expectRefused(build(), 'A', QStringLiteral("C85"), QStringLiteral("doze dígitos"));
}

TEST_F(RefusalTest, AmountOfAChildRowNamesItsSegment) {
    insertDeclaration(marchKey());
    exec("INSERT INTO ICMSRecolher (IE, Ano, Mes, Retificacao, TipoApuracao, DtVencimento, Valor) VALUES (?,?,?,?,?,?,?)",
         {kTaxpayerIE, "2024", "03", "00", "N", "2024-04-10", 2.5e12});
    expectRefused(build(), 'E', QStringLiteral("Valor"), QStringLiteral("doze dígitos"));
}

TEST_F(RefusalTest, LawCodeAboveNinetyNine) {
    insertDeclaration(marchKey());
    exec("INSERT INTO OutrosDeb (IE, Ano, Mes, Retificacao, CodLei, Valor) VALUES (?,?,?,?,?,?)",
         {kTaxpayerIE, "2024", "03", "00", 99, 1.0});
    EXPECT_TRUE(build().ok());
    exec("INSERT INTO Deducoes (IE, Ano, Mes, Retificacao, CodLei, VlrDeducao) VALUES (?,?,?,?,?,?)",
         {kTaxpayerIE, "2024", "03", "00", 100, 1.0});
    expectRefused(build(), 'L', QStringLiteral("CodLei"), QStringLiteral("2 dígitos"));
}

TEST_F(RefusalTest, TextLongerThanItsWidth) {
    insertDeclaration(marchKey());
    exec("UPDATE Contribuintes SET NTare = ?", {QStringLiteral("TARE-1234567890123456789")});   // 24 characters
    expectRefused(build(), 'A', QStringLiteral("NTare"), QStringLiteral("24 caracteres e o campo comporta 20"));
}

TEST_F(RefusalTest, SupplierIEOrStateCodeThatCannotBeWritten) {
    insertDeclaration(marchKey());
    exec("INSERT INTO MercadMuni (IE, Ano, Mes, Retificacao, IEEmpresa, DomicilioFiscal, MunicipioID) VALUES (?,?,?,?,?,?,?)",
         {kTaxpayerIE, "2024", "03", "00", "2900000251", "A", 2940401});
    expectRefused(build(), 'N', QStringLiteral("IEEmpresa"), QStringLiteral("10 caracteres"));
    exec("DELETE FROM MercadMuni");
    exec("INSERT INTO InfoAlcool (IE, Ano, Mes, Retificacao, NNotaFiscal, CnpjRemetente, UfOrigem) VALUES (?,?,?,?,?,?,?)",
         {kTaxpayerIE, "2024", "03", "00", 1, "11222333000181", "QX"});
    expectRefused(build(), 'I', QStringLiteral("UfOrigem"), QStringLiteral("não é um número"));
}

TEST_F(RefusalTest, MoreThan999Records) {
    insertDeclaration(marchKey());
    // A and 998 operations: 999 records, the most the Z count holds.
    {
        storage::Transaction t;
        for (int cfop = 1; cfop <= 998; ++cfop)
            exec("INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, DomicilioFiscal,"
                 " EntradaSaida, ValorContabil) VALUES (?,?,?,?,?,?,?,?)",
                 {kTaxpayerIE, "2024", "03", "00", cfop, "A", "0", 1.0});
        ASSERT_TRUE(t.commit());
    }
    const RecordsResult full = build();
    ASSERT_TRUE(full.ok());
    EXPECT_EQ(full.records.lines.last().right(3), "999");

    exec("INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, DomicilioFiscal,"
         " EntradaSaida, ValorContabil) VALUES (?,?,?,?,?,?,?,?)",
         {kTaxpayerIE, "2024", "03", "00", 999, "A", "0", 1.0});
    const RecordsResult over = build();
    ASSERT_FALSE(over.ok());
    EXPECT_EQ(over.refusal->field.segment, 'Z');
    EXPECT_TRUE(over.refusal->message.contains(QStringLiteral("1000 registros"))) << over.refusal->message.toStdString();
    EXPECT_TRUE(over.refusal->message.contains(QStringLiteral("29.000.000-9")));
}

TEST_F(RefusalTest, FirstFieldThatDoesNotFitIsTheOneNamed) {
    insertDeclaration(marchKey(), {{"SaldoInicialCaixa", 5e12}, {"C85", 5e12}});
    expectRefused(build(), 'A', QStringLiteral("SaldoInicialCaixa"), QStringLiteral("doze dígitos"));
}

} // namespace
