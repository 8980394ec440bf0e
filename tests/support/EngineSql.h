#pragma once
// What tests do to a database beyond the program's own statements, written
// once for both engines: make a table refuse its deletes, drop a table and
// make it again, run a statement that cannot be prepared (CREATE, DROP, ...),
// and show a row as text the way SQLite writes values.

#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace vexa::test {

// On the "Vexa" connection: every row the event ("INSERT", "UPDATE" or
// "DELETE") touches on the table — those for which the condition `when`
// holds, e.g. "NEW.DomicilioFiscal = 'B'" — fails with the message (an SQLite
// trigger, or a PostgreSQL trigger and its function), until allowed again.
void refuseRows(const QString& table, const QString& event, const QString& message, const QString& when = {});
void allowRows(const QString& table, const QString& event);

// Drops the table, and makes it again as a new database has it.
void dropTable(const QString& table);
void recreateTable(const QString& table);

// Runs a statement without values as it stands; false with the engine's message.
bool execPlain(const QString& statement, QString* error = nullptr);

// The first row of the statement, its values joined by '/', each as SQLite
// writes it: null "nulo", a float with at least one decimal ("6.0", "3.45").
QString rowText(const QString& statement, const QVariantList& values = {});
// Every row, its values joined by `separator` and written as above, the rows
// joined by ", ".
QString rowsText(const QString& statement, const QVariantList& values = {}, QChar separator = QLatin1Char(' '));
// The first column of every row, joined by ','.
QString columnText(const QString& statement, const QVariantList& values = {});

} // namespace vexa::test
