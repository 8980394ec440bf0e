#include "declaration/Item15Totals.h"

#include "common/Money.h"
#include "declaration/DeclSql.h"

namespace vexa::decl {

double Item15Line::diferenca() const { return money::round2(vlrContabil - devolucoes); }

Item15Totals item15Totals(const DeclarationKey& key, bool mudaDomicilio) {
    Item15Totals t;
    t.perDomicile = mudaDomicilio;
    const QVariantList values{key.ie, key.ano, key.mes, key.retificacao};
    QSqlQuery q;
    if (mudaDomicilio) {
        if (!sql::read(q,
                       QStringLiteral("SELECT DomicilioFiscal, sum(VlrContabil), sum(Devolucoes) FROM SaidasMun "
                                      "WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ? "
                                      "GROUP BY DomicilioFiscal"),
                       values))
            return t;
        while (q.next()) {
            Item15Line line{money::round2(sql::real(q.value(1))), money::round2(sql::real(q.value(2)))};
            const QString domicile = sql::text(q.value(0));
            if (domicile == QLatin1String("A")) t.a = line;
            else if (domicile == QLatin1String("B")) t.b = line;
        }
        return t;
    }
    if (sql::read(q,
                  QStringLiteral("SELECT sum(VlrContabil), sum(Devolucoes) FROM SaidasMun "
                                 "WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?"),
                  values) &&
        q.next())
        t.a = {money::round2(sql::real(q.value(0))), money::round2(sql::real(q.value(1)))};
    return t;
}

double listedCfopBookValue(const DeclarationKey& key, const QString& cfopTable) {
    // The table name is one of two fixed names, never typed by the user.
    if (cfopTable != QLatin1String("CFOP153") && cfopTable != QLatin1String("CFOP154")) return 0.0;
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("SELECT sum(o.ValorContabil) FROM MovimentacaoPorOperacoes42 o WHERE o.IE = ? AND "
                                  "o.Ano = ? AND o.Mes = ? AND o.Retificacao = ? AND o.CodigoOperacao IN "
                                  "(SELECT c.CodigoOperacao FROM %1 c)")
                       .arg(cfopTable),
                   {key.ie, key.ano, key.mes, key.retificacao}) ||
        !q.next())
        return 0.0;
    return money::round2(sql::real(q.value(0)));
}

QStringList item15CrossCheck(const DeclarationKey& key, const Item15Totals& totals) {
    QStringList warnings;
    const double listed153 = listedCfopBookValue(key, QStringLiteral("CFOP153"));
    if (money::different(totals.kept().vlrContabil, listed153)) warnings << municipality_msg::crossCheck153(listed153);
    const double listed154 = listedCfopBookValue(key, QStringLiteral("CFOP154"));
    if (money::different(totals.kept().devolucoes, listed154)) warnings << municipality_msg::crossCheck154(listed154);
    return warnings;
}

namespace municipality_msg {
QString crossCheck153(double listedSum) {
    return QStringLiteral("O valor Total da coluna 15.3 \"Saídas e/ou prestações\" será, obrigatoriamente, igual ao "
                          "valor do somatório da Coluna: A - Valor Contábil, do item 4.2.1 - Saídas e/ou prestações "
                          "interna: ") +
           money::format(listedSum) + QStringLiteral(" para os CFOP's relacionados manual de preencimento.");
}
QString crossCheck154(double listedSum) {
    return QStringLiteral("O valor Total da coluna 15.4 \"Entradas e/ou aquisições\" será, obrigatoriamente, igual "
                          "ao valor do somatório da Coluna: A - Valor Contábil, do item 4.1 - Entradas e/ou "
                          "aquisições: ") +
           money::format(listedSum) + QStringLiteral(" para os CFOP's relacionados manual de preencimento.");
}
} // namespace municipality_msg

} // namespace vexa::decl
