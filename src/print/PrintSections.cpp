#include "print/PrintSections.h"

#include "common/Conversions.h"
#include "common/Masks.h"
#include "common/Money.h"
#include "declaration/Apuracao.h"
#include "declaration/FuelTypes.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace vexa::print {

namespace {

const QString kX = QStringLiteral("X");
inline constexpr int kCfopDescriptionWidth = 62;

QString mark(bool on) {
    return on ? kX : QString();
}
QString date(const QDate& d) {
    return d.isValid() ? d.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}
QString amount(double v) {
    return money::format(v);
}
QString masked(const QString& mask, const QString& digits) {
    return digits.isEmpty() ? QString() : applyMask(mask, digits);
}
QString count(const std::optional<qint64>& n) {
    return n ? groupedNumber(double(*n), 0) : QString();
}
QString number(const std::optional<qint64>& n) {
    return n ? QString::number(*n) : QString();
}

// "35 - SP"; the code alone when the state is not in the table.
QString stateText(const QString& code, const QString& letters) {
    return letters.isEmpty() ? code : code + QStringLiteral(" - ") + letters;
}
QString codedText(qint64 code, const QString& description) {
    const QString c = QString::number(code);
    return description.isEmpty() ? c : c + QStringLiteral(" - ") + description;
}
// A registration of 11 digits is a CPF, of 14 a CNPJ; anything else as stored.
QString documentText(const QString& digits) {
    if (digits.size() == 11) return formatCPF(digits);
    if (digits.size() == 14) return applyMask(QStringLiteral("99.999.999/9999-99;0;_"), digits);
    return digits;
}

// Running totals of one group, kept apart for the current domicile (A) and
// the previous one (B). Without a change of domicile every line counts in the
// one total printed.
template <size_t N> struct RunningTotals {
    std::array<double, N> a{};
    std::array<double, N> b{};
    void add(bool domicileA, const std::array<double, N>& values) {
        auto& t = domicileA ? a : b;
        for (size_t i = 0; i < N; ++i) t[i] += values[i];
    }
    static std::array<QString, N> formatted(const std::array<double, N>& t) {
        std::array<QString, N> out;
        for (size_t i = 0; i < N; ++i) out[i] = amount(t[i]);
        return out;
    }
};

bool countsAsA(const QString& domicilio, bool showDomicile) {
    return !showDomicile || domicilio == QLatin1String("A");
}

// ---- section 1 -------------------------------------------------------------------------

Identification identification(const HeaderSource& h, const QList<TareSource>& tare) {
    const decl::VexaRow& v = h.vexa;
    Identification id;
    id.razaoSocial = h.RazaoSocial;
    id.inscricaoEstadual = masked(kMaskIE, v.IE);
    id.periodo = v.Mes + QLatin1Char('/') + v.Ano;
    id.atividade = h.AtividadeEconomicaPrincip;
    id.atividadeDescricao = h.AtividadeDescricao;
    id.unico = mark(h.TipoEstabelecimento == QLatin1String("U"));
    id.matriz = mark(h.TipoEstabelecimento == QLatin1String("M"));
    id.filial = mark(h.TipoEstabelecimento == QLatin1String("F"));
    id.tareSim = mark(h.PortadorTare);
    id.tareNao = mark(!h.PortadorTare);
    for (const TareSource& t : tare) id.tare.append({t.NumeroTare, date(t.DataVencto)});
    if (id.tare.isEmpty()) id.tare.append(TareLine{});
    id.fiscal = mark(h.TipoEscrituracao == QLatin1String("F"));
    id.contabil = mark(h.TipoEscrituracao == QLatin1String("C"));
    id.saldoInicial = amount(v.SaldoInicialCaixa);
    id.saldoFinal = amount(v.SaldoFinalCaixa);
    id.ecfSim = mark(h.UsuarioECF);
    id.ecfNao = mark(!h.UsuarioECF);
    const bool rectifying = v.Retificacao.toInt() >= 1;
    id.retificadoraSim = mark(rectifying);
    id.retificadoraNao = mark(!rectifying);
    id.mudouSim = mark(v.changedDomicile());
    id.mudouNao = mark(!v.changedDomicile());
    id.domicilioA = {h.MunicipioA, date(v.DtIniA), date(v.DtFimA)};
    id.domicilioB = {v.CidadeB ? codedText(v.CidadeB, h.MunicipioB) : QString(), date(v.DtIniB),
                     date(v.DtFimB)};
    id.regimeNormal = mark(h.TipoRegime == QLatin1String("N"));
    id.regimeSimples = mark(h.TipoRegime != QLatin1String("N"));
    return id;
}

QString kindHeading(bool entries, const QString& tipoOperacao) {
    const QString item = entries ? QStringLiteral("4.1.") : QStringLiteral("4.2.");
    if (tipoOperacao == QLatin1String("1")) return item + QStringLiteral("2 - INTERESTADUAL");
    if (tipoOperacao == QLatin1String("2")) return item + QStringLiteral("3 - EXTERIOR");
    return item + QStringLiteral("1 - INTERNA");
}

IdentificationSection section1(const DeclarationSource& s, bool showDomicile) {
    IdentificationSection out;
    out.id = identification(s.header, s.tare);
    out.emptyBand = s.operations.isEmpty();

    RunningTotals<kOperationColumns> totals;
    auto closeGroup = [&] {
        if (out.groups.isEmpty()) return;
        out.groups.last().totalA = totals.formatted(totals.a);
        out.groups.last().totalB = totals.formatted(totals.b);
    };
    std::optional<bool> groupEntries;
    std::optional<QString> kind;
    for (const OperationSource& o : s.operations) {
        const bool entries = o.EntradaSaida == QLatin1String("0");
        if (groupEntries != entries) {
            closeGroup();
            OperationGroup g;
            g.heading = entries ? QStringLiteral("4.1 - ENTRADAS E/OU AQUISIÇÕES")
                                : QStringLiteral("4.2 - SAÍDAS E/OU PRESTAÇÕES");
            g.taxCaption = entries ? QStringLiteral("C -CRÉDITO DO") : QStringLiteral("C - DÉBITO DO");
            out.groups.append(g);
            totals = {};
            groupEntries = entries;
            kind.reset();
        }
        OperationGroup& g = out.groups.last();
        if (kind != o.TipoOperacao) {
            g.kinds.append({kindHeading(entries, o.TipoOperacao), {}});
            kind = o.TipoOperacao;
        }
        const std::array<double, kOperationColumns> values{o.ValorContabil,    o.BaseCalculo,
                                                           o.ImpostoCreditado, o.IsentasNaoTributadas,
                                                           o.Outras,           o.SubstituicaoTributaria};
        OperationLine line;
        line.cfop = QString::number(o.CodigoOperacao);
        line.descricao = cutCfopDescription(o.Descricao);
        line.domicilio = o.DomicilioFiscal;
        for (int i = 0; i < kOperationColumns; ++i) line.amounts[i] = amount(values[i]);
        g.kinds.last().lines.append(line);
        totals.add(countsAsA(o.DomicilioFiscal, showDomicile), values);
    }
    closeGroup();
    return out;
}

// ---- sections 2 to 7 ---------------------------------------------------------------------

QString lawText(qint64 code, const QString& description) {
    return codedText(code, description);
}

LawListSection lawSection(const QList<LawSource>& rows) {
    LawListSection out;
    double total = 0;
    for (const LawSource& r : rows) {
        out.lines.append({r.Tipo, lawText(r.CodLei, r.DescLei), amount(r.Valor)});
        total += r.Valor;
    }
    out.total = amount(total);
    out.emptyBand = rows.isEmpty();
    return out;
}

DeductionsSection deductions(const QList<DeductionSource>& rows) {
    DeductionsSection out;
    double total = 0;
    for (const DeductionSource& r : rows) {
        const double parSuj = r.ICMSDevido - r.MediaICMS;
        DeductionLine line;
        line.origem = r.Tipo;
        line.baseLegal = lawText(r.CodLei, r.DescLei);
        line.icmsDevido = amount(r.ICMSDevido);
        line.mediaIcms = amount(r.MediaICMS);
        line.parSujIncentivo = amount(parSuj);
        line.parIncentivada = amount(parSuj * 0.75);
        line.subParIncentivada = amount(parSuj * 0.75 * 0.05);
        line.valor = amount(r.VlrDeducao);
        out.lines.append(line);
        total += r.VlrDeducao;
    }
    out.total = amount(total);
    out.emptyBand = rows.isEmpty();
    return out;
}

enum class RateValue { StateDifference, OwnRateDifference, Stored };

RateSection rateSection(const QList<RateSource>& rows, RateValue rule, bool withShares, bool showDomicile) {
    RateSection out;
    out.vazio = rows.isEmpty();
    out.withShares = withShares;
    double contabil = 0, base = 0, value = 0, origem = 0, destino = 0;
    for (const RateSource& r : rows) {
        RateLine line;
        line.uf = stateText(r.UF, r.Sigla);
        line.aliquota = rateText(r.Aliquota);
        line.domicilio = showDomicile ? r.DomicilioFiscal : QString();
        line.valorContabil = amount(r.VlrContabil);
        line.baseCalculo = amount(r.VlrBaseCalculo);
        std::optional<double> v;
        switch (rule) {
        case RateValue::StateDifference:
            // A state missing from the rate table has no internal rate to differ from.
            if (r.AliquotaUF) v = stateLineDifference(*r.AliquotaUF, r.VlrBaseCalculo);
            break;
        case RateValue::OwnRateDifference: v = stateLineDifference(r.Aliquota, r.VlrBaseCalculo); break;
        case RateValue::Stored: v = r.Valor; break;
        }
        line.valor = v ? amount(*v) : QString();
        if (withShares) {
            line.origem = amount(r.Origem);
            line.destino = amount(r.Destino);
        }
        out.lines.append(line);
        contabil += r.VlrContabil;
        base += r.VlrBaseCalculo;
        value += v.value_or(0);
        origem += r.Origem;
        destino += r.Destino;
    }
    out.total.valorContabil = amount(contabil);
    out.total.baseCalculo = amount(base);
    out.total.valor = amount(value);
    if (withShares) {
        out.total.origem = amount(origem);
        out.total.destino = amount(destino);
    }
    return out;
}

// ---- sections 8 and 9 ----------------------------------------------------------------------

ToPaySection toPay(const QList<ToPaySource>& rows, const std::array<QString, 3>& kinds,
                   const std::array<QString, 3>& captions) {
    ToPaySection out;
    out.captions = captions;
    std::array<QList<ToPayCell>, 3> lists;
    std::array<double, 3> totals{};
    for (const ToPaySource& r : rows)
        for (int k = 0; k < 3; ++k)
            if (r.TipoApuracao == kinds[k]) {
                lists[k].append({date(r.DtVencimento), amount(r.Valor)});
                totals[k] += r.Valor;
            }
    // The longest list drives the lines; the others step along and print blanks once they run out.
    qsizetype longest = 0;
    for (const auto& l : lists) longest = std::max(longest, l.size());
    for (qsizetype i = 0; i < longest; ++i) {
        std::array<ToPayCell, 3> line;
        for (int k = 0; k < 3; ++k)
            if (i < lists[k].size()) line[k] = lists[k][i];
        out.lines.append(line);
    }
    for (int k = 0; k < 3; ++k) out.totals[k] = amount(totals[k]);
    out.emptyBand = longest == 0;
    return out;
}

// ---- section 10 ------------------------------------------------------------------------------

StockStateSection stockAndStates(const DeclarationSource& s, bool showDomicile) {
    StockStateSection out;
    const StockSource st = s.stock.isEmpty() ? StockSource{} : s.stock.first();
    out.stock = {{QStringLiteral("Tributadas"), amount(st.EITributadas), amount(st.EFTributadas)},
                 {QStringLiteral("Isentas e/ou Não Tributadas"), amount(st.EIIsentasNaoTributadas),
                  amount(st.EFIsentasNaoTributadas)},
                 {QStringLiteral("Outras"), amount(st.EIOutras), amount(st.EFOutras)},
                 {QStringLiteral("Substituição Tributária"), amount(st.EISubstituicaoTributaria),
                  amount(st.EFSubstituicaoTributaria)},
                 {QStringLiteral("Totais"), amount(st.EITotal), amount(st.EFTotal)}};
    out.emptyBand = s.states.isEmpty();

    RunningTotals<kStateColumns> totals;
    auto closeGroup = [&] {
        if (out.groups.isEmpty()) return;
        out.groups.last().totalA = totals.formatted(totals.a);
        out.groups.last().totalB = totals.formatted(totals.b);
    };
    auto openGroup = [&](bool entries) {
        closeGroup();
        StateGroup g;
        g.entries = entries;
        if (entries) {
            g.heading =
                QStringLiteral("11 - DETALHAMENTO DAS ENTRADAS DE MERCADORIAS E/OU AQUISIÇÕES DE SERVIÇOS "
                               "POR UNIDADE DA FEDERAÇÃO");
            g.captions = {
                QStringLiteral("11.1 - CÓD. UF"),         QStringLiteral("11.2 - VALOR CONTÁBIL"),
                QStringLiteral("11.3 - BASE DE CÁLCULO"), QStringLiteral("11.4 - CRÉDITO DO IMPOSTO"),
                QStringLiteral("11.5 - ISENTAS/NÃO"),     QStringLiteral("11.6 - OUTRAS"),
                QStringLiteral("11.7 - SUBSTITUIÇÃO"),    QStringLiteral("11.8 TOTAL")};
        } else {
            g.heading =
                QStringLiteral("12 - DETALHAMENTO DAS SAÍDAS DE MERCADORIAS E/OU PRESTAÇÕES SERVIÇOS POR "
                               "UNIDADE DA FEDERAÇÃO");
            g.captions = {
                QStringLiteral("12.1 - CÓD. UF"),         QStringLiteral("12.2 - VALOR CONTÁBIL"),
                QStringLiteral("12.3 - BASE DE CÁLCULO"), QStringLiteral("12.4 - DÉBITO DO IMPOSTO"),
                QStringLiteral("12.5 - ISENTAS/NÃO"),     QStringLiteral("12.6 - OUTRAS"),
                QStringLiteral("12.7 - SUBSTITUIÇÃO"),    QStringLiteral("12.8 TOTAL")};
        }
        out.groups.append(g);
        totals = {};
    };
    // Without movement by state, items 11 and 12 print their empty frames with zero totals.
    if (out.emptyBand) {
        openGroup(true);
        openGroup(false);
    }
    std::optional<bool> groupEntries;
    for (const StateSource& r : s.states) {
        const bool entries = r.EntradaSaida == QLatin1String("0");
        if (groupEntries != entries) {
            openGroup(entries);
            groupEntries = entries;
        }
        const std::array<double, kStateColumns> values{
            r.ValorContabilA,  r.ValorContabilB,       r.BaseCalculoA, r.BaseCalculoB,  r.CredDebImpostoA,
            r.CredDebImpostoB, r.IsentasNaoTributadas, r.Outras,       r.SubsTributaria};
        StateLine line;
        line.uf = stateText(r.UF, r.Sigla);
        line.domicilio = r.DomicilioFiscal;
        for (int i = 0; i < kStateColumns; ++i) line.amounts[i] = amount(values[i]);
        out.groups.last().lines.append(line);
        totals.add(countsAsA(r.DomicilioFiscal, showDomicile), values);
    }
    closeGroup();
    return out;
}

// ---- section 11 ------------------------------------------------------------------------------

std::optional<int> product(const std::optional<qint64>& n) {
    if (!n) return std::nullopt;
    return *n >= INT_MIN && *n <= INT_MAX ? std::optional<int>(int(*n)) : std::optional<int>(0);
}

FuelSection fuel(const DeclarationSource& s) {
    FuelSection out;
    const QString kind = s.header.vexa.TipoEncerrante;
    out.tipoEncerrante = kind == QLatin1String("E")   ? QStringLiteral("Eletrônico")
                         : kind == QLatin1String("M") ? QStringLiteral("Manual")
                                                      : QString();
    for (const PumpSource& p : s.pumps)
        out.pumps.append({p.NSerieBomba, number(p.NBico), decl::productText(product(p.Produto)),
                          count(p.LeituraInicial), count(p.LeituraFinal), count(p.VolComSemInterv),
                          count(p.VolComCemInterv)});
    for (const TankSource& t : s.tanks)
        out.tanks.append(
            {number(t.EstTanque), decl::productText(product(t.Produto)), count(t.EstQuantidade)});
    out.observacoes = s.header.vexa.ObsEncerrantes;
    double litres = 0;
    for (const AlcoholSource& a : s.alcohol) {
        out.alcohol.append({number(a.NNotaFiscal), date(a.DtEmissaoNota),
                            masked(QStringLiteral("99.999.999/9999-99;0;_"), a.CnpjRemetente),
                            stateText(a.UfOrigem, a.Sigla), groupedNumber(a.ValorUnitario, 4),
                            groupedNumber(a.Quantidade, 0)});
        litres += a.Quantidade;
    }
    out.totalQuantidade = groupedNumber(litres, 0);
    return out;
}

// ---- sections 12 and 13 ---------------------------------------------------------------------

MunicipalitySection municipalities(const DeclarationSource& s, bool showDomicile) {
    MunicipalitySection out;
    RunningTotals<kMunicipalityColumns> totals;
    for (const MunicipalitySource& m : s.municipalities) {
        const std::array<double, kMunicipalityColumns> values{m.VlrContabil, m.Devolucoes,
                                                              m.VlrContabil - m.Devolucoes};
        MunicipalityLine line;
        line.municipio = codedText(m.MunicipioID, m.Nome);
        line.domicilio = m.DomicilioFiscal;
        for (int i = 0; i < kMunicipalityColumns; ++i) line.amounts[i] = amount(values[i]);
        out.lines.append(line);
        totals.add(countsAsA(m.DomicilioFiscal, showDomicile), values);
    }
    out.totalA = totals.formatted(totals.a);
    out.totalB = totals.formatted(totals.b);
    return out;
}

GoodsSection goods(const DeclarationSource& s, bool showDomicile, const QString& footer) {
    GoodsSection out;
    RunningTotals<1> totals;
    for (const GoodsSource& g : s.goods) {
        GoodsLine line;
        line.ieEmpresa = masked(kMaskIE, g.IEEmpresa);
        line.domicilio = g.DomicilioFiscal;
        line.municipio = codedText(g.MunicipioID, g.Nome);
        if (g.NumNota) {
            line.nota = zeroPad(*g.NumNota, 6);
            line.valor = amount(g.Valor);
            totals.add(countsAsA(g.DomicilioFiscal, showDomicile), {g.Valor});
        }
        out.lines.append(line);
    }
    out.totalA = amount(totals.a[0]);
    out.totalB = amount(totals.b[0]);
    const HeaderSource& h = s.header;
    out.declaranteCpf = masked(kMaskCPF, h.vexa.CPF);
    out.declaranteNome = h.vexa.NomeResponsavel;
    out.contadorCpfCnpj = documentText(h.ContadorCPFCGC);
    out.contadorCrc =
        h.vexa.UF.isEmpty() ? h.vexa.CRCContador : h.vexa.CRCContador + QStringLiteral(" / ") + h.vexa.UF;
    out.contadorNome = h.ContadorNome;
    out.contadorTelefone = h.ContadorTelefone;
    out.footer = footer;
    return out;
}

AmountItem item(const char* number, const char* caption, double value) {
    return {QString::fromLatin1(number), QString::fromUtf8(caption), amount(value)};
}

} // namespace

QString cutCfopDescription(const QString& description) {
    if (description.size() <= kCfopDescriptionWidth) return description;
    const qsizetype blank = description.lastIndexOf(QLatin1Char(' '), kCfopDescriptionWidth - 1);
    // Cut after the blank; a text with no blank in reach is cut at the width itself.
    return description.left(blank >= 0 ? blank + 1 : kCfopDescriptionWidth);
}

double stateLineDifference(double rate, double base) {
    return (17.0 - rate) / 100.0 * base;
}

QString footerText(const QDateTime& now, const QString& portalAddress) {
    return QStringLiteral("Declaração impressa no programa VEXA 9.6, em ") +
           now.date().toString(QStringLiteral("dd/MM/yyyy ")) + QStringLiteral(" às ") +
           now.time().toString(QStringLiteral("hh:mm:ss")) +
           QStringLiteral(
               "hs, apenas para simples conferências das informações, a serem prestadas à KORVA-QX, ") +
           QLatin1Char('\n') +
           QStringLiteral(
               " não servindo como comprovação do cumprimento da obrigação acessória. Imprima a declaração "
               "com as informações da recepção no Portal do contribuinte ") +
           QLatin1Char('\n') + QStringLiteral(" no endereço eletrônico:  ") + portalAddress +
           QStringLiteral(", e anexe  o recibo de entrega da declaração.");
}

QString groupedNumber(double value, int decimals) {
    if (!std::isfinite(value)) return QString::number(value);
    const QString plain = QString::number(std::abs(value), 'f', decimals);
    const qsizetype point = plain.indexOf(QLatin1Char('.'));
    const QString whole = point < 0 ? plain : plain.left(point);
    QString grouped;
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0) grouped += QLatin1Char('.');
        grouped += whole.at(i);
    }
    if (point >= 0) grouped += QLatin1Char(',') + plain.mid(point + 1);
    // A value that rounds to zero prints without a sign.
    const bool negative = value < 0 && std::any_of(plain.begin(), plain.end(), [](QChar c) {
                              return c >= QLatin1Char('1') && c <= QLatin1Char('9');
                          });
    return negative ? QLatin1Char('-') + grouped : grouped;
}

QString rateText(double rate) {
    QString t = groupedNumber(rate, 2);
    if (t.endsWith(QLatin1String(",00")))
        t.chop(3);
    else if (t.contains(QLatin1Char(',')) && t.endsWith(QLatin1Char('0')))
        t.chop(1);
    return t + QLatin1Char('%');
}

DeclarationPrint buildDeclarationPrint(const DeclarationSource& s, const QString& portalAddress,
                                       const QDateTime& now) {
    const decl::VexaRow& v = s.header.vexa;
    const decl::Apuracao a = decl::computeApuracao(v);
    DeclarationPrint p;
    p.key = v.key();
    p.showDomicile = v.changedDomicile();
    p.pageHeading = QStringLiteral("Inscrição Estadual: %1   Período de Referência: %2   Retificação: %3")
                        .arg(masked(kMaskIE, v.IE), v.Mes + QLatin1Char('/') + v.Ano, v.Retificacao);

    p.s1 = section1(s, p.showDomicile);

    p.s2 = lawSection(s.otherDebits);
    p.s2.title = QStringLiteral("5 - DÉBITO DO IMPOSTO");
    p.s2.items = {item("5.1", "POR SAÍDAS E/OU PRESTAÇÕES", v.C51), item("5.2", "OUTROS DÉBITOS", v.C52),
                  item("5.3", "ESTORNO DE CRÉDITOS", v.C53), item("5.4", "TOTAL", a.C54)};
    p.s2.listTitle = QStringLiteral("5.2.1 - DETALHAMENTO DO CAMPO OUTROS DÉBITOS");

    p.s3 = lawSection(s.otherCredits);
    p.s3.title = QStringLiteral("6 - CRÉDITO DO IMPOSTO");
    p.s3.items = {item("6.1", "POR ENTRADAS E/OU AQUISIÇÕES", v.C61), item("6.2", "OUTROS CRÉDITOS", v.C62),
                  item("6.3", "ESTORNO DE DÉBITOS", v.C63),
                  item("6.4", "SALDO CREDOR DO PERÍODO ANTERIOR", v.C64), item("6.5", "TOTAL", a.C65)};
    p.s3.listTitle = QStringLiteral("6.2.1 - DETALHAMENTO DO CAMPO OUTROS CRÉDITOS");
    p.s3.closingTitle = QStringLiteral("7 - APURAÇÃO");
    p.s3.closingItems = {item("7.1", "SALDO DEVEDOR (5.4 - 6.5)", a.C71)};

    p.s4 = deductions(s.deductions);
    p.s4.itemsBefore = {item("7.2", "DEDUÇÕES", v.C72)};
    p.s4.listTitle = QStringLiteral("7.2.1 - DETALHAMENTO DAS DEDUÇÕES");
    p.s4.itemsAfter = {item("7.3", "IMPOSTO A RECOLHER (7.1 - 7.2)", a.C73),
                       item("7.4", "DIFERENCIAL DE ALÍQUOTA A RECOLHER", a.C74),
                       item("7.5", "SALDO CREDOR A TRANSPORTAR PARA O PERÍODO SEGUINTE", a.C75)};

    p.s5 = rateSection(s.rates, RateValue::StateDifference, false, p.showDomicile);
    p.s5.itemsBefore = {item("7.6", "DIFERENCIAL DE ALÍQUOTA (ENTRADAS) DO PERÍODO", v.C76)};
    p.s5.listTitle = QStringLiteral("7.6.1 - DETALHAMENTO DO DIFERENCIAL DE ALÍQUOTA (ENTRADAS) POR UF");
    p.s5.valueCaption = QStringLiteral("DIFERENCIAL DE ALÍQUOTA");
    p.s5.itemsAfter = {item("7.7", "DIFERENCIAL DE ALÍQUOTA DO PERÍODO ANTERIOR", v.C77),
                       item("7.8", "DIFERENCIAL DE ALÍQUOTA A TRANSPORTAR", a.C78),
                       item("7.9", "COMPLEMENTAÇÃO DE ALÍQUOTA DO PERÍODO", v.C79)};

    p.s6 = rateSection(s.rateComplements, RateValue::OwnRateDifference, false, p.showDomicile);
    p.s6.listTitle = QStringLiteral("7.9.1 - DETALHAMENTO DA COMPLEMENTAÇÃO DE ALÍQUOTA POR UF");
    p.s6.valueCaption = QStringLiteral("COMPLEMENTAÇÃO DE ALÍQUOTA");
    p.s6.itemsAfter = {item("7.10", "COMPLEMENTAÇÃO DE ALÍQUOTA DO PERÍODO ANTERIOR", v.C710),
                       item("7.11", "COMPLEMENTAÇÃO DE ALÍQUOTA A TRANSPORTAR", a.C711),
                       item("7.12", "COMPLEMENTAÇÃO DE ALÍQUOTA A RECOLHER", a.C712)};

    p.s7 = rateSection(s.consumerRates, RateValue::Stored, true, p.showDomicile);
    p.s7.itemsBefore = {item("7.13", "DIFERENCIAL DE ALÍQUOTA CONSUMIDOR FINAL (SAÍDAS) DO PERÍODO", v.C713)};
    p.s7.listTitle =
        QStringLiteral("7.13.1 - DETALHAMENTO DO DIFERENCIAL DE ALÍQUOTA CONSUMIDOR FINAL (SAÍDAS) POR UF");
    p.s7.valueCaption = QStringLiteral("DIFERENCIAL DE ALÍQUOTA");
    p.s7.itemsAfter = {item("7.14", "DIF. ALÍQUOTA CONSUMIDOR FINAL DO PERÍODO ANTERIOR", v.C714),
                       item("7.15", "DIF. ALÍQUOTA CONSUMIDOR FINAL A TRANSPORTAR", a.C715),
                       item("7.16", "DIF. ALÍQUOTA CONSUMIDOR FINAL A RECOLHER", a.C716)};
    p.s7.closingTitle = QStringLiteral("8 - SUBSTITUIÇÃO TRIBUTÁRIA INTERNA");
    p.s7.closingItems = {item("8.1", "VALOR DOS PRODUTOS", v.C81),
                         item("8.2", "BASE DE CÁLCULO", v.C82),
                         item("8.3", "DÉBITO DO ICMS SUBSTITUIÇÃO TRIBUTÁRIA", v.C83),
                         item("8.4", "CRÉDITO DO ICMS", v.C84),
                         item("8.5", "OUTROS CRÉDITOS", v.C85),
                         item("8.6", "ICMS SUBSTITUIÇÃO TRIBUTÁRIA A RECOLHER", a.C86),
                         item("8.7", "SALDO CREDOR PARA O PERÍODO SEGUINTE", a.C87)};

    p.s8 = toPay(s.toPay, {QStringLiteral("N"), QStringLiteral("D"), QStringLiteral("S")},
                 {QStringLiteral("9.1 - ICMS NORMAL"),
                  QStringLiteral("9.2 - DIFERENCIAL DE ALÍQUOTA (ENTRADAS)"),
                  QStringLiteral("9.3 - ICMS SUBSTITUIÇÃO TRIBUTÁRIA")});
    p.s8.title = QStringLiteral("9 - ICMS A RECOLHER");
    p.s9 = toPay(s.toPay, {QStringLiteral("C"), QStringLiteral("F"), QStringLiteral("P")},
                 {QStringLiteral("9.4 - COMPLEMENTAÇÃO DE ALÍQUOTA"),
                  QStringLiteral("9.5 - DIFERENCIAL DE ALÍQUOTA (SAÍDAS)"),
                  QStringLiteral("9.6 - FUNDO DE COMBATE A POBREZA")});

    p.s10 = stockAndStates(s, p.showDomicile);
    p.s11 = fuel(s);
    p.s12 = municipalities(s, p.showDomicile);
    p.s13 = goods(s, p.showDomicile, footerText(now, portalAddress));
    return p;
}

} // namespace vexa::print
