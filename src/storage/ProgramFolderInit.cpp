#include "storage/ProgramFolderInit.h"

#include "storage/Database.h"
#include "storage/Engine.h"
#include "storage/ReferenceData.h"
#include "storage/Schema.h"
#include "storage/ServerConnection.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace vexa::storage {

namespace {

const QString kInitConnection = QStringLiteral("VexaInit");

std::filesystem::path fsPath(const QString& path) { return std::filesystem::path(QFile::encodeName(path).toStdString()); }

} // namespace

bool populateNewDatabase(QSqlDatabase db, const QString& referenceDir, QString* error) {
    QString why;
    if (!schema::createAll(db, &why)) {
        *error = QStringLiteral("Não foi possível criar as tabelas: %1").arg(why);
        return false;
    }
    if (!loadReferenceFolder(db, referenceDir, &why)) {
        *error = why;
        return false;
    }
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO Controle (Versao) VALUES (?)"));
    q.addBindValue(kLayoutVersion);
    if (!q.exec()) {
        *error = q.lastError().text();
        return false;
    }
    return true;
}

namespace {

// Builds the whole database in the file at path: tables, keys, indexes,
// reference rows and the layout version, in one transaction.
bool buildDatabase(const QString& path, const QString& referenceDir, QString* error) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kInitConnection);
        db.setDatabaseName(path);
        if (!db.open()) {
            *error = QStringLiteral("Não foi possível criar o banco de dados %1: %2").arg(path, db.lastError().text());
        } else {
            Transaction transaction(db);
            if (!transaction.started()) *error = transaction.error();
            else if (populateNewDatabase(db, referenceDir, error)) {
                ok = transaction.commit();
                if (!ok) *error = transaction.error();
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(kInitConnection);
    return ok;
}

// Copies the delivered files beside the program, each through a temporary
// file so that none is left half-written.
bool copyDeliveredFiles(const QString& from, const QString& to, QString* error) {
    if (!QFileInfo(from).isDir()) return true;
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString rel = QDir(from).relativeFilePath(src);
        const QString dst = QDir(to).filePath(rel);
        QDir().mkpath(QFileInfo(dst).absolutePath());
        const QString part = dst + QStringLiteral(".part");
        QFile::remove(part);
        if (!QFile::copy(src, part)) {
            *error = QStringLiteral("Não foi possível copiar %1 para %2").arg(src, dst);
            return false;
        }
        QFile::setPermissions(part, QFile::permissions(part) | QFileDevice::WriteOwner);
        std::error_code ec;
        std::filesystem::rename(fsPath(part), fsPath(dst), ec);
        if (ec) {
            QFile::remove(part);
            *error = QStringLiteral("Não foi possível gravar %1: %2").arg(dst, QString::fromStdString(ec.message()));
            return false;
        }
    }
    return true;
}

} // namespace

InitOutcome layOutProgramFolder(const ProgramFolder& folder, const QString& deliveredDir, bool force,
                                QString* message) {
    QString why;
    auto failed = [&](const QString& text) {
        if (message) *message = text;
        return InitOutcome::Failed;
    };
    if (!folder.isValid()) return failed(QStringLiteral("Pasta do programa não informada."));

    const QString dbFile = folder.dbFile();
    if (QFileInfo::exists(dbFile) && !force) {
        if (message)
            *message = QStringLiteral("Já existe um banco de dados em %1; use --force para substituí-lo.").arg(dbFile);
        return InitOutcome::Refused;
    }
    if (hasConnectionFile(folder) && !force) {
        if (message)
            *message = QStringLiteral("A pasta usa o banco de dados do servidor indicado em %1; use --force para "
                                      "voltar a um banco de dados próprio da pasta.")
                           .arg(connectionFilePath(folder));
        return InitOutcome::Refused;
    }
    const QString referenceDir = QDir(deliveredDir).filePath(QStringLiteral("reference"));
    if (!QFileInfo(referenceDir).isDir())
        return failed(QStringLiteral("Dados de referência não encontrados em %1").arg(referenceDir));

    if (!QDir().mkpath(folder.dbDir()))
        return failed(QStringLiteral("Não foi possível criar a pasta %1").arg(folder.dbDir()));

    // The new database is built under a temporary name in DB/.
    QString tempPath;
    {
        QTemporaryFile temp(folder.dbDir() + QStringLiteral("vexa-novo-XXXXXX.tmp"));
        temp.setAutoRemove(false);
        if (!temp.open()) return failed(QStringLiteral("Não foi possível criar um arquivo em %1").arg(folder.dbDir()));
        tempPath = temp.fileName();
    }
    auto discard = [&] {
        QFile::remove(tempPath);
        QFile::remove(tempPath + QStringLiteral("-journal"));
    };
    if (!buildDatabase(tempPath, referenceDir, &why)) {
        discard();
        return failed(why);
    }
    if (!copyDeliveredFiles(QDir(deliveredDir).filePath(QStringLiteral("program")), folder.root(), &why)) {
        discard();
        return failed(why);
    }

    // The database being replaced must be closed, and its write-ahead log must
    // not be applied to the new file.
    if (isOpen() && currentFolder().root() == folder.root()) close();
    for (const char* suffix : {"-wal", "-shm", "-journal"}) QFile::remove(dbFile + QString::fromLatin1(suffix));
    std::error_code ec;
    std::filesystem::rename(fsPath(tempPath), fsPath(dbFile), ec);
    if (ec) {
        discard();
        return failed(QStringLiteral("Não foi possível gravar %1: %2").arg(dbFile, QString::fromStdString(ec.message())));
    }
    // The folder's own database from now on: the connection file goes.
    QFile::remove(connectionFilePath(folder));
    // The temporary file was private to its owner; the database reads like any other file.
    QFile::setPermissions(dbFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                                      QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (message) *message = QStringLiteral("Pasta do programa preparada: %1").arg(folder.root());
    return InitOutcome::Done;
}

namespace {

const QString kServerInitConnection = QStringLiteral("VexaInitServidor");

// The program's tables already on the server database.
QStringList programTablesOn(QSqlDatabase db) {
    QStringList found;
    for (const schema::Table& t : schema::tables())
        if (!realTableName(db, t.name).isEmpty()) found << t.name;
    return found;
}

bool dropProgramTables(QSqlDatabase db, QString* error) {
    QSqlQuery q(db);
    for (const schema::Table& t : schema::tables()) {
        if (realTableName(db, t.name).isEmpty()) continue;
        if (!q.exec(QStringLiteral("DROP TABLE %1").arg(identifier(Engine::PostgreSQL, t.name)))) {
            *error = q.lastError().text();
            return false;
        }
    }
    if (!q.exec(QStringLiteral("DROP FUNCTION IF EXISTS nome_ordem(text)"))) {
        *error = q.lastError().text();
        return false;
    }
    return true;
}

} // namespace

namespace {

InitOutcome buildOnServer(const ServerSettings& settings, const QString& referenceDir, const QString& deliveredDir,
                          const ProgramFolder& folder, bool force, QString* message) {
    auto finish = [&](InitOutcome outcome, const QString& text) {
        *message = text;
        return outcome;
    };
    QString why;
    QSqlDatabase db = QSqlDatabase::database(kServerInitConnection, false);
    {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("SHOW server_encoding")) && q.next() &&
            q.value(0).toString().compare(QLatin1String("UTF8"), Qt::CaseInsensitive) != 0)
            return finish(InitOutcome::Refused,
                          QStringLiteral("O banco de dados %1 usa a codificação %2; o VEXA Eletrônica precisa de um "
                                         "banco em UTF8 (CREATE DATABASE ... ENCODING 'UTF8').")
                              .arg(settings.database, q.value(0).toString()));
    }
    const QStringList existing = programTablesOn(db);
    if (!existing.isEmpty() && !force)
        return finish(InitOutcome::Refused,
                      QStringLiteral("O banco de dados %1 do servidor já tem as tabelas do VEXA Eletrônica (%2); use "
                                     "--force para apagá-las e criá-las de novo.")
                          .arg(settings.database, existing.mid(0, 3).join(QStringLiteral(", ")) +
                                                      (existing.size() > 3 ? QStringLiteral(", ...") : QString())));

    // Everything on the server in one transaction: an init cut short leaves the database as it was.
    {
        Transaction transaction(db);
        if (!transaction.started()) return finish(InitOutcome::Failed, transaction.error());
        if (!existing.isEmpty() && !dropProgramTables(db, &why)) return finish(InitOutcome::Failed, why);
        if (!populateNewDatabase(db, referenceDir, &why)) return finish(InitOutcome::Failed, why);
        if (!copyDeliveredFiles(QDir(deliveredDir).filePath(QStringLiteral("program")), folder.root(), &why))
            return finish(InitOutcome::Failed, why);
        if (!transaction.commit()) return finish(InitOutcome::Failed, transaction.error());
    }
    return InitOutcome::Done;
}

} // namespace

InitOutcome layOutServerFolder(const ProgramFolder& folder, const QString& deliveredDir, const QString& connection,
                               bool force, QString* message) {
    auto finish = [&](InitOutcome outcome, const QString& text) {
        if (message) *message = text;
        closeConnection(kServerInitConnection);
        return outcome;
    };
    if (!folder.isValid()) return finish(InitOutcome::Failed, QStringLiteral("Pasta do programa não informada."));
    ServerSettings settings;
    QString why;
    if (!parseConnectionText(connection, &settings, &why)) return finish(InitOutcome::Refused, why);

    if (!force && hasConnectionFile(folder))
        return finish(InitOutcome::Refused,
                      QStringLiteral("A pasta já usa o banco de dados do servidor indicado em %1; use --force para "
                                     "substituí-lo.")
                          .arg(connectionFilePath(folder)));
    if (!force && QFileInfo::exists(folder.dbFile()))
        return finish(InitOutcome::Refused,
                      QStringLiteral("A pasta já tem um banco de dados em %1: use move-to-postgres para levar os "
                                     "seus dados ao servidor, ou --force para começar com o banco do servidor vazio.")
                          .arg(folder.dbFile()));
    const QString referenceDir = QDir(deliveredDir).filePath(QStringLiteral("reference"));
    if (!QFileInfo(referenceDir).isDir())
        return finish(InitOutcome::Failed, QStringLiteral("Dados de referência não encontrados em %1").arg(referenceDir));

    if (!openServerConnection(settings, kServerInitConnection, false, &why)) return finish(InitOutcome::Failed, why);
    const InitOutcome built = buildOnServer(settings, referenceDir, deliveredDir, folder, force, &why);
    closeConnection(kServerInitConnection);
    if (built != InitOutcome::Done) return finish(built, why);
    if (isOpen() && currentFolder().root() == folder.root()) close();
    if (!writeConnectionFile(folder, settings, &why))
        return finish(InitOutcome::Failed,
                      why + QStringLiteral(" As tabelas foram criadas no servidor; repita o comando com --force."));
    return finish(InitOutcome::Done, QStringLiteral("Pasta do programa preparada: %1 (banco de dados PostgreSQL: %2)")
                                         .arg(folder.root(), settings.describe()));
}


bool initProgramFolder(const ProgramFolder& folder, const QString& deliveredDir, bool force, QString* error) {
    QString message;
    const bool done = layOutProgramFolder(folder, deliveredDir, force, &message) == InitOutcome::Done;
    if (!done && error) *error = message;
    return done;
}

} // namespace vexa::storage
