#include "support/EngineSql.h"

#include "storage/Database.h"
#include "storage/Engine.h"
#include "storage/Schema.h"

#include <QSqlError>
#include <QSqlRecord>
#include <QVariant>
#include <gtest/gtest.h>

namespace vexa::test {

namespace {

bool onPostgres() { return storage::engineOf(storage::db()) == storage::Engine::PostgreSQL; }

QString sqliteText(const QVariant& v) {
    if (v.isNull()) return QStringLiteral("nulo");
    if (v.typeId() == QMetaType::Double || v.typeId() == QMetaType::Float) {
        const double d = v.toDouble();
        QString t = QString::number(d, 'g', 15);
        if (!t.contains(QLatin1Char('.')) && !t.contains(QLatin1Char('e'))) t += QStringLiteral(".0");
        return t;
    }
    return v.toString();
}

QSqlQuery run(const QString& statement, const QVariantList& values) {
    QSqlQuery q(storage::db());
    EXPECT_TRUE(q.prepare(statement)) << statement.toStdString() << ": " << q.lastError().text().toStdString();
    for (const QVariant& v : values) q.addBindValue(v);
    EXPECT_TRUE(q.exec()) << statement.toStdString() << ": " << q.lastError().text().toStdString();
    return q;
}

} // namespace

bool execPlain(const QString& statement, QString* error) {
    QSqlQuery q(storage::db());
    if (q.exec(statement)) return true;
    if (error) *error = q.lastError().text();
    return false;
}

void refuseRows(const QString& table, const QString& event, const QString& message, const QString& when) {
    QString error;
    const QString name = QStringLiteral("recusa_%1_%2").arg(event, table).toLower();
    QString quoted = message;
    quoted.replace(QLatin1Char('\''), QLatin1String("''"));
    if (onPostgres()) {
        EXPECT_TRUE(execPlain(QStringLiteral("CREATE FUNCTION %1() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN "
                                             "RAISE EXCEPTION '%2'; END $$")
                                  .arg(name, quoted),
                              &error))
            << error.toStdString();
        EXPECT_TRUE(execPlain(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 FOR EACH ROW %4 EXECUTE FUNCTION %1()")
                                  .arg(name, event, table,
                                       when.isEmpty() ? QString() : QStringLiteral("WHEN (%1)").arg(when)),
                              &error))
            << error.toStdString();
    } else {
        EXPECT_TRUE(execPlain(QStringLiteral("CREATE TRIGGER %1 BEFORE %2 ON %3 %4 BEGIN SELECT RAISE(ABORT, '%5'); END")
                                  .arg(name, event, table,
                                       when.isEmpty() ? QString() : QStringLiteral("WHEN %1").arg(when), quoted),
                              &error))
            << error.toStdString();
    }
}

void allowRows(const QString& table, const QString& event) {
    const QString name = QStringLiteral("recusa_%1_%2").arg(event, table).toLower();
    if (onPostgres()) {
        execPlain(QStringLiteral("DROP TRIGGER IF EXISTS %1 ON %2").arg(name, table));
        execPlain(QStringLiteral("DROP FUNCTION IF EXISTS %1()").arg(name));
    } else {
        execPlain(QStringLiteral("DROP TRIGGER IF EXISTS %1").arg(name));
    }
}

void dropTable(const QString& table) {
    QString error;
    EXPECT_TRUE(execPlain(QStringLiteral("DROP TABLE %1").arg(table), &error)) << error.toStdString();
}

void recreateTable(const QString& table) {
    const storage::schema::Table* t = storage::schema::findTable(table);
    ASSERT_NE(t, nullptr) << table.toStdString();
    QString error;
    EXPECT_TRUE(execPlain(storage::schema::createTableStatement(*t, storage::engineOf(storage::db())), &error))
        << error.toStdString();
}

// The current row of q, its values written as SQLite writes them.
static QString currentRow(const QSqlQuery& q, QChar separator) {
    QStringList parts;
    for (int i = 0; i < q.record().count(); ++i) parts << sqliteText(q.value(i));
    return parts.join(separator);
}

QString rowText(const QString& statement, const QVariantList& values) {
    QSqlQuery q = run(statement, values);
    return q.next() ? currentRow(q, QLatin1Char('/')) : QString();
}

QString rowsText(const QString& statement, const QVariantList& values, QChar separator) {
    QSqlQuery q = run(statement, values);
    QStringList rows;
    while (q.next()) rows << currentRow(q, separator);
    return rows.join(QStringLiteral(", "));
}

QString columnText(const QString& statement, const QVariantList& values) {
    QSqlQuery q = run(statement, values);
    QStringList parts;
    while (q.next()) parts << sqliteText(q.value(0));
    return parts.join(QLatin1Char(','));
}

} // namespace vexa::test
