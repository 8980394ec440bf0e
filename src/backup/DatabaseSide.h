#pragma once
// The database's part in a backup and a restore, kept apart from the archive:
// which files hold the tables, closing and packing them, and putting restored
// files in place of the database. The archive always holds SQLite database
// files; a database kept on a server plugs in a side of its own that exports
// the server's data into such a file before the backup and loads it after the
// restore.

#include "backup/BackupFile.h"
#include "common/ProgramFolder.h"
#include "common/Prompter.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace vexa::storage {
class RebuildProgress;
}

namespace vexa::backup {

class DatabaseSide {
public:
    virtual ~DatabaseSide() = default;

    // The table files a backup saves, as full paths.
    virtual QStringList tableFiles() = 0;
    // Closes the connection, removes the engine's temporary tables and leaves
    // each table file whole on its own (nothing pending beside it). False with
    // the reason when a file could not be made whole.
    virtual bool closeDatabase(QString* error) = 0;
    // Closes the connection and nothing more: what a restore does before it
    // reads the archive, so that a database it does not replace stays as it was.
    virtual void closeConnection() = 0;
    // Packs one table file (its deleted rows removed); false when it could not.
    virtual bool pack(const QString& file) = 0;
    // Opens the connection again when closeDatabase() or closeConnection() closed one.
    virtual bool reopen(QString* error) = 0;

    // The folder inside which a restore reads the archive back first.
    virtual QString stagingParent() = 0;
    // Checks the files read back and, only when all of them are sound, puts
    // them in place of the database. False with the reason: nothing replaced.
    virtual bool replaceDatabase(const QList<RestoredFile>& staged, QString* error) = 0;
    // After the database was replaced: removes temporary tables and index files.
    virtual void cleanAfterRestore() = 0;
    // The index rebuild that ends a restore; it shows its closing message.
    virtual void rebuildIndexes(storage::RebuildProgress* progress, Prompter& prompter) = 0;
};

// The SQLite database of the program folder: the "*.db" files of DB/.
class SqliteDatabaseSide : public DatabaseSide {
public:
    explicit SqliteDatabaseSide(ProgramFolder folder);

    QStringList tableFiles() override;
    bool closeDatabase(QString* error) override;
    void closeConnection() override;
    bool pack(const QString& file) override;
    bool reopen(QString* error) override;
    QString stagingParent() override { return folder_.dbDir(); }
    bool replaceDatabase(const QList<RestoredFile>& staged, QString* error) override;
    void cleanAfterRestore() override;
    void rebuildIndexes(storage::RebuildProgress* progress, Prompter& prompter) override;

private:
    ProgramFolder folder_;
    bool wasOpen_ = false;
};

// The database of a folder in office mode, kept on a PostgreSQL server. A
// backup first writes the server's rows, as one consistent snapshot, into an
// SQLite file of the program's layout in DB/.copia-servidor/ and saves that
// file, so an archive made on the server restores on a single PC and the other
// way round. A restore checks the archive's database file as the SQLite side
// does and then replaces every row on the server in one transaction; the
// other workstations reload what they show by the change stamp.
class ServerDatabaseSide : public DatabaseSide {
public:
    explicit ServerDatabaseSide(ProgramFolder folder);

    QStringList tableFiles() override;
    bool closeDatabase(QString* error) override;
    void closeConnection() override;
    bool pack(const QString&) override { return true; }   // the copy is written fresh, with no deleted rows
    bool reopen(QString* error) override;
    QString stagingParent() override { return folder_.dbDir(); }
    bool replaceDatabase(const QList<RestoredFile>& staged, QString* error) override;
    void cleanAfterRestore() override;
    void rebuildIndexes(storage::RebuildProgress* progress, Prompter& prompter) override;

    // The SQLite file a backup writes the server's rows into.
    QString exportFile() const;

private:
    ProgramFolder folder_;
    bool wasOpen_ = false;
};

// The side of the database the program folder uses.
std::unique_ptr<DatabaseSide> makeDatabaseSide(const ProgramFolder& folder);

// The restored files checked, the database named mainName first in ordered:
// no journal or log among them, each an SQLite database that passes the
// engine's check, the first with the declaration table. False with the reason.
bool checkRestoredDatabase(const QString& mainName, const QList<RestoredFile>& staged, QList<RestoredFile>* ordered,
                           QString* error);

// The index rebuild that ends a restore, with its closing message.
void rebuildFolderIndexes(const ProgramFolder& folder, storage::RebuildProgress* progress, Prompter& prompter);

// The "*.db" files of a database folder that are SQLite databases, leaving
// out the table files of older versions that the program no longer keeps.
QStringList sqliteTableFiles(const QString& dbDir);

} // namespace vexa::backup
