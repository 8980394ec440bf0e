#include "support/TestServer.h"

#include "storage/Database.h"
#include "storage/Engine.h"
#include "storage/Portable.h"
#include "storage/ProgramFolderInit.h"
#include "storage/Schema.h"
#include "support/TempProgramFolder.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <stdexcept>

namespace vexa::test {

namespace {

const QString kCluster = QStringLiteral("VexaTestCluster");

[[noreturn]] void failTest(const QString& what) { throw std::runtime_error(what.toStdString()); }

QSqlDatabase cluster() {
    if (!QSqlDatabase::contains(kCluster)) {
        QString error;
        if (!storage::openServerConnection(clusterSettings(), kCluster, false, &error))
            failTest(QStringLiteral("the test cluster of VEXA_TEST_PG does not answer: ") + error);
    }
    return QSqlDatabase::database(kCluster, false);
}

QString connectionText(const storage::ServerSettings& s) {
    QStringList parts;
    auto add = [&](const char* key, const QString& value) {
        if (value.isEmpty()) return;
        QString v = value;
        v.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('\''), QLatin1String("\\'"));
        parts << QString::fromLatin1(key) + QStringLiteral("='") + v + QLatin1Char('\'');
    };
    add("host", s.host);
    add("port", s.port);
    add("user", s.user);
    add("dbname", s.database);
    for (auto it = s.options.constBegin(); it != s.options.constEnd(); ++it) parts << it.key() + QLatin1Char('=') + it.value();
    return parts.join(QLatin1Char(' '));
}

void copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = QDir(to).filePath(QDir(from).relativeFilePath(src));
        if (it.fileInfo().isDir()) QDir().mkpath(dst);
        else if (!QFile::copy(src, dst)) failTest(QStringLiteral("cannot copy ") + src);
    }
}

// The template's name follows what a new database holds: the tables, the
// name order and the delivered reference rows. A change of any gives a new template.
QString templateName() {
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (const storage::schema::Table& t : storage::schema::tables()) {
        hash.addData(storage::schema::createTableStatement(t, storage::Engine::PostgreSQL).toUtf8());
        for (const storage::schema::Index& i : t.indexes)
            hash.addData(storage::schema::createIndexStatement(t.name, i, storage::Engine::PostgreSQL).toUtf8());
    }
    hash.addData(storage::postgresNameOrderFunction().toUtf8());
    hash.addData(storage::kLayoutVersion.toUtf8());
    const QDir reference(QDir(TempProgramFolder::deliveredDir()).filePath(QStringLiteral("reference")));
    for (const QString& f : reference.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name)) {
        QFile file(reference.filePath(f));
        if (file.open(QIODevice::ReadOnly)) hash.addData(f.toUtf8() + file.readAll());
    }
    return QStringLiteral("vexa_modelo_") + QString::fromLatin1(hash.result().toHex().left(16));
}

bool databaseExists(const QString& name) {
    QSqlQuery q(cluster());
    q.prepare(QStringLiteral("SELECT count(*) FROM pg_database WHERE datname = CAST(? AS text)"));
    q.addBindValue(name);
    return q.exec() && q.next() && q.value(0).toInt() > 0;
}

// The template of the delivered tables, made once on the cluster by whichever
// test process needs it first (the others wait for it).
const QString& deliveredTemplate() {
    static QString name;
    if (!name.isEmpty()) return name;
    const QString wanted = templateName();
    clusterExec(QStringLiteral("SELECT pg_advisory_lock(797979)"));
    try {
        if (!databaseExists(wanted)) {
            const QString building = wanted + QStringLiteral("_b");
            clusterExec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(building));
            clusterExec(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(building));
            storage::ServerSettings s = clusterSettings();
            s.database = building;
            QTemporaryDir scratch;
            QString message;
            if (storage::layOutServerFolder(ProgramFolder(scratch.path()), TempProgramFolder::deliveredDir(),
                                            connectionText(s), false, &message) != storage::InitOutcome::Done)
                failTest(QStringLiteral("the template database could not be laid out: ") + message);
            clusterExec(QStringLiteral("ALTER DATABASE %1 RENAME TO %2").arg(building, wanted));
        }
    } catch (...) {
        clusterExec(QStringLiteral("SELECT pg_advisory_unlock(797979)"));
        throw;
    }
    clusterExec(QStringLiteral("SELECT pg_advisory_unlock(797979)"));
    name = wanted;
    return name;
}

QString newDatabaseName() {
    static int counter = 0;
    return QStringLiteral("vexa_t_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
}

} // namespace

bool onServer() { return !qEnvironmentVariableIsEmpty("VEXA_TEST_PG"); }

storage::ServerSettings clusterSettings() {
    storage::ServerSettings s;
    if (!onServer()) return s;
    QString error;
    if (!storage::parseConnectionText(qEnvironmentVariable("VEXA_TEST_PG"), &s, &error))
        failTest(QStringLiteral("VEXA_TEST_PG: ") + error);
    return s;
}

void clusterExec(const QString& statement) {
    QSqlQuery q(cluster());
    if (!q.exec(statement)) failTest(statement + QStringLiteral(": ") + q.lastError().text());
}

QVariant clusterValue(const QString& statement) {
    QSqlQuery q(cluster());
    if (!q.exec(statement) || !q.next()) failTest(statement + QStringLiteral(": ") + q.lastError().text());
    return q.value(0);
}

ServerDatabase::ServerDatabase(Content content) : name_(newDatabaseName()) {
    clusterExec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name_));
    if (content == Content::Empty)
        clusterExec(QStringLiteral("CREATE DATABASE %1 TEMPLATE template0 ENCODING 'UTF8'").arg(name_));
    else
        clusterExec(QStringLiteral("CREATE DATABASE %1 TEMPLATE %2").arg(name_, deliveredTemplate()));
}

ServerDatabase::ServerDatabase(const QString& sourceDatabase) : name_(newDatabaseName()) {
    clusterExec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name_));
    clusterExec(QStringLiteral("CREATE DATABASE %1 TEMPLATE %2")
                    .arg(name_, storage::identifier(storage::Engine::PostgreSQL, sourceDatabase)));
}

ServerDatabase::~ServerDatabase() {
    try {
        clusterExec(QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(name_));
    } catch (const std::exception&) {
        // The cluster went away: it is thrown away as a whole anyway.
    }
}

storage::ServerSettings ServerDatabase::settings() const {
    storage::ServerSettings s = clusterSettings();
    s.database = name_;
    return s;
}

QString ServerDatabase::connection() const { return connectionText(settings()); }

void ServerDatabase::attach(const ProgramFolder& folder) const {
    QString error;
    if (!storage::writeConnectionFile(folder, settings(), &error)) failTest(error);
    for (const char* suffix : {"", "-wal", "-shm"}) QFile::remove(folder.dbFile() + QString::fromLatin1(suffix));
}

QString databaseOf(const ProgramFolder& folder) {
    if (!storage::hasConnectionFile(folder)) return {};
    storage::ServerSettings s;
    QString error;
    if (!storage::readConnectionFile(folder, &s, &error)) failTest(error);
    return s.database;
}

std::unique_ptr<ServerDatabase> copyProgramFolder(const QString& from, const QString& to) {
    copyTree(from, to);
    const QString source = databaseOf(ProgramFolder(from));
    if (source.isEmpty()) return nullptr;
    auto clone = std::make_unique<ServerDatabase>(source);
    clone->attach(ProgramFolder(to));
    return clone;
}

} // namespace vexa::test
