#pragma once
// The two database engines the program keeps its tables on, and everything in
// which they differ: column types, identifiers, the catalog (tables, columns,
// indexes), the name order, row locks, transactions that nest, and how a
// refused key or a lost connection shows. Nothing outside src/storage asks
// which engine holds the data; it uses the helpers of Portable.h.
//
// SQLite: the file DB/vexa.db of the program folder (the default).
// PostgreSQL: a server database named by the connection file DB/conexao.ini
// (several workstations on one database).

#include "storage/Schema.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

#include <functional>

struct sqlite3;

namespace vexa::storage {

enum class Engine { SQLite, PostgreSQL };

Engine engineOf(const QSqlDatabase& db);
QString engineName(Engine engine);   // "SQLite", "PostgreSQL"

// ---- names and types ---------------------------------------------------------------

// The name as an SQL identifier for the engine. PostgreSQL folds unquoted
// names to lower case, so the tables it holds are named in lower case.
QString identifier(Engine engine, const QString& name);

// The column type. PostgreSQL keeps what SQLite keeps: texts of any length in
// "text" (widths are the program's checks, never a refusal of the engine, and
// a text is never padded with blanks), dates as "yyyy-MM-dd" texts, floats as
// "double precision", booleans as 0 / 1 in "smallint"; every text compares byte
// by byte (COLLATE "C"), as SQLite's BINARY does.
QString columnType(Engine engine, const schema::Column& column);

// A type written in an upgrade statement ("boolean", "float", "char(50)",
// "Date", ...) as the engine stores the same value.
QString upgradeType(Engine engine, const QString& typeText);

// The row number column "Seq" that numbers a table's rows as they are added.
QString rowNumberColumn(Engine engine);

// ---- catalog -----------------------------------------------------------------------

// The table as the database spells it; empty when there is no such table.
QString realTableName(QSqlDatabase db, const QString& table);
QStringList tableNames(QSqlDatabase db);
// The indexes of a table (of every table when table is empty) that can be
// dropped and made again: not those that belong to a table's own PRIMARY KEY.
QStringList droppableIndexes(QSqlDatabase db, const QString& table = QString());
// Every index name of a table, lower case, sorted.
QStringList indexNames(QSqlDatabase db, const QString& table);
bool indexExists(QSqlDatabase db, const QString& table, const QString& index);
// Whether the table has a primary key of its own (CREATE TABLE ... PRIMARY KEY).
bool hasPrimaryKey(QSqlDatabase db, const QString& table);

// ---- connection state --------------------------------------------------------------

// Whether a transaction is open on the connection (begun by anyone). False
// with *known false when the engine cannot tell: a PostgreSQL read still
// streaming its rows leaves the connection busy.
bool inTransaction(QSqlDatabase db, bool* known = nullptr);
// Whether the open transaction met an error that only a rollback undoes
// (PostgreSQL refuses every further statement of such a transaction).
bool transactionFailed(QSqlDatabase db);
// Whether the connection to the server was lost (never for SQLite).
bool connectionLost(QSqlDatabase db);
// The SQLite handle of an SQLite connection (null for any other), for the
// scratch databases that read their own rows without the driver's values.
sqlite3* sqliteHandle(const QSqlDatabase& db);

// The server process of the connection (PostgreSQL), for tests that cut it.
int serverProcessId(QSqlDatabase db);

// PostgreSQL: runs the statement ($1, $2, ... marks) with its values sent as
// the protocol's own parameters, apart from the statement's text: nothing to
// escape on this side, nothing but the statement itself for the server to
// parse. The statement is prepared once per server session. Each value is a
// text in the server's input form; a null QByteArray is SQL null. What a
// forward-only read left unread is lost, as with any statement. False with
// the server's message in *error when it failed.
bool runWithParameters(QSqlDatabase db, const QByteArray& statement, const QList<QByteArray>& values,
                       QString* error);
// Tests make a statement sent by runWithParameters fail half-way: the check
// sees each statement first and refuses it by answering false. Empty restores
// the default.
void setParameterRunCheck(std::function<bool(const QByteArray& statement)> check);

// Workstations that start at the same time run the start-up upgrade one after
// the other (a lock of the server session; nothing on SQLite).
class StartUpLock {
public:
    explicit StartUpLock(QSqlDatabase db);
    ~StartUpLock();
    StartUpLock(const StartUpLock&) = delete;
    StartUpLock& operator=(const StartUpLock&) = delete;

private:
    QSqlDatabase db_;
    bool held_ = false;
};

// A read of several tables that sees them all at one moment, whatever other
// workstations commit meanwhile (nothing when a transaction is already open).
class ReadSnapshot {
public:
    explicit ReadSnapshot(QSqlDatabase db);
    ~ReadSnapshot();
    ReadSnapshot(const ReadSnapshot&) = delete;
    ReadSnapshot& operator=(const ReadSnapshot&) = delete;

private:
    QSqlDatabase db_;
    bool open_ = false;
};

// After rows were copied with their own Seq: the next row added gets the next number.
bool resetRowNumbers(QSqlDatabase db, const QString& table, QString* error);

// Registers the name order function nome_ordem(text) on an SQLite connection.
bool registerSqliteFunctions(QSqlDatabase db, QString* error);
// CREATE OR REPLACE of nome_ordem(text) on a PostgreSQL database.
QString postgresNameOrderFunction();

} // namespace vexa::storage
