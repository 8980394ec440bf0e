#include "RegistryFixture.h"

#include "storage/Database.h"

#include <QSqlError>

namespace vexa::test {

void RegistryTest::SetUp() {
    folder_ = std::make_unique<TempProgramFolder>();
    // The activities the tests point at, whatever the delivered list holds.
    for (const auto& [code, text] : {std::pair{kActivity, QStringLiteral("Comércio varejista de mercadorias em geral")},
                                     std::pair{kOtherActivity, QStringLiteral("Cultivo de arroz")}})
        if (count(QStringLiteral("SELECT count(*) FROM Atividades WHERE Codigo = ?"), {code}) == 0)
            exec(QStringLiteral("INSERT INTO Atividades (Codigo, Descricao) VALUES (?, ?)"), {code, text});
}

QSqlQuery RegistryTest::exec(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    EXPECT_TRUE(q.prepare(statement)) << q.lastError().text().toStdString();
    for (const QVariant& v : values) q.addBindValue(v);
    EXPECT_TRUE(q.exec()) << q.lastError().text().toStdString() << " in " << statement.toStdString();
    return q;
}

int RegistryTest::count(const QString& statement, const QVariantList& values) {
    QSqlQuery q = exec(statement, values);
    return q.next() ? q.value(0).toInt() : -1;
}

QString RegistryTest::municipalityOf(const QString& uf, QString* name) {
    QSqlQuery q = exec(QStringLiteral("SELECT CodigoID, Descricao FROM Municipios WHERE UF = ? ORDER BY CodigoID LIMIT 1"),
                       {uf});
    EXPECT_TRUE(q.next()) << "no municipality of " << uf.toStdString();
    if (name) *name = q.value(1).toString();
    return q.value(0).toString();
}

registry::Contribuinte RegistryTest::completeTaxpayer(const QString& ie) {
    registry::Contribuinte c = registry::newTaxpayer(ie);
    c.RazaoSocial = QStringLiteral("COMERCIAL VERDALENA LTDA");
    c.CGC_CPF = kCNPJ;
    c.AtividadeEconomicaPrincip = kActivity;
    c.UF = QStringLiteral("QX");
    c.MunicipioID = municipalityOf(QStringLiteral("QX"));
    c.NovaSenha = QStringLiteral("ab12");
    c.EmailCont = QStringLiteral("fiscal@verdalena.com.br");
    return c;
}

registry::Declarante RegistryTest::completeAccountant(const QString& crc, const QString& uf) {
    registry::Declarante d = registry::newAccountant(crc, uf);
    d.Nome = QStringLiteral("MARIA DAS DORES");
    d.CPFCGC = kCPF;
    d.email = QStringLiteral("maria@contabil.com.br");
    d.Telefone = QStringLiteral("(11) 5555-0000");
    return d;
}

void RegistryTest::insertDeclaration(const QString& ie, const QString& ano, const QString& mes, const QString& ret,
                                     const QString& crc, const QString& uf) {
    exec(QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, CRCContador, UF) VALUES (?, ?, ?, ?, ?, ?)"),
         {ie, ano, mes, ret, crc, uf});
}

} // namespace vexa::test
