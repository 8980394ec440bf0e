#include "registry/RegistrySearch.h"

#include "registry/RegistrySql.h"
#include "storage/Portable.h"

#include <QSqlQuery>
#include <algorithm>

namespace vexa::registry {

QList<NameRow> rowsByName(Registry registry) {
    const QString statement =
        registry == Registry::Taxpayers
            ? QStringLiteral("SELECT RazaoSocial, IE, '' FROM Contribuintes ORDER BY %1, IE")
                  .arg(storage::orderByName(QStringLiteral("RazaoSocial")))
            : QStringLiteral("SELECT Nome, CRC, UF FROM Declarante ORDER BY %1, CRC, UF")
                  .arg(storage::orderByName(QStringLiteral("Nome")));
    QList<NameRow> rows;
    QSqlQuery q;
    if (!sql::read(q, statement)) return rows;
    while (q.next()) rows << NameRow{sql::text(q.value(0)), sql::text(q.value(1)), sql::text(q.value(2))};
    return rows;
}

int compareNames(const QString& a, const QString& b) { return storage::compareNames(a, b); }

int nearestByName(const QList<NameRow>& rows, const QString& typed) {
    if (rows.isEmpty()) return -1;
    const auto it = std::lower_bound(rows.begin(), rows.end(), typed, [](const NameRow& row, const QString& t) {
        return storage::compareNameKeys(row.name, t) < 0;
    });
    if (it == rows.end()) return int(rows.size()) - 1;
    return int(it - rows.begin());
}

} // namespace vexa::registry
