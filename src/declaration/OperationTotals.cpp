#include "declaration/OperationTotals.h"

#include "common/ErrorLog.h"
#include "common/Money.h"
#include "storage/Database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace vexa::decl {

namespace {

constexpr std::array<Amount, kAmountCount> kAmounts{Amount::ValorContabil,        Amount::BaseCalculo,
                                                   Amount::ImpostoCreditado,     Amount::IsentasNaoTributadas,
                                                   Amount::Outras,               Amount::SubstituicaoTributaria};

AmountSums& sumsOf(OperationTotals& totals, const QString& domicile) {
    return domicile == kDomicileB ? totals.b : totals.a;
}

void finish(OperationTotals& t) {
    for (Amount a : kAmounts) {
        t.a[a] = money::round2(t.a[a]);
        t.b[a] = money::round2(t.b[a]);
    }
    t.total = t.a + t.b;
}

} // namespace

AmountSums AmountSums::operator+(const AmountSums& other) const {
    AmountSums s;
    for (size_t i = 0; i < value.size(); ++i) s.value[i] = money::round2(value[i] + other.value[i]);
    return s;
}

DeclarationOperationTotals operationTotals(const DeclarationKey& key) {
    DeclarationOperationTotals result;
    QSqlQuery q(storage::db());
    q.setForwardOnly(true);
    QString columns;
    for (Amount a : kAmounts) columns += QStringLiteral(", COALESCE(SUM(") + amountColumn(a) + QStringLiteral("), 0)");
    if (!q.prepare(QStringLiteral("SELECT EntradaSaida, DomicilioFiscal") + columns +
                   QStringLiteral(" FROM MovimentacaoPorOperacoes42 WHERE ") + DeclarationKey::whereClause() +
                   QStringLiteral(" GROUP BY EntradaSaida, DomicilioFiscal"))) {
        reportUnhandledError(q.lastError().text());
        return result;
    }
    key.bind(q);
    if (!q.exec()) {
        reportUnhandledError(q.lastError().text());
        return result;
    }
    while (q.next()) {
        const QString es = q.value(0).toString();
        const QString dom = q.value(1).toString();
        // Rows of neither domicile (never written by the program) count nowhere.
        if (dom != kDomicileA && dom != kDomicileB) continue;
        OperationTotals* t = es == QLatin1String("0")   ? &result.entries
                             : es == QLatin1String("1") ? &result.outputs
                                                        : nullptr;
        if (!t) continue;
        AmountSums& s = sumsOf(*t, dom);
        for (int i = 0; i < kAmountCount; ++i) s[kAmounts[size_t(i)]] += q.value(2 + i).toDouble();
    }
    finish(result.entries);
    finish(result.outputs);
    return result;
}

OperationTotals operationTotals(const DeclarationKey& key, Direction direction) {
    const DeclarationOperationTotals all = operationTotals(key);
    return direction == Direction::Entry ? all.entries : all.outputs;
}

OperationTotals operationTotals(const QList<OperationRow>& rows, Direction direction) {
    OperationTotals t;
    const QString es = QString::number(int(direction));
    for (const OperationRow& r : rows) {
        if (r.entradaSaida != es) continue;
        if (r.domicilioFiscal != kDomicileA && r.domicilioFiscal != kDomicileB) continue;
        AmountSums& s = sumsOf(t, r.domicilioFiscal);
        for (Amount a : kAmounts) s[a] += r.amount(a);
    }
    finish(t);
    return t;
}

} // namespace vexa::decl
