#pragma once
// Small helpers the registry statements share: the "Vexa" connection, empty
// text stored as null (an empty text reads as null), and running a prepared
// statement with its engine message on failure.

#include <QSqlQuery>
#include <QString>
#include <QVariant>

namespace vexa::registry::sql {

// A statement prepared on the "Vexa" connection; *error receives the engine's
// message when preparing fails.
bool prepare(QSqlQuery& query, const QString& statement, QString* error);

// Runs a prepared statement; *error receives the engine's message on failure.
bool exec(QSqlQuery& query, QString* error);

// Runs a statement whose failure no caller can handle (a read): the values are
// bound in order and the engine's message goes to the application-wide
// handler, the caller seeing "nothing found".
bool read(QSqlQuery& query, const QString& statement, const QVariantList& values = {});

// An empty text is stored as null, as the tables hold it.
QVariant text(const QString& value);

// A stored text, null read as empty.
QString text(const QVariant& value);

// A stored flag: null and 0 are false.
bool flag(const QVariant& value);

} // namespace vexa::registry::sql
