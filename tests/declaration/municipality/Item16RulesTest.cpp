// Item 16 without a screen: the supplier checks in their order, the duplicate
// IE of a domicile, the twins, the invoices of a supplier (two invoices
// numbered 12 for one supplier refused) and the totals by domicile.
#include "SheetsFixture.h"

#include "declaration/MercadMuni.h"
#include "declaration/NotasFiscais.h"

namespace vexa::test {
namespace {

using namespace vexa::decl;

class Item16RulesTest : public SheetsFixture {
protected:
    MercadoriaRow typed(const MunicipalityContext& ctx, const QString& ie, std::optional<qint64> municipio) {
        MercadoriaRow row = newMercadoriaRow();
        applyMercadoriaIE(ctx, row, ie);
        applyMercadoriaMunicipio(row, municipio);
        return row;
    }
    void store(const MunicipalityContext& ctx, const MercadoriaRow& row) {
        const RowPost out = postMercadoriaRow(ctx, row, std::nullopt, prompter_);
        ASSERT_TRUE(out.posted()) << out.message.toStdString();
    }
    RowPost note(const SupplierKey& s, std::optional<qint64> number, std::optional<double> valor,
                 const std::optional<NotaFiscalRow>& original = std::nullopt) {
        NotaFiscalRow row = newNotaFiscalRow();
        row.numNota = number;
        row.valor = valor;
        return postNotaFiscal(s, row, original, false, prompter_);
    }
};

TEST_F(Item16RulesTest, SupplierChecksInTheirOrder) {
    addTaxpayer();
    const MunicipalityContext ctx = loadMunicipalityContext(addDeclaration());

    // No IE: dropped without a word.
    EXPECT_EQ(postMercadoriaRow(ctx, typed(ctx, {}, kIbgeOther), std::nullopt, prompter_).status,
              PostStatus::Discarded);
    EXPECT_TRUE(prompter_.log().isEmpty());

    // The taxpayer's own IE (typed with its mask) comes before the missing municipality.
    RowPost out = postMercadoriaRow(ctx, typed(ctx, QStringLiteral("29.000.000-9"), std::nullopt), std::nullopt,
                                    prompter_);
    EXPECT_EQ(out.status, PostStatus::Refused);
    EXPECT_EQ(out.field, QStringLiteral("IEEmpresa"));
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Identificação da Empresa (IE) deve ser diferente da inscrição "
                                               "estadual do contribuinte POSTO D'ÁVILA & FILHOS LTDA"));

    // The municipality comes before the check digits.
    out = postMercadoriaRow(ctx, typed(ctx, QStringLiteral("290000026"), std::nullopt), std::nullopt, prompter_);
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Selecione o município."));
    EXPECT_EQ(out.field, QStringLiteral("MunicipioID"));
    out = postMercadoriaRow(ctx, typed(ctx, QStringLiteral("290000026"), kIbgeOther), std::nullopt, prompter_);
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Identificação da empresa inválida."));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM MercadMuni")), 0);

    store(ctx, typed(ctx, kSupplier1, kIbgeOther));
    EXPECT_EQ(value(QStringLiteral("SELECT CidadeID FROM MercadMuni")).toLongLong(), kIbgeA);
    out = postMercadoriaRow(ctx, typed(ctx, kSupplier1, kIbgeB), std::nullopt, prompter_);
    EXPECT_EQ(out.status, PostStatus::Discarded);
    // The message names the municipality of the row typed.
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Já existe um registro cadastrado para o município Águas Claras "
                                               "do Norte"));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM MercadMuni")), 1);
}

TEST_F(Item16RulesTest, TwoInvoicesNumberedTwelveForOneSupplierAreRefused) {
    addTaxpayer();
    const DeclarationKey key = addDeclaration();
    const MunicipalityContext ctx = loadMunicipalityContext(key);
    store(ctx, typed(ctx, kSupplier1, kIbgeOther));
    store(ctx, typed(ctx, kSupplier2, kIbgeB));
    const SupplierKey first{key, kSupplier1, QStringLiteral("A")};
    const SupplierKey second{key, kSupplier2, QStringLiteral("A")};

    EXPECT_TRUE(note(first, 12, 100.0).posted());
    RowPost out = note(first, 12, 50.0);
    EXPECT_EQ(out.status, PostStatus::Refused);
    EXPECT_EQ(out.field, QStringLiteral("Num_nota"));
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Já existe um registro cadastrado para o número de nota:  12"));
    EXPECT_TRUE(note(second, 12, 30.0).posted()) << "the same number for another supplier";
    EXPECT_TRUE(note(first, 13, 0.5).posted());

    // Value checks in order.
    note(first, std::nullopt, 1.0);
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Número da nota deve ser informado"));
    note(first, 14, std::nullopt);
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Valor da nota deve ser informado"));
    note(first, 14, 0.0);
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Valor da nota deve ser maior que zero"));
    note(first, 14, -3.0);
    EXPECT_EQ(prompter_.last(), QStringLiteral("warn: Valor da nota deve ser maior que zero"));

    // Editing an invoice onto another's number is refused; keeping its own number is not.
    QList<NotaFiscalRow> notes = loadNotasFiscais(first);
    ASSERT_EQ(notes.size(), 2);
    EXPECT_EQ(notes[0].numeroText(), QStringLiteral("000012"));
    NotaFiscalRow edited = notes[1];
    edited.numNota = 12;
    EXPECT_EQ(postNotaFiscal(first, edited, notes[1], false, prompter_).status, PostStatus::Refused);
    edited = notes[0];
    edited.valor = 120.0;
    EXPECT_TRUE(postNotaFiscal(first, edited, notes[0], false, prompter_).posted());

    EXPECT_DOUBLE_EQ(notasFiscaisTotal(first), 120.5);
    QString error;
    ASSERT_TRUE(storeSupplierValue(first, notasFiscaisTotal(first), &error)) << error.toStdString();
    EXPECT_DOUBLE_EQ(findMercadoria(key, kSupplier1, QStringLiteral("A"))->valor, 120.5);
    ASSERT_TRUE(deleteNotaFiscal(first, 13, &error));
    EXPECT_DOUBLE_EQ(notasFiscaisTotal(first), 120.0);
}

TEST_F(Item16RulesTest, TwinsAndInvoicesFollowTheSupplier) {
    addTaxpayer();
    const DeclarationKey key = addDeclaration(QStringLiteral("2024"), QStringLiteral("02"), true);
    const MunicipalityContext ctx = loadMunicipalityContext(key);
    const RowPost out = postMercadoriaRow(ctx, typed(ctx, kSupplier1, kIbgeOther), std::nullopt, prompter_);
    ASSERT_TRUE(out.posted());
    EXPECT_TRUE(out.twinCreated);
    const std::optional<MercadoriaRow> twin = findMercadoria(key, kSupplier1, QStringLiteral("B"));
    ASSERT_TRUE(twin);
    EXPECT_EQ(twin->cidadeID, kIbgeB);
    EXPECT_EQ(twin->municipioID, kIbgeOther);
    EXPECT_DOUBLE_EQ(twin->valor, 0.0);

    ASSERT_TRUE(note({key, kSupplier1, QStringLiteral("A")}, 7, 10.0).posted());
    ASSERT_TRUE(note({key, kSupplier1, QStringLiteral("B")}, 8, 20.0).posted());

    // A new IE for the A row: its twin and both domiciles' invoices go along.
    const MercadoriaRow stored = *findMercadoria(key, kSupplier1, QStringLiteral("A"));
    MercadoriaRow edited = stored;
    applyMercadoriaIE(ctx, edited, kSupplier3);
    const RowPost renamed = postMercadoriaRow(ctx, edited, stored, prompter_);
    ASSERT_TRUE(renamed.posted()) << renamed.message.toStdString();
    EXPECT_TRUE(renamed.twinRenamed);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM MercadMuni WHERE IEEmpresa = ?"), {kSupplier3}), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM NotasFiscal WHERE IEEmpresa = ?"), {kSupplier3}), 2);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM NotasFiscal WHERE IEEmpresa = ?"), {kSupplier1}), 0);

    // Leaving the IE column on an IE that has its row moves there.
    MercadoriaRow fresh = typed(ctx, QStringLiteral("29.123.456-9"), std::nullopt);
    const auto existing = existingMercadoriaRow(ctx, fresh, std::nullopt);
    ASSERT_TRUE(existing);
    EXPECT_EQ(existing->ieEmpresa, kSupplier3);
    EXPECT_FALSE(existingMercadoriaRow(ctx, edited, edited)) << "its own row is no other row";

    // Totals by domicile, then deleting removes both rows and their invoices.
    exec(QStringLiteral("UPDATE MercadMuni SET Valor = 10 WHERE DomicilioFiscal = 'A'"));
    exec(QStringLiteral("UPDATE MercadMuni SET Valor = 20 WHERE DomicilioFiscal = 'B'"));
    const Item16Totals byDomicile = item16Totals(key, true);
    EXPECT_DOUBLE_EQ(byDomicile.a, 10.0);
    EXPECT_DOUBLE_EQ(byDomicile.b, 20.0);
    EXPECT_DOUBLE_EQ(item16Totals(key, false).a, 30.0);
    QString error;
    ASSERT_TRUE(deleteMercadoriaRowWithTwin(ctx, *findMercadoria(key, kSupplier3, QStringLiteral("B")), &error));
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM MercadMuni")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM NotasFiscal")), 0);
}

} // namespace
} // namespace vexa::test
