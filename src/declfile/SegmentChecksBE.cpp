// Segments B (entries and outputs by operation), C (stock), D (movement by
// state) and E (ICMS to pay) of the accounting-system file. Their positions
// are those of the submission file.

#include "declfile/ImportState.h"

#include "common/Conversions.h"
#include "common/StateCodes.h"
#include "declaration/DeclSql.h"
#include "storage/ReferenceLookups.h"

namespace vexa::declfile::import {

namespace {

const QString kWhereKey = QStringLiteral(" where IE = ? and Ano = ? and Mes = ? and Retificacao = ?");
const QString kDomicileMessage = QStringLiteral(" Não é um valor válido para o campo domicílio fiscal.");

// A digit field the reader converts at once (B5, D5): anything else halts.
QString digitAt(SegmentReader& s, int pos, const QString& fieldName) {
    const QChar c = s.line.at(pos);
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) integerOf(QString(c), fieldName);
    return QString(c);
}

// An amount: its value for the insert; "+ value + message" when its text is no number.
QVariant amountValue(SegmentReader& s, int pos, int fieldNumber, const QString& message) {
    const AccountAmount a = s.amount(pos, fieldNumber);
    if (!a.isNumber) s.add(a.text + message);
    return a.value;
}

// The operation kind of a CFOP's first digit: "0" internal, "1" interstate, "2" foreign.
QString operationKind(QChar first) {
    switch (first.unicode()) {
    case '1':
    case '5': return QStringLiteral("0");
    case '2':
    case '6': return QStringLiteral("1");
    case '3':
    case '7': return QStringLiteral("2");
    default: return {};
    }
}

QString toPayName(const QString& kind) {
    if (kind == QLatin1String("N")) return QStringLiteral("Normal");
    if (kind == QLatin1String("D")) return QStringLiteral("Diferencial de Alíquota (Entradas)");
    if (kind == QLatin1String("S")) return QStringLiteral("Substituição Tributária");
    if (kind == QLatin1String("C")) return QStringLiteral("Complementação de Alíquota");
    if (kind == QLatin1String("F")) return QStringLiteral("Diferencial de Alíquota (Saídas)");
    if (kind == QLatin1String("P")) return QStringLiteral("Fundo Combate a Pobreza");
    return {};
}

int yearMonth(const QDate& d) { return d.year() * 100 + d.month(); }

} // namespace

QString readSegmentB(SegmentReader& s) {
    if (!s.commonChecks()) return s.t;
    const bool simples = s.d.simples();
    const QString entradaSaida = digitAt(s, 21, QStringLiteral("B5"));
    const QString cfop = s.field(22, 4);
    const QString year = s.d.key.ano;
    if (!s.run.lookups.cfop.get(cfop + QLatin1Char('/') + year, [&] { return storage::IsCFOPOfYear(cfop, year); }))
        s.add(QStringLiteral(" CFOP \"") + cfop + QStringLiteral("\" Inválido."));
    const QString kind = operationKind(cfop.isEmpty() ? QChar() : cfop.at(0));

    QVariant base = noValue(), exempt = noValue(), tax = noValue();
    if (!simples) base = amountValue(s, 26, 7, QStringLiteral(" Não é  um valor válido para o campo Base de Calculo."));
    if (!simples)
        exempt = amountValue(s, 40, 8, QStringLiteral(" Não é um valor válido para o campo Isentas/Não tributadas."));
    const QVariant others = amountValue(s, 54, 9, QStringLiteral(" Não é um valor válido para o campo Outras."));
    const QVariant substitution =
        amountValue(s, 68, 10, QStringLiteral(" Não é um valor válido para o campo Substituição Tributária."));
    const QVariant bookValue = amountValue(s, 82, 11, QStringLiteral(" Não é um valor válido para o campo Valor Contábil."));
    if (!simples)
        tax = amountValue(s, 96, 12,
                          entradaSaida == QLatin1String("0")
                              ? QStringLiteral(" Não é um valor válido para o campo Crédito do Imposto .")
                              : QStringLiteral(" Não é um valor válido para o campo Débito do Imposto ."));
    const QString domicile = s.field(110, 1);
    QVariant city;
    s.domicile(domicile, kDomicileMessage, true, &city);
    if (!s.t.isEmpty()) return s.t;

    const int code = integerOf(cfop, QStringLiteral("B6"));
    if (s.exists(QStringLiteral("select count(*) from movimentacaoporoperacoes42") + kWhereKey +
                     QStringLiteral(" and CodigoOperacao = ? and DomicilioFiscal = ?"),
                 s.key({code, domicile}))) {
        s.set(QStringLiteral(" Segmento B - Existem registros repetidos para o Codigo de Operação ") + cfop +
              QStringLiteral(" (B6)"));
        return s.t;
    }
    s.insert(QStringLiteral("insert into movimentacaoporoperacoes42 (IE, Ano, Mes, Retificacao, EntradaSaida, "
                            "CodigoOperacao, TipoOperacao, BaseCalculo, IsentasNaoTributadas, ImpostoCreditado, Outras, "
                            "SubstituicaoTributaria, ValorContabil, DomicilioFiscal, CidadeID) values "
                            "(?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
             s.key({entradaSaida, code, decl::sql::text(kind), base, exempt, tax, others, substitution, bookValue,
                    domicile, city}));
    return s.t;
}

QString readSegmentC(SegmentReader& s) {
    if (!s.commonChecks()) return s.t;
    static const QString messages[] = {
        QStringLiteral(" Não é um valor válido para o campo Estoque Inicial tributadas."),
        QStringLiteral(" Não é um valor válido para o campo Estoque Inicial Isentas e/ou tributadas."),
        QStringLiteral(" Não é um valor válido para o campo Estoque Inicial Outras."),
        QStringLiteral(" Não é um valor válido para o campo Estoque Inicial Substituição Tributária."),
        QStringLiteral(" Não é um valor válido para o campo Total Estoque Inicial."),
        QStringLiteral(" Não é um valor válido para o campo Estoque Final tributadas."),
        QStringLiteral(" Não é um valor válido para o campo Estoque Final Isentas e/ou tributadas."),
        QStringLiteral(" Não é um valor válido para o campo Estoque Final Outras."),
        QStringLiteral(" Não é um valor válido para o campo Estoque Final Substituição Tributária."),
        QStringLiteral(" Não é um valor válido para o campo Estoque Final Substituição Tributária."),
    };
    QVariantList amounts;
    for (int i = 0; i < 10; ++i) {
        // The exempt columns (C6, C11) are left empty for the Simples Nacional.
        if ((i == 1 || i == 6) && s.d.simples()) {
            amounts << noValue();
            continue;
        }
        amounts << amountValue(s, 21 + 14 * i, 5 + i, messages[i]);
    }
    if (!s.t.isEmpty()) return s.t;
    if (s.exists(QStringLiteral("select count(*) from DemostrativoEstoque") + kWhereKey, s.key())) {
        s.set(QStringLiteral(" Segmento C - Existem registros repetidos. "));
        return s.t;
    }
    s.insert(QStringLiteral("Insert into DemostrativoEstoque (ie,ano,mes,Retificacao,EITributadas,"
                            "EIIsentasNaoTributadas,EIOutras,EISubstituicaoTributaria,EITotal,EFTributadas,"
                            "EFIsentasNaoTributadas,EFOutras,EFSubstituicaoTributaria,EFTotal) values"
                            "(?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
             s.key(amounts));
    return s.t;
}

QString readSegmentD(SegmentReader& s) {
    if (!s.commonChecks()) return s.t;
    const QString entradaSaida = digitAt(s, 21, QStringLiteral("D5"));
    const QString uf = s.field(22, 2);
    if (!IsNumericStateCode(uf)) s.add(uf + QStringLiteral(" Não é um valor válido para o campo UF."));
    const QString domicile = s.field(150, 1);
    s.domicile(domicile, kDomicileMessage, true);
    static const QString messages[] = {
        QStringLiteral(" Não é um valor válido para o campo base de calculo."),
        QStringLiteral(" Não é um valor válido para o campo base de calculo não contribuinte."),
        QStringLiteral(" Não é um valor válido para o campo Isentas/Não Trubutadas."),
        QStringLiteral(" Não é um valor válido para o campo Outras."),
        QStringLiteral(" Não é um valor válido para o campo Substituição Tributária."),
        QStringLiteral(" Não é um valor válido para o campo Valor contábil contribuinte."),
        QStringLiteral(" Não é um valor válido para o campo Valor contábil não contribuinte."),
        QStringLiteral(" Não é um valor válido para o campo Crédito do Imposto ."),
        QStringLiteral(" Não é um valor válido para o campo Débito do Imposto não contribuinte."),
    };
    QVariantList amounts;
    for (int i = 0; i < 9; ++i) {
        if (i == 2 && s.d.simples()) {
            amounts << noValue();
            continue;
        }
        amounts << amountValue(s, 24 + 14 * i, 7 + i, messages[i]);
    }
    if (!s.t.isEmpty()) return s.t;
    if (s.exists(QStringLiteral("select count(*) from MovimentacaoPorUF") + kWhereKey +
                     QStringLiteral(" and EntradaSaida = ? and UF = ? and DomicilioFiscal = ?"),
                 s.key({entradaSaida, uf, domicile}))) {
        s.set(QStringLiteral(" Segmento D - Existem registros repetidos para a Operação de ") +
              (entradaSaida == QLatin1String("0") ? QStringLiteral("Entrada") : QStringLiteral("Saída")) +
              QStringLiteral(" (D5), UF: ") + uf + QStringLiteral(" - ") + s.run.lookups.stateName(uf) +
              QStringLiteral(" (D6)."));
        return s.t;
    }
    // Columns in the record's order: BaseCalculoA, BaseCalculoB, IsentasNaoTributadas, Outras,
    // SubsTributaria, ValorContabilA, ValorContabilB, CredDebImpostoA, CredDebImpostoB.
    s.insert(QStringLiteral("Insert into MovimentacaoPorUF (IE,Ano,Mes,Retificacao,EntradaSaida,UF,DomicilioFiscal,"
                            "BaseCalculoA,BaseCalculoB,IsentasNaoTributadas,Outras,SubsTributaria,ValorContabilA,"
                            "ValorContabilB,CredDebImpostoA,CredDebImpostoB) values (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"),
             s.key(QVariantList{entradaSaida, uf, domicile} + amounts));
    return s.t;
}

QString readSegmentE(SegmentReader& s) {
    if (!s.commonChecks()) return s.t;
    const QString kind = s.field(21, 1);
    const QString name = toPayName(kind);
    if (name.isEmpty()) s.add(kind + QStringLiteral(" Não é um valor válido para indicar o tipo de ICMS."));
    if (kind == QLatin1String("C") && !s.d.simples())
        s.add(QStringLiteral("Segmento E - ICMS Complementação de Alíquotas (E5), não deve ser informado quando o "
                             "Regime de Tributação for diferente de Simples Nacional"));

    const QString e6 = s.field(22, 8);
    if (isBlank(e6)) throw ImportHalt(QStringLiteral("a data de vencimento (E6) não foi informada."));
    const std::optional<QDate> due = readDate(e6);
    if (!(s.d.simples() && kind == QLatin1String("N"))) {
        if (!due) {
            s.set(QStringLiteral("Data de vencimento  do ICMS a Recolher inválida."));
        } else {
            const int period = s.d.key.year() * 100 + s.d.key.month();
            const QDate first(s.d.key.year(), s.d.key.month(), 1);
            const int following = yearMonth(first.addMonths(1));
            if (yearMonth(*due) <= period)
                s.set(QStringLiteral("Segmento E - Data de vencimento (E6), não pode ser menor ou igual que o mês do "
                                     "período de referência informado (E3) para Tipo de ICMS = ") +
                      name + QStringLiteral(" (E5). "));
            if (yearMonth(*due) > following)
                s.set(QStringLiteral("Segmento E - Data de vencimento (E6), não pode ser maior que o mês subseqüente do "
                                     "período de referência informado (E3) para Tipo de ICMS = ") +
                      name + QStringLiteral(" (E5). "));
        }
    } else if (!due) {
        throw ImportHalt(QStringLiteral("a data de vencimento (E6), ") + quoted(e6) + QStringLiteral(", não é uma data."));
    }
    const QVariant value =
        amountValue(s, 30, 7, QStringLiteral(" Não é um valor válido para o campo Valor do ICMS a Recolher."));
    if (!s.t.isEmpty()) return s.t;

    const QVariant dueDate = decl::sql::date(*due);
    if (s.exists(QStringLiteral("select count(*) from ICMSRecolher") + kWhereKey +
                     QStringLiteral(" and TipoApuracao = ? and DtVencimento = ?"),
                 s.key({kind, dueDate}))) {
        s.set(QStringLiteral(" Segmento E - Existem registros repetidos para o Tipo de ICMS ") + kind +
              QStringLiteral(" - ") + name + QStringLiteral(" (E5)."));
        return s.t;
    }
    s.insert(QStringLiteral("Insert into ICMSRecolher (IE,Ano,Mes,Retificacao,TipoApuracao,DtVencimento,Valor) "
                            "values (?,?,?,?,?,?,?)"),
             s.key({kind, dueDate, value}));
    return s.t;
}

} // namespace vexa::declfile::import
