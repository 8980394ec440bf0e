#include "storage/Schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace vexa::storage::schema {

const Table* findTable(const QString& name) {
    for (const Table& t : tables())
        if (t.name.compare(name, Qt::CaseInsensitive) == 0) return &t;
    return nullptr;
}

const Column* findColumn(const Table& table, const QString& name) {
    for (const Column& c : table.columns)
        if (c.name.compare(name, Qt::CaseInsensitive) == 0) return &c;
    return nullptr;
}

QString typeName(const Column& column) {
    switch (column.type) {
    case Type::Text:
        return column.width > 0 ? QStringLiteral("char(%1)").arg(column.width) : QStringLiteral("text");
    case Type::Float: return QStringLiteral("float");
    case Type::Integer: return QStringLiteral("integer");
    case Type::SmallInt: return QStringLiteral("smallint");
    case Type::Boolean: return QStringLiteral("boolean");
    case Type::Date: return QStringLiteral("date");
    case Type::Memo: return QStringLiteral("text");
    }
    return QStringLiteral("text");
}

QString quoteIdentifier(const QString& name) {
    QString q = name;
    q.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QString keyIndexName(const QString& table) { return QStringLiteral("pk_") + table; }

QString createTableStatement(const Table& table) {
    QStringList cols;
    for (const Column& c : table.columns) {
        QString def = c.name + QLatin1Char(' ') + typeName(c);
        if (!c.defaultValue.isEmpty()) def += QStringLiteral(" DEFAULT ") + c.defaultValue;
        cols << def;
    }
    if (table.rowNumber) cols << QStringLiteral("Seq INTEGER PRIMARY KEY");
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(table.name, cols.join(QStringLiteral(", ")));
}

QString createIndexStatement(const QString& table, const Index& index) {
    QStringList cols;
    const bool key = index.name.isEmpty();
    for (const QString& f : index.fields)
        cols << (key ? quoteIdentifier(f) : quoteIdentifier(f) + QStringLiteral(" COLLATE NOCASE"));
    return QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
        .arg(key ? QStringLiteral("UNIQUE ") : QString(),
             quoteIdentifier(key ? keyIndexName(table) : index.name), quoteIdentifier(table),
             cols.join(QStringLiteral(", ")));
}

bool createAll(QSqlDatabase db, QString* error) {
    QSqlQuery q(db);
    auto run = [&](const QString& sql) {
        if (q.exec(sql)) return true;
        if (error) *error = q.lastError().text() + QStringLiteral(" (") + sql + QLatin1Char(')');
        return false;
    };
    for (const Table& t : tables()) {
        if (!run(createTableStatement(t))) return false;
        if (!t.key.isEmpty() && !run(createIndexStatement(t.name, {QString(), t.key}))) return false;
        for (const Index& i : t.indexes)
            if (!run(createIndexStatement(t.name, i))) return false;
    }
    return true;
}

bool keyIndexExists(QSqlDatabase db, const QString& table) {
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'index' "
                             "AND lower(tbl_name) = lower(:t) "
                             "AND (lower(name) = lower(:k) OR name LIKE 'sqlite_autoindex_%')"));
    q.bindValue(QStringLiteral(":t"), table);
    q.bindValue(QStringLiteral(":k"), keyIndexName(table));
    return q.exec() && q.next() && q.value(0).toInt() > 0;
}

bool columnNames(QSqlDatabase db, const QString& table, QStringList* names, QString* error) {
    // "Select * from" the table, asking for no row: the engine reports the
    // columns of the statement without reading the table.
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quoteIdentifier(table)))) {
        if (error) *error = q.lastError().text();
        return false;
    }
    const QSqlRecord rec = q.record();
    names->clear();
    for (int i = 0; i < rec.count(); ++i) names->append(rec.fieldName(i));
    return true;
}

} // namespace vexa::storage::schema
