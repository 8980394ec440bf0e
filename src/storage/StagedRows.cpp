#include "storage/StagedRows.h"

#include "storage/Database.h"
#include "storage/Engine.h"
#include "storage/Schema.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariantList>

#include <sqlite3.h>

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

// A float as the server reads it back to the same double.
void appendDouble(QByteArray& out, double d) {
    if (std::isnan(d)) out += "NaN";
    else if (std::isinf(d)) out += d < 0 ? "-Infinity" : "Infinity";
    else out += QByteArray::number(d, 'g', QLocale::FloatingPointShortest);
}

// A text as an array element: always in double quotes, so that an empty
// text, "NULL", blanks and braces stay texts.
void appendQuoted(QByteArray& out, const char* text, qsizetype size) {
    out += '"';
    for (qsizetype i = 0; i < size; ++i) {
        if (text[i] == '"' || text[i] == '\\') out += '\\';
        out += text[i];
    }
    out += '"';
}

// One element of an array in the server's text form: numbers as they are,
// texts quoted, null as NULL.
void appendElement(QByteArray& out, schema::Type type, const QVariant& v) {
    if (isNullValue(v)) {
        out += "NULL";
        return;
    }
    switch (type) {
    case schema::Type::Float: appendDouble(out, v.toDouble()); return;
    case schema::Type::Integer:
    case schema::Type::SmallInt:
    case schema::Type::Boolean: out += QByteArray::number(v.toLongLong()); return;
    default: break;
    }
    const QByteArray text = v.toString().toUtf8();
    appendQuoted(out, text.constData(), text.size());
}

// A value sent as a parameter, in the server's input form; the server takes
// its type from where the mark stands. Null stays null.
QByteArray parameterText(const QVariant& v) {
    if (isNullValue(v)) return {};
    QByteArray out;
    switch (v.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: appendDouble(out, v.toDouble()); return out;
    case QMetaType::Bool: return v.toBool() ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
    case QMetaType::QDate: return v.toDate().toString(Qt::ISODate).toUtf8();
    default: return v.toString().toUtf8();
    }
}

// The statement's `?` marks as $first+1, $first+2, ... (the program's own
// statements hold no `?` inside a literal).
QByteArray numberedMarks(const QString& statement, int first) {
    QByteArray out;
    for (const char c : statement.toUtf8()) {
        if (c == '?') out += '$' + QByteArray::number(++first);
        else out += c;
    }
    return out;
}

// One element of a column read from the scratch database: the value the
// column's storage class holds, in the array's text form. Values stored in
// another class than the column's (SQLite keeps what it is given) take the
// same way as through the driver, so the server gets what it always got.
void appendStored(QByteArray& out, schema::Type type, sqlite3_stmt* row, int column) {
    const int stored = sqlite3_column_type(row, column);
    if (stored == SQLITE_NULL) {
        out += "NULL";
        return;
    }
    switch (type) {
    case schema::Type::Float:
        if (stored == SQLITE_FLOAT || stored == SQLITE_INTEGER) {
            appendDouble(out, sqlite3_column_double(row, column));
            return;
        }
        break;
    case schema::Type::Integer:
    case schema::Type::SmallInt:
    case schema::Type::Boolean:
        if (stored == SQLITE_INTEGER) {
            out += QByteArray::number(sqlite3_column_int64(row, column));
            return;
        }
        break;
    default:
        if (stored == SQLITE_TEXT) {
            appendQuoted(out, reinterpret_cast<const char*>(sqlite3_column_text(row, column)),
                         sqlite3_column_bytes(row, column));
            return;
        }
        break;
    }
    QVariant raw;
    switch (stored) {
    case SQLITE_INTEGER: raw = qint64(sqlite3_column_int64(row, column)); break;
    case SQLITE_FLOAT: raw = sqlite3_column_double(row, column); break;
    default:
        raw = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(row, column)),
                                sqlite3_column_bytes(row, column));
        break;
    }
    QVariant v;
    schema::canonicalValue(type, raw, &v);
    appendElement(out, type, v);
}

} // namespace

// A staged table: its columns, the scratch statements that read and empty it
// and its part of the flush's statement.
struct StagedRows::Table {
    const schema::Table* schema = nullptr;
    sqlite3_stmt* read = nullptr;
    QSqlQuery wipe;
    // "INSERT INTO t (a, b) SELECT v0, v1 FROM unnest(" and, per column, "::type[]".
    QByteArray insertHead;
    QList<QByteArray> arrayTypes;
    QByteArray insertTail;

    ~Table() { sqlite3_finalize(read); }
};

StagedRows::StagedRows(QStringList tables) : tables_(std::move(tables)) {
    static int counter = 0;
    scratchName_ = QStringLiteral("VexaRascunho%1").arg(++counter);
}

StagedRows::~StagedRows() {
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
        // Which tables hold rows is one bit each of the flush's statement cache.
        if (tables_.size() > 64) {
            *error = QStringLiteral("tabelas demais para o rascunho: %1").arg(tables_.size());
            return false;
        }
        QSqlQuery q(s);
        for (const QString& name : tables_) {
            const schema::Table* t = schema::findTable(name);
            if (!t || !q.exec(schema::createTableStatement(*t))) {
                *error = t ? q.lastError().text() : QStringLiteral("tabela desconhecida: %1").arg(name);
                return false;
            }
            auto table = std::make_unique<Table>();
            table->schema = t;
            QStringList names;
            for (const schema::Column& c : t->columns) names << c.name;
            table->wipe = QSqlQuery(s);
            if (!table->wipe.prepare(QStringLiteral("DELETE FROM %1").arg(t->name))) {
                *error = table->wipe.lastError().text();
                return false;
            }
            // In the order the rows were added; the server numbers a row-numbered table itself.
            const QByteArray read = QStringLiteral("SELECT %1 FROM %2 ORDER BY %3")
                                        .arg(names.join(QStringLiteral(", ")), t->name,
                                             t->rowNumber ? QStringLiteral("Seq") : QStringLiteral("rowid"))
                                        .toUtf8();
            sqlite3* handle = sqliteHandle(s);
            if (!handle || sqlite3_prepare_v2(handle, read.constData(), int(read.size()), &table->read, nullptr) !=
                               SQLITE_OK) {
                *error = handle ? QString::fromUtf8(sqlite3_errmsg(handle)) : QStringLiteral("sem banco de rascunho");
                return false;
            }
            QByteArray columns, values;
            for (int c = 0; c < names.size(); ++c) {
                const QByteArray sep = c == 0 ? QByteArray() : QByteArrayLiteral(", ");
                columns += sep + identifier(Engine::PostgreSQL, names[c]).toUtf8();
                values += sep + 'v' + QByteArray::number(c);
                table->arrayTypes << "::" + arrayType(t->columns[c].type);
            }
            table->insertHead = "INSERT INTO " + identifier(Engine::PostgreSQL, t->name).toUtf8() + " (" + columns +
                                ") SELECT " + values + " FROM unnest(";
            table->insertTail = ") WITH ORDINALITY AS linhas(" + values + ", ordem) ORDER BY ordem";
            scratchTables_.push_back(std::move(table));
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
        scratchTables_.clear();
        return d;
    }
    dirty_ = true;
    return QSqlDatabase::database(scratchName_, false);
}

void StagedRows::clear() {
    if (scratch_ && dirty_) wipe(~quint64(0));
}

void StagedRows::wipe(quint64 tables) {
    for (size_t i = 0; i < scratchTables_.size(); ++i)
        if (tables & (quint64(1) << i)) scratchTables_[i]->wipe.exec();
    dirty_ = false;
}

bool StagedRows::flush(QString* error, Then* then) {
    if (then) then->sent = false;
    if (!scratch_ || !dirty_) return true;
    quint64 withRows = 0;
    if (!flushToServer(&withRows, then, error)) return false;
    wipe(withRows);
    return true;
}

// The rows of every table in one statement of the protocol: each column's
// values as one array, unnested in their order (PostgreSQL's WITH ... AS
// (INSERT ...) joins the tables). The statement depends only on which tables
// have rows, so it is put together once for each such set.
bool StagedRows::flushToServer(quint64* withRows, Then* then, QString* error) {
    QList<QByteArray> values;
    quint64& set = *withRows;
    set = 0;
    for (size_t i = 0; i < scratchTables_.size(); ++i) {
        Table& t = *scratchTables_[i];
        const int n = int(t.schema->columns.size());
        QList<QByteArray> arrays;
        int step;
        while ((step = sqlite3_step(t.read)) == SQLITE_ROW) {
            if (arrays.isEmpty()) arrays = QList<QByteArray>(n, QByteArrayLiteral("{"));
            else
                for (QByteArray& a : arrays) a += ',';
            for (int c = 0; c < n; ++c) appendStored(arrays[c], t.schema->columns[c].type, t.read, c);
        }
        sqlite3_reset(t.read);
        if (step != SQLITE_DONE) {
            if (error) *error = QString::fromUtf8(sqlite3_errstr(step));
            return false;
        }
        if (arrays.isEmpty()) continue;
        set |= quint64(1) << i;
        for (QByteArray& a : arrays) values << (a += '}');
    }
    const int staged = int(values.size());
    if (then && then->statement.isEmpty()) then = nullptr;
    if (then)
        for (const QVariant& v : then->values) values << parameterText(v);
    else if (values.isEmpty())
        return true;
    if (statements_.size() >= 256) statements_.clear();
    QByteArray& statement = statements_[{set, then ? then->statement : QString()}];
    if (statement.isEmpty()) {
        QList<QByteArray> parts;
        int parameter = 0;
        for (size_t i = 0; i < scratchTables_.size(); ++i) {
            if (!(set & (quint64(1) << i))) continue;
            const Table& t = *scratchTables_[i];
            QByteArray part = t.insertHead;
            for (int c = 0; c < t.arrayTypes.size(); ++c)
                part += (c == 0 ? "$" : ", $") + QByteArray::number(++parameter) + t.arrayTypes[c];
            parts << part + t.insertTail;
        }
        if (then) parts << numberedMarks(then->statement, staged);
        for (int i = 0; i + 1 < parts.size(); ++i)
            statement += (i == 0 ? QByteArrayLiteral("WITH ") : QByteArrayLiteral(", ")) + "parte" +
                         QByteArray::number(i) + " AS (" + parts[i] + ')';
        statement += (parts.size() > 1 ? QByteArrayLiteral(" ") : QByteArray()) + parts.last();
    }
    if (!runWithParameters(db(), statement, values, error)) return false;
    if (then) then->sent = true;
    return true;
}

} // namespace vexa::storage
