#include "declaration/CarryOver.h"

#include "common/Money.h"
#include "declaration/Apuracao.h"
#include "declaration/DeclSql.h"
#include "common/ErrorLog.h"
#include "storage/Portable.h"
#include "storage/ReferenceLookups.h"

#include <QSqlError>

#include <QSqlQuery>

namespace vexa::decl {

namespace {

const int kCode98 = 98;

QVariantList keyValues(const DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }
const QString kWhereKey = QStringLiteral(" WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?");

// The listed columns of the previous month's declaration; zeros when there is none.
QList<double> previousAmounts(const DeclarationKey& key, const QStringList& columns) {
    QList<double> values(columns.size(), 0.0);
    const DeclarationKey prev = previousDeclaration(key);
    if (prev.retificacao.isEmpty()) return values;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT %1 FROM Vexas").arg(columns.join(QStringLiteral(", "))) + kWhereKey,
                   keyValues(prev)) ||
        !q.next())
        return values;
    for (qsizetype i = 0; i < columns.size(); ++i) values[i] = sql::real(q.value(int(i)));
    return values;
}

// S of the previous month when below 50, else 0; 0 for a January declaration.
double carriedBelow50(const DeclarationKey& key, const char* period, const char* carried) {
    if (key.month() == 1) return 0;
    const QList<double> v =
        previousAmounts(key, {QString::fromLatin1(period), QString::fromLatin1(carried)});
    const double s = money::round2(v[0] + v[1]);
    return s < kSmallBalance ? s : 0;
}

} // namespace

DeclarationKey previousDeclaration(const DeclarationKey& key) {
    DeclarationKey prev = key.previousMonth();
    prev.retificacao.clear();
    // Prepared once: every new declaration asks it.
    QString error;
    QSqlQuery* q = storage::keptStatement(
        QStringLiteral("SELECT Retificacao FROM Vexas WHERE IE = ? AND Ano = ? AND Mes = ? ORDER BY Retificacao"),
        &error);
    if (!q) {
        reportUnhandledError(error);
        return prev;
    }
    q->bindValue(0, prev.ie);
    q->bindValue(1, prev.ano);
    q->bindValue(2, prev.mes);
    if (!q->exec()) {
        reportUnhandledError(q->lastError().text());
        return prev;
    }
    while (q->next()) prev.retificacao = sql::text(q->value(0));
    q->finish();
    return prev;
}

double carryC64(const DeclarationKey& key) {
    const QList<double> v = previousAmounts(
        key, {QStringLiteral("C51"), QStringLiteral("C52"), QStringLiteral("C53"), QStringLiteral("C61"),
              QStringLiteral("C62"), QStringLiteral("C63"), QStringLiteral("C64")});
    const double debit = v[0] + v[1] + v[2];
    const double credit = v[3] + v[4] + v[5] + v[6];
    return debit - credit < 0 ? money::round2(credit - debit) : 0;
}

const QStringList& carriedColumns() {
    static const QStringList columns{QStringLiteral("C51"),  QStringLiteral("C52"),  QStringLiteral("C53"),
                                     QStringLiteral("C61"),  QStringLiteral("C62"),  QStringLiteral("C63"),
                                     QStringLiteral("C64"),  QStringLiteral("C76"),  QStringLiteral("C77"),
                                     QStringLiteral("C79"),  QStringLiteral("C710"), QStringLiteral("C713"),
                                     QStringLiteral("C714")};
    return columns;
}

CarriedItems carriedItems(const DeclarationKey& key, const QList<double>& v) {
    CarriedItems c;
    if (v.size() != carriedColumns().size()) return c;
    const double debit = v[0] + v[1] + v[2];
    const double credit = v[3] + v[4] + v[5] + v[6];
    c.C64 = debit - credit < 0 ? money::round2(credit - debit) : 0;
    if (key.month() == 1) return c;
    auto below50 = [](double a, double b) {
        const double s = money::round2(a + b);
        return s < kSmallBalance ? s : 0;
    };
    c.C77 = below50(v[7], v[8]);
    c.C710 = below50(v[9], v[10]);
    c.C714 = below50(v[11], v[12]);
    return c;
}

double carryC77(const DeclarationKey& key) { return carriedBelow50(key, "C76", "C77"); }
double carryC710(const DeclarationKey& key) { return carriedBelow50(key, "C79", "C710"); }
double carryC714(const DeclarationKey& key) { return carriedBelow50(key, "C713", "C714"); }

double carryCode98(const DeclarationKey& key) {
    const DeclarationKey prev = previousDeclaration(key);
    if (prev.retificacao.isEmpty()) return 0;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT Valor FROM OutrosCred") + kWhereKey + QStringLiteral(" AND CodLei = ?"),
                   keyValues(prev) + QVariantList{kCode98}))
        return 0;
    double value = 0;
    while (q.next()) value = sql::real(q.value(0));
    return value;
}

bool reinstatesCode98(const DeclarationKey& key) { return key.yyyymm() >= QLatin1String("201209"); }

double code98Reinstatement(const DeclarationKey& key) {
    if (!reinstatesCode98(key)) return 0;
    const double amount = carryCode98(key);
    return isSmallBalance(amount) ? amount : 0;
}

void applyCarryOver(VexaRow& row) {
    const DeclarationKey key = row.key();
    row.TipoEncerrante = storage::LatestTipoEncerrante(row.IE);
    row.C77 = carryC77(key);
    row.C714 = carryC714(key);
    row.C64 = carryC64(key);
    const double code98 = code98Reinstatement(key);
    if (code98 > 0) row.C52 = code98;
    row.C710 = key.yyyymm() < QLatin1String("201203") ? 0 : carryC710(key);
}

bool insertCode98Debit(const DeclarationKey& key, double amount, QString* error) {
    QSqlQuery q;
    if (!sql::run(q, QStringLiteral("SELECT CodLei FROM OutrosDeb") + kWhereKey + QStringLiteral(" AND CodLei = ?"),
                  keyValues(key) + QVariantList{kCode98}, error))
        return false;
    if (q.next()) return true;
    return sql::run(q,
                    QStringLiteral("INSERT INTO OutrosDeb (IE, Ano, Mes, Retificacao, CodLei, Valor) "
                                   "VALUES (?, ?, ?, ?, ?, ?)"),
                    keyValues(key) + QVariantList{kCode98, amount}, error);
}

} // namespace vexa::decl
