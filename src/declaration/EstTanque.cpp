#include "declaration/EstTanque.h"

#include "declaration/DeclSql.h"

namespace vexa::decl {

namespace {

const QString kWhereKey = QStringLiteral(" WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?");
const QString kSelect = QStringLiteral("SELECT EstTanque, PRODUTO, EstQuantidade FROM EstTanque");

QVariantList keyValues(const DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }

template <class T>
QVariant value(const std::optional<T>& v) {
    return v ? QVariant(qint64(*v)) : QVariant(QMetaType(QMetaType::LongLong));
}
std::optional<qint64> optionalInteger(const QVariant& v) {
    if (v.isNull() || v.toString().trimmed().isEmpty()) return std::nullopt;
    return sql::integer(v);
}

QList<TanqueRow> readRows(const QString& statement, const QVariantList& values) {
    QList<TanqueRow> rows;
    QSqlQuery q;
    if (!sql::read(q, statement, values)) return rows;
    while (q.next()) {
        TanqueRow r;
        if (const auto t = optionalInteger(q.value(0))) r.estTanque = int(*t);
        if (const auto p = optionalInteger(q.value(1))) r.produto = int(*p);
        r.estQuantidade = optionalInteger(q.value(2));
        rows.append(r);
    }
    return rows;
}

RowPost refuse(Prompter& prompter, const QString& message, const QString& field) {
    prompter.warn(message);
    return RowPost::refused(message, field);
}

} // namespace

QList<TanqueRow> loadTanques(const DeclarationKey& key) {
    return readRows(kSelect + kWhereKey + QStringLiteral(" ORDER BY EstTanque NULLS FIRST"), keyValues(key));
}

QList<TanqueRow> findTanques(const DeclarationKey& key, int tank) {
    return readRows(kSelect + kWhereKey + QStringLiteral(" AND EstTanque = ?"), keyValues(key) + QVariantList{tank});
}

bool deleteTanque(const DeclarationKey& key, const TanqueRow& row, QString* error) {
    QSqlQuery q;
    return sql::run(q, QStringLiteral("DELETE FROM EstTanque") + kWhereKey + QStringLiteral(" AND EstTanque IS NOT DISTINCT FROM ?"),
                    keyValues(key) + QVariantList{value(row.estTanque)}, error);
}

int nextTankNumber(const DeclarationKey& key) {
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT max(EstTanque) FROM EstTanque") + kWhereKey, keyValues(key)) || !q.next())
        return 1;
    return int(sql::integer(q.value(0))) + 1;
}

TanqueRow newTanqueRow(const DeclarationKey& key) {
    TanqueRow row;
    row.estTanque = nextTankNumber(key);
    return row;
}

RowPost postTanqueRow(const DeclarationKey& key, const TanqueRow& row, const std::optional<TanqueRow>& original,
                      Prompter& prompter) {
    if (!isValidProduct(row.produto)) return refuse(prompter, fuel_msg::TanqueProduto, fuel_field::Produto);
    if (!row.estQuantidade) return refuse(prompter, fuel_msg::TanqueQuantidade, fuel_field::EstQuantidade);
    if (!row.estTanque) return refuse(prompter, fuel_msg::Tanque, fuel_field::EstTanque);

    QString error;
    QSqlQuery q;
    const QVariantList values{value(row.estTanque), value(row.produto), value(row.estQuantidade)};
    const bool ok =
        original
            ? sql::run(q,
                       QStringLiteral("UPDATE EstTanque SET EstTanque = ?, PRODUTO = ?, EstQuantidade = ?") +
                           kWhereKey + QStringLiteral(" AND EstTanque IS NOT DISTINCT FROM ?"),
                       values + keyValues(key) + QVariantList{value(original->estTanque)}, &error)
            : sql::run(q,
                       QStringLiteral("INSERT INTO EstTanque (EstTanque, PRODUTO, EstQuantidade, IE, Ano, Mes, "
                                      "Retificacao) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                       values + keyValues(key), &error);
    if (!ok) return RowPost::failed(error);
    return {};
}

std::optional<TanqueRow> existingTanqueRow(const DeclarationKey& key, const TanqueRow& row,
                                           const std::optional<TanqueRow>& original) {
    if (!row.estTanque) return std::nullopt;
    if (original && original->estTanque == row.estTanque) return std::nullopt;
    const QList<TanqueRow> rows = findTanques(key, *row.estTanque);
    if (rows.size() != 1) return std::nullopt;
    return rows.first();
}

} // namespace vexa::decl
