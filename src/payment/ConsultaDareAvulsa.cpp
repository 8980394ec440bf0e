#include "payment/ConsultaDareAvulsa.h"

#include "declaration/DeclSql.h"

#include <QSqlQuery>
#include <algorithm>

namespace vexa::payment {

namespace {
using namespace vexa::decl;

QString orTodos(const QString& choice) { return choice.isEmpty() ? kTodos : choice; }
} // namespace

QStringList consultAvulsaPeriodChoices() {
    QStringList periods;
    QSqlQuery q;
    if (sql::read(q, QStringLiteral("select Mes, Ano from DareAvulsas group by Mes, Ano"), {}))
        while (q.next()) periods << sql::text(q.value(0)) + sql::text(q.value(1));
    std::sort(periods.begin(), periods.end());
    periods.prepend(kTodos);
    return periods;
}

QList<AvulsaConsultRow> consultDareAvulsas(const QString& razaoSocial, const QString& periodo, const QString& ie) {
    const QString name = orTodos(razaoSocial);
    const QString period = orTodos(periodo);
    const QString registration = orTodos(ie);
    QList<AvulsaConsultRow> rows;
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("select c.RazaoSocial, d.IE, d.Mes, d.Ano, d.CodigoTributo, d.ValorReceita, d.Seq "
                                  "from DareAvulsas d join Contribuintes c on c.IE = d.IE "
                                  "where (? = '<TODOS>' or d.Mes || d.Ano = ?) "
                                  "and (? = '<TODOS>' or c.RazaoSocial = ?) "
                                  "and (? = '<TODOS>' or d.IE = ?) "
                                  "order by c.RazaoSocial, d.IE, d.Ano, d.Mes, d.CodigoTributo, d.Seq"),
                   {period, period, name, name, registration, registration}))
        return rows;
    while (q.next())
        rows << AvulsaConsultRow{sql::text(q.value(0)),
                                 sql::text(q.value(1)),
                                 sql::text(q.value(2)) + sql::text(q.value(3)),
                                 sql::text(q.value(4)),
                                 sql::real(q.value(5)),
                                 int(sql::integer(q.value(6)))};
    return rows;
}

} // namespace vexa::payment
