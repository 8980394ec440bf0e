#include "storage/DatabaseCopy.h"

#include "storage/Database.h"
#include "storage/Engine.h"
#include "storage/LayoutUpgrade.h"
#include "storage/Schema.h"
#include "storage/ServerConnection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryFile>

#include <filesystem>
#include <system_error>

namespace vexa::storage {

namespace {
InitOutcome copyToServer(const ServerSettings& settings, const CopyProgress& progress, QString* message);
}

namespace {

const QString kSnapshotReader = QStringLiteral("VexaCopiaLeitura");
const QString kSource = QStringLiteral("VexaCopiaOrigem");
const QString kTarget = QStringLiteral("VexaCopiaDestino");

std::filesystem::path fsPath(const QString& p) { return std::filesystem::path(QFile::encodeName(p).toStdString()); }

// One table to copy: the schema's columns as the source spells them.
struct TablePlan {
    const schema::Table* table = nullptr;
    QString source;                     // the table's name in the source
    QList<const schema::Column*> columns;
    QStringList sourceColumns;
};

bool canonical(schema::Type type, const QVariant& v, QVariant* out) { return schema::canonicalValue(type, v, out); }

bool planTables(QSqlDatabase from, QList<TablePlan>* plans, QString* error) {
    for (const schema::Table& t : schema::tables()) {
        TablePlan p;
        p.table = &t;
        p.source = realTableName(from, t.name);
        if (p.source.isEmpty()) {
            *error = QStringLiteral("o banco de dados de origem não tem a tabela %1").arg(t.name);
            return false;
        }
        QStringList present;
        if (!schema::columnNames(from, p.source, &present, error)) return false;
        QList<schema::Column> columns = t.columns;
        if (t.rowNumber) columns << schema::Column{QStringLiteral("Seq"), schema::Type::Integer, 0, {}};
        for (const schema::Column& c : columns) {
            const auto it = std::find_if(present.cbegin(), present.cend(),
                                         [&](const QString& n) { return n.compare(c.name, Qt::CaseInsensitive) == 0; });
            if (it == present.cend()) {
                *error = QStringLiteral("o banco de dados de origem não tem a coluna %1.%2").arg(t.name, c.name);
                return false;
            }
            const schema::Column* known = schema::findColumn(t, c.name);
            p.columns << (known ? known : nullptr);
            p.sourceColumns << *it;
        }
        plans->append(p);
    }
    return true;
}

qint64 countRows(QSqlDatabase from, const QList<TablePlan>& plans) {
    qint64 total = 0;
    for (const TablePlan& p : plans) {
        QSqlQuery q(from);
        if (q.exec(QStringLiteral("SELECT count(*) FROM %1").arg(identifier(engineOf(from), p.source))) && q.next())
            total += q.value(0).toLongLong();
    }
    return total;
}

QString insertStatement(Engine engine, const TablePlan& p, int rows) {
    QStringList names;
    for (int i = 0; i < p.columns.size(); ++i)
        names << identifier(engine, p.columns[i] ? p.columns[i]->name : QStringLiteral("Seq"));
    const QString one = QLatin1Char('(') + QStringList(names.size(), QStringLiteral("?")).join(QLatin1Char(',')) +
                        QLatin1Char(')');
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(identifier(engine, p.table->name), names.join(QLatin1Char(',')),
             QStringList(rows, one).join(QLatin1Char(',')));
}

bool copyTable(QSqlDatabase from, QSqlDatabase to, const TablePlan& p, qint64& done, qint64 total,
               const CopyProgress& progress, QString* error) {
    const Engine target = engineOf(to);
    QStringList select;
    for (const QString& c : p.sourceColumns) select << identifier(engineOf(from), c);
    QSqlQuery read(from);
    read.setForwardOnly(true);
    if (!read.exec(QStringLiteral("SELECT %1 FROM %2").arg(select.join(QLatin1Char(',')), identifier(engineOf(from), p.source)))) {
        *error = QStringLiteral("tabela %1: %2").arg(p.table->name, read.lastError().text());
        return false;
    }
    const int perRow = int(p.columns.size());
    const int batch = std::max(1, std::min(200, 900 / perRow));
    QSqlQuery full(to);
    if (!full.prepare(insertStatement(target, p, batch))) {
        *error = QStringLiteral("tabela %1: %2").arg(p.table->name, full.lastError().text());
        return false;
    }
    QVariantList pending;
    int rows = 0;
    auto flush = [&](QSqlQuery& q) {
        for (int i = 0; i < pending.size(); ++i) q.bindValue(i, pending[i]);
        if (!q.exec()) {
            *error = QStringLiteral("tabela %1: %2").arg(p.table->name, q.lastError().text());
            return false;
        }
        done += rows;
        if (progress) progress(done, total);
        pending.clear();
        rows = 0;
        return true;
    };
    while (read.next()) {
        for (int i = 0; i < perRow; ++i) {
            const schema::Type type = p.columns[i] ? p.columns[i]->type : schema::Type::Integer;
            QVariant value;
            if (!canonical(type, read.value(i), &value)) {
                *error = QStringLiteral("tabela %1, coluna %2: o valor \"%3\" não é um número")
                             .arg(p.table->name, p.sourceColumns[i], read.value(i).toString().left(40));
                return false;
            }
            pending << value;
        }
        if (++rows == batch && !flush(full)) return false;
    }
    if (read.lastError().isValid()) {
        *error = QStringLiteral("tabela %1: %2").arg(p.table->name, read.lastError().text());
        return false;
    }
    if (rows > 0) {
        QSqlQuery tail(to);
        if (!tail.prepare(insertStatement(target, p, rows))) {
            *error = QStringLiteral("tabela %1: %2").arg(p.table->name, tail.lastError().text());
            return false;
        }
        if (!flush(tail)) return false;
    }
    return !p.table->rowNumber || resetRowNumbers(to, p.table->name, error);
}

// A consistent copy of an SQLite database file (with what its write-ahead log
// holds) at copyPath, the file itself only read.
bool snapshotSqliteFile(const QString& path, const QString& copyPath, QString* error) {
    if (!checkDatabaseFile(path, error)) return false;
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kSnapshotReader);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        db.setDatabaseName(path);
        if (!db.open()) {
            *error = QStringLiteral("Não foi possível abrir o banco de dados %1: %2").arg(path, db.lastError().text());
        } else {
            QSqlQuery q(db);
            q.prepare(QStringLiteral("VACUUM INTO ?"));
            q.addBindValue(copyPath);
            ok = q.exec();
            if (!ok)
                *error = QStringLiteral("Não foi possível ler o banco de dados %1: %2").arg(path, q.lastError().text());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(kSnapshotReader);
    return ok;
}

// The copy of an SQLite file brought up to the current layout, as the start-up
// would (columns, rebuilt rate tables, fills, the layout version and the
// reference rows that must exist); opened as kSource.
bool openUpgradedCopy(const QString& path, const QString& copyPath, QString* error) {
    QFile::remove(copyPath);
    if (!snapshotSqliteFile(path, copyPath, error)) return false;
    if (!openConnection(copyPath, kSource, error)) return false;
    bool ok = false;
    QString why;
    {
        // The upgrade holds the connection: it goes before the connection is closed.
        LayoutUpgrade upgrade(QSqlDatabase::database(kSource, false));
        bool hasVersion = false;
        ok = upgrade.upgradeColumnsAndTables() && upgrade.addRowVersion() && upgrade.hasLayoutVersion(&hasVersion) &&
             (hasVersion || upgrade.writeLayoutVersion()) && upgrade.ensureItem15Activity() &&
             upgrade.ensureRateComplementRevenue();
        if (!ok) why = upgrade.error();
    }
    if (!ok) {
        *error = QStringLiteral("Não foi possível atualizar a cópia do banco de dados %1: %2").arg(path, why);
        closeConnection(kSource);
        return false;
    }
    return true;
}

QString temporaryPath(const QString& dir, const QString& pattern) {
    QDir().mkpath(dir);
    QTemporaryFile f(QDir(dir).filePath(pattern));
    f.setAutoRemove(false);
    if (!f.open()) return {};
    const QString name = f.fileName();
    f.close();
    QFile::remove(name);
    return name;
}

void removeSqliteFile(const QString& path) {
    for (const char* suffix : {"", "-wal", "-shm", "-journal"}) QFile::remove(path + QString::fromLatin1(suffix));
}

bool deleteAllRows(QSqlDatabase db, QString* error) {
    QSqlQuery q(db);
    for (const schema::Table& t : schema::tables()) {
        if (!q.exec(QStringLiteral("DELETE FROM %1").arg(identifier(engineOf(db), t.name)))) {
            *error = QStringLiteral("tabela %1: %2").arg(t.name, q.lastError().text());
            return false;
        }
    }
    return true;
}

// The server's tables made and the copy's rows written, in one transaction.
InitOutcome copyToServer(const ServerSettings& settings, const CopyProgress& progress, QString* message) {
    auto finish = [&](InitOutcome outcome, const QString& text) {
        *message = text;
        return outcome;
    };
    QString why;
    QSqlDatabase target = QSqlDatabase::database(kTarget, false);
    for (const schema::Table& t : schema::tables())
        if (!realTableName(target, t.name).isEmpty())
            return finish(InitOutcome::Refused,
                          QStringLiteral("O banco de dados %1 do servidor já tem as tabelas do VEXA Eletrônica: os "
                                         "dados só podem ser levados para um banco de dados vazio.")
                              .arg(settings.database));
    {
        QSqlQuery q(target);
        if (q.exec(QStringLiteral("SHOW server_encoding")) && q.next() &&
            q.value(0).toString().compare(QLatin1String("UTF8"), Qt::CaseInsensitive) != 0)
            return finish(InitOutcome::Refused,
                          QStringLiteral("O banco de dados %1 usa a codificação %2; o VEXA Eletrônica precisa de um "
                                         "banco em UTF8.")
                              .arg(settings.database, q.value(0).toString()));
    }
    {
        Transaction transaction(target);
        if (!transaction.started()) return finish(InitOutcome::Failed, transaction.error());
        if (!schema::createAll(target, &why))
            return finish(InitOutcome::Failed, QStringLiteral("Não foi possível criar as tabelas: %1").arg(why));
        if (!copyTables(QSqlDatabase::database(kSource, false), target, progress, &why))
            return finish(InitOutcome::Failed, QStringLiteral("Os dados não foram levados ao servidor: %1").arg(why));
        if (!transaction.commit())
            return finish(InitOutcome::Failed,
                          QStringLiteral("Os dados não foram levados ao servidor: %1").arg(transaction.error()));
    }
    return InitOutcome::Done;
}

} // namespace

bool copyTables(QSqlDatabase from, QSqlDatabase to, const CopyProgress& progress, QString* error) {
    QList<TablePlan> plans;
    QString why;
    if (!planTables(from, &plans, &why)) {
        *error = why;
        return false;
    }
    ReadSnapshot snapshot(from);
    const qint64 total = countRows(from, plans);
    qint64 done = 0;
    if (progress) progress(0, total);
    for (const TablePlan& p : plans)
        if (!copyTable(from, to, p, done, total, progress, error)) return false;
    return true;
}

InitOutcome moveFolderToServer(const ProgramFolder& folder, const QString& connection, const CopyProgress& progress,
                               QString* message) {
    QString copyPath;
    auto finish = [&](InitOutcome outcome, const QString& text) {
        closeConnection(kSource);
        closeConnection(kTarget);
        if (!copyPath.isEmpty()) removeSqliteFile(copyPath);
        if (message) *message = text;
        return outcome;
    };
    if (!folder.isValid()) return finish(InitOutcome::Failed, QStringLiteral("Pasta do programa não informada."));
    if (hasConnectionFile(folder))
        return finish(InitOutcome::Refused, QStringLiteral("A pasta já usa o banco de dados do servidor indicado em %1.")
                                                .arg(connectionFilePath(folder)));
    if (!QFileInfo::exists(folder.dbFile()))
        return finish(InitOutcome::Refused,
                      QStringLiteral("A pasta não tem banco de dados a levar ao servidor: %1 não existe.").arg(folder.dbFile()));
    ServerSettings settings;
    QString why;
    if (!parseConnectionText(connection, &settings, &why)) return finish(InitOutcome::Refused, why);

    // The folder's database, read through an up-to-date copy in DB/.
    copyPath = temporaryPath(folder.dbDir(), QStringLiteral("vexa-copia-XXXXXX.tmp"));
    if (copyPath.isEmpty())
        return finish(InitOutcome::Failed, QStringLiteral("Não foi possível criar um arquivo em %1").arg(folder.dbDir()));
    if (!openUpgradedCopy(folder.dbFile(), copyPath, &why)) return finish(InitOutcome::Failed, why);

    if (!openServerConnection(settings, kTarget, false, &why)) return finish(InitOutcome::Failed, why);
    const InitOutcome copied = copyToServer(settings, progress, &why);
    closeConnection(kTarget);
    closeConnection(kSource);
    if (copied != InitOutcome::Done) return finish(copied, why);
    if (isOpen() && currentFolder().root() == folder.root()) close();
    if (!writeConnectionFile(folder, settings, &why))
        return finish(InitOutcome::Failed, why + QStringLiteral(" Os dados foram copiados para o servidor, mas a pasta "
                                                                "continua usando %1.")
                                                     .arg(folder.dbFile()));
    return finish(InitOutcome::Done,
                  QStringLiteral("Os dados de %1 foram levados ao banco de dados PostgreSQL (%2). A pasta passa a usar "
                                 "o servidor; %1 foi mantido como estava.")
                      .arg(folder.dbFile(), settings.describe()));
}

bool writeSqliteCopy(const QString& path, const CopyProgress& progress, QString* error) {
    const QString dir = QFileInfo(path).absolutePath();
    const QString part = temporaryPath(dir, QFileInfo(path).fileName() + QStringLiteral("-XXXXXX.part"));
    auto fail = [&](const QString& why) {
        closeConnection(kTarget);
        if (!part.isEmpty()) removeSqliteFile(part);
        if (error) *error = why;
        return false;
    };
    if (part.isEmpty()) return fail(QStringLiteral("Não foi possível criar um arquivo em %1").arg(dir));
    QString why;
    {
        QSqlDatabase target = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kTarget);
        target.setDatabaseName(part);
        if (!target.open())
            return fail(QStringLiteral("Não foi possível criar o banco de dados %1: %2").arg(part, target.lastError().text()));
        Transaction transaction(target);
        if (!transaction.started()) return fail(transaction.error());
        if (!schema::createAll(target, &why)) return fail(QStringLiteral("Não foi possível criar as tabelas: %1").arg(why));
        if (!copyTables(db(), target, progress, &why)) return fail(QStringLiteral("A cópia não foi gravada: %1").arg(why));
        if (!transaction.commit()) return fail(transaction.error());
    }
    closeConnection(kTarget);
    std::error_code ec;
    std::filesystem::rename(fsPath(part), fsPath(path), ec);
    if (ec) return fail(QStringLiteral("Não foi possível gravar %1: %2").arg(path, QString::fromStdString(ec.message())));
    return true;
}

bool replaceFromSqlite(const QString& path, const CopyProgress& progress, QString* error) {
    const QString dir = currentFolder().isValid() ? currentFolder().dbDir() : QFileInfo(path).absolutePath();
    const QString copyPath = temporaryPath(dir, QStringLiteral("vexa-restaura-XXXXXX.tmp"));
    auto finish = [&](bool ok, const QString& why) {
        closeConnection(kSource);
        if (!copyPath.isEmpty()) removeSqliteFile(copyPath);
        if (!ok && error) *error = why;
        return ok;
    };
    if (copyPath.isEmpty()) return finish(false, QStringLiteral("Não foi possível criar um arquivo em %1").arg(dir));
    if (!isOpen()) return finish(false, QStringLiteral("O banco de dados não está aberto."));
    QString why;
    if (!openUpgradedCopy(path, copyPath, &why)) return finish(false, why);
    Transaction transaction;
    if (!transaction.started()) return finish(false, transaction.error());
    if (!deleteAllRows(db(), &why) || !copyTables(QSqlDatabase::database(kSource, false), db(), progress, &why))
        return finish(false, QStringLiteral("Os dados não foram restaurados: %1").arg(why));
    if (!transaction.commit()) return finish(false, transaction.error());
    return finish(true, {});
}

} // namespace vexa::storage
