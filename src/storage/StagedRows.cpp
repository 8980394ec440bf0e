#include "storage/StagedRows.h"

#include "storage/Database.h"
#include "storage/Engine.h"
#include "storage/Schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariantList>

#include <cmath>

namespace vexa::storage {

namespace {

// The element type of a column's array on the server.
QByteArray arrayType(schema::Type type) {
    switch (type) {
    case schema::Type::Float: return QByteArrayLiteral("double precision[]");
    case schema::Type::Integer: return QByteArrayLiteral("integer[]");
    case schema::Type::SmallInt:
    case schema::Type::Boolean: return QByteArrayLiteral("smallint[]");
    default: return QByteArrayLiteral("text[]");
    }
}

// What the driver would send as null: a null variant, or a null text inside one.
bool isNullValue(const QVariant& v) {
    return v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isNull());
}

// One element of an array in the server's text form: numbers as they are,
// texts always in double quotes (an empty text, "NULL", blanks and braces stay
// texts), null as NULL.
void appendElement(QByteArray& out, schema::Type type, const QVariant& v) {
    if (isNullValue(v)) {
        out += "NULL";
        return;
    }
    switch (type) {
    case schema::Type::Float: {
        const double d = v.toDouble();
        if (std::isnan(d)) out += "NaN";
        else if (std::isinf(d)) out += d < 0 ? "-Infinity" : "Infinity";
        else out += QByteArray::number(d, 'g', QLocale::FloatingPointShortest);
        return;
    }
    case schema::Type::Integer:
    case schema::Type::SmallInt:
    case schema::Type::Boolean: out += QByteArray::number(v.toLongLong()); return;
    default: break;
    }
    out += '"';
    for (const char c : v.toString().toUtf8()) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
}
} // namespace

// A staged table: its columns and the scratch statements that read and empty it.
struct StagedRows::Table {
    const schema::Table* schema = nullptr;
    QStringList columns;
    QSqlQuery read;
    QSqlQuery wipe;
};

StagedRows::StagedRows(QStringList tables) : tables_(std::move(tables)) {
    static int counter = 0;
    scratchName_ = QStringLiteral("VexaRascunho%1").arg(++counter);
}

StagedRows::~StagedRows() {
    whichHaveRows_.reset();
    scratchTables_.clear();
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
        QStringList anyRows;
        for (const QString& name : tables_) {
            const schema::Table* t = schema::findTable(name);
            if (!t || !q.exec(schema::createTableStatement(*t))) {
                *error = t ? q.lastError().text() : QStringLiteral("tabela desconhecida: %1").arg(name);
                return false;
            }
            auto table = std::make_unique<Table>();
            table->schema = t;
            for (const schema::Column& c : t->columns) table->columns << c.name;
            table->read = QSqlQuery(s);
            table->read.setForwardOnly(true);
            table->wipe = QSqlQuery(s);
            // In the order the rows were added; the server numbers a row-numbered table itself.
            if (!table->read.prepare(QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                                         .arg(table->columns.join(QStringLiteral(", ")), t->name,
                                              t->rowNumber ? QStringLiteral("Seq") : QStringLiteral("rowid"))) ||
                !table->wipe.prepare(QStringLiteral("DELETE FROM %1").arg(t->name))) {
                *error = table->read.lastError().text() + table->wipe.lastError().text();
                return false;
            }
            anyRows << QStringLiteral("EXISTS (SELECT 1 FROM %1)").arg(t->name);
            scratchTables_.push_back(std::move(table));
        }
        whichHaveRows_ = std::make_unique<QSqlQuery>(s);
        whichHaveRows_->setForwardOnly(true);
        if (!whichHaveRows_->prepare(QStringLiteral("SELECT ") + anyRows.join(QStringLiteral(", ")))) {
            *error = whichHaveRows_->lastError().text();
            return false;
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
    if (!scratch_ && (!scratchError_.isEmpty() || !openScratch(&scratchError_))) {
        whichHaveRows_.reset();
        scratchTables_.clear();
        return d;
    }
    dirty_ = true;
    return QSqlDatabase::database(scratchName_, false);
}

bool StagedRows::tablesWithRows(QList<bool>* has, QString* error) {
    has->clear();
    QSqlQuery& q = *whichHaveRows_;
    if (!q.exec() || !q.next()) {
        if (error) *error = q.lastError().text();
        q.finish();
        return false;
    }
    for (size_t i = 0; i < scratchTables_.size(); ++i) has->append(q.value(int(i)).toInt() != 0);
    q.finish();
    return true;
}

void StagedRows::clear() {
    if (!scratch_ || !dirty_) return;
    QList<bool> has;
    const bool known = tablesWithRows(&has, nullptr);
    for (size_t i = 0; i < scratchTables_.size(); ++i)
        if (!known || has[qsizetype(i)]) scratchTables_[i]->wipe.exec();
    dirty_ = false;
}

bool StagedRows::flush(QString* error) {
    if (!scratch_ || !dirty_) return true;
    QList<bool> has;
    if (!tablesWithRows(&has, error)) return false;
    if (!flushToServer(has, error)) return false;
    clear();
    return true;
}

// The rows of every table in one statement of the protocol: each column's
// values as one array, unnested in their order (PostgreSQL's WITH ... AS
// (INSERT ...) joins the tables).
bool StagedRows::flushToServer(const QList<bool>& has, QString* error) {
    QList<QByteArray> values;
    QList<QByteArray> parts;
    for (size_t i = 0; i < scratchTables_.size(); ++i) {
        if (!has[qsizetype(i)]) continue;
        Table& t = *scratchTables_[i];
        const int n = int(t.columns.size());
        QList<QByteArray> arrays(n, QByteArrayLiteral("{"));
        QSqlQuery& read = t.read;
        if (!read.exec()) {
            if (error) *error = read.lastError().text();
            return false;
        }
        bool first = true;
        while (read.next()) {
            for (int c = 0; c < n; ++c) {
                QVariant v;
                schema::canonicalValue(t.schema->columns[c].type, read.value(c), &v);
                if (!first) arrays[c] += ',';
                appendElement(arrays[c], t.schema->columns[c].type, v);
            }
            first = false;
        }
        read.finish();
        QByteArray columns, unnest, names, select;
        for (int c = 0; c < n; ++c) {
            arrays[c] += '}';
            values << arrays[c];
            const QByteArray sep = c == 0 ? QByteArray() : QByteArrayLiteral(", ");
            columns += sep + identifier(Engine::PostgreSQL, t.columns[c]).toUtf8();
            unnest += sep + '$' + QByteArray::number(values.size()) + "::" + arrayType(t.schema->columns[c].type);
            names += sep + 'v' + QByteArray::number(c);
            select += sep + 'v' + QByteArray::number(c);
        }
        parts << "INSERT INTO " + identifier(Engine::PostgreSQL, t.schema->name).toUtf8() + " (" + columns +
                     ") SELECT " + select + " FROM unnest(" + unnest + ") WITH ORDINALITY AS linhas(" + names +
                     ", ordem) ORDER BY ordem";
    }
    if (parts.isEmpty()) return true;
    QByteArray statement;
    for (int i = 0; i + 1 < parts.size(); ++i)
        statement += (i == 0 ? QByteArrayLiteral("WITH ") : QByteArrayLiteral(", ")) + "parte" +
                     QByteArray::number(i) + " AS (" + parts[i] + ')';
    statement += (parts.size() > 1 ? QByteArrayLiteral(" ") : QByteArray()) + parts.last();
    return runWithParameters(db(), statement, values, error);
}

} // namespace vexa::storage
