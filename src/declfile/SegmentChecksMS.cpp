// Segments M (outputs by municipality), N (goods by municipality), O (fiscal
// notes), P, Q and S (the rate-differential lists) and R (other debits) of the
// accounting-system file.

#include "declfile/ImportState.h"

#include "common/Conversions.h"
#include "common/DocumentChecks.h"
#include "common/Money.h"
#include "common/StateCodes.h"
#include "storage/ReferenceLookups.h"

namespace vexa::declfile::import {

namespace {

const QString kWhereKey = QStringLiteral(" where IE = ? and Ano = ? and Mes = ? and Retificacao = ?");

QVariant integerValue(const QString& text) {
    const std::optional<int> n = toInteger(text);
    return n ? QVariant(*n) : QVariant();
}

QString municipalityName(SegmentReader& s, qint64 code) {
    return s.run.lookups.municipalityName.get(QString::number(code),
                                              [&] { return storage::MunicipalityNameByIBGE(code); });
}

// What tells P, Q and S apart.
struct RateSegment {
    const char* table;
    const char* rateColumn;
    const char* valueColumn;     // field 9
    int width;
    int limit;                   // records per declaration
    const char* valueMessage;    // field 9 not a number
    const char* duplicateHead;
};

const RateSegment kP = {"Aliquota", "Aliquota", "VlrDifAliquota", kAccountWidthP, 52,
                        " Não é um valor válido para o campo Difereça de Alíquota (Entradas).",
                        " Segmento P - Existem registros repetidos para o Detalhamento do Diferencial de Alíquota "
                        "(Entradas) UF: "};
const RateSegment kQ = {"AliquotaComp", "AliquotaComp", "VlrComAliquota", kAccountWidthQ, 26,
                        " Não é um valor válido para o campo Complemento de Alíquota.",
                        " Segmento Q - Existem registros repetidos para o Detalhamento do Diferencial de Alíquota UF: "};
const RateSegment kS = {"AliquotaConsumidor", "AliquotaConsumidor", "VlrDifAliquota", kAccountWidthS, 26,
                        " Não é um valor válido para o campo Difereça de Alíquota (Saída). ",
                        " Segmento S - Existem registros repetidos para o Detalhamento do Diferencial de Alíquota "
                        "Consumidor Final (Saídas) UF: "};

// The share of the differential that belongs to the state of origin, by year (S11).
struct OriginShare {
    int year;
    double share;
    const char* percent;
};
constexpr OriginShare kOriginShares[] = {{2016, 0.6, "60%"}, {2017, 0.4, "40%"}, {2018, 0.2, "20%"}, {2019, 0.0, "0%"}};

} // namespace

QString readSegmentM(SegmentReader& s) {
    if (!s.commonChecks()) return s.t;
    const QString origin = s.field(21, 14).trimmed();
    const std::optional<int> code = toInteger(origin);
    if (!code) {
        s.add(origin + QStringLiteral(" Não é um valor válido para o campo do município de origem."));
    } else if (!s.run.lookups.homeMunicipality.get(origin, [&] { return storage::IsHomeStateMunicipality(*code); })) {
        s.add(QStringLiteral(" Segmento M - ") + origin + QStringLiteral(" - ") + municipalityName(s, *code) +
              QStringLiteral(", Não é um Município válido para Município de Origem (M5), que deve ser Verdalense."));
    }
    const QString domicile = s.field(35, 1);
    QVariant city;
    s.domicile(domicile, QStringLiteral(" Não é um valor válido para o campo domicílio fiscal."), true, &city);
    const AccountAmount bookValue = s.amount(36, QStringLiteral("M7"));
    if (!bookValue.isNumber) s.add(bookValue.text + QStringLiteral(" Não é um valor válido para o campo base de calculo."));
    const AccountAmount returns = s.amount(50, QStringLiteral("M8"));
    if (!returns.isNumber)
        s.add(returns.text + QStringLiteral(" Não é um valor válido para o campo base de calculo não contribuinte."));
    if (!s.t.isEmpty()) return s.t;

    if (s.exists(QStringLiteral("select count(*) from SaidasMun") + kWhereKey +
                     QStringLiteral(" and MunicipioID = ? and DomicilioFiscal = ?"),
                 s.key({*code, domicile}))) {
        s.set(QStringLiteral(" Segmento M - Existem registros repetidos para o Município de Origem: ") + origin +
              QStringLiteral(" - ") + municipalityName(s, *code) + QStringLiteral(" (M5)."));
        return s.t;
    }
    s.insert(QStringLiteral("Insert into SaidasMun (IE,Ano,Mes,Retificacao,MunicipioID,DomicilioFiscal,VlrContabil,"
                            "Devolucoes,Total,CIdadeID) values (?,?,?,?,?,?,?,?,?,?)"),
             s.key({*code, domicile, bookValue.value, returns.value, money::round2(bookValue.value - returns.value),
                    city}));
    return s.t;
}

QString readSegmentN(SegmentReader& s) {
    if (!s.commonChecks()) return s.t;
    const QString company = s.field(21, 9);
    if (!IsInteger(company)) s.add(company + QStringLiteral(" Não é um valor válido para a Inscrição estadual da empresa."));
    if (!IsValidIE(company)) {
        s.set(company + QStringLiteral(" Não é válido para Identificação da Empresa (N5). "));
        return s.t;
    }
    const QString domicile = s.field(30, 1);
    QVariant city;
    s.domicile(domicile, QStringLiteral(" Não é um valor válido para o campo domicílio fiscal. "), true, &city);
    const QString municipality = s.field(31, 7);
    if (!IsInteger(municipality)) s.add(municipality + QStringLiteral(" Não é um valor válido para o campo município."));
    const AccountAmount value = s.amount(38, QStringLiteral("N8"));
    if (!value.isNumber)
        s.add(value.text + QStringLiteral(" Não é um valor válido para o campo base de calculo não contribuinte."));
    if (!s.t.isEmpty()) return s.t;

    if (s.exists(QStringLiteral("select count(*) from MercadMuni") + kWhereKey +
                     QStringLiteral(" and IEEmpresa = ? and DomicilioFiscal = ?"),
                 s.key({company, domicile}))) {
        s.set(QStringLiteral(" Segmento N - Existem registros repetidos para a Identificação da Empresa: ") + company +
              QStringLiteral(" (N5)."));
        return s.t;
    }
    s.insert(QStringLiteral("Insert into MercadMuni (IE,Ano,Mes,Retificacao,IEEmpresa,DomicilioFiscal,MunicipioID,"
                            "Valor,CIdadeID) values (?,?,?,?,?,?,?,?,?)"),
             s.key({company, domicile, integerValue(municipality), value.value, city}));
    return s.t;
}

QString readSegmentO(SegmentReader& s) {
    if (!s.commonChecks()) return s.t;
    const QString company = s.field(21, 9);
    if (!IsInteger(company))
        s.add(company + QStringLiteral(" Não é um valor válido para a Inscrição estadual da empresa. (O5) "));
    if (!IsValidIE(company)) s.set(company + QStringLiteral(" Não é válido para Identificação da Empresa. (O5) "));
    const QString domicile = s.field(30, 1);
    s.domicile(domicile, QStringLiteral(" Não é um valor válido para o campo domicílio fiscal. (O6) "), false);
    const QString note = s.field(31, 7);
    if (!IsInteger(note)) s.add(note + QStringLiteral(" Não é um valor válido para o número da nota. (O7) "));
    const AccountAmount value = s.amount(38, QStringLiteral("O8"));
    if (!value.isNumber) s.add(value.text + QStringLiteral(" Não é um valor válido para o campo Base de cálculo. (O8) "));
    if (!s.t.isEmpty()) return s.t;

    const QVariant noteNumber = integerValue(note);
    if (s.exists(QStringLiteral("select count(*) from NotasFiscal") + kWhereKey +
                     QStringLiteral(" and IEEmpresa = ? and DomicilioFiscal = ? and Num_nota = ?"),
                 s.key({company, domicile, noteNumber}))) {
        s.set(QStringLiteral(" Segmento O - Existem registros repetidos para a Identificação da Empresa: ") + company +
              QStringLiteral(" (O5)."));
        return s.t;
    }
    s.insert(QStringLiteral("insert into NotasFiscal (ie, Ano, Mes, Retificacao, IEEmpresa, DomicilioFiscal, Num_nota, "
                            "Valor) values (?,?,?,?,?,?,?,?)"),
             s.key({company, domicile, noteNumber, value.value}));
    return s.t;
}

QString readSegmentRate(SegmentReader& s) {
    const QChar letter = s.letter;
    const bool isS = letter == QLatin1Char('S');
    const RateSegment& seg = letter == QLatin1Char('P') ? kP : letter == QLatin1Char('Q') ? kQ : kS;
    int& count = letter == QLatin1Char('P') ? s.d.countP : letter == QLatin1Char('Q') ? s.d.countQ : s.d.countS;
    const QString segmentText = QStringLiteral("Segmento ") + letter;

    if (++count > seg.limit) {
        s.set(segmentText + QStringLiteral(" - Quantidade de estados não pode superior a 26."));
        return s.t;
    }
    if (s.line.length != seg.width) {
        s.set(QStringLiteral("Tamanho do segmento ") + letter + QStringLiteral(" inválido."));
        return s.t;
    }
    if (letter == QLatin1Char('Q')) {
        if (s.d.key.yyyymm() < QLatin1String("201203")) {
            s.set(QStringLiteral("Segmento Q - Especificação da Complementação de Alíquotas por UF (Campo 7.9.1), não "
                                 "deve ser informado quando o período de referencia for anterior a 03/2012.") +
                  kCRLF);
            return s.t;
        }
        if (!s.d.simples()) {
            s.set(QStringLiteral("Segmento Q - Especificação da Complementação de Alíquotas por UF (Campo 7.9.1), não "
                                 "deve ser informado quando regime de tributação for diferente de Simples Nacional.") +
                  kCRLF);
            return s.t;
        }
    }
    if (!s.commonChecks()) return s.t;

    // S carries "Segmento S - " in front of each field message and a blank at its end.
    auto fieldMessage = [&](const QString& value, const QString& message) {
        if (!isS) return value + message;
        QString m = QStringLiteral("Segmento S - ") + value + message;
        if (!m.endsWith(QLatin1Char(' '))) m += QLatin1Char(' ');
        return m;
    };
    auto amount = [&](int pos, int number, const QString& message) {
        const AccountAmount a = s.amount(pos, number);
        if (!a.isNumber) s.add(fieldMessage(a.text, message));
        return a;
    };

    const QString uf = s.field(22, 2);
    if (!IsNumericStateCode(uf)) s.add(fieldMessage(uf, QStringLiteral(" Não é um valor válido para o UF.")));
    const QString domicile = s.field(21, 1);
    QVariant city;
    if (domicile != QLatin1String("A") && domicile != QLatin1String("B"))
        s.add(fieldMessage(domicile, QStringLiteral(" Não é um valor válido para o campo domicílio fiscal.")));
    else
        s.domicile(domicile, QString(), true, &city);
    const AccountAmount bookValue = amount(24, 7, QStringLiteral(" Não é um valor válido para o campo Valor contábil."));
    const AccountAmount base = amount(38, 8, QStringLiteral(" Não é um valor válido para o campo Base de cálculo."));
    const AccountAmount value = s.amount(52, 9);
    if (!value.isNumber)
        s.add((isS ? QStringLiteral("Segmento S - ") : QString()) + value.text + QString::fromUtf8(seg.valueMessage));
    addTo(letter == QLatin1Char('P')   ? s.d.rateDifferential
          : letter == QLatin1Char('Q') ? s.d.rateComplement
                                       : s.d.consumerDifferential,
          value.value);

    const QString rateText = s.field(66, 4);
    const std::optional<double> rate = readRate(rateText);
    const QString year = s.d.key.ano, month = s.d.key.mes;
    const bool accepted =
        rate && s.run.lookups.acceptedRate.get(
                    uf + QLatin1Char('/') + year + month + letter + QLatin1Char('/') + QString::number(*rate, 'f', 2),
                    [&] { return storage::IsAcceptedRate(uf, year, QString(letter), month, *rate); });
    if (!accepted) {
        if (letter == QLatin1Char('P'))
            s.add(QStringLiteral(" Segmento P - ") + rateText + QStringLiteral(" Não é um valor válido para o campo Alíquota (P10)."));
        else if (letter == QLatin1Char('Q'))
            s.add(QStringLiteral("Segmento Q - ") + rateText +
                  QStringLiteral(" Não é um valor válido para o campo AlíquotaComp (Q10)."));
        else
            s.add(QStringLiteral("Segmento S - ") + rateText + QStringLiteral(" Não é um valor válido para o campo Alíquota (S10). "));
    }

    AccountAmount origin, destination;
    if (isS) {
        origin = amount(70, 11, QStringLiteral(" Não é um valor válido para o campo Origem. (S11)"));
        const int y = s.d.key.year();
        for (const OriginShare& share : kOriginShares) {
            if (share.year != y) continue;
            if (money::different(origin.value, money::round2(value.value * share.share)))
                s.add(QStringLiteral("Segmento S - Valor de Origem (S11) R$ ") + origin.text + QStringLiteral(" deve ser ") +
                      QLatin1String(share.percent) + QStringLiteral(" do valor de Diferencial de Alíquota(S9). "));
        }
        destination = amount(84, 12, QStringLiteral(" Não é um valor válido para o campo Destino (S12)."));
        if (money::editText(origin.value + destination.value) != value.text)
            s.add(QStringLiteral("Segmento S - A soma do valor: Origem (S11) R$ ") + origin.text +
                  QStringLiteral(" + Destino (S12) R$ ") + destination.text +
                  QStringLiteral(" deve ser igual ao valor do Diferencial de Alíquota (S9) R$ ") + value.text +
                  QStringLiteral(" para UF: ") + uf + QStringLiteral(" (S6). "));
    }
    if (!s.t.isEmpty()) return s.t;

    const QString table = QString::fromLatin1(seg.table), rateColumn = QString::fromLatin1(seg.rateColumn);
    if (s.exists(QStringLiteral("select count(*) from ") + table + kWhereKey +
                     QStringLiteral(" and UF = ? and DomicilioFiscal = ? and ") + rateColumn + QStringLiteral(" = ?"),
                 s.key({uf, domicile, *rate}))) {
        s.set(QString::fromUtf8(seg.duplicateHead) + uf + QStringLiteral(" - ") + s.run.lookups.stateName(uf) +
              QStringLiteral(" (") + letter + QStringLiteral("6)."));
        return s.t;
    }
    QString columns = QStringLiteral("IE,Ano,Mes,Retificacao,UF,DomicilioFiscal,VlrContabil,VlrBaseCalculo,") +
                      QString::fromLatin1(seg.valueColumn) + QLatin1Char(',') + rateColumn + QStringLiteral(",CidadeID");
    QVariantList values = s.key({uf, domicile, bookValue.value, base.value, value.value, *rate, city});
    if (isS) {
        columns += QStringLiteral(",Origem,Destino");
        values << origin.value << destination.value;
    }
    QStringList marks;
    for (int i = 0; i < values.size(); ++i) marks << QStringLiteral("?");
    s.insert(QStringLiteral("insert into ") + table + QStringLiteral(" (") + columns + QStringLiteral(") values (") +
                 marks.join(QLatin1Char(',')) + QLatin1Char(')'),
             values);
    return s.t;
}

QString readSegmentR(SegmentReader& s) {
    if (s.line.length != 36) {
        s.set(QStringLiteral("Tamanho do segmento R inválido.") + kCRLF);
        return s.t;
    }
    if (s.d.key.yyyymm() < QLatin1String("201209")) {
        s.set(QStringLiteral("Segmento R - Especificação de Outros Débitos (Campo 5.2.1), não deve ser informado quando "
                             "o período de referencia for anterior a 09/2012.") +
              kCRLF);
        return s.t;
    }
    if (!s.commonChecks()) return s.t;
    const QString code = s.field(21, 2).trimmed();
    const int law = integerOf(code, QStringLiteral("R5"));
    if (!s.run.lookups.debitLaw.get(code, [&] { return storage::DebitLawExists(law); }))
        s.add(code + QStringLiteral(" Não é um  Código de Base Legal válido para o  segmento R. "));
    const AccountAmount value = s.amount(23, QStringLiteral("R6"));
    if (!value.isNumber) s.add(value.text + QStringLiteral(" Valor do Crédito informado no segmento K é inválido."));
    addTo(s.d.otherDebits, value.value);
    if (!s.t.isEmpty()) return s.t;

    if (s.exists(QStringLiteral("select count(*) from OutrosDeb") + kWhereKey + QStringLiteral(" and CodLei = ?"),
                 s.key({law}))) {
        s.set(QStringLiteral(" Segmento R - Existem registros repetidos para Outros Débitos, Código da Base Legal : ") +
              code + QStringLiteral(" - ") +
              s.run.lookups.debitLawText.get(code, [&] { return storage::DebitLawDescription(code); }) +
              QStringLiteral(" (R5)."));
        return s.t;
    }
    s.insert(QStringLiteral("insert into OutrosDeb (ie, ano, mes, retificacao, CodLei, Valor) values (?,?,?,?,?,?)"),
             s.key({law, value.value}));
    return s.t;
}

} // namespace vexa::declfile::import
