// The SQLite side of backup and restore. Before a backup every database file
// is brought back from write-ahead logging to a plain rollback journal, so the
// file holds all its committed rows by itself and nothing is left beside it;
// "packing" is VACUUM. A restore puts files in place only after each one read
// back opened and passed SQLite's own check, by a rename inside DB/.
#include "backup/DatabaseSide.h"

#include "common/ErrorLog.h"
#include "storage/DataModule.h"
#include "storage/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>

namespace vexa::backup {

namespace {

const QString kWorkConnection = QStringLiteral("VexaBackup");

// Table files of older versions that a backup leaves out.
const QStringList& oldTableNames() {
    static const QStringList names{QStringLiteral("movimentacaoporoperacoes.DB"), QStringLiteral("operacoes.db"),
                                   QStringLiteral("movimentacaoporoperacoes41.DB"), QStringLiteral("Operacoes41.db"),
                                   QStringLiteral("Operacoes42.db")};
    return names;
}

bool isSqliteFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) && f.read(16) == QByteArray("SQLite format 3\0", 16);
}

// Runs work on a connection of its own to one database file.
bool withDatabase(const QString& path, const std::function<bool(QSqlDatabase&)>& work, QString* error = nullptr) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kWorkConnection);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
        db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=rw"));
        ok = db.open() && work(db);
        if (!ok && error && error->isEmpty()) *error = db.lastError().text();
        db.close();
    }
    QSqlDatabase::removeDatabase(kWorkConnection);
    return ok;
}

QString firstValue(QSqlDatabase& db, const QString& sql) {
    QSqlQuery q(db);
    return q.exec(sql) && q.next() ? q.value(0).toString() : QString();
}

// rename() puts the new file in place in one step, over the old one.
bool renameOver(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool hasSidecar(const QString& path) {
    return QFile::exists(path + QStringLiteral("-wal")) || QFile::exists(path + QStringLiteral("-journal"));
}

// Writes the write-ahead log back into the file and leaves the file in
// rollback-journal mode, alone in its folder.
bool makeWhole(const QString& path, QString* error) {
    const bool ok = withDatabase(path, [](QSqlDatabase& db) {
        return firstValue(db, QStringLiteral("PRAGMA journal_mode = DELETE")).compare(u"delete", Qt::CaseInsensitive) == 0;
    }, error);
    QFile::remove(path + QStringLiteral("-shm"));
    return ok && !hasSidecar(path);
}

void removeMatching(const QString& dir, const QStringList& filters, const QString& keep) {
    const QDir d(dir);
    for (const QString& f : d.entryList(filters, QDir::Files | QDir::Hidden)) {
        const QString path = d.filePath(f);
        if (!path.startsWith(keep)) QFile::remove(path);
    }
}

// The engine's temporary tables: every file whose lower-case name holds "restte".
void removeTemporaryTables(const QString& dbDir) {
    const QDir d(dbDir);
    for (const QString& f : d.entryList(QDir::Files | QDir::Hidden))
        if (f.toLower().contains(QStringLiteral("restte"))) QFile::remove(d.filePath(f));
}

} // namespace

QStringList sqliteTableFiles(const QString& dbDir) {
    const QDir dir(dbDir);
    QStringList files;
    for (const QString& name : dir.entryList({QStringLiteral("*.db")}, QDir::Files | QDir::Hidden, QDir::Name)) {
        if (oldTableNames().contains(name, Qt::CaseInsensitive)) continue;
        const QString path = QFileInfo(dir.filePath(name)).absoluteFilePath();
        if (isSqliteFile(path)) files << path;
    }
    return files;
}

std::unique_ptr<DatabaseSide> makeDatabaseSide(const ProgramFolder& folder) {
    if (storage::isOnServer(folder)) return std::make_unique<ServerDatabaseSide>(folder);
    return std::make_unique<SqliteDatabaseSide>(folder);
}

SqliteDatabaseSide::SqliteDatabaseSide(ProgramFolder folder) : folder_(std::move(folder)) {}

QStringList SqliteDatabaseSide::tableFiles() { return sqliteTableFiles(folder_.dbDir()); }

bool SqliteDatabaseSide::closeDatabase(QString* error) {
    closeConnection();
    removeTemporaryTables(folder_.dbDir());
    for (const QString& f : tableFiles()) {
        QString why;
        if (!makeWhole(f, &why)) {
            if (error)
                *error = QStringLiteral("O banco de dados %1 não pôde ser fechado: %2")
                             .arg(QDir::toNativeSeparators(f), why.isEmpty() ? QStringLiteral("arquivo em uso") : why);
            return false;
        }
    }
    return true;
}

void SqliteDatabaseSide::closeConnection() {
    wasOpen_ = wasOpen_ || storage::isOpen();
    storage::close();
}

bool SqliteDatabaseSide::pack(const QString& file) {
    return withDatabase(file, [](QSqlDatabase& db) { return QSqlQuery(db).exec(QStringLiteral("VACUUM")); });
}

bool SqliteDatabaseSide::reopen(QString* error) {
    if (!wasOpen_) return true;
    wasOpen_ = false;
    return storage::open(folder_, error);
}

bool checkRestoredDatabase(const QString& mainName, const QList<RestoredFile>& staged, QList<RestoredFile>* ordered,
                           QString* error) {
    auto refuse = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    QList<RestoredFile>& files = *ordered;   // the database itself first
    files.clear();
    for (const RestoredFile& f : staged) {
        if (QFileInfo(f.path).fileName() == mainName) files.prepend(f);
        else files << f;
    }
    if (files.isEmpty() || QFileInfo(files.first().path).fileName() != mainName)
        return refuse(QStringLiteral("A cópia de segurança não contém o banco de dados %1.").arg(mainName));

    // A journal or log is never restored: the engine would apply it to the database beside it.
    for (const RestoredFile& f : files) {
        const QString name = QFileInfo(f.path).fileName();
        for (const char* suffix : {"-wal", "-shm", "-journal"})
            if (name.endsWith(QLatin1String(suffix), Qt::CaseInsensitive))
                return refuse(QStringLiteral("O arquivo %1 da cópia de segurança não é um banco de dados íntegro.").arg(name));
    }
    // Every header first: a stray journal or log among the files must never be
    // applied to a database while it is opened for its check.
    for (const RestoredFile& f : files)
        if (!storage::checkDatabaseFile(f.path, nullptr))
            return refuse(QStringLiteral("O arquivo %1 da cópia de segurança não é um banco de dados íntegro.")
                              .arg(QFileInfo(f.path).fileName()));
    for (qsizetype i = 0; i < files.size(); ++i) {
        const RestoredFile& f = files[i];
        const bool isMain = i == 0;
        QString why;
        const bool sound = withDatabase(f.path, [isMain](QSqlDatabase& db) {
            if (firstValue(db, QStringLiteral("PRAGMA quick_check")) != u"ok") return false;
            if (isMain && firstValue(db, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' "
                                                        "AND lower(name) = 'vexas'")) != u"1")
                return false;
            return firstValue(db, QStringLiteral("PRAGMA journal_mode = DELETE")).compare(u"delete", Qt::CaseInsensitive) == 0;
        }, &why);
        QFile::remove(f.path + QStringLiteral("-shm"));
        if (!sound || hasSidecar(f.path))
            return refuse(QStringLiteral("O arquivo %1 da cópia de segurança não é um banco de dados íntegro.")
                              .arg(QFileInfo(f.path).fileName()));
        if (f.fileTime.isValid()) {
            QFile file(f.path);
            if (file.open(QIODevice::ReadWrite)) file.setFileTime(f.fileTime, QFileDevice::FileModificationTime);
        }
    }
    return true;
}

void rebuildFolderIndexes(const ProgramFolder& folder, storage::RebuildProgress* progress, Prompter& prompter) {
    QString error;
    storage::DataModule::rebuildIndexes(folder, storage::DataModule::indexListFile(folder), progress, prompter, &error);
    if (!error.isEmpty()) reportUnhandledError(error);
}

bool SqliteDatabaseSide::replaceDatabase(const QList<RestoredFile>& staged, QString* error) {
    auto refuse = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    QList<RestoredFile> files;
    if (!checkRestoredDatabase(QFileInfo(folder_.dbFile()).fileName(), staged, &files, error)) return false;

    // What the replaced database left beside it (a log, a journal) must never
    // be applied to the restored file: it is moved aside with the staged
    // files first, and put back should the database stay as it was.
    const QDir dbDir(folder_.dbDir());
    const QDir staging = QFileInfo(files.first().path).absoluteDir();
    QList<std::pair<QString, QString>> movedAside;
    auto putBack = [&] {
        for (const auto& [from, to] : movedAside) renameOver(to, from);
    };
    for (const RestoredFile& f : files) {
        const QString target = dbDir.filePath(QFileInfo(f.path).fileName());
        for (const char* suffix : {"-wal", "-journal", "-shm"}) {
            const QString side = target + QLatin1String(suffix);
            if (!QFile::exists(side)) continue;
            const QString aside = staging.filePath(QFileInfo(side).fileName() + QStringLiteral(".anterior"));
            if (!renameOver(side, aside)) {
                putBack();
                return refuse(QStringLiteral("O banco de dados %1 está em uso e não pode ser substituído.")
                                  .arg(QDir::toNativeSeparators(target)));
            }
            movedAside.append({side, aside});
        }
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        const QString target = dbDir.filePath(QFileInfo(files[i].path).fileName());
        if (!renameOver(files[i].path, target)) {
            const QString why = QString::fromLocal8Bit(std::strerror(errno));
            if (i == 0) putBack();   // the database itself stays as it was
            return refuse(QStringLiteral("O arquivo %1 não pôde ser substituído: %2").arg(QDir::toNativeSeparators(target), why));
        }
    }
    return true;
}

void SqliteDatabaseSide::cleanAfterRestore() {
    removeTemporaryTables(folder_.dbDir());
    removeMatching(folder_.dbDir(), {QStringLiteral("*.PX"), QStringLiteral("*.Y??"), QStringLiteral("*.X??")},
                   folder_.dbFile());
}

void SqliteDatabaseSide::rebuildIndexes(storage::RebuildProgress* progress, Prompter& prompter) {
    rebuildFolderIndexes(folder_, progress, prompter);
}

} // namespace vexa::backup
