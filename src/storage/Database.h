#pragma once
// The one database connection of the program, named "Vexa": the SQLite file
// DB/vexa.db of the program folder, or, when the folder holds the connection
// file DB/conexao.ini (office mode, several workstations), the PostgreSQL
// database that file names. Every statement binds its values.

#include "common/ProgramFolder.h"

#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace vexa::storage {

inline const QString kConnectionName = QStringLiteral("Vexa");
inline const QString kLayoutVersion = QStringLiteral("979");

// Opens the folder's database under the connection "Vexa". Never creates a
// database: a missing, unreadable, truncated or non-database file, a broken
// connection file, a server that does not answer or refuses the user, or a
// server database without the program's tables answers false with a clear
// message in *error and leaves everything as it is.
bool open(const ProgramFolder& folder, QString* error);
void close();
bool isOpen();
// The "Vexa" connection. When the server connection was lost and no
// transaction is in progress, it reconnects first (see setConnectionNotice).
QSqlDatabase db();
const ProgramFolder& currentFolder();

// Whether the folder's tables are on a PostgreSQL server (it has DB/conexao.ini).
bool isOnServer(const ProgramFolder& folder);
// Where the folder's data is, for messages: "DB/vexa.db" or the server database.
QString describeDatabase(const ProgramFolder& folder);

// The same checks and opening of the folder's database (either engine) under
// another connection name (the index rebuild works on a connection of its own
// while "Vexa" is closed).
bool openFolderConnection(const ProgramFolder& folder, const QString& connectionName, QString* error);
// The SQLite file at path under another connection name.
bool openConnection(const QString& path, const QString& connectionName, QString* error);
void closeConnection(const QString& connectionName);

// Checks, without opening it, that the file is a complete SQLite database
// that can be read. Answers false with the message to show otherwise.
bool checkDatabaseFile(const QString& path, QString* error);

// Receives the message to show when the server connection was lost and the
// program connected again (or could not). The data module sends it to the
// application-wide error handler.
void setConnectionNotice(std::function<void(const QString& message)> notice);

// One unit of writes: rolls back unless committed. A unit begun while a
// transaction is already open (by another unit or by the caller) becomes a
// savepoint of it: its commit keeps its writes for the outer transaction to
// commit, its rollback undoes only its own.
class Transaction {
public:
    Transaction();                          // on the "Vexa" connection
    explicit Transaction(QSqlDatabase db);  // on another connection
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    bool started() const { return started_; }
    bool nested() const { return !savepoint_.isEmpty(); }
    // The engine's message when begin or commit failed.
    const QString& error() const { return error_; }
    bool commit();
    void rollback();

private:
    QSqlDatabase db_;
    QString savepoint_;
    QString error_;
    bool started_ = false;
    bool done_ = false;
    bool counted_ = false;
};

} // namespace vexa::storage
