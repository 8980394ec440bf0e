#include "payment/GateReport.h"

#include "declaration/DeclSql.h"
#include "payment/SlipCode.h"

#include <QSqlQuery>

namespace vexa::payment {

namespace {
using namespace vexa::decl;

// The calculated fields of a row, in the order the report computes them:
// the due-date note, the amounts, NossoNumero and the bar-code number.
void calculate(GateRow& r, IndexCache& indices) {
    r.Obs4 = Obs4(r.DataVencimento, r.DataPgto);
    r.amounts = computeSlipAmounts(r.IE, r.Ano, r.Mes, r.Retificacao, r.Tipo, r.DataVencimento, r.DataPgto, &indices);
    r.NossoNumero = nossoNumeroLinked(r.Periodo, r.IE);
    BarcodeInput in;
    in.ccVlTotal = r.amounts.ccVlTotal;
    in.Vl_Receita = r.amounts.Vl_Receita;
    in.Juros = r.amounts.Juros;
    in.Multa = r.amounts.Multa;
    in.Distribuicao = r.Distribuicao;
    in.TributoID = r.TributoID;
    in.NossoNumero = r.NossoNumero;
    in.origin = SlipOrigin::Linked;
    r.CodBar = CodBar(in);
}
} // namespace

QList<GateRow> qrRelatorioGATE(const QString& contribuinte, const QString& periodo, const QString& retificacao) {
    QList<GateRow> rows;
    // The rows and every amount computed for them read one snapshot of the
    // tables (and take the database's read lock once, not once per statement).
    sql::WriteUnit snapshot(QStringLiteral("gate_report"));
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral(
                       "select c.IE, c.CGC_CPF, c.RazaoSocial, c.MunicipioID, m.Descricao, m.CodIBGE, "
                       "f.DataVencimento, d.Mes, d.Ano, d.Retificacao, d.Doc_Origem, d.Obs1, d.Obs2, d.Obs3, "
                       "d.DataPgto, t.Tipo, t.ID, t.Distribuicao, t.CodigoID, t.Descricao "
                       "from dare d "
                       "join Contribuintes c on c.IE = d.IE "
                       "join CalendarioFiscal f on f.Ano = d.Ano and f.Mes = d.Mes "
                       "join Municipios m on m.CodigoID = c.MunicipioID "
                       "join Tributos t on t.CodigoID = d.CodigoTributo "
                       "where (? = '<TODOS>' or d.IE = ?) and (? = '<TODOS>' or d.Mes || d.Ano = ?) "
                       "and (? = '<TODOS>' or d.Retificacao = ?) "
                       "order by c.RazaoSocial, d.IE, d.Ano, d.Mes, d.Retificacao"),
                   {contribuinte, contribuinte, periodo, periodo, retificacao, retificacao}))
        return rows;
    while (q.next()) {
        GateRow r;
        r.IE = sql::text(q.value(0));
        r.cgc_cpf = sql::text(q.value(1));
        r.RazaoSocial = sql::text(q.value(2));
        r.MunicipioID = sql::text(q.value(3));
        r.NomeMunicipio = sql::text(q.value(4));
        r.codIBGE = sql::text(q.value(5));
        r.DataVencimento = sql::date(q.value(6));
        r.Mes = sql::text(q.value(7));
        r.Ano = sql::text(q.value(8));
        r.Periodo = r.Mes + r.Ano;
        r.Retificacao = sql::text(q.value(9));
        r.Doc_Origem = sql::text(q.value(10));
        r.Obs1 = sql::text(q.value(11));
        r.Obs2 = sql::text(q.value(12));
        r.Obs3 = sql::text(q.value(13));
        r.DataPgto = sql::date(q.value(14));
        r.Tipo = q.value(15).isNull() ? -1 : int(sql::integer(q.value(15)));
        r.TributoID = sql::text(q.value(16));
        r.Distribuicao = sql::text(q.value(17));
        r.CodigoTributos = sql::text(q.value(18));
        r.TributoDescricao = sql::text(q.value(19));
        rows << r;
    }
    q.finish();
    IndexCache indices;
    for (GateRow& r : rows) calculate(r, indices);
    snapshot.release(nullptr);
    return rows;
}

SlipContent slipContent(const GateRow& r) {
    SlipContent c;
    c.RazaoSocial = r.RazaoSocial;
    c.IE = r.IE;
    c.cgc_cpf = r.cgc_cpf;
    c.codIBGE = r.codIBGE;
    c.NossoNumero = r.NossoNumero;
    c.documento = r.Doc_Origem;
    c.CodigoTributo = r.CodigoTributos;
    c.TributoDescricao = r.TributoDescricao;
    c.observacoes = {r.Obs1, r.Obs2, r.Obs3, r.Obs4};
    c.DataVencimento = r.DataVencimento;
    c.Periodo = r.Periodo;
    c.Vl_Receita = r.amounts.Vl_Receita;
    c.Multa = r.amounts.Multa;
    c.Juros = r.amounts.Juros;
    c.Atualizacao = r.amounts.AtualizacaoMonetaria;
    c.ccVlTotal = r.amounts.ccVlTotal;
    c.CodBar = r.CodBar;
    return c;
}

QList<SlipPage> gatePages(const QList<GateRow>& rows) {
    QList<SlipContent> contents;
    for (const GateRow& r : rows) contents << slipContent(r);
    return slipPages(contents);
}

} // namespace vexa::payment
