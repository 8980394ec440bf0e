#include "registry/ActivityList.h"

#include "registry/RegistrySql.h"
#include "storage/Portable.h"

#include <QSqlQuery>

namespace vexa::registry {

namespace {
QList<ActivityRow> read(const QString& statement) {
    QList<ActivityRow> rows;
    QSqlQuery q;
    if (!sql::read(q, statement)) return rows;
    while (q.next()) rows << ActivityRow{sql::text(q.value(0)), sql::text(q.value(1))};
    return rows;
}
} // namespace

QList<ActivityRow> activitiesByCode() {
    return read(QStringLiteral("SELECT Codigo, Descricao FROM Atividades ORDER BY Codigo"));
}

QList<ActivityRow> activitiesByDescription() {
    return read(QStringLiteral("SELECT Codigo, Descricao FROM Atividades ORDER BY %1, Codigo")
                    .arg(storage::orderByName(QStringLiteral("Descricao"))));
}

} // namespace vexa::registry
