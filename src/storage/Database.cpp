#include "storage/Database.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace vexa::storage {

namespace {
ProgramFolder g_folder;

// SQLite files begin with this 16-byte header; anything else is not a database.
bool looksLikeSqlite(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return false;
    const QByteArray head = f.read(16);
    return head == QByteArray("SQLite format 3\0", 16);
}
} // namespace

bool open(const ProgramFolder& folder, QString* error) {
    close();
    const QString path = folder.dbFile();
    const QFileInfo info(path);
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!info.exists())
        return fail(QStringLiteral("Banco de dados não encontrado: %1").arg(path));
    if (!info.isFile() || !info.isReadable())
        return fail(QStringLiteral("Banco de dados não pode ser lido: %1").arg(path));
    if (!looksLikeSqlite(path))
        return fail(QStringLiteral("O arquivo %1 não é um banco de dados do VEXA Eletrônica.").arg(path));

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kConnectionName);
    db.setDatabaseName(path);
    if (!db.open()) {
        const QString why = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(kConnectionName);
        return fail(QStringLiteral("Não foi possível abrir o banco de dados %1: %2").arg(path, why));
    }
    QSqlQuery q(db);
    // A file with a valid header may still be damaged; reading the schema proves it.
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"))) {
        const QString why = q.lastError().text();
        q = QSqlQuery();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(kConnectionName);
        return fail(QStringLiteral("O banco de dados %1 está danificado: %2").arg(path, why));
    }
    q.exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
    q.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    g_folder = folder;
    return true;
}

void close() {
    if (QSqlDatabase::contains(kConnectionName)) {
        {
            QSqlDatabase db = QSqlDatabase::database(kConnectionName, false);
            if (db.isOpen()) db.close();
        }
        QSqlDatabase::removeDatabase(kConnectionName);
    }
}

bool isOpen() {
    return QSqlDatabase::contains(kConnectionName) &&
           QSqlDatabase::database(kConnectionName, false).isOpen();
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
