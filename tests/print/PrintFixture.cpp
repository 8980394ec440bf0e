#include "PrintFixture.h"

#include "storage/Database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace vexa::test {

void runStatement(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    ASSERT_TRUE(q.prepare(statement))
        << q.lastError().text().toStdString() << " / " << statement.toStdString();
    for (const QVariant& v : values) q.addBindValue(v);
    ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString() << " / " << statement.toStdString();
}

void insertRow(const QString& table, const QVariantMap& columns) {
    QStringList marks;
    for (qsizetype i = 0; i < columns.size(); ++i) marks << QStringLiteral("?");
    runStatement(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                     .arg(table, columns.keys().join(u','), marks.join(u',')),
                 columns.values());
}

void insertChild(const QString& table, const decl::DeclarationKey& key, QVariantMap columns) {
    columns.insert(QStringLiteral("IE"), key.ie);
    columns.insert(QStringLiteral("Ano"), key.ano);
    columns.insert(QStringLiteral("Mes"), key.mes);
    columns.insert(QStringLiteral("Retificacao"), key.retificacao);
    insertRow(table, columns);
}

void storeTaxpayer(const QVariantMap& overrides) {
    QVariantMap row{{"RazaoSocial", kPrintName},
                    {"IE", kPrintIE},
                    {"CGC_CPF", "11222333000181"},
                    {"MunicipioID", "2900001"},
                    {"NovaSenha", "ab12"},
                    {"AtividadeEconomicaPrincip", "4731800"},
                    {"TipoEstabelecimento", "M"},
                    {"PortadorTare", 1},
                    {"TipoEscrituracao", "C"},
                    {"UsuarioECF", 0},
                    {"TipoRegime", "N"},
                    {"EmailCont", "posto@verdal.qx"},
                    {"UF", "QX"}};
    for (auto it = overrides.begin(); it != overrides.end(); ++it) row.insert(it.key(), it.value());
    insertRow(QStringLiteral("Contribuintes"), row);
}

void storeAccountant() {
    insertRow(QStringLiteral("Declarante"), {{"Nome", "MARIA CONTADORA"},
                                             {"CRC", "QX012345"},
                                             {"UF", "QX"},
                                             {"Telefone", "6532101234"},
                                             {"CPFCGC", "52998224725"},
                                             {"email", "maria@contab.qx"}});
}

void storeDeclaration(const decl::DeclarationKey& key, const QVariantMap& overrides) {
    QVariantMap row{{"SaldoInicialCaixa", 1234.56},
                    {"SaldoFinalCaixa", 6543.21},
                    {"CRCContador", "QX012345"},
                    {"UF", "QX"},
                    {"CPF", "11144477735"},
                    {"NomeResponsavel", "JOÃO DA SILVA"},
                    {"C51", 5100.51},
                    {"C52", 520.52},
                    {"C53", 53.53},
                    {"C61", 610.61},
                    {"C62", 620.62},
                    {"C63", 63.63},
                    {"C64", 64.64},
                    {"C72", 72.72},
                    {"C76", 76.76},
                    {"C77", 7.77},
                    {"C79", 79.79},
                    {"C710", 7.10},
                    {"C713", 713.13},
                    {"C714", 7.14},
                    {"C81", 810.81},
                    {"C82", 820.82},
                    {"C83", 830.83},
                    {"C84", 84.84},
                    {"C85", 85.85},
                    {"TipoEncerrante", "E"},
                    {"ObsEncerrantes", "Bico 2 trocado em \"março\"\r\nsem intervenção"},
                    {"MudaDomicilio", "S"},
                    {"CidadeB", 2940807},
                    {"DtIniA", "2024-03-16"},
                    {"DtFimA", "2024-03-31"},
                    {"DtIniB", "2024-03-01"},
                    {"DtFimB", "2024-03-15"},
                    {"Importado", 1}};
    for (auto it = overrides.begin(); it != overrides.end(); ++it) row.insert(it.key(), it.value());
    insertChild(QStringLiteral("Vexas"), key, row);
}

void storeEveryChildRow(const decl::DeclarationKey& k) {
    auto op = [&](int cfop, const char* dom, const char* es, const char* kind, double vc, double base,
                  double tax) {
        insertChild(QStringLiteral("MovimentacaoPorOperacoes42"), k,
                    {{"CodigoOperacao", cfop},
                     {"DomicilioFiscal", dom},
                     {"EntradaSaida", es},
                     {"CidadeID", 2940401},
                     {"TipoOperacao", kind},
                     {"BaseCalculo", base},
                     {"IsentasNaoTributadas", 0.0},
                     {"Outras", 0.0},
                     {"SubstituicaoTributaria", vc - base},
                     {"ValorContabil", vc},
                     {"ImpostoCreditado", tax}});
    };
    op(1102, "A", "0", "0", 1000.00, 800.00, 136.00);
    op(1102, "B", "0", "0", 200.00, 200.00, 34.00);
    op(2102, "A", "0", "1", 300.00, 300.00, 21.00);
    op(5102, "A", "1", "0", 4321.09, 4000.00, 680.00);

    insertChild(QStringLiteral("OutrosDeb"), k, {{"CodLei", 3}, {"Valor", 520.52}});
    insertChild(QStringLiteral("OutrosCred"), k, {{"CodLei", 3}, {"Valor", 620.62}});
    insertChild(QStringLiteral("Deducoes"), k,
                {{"CodLei", 1}, {"ICMSDevido", 10000.0}, {"MediaICMS", 6000.0}, {"VlrDeducao", 2850.0}});
    insertChild(QStringLiteral("Aliquota"), k,
                {{"UF", "26"},
                 {"Aliquota", 7.0},
                 {"DomicilioFiscal", "A"},
                 {"VlrContabil", 1100.0},
                 {"VlrBaseCalculo", 1000.0},
                 {"VlrDifAliquota", 99.0},
                 {"CidadeID", 2940401}});
    insertChild(QStringLiteral("AliquotaComp"), k,
                {{"UF", "14"},
                 {"AliquotaComp", 4.5},
                 {"VlrContabil", 800.0},
                 {"VlrBaseCalculo", 700.0},
                 {"VlrComAliquota", 1.0},
                 {"DomicilioFiscal", "A"},
                 {"CidadeID", 2940401}});
    insertChild(QStringLiteral("AliquotaConsumidor"), k,
                {{"UF", "20"},
                 {"DomicilioFiscal", "A"},
                 {"AliquotaConsumidor", 18.0},
                 {"VlrContabil", 200.0},
                 {"VlrBaseCalculo", 180.0},
                 {"VlrDifAliquota", 19.8},
                 {"CidadeID", 2940401},
                 {"Origem", 7.8},
                 {"Destino", 12.0}});
    insertChild(QStringLiteral("ICMSRecolher"), k,
                {{"TipoApuracao", "N"}, {"DtVencimento", "2024-04-10"}, {"Valor", 1500.25}});
    insertChild(QStringLiteral("ICMSRecolher"), k,
                {{"TipoApuracao", "S"}, {"DtVencimento", "2024-04-09"}, {"Valor", 745.0}});
    insertChild(QStringLiteral("ICMSRecolher"), k,
                {{"TipoApuracao", "P"}, {"DtVencimento", "2024-04-20"}, {"Valor", 33.33}});
    insertChild(QStringLiteral("DemostrativoEstoque"), k,
                {{"EITributadas", 1001.0},
                 {"EIIsentasNaoTributadas", 2.0},
                 {"EIOutras", 3.0},
                 {"EISubstituicaoTributaria", 4.0},
                 {"EITotal", 1010.0},
                 {"EFTributadas", 2002.0},
                 {"EFIsentasNaoTributadas", 6.0},
                 {"EFOutras", 7.0},
                 {"EFSubstituicaoTributaria", 8.0},
                 {"EFTotal", 2023.0}});
    insertChild(QStringLiteral("MovimentacaoPorUF"), k,
                {{"EntradaSaida", "0"},
                 {"UF", "26"},
                 {"DomicilioFiscal", "A"},
                 {"ValorContabilA", 300.0},
                 {"ValorContabilB", 0.0},
                 {"BaseCalculoA", 300.0},
                 {"BaseCalculoB", 0.0},
                 {"CredDebImpostoA", 21.0},
                 {"CredDebImpostoB", 0.0},
                 {"IsentasNaoTributadas", 0.0},
                 {"Outras", 0.0},
                 {"SubsTributaria", 0.0}});
    insertChild(QStringLiteral("MovimentacaoPorUF"), k,
                {{"EntradaSaida", "1"},
                 {"UF", "20"},
                 {"DomicilioFiscal", "B"},
                 {"ValorContabilA", 1111.11},
                 {"ValorContabilB", 222.22},
                 {"BaseCalculoA", 1111.11},
                 {"BaseCalculoB", 222.22},
                 {"CredDebImpostoA", 133.33},
                 {"CredDebImpostoB", 26.67},
                 {"IsentasNaoTributadas", 0.0},
                 {"Outras", 0.0},
                 {"SubsTributaria", 0.0}});
    insertChild(QStringLiteral("Encerrantes"), k,
                {{"NSerieBomba", "BOMBA-Ω1"},
                 {"NBico", 1},
                 {"PRODUTO", 2},
                 {"LeituraInicial", 1000},
                 {"LeituraFinal", 1500},
                 {"VolComSemInterv", 500},
                 {"VolComCemInterv", 0}});
    insertChild(QStringLiteral("EstTanque"), k, {{"EstTanque", 4}, {"PRODUTO", 3}, {"EstQuantidade", 15000}});
    insertChild(QStringLiteral("InfoAlcool"), k,
                {{"NNotaFiscal", 4567},
                 {"DtEmissaoNota", "2024-03-05"},
                 {"CnpjRemetente", "11222333000181"},
                 {"UfOrigem", "26"},
                 {"ValorUnitario", 3.4567},
                 {"Quantidade", 1500.0}});
    for (const auto& [numero, vencimento] :
         {std::pair{"TARE-77/2023", "2024-12-31"}, {"TARE-78", "2025-06-30"}})
        runStatement(
            QStringLiteral(
                "INSERT INTO Tare (IE, ANO, MES, RETIFICACAO, NumeroTare, DataVencto) VALUES (?,?,?,?,?,?)"),
            {k.ie, k.ano, k.mes, k.retificacao, QString::fromUtf8(numero), QString::fromUtf8(vencimento)});
    insertChild(QStringLiteral("SaidasMun"), k,
                {{"MunicipioID", 2940401},
                 {"DomicilioFiscal", "A"},
                 {"VlrContabil", 900.0},
                 {"Devolucoes", 100.0},
                 {"CIdadeID", 2940401}});
    insertChild(QStringLiteral("SaidasMun"), k,
                {{"MunicipioID", 2940401},
                 {"DomicilioFiscal", "B"},
                 {"VlrContabil", 50.0},
                 {"Devolucoes", 20.0},
                 {"CIdadeID", 2940807}});
    insertChild(QStringLiteral("MercadMuni"), k,
                {{"IEEmpresa", "290000017"},
                 {"DomicilioFiscal", "A"},
                 {"MunicipioID", 2941201},
                 {"Valor", 300.0},
                 {"CidadeID", 2940401}});
    insertChild(QStringLiteral("NotasFiscal"), k,
                {{"IEEmpresa", "290000017"}, {"DomicilioFiscal", "A"}, {"Num_nota", 12}, {"Valor", 300.0}});
}

} // namespace vexa::test
