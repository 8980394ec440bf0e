// Segments G (pump meters), H (tank stock), I (alcohol purchases) of a fuel
// retailer, J (TARE), K (other credits) and L (deductions) of the
// accounting-system file.

#include "declfile/ImportState.h"

#include "common/Conversions.h"
#include "common/DocumentChecks.h"
#include "common/Money.h"
#include "common/StateCodes.h"
#include "declaration/ChildTables.h"
#include "declaration/DeclSql.h"
#include "storage/ReferenceLookups.h"

namespace vexa::declfile::import {

namespace {

const QString kWhereKey = QStringLiteral(" where IE = ? and Ano = ? and Mes = ? and Retificacao = ?");

// G, H and I belong to fuel retailers only.
bool refusedForActivity(SegmentReader& s) {
    if (s.d.activity == decl::kFuelRetailActivity) return false;
    const QString head = QStringLiteral(" Segmento ") + s.letter +
                         QStringLiteral(" - É de preenchimento obrigatório apenas para os contribuintes com CNAE-Fiscal ");
    const QString activity = QStringLiteral("4731-8/00");
    const QString tail = s.letter == QLatin1Char('H')
                             ? QStringLiteral("  - Comércio varejista de combustíveis para veículos automotores. ")
                             : QStringLiteral(" - Comércio varejista de combustíveis para veículos automotores. ");
    s.set(head + activity + tail);
    return true;
}

// A whole-number field: "+ prefix + value + message" when it is not one.
void checkInteger(SegmentReader& s, const QString& value, const QString& prefix, const QString& message) {
    if (!IsInteger(value)) s.add(prefix + value + message);
}

QVariant integerValue(const QString& text) {
    const std::optional<int> n = toInteger(text);
    return n ? QVariant(*n) : QVariant();
}

} // namespace

QString readSegmentG(SegmentReader& s) {
    if (refusedForActivity(s) || !s.commonChecks()) return s.t;
    const QString prefix = QStringLiteral(" Segmento G - ");
    const QString serial = s.field(21, 20).trimmed();
    if (serial.isEmpty()) s.add(QStringLiteral(" Campo Número de Série da Bomba de ser informado. "));
    const QString nozzle = s.field(41, 2), product = s.field(43, 10), opening = s.field(53, 10),
                  closing = s.field(63, 10), withoutIntervention = s.field(73, 10), withIntervention = s.field(83, 10);
    checkInteger(s, nozzle, prefix, QStringLiteral(" Não é um valor válido para o Número do Bico (G6). "));
    checkInteger(s, product, prefix, QStringLiteral(" Não é um valor válido para o Código do Produto (G7). "));
    checkInteger(s, opening, prefix, QStringLiteral(" Não é um valor válido para o Encerrante Inicial (G8). "));
    checkInteger(s, closing, prefix, QStringLiteral(" Não é um valor válido para o Encerrante Final (G9). "));
    checkInteger(s, withoutIntervention, prefix,
                 QStringLiteral(" Não é um valor válido para o Volume Comercializado sem Intervenção (G10). "));
    checkInteger(s, withIntervention, prefix,
                 QStringLiteral(" Não é um valor válido para o Volume Comercializado com Intervenção (G11). "));
    const int productCode = integerOf(product, QStringLiteral("G7"));
    if (productCode < 1 || productCode > 3)
        s.add(prefix + product + QStringLiteral(" Segmento G - Não é um valor válido para o Código do Produto (G7). "));
    if (!s.t.isEmpty()) return s.t;

    const QVariant nozzleNumber = integerValue(nozzle);
    if (s.exists(QStringLiteral("select count(*) from Encerrantes") + kWhereKey +
                     QStringLiteral(" and NSerieBomba = ? and NBico = ?"),
                 s.key({serial, nozzleNumber}))) {
        s.set(QStringLiteral(" Segmento G - Existem registros repetidos para o Número do Bico ") + nozzle +
              QStringLiteral(" (G6)"));
        return s.t;
    }
    s.insert(QStringLiteral("insert into Encerrantes (ie, ano, mes, retificacao, NSerieBomba, NBico, Produto, "
                            "LeituraInicial, LeituraFinal, VolComSemInterv, VolComCemInterv) values "
                            "(?,?,?,?,?,?,?,?,?,?,?)"),
             s.key({serial, nozzleNumber, productCode, integerValue(opening), integerValue(closing),
                    integerValue(withoutIntervention), integerValue(withIntervention)}));
    return s.t;
}

QString readSegmentH(SegmentReader& s) {
    if (refusedForActivity(s) || !s.commonChecks()) return s.t;
    const QString prefix = QStringLiteral(" Segmento H - ");
    const QString tank = s.field(21, 4), product = s.field(25, 10), quantity = s.field(35, 10);
    const QString productMessage = QStringLiteral(" Não é um valor válido para Código do Produto (H6). ");
    checkInteger(s, tank, prefix, QStringLiteral(" Não é um valor válido para Número do Tanque (H5). "));
    checkInteger(s, product, prefix, productMessage);
    checkInteger(s, quantity, QString(), QStringLiteral(" Não é um valor válido para Quantidade (H7). "));
    const int productCode = integerOf(product, QStringLiteral("H6"));
    if (productCode < 1 || productCode > 3) s.add(prefix + product + productMessage);
    if (!s.t.isEmpty()) return s.t;

    const QVariant tankNumber = integerValue(tank);
    if (s.exists(QStringLiteral("select count(*) from EstTanque") + kWhereKey + QStringLiteral(" and EstTanque = ?"),
                 s.key({tankNumber}))) {
        s.set(QStringLiteral(" Segmento H - Existem registros repetidos para o Número do Tanque de Combustível ") +
              tank + QStringLiteral(" (H5)."));
        return s.t;
    }
    s.insert(QStringLiteral("insert into EstTanque (ie, ano, mes, retificacao, EstTanque, Produto, EstQuantidade) "
                            "values (?,?,?,?,?,?,?)"),
             s.key({tankNumber, productCode, integerValue(quantity)}));
    return s.t;
}

QString readSegmentI(SegmentReader& s) {
    if (refusedForActivity(s) || !s.commonChecks()) return s.t;
    const QString prefix = QStringLiteral(" Segmento I - ");
    const QString note = s.field(21, 10), issued = s.field(31, 8), cnpj = s.field(39, 14), state = s.field(53, 2),
                  quantity = s.field(69, 10);
    checkInteger(s, note, prefix, QStringLiteral(" Não é um valor válido para Número da Nota Fiscal (I5). "));
    const std::optional<QDate> issueDate = readDate(issued);
    if (!issueDate) s.add(prefix + QStringLiteral("Data de emissão da Nota Fiscal inválida (I6). "));
    if (!IsValidCNPJ(cnpj)) s.add(prefix + cnpj + QStringLiteral(" CNPJ do remetente inválido (I7). "));
    if (!IsNumericStateCode(state)) s.add(prefix + state + QStringLiteral(" Não é um valor válido para UF (I8)."));
    const AccountAmount unitValue = s.amount(55, QStringLiteral("I9"));
    if (!unitValue.isNumber)
        s.add(prefix + unitValue.text + QStringLiteral(" Não é  um valor válido para Valor Unitário (I9)."));
    const std::optional<double> amount = toNumber(quantity);
    if (!amount) s.add(prefix + quantity + QStringLiteral(" Não é um valor válido para Quantidade (I10). "));
    if (!s.t.isEmpty()) return s.t;

    const QString sender = cnpj.trimmed();
    const QVariant noteNumber = integerValue(note);
    if (s.exists(QStringLiteral("select count(*) from InfoAlcool") + kWhereKey +
                     QStringLiteral(" and CnpjRemetente = ? and NNotaFiscal = ?"),
                 s.key({sender, noteNumber}))) {
        s.set(QStringLiteral(" Segmento I - Existem registros repetidos para o Número da Nota Fiscal ") + note +
              QStringLiteral(" (I5)."));
        return s.t;
    }
    s.insert(QStringLiteral("insert into InfoAlcool (ie, ano, mes, retificacao, CnpjRemetente, NNotaFiscal, "
                            "DtEmissaoNota, UfOrigem, ValorUnitario, Quantidade) values (?,?,?,?,?,?,?,?,?,?)"),
             s.key({sender, noteNumber, decl::sql::date(*issueDate), integerValue(state), unitValue.value, *amount}));
    return s.t;
}

QString readSegmentJ(SegmentReader& s) {
    if (!s.commonChecks()) return s.t;
    if (s.d.key.yyyymm() < QLatin1String("200701"))
        s.add(s.d.key.mmyyyy() + QStringLiteral(" Segmento J - No caso de VEXA com período de referência anterior a "
                                                 "01/2007 utilize a versão 4.7 do programa VEXA. "));
    const QString number = s.field(21, 20);
    if (number.trimmed().isEmpty()) s.add(QStringLiteral(" Segmento J - Campo Número do TARE deve ser informado. "));
    const QString expiry = s.field(41, 8);
    const std::optional<QDate> expiryDate = readDate(expiry);
    if (!isBlank(expiry) && !expiryDate)
        s.add(expiry + QStringLiteral(" Segmento J - Data do vencimento do TARE no segmento J inválida. "));
    if (!s.t.isEmpty()) return s.t;

    const QString tare = number.trimmed();
    if (s.exists(QStringLiteral("select count(*) from Tare") + kWhereKey + QStringLiteral(" and NumeroTare = ?"),
                 s.key({tare}))) {
        s.set(QStringLiteral(" Segmento J - Existem registros repetidos para o Número do TARE ") + number +
              QStringLiteral(" (J5)."));
        return s.t;
    }
    s.insert(QStringLiteral("insert into Tare (ie, ano, mes, retificacao, NumeroTare, DataVencto) values (?,?,?,?,?,?)"),
             s.key({tare, decl::sql::date(expiryDate.value_or(QDate()))}));
    return s.t;
}

QString readSegmentK(SegmentReader& s) {
    if (!s.commonChecks()) return s.t;
    const QString code = s.field(21, 2).trimmed();
    const int law = integerOf(code, QStringLiteral("K5"));
    if (!s.run.lookups.creditLaw.get(code, [&] { return storage::CreditLawExists(law); }))
        s.add(code + QStringLiteral(" Não é um  Código de Base Legal válido para o  segmento K. "));
    const AccountAmount value = s.amount(23, QStringLiteral("K6"));
    if (!value.isNumber) {
        s.add(value.text + QStringLiteral(" Valor do Crédito informado no segmento K é inválido."));
    } else {
        addTo(s.d.otherCredits, value.value);
        addTo(code == QLatin1String("98") ? s.d.otherCredits98 : s.d.otherCreditsRest, value.value);
    }
    if (!s.t.isEmpty()) return s.t;

    if (s.exists(QStringLiteral("select count(*) from OutrosCred") + kWhereKey + QStringLiteral(" and CodLei = ?"),
                 s.key({law}))) {
        s.set(QStringLiteral(" Segmento K - Existem registros repetidos para Outros Créditos, Código da Base Legal : ") +
              code + QStringLiteral(" - ") +
              s.run.lookups.creditLawText.get(code, [&] { return storage::CreditLawDescription(code); }) +
              QStringLiteral(" (K5)."));
        return s.t;
    }
    s.insert(QStringLiteral("insert into OutrosCred (ie, ano, mes, retificacao, CodLei, Valor) values (?,?,?,?,?,?)"),
             s.key({law, value.value}));
    return s.t;
}

QString readSegmentL(SegmentReader& s) {
    if (!s.commonChecks()) return s.t;
    const QString code = s.field(21, 2).trimmed();
    const int law = integerOf(code, QStringLiteral("L5"));
    if (!s.run.lookups.deductionLaw.get(code, [&] { return storage::DeductionLawExists(law); }))
        s.add(code + QStringLiteral(" Código da Base Legal informado no segmento L é inválido. "));
    const AccountAmount due = s.amount(23, QStringLiteral("L6"));
    const AccountAmount average = s.amount(37, QStringLiteral("L7"));
    double expected = 0;
    if (law != 99) {
        if (!due.isNumber)
            s.add(due.text + QStringLiteral(" não é um valor válido para o campo ICMS Devido do segmento L."));
        if (!average.isNumber)
            s.add(average.text + QStringLiteral(" não é um valor válido para o campo Média do ICMS do segmento L."));
        const double subject = due.value - average.value;
        expected = subject * 0.75 - subject * 0.75 * 0.05;
    }
    const AccountAmount deduction = s.amount(51, QStringLiteral("L8"));
    addTo(s.d.deductions, deduction.value);
    if (!deduction.isNumber)
        s.add(deduction.text + QStringLiteral(" não é um valor válido para o campo Valor da Deduções do segmento L."));
    if (law != 99 && money::editText(expected) != deduction.text)
        s.add(QStringLiteral("Segmento L8 - Valor da Dedução informado para a Base Legal: ") + code +
              QStringLiteral(", não confere com o valor encontrado através do cálculo realizado a partir do valor "
                             "informado para o segmento  L6 - ICMS Devido e L7 - Média do ICMS."));
    if (!s.t.isEmpty()) return s.t;

    if (s.exists(QStringLiteral("select count(*) from Deducoes") + kWhereKey + QStringLiteral(" and CodLei = ?"),
                 s.key({law}))) {
        s.set(QStringLiteral(" Segmento L - Existem registros repetidos para Deduções, Código da Base Legal: ") + code +
              QStringLiteral(" - ") +
              s.run.lookups.deductionLawText.get(code, [&] { return storage::DeductionLawDescription(code); }) +
              QStringLiteral(" (L5)."));
        return s.t;
    }
    s.insert(QStringLiteral("insert into Deducoes (ie, ano, mes, retificacao, CodLei, ICMSDevido, MediaICMS, "
                            "VlrDeducao) values (?,?,?,?,?,?,?,?)"),
             s.key({law, due.value, average.value, deduction.value}));
    return s.t;
}

} // namespace vexa::declfile::import
