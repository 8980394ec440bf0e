// The rate-differential tables: states and rates by period (before 2013,
// from 2013, final consumers from 04/2023), the checks in their order, the
// origin share, duplicates, the domicile-B twins and the totals.

#include "../lists/ListsFixture.h"

#include "common/Prompter.h"
#include "declaration/Apuracao.h"
#include "declaration/ListTotals.h"
#include "declaration/RateStore.h"
#include "declaration/RateTables.h"

using namespace vexa;
using namespace vexa::decl;
using vexa::test::ListsFixture;

namespace {

class RateTablesTest : public ListsFixture {
protected:
    void SetUp() override {
        ListsFixture::SetUp();
        addTaxpayer();
    }

    RateContext contextOf(const QString& ano, const QString& mes) {
        const DeclarationKey key = keyOf(ano, mes);
        store(key);
        return rateContextOf(key);
    }

    static RateLine line(const QString& uf, double rate, double valor = 10, double contabil = 100) {
        RateLine l;
        l.UF = uf;
        l.aliquota = rate;
        l.VlrContabil = contabil;
        l.VlrBaseCalculo = contabil;
        l.valor = valor;
        return l;
    }
};

QStringList codesOf(const QList<StateChoice>& states) {
    QStringList out;
    for (const StateChoice& s : states) out << s.codigo;
    return out;
}

} // namespace

TEST_F(RateTablesTest, StatesOfferedAndTyped) {
    const QList<StateChoice> entries = offeredStates(RateTable::Aliquota);
    EXPECT_FALSE(codesOf(entries).contains(QStringLiteral("29")));
    EXPECT_FALSE(codesOf(entries).contains(QStringLiteral("90")));
    EXPECT_EQ(codesOf(offeredStates(RateTable::AliquotaComp)), codesOf(entries));
    const QStringList all = codesOf(offeredStates(RateTable::AliquotaConsumidor));
    EXPECT_TRUE(all.contains(QStringLiteral("29")));
    EXPECT_TRUE(all.contains(QStringLiteral("90")));
    EXPECT_EQ(all.size(), entries.size() + 2);
    EXPECT_EQ(entries.first().text(), QStringLiteral("AC 01"));

    EXPECT_EQ(stateCodeFromTyped(QStringLiteral("AC 01")), QStringLiteral("01"));
    EXPECT_EQ(stateCodeFromTyped(QStringLiteral("qx")), QStringLiteral("29"));
    EXPECT_EQ(stateCodeFromTyped(QStringLiteral("Pi")), QStringLiteral("19"));
    EXPECT_EQ(stateCodeFromTyped(QStringLiteral("19")), QStringLiteral("19"));
    EXPECT_EQ(stateCodeFromTyped(QStringLiteral("zz")), QStringLiteral("ZZ"));
    EXPECT_EQ(stateCodeFromTyped(QString()), QString());
}

TEST_F(RateTablesTest, EntryRatesBefore2013AndFrom2013) {
    // State 05: Aliquota 12, AliquotaN 4.
    const RateContext y2012 = contextOf(QStringLiteral("2012"), QStringLiteral("12"));
    EXPECT_EQ(offeredRates(RateTable::Aliquota, QStringLiteral("05"), y2012.key), QList<double>{12});
    EXPECT_TRUE(isAcceptedLineRate(RateTable::Aliquota, QStringLiteral("05"), y2012.key, 12));
    EXPECT_FALSE(isAcceptedLineRate(RateTable::Aliquota, QStringLiteral("05"), y2012.key, 4));
    EXPECT_EQ(checkRateLineFields(RateTable::Aliquota, y2012.key, line(QStringLiteral("05"), 4)).message,
              rate_msg::AliquotaInvalida);

    const RateContext y2013 = contextOf(QStringLiteral("2013"), QStringLiteral("01"));
    EXPECT_EQ(offeredRates(RateTable::Aliquota, QStringLiteral("05"), y2013.key), (QList<double>{12, 4}));
    for (double rate : {12.0, 4.0}) {
        EXPECT_TRUE(isAcceptedLineRate(RateTable::Aliquota, QStringLiteral("05"), y2013.key, rate));
        EXPECT_TRUE(isAcceptedLineRate(RateTable::AliquotaComp, QStringLiteral("05"), y2013.key, rate));
    }
    EXPECT_FALSE(isAcceptedLineRate(RateTable::Aliquota, QStringLiteral("05"), y2013.key, 7));

    // The higher rate is proposed, the lower once the state is listed at the higher.
    EXPECT_EQ(proposedRate(RateTable::Aliquota, QStringLiteral("05"), y2013.key), 12.0);
    ASSERT_TRUE(postRateLine(RateTable::Aliquota, y2013, line(QStringLiteral("05"), 12), std::nullopt).posted());
    EXPECT_EQ(proposedRate(RateTable::Aliquota, QStringLiteral("05"), y2013.key), 4.0);
    EXPECT_EQ(proposedRate(RateTable::AliquotaComp, QStringLiteral("05"), y2013.key), 12.0);   // another table
    // Before 2013 the one rate stays proposed.
    ASSERT_TRUE(postRateLine(RateTable::Aliquota, y2012, line(QStringLiteral("05"), 12), std::nullopt).posted());
    EXPECT_EQ(proposedRate(RateTable::Aliquota, QStringLiteral("05"), y2012.key), 12.0);

    // Choosing the state fills the municipality and the proposed rate.
    RateLine chosen = newRateLine(y2013);
    chooseState(RateTable::Aliquota, y2013, chosen, QStringLiteral("14"));
    EXPECT_EQ(chosen.aliquota, 7.0);
    EXPECT_EQ(chosen.CidadeID, taxpayerCity());
}

TEST_F(RateTablesTest, FinalConsumerRatesFromApril2023) {
    // State 19: AliquotaCF 18 in the table, 21 from 04/2023.
    for (const auto& [ano, mes, rate] : {std::tuple{"2023", "05", 21.0}, std::tuple{"2024", "02", 21.0},
                                         std::tuple{"2023", "04", 21.0}, std::tuple{"2023", "03", 18.0},
                                         std::tuple{"2016", "01", 18.0}}) {
        const DeclarationKey key = keyOf(QString::fromLatin1(ano), QString::fromLatin1(mes));
        SCOPED_TRACE(key.display().toStdString());
        EXPECT_EQ(proposedRate(RateTable::AliquotaConsumidor, QStringLiteral("19"), key), rate);
        EXPECT_EQ(offeredRates(RateTable::AliquotaConsumidor, QStringLiteral("19"), key), QList<double>{rate});
        EXPECT_TRUE(isAcceptedLineRate(RateTable::AliquotaConsumidor, QStringLiteral("19"), key, rate));
        EXPECT_FALSE(isAcceptedLineRate(RateTable::AliquotaConsumidor, QStringLiteral("19"), key,
                                        rate == 21 ? 18 : 21));
    }
    // A state outside the table keeps its AliquotaCF; the home state follows the table.
    const DeclarationKey may2023 = keyOf(QStringLiteral("2023"), QStringLiteral("05"));
    EXPECT_EQ(proposedRate(RateTable::AliquotaConsumidor, QStringLiteral("23"), may2023), 17.5);
    EXPECT_TRUE(isAcceptedLineRate(RateTable::AliquotaConsumidor, QStringLiteral("23"), may2023, 17.5));
    EXPECT_EQ(proposedRate(RateTable::AliquotaConsumidor, QStringLiteral("29"), may2023), 20.0);
    EXPECT_EQ(proposedRate(RateTable::AliquotaConsumidor, QStringLiteral("29"), keyOf("2023", "03")), 17.0);
    // Abroad has no rates: none proposed, none accepted.
    EXPECT_FALSE(proposedRate(RateTable::AliquotaConsumidor, QStringLiteral("90"), may2023).has_value());
    EXPECT_FALSE(isAcceptedLineRate(RateTable::AliquotaConsumidor, QStringLiteral("90"), may2023, 0));
}

TEST_F(RateTablesTest, LineChecksInTheirOrder) {
    const DeclarationKey key = keyOf(QStringLiteral("2024"), QStringLiteral("03"));
    RateLine l = line(QString(), 0);
    EXPECT_EQ(checkRateLineFields(RateTable::Aliquota, key, l).message, rate_msg::UfDeveSerInformada);
    EXPECT_EQ(checkRateLineFields(RateTable::Aliquota, key, l).field, rate_field::UF);
    for (const char* bad : {"29", "90", "00", "09", "ZZ"}) {
        l.UF = QString::fromLatin1(bad);
        EXPECT_EQ(checkRateLineFields(RateTable::Aliquota, key, l).message, rate_msg::UfInvalida) << bad;
        EXPECT_EQ(checkRateLineFields(RateTable::AliquotaComp, key, l).message, rate_msg::UfInvalida) << bad;
    }
    l.UF = QStringLiteral("05");
    l.aliquota.reset();   // no rate: not the state's rate
    EXPECT_EQ(checkRateLineFields(RateTable::Aliquota, key, l).message, rate_msg::AliquotaInvalida);
    EXPECT_EQ(checkRateLineFields(RateTable::Aliquota, key, l).field, rate_field::Aliquota);
    l.aliquota = 4;
    EXPECT_TRUE(checkRateLineFields(RateTable::Aliquota, key, l).ok());

    // Final consumers: the differential is checked first; the home state is a valid code there.
    RateLine c = line(QStringLiteral("29"), 20, 100);
    c.Origem = 40;
    c.Destino = 60;
    EXPECT_TRUE(checkRateLineFields(RateTable::AliquotaConsumidor, key, c).ok());
    c.Destino = 59;
    c.UF.clear();
    EXPECT_EQ(checkRateLineFields(RateTable::AliquotaConsumidor, key, c).message, rate_msg::DiferencialOrigemDestino);
    c.Destino = 60;
    EXPECT_EQ(checkRateLineFields(RateTable::AliquotaConsumidor, key, c).message, rate_msg::UfDeveSerInformada);
    c.UF = QStringLiteral("00");
    EXPECT_EQ(checkRateLineFields(RateTable::AliquotaConsumidor, key, c).message, rate_msg::UfInvalida);
    c.UF = QStringLiteral("19");
    EXPECT_EQ(checkRateLineFields(RateTable::AliquotaConsumidor, key, c).message, rate_msg::AliquotaInvalida);
    // Shares of 0,10 and 0,20 make 0,30 to the cent.
    RateLine cents = line(QStringLiteral("19"), 21, 0.3);
    cents.Origem = 0.1;
    cents.Destino = 0.2;
    EXPECT_TRUE(checkRateLineFields(RateTable::AliquotaConsumidor, key, cents).ok());
}

TEST_F(RateTablesTest, OriginShareByYear) {
    EXPECT_TRUE(checkOrigem(keyOf("2016", "05"), 100, 60).ok());
    const CheckResult low = checkOrigem(keyOf("2016", "05"), 100, 59.99);
    EXPECT_EQ(low.message, QStringLiteral("O VALOR DE ORIGEM DEVE SER 60% DO VALOR DE DIFERENCIAL DE ALÍQUOTA"));
    EXPECT_EQ(low.field, rate_field::Origem);
    EXPECT_TRUE(checkOrigem(keyOf("2017", "05"), 100, 40).ok());
    EXPECT_EQ(checkOrigem(keyOf("2017", "05"), 100, 60).message,
              QStringLiteral("O VALOR DE ORIGEM DEVE SER 40% DO VALOR DE DIFERENCIAL DE ALÍQUOTA"));
    EXPECT_TRUE(checkOrigem(keyOf("2018", "05"), 33.33, 6.67).ok());   // 6,666 -> 6,67
    EXPECT_EQ(checkOrigem(keyOf("2018", "05"), 33.33, 6.66).message,
              QStringLiteral("O VALOR DE ORIGEM DEVE SER 20% DO VALOR DE DIFERENCIAL DE ALÍQUOTA"));
    EXPECT_TRUE(checkOrigem(keyOf("2019", "05"), 100, 0).ok());
    EXPECT_EQ(checkOrigem(keyOf("2019", "05"), 100, 0.01).message, QStringLiteral("O VALOR DE ORIGEM DEVE SER 0,00"));
    EXPECT_TRUE(checkOrigem(keyOf("2020", "05"), 100, 99).ok());
    EXPECT_TRUE(checkOrigem(keyOf("2015", "12"), 100, 1).ok());

    EXPECT_DOUBLE_EQ(originShare(0.01, 60), 0.01);     // 0,006
    EXPECT_DOUBLE_EQ(originShare(0.01, 40), 0.0);      // 0,004
    EXPECT_DOUBLE_EQ(originShare(1234.57, 60), 740.74);
    EXPECT_DOUBLE_EQ(originShare(-10, 40), -4);
}

TEST_F(RateTablesTest, DuplicatesAreDiscarded) {
    const RateContext ctx = contextOf(QStringLiteral("2024"), QStringLiteral("03"));
    ASSERT_TRUE(postRateLine(RateTable::Aliquota, ctx, line(QStringLiteral("05"), 12), std::nullopt).posted());
    ASSERT_TRUE(postRateLine(RateTable::Aliquota, ctx, line(QStringLiteral("05"), 4), std::nullopt).posted());

    RatePostResult again = postRateLine(RateTable::Aliquota, ctx, line(QStringLiteral("05"), 12, 99), std::nullopt);
    EXPECT_EQ(again.status, RatePost::Discarded);
    EXPECT_EQ(again.check.message, QStringLiteral("Já existe um registro cadastrado para a UF 05"));
    EXPECT_EQ(rowsOf(QStringLiteral("Aliquota"), ctx.key), 2);

    // Editing a line onto the place of the other is dropped as well; editing in place posts.
    const QList<RateLine> stored = loadRateLines(RateTable::Aliquota, ctx.key);
    ASSERT_EQ(stored.size(), 2);
    RateLine edit = stored[0];   // rate 4 comes first
    ASSERT_EQ(edit.aliquota, 4.0);
    edit.aliquota = 12;
    EXPECT_EQ(postRateLine(RateTable::Aliquota, ctx, edit, stored[0]).status, RatePost::Discarded);
    edit = stored[0];
    edit.valor = 55.5;
    ASSERT_TRUE(postRateLine(RateTable::Aliquota, ctx, edit, stored[0]).posted());
    EXPECT_DOUBLE_EQ(rateTotals(RateTable::Aliquota, ctx.key).valor, 65.5);

    // Refused lines write nothing.
    EXPECT_EQ(postRateLine(RateTable::Aliquota, ctx, line(QStringLiteral("29"), 17), std::nullopt).status,
              RatePost::Refused);
    EXPECT_EQ(rowsOf(QStringLiteral("Aliquota"), ctx.key), 2);
}

TEST_F(RateTablesTest, DomicileBTwinsFollowTheirLine) {
    const DeclarationKey key = keyOf(QStringLiteral("2024"), QStringLiteral("03"));
    const qint64 cityB = otherCity(taxpayerCity());
    store(key, [&](VexaRow& r) {
        r.MudaDomicilio = QStringLiteral("S");
        r.CidadeB = cityB;
    });
    const RateContext ctx = rateContextOf(key);
    ASSERT_TRUE(ctx.mudaDomicilio);
    ASSERT_EQ(ctx.cidadeB, cityB);

    for (RateTable table : {RateTable::Aliquota, RateTable::AliquotaComp, RateTable::AliquotaConsumidor}) {
        SCOPED_TRACE(rateTableName(table).toStdString());
        const double rate = table == RateTable::AliquotaConsumidor ? 19 : 12;
        RateLine a = newRateLine(ctx);
        chooseState(table, ctx, a, QStringLiteral("05"));
        ASSERT_EQ(a.aliquota, rate);
        a.VlrContabil = 100;
        a.valor = 10;
        a.Origem = 0;
        a.Destino = 10;
        const RatePostResult posted = postRateLine(table, ctx, a, std::nullopt);
        ASSERT_TRUE(posted.posted()) << posted.check.message.toStdString() << posted.error.toStdString();
        EXPECT_TRUE(posted.twinCreated);

        QList<RateLine> lines = loadRateLines(table, key);
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines[0].DomicilioFiscal, kDomicileA);
        EXPECT_EQ(lines[0].CidadeID, taxpayerCity());
        EXPECT_EQ(lines[1].DomicilioFiscal, kDomicileB);
        EXPECT_EQ(lines[1].UF, QStringLiteral("05"));
        EXPECT_EQ(lines[1].aliquota, rate);
        EXPECT_EQ(lines[1].CidadeID, cityB);
        EXPECT_DOUBLE_EQ(lines[1].VlrContabil + lines[1].VlrBaseCalculo + lines[1].valor, 0);

        // The state changed on the A line: the twin moves along.
        RateLine moved = lines[0];
        chooseState(table, ctx, moved, QStringLiteral("19"));
        const RatePostResult r = postRateLine(table, ctx, moved, lines[0]);
        ASSERT_TRUE(r.posted()) << r.check.message.toStdString();
        EXPECT_TRUE(r.twinMoved);
        lines = loadRateLines(table, key);
        ASSERT_EQ(lines.size(), 2);
        EXPECT_EQ(lines[0].UF, QStringLiteral("19"));
        EXPECT_EQ(lines[1].UF, QStringLiteral("19"));
        EXPECT_EQ(lines[1].DomicilioFiscal, kDomicileB);

        // Deleting one deletes both.
        ScriptedPrompter yes(true);
        QString error;
        EXPECT_EQ(deleteRateLine(table, ctx, lines[1], yes, &error), RateDelete::Deleted);
        EXPECT_EQ(yes.log(), QStringList{QStringLiteral("ask: Confirma Exclusão?")});
        EXPECT_EQ(rowsOf(rateTableName(table), key), 0);
    }
}

TEST_F(RateTablesTest, WithoutDomicileChangeNoTwinAndDeleteAsksFirst) {
    const RateContext ctx = contextOf(QStringLiteral("2024"), QStringLiteral("03"));
    const RatePostResult r = postRateLine(RateTable::AliquotaComp, ctx, line(QStringLiteral("05"), 12), std::nullopt);
    ASSERT_TRUE(r.posted());
    EXPECT_FALSE(r.twinCreated);
    EXPECT_EQ(rowsOf(QStringLiteral("AliquotaComp"), ctx.key), 1);
    ScriptedPrompter no(false);
    QString error;
    EXPECT_EQ(deleteRateLine(RateTable::AliquotaComp, ctx, r.stored, no, &error), RateDelete::NotConfirmed);
    EXPECT_EQ(rowsOf(QStringLiteral("AliquotaComp"), ctx.key), 1);
}

TEST_F(RateTablesTest, TotalsCountStatesWithRatesAndGoIntoTheRow) {
    const RateContext ctx = contextOf(QStringLiteral("2024"), QStringLiteral("03"));
    ASSERT_TRUE(postRateLine(RateTable::Aliquota, ctx, line(QStringLiteral("05"), 12, 20.1, 100), std::nullopt).posted());
    ASSERT_TRUE(postRateLine(RateTable::Aliquota, ctx, line(QStringLiteral("14"), 7, 10.2, 50), std::nullopt).posted());
    // A line of a state without rates (stored by an import) is left out of the totals.
    exec(QStringLiteral("INSERT INTO Aliquota (IE, Ano, Mes, Retificacao, UF, Aliquota, DomicilioFiscal, VlrContabil, "
                        "VlrBaseCalculo, VlrDifAliquota, CidadeID) VALUES (?, ?, ?, ?, '90', 0, 'A', 1, 1, 1000, 0)"),
         {ctx.key.ie, ctx.key.ano, ctx.key.mes, ctx.key.retificacao});
    const RateTotals t = rateTotals(RateTable::Aliquota, ctx.key);
    EXPECT_DOUBLE_EQ(t.VlrContabil, 150);
    EXPECT_DOUBLE_EQ(t.VlrBaseCalculo, 150);
    EXPECT_DOUBLE_EQ(t.valor, 30.3);

    RateLine c = line(QStringLiteral("19"), 21, 100, 1000);
    c.Origem = 0;
    c.Destino = 100;
    ASSERT_TRUE(postRateLine(RateTable::AliquotaConsumidor, ctx, c, std::nullopt).posted());
    EXPECT_DOUBLE_EQ(rateTotals(RateTable::AliquotaConsumidor, ctx.key).Destino, 100);

    QString error;
    for (ListEditor list : {ListEditor::Aliquota, ListEditor::AliquotaComp, ListEditor::AliquotaConsumidor})
        ASSERT_TRUE(storeListTotal(list, ctx.key, listTotal(list, ctx.key), &error)) << error.toStdString();
    const VexaRow row = *loadVexa(ctx.key);
    EXPECT_DOUBLE_EQ(row.C76, 30.3);
    EXPECT_DOUBLE_EQ(row.C79, 0);
    EXPECT_DOUBLE_EQ(row.C713, 100);
    // March: 30,30 is carried (7.8), 100,00 is due (7.16).
    const Apuracao a = computeApuracao(row);
    EXPECT_DOUBLE_EQ(a.C74, 0);
    EXPECT_DOUBLE_EQ(a.C78, 30.3);
    EXPECT_DOUBLE_EQ(a.C716, 100);
}
