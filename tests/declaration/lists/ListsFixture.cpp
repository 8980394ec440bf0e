#include "ListsFixture.h"

#include "storage/Database.h"

#include <QSqlError>

namespace vexa::test {

void ListsFixture::SetUp() {
    folder_ = std::make_unique<TempProgramFolder>();
    if (count(QStringLiteral("SELECT count(*) FROM Atividades WHERE Codigo = '4711302'")) == 0)
        exec(QStringLiteral("INSERT INTO Atividades (Codigo, Descricao) VALUES ('4711302', 'Comércio varejista')"));
}

QSqlQuery ListsFixture::exec(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    EXPECT_TRUE(q.prepare(statement)) << q.lastError().text().toStdString() << " in " << statement.toStdString();
    for (const QVariant& v : values) q.addBindValue(v);
    EXPECT_TRUE(q.exec()) << q.lastError().text().toStdString() << " in " << statement.toStdString();
    return q;
}

int ListsFixture::count(const QString& statement, const QVariantList& values) {
    QSqlQuery q = exec(statement, values);
    return q.next() ? q.value(0).toInt() : -1;
}

QVariant ListsFixture::value(const QString& statement, const QVariantList& values) {
    QSqlQuery q = exec(statement, values);
    return q.next() ? q.value(0) : QVariant();
}

void ListsFixture::addTaxpayer(const QString& ie, const QString& regime) {
    const QString municipio =
        value(QStringLiteral("SELECT CodigoID FROM Municipios WHERE UF = 'QX' ORDER BY CodigoID LIMIT 1")).toString();
    exec(QStringLiteral("INSERT INTO Contribuintes (IE, RazaoSocial, CGC_CPF, MunicipioID, NovaSenha, "
                        "AtividadeEconomicaPrincip, TipoEstabelecimento, PortadorTare, TipoEscrituracao, UsuarioECF, "
                        "TipoRegime, EmailCont, UF) VALUES (?, 'COMÉRCIO D''ÁGUA LTDA', '11222333000181', ?, 'ab12', "
                        "'4711302', 'U', 0, 'F', 0, ?, 'fiscal@empresa.com.br', 'QX')"),
         {ie, municipio, regime});
}

qint64 ListsFixture::taxpayerCity(const QString& ie) {
    return value(QStringLiteral("SELECT m.CodIBGE FROM Municipios m JOIN Contribuintes c "
                                "ON c.MunicipioID = m.CodigoID WHERE c.IE = ?"),
                 {ie})
        .toLongLong();
}

qint64 ListsFixture::otherCity(qint64 notThis) {
    return value(QStringLiteral("SELECT CodIBGE FROM Municipios WHERE UF = 'QX' AND CodIBGE <> ? "
                                "ORDER BY CodIBGE LIMIT 1"),
                 {notThis})
        .toLongLong();
}

decl::VexaRow ListsFixture::store(const decl::DeclarationKey& key, const std::function<void(decl::VexaRow&)>& fill) {
    decl::VexaRow row = decl::newVexaRow(key);
    row.MudaDomicilio = QStringLiteral("N");
    if (fill) fill(row);
    QString error;
    EXPECT_TRUE(decl::insertVexa(row, &error)) << error.toStdString();
    return row;
}

void ListsFixture::addLaw(const QString& table, int code, const QString& tipo, const QDate& ini, const QDate& fim) {
    exec(QStringLiteral("DELETE FROM %1 WHERE CodLei = ?").arg(table), {code});
    exec(QStringLiteral("INSERT INTO %1 (CodLei, Tipo, DescLei, PerRLeiIni, PerRLeiFim) VALUES (?, ?, ?, ?, ?)")
             .arg(table),
         {code, tipo, QStringLiteral("Base legal %1 de teste").arg(code), ini.toString(Qt::ISODate),
          fim.isValid() ? QVariant(fim.toString(Qt::ISODate)) : QVariant(QMetaType(QMetaType::QString))});
}

int ListsFixture::rowsOf(const QString& table, const decl::DeclarationKey& key) {
    return count(QStringLiteral("SELECT count(*) FROM %1 WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?")
                     .arg(table),
                 {key.ie, key.ano, key.mes, key.retificacao});
}

} // namespace vexa::test
