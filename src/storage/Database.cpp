#include "storage/Database.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace vexa::storage {

namespace {
ProgramFolder g_folder;

quint32 bigEndian32(const QByteArray& b, int at) {
    return (quint32(quint8(b[at])) << 24) | (quint32(quint8(b[at + 1])) << 16) |
           (quint32(quint8(b[at + 2])) << 8) | quint32(quint8(b[at + 3]));
}

void dropConnection(const QString& name) {
    if (!QSqlDatabase::contains(name)) return;
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen()) db.close();
    }
    QSqlDatabase::removeDatabase(name);
}
} // namespace

bool checkDatabaseFile(const QString& path, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    const QFileInfo info(path);
    if (!info.exists()) return fail(QStringLiteral("Banco de dados não encontrado: %1").arg(path));
    if (!info.isFile() || !info.isReadable())
        return fail(QStringLiteral("Banco de dados não pode ser lido: %1").arg(path));
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return fail(QStringLiteral("Banco de dados não pode ser lido: %1").arg(path));
    // The 100-byte header of an SQLite file begins with "SQLite format 3\0".
    const QByteArray head = f.read(100);
    if (head.size() < 100 || !head.startsWith(QByteArray("SQLite format 3\0", 16)))
        return fail(QStringLiteral("O arquivo %1 não é um banco de dados do VEXA Eletrônica.").arg(path));

    // The header tells how many pages the file holds (valid when the change
    // counter equals the version-valid-for number). A shorter file was cut off,
    // unless a write-ahead log beside it still holds the missing pages.
    const quint32 rawPage = (quint32(quint8(head[16])) << 8) | quint32(quint8(head[17]));
    const qint64 pageSize = rawPage == 1 ? 65536 : rawPage;
    const quint32 pages = bigEndian32(head, 28);
    const bool countValid = pages > 0 && bigEndian32(head, 24) == bigEndian32(head, 92);
    const QFileInfo wal(path + QStringLiteral("-wal"));
    const bool walHolds = wal.exists() && wal.size() > 0;
    if (pageSize < 512 || (countValid && !walHolds && info.size() < qint64(pages) * pageSize))
        return fail(QStringLiteral("O banco de dados %1 está danificado: o arquivo está incompleto.").arg(path));
    return true;
}

bool openConnection(const QString& path, const QString& connectionName, QString* error) {
    dropConnection(connectionName);
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!checkDatabaseFile(path, error)) return false;

    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName);
        // mode=rw: the engine opens the file for reading and writing and never
        // creates one, even if it disappeared since the check.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI"));
        db.setDatabaseName(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toString(QUrl::FullyEncoded) +
                           QStringLiteral("?mode=rw"));
        if (!db.open()) {
            const QString why = db.lastError().text();
            db = QSqlDatabase();
            dropConnection(connectionName);
            return fail(QStringLiteral("Não foi possível abrir o banco de dados %1: %2").arg(path, why));
        }
        QSqlQuery q(db);
        // A file with a valid header may still be damaged; reading the schema proves it.
        if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND lower(name) = 'vexas'")) ||
            !q.next()) {
            const QString why = q.lastError().text();
            q = QSqlQuery();
            db = QSqlDatabase();
            dropConnection(connectionName);
            return fail(QStringLiteral("O banco de dados %1 está danificado: %2").arg(path, why));
        }
        if (q.value(0).toInt() == 0) {
            q = QSqlQuery();
            db = QSqlDatabase();
            dropConnection(connectionName);
            return fail(QStringLiteral("O arquivo %1 não é um banco de dados do VEXA Eletrônica.").arg(path));
        }
        q.exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    }
    return true;
}

void closeConnection(const QString& connectionName) { dropConnection(connectionName); }

bool open(const ProgramFolder& folder, QString* error) {
    close();
    if (!openConnection(folder.dbFile(), kConnectionName, error)) return false;
    QSqlQuery q(db());
    q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    g_folder = folder;
    return true;
}

void close() { dropConnection(kConnectionName); }

bool isOpen() {
    return QSqlDatabase::contains(kConnectionName) && QSqlDatabase::database(kConnectionName, false).isOpen();
}

QSqlDatabase db() { return QSqlDatabase::database(kConnectionName, false); }

const ProgramFolder& currentFolder() { return g_folder; }

Transaction::Transaction() { started_ = db().transaction(); }

Transaction::~Transaction() {
    if (started_ && !done_) db().rollback();
}

bool Transaction::commit() {
    if (!started_ || done_) return false;
    done_ = true;
    return db().commit();
}

void Transaction::rollback() {
    if (started_ && !done_) db().rollback();
    done_ = true;
}

} // namespace vexa::storage
