#include "payment/ConsultaDare.h"

#include "declaration/DeclSql.h"

#include <QSqlQuery>
#include <algorithm>

namespace vexa::payment {

namespace {
using namespace vexa::decl;

QString orTodos(const QString& choice) { return choice.isEmpty() ? kTodos : choice; }
} // namespace

QStringList consultTaxpayerChoices() {
    QStringList names;
    QSqlQuery q;
    if (sql::read(q, QStringLiteral("select RazaoSocial from Contribuintes"), {}))
        while (q.next()) names << sql::text(q.value(0));
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    names.prepend(kTodos);
    return names;
}

QStringList consultPeriodChoices() {
    QStringList periods;
    QSqlQuery q;
    if (sql::read(q, QStringLiteral("select Mes, Ano from dare group by Mes, Ano"), {}))
        while (q.next()) periods << sql::text(q.value(0)) + sql::text(q.value(1));
    std::sort(periods.begin(), periods.end());
    periods.prepend(kTodos);
    return periods;
}

QList<ConsultRow> consultDares(const QString& razaoSocial, const QString& periodo) {
    const QString name = orTodos(razaoSocial);
    const QString period = orTodos(periodo);
    QList<ConsultRow> rows;
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("select c.RazaoSocial, d.IE, d.Mes, d.Ano, d.Retificacao from dare d "
                                  "join Contribuintes c on c.IE = d.IE "
                                  "where (? = '<TODOS>' or d.Mes || d.Ano = ?) "
                                  "and (? = '<TODOS>' or c.RazaoSocial = ?) "
                                  "order by c.RazaoSocial, d.IE, d.Ano, d.Mes, d.Retificacao"),
                   {period, period, name, name}))
        return rows;
    while (q.next())
        rows << ConsultRow{sql::text(q.value(0)), sql::text(q.value(1)),
                           sql::text(q.value(2)) + sql::text(q.value(3)), sql::text(q.value(4))};
    return rows;
}

} // namespace vexa::payment
