#include "common/Rotinas.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <limits>

namespace vexa {

bool isPlainIdentifier(const QString& name) {
    static const QRegularExpression re(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return re.match(name).hasMatch();
}

std::optional<int> NextNumber(const QSqlDatabase& db, const QString& column, const QString& table,
                              QString* error) {
    auto fail = [&](const QString& why) -> std::optional<int> {
        if (error) *error = why;
        return std::nullopt;
    };
    // Names cannot be bound; they are program constants and must look like it.
    if (!isPlainIdentifier(column) || !isPlainIdentifier(table))
        return fail(QStringLiteral("Nome de tabela ou coluna inválido: %1.%2").arg(table, column));
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT MAX(%1) FROM %2").arg(column, table)) || !q.next())
        return fail(q.lastError().text());
    const QVariant max = q.value(0);
    if (max.isNull()) return 1;
    bool ok = false;
    const int n = max.toString().trimmed().toInt(&ok);
    if (!ok || n == std::numeric_limits<int>::max())
        return fail(QStringLiteral("'%1' não é um número inteiro válido.").arg(max.toString()));
    return n + 1;
}

} // namespace vexa
