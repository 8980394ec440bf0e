#include "declaration/DeclSql.h"

#include "common/ErrorLog.h"
#include "declaration/ChildTables.h"
#include "storage/Database.h"

#include <QSqlError>

namespace vexa::decl {

namespace {
StatementRunner& runner() {
    static StatementRunner r;
    return r;
}
} // namespace

void setStatementRunner(StatementRunner r) { runner() = std::move(r); }

namespace sql {

bool prepare(QSqlQuery& query, const QString& statement, const QVariantList& values, QString* error) {
    query = QSqlQuery(storage::db());
    if (!query.prepare(statement)) {
        if (error) *error = query.lastError().text();
        return false;
    }
    for (const QVariant& v : values) query.addBindValue(v);
    return true;
}

bool exec(QSqlQuery& query, QString* error) {
    const bool ok = runner() ? runner()(query) : query.exec();
    if (!ok && error) {
        *error = query.lastError().text();
        if (error->trimmed().isEmpty()) *error = QStringLiteral("O comando não pôde ser executado.");
    }
    return ok;
}

bool run(QSqlQuery& query, const QString& statement, const QVariantList& values, QString* error) {
    return prepare(query, statement, values, error) && exec(query, error);
}

bool read(QSqlQuery& query, const QString& statement, const QVariantList& values) {
    QString error;
    // Not forward-only: PostgreSQL would stream such a read, and a statement
    // run while its rows are walked (a lookup per row) would cut it short.
    query = QSqlQuery(storage::db());
    bool ok = query.prepare(statement);
    if (ok) {
        for (const QVariant& v : values) query.addBindValue(v);
        ok = query.exec();
    }
    if (!ok) reportUnhandledError(query.lastError().text());
    return ok;
}

QVariant text(const QString& value) {
    return value.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(value);
}

QString text(const QVariant& value) { return value.isNull() ? QString() : value.toString(); }

QVariant date(const QDate& value) {
    return value.isValid() ? QVariant(value.toString(QStringLiteral("yyyy-MM-dd")))
                           : QVariant(QMetaType(QMetaType::QString));
}

QDate date(const QVariant& value) {
    if (value.isNull()) return {};
    return QDate::fromString(value.toString().left(10), QStringLiteral("yyyy-MM-dd"));
}

double real(const QVariant& value) {
    if (value.isNull()) return 0;
    bool ok = false;
    const double d = value.toDouble(&ok);
    return ok ? d : 0;
}

qint64 integer(const QVariant& value) {
    if (value.isNull()) return 0;
    bool ok = false;
    const qint64 n = value.toLongLong(&ok);
    return ok ? n : 0;
}

bool flag(const QVariant& value) { return !value.isNull() && value.toBool(); }

// A unit of storage::Transaction: a savepoint of the caller's transaction
// when one is open, a transaction of its own otherwise (on either engine).
WriteUnit::WriteUnit(const QString& /*name*/) {
    if (!unit_.started()) error_ = unit_.error();
}

WriteUnit::~WriteUnit() = default;

bool WriteUnit::release(QString* error) {
    if (!unit_.started()) return false;
    if (unit_.commit()) return true;
    if (error) *error = unit_.error();
    return false;
}

void WriteUnit::rollback() { unit_.rollback(); }

} // namespace sql
} // namespace vexa::decl
