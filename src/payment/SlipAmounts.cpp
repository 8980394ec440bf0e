#include "payment/SlipAmounts.h"

#include "common/Conversions.h"
#include "common/ErrorLog.h"
#include "declaration/Apuracao.h"
#include "declaration/DeclSql.h"
#include "storage/Database.h"

#include <QSqlError>
#include <QSqlQuery>
#include <optional>

namespace vexa::payment {

namespace {

using namespace vexa::decl;

const QDate kDayZero(1899, 12, 30);

qint64 dayNumber(const QDate& d) { return d.isValid() ? kDayZero.daysTo(d) : 0; }

QDate firstOfMonth(const QDate& d) {
    return d.isValid() ? QDate(d.year(), d.month(), 1) : QDate(kDayZero.year(), kDayZero.month(), 1);
}

// A read of `IndicesEconomicos`: when the engine refuses it, the table error
// is shown as the screens show it and the computation goes on without the value.
bool readIndices(QSqlQuery& q, const QString& statement, const QVariantList& values) {
    q = QSqlQuery(storage::db());
    q.setForwardOnly(true);
    bool ok = q.prepare(statement);
    if (ok) {
        for (const QVariant& v : values) q.addBindValue(v);
        ok = q.exec();
    }
    if (!ok)
        reportUnhandledError(QStringLiteral("Ocorreu um erro ao abrir a tabela IndicesEconomicos") +
                             QLatin1Char('\n') + q.lastError().text());
    return ok;
}

// The IGP-DI of the month of `from`, or of the next month held after it.
std::optional<double> readIgpdiFrom(const QDate& from) {
    QSqlQuery q;
    if (!readIndices(q,
                     QStringLiteral("select Valor from IndicesEconomicos where CodigoIndice = ? and Data >= ? "
                                    "order by Data limit 1"),
                     {kIndiceIGPDI, sql::date(from)}))
        return std::nullopt;
    if (!q.next() || q.value(0).isNull()) return std::nullopt;
    return sql::real(q.value(0));
}

double readSelicSum(const QDate& from, const QDate& to) {
    QSqlQuery q;
    if (!readIndices(q,
                     QStringLiteral("select sum(Valor) from IndicesEconomicos where (CodigoIndice = ?) and "
                                    "(Data >= ?) and Data <= ?"),
                     {kIndiceSELIC, sql::date(from), sql::date(to)}))
        return 0;
    return q.next() ? sql::real(q.value(0)) : 0;
}

// The declaration's inputs that the principal reads.
struct Inputs {
    double C51 = 0, C52 = 0, C53 = 0, C61 = 0, C62 = 0, C63 = 0, C64 = 0, C72 = 0, C76 = 0, C77 = 0, C79 = 0,
           C710 = 0, C83 = 0, C84 = 0, C85 = 0, C713 = 0, C714 = 0;
};

std::optional<Inputs> declarationInputs(const QString& ie, const QString& ano, const QString& mes,
                                        const QString& retificacao) {
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("select C51, C52, C53, C61, C62, C63, C64, C72, C76, C77, C79, C710, C83, C84, "
                                  "C85, C713, C714 from Vexas where IE = ? and Ano = ? and Mes = ? and "
                                  "Retificacao = ?"),
                   {ie, ano, mes, retificacao}))
        return std::nullopt;
    if (!q.next()) return std::nullopt;
    Inputs in;
    double* target[] = {&in.C51, &in.C52, &in.C53, &in.C61, &in.C62, &in.C63, &in.C64, &in.C72, &in.C76,
                        &in.C77, &in.C79, &in.C710, &in.C83, &in.C84, &in.C85, &in.C713, &in.C714};
    for (int i = 0; i < int(std::size(target)); ++i) *target[i] = sql::real(q.value(i));
    return in;
}

// Item 9.6: the amounts to pay that the declaration lists for the period's own apuração.
double itemNineSix(const QString& ie, const QString& ano, const QString& mes, const QString& retificacao) {
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("select sum(Valor) from ICMSRecolher where (IE = ?) and (Ano = ?) and (Mes = ?) "
                                  "and (Retificacao = ?) and (TipoApuracao = 'P')"),
                   {ie, ano, mes, retificacao}))
        return 0;
    return q.next() ? sql::real(q.value(0)) : 0;
}

} // namespace

std::optional<double> IndexCache::igpdiFrom(const QDate& month) {
    const qint64 key = dayNumber(month);
    const auto it = igpdi_.constFind(key);
    if (it != igpdi_.constEnd()) return *it;
    return igpdi_[key] = readIgpdiFrom(month);
}

double IndexCache::selicSum(const QDate& from, const QDate& to) {
    const QPair<qint64, qint64> key(dayNumber(from), dayNumber(to));
    const auto it = selic_.constFind(key);
    if (it != selic_.constEnd()) return *it;
    return selic_[key] = readSelicSum(from, to);
}

QDate currentRegimeStart() { return QDate(2023, 5, 1); }
QDate oldRegimeEnd() { return QDate(2023, 4, 30); }
QDate igpdiCorrectionMonth() { return QDate(2023, 4, 1); }

qint64 daysBetween(const QDate& from, const QDate& to) { return dayNumber(to) - dayNumber(from); }

double CalculaValorReceita(const QString& ie, const QString& mes, int tipo, const QString& retificacao,
                           const QString& ano) {
    if (tipo == 6) return itemNineSix(ie, ano, mes, retificacao);
    if (tipo < 0 || tipo > 5 || tipo == 1) return 0;
    const std::optional<Inputs> in = declarationInputs(ie, ano, mes, retificacao);
    if (!in) return 0;
    const bool december = mes == QLatin1String("12");
    switch (tipo) {
    case 0: {
        const double debits = in->C51 + in->C52 + in->C53;
        const double credits = in->C61 + in->C62 + in->C63 + in->C64;
        double balance = debits - credits;
        if (balance < 0) balance = 0;
        const double result = balance - in->C72;
        return result > 0 ? result : 0;
    }
    case 2: return splitSmallBalance(in->C76 + in->C77, december).due;
    case 3: {
        const double st = in->C83 - (in->C84 + in->C85);
        return st < 0 ? 0 : st;
    }
    case 4: return splitSmallBalance(in->C79 + in->C710, december).due;
    case 5: return splitSmallBalance(in->C713 + in->C714, december).due;
    default: return 0;
    }
}

double CalculaAtualizacaoMonetaria(double valor, const QDate& dataVencimento, const QDate& /*dataPgto*/,
                                   IndexCache* cache) {
    if (!dataVencimento.isValid() || dataVencimento >= currentRegimeStart()) return 0;
    IndexCache once;
    IndexCache& indices = cache ? *cache : once;
    const std::optional<double> i1 = indices.igpdiFrom(firstOfMonth(dataVencimento));
    const std::optional<double> i2 = indices.igpdiFrom(igpdiCorrectionMonth());
    // Without both index months (or with a zero index) there is nothing to correct by.
    if (!i1 || !i2 || *i1 == 0) return 0;
    const double corrected = valor / *i1 * *i2;
    const double correction = corrected - valor;
    return correction < 0 ? 0 : correction;
}

double CalculaMulta(double base, const QDate& dataVencimento, const QDate& dataPgto) {
    if (!dataVencimento.isValid()) return 0;
    const qint64 late = daysBetween(dataVencimento, dataPgto);
    double multa;
    if (late > 30)
        multa = base * 10 / 100;
    else if (dataVencimento < currentRegimeStart())
        multa = base * 0.2 * double(daysBetween(dataVencimento, oldRegimeEnd())) / 100 +
                base * 0.33 * double(daysBetween(oldRegimeEnd(), dataPgto)) / 100;
    else
        multa = base * 0.33 * double(late) / 100;
    return multa < 0 ? 0 : multa;
}

double CalculaJuros(double base, double multa, const QDate& dataVencimento, const QDate& dataPgto,
                    IndexCache* cache) {
    if (!dataVencimento.isValid()) return 0;
    if (dataVencimento >= currentRegimeStart())
        return dataPgto.isValid() ? (base + multa) * SomaSelic(dataVencimento, dataPgto, cache) : 0;

    // 1 % for every month started from the due date up to 30/04/2023.
    int months = 0;
    for (QDate g = dataVencimento; g < oldRegimeEnd(); g = g.addDays(LastDayOfMonth(g))) ++months;
    const double oldPart = base * months / 100;
    const double newPart =
        dataPgto.isValid() ? (base + multa) * SomaSelic(currentRegimeStart(), dataPgto, cache) : 0;
    return oldPart + newPart;
}

double SomaSelic(const QDate& inicio, const QDate& dataPgto, IndexCache* cache) {
    const QDate from = firstOfMonth(inicio);
    const QDate to = firstOfMonth(dataPgto).addMonths(-1);
    if (to < from) return 0;
    return cache ? cache->selicSum(from, to) : readSelicSum(from, to);
}

SlipAmounts amountsOfPrincipal(double vlReceita, const QDate& dataVencimento, const QDate& dataPgto,
                               IndexCache* cache) {
    SlipAmounts a;
    a.Vl_Receita = vlReceita;
    a.AtualizacaoMonetaria = CalculaAtualizacaoMonetaria(a.Vl_Receita, dataVencimento, dataPgto, cache);
    const double base = a.Vl_Receita + a.AtualizacaoMonetaria;
    a.Multa = CalculaMulta(base, dataVencimento, dataPgto);
    a.Juros = CalculaJuros(base, a.Multa, dataVencimento, dataPgto, cache);
    a.ccVlTotal = a.Vl_Receita + a.AtualizacaoMonetaria + a.Multa + a.Juros;
    return a;
}

SlipAmounts computeSlipAmounts(const QString& ie, const QString& ano, const QString& mes,
                               const QString& retificacao, int tipo, const QDate& dataVencimento,
                               const QDate& dataPgto, IndexCache* cache) {
    return amountsOfPrincipal(CalculaValorReceita(ie, mes, tipo, retificacao, ano), dataVencimento, dataPgto, cache);
}

} // namespace vexa::payment
