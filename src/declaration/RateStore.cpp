#include "declaration/RateStore.h"

#include "common/Money.h"
#include "declaration/DeclSql.h"
#include "declaration/DeclarationService.h"
#include "declaration/VexaRow.h"
#include "storage/Database.h"

#include <QSqlError>
#include <QSqlQuery>

namespace vexa::decl {

namespace {

const QString kWhereKey = QStringLiteral("IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?");

QVariantList keyValues(const DeclarationKey& key) { return {key.ie, key.ano, key.mes, key.retificacao}; }

bool isConsumer(RateTable table) { return table == RateTable::AliquotaConsumidor; }

QVariant rateValue(const std::optional<double>& rate) {
    return rate ? QVariant(*rate) : QVariant(QMetaType(QMetaType::Double));
}

QString otherDomicile(const QString& d) { return d == kDomicileB ? kDomicileA : kDomicileB; }

// "... AND UF = ? AND DomicilioFiscal = ? AND <rate> IS NOT DISTINCT FROM ?": one line by its key
// (IS matches a rate left empty by an older layout too).
QString whereLine(RateTable table) {
    return kWhereKey + QStringLiteral(" AND UF = ? AND DomicilioFiscal = ? AND %1 IS NOT DISTINCT FROM ?").arg(rateColumn(table));
}

QVariantList lineKeyValues(const DeclarationKey& key, const QString& uf, const QString& domicilio,
                           const std::optional<double>& rate) {
    return keyValues(key) << uf << domicilio << rateValue(rate);
}

bool lineExists(RateTable table, const DeclarationKey& key, const QString& uf, const QString& domicilio,
                const std::optional<double>& rate, QString* error, bool* exists) {
    QSqlQuery q;
    if (!sql::run(q, QStringLiteral("SELECT count(*) FROM %1 WHERE %2").arg(rateTableName(table), whereLine(table)),
                  lineKeyValues(key, uf, domicilio, rate), error))
        return false;
    *exists = q.next() && q.value(0).toInt() > 0;
    return true;
}

bool insertLine(RateTable table, const DeclarationKey& key, const RateLine& l, QString* error) {
    QString columns = QStringLiteral("IE, Ano, Mes, Retificacao, UF, %1, DomicilioFiscal, CidadeID, VlrContabil, "
                                     "VlrBaseCalculo, %2")
                          .arg(rateColumn(table), valueColumn(table));
    QVariantList values = keyValues(key) << l.UF << rateValue(l.aliquota) << l.DomicilioFiscal << l.CidadeID
                                         << l.VlrContabil << l.VlrBaseCalculo << l.valor;
    if (isConsumer(table)) {
        columns += QStringLiteral(", Origem, Destino");
        values << l.Origem << l.Destino;
    }
    QString marks = QStringLiteral("?");
    for (int i = 1; i < values.size(); ++i) marks += QStringLiteral(", ?");
    QSqlQuery q;
    return sql::run(q, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(rateTableName(table), columns, marks),
                    values, error);
}

bool updateLine(RateTable table, const DeclarationKey& key, const RateLine& l, const RateLine& original,
                QString* error) {
    QString set = QStringLiteral("UF = ?, %1 = ?, DomicilioFiscal = ?, CidadeID = ?, VlrContabil = ?, "
                                 "VlrBaseCalculo = ?, %2 = ?")
                      .arg(rateColumn(table), valueColumn(table));
    QVariantList values{l.UF, rateValue(l.aliquota), l.DomicilioFiscal, l.CidadeID, l.VlrContabil, l.VlrBaseCalculo,
                        l.valor};
    if (isConsumer(table)) {
        set += QStringLiteral(", Origem = ?, Destino = ?");
        values << l.Origem << l.Destino;
    }
    values << lineKeyValues(key, original.UF, original.DomicilioFiscal, original.aliquota);
    QSqlQuery q;
    return sql::run(q, QStringLiteral("UPDATE %1 SET %2 WHERE %3").arg(rateTableName(table), set, whereLine(table)),
                    values, error);
}

// The other domicile's twin of a line whose state or rate changed follows it,
// unless the place it would move to is taken.
bool moveTwin(RateTable table, const DeclarationKey& key, const RateLine& line, const RateLine& original,
              QString* error, bool* moved) {
    *moved = false;
    const QString twinDomicile = otherDomicile(original.DomicilioFiscal);
    bool twin = false, taken = false;
    if (!lineExists(table, key, original.UF, twinDomicile, original.aliquota, error, &twin)) return false;
    if (!twin) return true;
    if (!lineExists(table, key, line.UF, twinDomicile, line.aliquota, error, &taken)) return false;
    if (taken) return true;
    QSqlQuery q;
    if (!sql::run(q,
                  QStringLiteral("UPDATE %1 SET UF = ?, %2 = ? WHERE %3")
                      .arg(rateTableName(table), rateColumn(table), whereLine(table)),
                  QVariantList{line.UF, rateValue(line.aliquota)}
                      << lineKeyValues(key, original.UF, twinDomicile, original.aliquota),
                  error))
        return false;
    *moved = true;
    return true;
}

RatePostResult failed(QString error) {
    RatePostResult r;
    r.status = RatePost::Failed;
    r.error = error.isEmpty() ? storage::db().lastError().text() : std::move(error);
    return r;
}

} // namespace

RateContext rateContextOf(const DeclarationKey& key) {
    RateContext ctx;
    ctx.key = key;
    if (const auto row = loadVexa(key)) {
        ctx.mudaDomicilio = row->changedDomicile();
        ctx.cidadeB = row->CidadeB;
    }
    ctx.cidadeA = taxpayerCityIBGE(key.ie);
    return ctx;
}

QList<RateLine> loadRateLines(RateTable table, const DeclarationKey& key) {
    QList<RateLine> lines;
    QString columns = QStringLiteral("UF, %1, DomicilioFiscal, CidadeID, VlrContabil, VlrBaseCalculo, %2")
                          .arg(rateColumn(table), valueColumn(table));
    if (isConsumer(table)) columns += QStringLiteral(", Origem, Destino");
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY UF NULLS FIRST, DomicilioFiscal NULLS FIRST, %4 NULLS FIRST")
                       .arg(columns, rateTableName(table), kWhereKey, rateColumn(table)),
                   keyValues(key)))
        return lines;
    while (q.next()) {
        RateLine l;
        l.UF = sql::text(q.value(0));
        if (!q.value(1).isNull()) l.aliquota = sql::real(q.value(1));
        l.DomicilioFiscal = sql::text(q.value(2));
        l.CidadeID = sql::integer(q.value(3));
        l.VlrContabil = sql::real(q.value(4));
        l.VlrBaseCalculo = sql::real(q.value(5));
        l.valor = sql::real(q.value(6));
        if (isConsumer(table)) {
            l.Origem = sql::real(q.value(7));
            l.Destino = sql::real(q.value(8));
        }
        lines << l;
    }
    return lines;
}

RateLine newRateLine(const RateContext& ctx, const QString& domicilioFiscal) {
    RateLine l;
    l.DomicilioFiscal = domicilioFiscal;
    l.CidadeID = lineCity(domicilioFiscal, ctx.cidadeA, ctx.cidadeB);
    return l;
}

void chooseState(RateTable table, const RateContext& ctx, RateLine& line, const QString& codigoUF) {
    line.UF = codigoUF;
    line.CidadeID = lineCity(line.DomicilioFiscal, ctx.cidadeA, ctx.cidadeB);
    line.aliquota = proposedRate(table, codigoUF, ctx.key);
}

RatePostResult postRateLine(RateTable table, const RateContext& ctx, const RateLine& typed,
                            const std::optional<RateLine>& original) {
    RateLine line = typed;
    if (line.DomicilioFiscal.isEmpty()) line.DomicilioFiscal = kDomicileA;
    if (line.aliquota) line.aliquota = money::round2(*line.aliquota);
    line.VlrContabil = money::round2(line.VlrContabil);
    line.VlrBaseCalculo = money::round2(line.VlrBaseCalculo);
    line.valor = money::round2(line.valor);
    line.Origem = money::round2(line.Origem);
    line.Destino = money::round2(line.Destino);

    RatePostResult result;
    QString error;
    if (!ctx.bulkUpdate) {
        if (CheckResult c = checkRateLineFields(table, ctx.key, line); !c) {
            result.status = RatePost::Refused;
            result.check = c;
            return result;
        }
        // One line per state, domicile and rate: a new line or an edit that
        // would take the place of another line is dropped.
        const bool itself = original && original->sameKey(line);
        bool exists = false;
        if (!lineExists(table, ctx.key, line.UF, line.DomicilioFiscal, line.aliquota, &error, &exists))
            return failed(error);
        if (exists && !itself) {
            result.status = RatePost::Discarded;
            result.check = CheckResult::fail(rate_msg::JaExisteUf + line.UF, rate_field::UF);
            return result;
        }
        if (!isConsumer(table) && !line.aliquota) {
            result.status = RatePost::Refused;
            result.check = CheckResult::fail(rate_msg::AliquotaDeveSerInformada, rate_field::Aliquota);
            return result;
        }
    }

    storage::Transaction tx;
    if (original) {
        if (!updateLine(table, ctx.key, line, *original, &error)) return failed(error);
        if (!original->sameKey(line) && original->DomicilioFiscal == line.DomicilioFiscal &&
            !moveTwin(table, ctx.key, line, *original, &error, &result.twinMoved))
            return failed(error);
    } else if (!insertLine(table, ctx.key, line, &error)) {
        return failed(error);
    }
    if (!ctx.bulkUpdate && ctx.mudaDomicilio && line.DomicilioFiscal == kDomicileA) {
        bool exists = false;
        if (!lineExists(table, ctx.key, line.UF, kDomicileB, line.aliquota, &error, &exists)) return failed(error);
        if (!exists) {
            RateLine twin;
            twin.UF = line.UF;
            twin.aliquota = line.aliquota;
            twin.DomicilioFiscal = kDomicileB;
            twin.CidadeID = ctx.cidadeB;
            if (!insertLine(table, ctx.key, twin, &error)) return failed(error);
            result.twinCreated = true;
        }
    }
    if (!tx.commit()) return failed({});
    result.status = RatePost::Posted;
    result.stored = line;
    return result;
}

RateDelete deleteRateLine(RateTable table, const RateContext& ctx, const RateLine& line, Prompter& prompter,
                          QString* error) {
    if (!prompter.ask(rate_msg::ConfirmaExclusao)) return RateDelete::NotConfirmed;
    storage::Transaction tx;
    const QString statement = QStringLiteral("DELETE FROM %1 WHERE %2").arg(rateTableName(table), whereLine(table));
    QSqlQuery q;
    bool ok = sql::run(q, statement, lineKeyValues(ctx.key, line.UF, line.DomicilioFiscal, line.aliquota), error);
    if (ok && ctx.mudaDomicilio)
        ok = sql::run(q, statement,
                      lineKeyValues(ctx.key, line.UF, otherDomicile(line.DomicilioFiscal), line.aliquota), error);
    if (!ok || !tx.commit()) {
        tx.rollback();
        if (error && error->isEmpty()) *error = storage::db().lastError().text();
        return RateDelete::Failed;
    }
    return RateDelete::Deleted;
}

RateTotals rateTotals(RateTable table, const DeclarationKey& key) {
    RateTotals t;
    QString sums = QStringLiteral("sum(t.VlrContabil), sum(t.VlrBaseCalculo), sum(t.%1)").arg(valueColumn(table));
    if (isConsumer(table)) sums += QStringLiteral(", sum(t.Origem), sum(t.Destino)");
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("SELECT %1 FROM %2 t INNER JOIN AliquotaUF u ON u.CodigoUF = t.UF "
                                  "WHERE t.IE = ? AND t.Ano = ? AND t.Mes = ? AND t.Retificacao = ?")
                       .arg(sums, rateTableName(table)),
                   keyValues(key)) ||
        !q.next())
        return t;
    t.VlrContabil = money::round2(sql::real(q.value(0)));
    t.VlrBaseCalculo = money::round2(sql::real(q.value(1)));
    t.valor = money::round2(sql::real(q.value(2)));
    if (isConsumer(table)) {
        t.Origem = money::round2(sql::real(q.value(3)));
        t.Destino = money::round2(sql::real(q.value(4)));
    }
    return t;
}

} // namespace vexa::decl
