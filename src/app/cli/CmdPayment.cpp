// vexa-cli dare issue|show|delete|print: the DARE of a monthly declaration
// without the "Cadastrar DARE" screen. Each command finds the slip as the
// screen does (the latest rectification of the period), then runs the same
// core checks in the same order with the same messages. `dare standalone`
// goes to the standalone slips.

#include "app/cli/CmdSupport.h"
#include "common/Conversions.h"
#include "common/DocumentChecks.h"
#include "common/Money.h"
#include "payment/GateReport.h"
#include "payment/Gates.h"
#include "payment/SlipDraw.h"

#include <QJsonObject>

namespace vexa::cli {

namespace {

using namespace vexa::payment;

struct Target {
    QString ie;
    QString period;
};

// --ie and --period, both required; false (after printing why) otherwise.
bool readTarget(Context& ctx, QStringList& args, Target& t, int* rc, const char* syntax) {
    t.ie = typedIE(takeOption(args, QStringLiteral("--ie")));
    t.period = takeOption(args, QStringLiteral("--period"));
    if (t.ie.isEmpty() || t.period.isEmpty()) {
        *rc = usage(ctx, syntax);
        return false;
    }
    if (!validPeriod(t.period)) {
        *rc = badPeriod(ctx, t.period);
        return false;
    }
    return true;
}

// The reference check as leaving the year field runs it; the stored DARE of
// the latest rectification when `stored` is asked for.
bool findSlip(Context& ctx, const Target& t, bool stored, ReferenceResult& r, int* rc) {
    r = referenceCheck(t.ie, t.period.left(2), t.period.mid(2), true);
    if (!r.ok()) {
        *rc = refuse(ctx, r.check.message);
        return false;
    }
    if (stored && r.outcome != ReferenceOutcome::Shown) {
        *rc = refuse(ctx, dare_msg::SemDare);
        return false;
    }
    return true;
}

void printJson(Context& ctx, const DareView& v) {
    const Dare& d = v.dare;
    QJsonObject o;
    o.insert(QStringLiteral("IE"), d.key.IE);
    o.insert(QStringLiteral("Periodo"), d.key.periodo());
    o.insert(QStringLiteral("Retificacao"), d.key.Retificacao);
    o.insert(QStringLiteral("CodigoTributo"), d.CodigoTributo);
    o.insert(QStringLiteral("DataVencimento"), dateOrEmpty(v.DataVencimento));
    o.insert(QStringLiteral("DataPgto"), dateOrEmpty(d.DataPgto));
    o.insert(QStringLiteral("Vl_Receita"), v.amounts.Vl_Receita);
    o.insert(QStringLiteral("AtualizacaoMonetaria"), v.amounts.AtualizacaoMonetaria);
    o.insert(QStringLiteral("Multa"), v.amounts.Multa);
    o.insert(QStringLiteral("Juros"), v.amounts.Juros);
    o.insert(QStringLiteral("ccVlTotal"), v.amounts.ccVlTotal);
    o.insert(QStringLiteral("NossoNumero"), v.NossoNumero);
    o.insert(QStringLiteral("CodBar"), v.CodBar);
    o.insert(QStringLiteral("LinhaDigitavel"), v.LinhaDigitavel);
    o.insert(QStringLiteral("Obs4"), v.Obs4);
    printJsonObject(ctx, o);
}

void printText(Context& ctx, const DareView& v) {
    const Dare& d = v.dare;
    const QString revenue = v.tributo ? d.CodigoTributo + QStringLiteral(" - ") + v.tributo->Descricao : d.CodigoTributo;
    printLabelled(ctx, {
        {"Inscrição Estadual", d.key.IE},
        {"Nome do Contribuinte", v.RazaoSocial},
        {"CNPJ", v.CGC_CPF},
        {"Código do Município", v.codIBGE},
        {"Período de Referência", d.key.Mes + QLatin1Char('/') + d.key.Ano},
        {"Retificação", d.key.Retificacao},
        {"Código da Receita", revenue},
        {"Data de Vencimento", dateOrEmpty(v.DataVencimento)},
        {"Data para Pagamento", dateOrEmpty(d.DataPgto)},
        {"Valor da Receita", money::format(v.amounts.Vl_Receita)},
        {"Atualização Monetária", money::format(v.amounts.AtualizacaoMonetaria)},
        {"Multa", money::format(v.amounts.Multa)},
        {"Juros", money::format(v.amounts.Juros)},
        {"Valor Total", money::format(v.amounts.ccVlTotal)},
        {"Observações", QStringList{d.Obs1, d.Obs2, d.Obs3}.join(QStringLiteral(" | "))},
        {"Nº Doc. Origem", d.Doc_Origem},
        {"Nosso Número", v.NossoNumero},
        {"Código de Barras", v.CodBar},
        {"Linha Digitável", v.LinhaDigitavel},
        {"Informação", v.Obs4},
    });
}

constexpr const char* kIssueSyntax =
    "dare issue --ie IE --period MMAAAA --revenue CODIGO --pay-date DD/MM/AAAA [--doc TEXTO] [--obs TEXTO]...";
constexpr const char* kShowSyntax = "dare show --ie IE --period MMAAAA [--json]";
constexpr const char* kDeleteSyntax = "dare delete --ie IE --period MMAAAA [--yes]";
constexpr const char* kPrintSyntax = "dare print --ie IE --period MMAAAA -o ARQUIVO.pdf";

int dareIssue(Context& ctx, QStringList args) {
    int rc = Failed;
    Target t;
    if (!readTarget(ctx, args, t, &rc, kIssueSyntax)) return rc;
    const QString revenue = takeOption(args, QStringLiteral("--revenue"));
    const QString payDate = takeOption(args, QStringLiteral("--pay-date"));
    const bool docGiven = hasOption(args, QStringLiteral("--doc"));
    const QString doc = takeOption(args, QStringLiteral("--doc"));
    const QStringList obs = takeOptions(args, QStringLiteral("--obs"));
    if (unknownArguments(ctx, args)) return Failed;
    if (revenue.isEmpty() || payDate.isEmpty()) return usage(ctx, kIssueSyntax);
    if (obs.size() > 3) return refuse(ctx, kTooManyObs);
    const std::optional<QDate> paid = toDate(payDate);
    if (!paid) return refuse(ctx, QStringLiteral("Data para pagamento inválida: \"%1\" (informe DD/MM/AAAA).").arg(payDate));

    if (!openDatabase(ctx)) return Failed;
    ReferenceResult r;
    if (!findSlip(ctx, t, false, r, &rc)) return rc;

    Dare d = r.dare;
    d.CodigoTributo = revenue;
    d.DataPgto = *paid;
    if (docGiven) d.Doc_Origem = doc;
    setObservations(d, obs);
    if (const CheckResult widths = checkDareWidths(d); !widths) return refuse(ctx, widths.message);
    const SaveCheck check = checkSave(d);
    for (const QString& warning : check.warnings) ctx.err << warning << Qt::endl;
    if (!check.ok()) return refuse(ctx, check.refusal.message);

    QString error;
    if (!saveDare(d, &error)) return fail(ctx, error);
    printText(ctx, describeDare(d));
    return Done;
}

int dareShow(Context& ctx, QStringList args) {
    int rc = Failed;
    Target t;
    if (!readTarget(ctx, args, t, &rc, kShowSyntax)) return rc;
    const bool json = takeFlag(args, QStringLiteral("--json"));
    if (unknownArguments(ctx, args)) return Failed;
    if (!openDatabase(ctx)) return Failed;
    ReferenceResult r;
    if (!findSlip(ctx, t, true, r, &rc)) return rc;
    const DareView view = describeDare(r.dare);
    if (json)
        printJson(ctx, view);
    else
        printText(ctx, view);
    return Done;
}

int dareDelete(Context& ctx, QStringList args) {
    int rc = Failed;
    Target t;
    if (!readTarget(ctx, args, t, &rc, kDeleteSyntax)) return rc;
    if (unknownArguments(ctx, args)) return Failed;
    if (!openDatabase(ctx)) return Failed;
    ReferenceResult r;
    if (!findSlip(ctx, t, true, r, &rc)) return rc;
    return deleteAndReport<DeleteOutcome>(
        ctx, [&](Prompter& prompter, QString* error) { return deleteDare(r.key, prompter, error); }, dare_msg::SemDare);
}

int darePrint(Context& ctx, QStringList args) {
    int rc = Failed;
    Target t;
    if (!readTarget(ctx, args, t, &rc, kPrintSyntax)) return rc;
    const QString output = takeOption(args, QStringLiteral("-o"));
    if (unknownArguments(ctx, args)) return Failed;
    if (output.isEmpty()) return usage(ctx, kPrintSyntax);
    if (!openDatabase(ctx)) return Failed;
    ReferenceResult r;
    if (!findSlip(ctx, t, true, r, &rc)) return rc;

    const CheckResult check = checkPrint(describeDare(r.dare));
    if (!check) return refuse(ctx, check.message);
    const QList<SlipPage> pages = gatePages(qrRelatorioGATE(r.key.IE, r.key.periodo(), r.key.Retificacao));
    if (pages.isEmpty()) return refuse(ctx, dare_msg::SemDadosImpressao);
    QString error;
    if (!writeSlipPdf(output, pages, &error)) return fail(ctx, error);
    return Done;
}

} // namespace

int runDare(Context& ctx, QStringList args) {
    const QString sub = args.isEmpty() ? QString() : args.takeFirst();
    if (sub == QLatin1String("standalone")) return runDareStandalone(ctx, args);
    if (sub == QLatin1String("issue")) return dareIssue(ctx, args);
    if (sub == QLatin1String("show")) return dareShow(ctx, args);
    if (sub == QLatin1String("delete")) return dareDelete(ctx, args);
    if (sub == QLatin1String("print")) return darePrint(ctx, args);
    ctx.err << "uso: vexa-cli " << kIssueSyntax << "\n       vexa-cli " << kShowSyntax << "\n       vexa-cli "
            << kDeleteSyntax << "\n       vexa-cli " << kPrintSyntax
            << "\n       vexa-cli dare standalone issue|list|show|print ..." << Qt::endl;
    return Failed;
}

} // namespace vexa::cli
