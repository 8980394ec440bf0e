#include "storage/ReferenceLookups.h"

#include "common/ErrorLog.h"
#include "common/Money.h"
#include "common/StateCodes.h"
#include "storage/Database.h"
#include "storage/Engine.h"
#include "storage/Portable.h"

#include <QCollator>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <initializer_list>
#include <optional>

namespace vexa::storage {

namespace {

// Runs one statement with its values bound. A statement the engine refuses
// goes to the application-wide handler and answers nothing.
std::optional<QSqlQuery> run(const QString& sql, std::initializer_list<QVariant> values) {
    QSqlQuery q(db());
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        reportUnhandledError(q.lastError().text());
        return std::nullopt;
    }
    for (const QVariant& v : values) q.addBindValue(v);
    if (!q.exec()) {
        reportUnhandledError(q.lastError().text());
        return std::nullopt;
    }
    return q;
}

// The first column of the first row; an invalid QVariant when there is no row.
// The statement is kept prepared for the next lookup of the same kind.
QVariant firstValue(const QString& sql, std::initializer_list<QVariant> values) {
    QString error;
    QSqlQuery* q = keptStatement(sql, &error);
    if (!q) {
        reportUnhandledError(error);
        return {};
    }
    int i = 0;
    for (const QVariant& v : values) q->bindValue(i++, v);
    if (!q->exec()) {
        reportUnhandledError(q->lastError().text());
        return {};
    }
    const QVariant value = q->next() ? q->value(0) : QVariant();
    q->finish();
    return value;
}

qint64 countOf(const QString& sql, std::initializer_list<QVariant> values) {
    return firstValue(sql, values).toLongLong();
}

QString textOf(const QString& sql, std::initializer_list<QVariant> values) {
    const QVariant v = firstValue(sql, values);
    return v.isNull() ? QString() : v.toString();
}

// The three tables of legal grounds share their columns.
const QString kLeis = QStringLiteral("Leis");
const QString kLeisDeb = QStringLiteral("LeisDeb");
const QString kLeisD = QStringLiteral("LeisD");

QString lawKind(const QString& table, int code) {
    return textOf(QStringLiteral("SELECT Tipo FROM %1 WHERE CodLei = ?").arg(table), {code});
}
bool lawExists(const QString& table, int code) {
    return countOf(QStringLiteral("SELECT count(*) FROM %1 WHERE CodLei = ?").arg(table), {code}) > 0;
}
QString lawDescription(const QString& table, const QString& code) {
    return textOf(QStringLiteral("SELECT DescLei FROM %1 WHERE CodLei = ?").arg(table), {code});
}

} // namespace

// ---- registries --------------------------------------------------------------

bool TaxpayerExists(const QString& ie) {
    return countOf(QStringLiteral("SELECT count(*) FROM Contribuintes WHERE IE = ?"), {ie}) == 1;
}

bool TaxpayerHasDeclarations(const QString& ie) {
    return countOf(QStringLiteral("SELECT count(*) FROM Vexas WHERE IE = ?"), {ie}) > 0;
}

QString TaxpayerIEByName(const QString& name) {
    return textOf(QStringLiteral("SELECT IE FROM Contribuintes WHERE RazaoSocial = ?"), {name});
}

bool AccountantExists(const QString& crc, const QString& uf) {
    return countOf(QStringLiteral("SELECT count(*) FROM Declarante WHERE CRC = ? AND UF = ?"), {crc, uf}) == 1;
}

// ---- activities and municipalities --------------------------------------------

bool ActivityExists(const QString& code) {
    return countOf(QStringLiteral("SELECT count(*) FROM Atividades WHERE Codigo = ?"), {code}) == 1;
}

QString ActivityDescription(const QString& code) {
    return textOf(QStringLiteral("SELECT Descricao FROM Atividades WHERE Codigo = ?"), {code});
}

bool IsItem15Activity(const QString& cnae) {
    return countOf(QStringLiteral("SELECT count(*) FROM CNAE15 WHERE CNAE = ?"), {cnae}) == 1;
}

bool IsHomeStateMunicipality(qint64 codIBGE) {
    return countOf(QStringLiteral("SELECT count(*) FROM Municipios WHERE CodIBGE = ? AND UF = ?"),
                   {codIBGE, kHomeState}) == 1;
}

QString MunicipalityNameByIBGE(qint64 codIBGE) {
    return textOf(QStringLiteral("SELECT Descricao FROM Municipios WHERE CodIBGE = ?"), {codIBGE});
}

// ---- states and rates ---------------------------------------------------------

QString NumericStateCode(const QString& letterCode) {
    return textOf(QStringLiteral("SELECT Codigo FROM UF WHERE UF = ?"), {letterCode});
}

QString LetterStateCode(const QString& numericCode) {
    return textOf(QStringLiteral("SELECT UF FROM UF WHERE Codigo = ?"), {numericCode});
}

double InternalRate(const QString& numericCode) {
    return firstValue(QStringLiteral("SELECT Aliquota FROM AliquotaUF WHERE CodigoUF = ?"), {numericCode})
        .toDouble();
}

bool IsAcceptedRate(const QString& numericCode, const QString& year, const QString& segment,
                    const QString& month, double rate) {
    double a = 0, n = 0, cf = 0;
    if (auto q = run(QStringLiteral("SELECT Aliquota, AliquotaN, AliquotaCF FROM AliquotaUF WHERE CodigoUF = ?"),
                     {numericCode});
        q && q->next()) {
        a = q->value(0).toDouble();
        n = q->value(1).toDouble();
        cf = q->value(2).toDouble();
    }
    auto is = [rate](double r) { return money::same(rate, r); };
    // Year and month compare as text, as the file carries them.
    const bool fromApril2023 = year > QLatin1String("2023") ||
                               (year == QLatin1String("2023") && month >= QLatin1String("04"));
    const bool cfRule = is(cf) && year >= QLatin1String("2016");

    if (segment != QLatin1String("S")) return is(a) || (is(n) && year >= QLatin1String("2013"));

    if (!fromApril2023) return cfRule;
    // Final-consumer rates fixed from April 2023 on, by state.
    static const QList<QPair<QString, double>> fixedRates = {
        {QStringLiteral("01"), 19}, {QStringLiteral("02"), 19}, {QStringLiteral("04"), 20},
        {QStringLiteral("05"), 19}, {QStringLiteral("12"), 20}, {QStringLiteral("15"), 19},
        {QStringLiteral("17"), 19}, {QStringLiteral("19"), 21}, {QStringLiteral("20"), 20},
        {QStringLiteral("24"), 20}, {QStringLiteral("27"), 19}, {QStringLiteral("29"), 20},
    };
    for (const auto& [code, fixed] : fixedRates)
        if (code == numericCode) return is(fixed);
    return cfRule;
}

// ---- declarations -------------------------------------------------------------

bool TributeExists(const QString& code, int kind) {
    return countOf(QStringLiteral("SELECT count(*) FROM Tributos WHERE CodigoID = ? AND Tipo = ?"), {code, kind}) > 0;
}

QString LatestRectification(const QString& ie, const QString& year, const QString& month) {
    return textOf(QStringLiteral("SELECT max(Retificacao) FROM Vexas WHERE IE = ? AND Ano = ? AND Mes = ?"),
                  {ie, year, month});
}

QString LatestTipoEncerrante(const QString& ie) {
    // The last row of "order by ano, mes, Retificacao desc": the latest period
    // and, within it, the lowest rectification.
    return textOf(QStringLiteral("SELECT TipoEncerrante FROM Vexas WHERE IE = ? "
                                 "ORDER BY Ano DESC, Mes DESC, Retificacao ASC LIMIT 1"),
                  {ie});
}

int NozzleProduct(const QString& ie, const QString& year, const QString& month, const QString& rectification,
                  const QString& pumpSerial, int nozzle) {
    return firstValue(QStringLiteral("SELECT Produto FROM Encerrantes WHERE IE = ? AND Ano = ? AND Mes = ? "
                                     "AND Retificacao = ? AND NSerieBomba = ? AND NBico = ?"),
                      {ie, year, month, rectification, pumpSerial, nozzle})
        .toInt();
}

bool DeclarationHasTare(const QString& ie, const QString& year, const QString& month,
                        const QString& rectification) {
    return countOf(QStringLiteral("SELECT count(*) FROM Tare WHERE IE = ? AND Ano = ? AND Mes = ? "
                                  "AND Retificacao = ?"),
                   {ie, year, month, rectification}) > 0;
}

// ---- legal grounds --------------------------------------------------------------

QString CreditLawKind(int code) { return lawKind(kLeis, code); }
QString DebitLawKind(int code) { return lawKind(kLeisDeb, code); }
QString DeductionLawKind(int code) { return lawKind(kLeisD, code); }
bool CreditLawExists(int code) { return lawExists(kLeis, code); }
bool DebitLawExists(int code) { return lawExists(kLeisDeb, code); }
bool DeductionLawExists(int code) { return lawExists(kLeisD, code); }
QString CreditLawDescription(const QString& code) { return lawDescription(kLeis, code); }
QString DebitLawDescription(const QString& code) { return lawDescription(kLeisDeb, code); }
QString DeductionLawDescription(const QString& code) { return lawDescription(kLeisD, code); }

// ---- CFOP ---------------------------------------------------------------------

QString cfopTableYear(const QString& year) {
    if (year <= QLatin1String("2017")) return QStringLiteral("2017");
    if (year >= QLatin1String("2022")) return QStringLiteral("2022");
    return year;
}

bool IsCFOPOfYear(const QString& cfop, const QString& year) {
    return countOf(QStringLiteral("SELECT count(*) FROM cfop WHERE CFOP = ? AND Ano = ?"),
                   {cfop, cfopTableYear(year)}) == 1;
}

bool IsCFOPOfView(const QString& cfop, int entradaSaida, int tipoOperacao) {
    if (cfop.isEmpty() || !cfop.at(0).isDigit()) return false;
    const int d = cfop.at(0).digitValue();
    if (entradaSaida == 0) return d >= 1 && d <= 3 && tipoOperacao == d - 1;
    if (entradaSaida == 1) return d >= 5 && d <= 7 && tipoOperacao == d - 5;
    return false;
}

// ---- indices ------------------------------------------------------------------

QDate LatestIndexDate() {
    const QVariant v = firstValue(QStringLiteral("SELECT max(Data) FROM IndicesEconomicos WHERE CodigoIndice = 5"), {});
    if (v.isNull()) return {};
    return QDate::fromString(v.toString().left(10), Qt::ISODate);
}

// ---- lists ----------------------------------------------------------------------

QList<StateRow> StateList() {
    QList<StateRow> rows;
    if (auto q = run(QStringLiteral("SELECT Codigo, UF FROM UF ORDER BY UF"), {}))
        while (q->next()) rows.append({q->value(0).toString(), q->value(1).toString()});
    return rows;
}

QList<MunicipalityRow> MunicipalityList(int mode, const QString& stateLetterCode) {
    const QString columns = QStringLiteral("SELECT CodigoID, Descricao, ID, CodIBGE, UF FROM Municipios ");
    const QString order = QStringLiteral(" ORDER BY %1, CodigoID").arg(orderByName(QStringLiteral("Descricao")));
    std::optional<QSqlQuery> q;
    if (mode == 0)
        q = run(columns + QStringLiteral("WHERE UF = ?") + order, {kHomeState});
    else if (mode == 1)
        q = run(columns + QStringLiteral("WHERE UF = ?") + order, {stateLetterCode});
    else
        q = run(columns + order, {});
    QList<MunicipalityRow> rows;
    if (q)
        while (q->next())
            rows.append({q->value(0).toString(), q->value(1).toString(), q->value(2).toString(),
                         q->value(3).toLongLong(), q->value(4).toString()});
    // The name order of every list ("Água Fria" before "Barra"), the same on both engines.
    return rows;
}

} // namespace vexa::storage
