#include "ImportFixture.h"

#include "storage/Database.h"

#include <QBuffer>
#include <QSqlError>
#include <QSqlQuery>
#include <stdexcept>

namespace vexa::test {

decl::DeclarationKey periodKey(const QString& ie, const QString& mes, const QString& ano) {
    return {ie, ano, mes, QStringLiteral("00")};
}

void execSql(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    if (!q.prepare(statement)) throw std::runtime_error(q.lastError().text().toStdString());
    for (const QVariant& v : values) q.addBindValue(v);
    if (!q.exec()) throw std::runtime_error(q.lastError().text().toStdString());
}

QVariant scalarSql(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    q.prepare(statement);
    for (const QVariant& v : values) q.addBindValue(v);
    if (!q.exec() || !q.next()) return {};
    return q.value(0);
}

int rowsOf(const QString& table, const decl::DeclarationKey& key) {
    return scalarSql(QStringLiteral("select count(*) from ") + table +
                         QStringLiteral(" where IE = ? and Ano = ? and Mes = ? and Retificacao = ?"),
                     {key.ie, key.ano, key.mes, key.retificacao})
        .toInt();
}

int allRowsOf(const decl::DeclarationKey& key) {
    int n = 0;
    for (const char* t : {"Vexas", "MovimentacaoPorOperacoes42", "MovimentacaoPorUF", "DemostrativoEstoque",
                          "ICMSRecolher", "SaidasMun", "MercadMuni", "NotasFiscal", "Encerrantes", "EstTanque",
                          "InfoAlcool", "Tare", "Deducoes", "OutrosCred", "Aliquota", "AliquotaConsumidor",
                          "AliquotaComp", "OutrosDeb"})
        n += rowsOf(QString::fromLatin1(t), key);
    return n;
}

AccountText& addShopDeclaration(AccountText& text, const decl::DeclarationKey& key, int zCount) {
    const QDate due = QDate(key.year(), key.month(), 1).addMonths(1).addDays(9);
    text.begin(lineA(key))
        .add(lineB(key, "1", 5102, 5000, 100, 50, 0, 5150, 1000))
        .add(lineB(key, "1", 5405, 0, 0, 0, 800, 800, 0))
        .add(lineB(key, "0", 1102, 2000, 0, 0, 0, 2000, 400))
        .add(lineB(key, "0", 2102, 300, 0, 0, 0, 300, 0))
        .add(lineD(key, "0", "26"))
        .add(lineD(key, "1", "26"))
        .add(lineE(key, "N", due, 520))
        .add(lineK(key, 5, 100))
        .add(lineL(key, 99, 0, 0, 30))
        .add(lineM(key, kCityA, "A", 5950, 150))
        .add(lineR(key, 99, 50))
        .end(zCount);
    return text;
}

void ImportTest::SetUp() {
    folder_ = std::make_unique<TempProgramFolder>();
    const QString insertTaxpayer = QStringLiteral(
        "insert into Contribuintes (RazaoSocial, IE, CGC_CPF, MunicipioID, NovaSenha, AtividadeEconomicaPrincip, "
        "TipoEstabelecimento, PortadorTare, TipoEscrituracao, UsuarioECF, TipoRegime, EmailCont, UF) "
        "values (?, ?, '11222333000181', '2900001', 'ab12', ?, 'U', 0, 'F', 0, ?, 'x@verdal.qx', 'QX')");
    execSql(insertTaxpayer, {kShopName, kIE, QStringLiteral("4711302"), QStringLiteral("N")});
    execSql(insertTaxpayer, {QStringLiteral("POSTO VERDAL LTDA"), kFuelIE, QStringLiteral("4731800"), QStringLiteral("N")});
    execSql(insertTaxpayer, {QStringLiteral("BAZAR SIMPLES ME"), kSimplesIE, QStringLiteral("4711302"), QStringLiteral("S")});
    execSql(QStringLiteral("insert into Declarante (Nome, CRC, UF, Telefone, CPFCGC, email) values "
                           "('MARIA CONTADORA', 'QX012345', 'QX', '6532101234', '52998224725', 'maria@contab.qx')"));
}

declfile::ImportResult ImportTest::import(const QByteArray& bytes) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return declfile::importAccountFile(buffer, prompter_);
}

QString ImportTest::header(const QString& ie, const QString& name, const QString& period) {
    return QStringLiteral("\r\nInscrição Estadual: ") + ie + QStringLiteral("\r\nRazão Social: ") + name +
           QStringLiteral("\r\nPeríodo de Referência: ") + period;
}

} // namespace vexa::test
