#include "storage/Portable.h"

#include "storage/Database.h"
#include "storage/Engine.h"

#include <QHash>
#include <QSqlQuery>
#include <QVariant>

namespace vexa::storage {

namespace {

// The letters folded by the name order, and what each becomes. One table for
// both engines: the SQLite function is nameKey(), the PostgreSQL function a
// translate() over the same two strings.
const QString& foldedFrom() {
    static const QString s = QString::fromUtf8(
        "abcdefghijklmnopqrstuvwxyz"
        "àáâãäåÀÁÂÃÄÅçÇèéêëÈÉÊËìíîïÌÍÎÏñÑòóôõöÒÓÔÕÖùúûüÙÚÛÜýÿÝŸšŠžŽœæøðþ");
    return s;
}
const QString& foldedTo() {
    static const QString s = QString::fromUtf8(
        "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
        "AAAAAAAAAAAACCEEEEEEEEIIIIIIIINNOOOOOOOOOOUUUUUUUUYYYYSSZZŒÆØÐÞ");
    return s;
}

const QHash<char16_t, char16_t>& foldTable() {
    static const QHash<char16_t, char16_t> table = [] {
        QHash<char16_t, char16_t> t;
        const QString& from = foldedFrom();
        const QString& to = foldedTo();
        for (qsizetype i = 0; i < from.size(); ++i) t.insert(from[i].unicode(), to[i].unicode());
        return t;
    }();
    return table;
}

int compareBytes(const QByteArray& a, const QByteArray& b) {
    const int n = int(std::min(a.size(), b.size()));
    for (int i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace

QString nameKey(const QString& name) {
    const QHash<char16_t, char16_t>& table = foldTable();
    QString key = name.isNull() ? QStringLiteral("") : name;
    for (QChar& c : key) {
        const auto it = table.constFind(c.unicode());
        if (it != table.constEnd()) c = QChar(*it);
    }
    return key;
}

int compareNameKeys(const QString& a, const QString& b) {
    // Both engines compare texts byte by byte in UTF-8.
    return compareBytes(nameKey(a).toUtf8(), nameKey(b).toUtf8());
}

int compareNames(const QString& a, const QString& b) {
    if (const int byKey = compareNameKeys(a, b); byKey != 0) return byKey;
    return compareBytes(a.toUtf8(), b.toUtf8());
}

QString orderByName(const QString& column) {
    return QStringLiteral("nome_ordem(%1), COALESCE(%1, '')").arg(column);
}

QString postgresNameOrderFunction() {
    return QStringLiteral("CREATE OR REPLACE FUNCTION nome_ordem(text) RETURNS text LANGUAGE sql IMMUTABLE "
                          "PARALLEL SAFE AS $$ SELECT translate(COALESCE($1, ''), '%1', '%2') $$")
        .arg(foldedFrom(), foldedTo());
}

bool lockRows(const QString& table, const QString& where, const QVariantList& values, RowLock lock, bool* found,
              QString* error) {
    QSqlDatabase d = db();
    QString statement = QStringLiteral("SELECT count(*) FROM (SELECT 1 FROM %1 WHERE %2").arg(table, where);
    if (engineOf(d) == Engine::PostgreSQL)
        statement += lock == RowLock::Exclusive ? QStringLiteral(" FOR UPDATE") : QStringLiteral(" FOR SHARE");
    statement += QStringLiteral(") locked");
    QString why;
    QSqlQuery* q = keptStatement(statement, &why);
    if (!q) {
        if (error) *error = why;
        return false;
    }
    for (int i = 0; i < values.size(); ++i) q->bindValue(i, values[i]);
    if (!q->exec() || !q->next()) {
        if (error) *error = q->lastError().text();
        q->finish();
        return false;
    }
    if (found) *found = q->value(0).toLongLong() > 0;
    q->finish();
    return true;
}

bool isKeyViolation(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    if (code == QLatin1String("23505")) return true;   // PostgreSQL unique_violation
    // SQLite: SQLITE_CONSTRAINT_PRIMARYKEY, SQLITE_CONSTRAINT_UNIQUE, or the
    // primary code with the engine's text.
    if (code == QLatin1String("1555") || code == QLatin1String("2067")) return true;
    return error.text().contains(QLatin1String("UNIQUE constraint failed"), Qt::CaseInsensitive);
}

bool isConnectionLoss(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    // PostgreSQL: connection_exception (08...), admin_shutdown, crash_shutdown, cannot_connect_now.
    if (code.startsWith(QLatin1String("08")) || code == QLatin1String("57P01") || code == QLatin1String("57P02") ||
        code == QLatin1String("57P03"))
        return true;
    return connectionWasLost();
}

QString connectionLostMessage() {
    return QStringLiteral("A conexão com o servidor do banco de dados foi perdida. A operação em andamento não foi "
                          "gravada; o que já estava gravado foi mantido. O programa vai se reconectar: confira os "
                          "dados e repita a operação.");
}

} // namespace vexa::storage
