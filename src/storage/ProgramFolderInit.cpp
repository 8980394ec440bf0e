#include "storage/ProgramFolderInit.h"

#include "storage/Database.h"
#include "storage/ReferenceData.h"
#include "storage/Schema.h"

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

// Builds the whole database in the file at path: tables, keys, indexes,
// reference rows and the layout version, in one transaction.
bool buildDatabase(const QString& path, const QString& referenceDir, QString* error) {
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kInitConnection);
        db.setDatabaseName(path);
        if (!db.open()) {
            *error = QStringLiteral("Não foi possível criar o banco de dados %1: %2").arg(path, db.lastError().text());
        } else if (!db.transaction()) {
            *error = db.lastError().text();
        } else {
            QString why;
            if (!schema::createAll(db, &why)) {
                *error = QStringLiteral("Não foi possível criar as tabelas: %1").arg(why);
            } else if (!loadReferenceFolder(db, referenceDir, &why)) {
                *error = why;
            } else {
                QSqlQuery q(db);
                q.prepare(QStringLiteral("INSERT INTO Controle (Versao) VALUES (?)"));
                q.addBindValue(kLayoutVersion);
                if (!q.exec()) *error = q.lastError().text();
                else ok = true;
            }
            if (ok && !db.commit()) {
                *error = db.lastError().text();
                ok = false;
            }
            if (!ok) db.rollback();
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
    // The temporary file was private to its owner; the database reads like any other file.
    QFile::setPermissions(dbFile, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser |
                                      QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (message) *message = QStringLiteral("Pasta do programa preparada: %1").arg(folder.root());
    return InitOutcome::Done;
}

bool initProgramFolder(const ProgramFolder& folder, const QString& deliveredDir, bool force, QString* error) {
    QString message;
    const bool done = layOutProgramFolder(folder, deliveredDir, force, &message) == InitOutcome::Done;
    if (!done && error) *error = message;
    return done;
}

} // namespace vexa::storage
