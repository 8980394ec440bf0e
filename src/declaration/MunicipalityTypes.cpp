#include "declaration/MunicipalityTypes.h"

#include "common/Money.h"
#include "declaration/DeclSql.h"

namespace vexa::decl {

qint64 MunicipalityContext::cityOf(const QString& domicile) const {
    return domicile == QLatin1String("B") ? cidadeB : cidadeA;
}

MunicipalityContext loadMunicipalityContext(const DeclarationKey& key) {
    MunicipalityContext ctx;
    ctx.key = key;
    QSqlQuery q;
    if (sql::read(q,
                  QStringLiteral("SELECT MudaDomicilio, CidadeB FROM Vexas WHERE IE = ? AND Ano = ? AND Mes = ? "
                                 "AND Retificacao = ?"),
                  {key.ie, key.ano, key.mes, key.retificacao}) &&
        q.next()) {
        ctx.mudaDomicilio = sql::text(q.value(0)) == QLatin1String("S");
        ctx.cidadeB = sql::integer(q.value(1));
    }
    if (sql::read(q,
                  QStringLiteral("SELECT c.RazaoSocial, (SELECT m.CodIBGE FROM Municipios m "
                                 "WHERE m.CodigoID = c.MunicipioID LIMIT 1) FROM Contribuintes c WHERE c.IE = ?"),
                  {key.ie}) &&
        q.next()) {
        ctx.razaoSocial = sql::text(q.value(0));
        ctx.cidadeA = sql::integer(q.value(1));
    }
    return ctx;
}

double SaidaMunRow::totalVlrDiferenca() const { return money::round2(vlrContabil - devolucoes); }

bool SaidaMunRow::sameStored(const SaidaMunRow& o) const {
    return municipioID == o.municipioID && domicilioFiscal == o.domicilioFiscal &&
           money::same(vlrContabil, o.vlrContabil) && money::same(devolucoes, o.devolucoes) && cidadeID == o.cidadeID;
}

bool MercadoriaRow::sameStored(const MercadoriaRow& o) const {
    return ieEmpresa == o.ieEmpresa && domicilioFiscal == o.domicilioFiscal && municipioID == o.municipioID &&
           money::same(valor, o.valor) && cidadeID == o.cidadeID;
}

bool NotaFiscalRow::sameStored(const NotaFiscalRow& o) const {
    if (numNota != o.numNota || valor.has_value() != o.valor.has_value()) return false;
    return !valor || money::same(*valor, *o.valor);
}

QString NotaFiscalRow::numeroText() const {
    if (!numNota) return {};
    return QStringLiteral("%1").arg(*numNota, 6, 10, QLatin1Char('0'));
}

namespace municipality_msg {
QString duplicateMunicipio(const QString& municipioNom) {
    return QStringLiteral("Já existe um registro cadastrado para o município ") + municipioNom;
}
QString ieDoContribuinte(const QString& razaoSocial) {
    return QStringLiteral("Identificação da Empresa (IE) deve ser diferente da inscrição estadual do contribuinte ") +
           razaoSocial;
}
QString duplicateNota(const QString& numero) {
    return QStringLiteral("Já existe um registro cadastrado para o número de nota:  ") + numero;
}
} // namespace municipality_msg

} // namespace vexa::decl
