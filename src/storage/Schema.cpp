#include "storage/Schema.h"

#include "storage/Engine.h"
#include "storage/Portable.h"

#include <QDate>
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

QString createTableStatement(const Table& table) { return createTableStatement(table, Engine::SQLite); }

QString createTableStatement(const Table& table, Engine engine) {
    QStringList cols;
    for (const Column& c : table.columns) {
        QString def = (engine == Engine::SQLite ? c.name : identifier(engine, c.name)) + QLatin1Char(' ') +
                      columnType(engine, c);
        if (!c.defaultValue.isEmpty()) def += QStringLiteral(" DEFAULT ") + c.defaultValue;
        cols << def;
    }
    if (table.rowNumber) cols << rowNumberColumn(engine);
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(engine == Engine::SQLite ? table.name : identifier(engine, table.name), cols.join(QStringLiteral(", ")));
}

QString createIndexStatement(const QString& table, const Index& index) {
    return createIndexStatement(table, index, Engine::SQLite);
}

QString createIndexStatement(const QString& table, const Index& index, Engine engine) {
    QStringList cols;
    const bool key = index.name.isEmpty();
    const Table* known = findTable(table);
    for (const QString& f : index.fields) {
        const QString name = identifier(engine, f);
        if (key) {
            cols << name;
        } else if (engine == Engine::SQLite) {
            cols << name + QStringLiteral(" COLLATE NOCASE");
        } else {
            // Case-insensitive on PostgreSQL: the lower case of a text column.
            const Column* c = known ? findColumn(*known, f) : nullptr;
            const bool text = !c || c->type == Type::Text || c->type == Type::Memo || c->type == Type::Date;
            const bool rowNumber = f.compare(QLatin1String("Seq"), Qt::CaseInsensitive) == 0 && known && known->rowNumber;
            cols << (text && !rowNumber ? QStringLiteral("lower(%1)").arg(name) : name);
        }
    }
    return QStringLiteral("CREATE %1INDEX %2 ON %3 (%4)")
        .arg(key ? QStringLiteral("UNIQUE ") : QString(),
             identifier(engine, key ? keyIndexName(table) : index.name), identifier(engine, table),
             cols.join(QStringLiteral(", ")));
}

bool createAll(QSqlDatabase db, QString* error) {
    const Engine engine = engineOf(db);
    QSqlQuery q(db);
    auto run = [&](const QString& sql) {
        if (q.exec(sql)) return true;
        if (error) *error = q.lastError().text() + QStringLiteral(" (") + sql + QLatin1Char(')');
        return false;
    };
    if (engine == Engine::PostgreSQL && !run(postgresNameOrderFunction())) return false;
    for (const Table& t : tables()) {
        if (!run(createTableStatement(t, engine))) return false;
        if (!t.key.isEmpty() && !run(createIndexStatement(t.name, {QString(), t.key}, engine))) return false;
        for (const Index& i : t.indexes)
            if (!run(createIndexStatement(t.name, i, engine))) return false;
    }
    return true;
}

bool canonicalValue(Type type, const QVariant& v, QVariant* out) {
    if (v.isNull()) {
        switch (type) {
        case Type::Float: *out = QVariant(QMetaType(QMetaType::Double)); break;
        case Type::Integer:
        case Type::SmallInt:
        case Type::Boolean: *out = QVariant(QMetaType(QMetaType::LongLong)); break;
        default: *out = QVariant(QMetaType(QMetaType::QString)); break;
        }
        return true;
    }
    bool ok = true;
    switch (type) {
    case Type::Float: *out = v.toDouble(&ok); break;
    case Type::Integer:
    case Type::SmallInt:
    case Type::Boolean: {
        *out = v.toLongLong(&ok);
        if (!ok) {
            // A whole number kept as a float ("12.0").
            const double d = v.toDouble(&ok);
            ok = ok && d == double(qint64(d));
            *out = qint64(d);
        }
        break;
    }
    case Type::Date:
        *out = v.typeId() == QMetaType::QDate ? v.toDate().toString(QStringLiteral("yyyy-MM-dd")) : v.toString();
        break;
    default: *out = v.toString(); break;
    }
    return ok;
}

bool keyIndexExists(QSqlDatabase db, const QString& table) {
    return indexExists(db, table, keyIndexName(table)) || hasPrimaryKey(db, table);
}

bool columnNames(QSqlDatabase db, const QString& table, QStringList* names, QString* error) {
    // "Select * from" the table, asking for no row: the engine reports the
    // columns of the statement without reading the table.
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(identifier(engineOf(db), table)))) {
        if (error) *error = q.lastError().text();
        return false;
    }
    const QSqlRecord rec = q.record();
    names->clear();
    for (int i = 0; i < rec.count(); ++i) names->append(rec.fieldName(i));
    return true;
}

} // namespace vexa::storage::schema
