#include "SheetsFixture.h"

#include "storage/Database.h"

#include <QDate>
#include <QSqlError>

namespace vexa::test {

void SheetsFixture::SetUp() {
    folder_ = std::make_unique<TempProgramFolder>();
    ASSERT_EQ(value(QStringLiteral("SELECT CodIBGE FROM Municipios WHERE CodigoID = '2900001'")).toLongLong(), kIbgeA);
    ASSERT_EQ(count(QStringLiteral("SELECT count(*) FROM Municipios WHERE CodIBGE IN (?, ?) AND UF = 'QX'"),
                    {kIbgeB, kIbgeOther}),
              2);
}

QSqlQuery SheetsFixture::exec(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    EXPECT_TRUE(q.prepare(statement)) << q.lastError().text().toStdString();
    for (const QVariant& v : values) q.addBindValue(v);
    EXPECT_TRUE(q.exec()) << statement.toStdString() << ": " << q.lastError().text().toStdString();
    return q;
}

int SheetsFixture::count(const QString& statement, const QVariantList& values) {
    QSqlQuery q = exec(statement, values);
    return q.next() ? q.value(0).toInt() : -1;
}

QVariant SheetsFixture::value(const QString& statement, const QVariantList& values) {
    QSqlQuery q = exec(statement, values);
    return q.next() ? q.value(0) : QVariant();
}

void SheetsFixture::addTaxpayer(const Taxpayer& t) {
    exec(QStringLiteral("INSERT INTO Contribuintes (IE, RazaoSocial, CGC_CPF, MunicipioID, NovaSenha, "
                        "AtividadeEconomicaPrincip, TipoEstabelecimento, PortadorTare, TipoEscrituracao, UsuarioECF, "
                        "TipoRegime, EmailCont, UF) VALUES (?, ?, ?, '2900001', 'ab12', ?, 'U', ?, 'F', ?, 'N', "
                        "'posto@davila.com.br', 'QX')"),
         {kTaxpayerIE, kTaxpayerName, kValidCnpj, t.activity, t.tare ? 1 : 0, t.ecf ? 1 : 0});
}

decl::DeclarationKey SheetsFixture::addDeclaration(const QString& ano, const QString& mes, bool mudaDomicilio) {
    // A change of domicile: B from the 1st to the 14th, A from the 15th to the month's end.
    const QDate first(ano.toInt(), mes.toInt(), 1);
    const auto day = [&](int d) {
        return mudaDomicilio ? QVariant(first.addDays(d - 1).toString(QStringLiteral("yyyy-MM-dd"))) : QVariant();
    };
    exec(QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, MudaDomicilio, CidadeB, DtIniB, DtFimB, "
                        "DtIniA, DtFimA, Importado) VALUES (?, ?, ?, '00', ?, ?, ?, ?, ?, ?, 1)"),
         {kTaxpayerIE, ano, mes, mudaDomicilio ? QStringLiteral("S") : QStringLiteral("N"),
          mudaDomicilio ? QVariant(kIbgeB) : QVariant(), day(1), day(14), day(15), day(first.daysInMonth())});
    return {kTaxpayerIE, ano, mes, QStringLiteral("00")};
}

} // namespace vexa::test
