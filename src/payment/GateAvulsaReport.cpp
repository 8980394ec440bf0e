#include "payment/GateAvulsaReport.h"

#include "declaration/DeclSql.h"

#include <QSqlQuery>

namespace vexa::payment {

namespace {
using namespace vexa::decl;
} // namespace

QList<GateAvulsaRow> qrRelatorioGATEAvulsa(const QString& contribuinte, const QString& periodo, const QString& tributo,
                                           int seq) {
    QList<GateAvulsaRow> rows;
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral(
                       "select c.CGC_CPF, c.RazaoSocial, c.MunicipioID, m.Descricao, m.CodIBGE, "
                       "d.IE, d.Ano, d.Mes, d.CodigoTributo, d.Seq, d.DataVencimento, d.ValorReceita, d.Multa, "
                       "d.Juros, d.AtualizacaoFinaceira, d.TSE, d.Obs1, d.Obs2, d.Obs3, d.Doc_Origem, d.NumeroDoc, "
                       "d.TipoDoc, d.Objeto, t.Tipo, t.ID, t.Distribuicao, t.CodigoID, t.Descricao "
                       "from DareAvulsas d "
                       "join Contribuintes c on c.IE = d.IE "
                       "join Municipios m on m.CodigoID = c.MunicipioID "
                       "join Tributos t on t.CodigoID = d.CodigoTributo "
                       "where (? = '<TODOS>' or d.IE = ?) and (? = '<TODOS>' or d.Mes || d.Ano = ?) "
                       "and (? = '<TODOS>' or d.CodigoTributo = ?) and (? = -1 or d.Seq = ?) "
                       "order by c.RazaoSocial, d.IE, d.Ano, d.Mes, d.CodigoTributo, d.Seq"),
                   {contribuinte, contribuinte, periodo, periodo, tributo, tributo, seq, seq}))
        return rows;
    while (q.next()) {
        GateAvulsaRow r;
        r.cgc_cpf = sql::text(q.value(0));
        r.RazaoSocial = sql::text(q.value(1));
        r.MunicipioID = sql::text(q.value(2));
        r.NomeMunicipio = sql::text(q.value(3));
        r.codIBGE = sql::text(q.value(4));
        DareAvulsa& s = r.slip;
        s.key.IE = sql::text(q.value(5));
        s.key.Ano = sql::text(q.value(6));
        s.key.Mes = sql::text(q.value(7));
        s.key.CodigoTributo = sql::text(q.value(8));
        s.key.Seq = int(sql::integer(q.value(9)));
        s.DataVencimento = sql::date(q.value(10));
        s.ValorReceita = sql::real(q.value(11));
        s.Multa = sql::real(q.value(12));
        s.Juros = sql::real(q.value(13));
        s.AtualizacaoFinaceira = sql::real(q.value(14));
        s.TSE = sql::real(q.value(15));
        s.Obs1 = sql::text(q.value(16));
        s.Obs2 = sql::text(q.value(17));
        s.Obs3 = sql::text(q.value(18));
        s.Doc_Origem = sql::text(q.value(19));
        s.NumeroDoc = sql::text(q.value(20));
        s.TipoDoc = sql::text(q.value(21));
        s.Objeto = sql::text(q.value(22));
        r.Tipo = q.value(23).isNull() ? -1 : int(sql::integer(q.value(23)));
        r.TributoID = sql::text(q.value(24));
        r.Distribuicao = sql::text(q.value(25));
        r.CodigoTributos = sql::text(q.value(26));
        r.TributoDescricao = sql::text(q.value(27));
        Tributo t;
        t.CodigoID = r.CodigoTributos;
        t.Descricao = r.TributoDescricao;
        t.ID = r.TributoID;
        t.Tipo = r.Tipo;
        t.Distribuicao = r.Distribuicao;
        r.codes = avulsaCodes(s, t);
        rows << r;
    }
    return rows;
}

SlipContent slipContent(const GateAvulsaRow& r) {
    const DareAvulsa& s = r.slip;
    SlipContent c;
    c.RazaoSocial = r.RazaoSocial;
    c.IE = s.key.IE;
    c.cgc_cpf = r.cgc_cpf;
    c.codIBGE = r.codIBGE;
    c.NossoNumero = r.codes.NossoNumero;
    c.documento = s.NumeroDoc;
    c.CodigoTributo = r.CodigoTributos;
    c.TributoDescricao = r.TributoDescricao;
    c.observacoes = {s.Obs1, s.Obs2, s.Obs3, r.codes.Obs4};
    c.DataVencimento = s.DataVencimento;
    c.Periodo = r.Periodo();
    c.Vl_Receita = s.ValorReceita;
    c.Multa = s.Multa;
    c.Juros = s.Juros;
    c.Atualizacao = s.AtualizacaoFinaceira;
    c.ccVlTotal = r.codes.ccVlTotal;
    c.CodBar = r.codes.CodBar;
    return c;
}

QList<SlipPage> gateAvulsaPages(const QList<GateAvulsaRow>& rows) {
    QList<SlipContent> contents;
    for (const GateAvulsaRow& r : rows) contents << slipContent(r);
    return slipPages(contents);
}

QList<SlipPage> dareAvulsaPages(const AvulsaKey& key) {
    return gateAvulsaPages(qrRelatorioGATEAvulsa(key.IE, key.periodo(), key.CodigoTributo, key.Seq));
}

} // namespace vexa::payment
