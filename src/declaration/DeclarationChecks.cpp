#include "declaration/DeclarationChecks.h"

#include "common/DocumentChecks.h"
#include "common/Money.h"
#include "common/StateCodes.h"
#include "declaration/Apuracao.h"
#include "declaration/DeclarationService.h"
#include "storage/ReferenceLookups.h"

namespace vexa::decl {

using namespace vexa_msg;

namespace {

CheckResult fail(const QString& message, const char* field) {
    return CheckResult::fail(message, QString::fromLatin1(field));
}

bool inMonth(const QDate& d, const VexaRow& row) {
    return d.year() == row.Ano.toInt() && d.month() == row.Mes.toInt();
}

bool isDecember(const VexaRow& row) { return row.Mes == QLatin1String("12"); }

// Amounts compare to the cent.
qint64 cents(double v) { return money::toCents(v); }

} // namespace

CheckResult checkLeavingIE(const QString& ie) {
    if (ie.trimmed().isEmpty()) return CheckResult::fail(InformeIE, vexa_field::IE);
    if (!storage::TaxpayerExists(ie)) return CheckResult::fail(IENaoLocalizada, vexa_field::IE);
    return CheckResult::pass();
}

CheckResult checkLeavingMes(const QString& typedMonth) {
    bool ok = false;
    const int m = typedMonth.trimmed().toInt(&ok);
    if (!ok || m < 1 || m > 12) return CheckResult::fail(MesInvalido, vexa_field::Mes);
    return CheckResult::pass();
}

LeaveAnoResult checkLeavingAno(const QString& ie, const QString& typedYear, bool leavingYearField,
                               Prompter& prompter) {
    using Outcome = LeaveAnoResult::Outcome;
    const QString year = typedYear.trimmed();
    if (year.isEmpty() || year.size() != 4)
        return {Outcome::Refused, CheckResult::fail(AnoObrigatorio, vexa_field::Ano)};
    if (!storage::TaxpayerExists(ie)) return {Outcome::Refused, CheckResult::fail(IENaoLocalizada, vexa_field::IE)};
    if (leavingYearField && year.toInt() < 2000 && !prompter.ask(AnoAnterior2000))
        return {Outcome::Declined, CheckResult::pass()};
    return {};
}

CheckResult checkDomicile(const VexaRow& row, qint64 taxpayerCityIBGE) {
    if (row.MudaDomicilio != QLatin1String("S") && row.MudaDomicilio != QLatin1String("N"))
        return fail(InformeMudanca, "MudaDomicilio");
    if (!row.changedDomicile()) return CheckResult::pass();

    if (row.CidadeB != 0 && row.CidadeB == taxpayerCityIBGE) return fail(MunicipioIgual, "CidadeB");
    if (!row.DtIniA.isValid()) return fail(DtIniAVazia, "DtIniA");
    if (!row.DtFimA.isValid()) return fail(DtFimAVazia, "DtFimA");
    if (row.CidadeB == 0) return fail(CidadeBVazia, "CidadeB");
    if (!row.DtIniB.isValid()) return fail(DtIniBVazia, "DtIniB");
    if (!row.DtFimB.isValid()) return fail(DtFimBVazia, "DtFimB");
    if (row.DtFimA < row.DtIniA) return fail(DataInicialMaior, "DtFimA");
    if (row.DtFimB < row.DtIniB) return fail(DataInicialMaior, "DtFimB");
    // B ends and A begins the next day.
    if (!(row.DtFimB < row.DtIniA && row.DtFimB.daysTo(row.DtIniA) <= 1)) return fail(DatasInvalidas, "DtIniA");
    if (!inMonth(row.DtIniA, row)) return fail(DatasForaPeriodo, "DtIniA");
    if (!inMonth(row.DtFimA, row)) return fail(DatasForaPeriodo, "DtFimA");
    if (!inMonth(row.DtIniB, row)) return fail(DatasForaPeriodo, "DtIniB");
    if (!inMonth(row.DtFimB, row)) return fail(DatasForaPeriodo, "DtFimB");
    return CheckResult::pass();
}

CheckResult checkDomicile(const VexaRow& row) { return checkDomicile(row, taxpayerCityIBGE(row.IE)); }

CheckResult checkDeclarantSheet(const VexaRow& row) {
    if (!IsLetterStateCode(row.UF)) return fail(UFInvalida, "UF");
    if (row.CPF.trimmed().isEmpty()) return fail(CPFVazio, "CPF");
    if (!IsValidCPF(row.CPF)) return fail(CPFInvalido, "CPF");
    if (row.NomeResponsavel.trimmed().isEmpty()) return fail(NomeVazio, "NomeResponsavel");
    if (!storage::AccountantExists(row.CRCContador, row.UF)) return fail(CRCNaoLocalizado, "CRCContador");
    return CheckResult::pass();
}

CheckResult checkApuracaoSheet(VexaRow& row) {
    const Apuracao a = computeApuracao(row);
    if (cents(a.C65) > cents(a.C54) && cents(row.C72) > 0) return fail(DeducoesComCredito, "C72");
    row.C72 = money::round2(row.C72);
    const double c71 = money::round2(a.C71);
    if (!isDecember(row) && isSmallBalance(a.C73)) return fail(Item73Inferior50, "C73");
    if (!isDecember(row) && isSmallBalance(a.C86)) return fail(Item86Inferior50, "C86");
    if (cents(row.C72) > cents(c71)) return fail(DeducoesMaiorSaldo, "C72");
    return CheckResult::pass();
}

QString item83Warning(const VexaRow& row) {
    if (isDecember(row) || !isSmallBalance(computeApuracao(row).C86)) return {};
    return Item86Inferior50;
}

CheckResult checkSave(VexaRow& row, Sheet sheet) {
    if (CheckResult r = checkDomicile(row); !r) return r;
    if (sheet == Sheet::Itens17a184) return checkDeclarantSheet(row);
    if (sheet == Sheet::Itens5a87) return checkApuracaoSheet(row);
    return CheckResult::pass();
}

CheckResult checkPostingPeriod(const DeclarationKey& key) {
    bool ok = false;
    const int period = key.yyyymm().toInt(&ok);
    if (!ok || period < 200901) return CheckResult::fail(PeriodoAnterior2009, vexa_field::Ano);
    return CheckResult::pass();
}

} // namespace vexa::decl
