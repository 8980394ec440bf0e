#include "ValidationFixture.h"

#include "declfile/DeclarationReader.h"
#include "declfile/ExportList.h"
#include "storage/Database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace vexa::test {

namespace {
void exec(const QString& sql, const QVariantList& values) {
    QSqlQuery q(storage::db());
    ASSERT_TRUE(q.prepare(sql)) << q.lastError().text().toStdString() << " in " << sql.toStdString();
    for (const QVariant& v : values) q.addBindValue(v);
    ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString() << " in " << sql.toStdString();
}
} // namespace

void insertRow(const QString& table, const QVariantMap& values) {
    QStringList marks(values.size(), QStringLiteral("?"));
    exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
             .arg(table, values.keys().join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
         values.values());
}

void updateRows(const QString& table, const QVariantMap& values, const QVariantMap& where) {
    QStringList sets, conditions;
    for (const QString& c : values.keys()) sets << c + QStringLiteral(" = ?");
    for (const QString& c : where.keys()) conditions << c + QStringLiteral(" = ?");
    exec(QStringLiteral("UPDATE %1 SET %2 WHERE %3")
             .arg(table, sets.join(QStringLiteral(", ")), conditions.join(QStringLiteral(" AND "))),
         values.values() + where.values());
}

QString crcOf(const QString& ie) { return QStringLiteral("CRC") + ie.right(4); }

void ValidationTest::SetUp() { folder = std::make_unique<TempProgramFolder>(); }

decl::DeclarationKey ValidationTest::addDeclaration(const QString& ie, const QString& mes, const QString& ano,
                                                    const QString& razaoSocial) {
    const decl::DeclarationKey key{ie, ano, mes, QStringLiteral("00")};
    QSqlQuery exists(storage::db());
    exists.prepare(QStringLiteral("SELECT count(*) FROM Contribuintes WHERE IE = ?"));
    exists.addBindValue(ie);
    exists.exec();
    if (!(exists.next() && exists.value(0).toInt() > 0)) {
        insertRow(QStringLiteral("Contribuintes"),
                  {{"IE", ie},
                   {"RazaoSocial", razaoSocial},
                   {"CGC_CPF", "11222333000181"},
                   {"MunicipioID", "2900001"},
                   {"Senha", "1234"},
                   {"NovaSenha", "4321"},
                   {"AtividadeEconomicaPrincip", "0111301"},
                   {"TipoEstabelecimento", "U"},
                   {"PortadorTare", 0},
                   {"TipoEscrituracao", "F"},
                   {"UsuarioECF", 0},
                   {"TipoRegime", "N"},
                   {"EmailCont", "fiscal@exemplo.com.br"},
                   {"UF", "QX"}});
        insertRow(QStringLiteral("Declarante"), {{"Nome", "Maria Contadora"},
                                                 {"CRC", crcOf(ie)},
                                                 {"UF", "QX"},
                                                 {"Telefone", "7133334444"},
                                                 {"CPFCGC", "12345678909"},
                                                 {"email", "maria@contabil.com.br"}});
    }
    insertRow(QStringLiteral("Vexas"), {{"IE", ie},
                                        {"Ano", ano},
                                        {"Mes", mes},
                                        {"Retificacao", "00"},
                                        {"CRCContador", crcOf(ie)},
                                        {"UF", "QX"},
                                        {"CPF", "52998224725"},
                                        {"NomeResponsavel", "João Responsável"},
                                        {"Importado", 1}});
    return key;
}

void ValidationTest::setVexa(const decl::DeclarationKey& key, const QVariantMap& values) {
    updateRows(QStringLiteral("Vexas"), values,
               {{"IE", key.ie}, {"Ano", key.ano}, {"Mes", key.mes}, {"Retificacao", key.retificacao}});
}

void ValidationTest::setTaxpayer(const QString& ie, const QVariantMap& values) {
    updateRows(QStringLiteral("Contribuintes"), values, {{"IE", ie}});
}

void ValidationTest::setAccountant(const QString& ie, const QVariantMap& values) {
    updateRows(QStringLiteral("Declarante"), values, {{"CRC", crcOf(ie)}});
}

void ValidationTest::addChild(const QString& table, const decl::DeclarationKey& key, const QVariantMap& values) {
    QVariantMap row = values;
    row.insert(QStringLiteral("IE"), key.ie);
    row.insert(QStringLiteral("Ano"), key.ano);
    row.insert(QStringLiteral("Mes"), key.mes);
    row.insert(QStringLiteral("Retificacao"), key.retificacao);
    insertRow(table, row);
}

void ValidationTest::setDebitAndCredit(const decl::DeclarationKey& key, double debit, double credit) {
    setVexa(key, {{"C51", debit}, {"C61", credit}});
    auto operation = [&](const char* entradaSaida, int cfop, double tax) {
        addChild(QStringLiteral("MovimentacaoPorOperacoes42"), key,
                 {{"EntradaSaida", entradaSaida}, {"CodigoOperacao", cfop}, {"DomicilioFiscal", "A"},
                  {"TipoOperacao", "0"}, {"BaseCalculo", tax * 10}, {"IsentasNaoTributadas", 0.0},
                  {"Outras", 0.0}, {"SubstituicaoTributaria", 0.0}, {"ValorContabil", tax * 10},
                  {"ImpostoCreditado", tax}});
        addChild(QStringLiteral("MovimentacaoPorUF"), key,
                 {{"EntradaSaida", entradaSaida}, {"UF", "29"}, {"DomicilioFiscal", "A"},
                  {"ValorContabilA", tax * 10}, {"ValorContabilB", 0.0}, {"BaseCalculoA", tax * 10},
                  {"BaseCalculoB", 0.0}, {"CredDebImpostoA", tax}, {"CredDebImpostoB", 0.0},
                  {"IsentasNaoTributadas", 0.0}, {"Outras", 0.0}, {"SubsTributaria", 0.0}});
    };
    if (credit != 0) operation("0", 1102, credit);
    if (debit != 0) operation("1", 5102, debit);
}

declfile::ValidationResult ValidationTest::check(const QList<decl::DeclarationKey>& keys) {
    declfile::ConsistencyChecker checker(folder->folder());
    checker.beginRun();
    declfile::DeclarationReader reader;
    for (const auto& key : keys) {
        declfile::DeclarationData data;
        QString error;
        if (!reader.read(key, data, &error)) {
            ADD_FAILURE() << error.toStdString();
            break;
        }
        const declfile::ExportItem item = declfile::exportItemFromText(
            declfile::exportItemText(key.ie, data.header.RazaoSocial, key.retificacao));
        if (!checker.check(item, data, prompter, &error)) break;
    }
    return checker.result();
}

} // namespace vexa::test
