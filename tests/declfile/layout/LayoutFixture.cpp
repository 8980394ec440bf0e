#include "LayoutFixture.h"

#include "storage/Database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

namespace vexa::test {

void exec(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    if (!q.prepare(statement)) throw std::runtime_error(("prepare: " + q.lastError().text() + " / " + statement).toStdString());
    for (const QVariant& v : values) q.addBindValue(v);
    if (!q.exec()) throw std::runtime_error(("exec: " + q.lastError().text() + " / " + statement).toStdString());
}

QVariant scalar(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    q.prepare(statement);
    for (const QVariant& v : values) q.addBindValue(v);
    if (!q.exec() || !q.next()) return {};
    return q.value(0);
}

namespace {

// Inserts one row from column/value pairs, the overrides replacing or adding columns.
void insertRow(const QString& table, Overrides row, const Overrides& overrides) {
    for (const auto& o : overrides) {
        bool replaced = false;
        for (auto& c : row)
            if (c.first.compare(o.first, Qt::CaseInsensitive) == 0) {
                c.second = o.second;
                replaced = true;
            }
        if (!replaced) row << o;
    }
    QStringList names;
    QStringList marks;
    QVariantList values;
    for (const auto& c : row) {
        names << c.first;
        marks << QStringLiteral("?");
        values << c.second;
    }
    exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, names.join(u','), marks.join(u',')), values);
}

QVariantList keyValues(const decl::DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }

void child(const QString& table, const QString& columns, const decl::DeclarationKey& key, const QVariantList& values) {
    const QStringList cols = columns.split(u',');
    QStringList marks;
    for (int i = 0; i < cols.size() + 4; ++i) marks << QStringLiteral("?");
    const QString keyCols = table == QLatin1String("Tare") ? QStringLiteral("IE,ANO,MES,RETIFICACAO")
                                                           : QStringLiteral("IE,Ano,Mes,Retificacao");
    exec(QStringLiteral("INSERT INTO %1 (%2,%3) VALUES (%4)").arg(table, keyCols, columns, marks.join(u',')),
         keyValues(key) + values);
}

} // namespace

decl::DeclarationKey marchKey(const QString& ie, const QString& ret) {
    return {ie, QStringLiteral("2024"), QStringLiteral("03"), ret};
}

void insertTaxpayer(const QString& ie, const QString& razaoSocial, const Overrides& overrides) {
    insertRow(QStringLiteral("Contribuintes"),
              {{"RazaoSocial", razaoSocial},
               {"IE", ie},
               {"CGC_CPF", "11222333000181"},
               {"MunicipioID", "2900001"},
               {"Senha", "ab12"},
               {"NovaSenha", "cd34"},
               {"AtividadeEconomicaPrincip", "4731800"},
               {"TipoEstabelecimento", "U"},
               {"PortadorTare", 1},
               {"TipoEscrituracao", "F"},
               {"UsuarioECF", 0},
               {"NTare", "TARE-77"},
               {"DataVctoTARE", "2024-12-31"},
               {"TipoRegime", "N"},
               {"EmailCont", "posto@verdal.qx"},
               {"UF", "QX"}},
              overrides);
}

void insertAccountant(const QString& crc, const QString& uf) {
    exec(QStringLiteral("INSERT INTO Declarante (Nome, CRC, UF, Telefone, CPFCGC, email) VALUES (?,?,?,?,?,?)"),
         {QStringLiteral("Maria Contadora"), crc, uf, QStringLiteral("6532101234"), QStringLiteral("52998224725"),
          QStringLiteral("maria@contab.qx")});
}

void insertDeclaration(const decl::DeclarationKey& key, const Overrides& overrides) {
    insertRow(QStringLiteral("Vexas"),
              {{"IE", key.ie},
               {"Ano", key.ano},
               {"Mes", key.mes},
               {"Retificacao", key.retificacao},
               {"SaldoInicialCaixa", 1234.5},
               {"SaldoFinalCaixa", -5.0},
               {"CRCContador", kCRC},
               {"UF", "QX"},
               {"CPF", "11144477735"},
               {"NomeResponsavel", QStringLiteral("João Responsável")},
               {"C51", 100.10},
               {"C52", 2.0},
               {"C53", 3.0},
               {"C79", 30.0},
               {"C710", 25.0},
               {"C61", 61.0},
               {"C62", 62.0},
               {"C63", 63.0},
               {"C64", 64.0},
               {"C72", 72.0},
               {"C76", 20.0},
               {"C77", 10.0},
               {"C81", 81.0},
               {"C82", 82.0},
               {"C83", 83.0},
               {"C84", 84.0},
               {"C85", 85.0},
               {"TipoEncerrante", "E"},
               {"C74", 999.0},
               {"ObsEncerrantes", "linha 1\r\nlinha 2"},
               {"MudaDomicilio", "S"},
               {"CidadeB", 2940807},
               {"DtIniA", "2024-03-01"},
               {"DtFimA", "2024-03-15"},
               {"DtIniB", "2024-03-16"},
               {"Importado", 1},
               {"C713", 40.0},
               {"C714", 15.0},
               {"C716", 0.0}},
              overrides);
}

void insertEveryChildRow(const decl::DeclarationKey& k) {
    const QString ops = QStringLiteral(
        "CodigoOperacao,DomicilioFiscal,EntradaSaida,CidadeID,TipoOperacao,BaseCalculo,IsentasNaoTributadas,Outras,"
        "SubstituicaoTributaria,ValorContabil,ImpostoCreditado");
    child("MovimentacaoPorOperacoes42", ops, k, {5102, "A", "1", 2940401, "0", 2000.0, 0.0, 0.0, 0.0, 2000.0, 340.0});
    child("MovimentacaoPorOperacoes42", ops, k, {1102, "A", "0", 2940401, "0", 1000.0, 10.0, 20.0, 30.0, 1060.0, 170.0});
    // No amount: not written.
    child("MovimentacaoPorOperacoes42", ops, k, {5405, "A", "1", 2940401, "0", 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});

    child("DemostrativoEstoque",
          "EITributadas,EIIsentasNaoTributadas,EIOutras,EISubstituicaoTributaria,EITotal,EFTributadas,"
          "EFIsentasNaoTributadas,EFOutras,EFSubstituicaoTributaria,EFTotal",
          k, {1.0, 2.0, 3.0, 4.0, 10.0, 5.0, 6.0, 7.0, 8.0, 26.0});

    const QString states = QStringLiteral(
        "EntradaSaida,UF,DomicilioFiscal,ValorContabilA,ValorContabilB,BaseCalculoA,BaseCalculoB,CredDebImpostoA,"
        "CredDebImpostoB,IsentasNaoTributadas,Outras,SubsTributaria");
    child("MovimentacaoPorUF", states, k, {"1", "01", "A", 1500.0, 500.0, 1400.0, 600.0, 238.0, 102.0, 0.0, 0.0, 0.0});
    child("MovimentacaoPorUF", states, k, {"0", "29", "A", 1060.0, 0.0, 1000.0, 0.0, 170.0, 0.0, 10.0, 20.0, 30.0});

    child("ICMSRecolher", "TipoApuracao,DtVencimento,Valor", k, {"N", "2024-04-10", 150.25});
    child("ICMSRecolher", "TipoApuracao,DtVencimento,Valor", k, {"D", "2024-04-20", 55.0});

    const QString pumps = QStringLiteral(
        "NSerieBomba,NBico,PRODUTO,LeituraInicial,LeituraFinal,VolComSemInterv,VolComCemInterv,LeituraInicialProdAnt,"
        "LeituraFinalProdAnt,ProdutoAnt,DataAlteracao");
    child("Encerrantes", pumps, k, {"BOMBA-01", 2, 3, 5000, 5600, 600, 0, 0, 0, 0, QVariant()});
    child("Encerrantes", pumps, k, {"BOMBA-01", 1, 1, 1000, 1500, 500, 0, 700, 900, 2, "2024-03-10"});

    child("EstTanque", "EstTanque,PRODUTO,EstQuantidade", k, {1, 2, 15000});

    child("InfoAlcool", "NNotaFiscal,DtEmissaoNota,CnpjRemetente,UfOrigem,ValorUnitario,Quantidade", k,
          {4567, "2024-03-05", "11222333000181", "29", 3.4567, 1500.6});

    child("Tare", "NumeroTare,DataVencto", k, {"TARE-77", "2024-12-31"});
    child("OutrosCred", "CodLei,Valor", k, {5, 62.0});
    child("Deducoes", "ICMSDevido,MediaICMS,VlrDeducao,CodLei", k, {100.0, 50.0, 72.0, 3});
    child("SaidasMun", "MunicipioID,DomicilioFiscal,VlrContabil,Devolucoes,Total,CIdadeID", k,
          {2940401, "A", 500.0, 100.0, 400.0, 2940401});
    child("MercadMuni", "IEEmpresa,DomicilioFiscal,MunicipioID,Valor,CidadeID", k, {"290000025", "A", 2940807, 300.0, 2940401});
    child("NotasFiscal", "IEEmpresa,DomicilioFiscal,Num_nota,Valor", k, {"290000025", "A", 12, 300.0});
    // An invoice whose supplier row is missing: not written.
    child("NotasFiscal", "IEEmpresa,DomicilioFiscal,Num_nota,Valor", k, {"290000033", "A", 13, 10.0});
    child("Aliquota", "UF,Aliquota,DomicilioFiscal,VlrContabil,VlrBaseCalculo,VlrDifAliquota,CidadeID", k,
          {"SP", 17.0, "A", 1000.0, 900.0, 90.0, 2940401});
    child("AliquotaComp", "UF,AliquotaComp,VlrContabil,VlrBaseCalculo,VlrComAliquota,DomicilioFiscal,CidadeID", k,
          {"MG", 4.5, 800.0, 700.0, 45.0, "A", 2940401});
    child("OutrosDeb", "CodLei,Valor", k, {98, 2.0});
    child("AliquotaConsumidor",
          "UF,DomicilioFiscal,AliquotaConsumidor,VlrContabil,VlrBaseCalculo,VlrDifAliquota,CidadeID,Origem,Destino", k,
          {"RJ", "A", 12.0, 200.0, 180.0, 21.6, 2940401, 7.0, 12.0});
}

} // namespace vexa::test
