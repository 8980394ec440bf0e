#include "declaration/operations/OperationsFixture.h"

#include "storage/Database.h"

#include <QSqlError>

namespace vexa::test {

using namespace vexa::decl;

void OperationsTest::SetUp() { folder_ = std::make_unique<TempProgramFolder>(); }

QSqlQuery OperationsTest::exec(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    EXPECT_TRUE(q.prepare(statement)) << q.lastError().text().toStdString();
    for (const QVariant& v : values) q.addBindValue(v);
    EXPECT_TRUE(q.exec()) << statement.toStdString() << ": " << q.lastError().text().toStdString();
    return q;
}

int OperationsTest::count(const QString& statement, const QVariantList& values) {
    QSqlQuery q = exec(statement, values);
    return q.next() ? q.value(0).toInt() : -1;
}

int OperationsTest::rowsOf(const OperationContext& ctx, int cfop, const QString& domicile) {
    return count(QStringLiteral("SELECT count(*) FROM MovimentacaoPorOperacoes42 WHERE IE = ? AND Ano = ? AND "
                                "Mes = ? AND Retificacao = ? AND CodigoOperacao = ? AND DomicilioFiscal = ?"),
                 {ctx.key.ie, ctx.key.ano, ctx.key.mes, ctx.key.retificacao, cfop, domicile});
}

OperationContext OperationsTest::declaration(const QString& ano, const QString& mes, const QString& regime,
                                             bool mudaDomicilio) {
    exec(QStringLiteral("DELETE FROM Contribuintes WHERE IE = ?"), {kOpsIE});
    exec(QStringLiteral("INSERT INTO Contribuintes (IE, RazaoSocial, CGC_CPF, MunicipioID, UF, TipoRegime, "
                        "AtividadeEconomicaPrincip, TipoEstabelecimento, TipoEscrituracao) "
                        "VALUES (?, 'COMÉRCIO D''ÁVILA LTDA', '11222333000181', ?, 'QX', ?, '4711302', 'U', 'F')"),
         {kOpsIE, kCodigoA, regime});
    exec(QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, MudaDomicilio, CidadeB) "
                        "VALUES (?, ?, ?, '00', ?, ?)"),
         {kOpsIE, ano, mes, mudaDomicilio ? QStringLiteral("S") : QStringLiteral("N"),
          mudaDomicilio ? QVariant(kIbgeB) : QVariant()});
    DeclarationKey key{kOpsIE, ano, mes, QStringLiteral("00")};
    return loadOperationContext(key);
}

OperationRow OperationsTest::typed(const OperationContext& ctx, const OperationView& view, int cfop,
                                   double valorContabil, double base, double imposto, double isentas, double outras,
                                   double subst) {
    OperationRow row = newOperationRow(view);
    row.codigoOperacao = cfop;
    applyCfopChange(ctx, row);
    row.valorContabil = valorContabil;
    row.baseCalculo = base;
    row.impostoCreditado = imposto;
    row.isentasNaoTributadas = isentas;
    row.outras = outras;
    row.substituicaoTributaria = subst;
    return row;
}

void OperationsTest::store(const OperationContext& ctx, const OperationView& view, const OperationRow& row) {
    ScriptedPrompter yes(true);
    const PostOutcome out = postOperationRow(ctx, view, row, std::nullopt, yes);
    ASSERT_EQ(out.status, PostStatus::Posted) << out.message.toStdString();
}

} // namespace vexa::test
