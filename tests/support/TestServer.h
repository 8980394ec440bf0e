#pragma once
// The engine the tests run on. Without VEXA_TEST_PG every program folder of a
// test keeps its tables in DB/vexa.db (SQLite). With VEXA_TEST_PG set to the
// connection of a throw-away PostgreSQL cluster ("host=... port=... user=...
// dbname=postgres", as tools/pgcluster.sh prints it), each test's program
// folder gets a database of its own on that cluster, cloned from a template
// database that holds the delivered tables and reference rows, and named by
// the folder's DB/conexao.ini: the same tests then run on PostgreSQL.

#include "common/ProgramFolder.h"
#include "storage/ServerConnection.h"

#include <QString>
#include <QVariant>
#include <memory>

namespace vexa::test {

// Whether the tests run on the PostgreSQL cluster of VEXA_TEST_PG.
bool onServer();
// The cluster's settings (its maintenance database); empty when not on a server.
storage::ServerSettings clusterSettings();

// A database of its own on the test cluster, dropped (whoever is connected)
// when it goes. Empty, or cloned from the template of the delivered tables.
class ServerDatabase {
public:
    enum class Content { Empty, Delivered };
    explicit ServerDatabase(Content content = Content::Delivered);
    // A clone of another test database (its rows as they are now).
    explicit ServerDatabase(const QString& sourceDatabase);
    ~ServerDatabase();
    ServerDatabase(const ServerDatabase&) = delete;
    ServerDatabase& operator=(const ServerDatabase&) = delete;

    const QString& name() const { return name_; }
    storage::ServerSettings settings() const;
    // "host=... port=... user=... dbname=<name>", for init --postgres and move-to-postgres.
    QString connection() const;
    // The folder uses this database from now on: DB/conexao.ini written, DB/vexa.db removed.
    void attach(const ProgramFolder& folder) const;

private:
    QString name_;
};

// Runs one statement on the cluster's maintenance database (CREATE / DROP DATABASE, ...).
void clusterExec(const QString& statement);
// The first value a statement on the maintenance database answers.
QVariant clusterValue(const QString& statement);

// The database a folder's connection file names; empty for an SQLite folder.
QString databaseOf(const ProgramFolder& folder);

// Copies a program folder's files from one directory to another; when the
// folder is on the test cluster, the copy gets a clone of its database
// (owned by the returned object) instead of sharing it.
std::unique_ptr<ServerDatabase> copyProgramFolder(const QString& from, const QString& to);

} // namespace vexa::test
