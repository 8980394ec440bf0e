#include "storage/StagedRows.h"

#include "storage/Database.h"
#include "storage/Engine.h"
#include "storage/Schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariantList>

namespace vexa::storage {

namespace {
// A statement of the flush binds at most this many values (PostgreSQL takes 65,535).
constexpr int kMaxValues = 30000;
} // namespace

StagedRows::StagedRows(QStringList tables) : tables_(std::move(tables)) {
    static int counter = 0;
    scratchName_ = QStringLiteral("VexaRascunho%1").arg(++counter);
}

StagedRows::~StagedRows() {
    flushes_.clear();
    if (scratch_) closeConnection(scratchName_);
}

bool StagedRows::openScratch(QString* error) {
    {
        QSqlDatabase s = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), scratchName_);
        s.setDatabaseName(QStringLiteral(":memory:"));
        if (!s.open()) {
            *error = s.lastError().text();
            return false;
        }
        if (!registerSqliteFunctions(s, error)) return false;
        QSqlQuery q(s);
        for (const QString& name : tables_) {
            const schema::Table* t = schema::findTable(name);
            if (!t || !q.exec(schema::createTableStatement(*t))) {
                *error = t ? q.lastError().text() : QStringLiteral("tabela desconhecida: %1").arg(name);
                return false;
            }
        }
    }
    scratch_ = true;
    return true;
}

QSqlDatabase StagedRows::connection() {
    QSqlDatabase d = db();
    if (engineOf(d) == Engine::SQLite) return d;
    // Without a scratch database (it could not be made) the rows go straight
    // to the server, slower but the same.
    if (!scratch_ && (!scratchError_.isEmpty() || !openScratch(&scratchError_))) return d;
    dirty_ = true;
    return QSqlDatabase::database(scratchName_, false);
}

void StagedRows::clear() {
    if (!scratch_ || !dirty_) return;
    QSqlQuery q(QSqlDatabase::database(scratchName_, false));
    for (const QString& t : tables_) q.exec(QStringLiteral("DELETE FROM %1").arg(t));
    dirty_ = false;
}

bool StagedRows::flush(QString* error) {
    if (!scratch_ || !dirty_) return true;
    QSqlDatabase scratch = QSqlDatabase::database(scratchName_, false);
    QSqlDatabase target = db();
    const Engine engine = engineOf(target);

    // One INSERT per table with rows; several joined as the parts of one
    // statement (PostgreSQL's WITH ... AS (INSERT ...)), cut where too many values.
    QStringList parts;
    QVariantList values;
    auto send = [&]() {
        if (parts.isEmpty()) return true;
        QString statement;
        for (int i = 0; i + 1 < parts.size(); ++i)
            statement += (i == 0 ? QStringLiteral("WITH ") : QStringLiteral(", ")) +
                         QStringLiteral("parte%1 AS (%2)").arg(i).arg(parts[i]);
        statement += (parts.size() > 1 ? QStringLiteral(" ") : QString()) + parts.last();
        auto it = flushes_.find(statement);
        bool ok = true;
        if (it == flushes_.end()) {
            if (flushes_.size() >= 16) flushes_.clear();
            auto created = std::make_shared<QSqlQuery>(target);
            ok = created->prepare(statement);
            it = flushes_.insert(statement, created);
        }
        const std::shared_ptr<QSqlQuery> q = *it;
        for (int i = 0; ok && i < values.size(); ++i) q->bindValue(i, values[i]);
        ok = ok && q->exec();
        if (!ok && error) *error = q->lastError().text();
        if (!ok) flushes_.remove(statement);
        parts.clear();
        values.clear();
        return ok;
    };
    for (const QString& name : tables_) {
        const schema::Table* t = schema::findTable(name);
        QStringList columns;
        for (const schema::Column& c : t->columns) columns << c.name;
        QSqlQuery read(scratch);
        // In the order the rows were added; the server numbers a row-numbered table itself.
        if (!read.exec(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                           .arg(columns.join(QStringLiteral(", ")), t->name,
                                t->rowNumber ? QStringLiteral("Seq") : QStringLiteral("rowid")))) {
            if (error) *error = read.lastError().text();
            return false;
        }
        QStringList quoted;
        for (const QString& c : columns) quoted << identifier(engine, c);
        QStringList rows;
        const QString marks = QLatin1Char('(') + QStringList(columns.size(), QStringLiteral("?")).join(QLatin1Char(',')) +
                              QLatin1Char(')');
        while (read.next()) {
            if (values.size() + columns.size() > kMaxValues && !rows.isEmpty()) {
                parts << QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                             .arg(identifier(engine, t->name), quoted.join(QLatin1Char(',')),
                                  rows.join(QLatin1Char(',')));
                rows.clear();
                if (!send()) return false;
            }
            for (int i = 0; i < columns.size(); ++i) {
                QVariant v;
                schema::canonicalValue(t->columns[i].type, read.value(i), &v);
                values << v;
            }
            rows << marks;
        }
        if (rows.isEmpty()) continue;
        parts << QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                     .arg(identifier(engine, t->name), quoted.join(QLatin1Char(',')), rows.join(QLatin1Char(',')));
        // SQLite takes one statement at a time.
        if (engine == Engine::SQLite && !send()) return false;
    }
    if (!send()) return false;
    clear();
    return true;
}

} // namespace vexa::storage
