#include "storage/Database.h"

#include "storage/Engine.h"
#include "storage/Portable.h"
#include "storage/ServerConnection.h"

#include <QElapsedTimer>
#include <QHash>
#include <memory>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

namespace vexa::storage {

namespace {
ProgramFolder g_folder;
// Units of writes in progress on "Vexa": while there is one, a lost
// connection is not replaced, so that no later statement of the unit can run
// on its own on a new connection.
int g_liveTransactions = 0;
std::function<void(const QString&)> g_notice;
// Units open per connection: what tells a unit whether it nests when the
// engine cannot say (a PostgreSQL connection busy with a streaming read).
QHash<QString, int> g_openUnits;
QHash<QString, std::shared_ptr<QSqlQuery>> g_kept;
QElapsedTimer g_lastReconnect;

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
        QString why;
        if (!registerSqliteFunctions(db, &why)) {
            q = QSqlQuery();
            db = QSqlDatabase();
            dropConnection(connectionName);
            return fail(QStringLiteral("Não foi possível abrir o banco de dados %1: %2").arg(path, why));
        }
    }
    return true;
}

void closeConnection(const QString& connectionName) { dropConnection(connectionName); }

bool isOnServer(const ProgramFolder& folder) { return hasConnectionFile(folder); }

QString describeDatabase(const ProgramFolder& folder) {
    if (!isOnServer(folder)) return folder.dbFile();
    ServerSettings s;
    QString why;
    if (!readConnectionFile(folder, &s, &why)) return connectionFilePath(folder);
    return QStringLiteral("PostgreSQL (%1)").arg(s.describe());
}

bool openFolderConnection(const ProgramFolder& folder, const QString& connectionName, QString* error) {
    if (!isOnServer(folder)) return openConnection(folder.dbFile(), connectionName, error);
    ServerSettings settings;
    if (!readConnectionFile(folder, &settings, error)) return false;
    return openServerConnection(settings, connectionName, true, error);
}

bool open(const ProgramFolder& folder, QString* error) {
    close();
    if (!openFolderConnection(folder, kConnectionName, error)) return false;
    if (engineOf(db()) == Engine::SQLite) {
        QSqlQuery q(db());
        q.exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        q.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    }
    g_folder = folder;
    g_liveTransactions = 0;
    return true;
}

void close() {
    dropKeptStatements();
    dropConnection(kConnectionName);
    g_liveTransactions = 0;
    g_openUnits.remove(kConnectionName);
}

bool isOpen() {
    return QSqlDatabase::contains(kConnectionName) && QSqlDatabase::database(kConnectionName, false).isOpen();
}

namespace {

// A server connection that was lost is opened again, at most every few
// seconds while the server does not answer; the user is told either way.
void reconnectIfLost() {
    if (g_liveTransactions > 0 || !QSqlDatabase::contains(kConnectionName)) return;
    QSqlDatabase d = QSqlDatabase::database(kConnectionName, false);
    if (!connectionLost(d)) return;
    if (g_lastReconnect.isValid() && g_lastReconnect.elapsed() < 3000) return;
    dropKeptStatements();
    d.close();
    QString message;
    if (d.open()) {
        g_lastReconnect.invalidate();
        QSqlQuery q(d);
        q.exec(QStringLiteral("SET client_min_messages = warning"));
        message = QStringLiteral("A conexão com o servidor do banco de dados foi perdida e foi restabelecida. O que "
                                 "estava gravado foi mantido; a operação que estava em andamento não foi gravada e "
                                 "deve ser repetida.");
    } else {
        g_lastReconnect.start();   // the server does not answer: not tried again at once
        message = QStringLiteral("A conexão com o servidor do banco de dados foi perdida e não pôde ser "
                                 "restabelecida: %1")
                      .arg(d.lastError().text().trimmed());
    }
    if (g_notice) g_notice(message);
}

} // namespace

QSqlDatabase db() {
    reconnectIfLost();
    return QSqlDatabase::database(kConnectionName, false);
}

bool connectionWasLost() { return connectionLost(QSqlDatabase::database(kConnectionName, false)); }

void setConnectionNotice(std::function<void(const QString& message)> notice) { g_notice = std::move(notice); }

const ProgramFolder& currentFolder() { return g_folder; }

QSqlQuery* keptStatement(const QString& statement, QString* error) {
    if (const auto it = g_kept.constFind(statement); it != g_kept.constEnd()) return it->get();
    if (g_kept.size() >= 128) g_kept.clear();
    auto q = std::make_shared<QSqlQuery>(db());
    q->setForwardOnly(true);
    if (!q->prepare(statement)) {
        if (error) *error = q->lastError().text();
        return nullptr;
    }
    g_kept.insert(statement, q);
    return q.get();
}

void dropKeptStatements() { g_kept.clear(); }

Transaction::Transaction() : Transaction(storage::db()) {}

Transaction::Transaction(QSqlDatabase d) : db_(d) {
    if (!db_.isOpen()) {
        error_ = QStringLiteral("O banco de dados não está aberto.");
        return;
    }
    bool known = true;
    const bool open = inTransaction(db_, &known);
    if (open || (!known && g_openUnits.value(db_.connectionName()) > 0)) {
        static int counter = 0;
        savepoint_ = QStringLiteral("vexa_unidade_%1").arg(++counter);
        QSqlQuery q(db_);
        started_ = q.exec(QStringLiteral("SAVEPOINT ") + savepoint_);
        if (!started_) error_ = q.lastError().text();
    } else {
        started_ = db_.transaction();
        if (!started_) error_ = db_.lastError().text();
    }
    if (started_) ++g_openUnits[db_.connectionName()];
    if (started_ && db_.connectionName() == kConnectionName) {
        ++g_liveTransactions;
        counted_ = true;
    }
}

Transaction::~Transaction() { rollback(); }

bool Transaction::commit() {
    if (!started_ || done_) return false;
    bool ok = false;
    if (nested()) {
        QSqlQuery q(db_);
        ok = q.exec(QStringLiteral("RELEASE SAVEPOINT ") + savepoint_);
        if (!ok) {
            error_ = q.lastError().text();
            rollback();
            return false;
        }
    } else if (transactionFailed(db_)) {
        // A statement of the unit was refused: the engine keeps nothing of it.
        error_ = QStringLiteral("A transação foi desfeita porque um comando falhou.");
        rollback();
        return false;
    } else {
        ok = db_.commit();
        if (!ok) {
            error_ = db_.lastError().text();
            if (connectionLost(db_)) error_ = connectionLostMessage();
            rollback();
            return false;
        }
    }
    done_ = true;
    --g_openUnits[db_.connectionName()];
    if (counted_) --g_liveTransactions;
    counted_ = false;
    return true;
}

void Transaction::rollback() {
    if (!started_ || done_) return;
    done_ = true;
    if (nested()) {
        QSqlQuery q(db_);
        q.exec(QStringLiteral("ROLLBACK TO SAVEPOINT ") + savepoint_);
        q.exec(QStringLiteral("RELEASE SAVEPOINT ") + savepoint_);
    } else {
        db_.rollback();
    }
    --g_openUnits[db_.connectionName()];
    if (counted_) --g_liveTransactions;
    counted_ = false;
}

} // namespace vexa::storage
