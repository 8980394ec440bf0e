#include "declaration/StateMovementStore.h"

#include "common/Money.h"
#include "declaration/DeclSql.h"

#include <QStringList>

namespace vexa::decl {

namespace {

const QString kWhereKey = QStringLiteral(" WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?");

QVariantList keyValues(const DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }

QString amountColumns() {
    QStringList columns;
    for (StateAmount a : allStateAmounts()) columns << stateAmountColumn(a);
    return columns.join(QStringLiteral(", "));
}

// Reads "UF, DomicilioFiscal, EntradaSaida" and the nine amounts.
StateRow rowFrom(const QSqlQuery& q) {
    StateRow row;
    row.uf = sql::text(q.value(0));
    row.domicilioFiscal = sql::text(q.value(1));
    row.entradaSaida = sql::text(q.value(2));
    for (int i = 0; i < kStateAmountCount; ++i) row.amounts[size_t(i)] = sql::real(q.value(3 + i));
    return row;
}

QString selectRows() {
    return QStringLiteral("SELECT UF, DomicilioFiscal, EntradaSaida, ") + amountColumns() +
           QStringLiteral(" FROM MovimentacaoPorUF") + kWhereKey;
}

QVariantList amountValues(const StateRow& row) {
    QVariantList values;
    for (double v : row.amounts) values << money::round2(v);
    return values;
}

} // namespace

QList<StateRow> loadStateRows(const DeclarationKey& key, Direction direction) {
    QList<StateRow> rows;
    QSqlQuery q;
    if (!sql::read(q, selectRows() + QStringLiteral(" AND EntradaSaida = ? ORDER BY UF, DomicilioFiscal"),
                   keyValues(key) << QString::number(int(direction))))
        return rows;
    while (q.next()) rows << rowFrom(q);
    return rows;
}

std::optional<StateRow> findStateRow(const DeclarationKey& key, Direction direction, const QString& uf,
                                     const QString& domicile) {
    QSqlQuery q;
    if (!sql::read(q, selectRows() + QStringLiteral(" AND EntradaSaida = ? AND UF = ? AND DomicilioFiscal = ?"),
                   keyValues(key) << QString::number(int(direction)) << uf << domicile) ||
        !q.next())
        return std::nullopt;
    return rowFrom(q);
}

bool insertStateRow(const DeclarationKey& key, const StateRow& row, QString* error) {
    QSqlQuery q;
    return sql::run(q,
                    QStringLiteral("INSERT INTO MovimentacaoPorUF (IE, Ano, Mes, Retificacao, EntradaSaida, UF, "
                                   "DomicilioFiscal, ") +
                        amountColumns() + QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    keyValues(key) << row.entradaSaida << row.uf << row.domicilioFiscal << amountValues(row), error);
}

bool updateStateRow(const DeclarationKey& key, const StateRow& original, const StateRow& row, QString* error) {
    QStringList sets{QStringLiteral("EntradaSaida = ?"), QStringLiteral("UF = ?"),
                     QStringLiteral("DomicilioFiscal = ?")};
    for (StateAmount a : allStateAmounts()) sets << stateAmountColumn(a) + QStringLiteral(" = ?");
    QVariantList values{row.entradaSaida, row.uf, row.domicilioFiscal};
    values += amountValues(row);
    values += keyValues(key);
    values << original.entradaSaida << original.uf << original.domicilioFiscal;
    QSqlQuery q;
    return sql::run(q,
                    QStringLiteral("UPDATE MovimentacaoPorUF SET ") + sets.join(QStringLiteral(", ")) + kWhereKey +
                        QStringLiteral(" AND EntradaSaida = ? AND UF = ? AND DomicilioFiscal = ?"),
                    values, error);
}

bool deleteStateRow(const DeclarationKey& key, Direction direction, const QString& uf, const QString& domicile,
                    QString* error) {
    QSqlQuery q;
    return sql::run(q,
                    QStringLiteral("DELETE FROM MovimentacaoPorUF") + kWhereKey +
                        QStringLiteral(" AND EntradaSaida = ? AND UF = ? AND DomicilioFiscal = ?"),
                    keyValues(key) << QString::number(int(direction)) << uf << domicile, error);
}

bool renameStateRow(const DeclarationKey& key, Direction direction, const QString& oldUf, const QString& newUf,
                    const QString& domicile, QString* error, int* renamed) {
    QSqlQuery q;
    QVariantList values{newUf};
    values += keyValues(key);
    values << QString::number(int(direction)) << oldUf << domicile;
    if (!sql::run(q,
                  QStringLiteral("UPDATE MovimentacaoPorUF SET UF = ?") + kWhereKey +
                      QStringLiteral(" AND EntradaSaida = ? AND UF = ? AND DomicilioFiscal = ?"),
                  values, error))
        return false;
    if (renamed) *renamed = q.numRowsAffected();
    return true;
}

StateTotals stateTotals(const DeclarationKey& key, Direction direction) {
    StateTotals totals;
    QStringList sums;
    for (StateAmount a : allStateAmounts()) sums << QStringLiteral("sum(%1)").arg(stateAmountColumn(a));
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("SELECT DomicilioFiscal, ") + sums.join(QStringLiteral(", ")) +
                       QStringLiteral(" FROM MovimentacaoPorUF") + kWhereKey +
                       QStringLiteral(" AND EntradaSaida = ? GROUP BY DomicilioFiscal"),
                   keyValues(key) << QString::number(int(direction))))
        return totals;
    std::array<double, kStateAmountCount> rawA{}, rawB{};
    while (q.next()) {
        const QString domicile = sql::text(q.value(0));
        auto& target = domicile == kDomicileB ? rawB : rawA;
        if (domicile != kDomicileA && domicile != kDomicileB) continue;
        for (int i = 0; i < kStateAmountCount; ++i) target[size_t(i)] += sql::real(q.value(1 + i));
    }
    for (int i = 0; i < kStateAmountCount; ++i) {
        totals.a.value[size_t(i)] = money::round2(rawA[size_t(i)]);
        totals.b.value[size_t(i)] = money::round2(rawB[size_t(i)]);
        totals.total.value[size_t(i)] = money::round2(rawA[size_t(i)] + rawB[size_t(i)]);
    }
    return totals;
}

} // namespace vexa::decl
