// The declaration's child tables: domicile-B rows created and removed when
// item 3.10 changes, the fuel retailer's meters and tanks copied forward,
// deleting a declaration whole or not at all (ECF rows stay), and the regime
// alignment on locate.

#include "support/EngineSql.h"
#include "RecordFixture.h"

#include "declaration/ChildTables.h"
#include "declaration/DeclarationService.h"
#include "storage/Database.h"

using namespace vexa;
using namespace vexa::decl;
using vexa::test::RecordTest;
using vexa::test::kFuelRetail;
using vexa::test::kIE;

namespace {

const DeclarationKey kMarch{kIE, "2024", "03", "00"};

class ChildTablesTest : public RecordTest {
protected:
    // One row in every table that has a row per declaration, domicile A.
    static void fillEveryChildTable(const DeclarationKey& k) {
        const QVariantList key{k.ie, k.ano, k.mes, k.retificacao};
        auto ins = [&](const QString& statement, const QVariantList& more = {}) { exec(statement, key + more); };
        ins("INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, DomicilioFiscal, "
            "EntradaSaida, CidadeID, TipoOperacao, BaseCalculo, IsentasNaoTributadas, Outras, "
            "SubstituicaoTributaria, ValorContabil, ImpostoCreditado) VALUES (?, ?, ?, ?, 1102, 'A', '0', 1, '0', "
            "60, 10, 30, 0, 100, 10.8)");
        ins("INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, DomicilioFiscal, "
            "EntradaSaida, CidadeID, TipoOperacao, BaseCalculo, IsentasNaoTributadas, Outras, "
            "SubstituicaoTributaria, ValorContabil, ImpostoCreditado) VALUES (?, ?, ?, ?, 6102, 'A', '1', 1, '1', "
            "50, 5, 0, 0, 55, 6)");
        ins("INSERT INTO MovimentacaoPorUF (IE, Ano, Mes, Retificacao, EntradaSaida, UF, DomicilioFiscal, "
            "ValorContabilA, BaseCalculoA, CredDebImpostoA, IsentasNaoTributadas, ValorContabilB, BaseCalculoB, "
            "CredDebImpostoB, Outras, SubsTributaria) VALUES (?, ?, ?, ?, '0', '35', 'A', 100, 60, 7, 40, 1, 1, 1, 0, "
            "0)");
        ins("INSERT INTO DemostrativoEstoque (IE, Ano, Mes, Retificacao, EITributadas, EIIsentasNaoTributadas, "
            "EIOutras, EFIsentasNaoTributadas, EFOutras) VALUES (?, ?, ?, ?, 1, 2, 3, 4, 5)");
        ins("INSERT INTO ICMSRecolher (IE, Ano, Mes, Retificacao, TipoApuracao, DtVencimento, Valor) "
            "VALUES (?, ?, ?, ?, 'N', '2024-04-10', 100)");
        ins("INSERT INTO ICMSRecolher (IE, Ano, Mes, Retificacao, TipoApuracao, DtVencimento, Valor) "
            "VALUES (?, ?, ?, ?, 'C', '2024-04-10', 60)");
        ins("INSERT INTO SaidasMun (IE, Ano, Mes, Retificacao, MunicipioID, DomicilioFiscal, VlrContabil, "
            "Devolucoes, Total, CIdadeID) VALUES (?, ?, ?, ?, 2940401, 'A', 10, 1, 9, 1)");
        ins("INSERT INTO MercadMuni (IE, Ano, Mes, Retificacao, IEEmpresa, DomicilioFiscal, MunicipioID, Valor, "
            "CidadeID) VALUES (?, ?, ?, ?, '290000017', 'A', 2940807, 5, 1)");
        ins("INSERT INTO NotasFiscal (IE, Ano, Mes, Retificacao, IEEmpresa, DomicilioFiscal, Num_nota, Valor) "
            "VALUES (?, ?, ?, ?, '290000017', 'A', 12, 5)");
        ins("INSERT INTO Encerrantes (IE, Ano, Mes, Retificacao, NSerieBomba, NBico, PRODUTO, LeituraInicial, "
            "LeituraFinal) VALUES (?, ?, ?, ?, 'B-01', 1, 1, 1000, 1500)");
        ins("INSERT INTO Encerrantes (IE, Ano, Mes, Retificacao, NSerieBomba, NBico, PRODUTO, LeituraInicial, "
            "LeituraFinal) VALUES (?, ?, ?, ?, 'B-01', 2, 3, 200, 260)");
        ins("INSERT INTO EstTanque (IE, Ano, Mes, Retificacao, EstTanque, PRODUTO, EstQuantidade) "
            "VALUES (?, ?, ?, ?, 4, 2, 3000)");
        ins("INSERT INTO InfoAlcool (IE, Ano, Mes, Retificacao, NNotaFiscal, CnpjRemetente, Quantidade) "
            "VALUES (?, ?, ?, ?, 7, '11222333000181', 10)");
        exec("INSERT INTO Tare (IE, ANO, MES, RETIFICACAO, NumeroTare) VALUES (?, ?, ?, ?, 'T-1')", key);
        ins("INSERT INTO Deducoes (IE, Ano, Mes, Retificacao, CodLei, VlrDeducao) VALUES (?, ?, ?, ?, 3, 1)");
        ins("INSERT INTO OutrosCred (IE, Ano, Mes, Retificacao, CodLei, Valor) VALUES (?, ?, ?, ?, 1, 1)");
        ins("INSERT INTO Aliquota (IE, Ano, Mes, Retificacao, UF, Aliquota, DomicilioFiscal, VlrContabil, "
            "VlrBaseCalculo, VlrDifAliquota, CidadeID) VALUES (?, ?, ?, ?, '35', 12, 'A', 100, 100, 5, 1)");
        ins("INSERT INTO AliquotaConsumidor (IE, Ano, Mes, Retificacao, UF, DomicilioFiscal, AliquotaConsumidor, "
            "VlrDifAliquota) VALUES (?, ?, ?, ?, '35', 'A', 18, 1)");
        ins("INSERT INTO AliquotaComp (IE, Ano, Mes, Retificacao, UF, AliquotaComp, DomicilioFiscal, "
            "VlrComAliquota) VALUES (?, ?, ?, ?, '35', 12, 'A', 1)");
        ins("INSERT INTO OutrosDeb (IE, Ano, Mes, Retificacao, CodLei, Valor) VALUES (?, ?, ?, ?, 98, 1)");
        ins("INSERT INTO ECF (IE, Ano, Mes, Retificacao, NECF) VALUES (?, ?, ?, ?, 'ECF-1')");
        ins("INSERT INTO ECF (IE, Ano, Mes, Retificacao, NECF) VALUES (?, ?, ?, ?, 'ECF-2')");
    }

    static QMap<QString, int> rowCounts(const DeclarationKey& k) {
        QMap<QString, int> counts;
        for (const QString& t : childTables() + QStringList{"Vexas", "ECF"}) counts[t] = rowsOf(t, k);
        return counts;
    }
};

TEST_F(ChildTablesTest, DeletingRemovesTheSeventeenChildTablesAndKeepsTheCashRegisters) {
    EXPECT_EQ(childTables().size(), 17);
    EXPECT_FALSE(childTables().contains("ECF"));
    store(kIE, "2024", "03", "00");
    fillEveryChildTable(kMarch);
    const DeclarationKey other{kIE, "2024", "03", "01"};
    store(kIE, "2024", "03", "01");
    fillEveryChildTable(other);
    const QMap<QString, int> otherBefore = rowCounts(other);

    ScriptedPrompter no;
    QString error;
    EXPECT_EQ(deleteDeclaration(kMarch, no, &error), DeleteOutcome::NotConfirmed);
    EXPECT_EQ(no.last(), "ask: Confirma Exclusão desta VEXA?");
    EXPECT_EQ(rowsOf("Vexas", kMarch), 1);

    ScriptedPrompter yes(true);
    ASSERT_EQ(deleteDeclaration(kMarch, yes, &error), DeleteOutcome::Deleted) << error.toStdString();
    const QMap<QString, int> after = rowCounts(kMarch);
    for (const QString& t : childTables() + QStringList{"Vexas"}) EXPECT_EQ(after[t], 0) << t.toStdString();
    EXPECT_EQ(after["ECF"], 2);
    EXPECT_EQ(rowCounts(other), otherBefore) << "the rectification is another declaration";
    EXPECT_EQ(deleteDeclaration(kMarch, yes, &error), DeleteOutcome::NotFound);
}

TEST_F(ChildTablesTest, DeleteFailingHalfWayLeavesEveryRowInPlace) {
    store(kIE, "2024", "03", "00");
    fillEveryChildTable(kMarch);
    const QMap<QString, int> before = rowCounts(kMarch);

    // The engine refuses the eleventh table, after ten deletes have run.
    test::refuseRows("Tare", "DELETE", "Tare travada");
    ScriptedPrompter yes(true);
    QString error;
    EXPECT_EQ(deleteDeclaration(kMarch, yes, &error), DeleteOutcome::Failed);
    EXPECT_TRUE(error.contains("Tare travada")) << error.toStdString();
    EXPECT_EQ(rowCounts(kMarch), before);
    test::allowRows("Tare", "DELETE");

    // The same through the statement seam, failing the very last child table.
    setStatementRunner([](QSqlQuery& q) { return q.lastQuery().contains("OutrosDeb") ? false : q.exec(); });
    EXPECT_FALSE(deleteDeclarationRows(kMarch, &error));
    setStatementRunner({});
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(rowCounts(kMarch), before);

    EXPECT_TRUE(deleteDeclarationRows(kMarch, &error)) << "the connection is usable afterwards";
}

TEST_F(ChildTablesTest, DeleteJoinsATransactionTheCallerHasOpen) {
    store(kIE, "2024", "03", "00");
    fillEveryChildTable(kMarch);
    const QMap<QString, int> before = rowCounts(kMarch);
    ASSERT_TRUE(storage::db().transaction());
    QString error;
    ASSERT_TRUE(deleteDeclarationRows(kMarch, &error)) << error.toStdString();
    EXPECT_EQ(rowsOf("Vexas", kMarch), 0);
    ASSERT_TRUE(storage::db().rollback());
    EXPECT_EQ(rowCounts(kMarch), before) << "the caller's rollback undoes it all";
}

TEST_F(ChildTablesTest, ChangeOfDomicileCreatesAndRemovesTheBRows) {
    addTaxpayer();
    const qint64 cityB = otherCity(taxpayerCity());
    VexaRow row = store(kIE, "2024", "03", "00");
    fillEveryChildTable(kMarch);
    // A B row that already exists is not doubled.
    exec("INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, DomicilioFiscal, "
         "EntradaSaida, TipoOperacao, ValorContabil) VALUES (?, '2024', '03', '00', 6102, 'B', '1', '1', 3)",
         {kIE});

    row.MudaDomicilio = "S";
    row.CidadeB = cityB;
    row.DtIniB = QDate(2024, 3, 1);
    row.DtFimB = QDate(2024, 3, 9);
    row.DtIniA = QDate(2024, 3, 10);
    row.DtFimA = QDate(2024, 3, 31);
    SaveResult saved = saveDeclaration(row, false, Sheet::Itens2a39);
    ASSERT_TRUE(saved.ok()) << saved.check.message.toStdString() << saved.error.toStdString();

    EXPECT_EQ(count("SELECT count(*) FROM MovimentacaoPorOperacoes42 WHERE DomicilioFiscal = 'B'"), 2);
    EXPECT_EQ(count("SELECT count(*) FROM MovimentacaoPorOperacoes42 WHERE DomicilioFiscal = 'B' AND "
                    "CodigoOperacao = 1102 AND EntradaSaida = '0' AND TipoOperacao = '0' AND CidadeID = ? AND "
                    "BaseCalculo = 0 AND IsentasNaoTributadas = 0 AND Outras = 0 AND SubstituicaoTributaria = 0 "
                    "AND ValorContabil = 0 AND ImpostoCreditado = 0",
                    {cityB}),
              1);
    EXPECT_EQ(value("SELECT ValorContabil FROM MovimentacaoPorOperacoes42 WHERE DomicilioFiscal = 'B' AND "
                    "CodigoOperacao = 6102"),
              3.0);
    EXPECT_EQ(count("SELECT count(*) FROM MovimentacaoPorUF WHERE DomicilioFiscal = 'B' AND EntradaSaida = '0' "
                    "AND UF = '35' AND ValorContabilA = 0 AND BaseCalculoA = 0 AND CredDebImpostoA = 0"),
              1);
    EXPECT_EQ(count("SELECT count(*) FROM MercadMuni WHERE DomicilioFiscal = 'B' AND IEEmpresa = '290000017' "
                    "AND MunicipioID = 2940807 AND CidadeID = ? AND Valor = 0",
                    {cityB}),
              1);
    EXPECT_EQ(count("SELECT count(*) FROM SaidasMun WHERE DomicilioFiscal = 'B' AND MunicipioID = 2940401 AND "
                    "CIdadeID = ? AND VlrContabil = 0 AND Total = 0",
                    {cityB}),
              1);
    EXPECT_EQ(count("SELECT count(*) FROM Aliquota WHERE DomicilioFiscal = 'B' AND UF = '35' AND Aliquota = 12 "
                    "AND CidadeID = ? AND VlrContabil = 0 AND VlrDifAliquota = 0",
                    {cityB}),
              1);

    // Saving again with the answer unchanged creates nothing more.
    ASSERT_TRUE(saveDeclaration(row, false, Sheet::Itens2a39).ok());
    EXPECT_EQ(count("SELECT count(*) FROM MovimentacaoPorOperacoes42 WHERE DomicilioFiscal = 'B'"), 2);

    exec("INSERT INTO NotasFiscal (IE, Ano, Mes, Retificacao, IEEmpresa, DomicilioFiscal, Num_nota) "
         "VALUES (?, '2024', '03', '00', '290000017', 'B', 12)",
         {kIE});
    row.MudaDomicilio = "N";
    ASSERT_TRUE(saveDeclaration(row, false, Sheet::Itens2a39).ok());
    for (const char* t : {"MovimentacaoPorOperacoes42", "MovimentacaoPorUF", "SaidasMun", "MercadMuni", "NotasFiscal"})
        EXPECT_EQ(count(QStringLiteral("SELECT count(*) FROM %1 WHERE DomicilioFiscal = 'B'").arg(t)), 0) << t;
    EXPECT_EQ(count("SELECT count(*) FROM MovimentacaoPorOperacoes42 WHERE DomicilioFiscal = 'A'"), 2);
    EXPECT_EQ(count("SELECT count(*) FROM Aliquota WHERE DomicilioFiscal = 'B'"), 1)
        << "the rate list keeps its lines: only the five tables lose them";
}

TEST_F(ChildTablesTest, DomicileRowsAreAllOrNothing) {
    VexaRow row = store(kIE, "2024", "03", "00");
    fillEveryChildTable(kMarch);
    row.MudaDomicilio = "S";
    row.CidadeB = 2940807;
    setStatementRunner([](QSqlQuery& q) { return q.lastQuery().contains("INSERT INTO SaidasMun") ? false : q.exec(); });
    const SaveResult r = postDeclaration(row, false);
    setStatementRunner({});
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.error.isEmpty());
    EXPECT_EQ(count("SELECT count(*) FROM MovimentacaoPorOperacoes42 WHERE DomicilioFiscal = 'B'"), 0);
    EXPECT_EQ(loadVexa(kMarch)->MudaDomicilio, "N") << "the row itself is not written either";
}

TEST_F(ChildTablesTest, FuelRetailerTakesMetersAndTanksOfThePreviousPeriod) {
    addTaxpayer(kIE, "N", kFuelRetail);
    store(kIE, "2024", "01", "00");
    const DeclarationKey february{kIE, "2024", "02", "01"};
    store(kIE, "2024", "02", "00");
    store(kIE, "2024", "02", "01");
    fillEveryChildTable(february);

    VexaRow march = prepareNewDeclaration(kMarch);
    march.MudaDomicilio = "N";
    ASSERT_TRUE(saveDeclaration(march, true, Sheet::Itens2a39).ok());
    EXPECT_EQ(count("SELECT count(*) FROM Encerrantes WHERE Mes = '03' AND NSerieBomba = 'B-01' AND NBico = 1 AND "
                    "PRODUTO = 1 AND LeituraInicial = 1500 AND LeituraFinal IS NULL"),
              1);
    EXPECT_EQ(count("SELECT count(*) FROM Encerrantes WHERE Mes = '03' AND NBico = 2 AND LeituraInicial = 260"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM EstTanque WHERE Mes = '03' AND EstTanque = 4 AND PRODUTO = 2 AND "
                    "EstQuantidade IS NULL"),
              1);

    // A period filled in later takes the period just before it, not a newer one.
    EXPECT_EQ(pumpSourceDeclaration({kIE, "2023", "12", "00"}).retificacao, "");
    EXPECT_EQ(pumpSourceDeclaration({kIE, "2024", "02", "00"}), (DeclarationKey{kIE, "2024", "01", "00"}));
    EXPECT_EQ(pumpSourceDeclaration({kIE, "2024", "04", "00"}), kMarch);
}

TEST_F(ChildTablesTest, OtherActivitiesCopyNoMeters) {
    addTaxpayer();
    store(kIE, "2024", "02", "00");
    fillEveryChildTable({kIE, "2024", "02", "00"});
    VexaRow march = prepareNewDeclaration(kMarch);
    march.MudaDomicilio = "N";
    ASSERT_TRUE(saveDeclaration(march, true, Sheet::Itens2a39).ok());
    EXPECT_EQ(rowsOf("Encerrantes", kMarch), 0);
    EXPECT_EQ(rowsOf("EstTanque", kMarch), 0);
}

TEST_F(ChildTablesTest, LocateAlignsANormalDeclaration) {
    addTaxpayer(kIE, "N");
    store(kIE, "2024", "03", "00", [](VexaRow& r) { r.C79 = 12; r.C51 = 100; });
    fillEveryChildTable(kMarch);
    QString error;
    const std::optional<VexaRow> row = locateDeclaration(kIE, "032024", "00", &error);
    ASSERT_TRUE(row) << error.toStdString();
    EXPECT_EQ(row->C79, 0.0);
    EXPECT_EQ(row->C51, 100.0);
    EXPECT_EQ(rowsOf("AliquotaComp", kMarch), 0);
    EXPECT_EQ(count("SELECT count(*) FROM ICMSRecolher WHERE TipoApuracao = 'C'"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM ICMSRecolher WHERE TipoApuracao = 'N'"), 1);
    EXPECT_EQ(rowsOf("OutrosCred", kMarch), 1);
    EXPECT_FALSE(locateDeclaration(kIE, "042024", "00", &error));
}

TEST_F(ChildTablesTest, LocateAlignsASimplesNacionalDeclaration) {
    addTaxpayer(kIE, "S");
    store(kIE, "2024", "03", "00", [](VexaRow& r) {
        r.C51 = r.C52 = r.C53 = r.C61 = r.C62 = r.C63 = r.C64 = r.C72 = 1;
        r.C79 = 12;
        r.C76 = 7;
    });
    fillEveryChildTable(kMarch);
    QString error;
    const std::optional<VexaRow> row = locateDeclaration(kIE, "032024", "00", &error);
    ASSERT_TRUE(row) << error.toStdString();
    for (double v : {row->C51, row->C52, row->C53, row->C61, row->C62, row->C63, row->C64, row->C72}) EXPECT_EQ(v, 0.0);
    EXPECT_EQ(row->C79, 12.0);
    EXPECT_EQ(row->C76, 7.0);
    EXPECT_EQ(rowsOf("OutrosCred", kMarch), 0);
    EXPECT_EQ(count("SELECT count(*) FROM ICMSRecolher WHERE TipoApuracao = 'N'"), 0);
    EXPECT_EQ(count("SELECT count(*) FROM ICMSRecolher WHERE TipoApuracao = 'C'"), 1);
    EXPECT_EQ(count("SELECT count(*) FROM MovimentacaoPorOperacoes42 WHERE BaseCalculo = 0 AND ImpostoCreditado = 0 "
                    "AND IsentasNaoTributadas = 0 AND Outras > 0"),
              1);
    EXPECT_EQ(count("SELECT count(*) FROM MovimentacaoPorUF WHERE BaseCalculoA = 0 AND BaseCalculoB = 0 AND "
                    "CredDebImpostoA = 0 AND CredDebImpostoB = 0 AND IsentasNaoTributadas = 0 AND ValorContabilA = 100"),
              1);
    EXPECT_EQ(count("SELECT count(*) FROM DemostrativoEstoque WHERE EITributadas = 1 AND EIIsentasNaoTributadas = 0 "
                    "AND EFIsentasNaoTributadas = 0 AND EIOutras = 0 AND EFOutras = 0"),
              1);
    EXPECT_EQ(rowsOf("AliquotaComp", kMarch), 1);
}

} // namespace
