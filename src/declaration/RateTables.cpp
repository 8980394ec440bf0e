#include "declaration/RateTables.h"

#include "common/Money.h"
#include "common/StateCodes.h"
#include "declaration/DeclSql.h"
#include "storage/ReferenceLookups.h"

#include <QSqlQuery>
#include <algorithm>
#include <functional>

namespace vexa::decl {

QString rateTableName(RateTable table) {
    switch (table) {
    case RateTable::Aliquota: return QStringLiteral("Aliquota");
    case RateTable::AliquotaComp: return QStringLiteral("AliquotaComp");
    case RateTable::AliquotaConsumidor: return QStringLiteral("AliquotaConsumidor");
    }
    return {};
}

QString rateColumn(RateTable table) { return rateTableName(table); }

QString valueColumn(RateTable table) {
    return table == RateTable::AliquotaComp ? QStringLiteral("VlrComAliquota") : QStringLiteral("VlrDifAliquota");
}

ListEditor listEditorOf(RateTable table) {
    switch (table) {
    case RateTable::Aliquota: return ListEditor::Aliquota;
    case RateTable::AliquotaComp: return ListEditor::AliquotaComp;
    case RateTable::AliquotaConsumidor: return ListEditor::AliquotaConsumidor;
    }
    return ListEditor::Aliquota;
}

QString rateTableCaption(RateTable table) {
    switch (table) {
    case RateTable::Aliquota: return QStringLiteral("Detalhamento do Diferencial de Alíquota (Entradas) por UF");
    case RateTable::AliquotaComp: return QStringLiteral("Detalhamento da Complementação de Alíquota por UF");
    case RateTable::AliquotaConsumidor:
        return QStringLiteral("Detalhamento da Diferencial de Alíquotas Consumidor Final (Saídas) por UF");
    }
    return {};
}

namespace {

bool isHomeOrAbroad(const QString& code) { return code == kHomeStateNumeric || code == kAbroadNumeric; }

bool from2013(const DeclarationKey& key) { return key.ano >= QLatin1String("2013"); }

// The storage lookup's segment letter of each table in the accounting-system
// file: P entries, Q complement, S final consumers.
QString segmentOf(RateTable table) {
    switch (table) {
    case RateTable::Aliquota: return QStringLiteral("P");
    case RateTable::AliquotaComp: return QStringLiteral("Q");
    case RateTable::AliquotaConsumidor: return QStringLiteral("S");
    }
    return {};
}

bool hasStoredRate(RateTable table, const DeclarationKey& key, const QString& codigoUF, double rate) {
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("SELECT %1 FROM %2 WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ? "
                                  "AND UF = ?")
                       .arg(rateColumn(table), rateTableName(table)),
                   {key.ie, key.ano, key.mes, key.retificacao, codigoUF}))
        return false;
    while (q.next())
        if (!q.value(0).isNull() && money::same(sql::real(q.value(0)), rate)) return true;
    return false;
}

} // namespace

// ---- states -----------------------------------------------------------------------

QList<StateChoice> offeredStates(RateTable table) {
    QList<StateChoice> states;
    for (const storage::StateRow& s : storage::StateList()) {
        if (table != RateTable::AliquotaConsumidor && isHomeOrAbroad(s.codigo)) continue;
        states << StateChoice{s.codigo, s.uf};
    }
    return states;
}

// ---- rates --------------------------------------------------------------------------

std::optional<StateRates> stateRates(const QString& codigoUF) {
    if (codigoUF.isEmpty()) return std::nullopt;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT Aliquota, AliquotaN, AliquotaCF FROM AliquotaUF WHERE CodigoUF = ?"),
                   {codigoUF}) ||
        !q.next())
        return std::nullopt;
    return StateRates{sql::real(q.value(0)), sql::real(q.value(1)), sql::real(q.value(2))};
}

std::optional<double> fixedConsumerRate(const QString& codigoUF, const DeclarationKey& key) {
    if (key.yyyymm() < QLatin1String("202304")) return std::nullopt;
    static const QList<QPair<QString, double>> fixed = {
        {QStringLiteral("01"), 19}, {QStringLiteral("02"), 19}, {QStringLiteral("04"), 20},
        {QStringLiteral("05"), 19}, {QStringLiteral("12"), 20}, {QStringLiteral("15"), 19},
        {QStringLiteral("17"), 19}, {QStringLiteral("19"), 21}, {QStringLiteral("20"), 20},
        {QStringLiteral("24"), 20}, {QStringLiteral("27"), 19}, {QStringLiteral("29"), 20},
    };
    for (const auto& [code, rate] : fixed)
        if (code == codigoUF) return rate;
    return std::nullopt;
}

QList<double> offeredRates(RateTable table, const QString& codigoUF, const DeclarationKey& key) {
    if (table == RateTable::AliquotaConsumidor) {
        if (const auto r = proposedRate(table, codigoUF, key)) return {*r};
        return {};
    }
    const auto rates = stateRates(codigoUF);
    if (!rates) return {};
    QList<double> offered{rates->Aliquota};
    if (from2013(key) && money::different(rates->AliquotaN, rates->Aliquota)) offered << rates->AliquotaN;
    std::sort(offered.begin(), offered.end(), std::greater<double>());
    return offered;
}

std::optional<double> proposedRate(RateTable table, const QString& codigoUF, const DeclarationKey& key) {
    if (table == RateTable::AliquotaConsumidor) {
        if (const auto fixed = fixedConsumerRate(codigoUF, key)) return fixed;
        if (const auto rates = stateRates(codigoUF)) return rates->AliquotaCF;
        return std::nullopt;
    }
    const QList<double> offered = offeredRates(table, codigoUF, key);
    if (offered.isEmpty()) return std::nullopt;
    // The higher rate is usually the one; a state already listed at it takes the lower one.
    if (offered.size() > 1 && from2013(key) && hasStoredRate(table, key, codigoUF, offered.first()))
        return offered.last();
    return offered.first();
}

bool isAcceptedLineRate(RateTable table, const QString& codigoUF, const DeclarationKey& key, double rate) {
    // A state without rates accepts none.
    if (!stateRates(codigoUF)) return false;
    return storage::IsAcceptedRate(codigoUF, key.ano, segmentOf(table), key.mes, rate);
}

// ---- the line -----------------------------------------------------------------------

bool RateLine::sameKey(const RateLine& other) const {
    return UF == other.UF && DomicilioFiscal == other.DomicilioFiscal && aliquota.has_value() == other.aliquota.has_value() &&
           (!aliquota || money::same(*aliquota, *other.aliquota));
}

bool RateLine::sameStored(const RateLine& other) const {
    return sameKey(other) && CidadeID == other.CidadeID && money::same(VlrContabil, other.VlrContabil) &&
           money::same(VlrBaseCalculo, other.VlrBaseCalculo) && money::same(valor, other.valor) &&
           money::same(Origem, other.Origem) && money::same(Destino, other.Destino);
}

qint64 lineCity(const QString& domicilioFiscal, qint64 cidadeA, qint64 cidadeB) {
    return domicilioFiscal == kDomicileB ? cidadeB : cidadeA;
}

std::optional<int> requiredOriginPercent(int year) {
    switch (year) {
    case 2016: return 60;
    case 2017: return 40;
    case 2018: return 20;
    case 2019: return 0;
    default: return std::nullopt;
    }
}

double originShare(double differential, int percent) {
    const qint64 cents = money::toCents(differential);
    const qint64 scaled = (cents < 0 ? -cents : cents) * percent;
    qint64 share = scaled / 100;
    const qint64 rest = scaled % 100;
    if (rest > 50 || (rest == 50 && share % 2 != 0)) ++share;
    return money::fromCents(cents < 0 ? -share : share);
}

CheckResult checkOrigem(const DeclarationKey& key, double differential, double origem) {
    const auto percent = requiredOriginPercent(key.year());
    if (!percent) return CheckResult::pass();
    if (*percent == 0) {
        if (money::round2(origem) > 0)
            return CheckResult::fail(QStringLiteral("O VALOR DE ORIGEM DEVE SER 0,00"), rate_field::Origem);
        return CheckResult::pass();
    }
    if (money::different(origem, originShare(differential, *percent)))
        return CheckResult::fail(
            QStringLiteral("O VALOR DE ORIGEM DEVE SER %1% DO VALOR DE DIFERENCIAL DE ALÍQUOTA").arg(*percent),
            rate_field::Origem);
    return CheckResult::pass();
}

CheckResult checkRateLineFields(RateTable table, const DeclarationKey& key, const RateLine& line) {
    const bool consumer = table == RateTable::AliquotaConsumidor;
    // The differential is the sum of both shares, to the cent.
    if (consumer && money::different(line.valor, line.Origem + line.Destino))
        return CheckResult::fail(rate_msg::DiferencialOrigemDestino, rate_field::Valor);
    if (line.UF.isEmpty()) return CheckResult::fail(rate_msg::UfDeveSerInformada, rate_field::UF);
    if (!IsNumericStateCode(line.UF) || (!consumer && isHomeOrAbroad(line.UF)))
        return CheckResult::fail(rate_msg::UfInvalida, rate_field::UF);
    if (!isAcceptedLineRate(table, line.UF, key, line.rate()))
        return CheckResult::fail(rate_msg::AliquotaInvalida, rate_field::Aliquota);
    return CheckResult::pass();
}

} // namespace vexa::decl
