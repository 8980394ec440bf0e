#include "registry/RegistrySql.h"

#include "common/ErrorLog.h"
#include "storage/Database.h"

#include <QSqlError>

namespace vexa::registry::sql {

bool prepare(QSqlQuery& query, const QString& statement, QString* error) {
    query = QSqlQuery(storage::db());
    if (query.prepare(statement)) return true;
    if (error) *error = query.lastError().text();
    return false;
}

bool exec(QSqlQuery& query, QString* error) {
    if (query.exec()) return true;
    if (error) *error = query.lastError().text();
    return false;
}

bool read(QSqlQuery& query, const QString& statement, const QVariantList& values) {
    QString error;
    if (!prepare(query, statement, &error)) {
        reportUnhandledError(error);
        return false;
    }
    for (const QVariant& v : values) query.addBindValue(v);
    if (!exec(query, &error)) {
        reportUnhandledError(error);
        return false;
    }
    return true;
}

QVariant text(const QString& value) {
    return value.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(value);
}

QString text(const QVariant& value) { return value.isNull() ? QString() : value.toString(); }

bool flag(const QVariant& value) { return !value.isNull() && value.toBool(); }

} // namespace vexa::registry::sql
