#pragma once
// Helpers for statements that must run the same on both engines (SQLite and
// PostgreSQL). Most SQL needs none of them: docs/architecture.md lists the
// rules it follows; these cover what cannot be written the same way.

#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

namespace vexa::storage {

// ---- the order of names ---------------------------------------------------------------
//
// Lists ordered by a name (taxpayers, accountants, municipalities, the export
// list, the search screens) follow one rule on both engines: the name with its
// letters in upper case and without accents ("Álvaro", "ALVARO" and "alvaro"
// side by side, "Çaí" among the C), then the name itself character by character
// (its UTF-8 bytes), so that equal keys still come out in one order.

// The sort key of a name: a-z and the accented Latin letters (those of code
// page 1252) in upper case without their accents; any other character as it is.
// A null name has the empty key.
QString nameKey(const QString& name);
// The order of two names as the statements order them: < 0, 0 or > 0.
int compareNames(const QString& a, const QString& b);
// The order of their sort keys alone (case and accents do not count).
int compareNameKeys(const QString& a, const QString& b);
// The ORDER BY terms that order by a name column in that order, e.g.
// "... ORDER BY " + orderByName("c.RazaoSocial") + ", v.IE". Both engines
// know the function nome_ordem() that it uses.
QString orderByName(const QString& column);

// ---- row locks ------------------------------------------------------------------------

enum class RowLock {
    Share,       // others may read and share it; nobody may change or delete it
    Exclusive,   // the row is about to be changed or deleted
};

// Inside a transaction: locks the rows of `table` that `where` (with bound
// values) selects until the transaction ends, so that another workstation
// cannot change or delete them meanwhile, and tells whether there are any.
// A row being changed by another workstation is waited for. On SQLite a
// writing transaction already holds the whole database, and this only reads.
bool lockRows(const QString& table, const QString& where, const QVariantList& values, RowLock lock, bool* found,
              QString* error);

// ---- statements run often -------------------------------------------------------------

// A statement of the "Vexa" connection prepared once and kept: a server
// prepares, runs and drops a statement in three round trips, a kept one runs
// in one. Only for a statement that is run, read and finished before anything
// can run it again (a lookup of one value); null when it cannot be prepared
// (*error tells why). Dropped with the connection.
QSqlQuery* keptStatement(const QString& statement, QString* error);
void dropKeptStatements();

// ---- errors ---------------------------------------------------------------------------

// The engine refused a row whose key is already stored (another workstation
// may have stored it a moment before).
bool isKeyViolation(const QSqlError& error);

// The connection to the database server was lost (PostgreSQL). Nothing of
// the transaction in progress was kept; the next statement after it reconnects.
bool connectionWasLost();
// The same, told by the error of the statement that met it (the driver may
// learn of the loss only at its next statement).
bool isConnectionLoss(const QSqlError& error);

// What the user reads when the connection was lost.
QString connectionLostMessage();

} // namespace vexa::storage
