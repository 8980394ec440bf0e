#include "PaymentFixture.h"

#include "storage/Database.h"

#include <QSqlError>
#include <cmath>

namespace vexa::test {

void PaymentTest::SetUp() {
    folder_ = std::make_unique<TempProgramFolder>();
    Clock::setInstance(&clock_);
    exec(QStringLiteral("DELETE FROM IndicesEconomicos WHERE Data >= '2023-01-01'"));
    setIndex(payment::kIndiceIGPDI, QDate(2023, 3, 1), 1000);
    setIndex(payment::kIndiceIGPDI, QDate(2023, 4, 1), 1010);
    for (QDate m(2023, 5, 1); m <= QDate(2025, 12, 1); m = m.addMonths(1))
        setIndex(payment::kIndiceSELIC, m, m == QDate(2024, 6, 1) ? 0.0079 : 0.01);
}

void PaymentTest::TearDown() {
    Clock::setInstance(nullptr);
    folder_.reset();
}

CliRun PaymentTest::cli(QStringList args) const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("VEXA_TODAY"), QStringLiteral("15/03/2024"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return runCliOver(folder(), std::move(args), env);
}

QSqlQuery PaymentTest::exec(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    EXPECT_TRUE(q.prepare(statement)) << q.lastError().text().toStdString();
    for (const QVariant& v : values) q.addBindValue(v);
    EXPECT_TRUE(q.exec()) << q.lastError().text().toStdString() << " in " << statement.toStdString();
    return q;
}

int PaymentTest::count(const QString& statement, const QVariantList& values) {
    QSqlQuery q = exec(statement, values);
    return q.next() ? q.value(0).toInt() : -1;
}

void PaymentTest::addTaxpayer(const QString& ie, const QString& name, const QString& regime, const QString& municipio) {
    exec(QStringLiteral("INSERT INTO Contribuintes (IE, RazaoSocial, CGC_CPF, MunicipioID, TipoRegime, UF) "
                        "VALUES (?, ?, ?, ?, ?, 'QX')"),
         {ie, name, QStringLiteral("11222333000181"),
          municipio.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(municipio), regime});
}

void PaymentTest::addDeclaration(const QString& ie, const QString& ano, const QString& mes, const QString& ret,
                                 const QList<std::pair<QString, double>>& inputs) {
    exec(QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao) VALUES (?, ?, ?, ?)"), {ie, ano, mes, ret});
    for (const auto& [column, value] : inputs)
        exec(QStringLiteral("UPDATE Vexas SET %1 = ? WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?")
                 .arg(column),
             {value, ie, ano, mes, ret});
}

void PaymentTest::setDueDate(const QString& ano, const QString& mes, const QDate& due) {
    exec(QStringLiteral("DELETE FROM CalendarioFiscal WHERE Ano = ? AND Mes = ?"), {ano, mes});
    if (due.isValid())
        exec(QStringLiteral("INSERT INTO CalendarioFiscal (Ano, Mes, DataVencimento) VALUES (?, ?, ?)"),
             {ano, mes, due.toString(QStringLiteral("yyyy-MM-dd"))});
}

void PaymentTest::setIndex(int code, const QDate& month, double value) {
    exec(QStringLiteral("DELETE FROM IndicesEconomicos WHERE CodigoIndice = ? AND Data = ?"),
         {code, month.toString(QStringLiteral("yyyy-MM-dd"))});
    if (!std::isnan(value))
        exec(QStringLiteral("INSERT INTO IndicesEconomicos (CodigoIndice, Data, Valor) VALUES (?, ?, ?)"),
             {code, month.toString(QStringLiteral("yyyy-MM-dd")), value});
}

payment::Dare PaymentTest::dare(const QString& ie, const QString& ano, const QString& mes, const QString& ret,
                                const QString& code, const QDate& payDate) {
    payment::Dare d;
    d.key = {ie, ano, mes, ret};
    d.CodigoTributo = code;
    d.DataPgto = payDate;
    return d;
}

} // namespace vexa::test
