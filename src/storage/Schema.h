#pragma once
// Every table of the database: its columns with their types and widths, its
// key and its named secondary indexes. A new database is created from these
// definitions; the delivered index list (VexaIdx90.ini) lists the same keys
// and indexes, and the reference-data loader checks its values against them.
//
// Each key is a unique index named "pk_" followed by the table's name, so that
// the index rebuild can drop it and make it again; secondary indexes are
// case-insensitive (COLLATE NOCASE).

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace vexa::storage {
enum class Engine;   // Engine.h
}

namespace vexa::storage::schema {

enum class Type {
    Text,      // text(n): char(n); width 0 means no fixed width
    Float,     // 8-byte floating point; money and quantities
    Integer,   // signed integer
    SmallInt,  // small integer
    Boolean,   // 0 / 1
    Date,      // "yyyy-MM-dd"
    Memo,      // text of unbounded length
};

struct Column {
    QString name;
    Type type = Type::Text;
    int width = 0;           // characters, for Text
    QString defaultValue;    // SQL literal; empty for no default
};

struct Index {
    QString name;            // empty: the table's unique key
    QStringList fields;
};

struct Table {
    QString name;
    QList<Column> columns;
    QStringList key;         // unique; empty when the table has no key
    QList<Index> indexes;    // named secondary indexes
    // The table carries "Seq INTEGER PRIMARY KEY": a row number of its own that
    // also counts insertions (rows that the key does not tell apart, or a list
    // kept in the order it was typed).
    bool rowNumber = false;
};

// Every table, in the order they are created.
const QList<Table>& tables();
// Names compare without regard to case.
const Table* findTable(const QString& name);
const Column* findColumn(const Table& table, const QString& name);

// "char(11)", "float", "integer", "smallint", "boolean", "date", "text".
QString typeName(const Column& column);
// The name as an SQL identifier: in double quotes, inner quotes doubled.
QString quoteIdentifier(const QString& name);
// "pk_" followed by the table's name.
QString keyIndexName(const QString& table);

// The statements for SQLite, and for the engine given.
QString createTableStatement(const Table& table);
QString createTableStatement(const Table& table, Engine engine);
// The key (unique, name ignored) when index.name is empty, otherwise a
// case-insensitive secondary index of that name (COLLATE NOCASE on SQLite,
// lower() of its text columns on PostgreSQL).
QString createIndexStatement(const QString& table, const Index& index);
QString createIndexStatement(const QString& table, const Index& index, Engine engine);

// Creates every table with its key and secondary indexes on an empty database
// (and, on PostgreSQL, the function nome_ordem() of the name order).
// Answers false with the engine's message in *error.
bool createAll(QSqlDatabase db, QString* error);

// The value as a column of the type keeps it on both engines (a number held
// as text read as a number, a date as its "yyyy-MM-dd" text, null typed);
// false when it cannot be (a text where a number belongs).
bool canonicalValue(Type type, const QVariant& value, QVariant* out);

// Whether the key index of the table exists: the one the index rebuild makes,
// or the primary key of a table created with CREATE TABLE ... PRIMARY KEY.
bool keyIndexExists(QSqlDatabase db, const QString& table);

// The column names of a table as the engine reports them, without reading a
// row. Answers false (with the engine's message) when the table cannot be read.
bool columnNames(QSqlDatabase db, const QString& table, QStringList* names, QString* error);

} // namespace vexa::storage::schema
