#include "declaration/ui/FrmLocalizarVexaQuery.h"

#include "common/ErrorLog.h"
#include "storage/Database.h"
#include "storage/Portable.h"

#include <QCollator>
#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>

namespace vexa::decl::ui {

namespace {

bool run(QSqlQuery& q) {
    if (q.exec()) return true;
    reportUnhandledError(q.lastError().text());
    return false;
}

// The list as a sorted drop-down shows it: "<TODOS>" on top, then the values
// in the order of the user's language, each once.
QStringList withTodos(QStringList values) {
    values.removeAll(QString());
    QCollator collator(QLocale(QLocale::Portuguese, QLocale::Brazil));
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(values.begin(), values.end(),
              [&](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
    values.erase(std::unique(values.begin(), values.end()), values.end());
    values.prepend(kTodos);
    return values;
}

bool matchesAll(const QString& choice) {
    const QString c = choice.trimmed();
    return c.isEmpty() || c == kTodos;
}

} // namespace

QStringList taxpayerChoices() {
    QSqlQuery q(storage::db());
    q.prepare(QStringLiteral("SELECT RazaoSocial FROM Contribuintes"));
    QStringList names;
    if (run(q))
        while (q.next()) names << q.value(0).toString();
    return withTodos(names);
}

QStringList periodChoices() {
    QSqlQuery q(storage::db());
    q.prepare(QStringLiteral("SELECT Mes, Ano FROM Vexas GROUP BY Mes, Ano"));
    QStringList periods;
    if (run(q))
        while (q.next()) periods << q.value(0).toString() + q.value(1).toString();
    return withTodos(periods);
}

QList<FoundDeclaration> findDeclarations(const QString& razaoSocial, const QString& mesAno) {
    const bool anyName = matchesAll(razaoSocial);
    const bool anyPeriod = matchesAll(mesAno);
    QString sql = QStringLiteral(
        "SELECT v.IE, c.RazaoSocial, v.Mes || v.Ano AS Mes_Ano, v.Retificacao "
        "FROM Vexas v JOIN Contribuintes c ON c.IE = v.IE "
        "WHERE v.Importado = 1");
    if (!anyPeriod) sql += QStringLiteral(" AND v.Mes || v.Ano = :periodo");
    if (!anyName) sql += QStringLiteral(" AND c.RazaoSocial = :nome");
    sql += QStringLiteral(" ORDER BY %1, v.Ano, v.Mes, v.Retificacao DESC, v.IE")
               .arg(storage::orderByName(QStringLiteral("c.RazaoSocial")));

    QSqlQuery q(storage::db());
    q.prepare(sql);
    if (!anyPeriod) q.bindValue(QStringLiteral(":periodo"), mesAno.trimmed());
    if (!anyName) q.bindValue(QStringLiteral(":nome"), razaoSocial);
    QList<FoundDeclaration> found;
    if (run(q))
        while (q.next())
            found.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                          q.value(3).toString()});
    return found;
}

} // namespace vexa::decl::ui
