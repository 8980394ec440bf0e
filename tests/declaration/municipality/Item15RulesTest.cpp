// Item 15 without a screen: the duplicate municipality of a domicile, the
// domicile-B twins that follow a row, the stored total, the totals by
// domicile and the cross-check of 15.3 and 15.4 with the listed CFOPs.
#include "SheetsFixture.h"

#include "declaration/Item15Totals.h"
#include "declaration/SaidasMun.h"

namespace vexa::test {
namespace {

using namespace vexa::decl;

class Item15RulesTest : public SheetsFixture {
protected:
    SaidaMunRow typed(const MunicipalityContext& ctx, qint64 municipio, double saidas, double entradas) {
        SaidaMunRow row = newSaidaMunRow();
        applySaidaMunMunicipio(ctx, row, municipio);
        row.vlrContabil = saidas;
        row.devolucoes = entradas;
        return row;
    }
    void store(const MunicipalityContext& ctx, const SaidaMunRow& row) {
        const RowPost out = postSaidaMunRow(ctx, row, std::nullopt, prompter_);
        ASSERT_TRUE(out.posted()) << out.message.toStdString();
    }
    static int rowsOf(qint64 municipio, const QString& domicile) {
        return count(QStringLiteral("SELECT count(*) FROM SaidasMun WHERE IE = ? AND MunicipioID = ? AND "
                                    "DomicilioFiscal = ?"),
                     {kTaxpayerIE, municipio, domicile});
    }
    // An operation row of the declaration with that CFOP and book value.
    static void operation(const DeclarationKey& key, int cfop, const QString& es, double valor,
                          const QString& domicile = QStringLiteral("A")) {
        exec(QStringLiteral("INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, "
                            "DomicilioFiscal, EntradaSaida, TipoOperacao, ValorContabil) VALUES (?, ?, ?, ?, ?, ?, ?, "
                            "'0', ?)"),
             {key.ie, key.ano, key.mes, key.retificacao, cfop, domicile, es, valor});
    }
};

TEST_F(Item15RulesTest, SecondRowOfAMunicipalityIsRefusedAndTheStoredTotalIsTheDifference) {
    addTaxpayer();
    const MunicipalityContext ctx = loadMunicipalityContext(addDeclaration());
    EXPECT_EQ(ctx.razaoSocial, kTaxpayerName);
    EXPECT_EQ(ctx.cidadeA, kIbgeA);

    const SaidaMunRow row = typed(ctx, kIbgeOther, 1500.5, 200.25);
    EXPECT_EQ(row.municipioNom, QStringLiteral("Alto Bonito"));
    EXPECT_EQ(row.cidadeID, kIbgeA);
    EXPECT_DOUBLE_EQ(row.totalVlrDiferenca(), 1300.25);
    store(ctx, row);
    EXPECT_DOUBLE_EQ(value(QStringLiteral("SELECT Total FROM SaidasMun")).toDouble(), 1300.25);
    EXPECT_EQ(value(QStringLiteral("SELECT CIdadeID FROM SaidasMun")).toLongLong(), kIbgeA);

    const RowPost again = postSaidaMunRow(ctx, typed(ctx, kIbgeOther, 1, 0), std::nullopt, prompter_);
    EXPECT_EQ(again.status, PostStatus::Discarded);
    EXPECT_EQ(prompter_.log(),
              QStringList{QStringLiteral("warn: Já existe um registro cadastrado para o município Alto Bonito")});
    EXPECT_EQ(rowsOf(kIbgeOther, QStringLiteral("A")), 1);

    // Changing a row to a municipality already listed is refused the same way; the row keeps its own.
    SaidaMunRow second = typed(ctx, kIbgeB, 10, 0);
    store(ctx, second);
    const SaidaMunRow stored = loadSaidasMun(ctx.key).at(1);
    SaidaMunRow edited = stored;
    applySaidaMunMunicipio(ctx, edited, kIbgeOther);
    EXPECT_EQ(postSaidaMunRow(ctx, edited, stored, prompter_).status, PostStatus::Discarded);
    EXPECT_EQ(rowsOf(kIbgeB, QStringLiteral("A")), 1);

    // The rows come back in the order they were typed.
    const QList<SaidaMunRow> rows = loadSaidasMun(ctx.key);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].municipioID, kIbgeOther);
    EXPECT_EQ(rows[1].municipioID, kIbgeB);
    EXPECT_LT(rows[0].seq, rows[1].seq);
}

TEST_F(Item15RulesTest, RowWithoutMunicipalityIsNotStoredAndLeavingItsColumnSaysSo) {
    addTaxpayer();
    const MunicipalityContext ctx = loadMunicipalityContext(addDeclaration());
    SaidaMunRow row = newSaidaMunRow();
    row.vlrContabil = 5;
    EXPECT_EQ(checkSaidaMunMunicipio(row).message, QStringLiteral("Selecione um município de origem!"));
    const RowPost out = postSaidaMunRow(ctx, row, std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Refused);
    EXPECT_TRUE(prompter_.log().isEmpty());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SaidasMun")), 0);
}

TEST_F(Item15RulesTest, ChangeOfDomicileKeepsATwinPerMunicipality) {
    addTaxpayer();
    const MunicipalityContext ctx = loadMunicipalityContext(addDeclaration(QStringLiteral("2024"),
                                                                           QStringLiteral("02"), true));
    ASSERT_TRUE(ctx.mudaDomicilio);
    ASSERT_EQ(ctx.cidadeB, kIbgeB);

    const RowPost out = postSaidaMunRow(ctx, typed(ctx, kIbgeOther, 100, 40), std::nullopt, prompter_);
    ASSERT_TRUE(out.posted());
    EXPECT_TRUE(out.twinCreated);
    EXPECT_EQ(value(QStringLiteral("SELECT CIdadeID FROM SaidasMun WHERE DomicilioFiscal = 'B'")).toLongLong(), kIbgeB);
    EXPECT_DOUBLE_EQ(value(QStringLiteral("SELECT VlrContabil FROM SaidasMun WHERE DomicilioFiscal = 'B'")).toDouble(),
                     0.0);

    // The A row moves to another municipality: the B twin follows it.
    const SaidaMunRow stored = loadSaidasMun(ctx.key).first();
    ASSERT_EQ(stored.domicilioFiscal, QStringLiteral("A"));
    SaidaMunRow edited = stored;
    applySaidaMunMunicipio(ctx, edited, kIbgeA);
    const RowPost moved = postSaidaMunRow(ctx, edited, stored, prompter_);
    ASSERT_TRUE(moved.posted());
    EXPECT_TRUE(moved.twinRenamed);
    EXPECT_FALSE(moved.twinCreated);
    EXPECT_EQ(rowsOf(kIbgeA, QStringLiteral("B")), 1);
    EXPECT_EQ(rowsOf(kIbgeOther, QStringLiteral("B")), 0);

    // Deleting either row takes its twin along.
    const QList<SaidaMunRow> rows = loadSaidasMun(ctx.key);
    ASSERT_EQ(rows.size(), 2);
    QString error;
    ASSERT_TRUE(deleteSaidaMunRowWithTwin(ctx, rows.last(), &error)) << error.toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SaidasMun")), 0);

    // During a bulk update the twin is not made.
    MunicipalityContext bulk = ctx;
    bulk.bulkUpdate = true;
    ASSERT_TRUE(postSaidaMunRow(bulk, typed(ctx, kIbgeOther, 1, 0), std::nullopt, prompter_).posted());
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM SaidasMun")), 1);
}

TEST_F(Item15RulesTest, TotalsByDomicileAndTheCrossCheckWithTheListedCfops) {
    addTaxpayer();
    const DeclarationKey key = addDeclaration(QStringLiteral("2024"), QStringLiteral("02"), true);
    const MunicipalityContext ctx = loadMunicipalityContext(key);
    store(ctx, typed(ctx, kIbgeOther, 600, 100));
    store(ctx, typed(ctx, kIbgeA, 400, 50));
    SaidaMunRow b = loadSaidasMun(key).at(1);   // the twin of the first row
    ASSERT_EQ(b.domicilioFiscal, QStringLiteral("B"));
    SaidaMunRow bEdited = b;
    bEdited.vlrContabil = 70;
    ASSERT_TRUE(postSaidaMunRow(ctx, bEdited, b, prompter_).posted());

    const Item15Totals byDomicile = item15Totals(key, true);
    EXPECT_TRUE(byDomicile.perDomicile);
    EXPECT_DOUBLE_EQ(byDomicile.a.vlrContabil, 1000.0);
    EXPECT_DOUBLE_EQ(byDomicile.a.devolucoes, 150.0);
    EXPECT_DOUBLE_EQ(byDomicile.a.diferenca(), 850.0);
    EXPECT_DOUBLE_EQ(byDomicile.b.vlrContabil, 70.0);
    const Item15Totals all = item15Totals(key, false);
    EXPECT_DOUBLE_EQ(all.a.vlrContabil, 1070.0);
    EXPECT_DOUBLE_EQ(all.b.vlrContabil, 0.0);

    // 15.3 of 1.000,00 (domicile A) against 999,99 of listed outputs; 15.4 agrees.
    operation(key, 5102, QStringLiteral("1"), 999.99);
    operation(key, 5101, QStringLiteral("1"), 0.0);
    operation(key, 5949, QStringLiteral("1"), 5000.0);   // not listed in CFOP153
    const int listedEntry = value(QStringLiteral("SELECT min(CodigoOperacao) FROM CFOP154")).toInt();
    operation(key, listedEntry, QStringLiteral("0"), 150.0);
    ASSERT_EQ(count(QStringLiteral("SELECT count(*) FROM CFOP153 WHERE CodigoOperacao = 5949")), 0);
    EXPECT_DOUBLE_EQ(listedCfopBookValue(key, QStringLiteral("CFOP153")), 999.99);

    QStringList warnings = item15CrossCheck(key, byDomicile);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_EQ(warnings.first(),
              QStringLiteral("O valor Total da coluna 15.3 \"Saídas e/ou prestações\" será, obrigatoriamente, igual ao "
                             "valor do somatório da Coluna: A - Valor Contábil, do item 4.2.1 - Saídas e/ou "
                             "prestações interna: 999,99 para os CFOP's relacionados manual de preencimento."));

    // A cent of difference on 15.4 is a difference; agreement to the cent is none.
    exec(QStringLiteral("UPDATE MovimentacaoPorOperacoes42 SET ValorContabil = 1000 WHERE CodigoOperacao = 5102"));
    exec(QStringLiteral("UPDATE MovimentacaoPorOperacoes42 SET ValorContabil = 150.01 WHERE CodigoOperacao = ?"),
         {listedEntry});
    warnings = item15CrossCheck(key, byDomicile);
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings.first().startsWith(QStringLiteral("O valor Total da coluna 15.4 \"Entradas e/ou aquisições\"")));
    EXPECT_TRUE(warnings.first().contains(QStringLiteral("aquisições: 150,01 para os CFOP's")));
    exec(QStringLiteral("UPDATE MovimentacaoPorOperacoes42 SET ValorContabil = 150 WHERE CodigoOperacao = ?"),
         {listedEntry});
    EXPECT_TRUE(item15CrossCheck(key, byDomicile).isEmpty());
    // Thousands are shown with their point.
    EXPECT_TRUE(municipality_msg::crossCheck153(1234567.5).contains(QStringLiteral("interna: 1.234.567,50 para")));
}

TEST_F(Item15RulesTest, RowsOfAnotherDeclarationStayOutOfTheTotals) {
    addTaxpayer();
    const DeclarationKey feb = addDeclaration();
    const DeclarationKey mar = addDeclaration(QStringLiteral("2024"), QStringLiteral("03"));
    const MunicipalityContext ctxFeb = loadMunicipalityContext(feb);
    const MunicipalityContext ctxMar = loadMunicipalityContext(mar);
    store(ctxFeb, typed(ctxFeb, kIbgeOther, 10, 0));
    store(ctxMar, typed(ctxMar, kIbgeOther, 20, 0));   // the same municipality in another month is no duplicate
    EXPECT_DOUBLE_EQ(item15Totals(mar, false).a.vlrContabil, 20.0);
    EXPECT_EQ(loadSaidasMun(feb).size(), 1);
}

} // namespace
} // namespace vexa::test
