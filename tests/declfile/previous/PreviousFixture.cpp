#include "PreviousFixture.h"

#include "declfile/PreviousVersion.h"
#include "storage/Database.h"
#include "storage/Schema.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace vexa::test {

namespace {

px::Values decl(const QString& ie, const char* ano, const char* mes, const char* ret, px::Values more = {}) {
    more[QStringLiteral("IE")] = ie;
    more[QStringLiteral("Ano")] = QString::fromLatin1(ano);
    more[QStringLiteral("Mes")] = QString::fromLatin1(mes);
    more[QStringLiteral("Retificacao")] = QString::fromLatin1(ret);
    return more;
}

QDate day(int y, int m, int d) { return QDate(y, m, d); }

} // namespace

void writeSampleFolder(const QString& dir, bool withDare) {
    auto path = [&dir](const char* name) { return dir + QLatin1Char('/') + QString::fromLatin1(name); };
    using px::layoutOf;
    auto writeTable = [](const QString& p, const QList<px::Column>& columns, const QList<px::Values>& rows) {
        EXPECT_TRUE(px::writeTable(p, columns, rows)) << p.toStdString();
    };

    writeTable(path("Contribuintes.db"), layoutOf("Contribuintes", {"EmailCont", "UF", "TipoRegime"}),
               {{{"IE", kKnownIE}, {"RazaoSocial", "COMERCIAL VERDALENA 9.6"}, {"MunicipioID", "2940401"}},
                {{"IE", kNewIE},
                 {"RazaoSocial", kNewName},
                 {"CGC_CPF", "11222333000181"},
                 {"MunicipioID", "2940401"},
                 {"NovaSenha", "ab12"},
                 {"AtividadeEconomicaPrincip", "4711302"},
                 {"TipoEstabelecimento", "U"},
                 {"PortadorTare", true},
                 {"TipoEscrituracao", "F"},
                 {"UsuarioECF", false},
                 {"DataVctoTARE", day(2010, 6, 30)}}});
    writeTable(path("Declarante.db"), layoutOf("Declarante", {"email"}),
               {{{"CRC", "QX012345"}, {"UF", "QX"}, {"Nome", "MARIA CONTADORA"}, {"CPFCGC", "52998224725"}}});
    writeTable(path("VEXAS.DB"), layoutOf("Vexas", {"C716"}),
               {decl(kNewIE, "2008", "12", "00", {{"C51", 10.0}}),
                decl(kNewIE, "2009", "01", "00",
                     {{"C51", 100.25}, {"C61", 50.0}, {"CPF", "52998224725"}, {"NomeResponsavel", "JOSÉ DA SILVA"},
                      {"CRCContador", "QX012345"}, {"UF", "QX"}, {"MudaDomicilio", "N"}, {"DtIniA", day(2009, 1, 1)},
                      {"Importado", true}}),
                decl(kNewIE, "2009", "02", "00", {{"C51", 1.0}}),
                decl(kNewIE, "2009", "02", "01", {{"C51", 2.0}}),
                decl(kKnownIE, "2009", "01", "00", {{"C51", 999.0}}),
                decl(kKnownIE, "2009", "03", "00", {{"C51", 7.0}})});
    writeTable(path("movimentacaoporoperacoes42.DB"), layoutOf("MovimentacaoPorOperacoes42"),
               {decl(kNewIE, "2008", "12", "00", {{"CodigoOperacao", 5102}, {"DomicilioFiscal", "A"}}),
                decl(kNewIE, "2009", "01", "00",
                     {{"CodigoOperacao", 5102}, {"DomicilioFiscal", "A"}, {"EntradaSaida", "1"}, {"ValorContabil", 100.25}}),
                decl(kNewIE, "2009", "01", "00",
                     {{"CodigoOperacao", 1102}, {"DomicilioFiscal", "A"}, {"EntradaSaida", "0"}, {"ValorContabil", 50.0}}),
                decl(kNewIE, "2009", "02", "01", {{"CodigoOperacao", 5102}, {"DomicilioFiscal", "A"}}),
                decl(kKnownIE, "2009", "01", "00", {{"CodigoOperacao", 1102}, {"DomicilioFiscal", "A"}}),
                decl(kKnownIE, "2009", "03", "00", {{"CodigoOperacao", 5102}, {"DomicilioFiscal", "A"}})});
    writeTable(path("OutrosCred.db"), layoutOf("OutrosCred"),
               {decl(kNewIE, "2009", "01", "00", {{"CodLei", 5}, {"Valor", 20.0}}),
                decl(kNewIE, "2008", "12", "00", {{"CodLei", 5}, {"Valor", 1.0}})});
    writeTable(path("aliquota.db"), layoutOf("Aliquota", {"Aliquota"}),
               {decl(kNewIE, "2009", "01", "00",
                     {{"UF", "14"}, {"DomicilioFiscal", "A"}, {"VlrContabil", 500.0}, {"VlrDifAliquota", 35.0},
                      {"CidadeID", 2940401}}),
                decl(kNewIE, "2008", "12", "00", {{"UF", "01"}, {"DomicilioFiscal", "A"}})});
    writeTable(path("AliquotaComp.db"), layoutOf("AliquotaComp", {"AliquotaComp"}),
               {decl(kNewIE, "2009", "01", "00", {{"UF", "01"}, {"DomicilioFiscal", "A"}, {"VlrComAliquota", 12.0}})});
    if (withDare)
        writeTable(path("dare.db"), layoutOf("dare"),
                   {decl(kNewIE, "2009", "01", "00", {{"CodigoTributo", "101"}, {"DataPgto", day(2009, 2, 10)}}),
                    decl(kNewIE, "2008", "12", "00", {{"CodigoTributo", "101"}})});
    writeTable(path("DAREAVULSAS.db"), layoutOf("DareAvulsas"),
               {{{"IE", kNewIE}, {"Ano", "2009"}, {"Mes", "05"}, {"CodigoTributo", "105"}, {"Seq", 1}, {"ValorReceita", 30.0}},
                {{"IE", kNewIE}, {"Ano", "2008"}, {"Mes", "11"}, {"CodigoTributo", "105"}, {"Seq", 1}}});
    writeTable(path("Tare.db"), layoutOf("Tare"),
               {{{"IE", kNewIE}, {"ANO", "2009"}, {"MES", "01"}, {"RETIFICACAO", "00"}, {"NumeroTare", "TARE-9"},
                 {"DataVencto", day(2010, 6, 30)}}});
    writeTable(path("ICMSRecolher.db"), layoutOf("ICMSRecolher"),
               {decl(kNewIE, "2009", "01", "00",
                     {{"TipoApuracao", "N"}, {"DtVencimento", day(2009, 2, 10)}, {"Valor", 50.25}})});
}

void PreviousTest::SetUp() {
    folder_ = std::make_unique<TempProgramFolder>();
    ASSERT_TRUE(source_.isValid());
    // The current database knows one taxpayer and one of its declarations.
    exec(QStringLiteral("INSERT INTO Contribuintes (IE, RazaoSocial, MunicipioID, UF, TipoRegime) "
                        "VALUES (?, 'NOME ATUAL LTDA', '2940401', 'QX', 'S')"),
         {kKnownIE});
    exec(QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, C51) VALUES (?, '2009', '01', '00', 5)"),
         {kKnownIE});
    exec(QStringLiteral("INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, "
                        "DomicilioFiscal, ValorContabil) VALUES (?, '2009', '01', '00', 5102, 'A', 5)"),
         {kKnownIE});
}

QStringList PreviousTest::picture() {
    QStringList rows;
    QStringList tables;
    for (const auto& step : declfile::previousSteps()) tables << step.table;
    for (const QString& table : tables) {
        QSqlQuery q(storage::db());
        EXPECT_TRUE(q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY 1, 2, 3, 4, 5").arg(table)))
            << q.lastError().text().toStdString();
        while (q.next()) {
            QStringList values{table};
            for (int i = 0; i < q.record().count(); ++i) values << q.value(i).toString();
            rows << values.join(u'|');
        }
    }
    return rows;
}

void PreviousTest::exec(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    ASSERT_TRUE(q.prepare(statement)) << q.lastError().text().toStdString();
    for (const QVariant& v : values) q.addBindValue(v);
    ASSERT_TRUE(q.exec()) << q.lastError().text().toStdString() << " in " << statement.toStdString();
}

QVariant PreviousTest::value(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    q.prepare(statement);
    for (const QVariant& v : values) q.addBindValue(v);
    if (!q.exec() || !q.next()) return {};
    return q.value(0);
}

int PreviousTest::count(const QString& statement, const QVariantList& values) {
    return value(statement, values).toInt();
}

} // namespace vexa::test
