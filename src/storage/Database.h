#pragma once
// The one database connection of the program, named "Vexa": the SQLite file
// DB/vexa.db of the program folder. Every statement binds its values.

#include "common/ProgramFolder.h"

#include <QSqlDatabase>
#include <QString>

namespace vexa::storage {

inline const QString kConnectionName = QStringLiteral("Vexa");
inline const QString kLayoutVersion = QStringLiteral("979");

// Opens DB/vexa.db of the folder under the connection "Vexa". Never creates a
// database: a missing, unreadable, truncated or non-database file answers false
// with a clear message in *error and leaves the file as it is.
bool open(const ProgramFolder& folder, QString* error);
void close();
bool isOpen();
QSqlDatabase db();
const ProgramFolder& currentFolder();

// The same checks and opening under another connection name (the index rebuild
// works on a connection of its own while "Vexa" is closed).
bool openConnection(const QString& path, const QString& connectionName, QString* error);
void closeConnection(const QString& connectionName);

// Checks, without opening it, that the file is a complete SQLite database
// that can be read. Answers false with the message to show otherwise.
bool checkDatabaseFile(const QString& path, QString* error);

// Rolls back unless committed. Nested use is not supported.
class Transaction {
public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    bool started() const { return started_; }
    bool commit();
    void rollback();

private:
    bool started_ = false;
    bool done_ = false;
};

} // namespace vexa::storage
