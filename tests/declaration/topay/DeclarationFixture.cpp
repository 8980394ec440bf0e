#include "declaration/topay/DeclarationFixture.h"

#include "declaration/OperationStore.h"
#include "storage/Database.h"

#include <QSqlError>

namespace vexa::test {

using namespace vexa::decl;

void DeclarationFixture::SetUp() { folder_ = std::make_unique<TempProgramFolder>(); }

QSqlQuery DeclarationFixture::exec(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    EXPECT_TRUE(q.prepare(statement)) << q.lastError().text().toStdString();
    for (const QVariant& v : values) q.addBindValue(v);
    EXPECT_TRUE(q.exec()) << statement.toStdString() << ": " << q.lastError().text().toStdString();
    return q;
}

int DeclarationFixture::count(const QString& statement, const QVariantList& values) {
    QSqlQuery q = exec(statement, values);
    return q.next() ? q.value(0).toInt() : -1;
}

QVariant DeclarationFixture::value(const QString& statement, const QVariantList& values) {
    QSqlQuery q = exec(statement, values);
    return q.next() ? q.value(0) : QVariant();
}

int DeclarationFixture::rowsIn(const QString& table, const DeclarationKey& key, const QString& extraWhere,
                               const QVariantList& extraValues) {
    QVariantList values{key.ie, key.ano, key.mes, key.retificacao};
    values += extraValues;
    return count(QStringLiteral("SELECT count(*) FROM ") + table +
                     QStringLiteral(" WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?") +
                     (extraWhere.isEmpty() ? QString() : QStringLiteral(" AND ") + extraWhere),
                 values);
}

OperationContext DeclarationFixture::declaration(const QString& ano, const QString& mes, const QString& regime,
                                                 bool mudaDomicilio) {
    const QString municipio =
        value(QStringLiteral("SELECT CodigoID FROM Municipios WHERE UF = 'QX' ORDER BY CodigoID LIMIT 1")).toString();
    exec(QStringLiteral("DELETE FROM Contribuintes WHERE IE = ?"), {kSheetsIE});
    exec(QStringLiteral("INSERT INTO Contribuintes (IE, RazaoSocial, CGC_CPF, MunicipioID, NovaSenha, UF, TipoRegime, "
                        "AtividadeEconomicaPrincip, TipoEstabelecimento, TipoEscrituracao, PortadorTare, UsuarioECF, "
                        "EmailCont) VALUES (?, 'COMÉRCIO D''ÁVILA LTDA', '11222333000181', ?, 'ab12', 'QX', ?, "
                        "'4711302', 'U', 'F', 0, 0, 'fiscal@empresa.com.br')"),
         {kSheetsIE, municipio, regime});
    exec(QStringLiteral("DELETE FROM Vexas WHERE IE = ? AND Ano = ? AND Mes = ?"), {kSheetsIE, ano, mes});
    // A change of domicile in the month: B up to the 14th, A from the 15th.
    const QDate first(ano.toInt(), mes.toInt(), 1);
    auto day = [&](int d) { return mudaDomicilio ? QVariant(first.addDays(d - 1).toString(QStringLiteral("yyyy-MM-dd"))) : QVariant(); };
    exec(QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, MudaDomicilio, CidadeB, DtIniB, DtFimB, DtIniA, "
                        "DtFimA, Importado) VALUES (?, ?, ?, '00', ?, ?, ?, ?, ?, ?, 1)"),
         {kSheetsIE, ano, mes, mudaDomicilio ? QStringLiteral("S") : QStringLiteral("N"),
          mudaDomicilio ? QVariant(kSheetsIbgeB) : QVariant(), day(1), day(14), day(15),
          mudaDomicilio ? QVariant(first.addDays(first.daysInMonth() - 1).toString(QStringLiteral("yyyy-MM-dd")))
                        : QVariant()});
    return loadOperationContext(DeclarationKey{kSheetsIE, ano, mes, QStringLiteral("00")});
}

} // namespace vexa::test
