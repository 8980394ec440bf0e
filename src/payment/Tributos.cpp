#include "payment/Tributos.h"

#include "declaration/DeclSql.h"

#include <QSqlQuery>

namespace vexa::payment {

namespace {

using namespace vexa::decl;

const QString kColumns = QStringLiteral("CodigoID, Descricao, ID, Tipo, Distribuicao");

Tributo rowOf(const QSqlQuery& q) {
    Tributo t;
    t.CodigoID = sql::text(q.value(0));
    t.Descricao = sql::text(q.value(1));
    t.ID = sql::text(q.value(2));
    t.Tipo = q.value(3).isNull() ? -1 : int(sql::integer(q.value(3)));
    t.Distribuicao = sql::text(q.value(4));
    return t;
}

QList<Tributo> list(const QString& where, const QVariantList& values) {
    QList<Tributo> all;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("select ") + kColumns + QStringLiteral(" from Tributos") + where +
                          QStringLiteral(" order by Descricao, CodigoID"),
                   values))
        return all;
    while (q.next()) all << rowOf(q);
    return all;
}

} // namespace

std::optional<Tributo> findTributo(const QString& codigoID) {
    if (codigoID.isEmpty()) return std::nullopt;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("select ") + kColumns + QStringLiteral(" from Tributos where CodigoID = ?"),
                   {codigoID}))
        return std::nullopt;
    if (!q.next()) return std::nullopt;
    return rowOf(q);
}

QList<Tributo> tributosByDescription() { return list({}, {}); }

bool kindOfferedForRegime(int tipo, const QString& tipoRegime) {
    if (tipoRegime == QLatin1String("S")) return tipo >= 2 && tipo <= 6;
    return tipo == 0 || tipo == 2 || tipo == 3 || tipo == 5 || tipo == 6;
}

QList<Tributo> tributosForRegime(const QString& tipoRegime) {
    QList<Tributo> offered;
    for (const Tributo& t : tributosByDescription())
        if (kindOfferedForRegime(t.Tipo, tipoRegime)) offered << t;
    return offered;
}

QList<Tributo> standaloneTributos() { return list(QStringLiteral(" where Tipo = ?"), {1}); }

QDate dueDate(const QString& ano, const QString& mes) {
    if (ano.isEmpty() || mes.isEmpty()) return {};
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("select DataVencimento from CalendarioFiscal where Ano = ? and Mes = ?"),
                   {ano, mes}))
        return {};
    return q.next() ? sql::date(q.value(0)) : QDate();
}

} // namespace vexa::payment
