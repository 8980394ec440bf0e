#include "RecordFixture.h"

#include "registry/Responsaveis.h"
#include "storage/Database.h"

#include <QSqlError>

namespace vexa::test {

void RecordTest::SetUp() {
    folder_ = std::make_unique<TempProgramFolder>();
    for (const QString& code : {kCommerce, kFuelRetail})
        if (count(QStringLiteral("SELECT count(*) FROM Atividades WHERE Codigo = ?"), {code}) == 0)
            exec(QStringLiteral("INSERT INTO Atividades (Codigo, Descricao) VALUES (?, ?)"), {code, code});
}

QSqlQuery RecordTest::exec(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    EXPECT_TRUE(q.prepare(statement)) << q.lastError().text().toStdString() << " in " << statement.toStdString();
    for (const QVariant& v : values) q.addBindValue(v);
    EXPECT_TRUE(q.exec()) << q.lastError().text().toStdString() << " in " << statement.toStdString();
    return q;
}

int RecordTest::count(const QString& statement, const QVariantList& values) {
    QSqlQuery q = exec(statement, values);
    return q.next() ? q.value(0).toInt() : -1;
}

double RecordTest::value(const QString& statement, const QVariantList& values) {
    QSqlQuery q = exec(statement, values);
    return q.next() ? q.value(0).toDouble() : -1;
}

registry::Contribuinte RecordTest::addTaxpayer(const QString& ie, const QString& regime, const QString& activity) {
    registry::Contribuinte c = registry::newTaxpayer(ie);
    c.RazaoSocial = QStringLiteral("POSTO D'ÁGUA COMÉRCIO LTDA ") + ie.right(2);
    c.CGC_CPF = QStringLiteral("11222333000181");
    c.AtividadeEconomicaPrincip = activity;
    c.UF = QStringLiteral("QX");
    QSqlQuery q = exec(QStringLiteral("SELECT CodigoID FROM Municipios WHERE UF = 'QX' ORDER BY CodigoID LIMIT 1"));
    EXPECT_TRUE(q.next());
    c.MunicipioID = q.value(0).toString();
    c.NovaSenha = QStringLiteral("ab12");
    c.EmailCont = QStringLiteral("fiscal@posto.com.br");
    c.TipoRegime = regime;
    QString error;
    EXPECT_TRUE(registry::saveTaxpayer(c, &error)) << error.toStdString();
    return c;
}

qint64 RecordTest::taxpayerCity(const QString& ie) {
    QSqlQuery q = exec(QStringLiteral("SELECT m.CodIBGE FROM Contribuintes c JOIN Municipios m ON m.CodigoID = "
                                      "c.MunicipioID WHERE c.IE = ?"),
                       {ie});
    return q.next() ? q.value(0).toLongLong() : 0;
}

qint64 RecordTest::otherCity(qint64 notThis) {
    QSqlQuery q = exec(QStringLiteral("SELECT CodIBGE FROM Municipios WHERE UF = 'QX' AND CodIBGE <> ? "
                                      "ORDER BY CodIBGE LIMIT 1"),
                       {notThis});
    return q.next() ? q.value(0).toLongLong() : 0;
}

void RecordTest::addAccountant(const QString& crc, const QString& uf) {
    registry::Declarante d = registry::newAccountant(crc, uf);
    d.Nome = QStringLiteral("MARIA DAS DORES");
    d.CPFCGC = kCPFOk;
    d.email = QStringLiteral("maria@contabil.com.br");
    QString error;
    EXPECT_TRUE(registry::saveAccountant(d, &error)) << error.toStdString();
}

decl::VexaRow RecordTest::store(const QString& ie, const QString& ano, const QString& mes, const QString& ret,
                                const std::function<void(decl::VexaRow&)>& fill) {
    decl::VexaRow row = decl::newVexaRow({ie, ano, mes, ret});
    row.MudaDomicilio = QStringLiteral("N");
    if (fill) fill(row);
    QString error;
    EXPECT_TRUE(decl::insertVexa(row, &error)) << error.toStdString();
    return row;
}

int RecordTest::rowsOf(const QString& table, const decl::DeclarationKey& key) {
    return count(QStringLiteral("SELECT count(*) FROM %1 WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?")
                     .arg(table),
                 {key.ie, key.ano, key.mes, key.retificacao});
}

} // namespace vexa::test
