// The backup side of a database kept on a PostgreSQL server. The archive
// keeps its layout: it holds one SQLite database file, written from the
// server's rows inside one read-only snapshot, so rows other workstations save
// meanwhile are either all in the copy or none of them.
#include "backup/DatabaseSide.h"

#include "storage/Database.h"
#include "storage/DatabaseCopy.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace vexa::backup {

ServerDatabaseSide::ServerDatabaseSide(ProgramFolder folder) : folder_(std::move(folder)) {}

QString ServerDatabaseSide::exportFile() const {
    return QDir(QDir(folder_.dbDir()).filePath(QStringLiteral(".copia-servidor")))
        .absoluteFilePath(QFileInfo(folder_.dbFile()).fileName());
}

QStringList ServerDatabaseSide::tableFiles() { return {exportFile()}; }

bool ServerDatabaseSide::closeDatabase(QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = QStringLiteral("O banco de dados do servidor não pôde ser copiado: %1").arg(why);
        closeConnection();
        return false;
    };
    wasOpen_ = wasOpen_ || storage::isOpen();
    QString why;
    if (!storage::isOpen() && !storage::open(folder_, &why)) return fail(why);
    const QString file = exportFile();
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return fail(QStringLiteral("a pasta %1 não pôde ser criada").arg(QDir::toNativeSeparators(QFileInfo(file).absolutePath())));

    bool ok = false;
    {
        QSqlDatabase db = storage::db();
        if (!db.transaction()) return fail(db.lastError().text());
        {
            QSqlQuery snapshot(db);
            ok = snapshot.exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY"));
            if (!ok) why = snapshot.lastError().text();
        }
        ok = ok && storage::writeSqliteCopy(file, {}, &why);
        db.rollback();   // nothing was written on the server
    }
    if (!ok) {
        QFile::remove(file);
        return fail(why);
    }
    closeConnection();
    return true;
}

void ServerDatabaseSide::closeConnection() {
    wasOpen_ = wasOpen_ || storage::isOpen();
    storage::close();
}

bool ServerDatabaseSide::reopen(QString* error) {
    // The copy holds every row: it does not stay in the folder once saved.
    QDir(QFileInfo(exportFile()).absolutePath()).removeRecursively();
    if (!wasOpen_) return true;
    wasOpen_ = false;
    return storage::open(folder_, error);
}

bool ServerDatabaseSide::replaceDatabase(const QList<RestoredFile>& staged, QString* error) {
    QList<RestoredFile> files;
    if (!checkRestoredDatabase(QFileInfo(folder_.dbFile()).fileName(), staged, &files, error)) return false;
    // Only the database file has a place on the server; other files of the
    // archive (tables of a single PC's folder) are left out.
    QString why;
    if (!storage::open(folder_, &why) || !storage::replaceFromSqlite(files.first().path, {}, &why)) {
        storage::close();
        if (error) *error = why;
        return false;
    }
    return true;
}

void ServerDatabaseSide::cleanAfterRestore() { QDir(QFileInfo(exportFile()).absolutePath()).removeRecursively(); }

void ServerDatabaseSide::rebuildIndexes(storage::RebuildProgress* progress, Prompter& prompter) {
    rebuildFolderIndexes(folder_, progress, prompter);
}

} // namespace vexa::backup
