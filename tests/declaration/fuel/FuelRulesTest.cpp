// Items 13 and 14 without a screen: nozzle and tank numbering, the volume
// rules and the question about a volume with intervention, the
// previous-product readings, the tank checks, the alcohol invoices with the
// sender's CNPJ check and the state typed as letters, the meter kind and remarks.
#include "declaration/municipality/SheetsFixture.h"

#include "declaration/Encerrantes.h"
#include "declaration/EstTanque.h"
#include "declaration/InfoAlcool.h"
#include "declaration/StateMovement.h"

namespace vexa::test {
namespace {

using namespace vexa::decl;

class FuelRulesTest : public SheetsFixture {
protected:
    void SetUp() override {
        SheetsFixture::SetUp();
        addTaxpayer({kFuelActivity});
        key = addDeclaration();
    }
    static EncerranteRow nozzle(const QString& serial, int number, int product, std::optional<qint64> initial,
                                std::optional<qint64> final, qint64 volumeB = 0) {
        EncerranteRow row = newEncerranteRow();
        row.nSerieBomba = serial;
        row.nBico = number;
        row.produto = product;
        row.leituraInicial = initial;
        row.leituraFinal = final;
        row.volComCemInterv = volumeB;
        return row;
    }
    RowPost post(const EncerranteRow& row, const std::optional<EncerranteRow>& original = std::nullopt,
                 const PreviousProductDialog& dialog = {}) {
        return postEncerranteRow(key, row, original, prompter_, dialog);
    }
    static AlcoolRow invoice(qint64 number, const QString& cnpj, const QString& uf, double price, double litres) {
        AlcoolRow row = newAlcoolRow();
        row.nNotaFiscal = number;
        row.dtEmissaoNota = QDate(2024, 2, 10);
        row.cnpjRemetente = cnpj;
        row.ufOrigem = stateCodeFromTyped(uf);
        row.valorUnitario = price;
        row.quantidade = litres;
        return row;
    }

    DeclarationKey key;
};

TEST_F(FuelRulesTest, VolumeSoldFollowsTheReadingsAndAVolumeWithInterventionIsConfirmed) {
    // 1.000 -> 1.500: 500 litres without intervention.
    ASSERT_TRUE(post(nozzle(QStringLiteral("BX-1"), 1, 1, 1000, 1500)).posted());
    EXPECT_EQ(loadEncerrantes(key).first().volComSemInterv, 500);
    EXPECT_TRUE(prompter_.log().isEmpty());

    // With volume B 20 on a meter that went forward the question comes; No refuses.
    EncerranteRow second = nozzle(QStringLiteral("BX-1"), 2, 2, 1000, 1500, 20);
    EXPECT_EQ(second.volComSemIntervCalc(), 0);
    prompter_.queueAnswer(false);
    RowPost out = post(second);
    EXPECT_EQ(out.status, PostStatus::Refused);
    EXPECT_EQ(prompter_.log(),
              (QStringList{QStringLiteral("ask: Confirma saída com intervenção?"),
                           QStringLiteral("warn: Campo 13.5 (Volume comercializado) B (Com intervenção) deve ser "
                                          "preenchido somente se o resultado \rdas vendas (volume comercializado "
                                          "sem intervenção) for negativo!")}));
    prompter_.clear();
    prompter_.queueAnswer(true);
    ASSERT_TRUE(post(second).posted());
    EXPECT_EQ(loadEncerrantes(key).at(1).volComSemInterv, 0);
    EXPECT_EQ(loadEncerrantes(key).at(1).volComCemInterv, 20);
}

TEST_F(FuelRulesTest, MeterThatTurnedOverNeedsVolumeBAndSoldNothingWithoutIt) {
    // 9.990 -> 10: the meter turned over.
    EncerranteRow row = nozzle(QStringLiteral("BX-9"), 1, 3, 9990, 10);
    EXPECT_EQ(row.volComSemIntervCalc(), 0);
    RowPost out = post(row);
    EXPECT_EQ(out.status, PostStatus::Refused);
    EXPECT_EQ(out.field, QStringLiteral("VolComCemInterv"));
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Deve ser informado um valor para o campo 13.5 (Volume "
                                               "comercializado)  B (Com intervenção)!"));
    prompter_.clear();
    row.volComCemInterv = 20;
    ASSERT_TRUE(post(row).posted());
    EXPECT_TRUE(prompter_.log().isEmpty()) << "no question on a meter that went back";
    const EncerranteRow stored = loadEncerrantes(key).first();
    EXPECT_EQ(stored.volComSemInterv, 0);
    EXPECT_EQ(stored.leituraInicial, 9990);
    EXPECT_EQ(stored.leituraFinal, 10);
}

TEST_F(FuelRulesTest, NozzleChecksInTheirOrder) {
    const auto message = [&](const EncerranteRow& row) {
        prompter_.clear();
        const RowPost out = post(row);
        EXPECT_EQ(out.status, PostStatus::Refused);
        return prompter_.log().isEmpty() ? QString() : prompter_.last();
    };
    EXPECT_EQ(message(nozzle(QStringLiteral("  "), 1, 9, std::nullopt, std::nullopt)),
              QStringLiteral("warn: Número de série da bomba deve ser informado!"));
    EXPECT_EQ(message(nozzle(QStringLiteral("B1"), 1, 4, std::nullopt, std::nullopt)),
              QStringLiteral("warn: Código do produto informado não é válido!"));
    EXPECT_EQ(message(nozzle(QStringLiteral("B1"), 1, 1, std::nullopt, std::nullopt)),
              QStringLiteral("warn: Leitura inicial deve ser informada!"));
    EXPECT_EQ(message(nozzle(QStringLiteral("B1"), 1, 1, 0, std::nullopt)),
              QStringLiteral("warn: Leitura final deve ser informada!"));
    EXPECT_EQ(message(nozzle(QStringLiteral("B1"), 1, 1, 5, 10, -1)),
              QStringLiteral("warn: Leitura inicial deve ser maior ou igual a zero!"));
    EncerranteRow noNozzle = nozzle(QStringLiteral("B1"), 1, 1, 5, 10);
    noNozzle.nBico.reset();
    EXPECT_EQ(message(noNozzle), QString()) << "a row without a nozzle is refused silently";
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM Encerrantes")), 0);
}

TEST_F(FuelRulesTest, NozzleThreeAfterOneAndTwoAndTankFiveAfterFour) {
    EXPECT_EQ(nextNozzleNumber(key), 1);
    EXPECT_EQ(newTanqueRow(key).estTanque, 1);
    ASSERT_TRUE(post(nozzle(QStringLiteral("BX-1"), 1, 1, 0, 10)).posted());
    ASSERT_TRUE(post(nozzle(QStringLiteral("BX-1"), 2, 2, 0, 10)).posted());
    EXPECT_EQ(nextNozzleNumber(key), 3);

    for (int tank : {1, 4}) {
        TanqueRow t;
        t.estTanque = tank;
        t.produto = 1;
        t.estQuantidade = 1000;
        ASSERT_TRUE(postTanqueRow(key, t, std::nullopt, prompter_).posted());
    }
    EXPECT_EQ(nextTankNumber(key), 5);
    EXPECT_EQ(newTanqueRow(key).estTanque, 5);

    // Numbers belong to the declaration: another month starts again at 1.
    const DeclarationKey march = addDeclaration(QStringLiteral("2024"), QStringLiteral("03"));
    EXPECT_EQ(nextNozzleNumber(march), 1);
    EXPECT_EQ(nextTankNumber(march), 1);

    // Typing the serial and nozzle of another row finds it; its own do not.
    EncerranteRow typed = nozzle(QStringLiteral("BX-1"), 2, 1, std::nullopt, std::nullopt);
    const auto existing = existingEncerranteRow(key, typed, std::nullopt);
    ASSERT_TRUE(existing);
    EXPECT_EQ(existing->produto, 2);
    EXPECT_FALSE(existingEncerranteRow(key, *existing, *existing));
    TanqueRow tank;
    tank.estTanque = 4;
    EXPECT_TRUE(existingTanqueRow(key, tank, std::nullopt));
}

TEST_F(FuelRulesTest, ChangedProductAsksThePreviousProductsReadings) {
    ASSERT_TRUE(post(nozzle(QStringLiteral("BX-1"), 1, 1, 100, 200)).posted());
    const EncerranteRow stored = loadEncerrantes(key).first();
    EncerranteRow edited = stored;
    edited.produto = 2;

    int askedFor = -1;
    const PreviousProductDialog cancel = [&](int product) {
        askedFor = product;
        return std::optional<PreviousProduct>();
    };
    EXPECT_EQ(post(edited, stored, cancel).status, PostStatus::Refused);
    EXPECT_EQ(askedFor, 1);
    EXPECT_EQ(loadEncerrantes(key).first().produto, 1);

    const PreviousProductDialog answer = [](int) {
        return std::optional<PreviousProduct>(PreviousProduct{100, 150, QDate(2024, 2, 12)});
    };
    ASSERT_TRUE(post(edited, stored, answer).posted());
    const EncerranteRow changed = loadEncerrantes(key).first();
    EXPECT_EQ(changed.produto, 2);
    EXPECT_EQ(changed.produtoAnt, 1);
    EXPECT_EQ(changed.leituraInicialProdAnt, 100);
    EXPECT_EQ(changed.leituraFinalProdAnt, 150);
    EXPECT_EQ(changed.dataAlteracao, QDate(2024, 2, 12));

    // An edit that keeps the product asks nothing and keeps what the dialog gave.
    EncerranteRow again = changed;
    again.leituraFinal = 300;
    askedFor = -1;
    ASSERT_TRUE(post(again, changed, cancel).posted());
    EXPECT_EQ(askedFor, -1);
    EXPECT_EQ(loadEncerrantes(key).first().produtoAnt, 1);
    EXPECT_EQ(loadEncerrantes(key).first().volComSemInterv, 200);
}

TEST_F(FuelRulesTest, TankChecksInTheirOrder) {
    TanqueRow row;
    row.produto = 0;
    postTanqueRow(key, row, std::nullopt, prompter_);
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Valor informado para o Campo 13.6. - B (PRODUTO), não é válido!"));
    row.produto = 3;
    postTanqueRow(key, row, std::nullopt, prompter_);
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Campo 13.6 - C (QUANTIDADE) deve ser informado!"));
    row.estQuantidade = 0;
    const RowPost out = postTanqueRow(key, row, std::nullopt, prompter_);
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Tanque deve ser informado!"));
    EXPECT_EQ(out.field, QStringLiteral("EstTanque"));
    row.estTanque = 7;
    ASSERT_TRUE(postTanqueRow(key, row, std::nullopt, prompter_).posted());
    // A changed tank number is written over the stored row.
    TanqueRow moved = row;
    moved.estTanque = 8;
    ASSERT_TRUE(postTanqueRow(key, moved, row, prompter_).posted());
    ASSERT_EQ(loadTanques(key).size(), 1);
    EXPECT_EQ(loadTanques(key).first().estTanque, 8);
}

TEST_F(FuelRulesTest, AlcoholInvoiceChecksTheSendersCnpjAndTheState) {
    const auto message = [&](const AlcoolRow& row) {
        prompter_.clear();
        EXPECT_EQ(postAlcoolRow(key, row, std::nullopt, false, prompter_).status, PostStatus::Refused);
        return prompter_.last();
    };
    AlcoolRow row = invoice(55, QStringLiteral("11.222.333/0001-81"), QStringLiteral("qx"), 2.3456, 5000);
    EXPECT_EQ(row.ufOrigem, QStringLiteral("29"));

    AlcoolRow bad = row;
    bad.nNotaFiscal.reset();
    EXPECT_EQ(message(bad), QStringLiteral("warn: Número da nota fiscal deve ser informado!"));
    bad = row;
    bad.dtEmissaoNota = {};
    EXPECT_EQ(message(bad), QStringLiteral("warn: Data de emissão da nota fiscal deve ser informada!"));
    bad = row;
    bad.cnpjRemetente = QStringLiteral("  ");
    EXPECT_EQ(message(bad), QStringLiteral("warn: CNPJ de remetente deve ser informado!"));
    bad.cnpjRemetente = QStringLiteral("11222333000182");
    EXPECT_EQ(message(bad), QStringLiteral("warn: CNPJ informado não é válido!"));
    bad = row;
    bad.ufOrigem = stateCodeFromTyped(QStringLiteral("00"));
    EXPECT_EQ(message(bad), QStringLiteral("warn: UF de origem informada não é válida!"));
    bad.ufOrigem = stateCodeFromTyped(QStringLiteral("ZZ"));
    EXPECT_EQ(message(bad), QStringLiteral("warn: UF de origem informada não é válida!"));
    bad = row;
    bad.valorUnitario = 0;
    EXPECT_EQ(message(bad), QStringLiteral("warn: Valor unitário deve ser maior que zero!"));
    bad = row;
    bad.quantidade = -1;
    EXPECT_EQ(message(bad), QStringLiteral("warn: Quantidade deve ser maior que zero!"));

    ASSERT_TRUE(postAlcoolRow(key, row, std::nullopt, false, prompter_).posted());
    ASSERT_TRUE(postAlcoolRow(key, invoice(56, kValidCnpj, QStringLiteral("SP 26"), 2.5, 1500.4), std::nullopt,
                              false, prompter_)
                    .posted());
    const QList<AlcoolRow> rows = loadAlcool(key);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].cnpjRemetente, kValidCnpj) << "stored as digits";
    EXPECT_DOUBLE_EQ(rows[0].valorUnitario, 2.3456);
    EXPECT_EQ(rows[1].ufOrigem, QStringLiteral("26"));
    EXPECT_DOUBLE_EQ(alcoolTotalQuantidade(key), 6500.4);

    // The same number from the same sender is that row.
    AlcoolRow typed = newAlcoolRow();
    typed.nNotaFiscal = 56;
    typed.cnpjRemetente = QStringLiteral("11.222.333/0001-81");
    ASSERT_TRUE(existingAlcoolRow(key, typed, std::nullopt));
    typed.nNotaFiscal = 57;
    EXPECT_FALSE(existingAlcoolRow(key, typed, std::nullopt));
}

TEST_F(FuelRulesTest, MeterKindAndRemarksLiveInTheDeclarationRow) {
    const QString remarks = QStringLiteral("Bomba 2 lacrada em 10/02; troca do bico 'B' ") + QString(300, QLatin1Char('x'));
    QString error;
    ASSERT_TRUE(storeMeterFields(key, {QStringLiteral("E"), remarks}, &error)) << error.toStdString();
    const MeterFields stored = loadMeterFields(key);
    EXPECT_EQ(stored.tipoEncerrante, QStringLiteral("E"));
    EXPECT_EQ(stored.obsEncerrantes, remarks.left(255));
}

TEST(FuelProducts, TypedProductKeepsItsFirstCharacter) {
    EXPECT_EQ(productFromTyped(QStringLiteral("2 ALCOOL CARBURANTE HIDRATADO")), 2);
    EXPECT_EQ(productFromTyped(QStringLiteral("3")), 3);
    EXPECT_EQ(productFromTyped(QStringLiteral("G")), 0);
    EXPECT_FALSE(productFromTyped(QStringLiteral(" ")));
    EXPECT_EQ(productText(1), QStringLiteral("1 GASOLINA AUTOMOTIVA"));
    EXPECT_EQ(productText(7), QStringLiteral("7"));
    EXPECT_TRUE(isFuelRetailer(QStringLiteral("4731800")));
    EXPECT_FALSE(isFuelRetailer(QStringLiteral("4732600")));
}

} // namespace
} // namespace vexa::test
