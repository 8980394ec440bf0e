// vexa-cli dare standalone issue|list|show|print|delete: the slips that belong
// to no declaration, without the "Cadastrar DARE Avulso" screen. A new slip
// gets its `Seq` as leaving the year field after "&Novo" gives it; then the
// same core save checks run in the same order with the same messages, and
// printing runs the print checks before the page is written.

#include "app/cli/CmdSupport.h"
#include "common/Conversions.h"
#include "common/Money.h"
#include "payment/ConsultaDareAvulsa.h"
#include "payment/DareAvulsas.h"
#include "payment/GateAvulsaReport.h"
#include "payment/SlipDraw.h"

#include <QJsonObject>

namespace vexa::cli {

namespace {

using namespace vexa::payment;

constexpr const char* kIssueSyntax =
    "dare standalone issue --ie IE --period MMAAAA --revenue CODIGO --due-date DD/MM/AAAA --value V\n"
    "           [--fine V] [--interest V] [--correction V] --doc-name NOME [--doc-number N] [--doc-text TEXTO]\n"
    "           [--obs TEXTO]... [--seq N]\n"
    "         NOME: NFA, CATC, NI, PROCESSO, OUTROS ou o texto completo da lista";
constexpr const char* kListSyntax = "dare standalone list [--ie IE] [--period MMAAAA]";
constexpr const char* kShowSyntax = "dare standalone show --ie IE --period MMAAAA --revenue CODIGO --seq N [--json]";
constexpr const char* kPrintSyntax =
    "dare standalone print --ie IE --period MMAAAA --revenue CODIGO --seq N -o ARQUIVO.pdf";
constexpr const char* kDeleteSyntax = "dare standalone delete --ie IE --period MMAAAA --revenue CODIGO --seq N [--yes]";

// An amount as the money edits take it: not negative. False (after printing why) otherwise.
bool readAmount(Context& ctx, const QString& option, const QString& given, double& value, int* rc) {
    const std::optional<double> v = money::parse(given);
    if (!v || *v < 0) {
        *rc = refuse(ctx, QStringLiteral("Valor inválido em %1: \"%2\".").arg(option, given));
        return false;
    }
    value = *v;
    return true;
}

// --ie, --period, --revenue and --seq: the full key of a stored slip.
bool readKey(Context& ctx, QStringList& args, AvulsaKey& key, int* rc, const char* syntax) {
    const QString ie = typedIE(takeOption(args, QStringLiteral("--ie")));
    const QString period = takeOption(args, QStringLiteral("--period"));
    const QString revenue = takeOption(args, QStringLiteral("--revenue"));
    const QString seq = takeOption(args, QStringLiteral("--seq"));
    if (ie.isEmpty() || period.isEmpty() || revenue.isEmpty() || seq.isEmpty()) {
        *rc = usage(ctx, syntax);
        return false;
    }
    const std::optional<int> n = toInteger(seq);
    if (!n) {
        *rc = refuse(ctx, QStringLiteral("Sequência inválida: \"%1\".").arg(seq));
        return false;
    }
    if (!IsValidPeriod(period)) {
        *rc = refuse(ctx, avulsa_msg::PeriodoInvalido);
        return false;
    }
    key = {ie, period.mid(2), period.left(2), revenue, *n};
    return true;
}

bool findStored(Context& ctx, const AvulsaKey& key, DareAvulsa& slip, int* rc) {
    const std::optional<DareAvulsa> stored = findDareAvulsa(key);
    if (!stored) {
        *rc = refuse(ctx, avulsa_msg::SemDareAvulso);
        return false;
    }
    slip = *stored;
    return true;
}

void printJson(Context& ctx, const DareAvulsa& s, const AvulsaCodes& codes) {
    QJsonObject o;
    o.insert(QStringLiteral("IE"), s.key.IE);
    o.insert(QStringLiteral("Periodo"), s.key.periodo());
    o.insert(QStringLiteral("Retificacao"), QString());
    o.insert(QStringLiteral("CodigoTributo"), s.key.CodigoTributo);
    o.insert(QStringLiteral("DataVencimento"), dateOrEmpty(s.DataVencimento));
    o.insert(QStringLiteral("DataPgto"), QString());
    o.insert(QStringLiteral("Vl_Receita"), s.ValorReceita);
    o.insert(QStringLiteral("AtualizacaoMonetaria"), s.AtualizacaoFinaceira);
    o.insert(QStringLiteral("Multa"), s.Multa);
    o.insert(QStringLiteral("Juros"), s.Juros);
    o.insert(QStringLiteral("ccVlTotal"), codes.ccVlTotal);
    o.insert(QStringLiteral("NossoNumero"), codes.NossoNumero);
    o.insert(QStringLiteral("CodBar"), codes.CodBar);
    o.insert(QStringLiteral("LinhaDigitavel"), codes.LinhaDigitavel);
    o.insert(QStringLiteral("Obs4"), codes.Obs4);
    o.insert(QStringLiteral("Seq"), s.key.Seq);
    o.insert(QStringLiteral("TipoDoc"), s.TipoDoc);
    o.insert(QStringLiteral("NumeroDoc"), s.NumeroDoc);
    printJsonObject(ctx, o);
}

void printText(Context& ctx, const DareAvulsa& s, const AvulsaCodes& codes, const std::optional<Tributo>& tributo) {
    const SlipTaxpayer t = findSlipTaxpayer(s.key.IE);
    const QString revenue =
        tributo ? s.key.CodigoTributo + QStringLiteral(" - ") + tributo->Descricao : s.key.CodigoTributo;
    printLabelled(ctx, {
        {"Inscrição Estadual", s.key.IE},
        {"Nome do Contribuinte", t.RazaoSocial},
        {"CNPJ", t.CGC_CPF},
        {"Código do Município", t.codIBGE},
        {"Período de Referência", s.key.Mes + QLatin1Char('/') + s.key.Ano},
        {"Sequência", QString::number(s.key.Seq)},
        {"Código da Receita", revenue},
        {"Data de Vencimento", dateOrEmpty(s.DataVencimento)},
        {"Valor da Receita", money::format(s.ValorReceita)},
        {"Multa", money::format(s.Multa)},
        {"Juros", money::format(s.Juros)},
        {"Atualização Monetária", money::format(s.AtualizacaoFinaceira)},
        {"Valor Total", money::format(codes.ccVlTotal)},
        {"Observações", QStringList{s.Obs1, s.Obs2, s.Obs3}.join(QStringLiteral(" | "))},
        {"Nome Documento", s.TipoDoc},
        {"Documento Especifique", s.Doc_Origem},
        {"Número Documento", s.NumeroDoc},
        {"Nosso Número", codes.NossoNumero},
        {"Código de Barras", codes.CodBar},
        {"Linha Digitável", codes.LinhaDigitavel},
        {"Informação", codes.Obs4},
    });
}

int standaloneIssue(Context& ctx, QStringList args) {
    int rc = Failed;
    const QString ie = typedIE(takeOption(args, QStringLiteral("--ie")));
    const QString period = takeOption(args, QStringLiteral("--period"));
    const QString revenue = takeOption(args, QStringLiteral("--revenue"));
    const QString dueDate = takeOption(args, QStringLiteral("--due-date"));
    const QString value = takeOption(args, QStringLiteral("--value"));
    const QString fine = takeOption(args, QStringLiteral("--fine"));
    const QString interest = takeOption(args, QStringLiteral("--interest"));
    const QString correction = takeOption(args, QStringLiteral("--correction"));
    const bool docNameGiven = hasOption(args, QStringLiteral("--doc-name"));
    const QString docName = takeOption(args, QStringLiteral("--doc-name"));
    const bool docNumberGiven = hasOption(args, QStringLiteral("--doc-number"));
    const QString docNumber = takeOption(args, QStringLiteral("--doc-number"));
    const bool docTextGiven = hasOption(args, QStringLiteral("--doc-text"));
    const QString docText = takeOption(args, QStringLiteral("--doc-text"));
    const QStringList obs = takeOptions(args, QStringLiteral("--obs"));
    const QString seqText = takeOption(args, QStringLiteral("--seq"));
    if (unknownArguments(ctx, args)) return Failed;
    if (ie.isEmpty() || period.isEmpty() || revenue.isEmpty() || dueDate.isEmpty() || value.isEmpty() ||
        !docNameGiven)
        return usage(ctx, kIssueSyntax);
    if (obs.size() > 3) return refuse(ctx, kTooManyObs);

    // The document name: the list's text or its short name; a blank one is "not chosen".
    QString tipoDoc;
    if (documentoChosen(docName)) {
        const std::optional<DocumentoAvulso> doc = findDocumento(docName);
        if (!doc)
            return refuse(ctx, QStringLiteral("Nome do documento desconhecido: \"%1\" (informe NFA, CATC, NI, PROCESSO "
                                              "ou OUTROS).")
                                   .arg(docName));
        tipoDoc = doc->nome;
    }
    std::optional<int> seq;
    if (!seqText.isEmpty()) {
        seq = toInteger(seqText);
        if (!seq) return refuse(ctx, QStringLiteral("Sequência inválida: \"%1\".").arg(seqText));
    }
    double valorReceita = 0, multa = 0, juros = 0, atualizacao = 0;
    if (!readAmount(ctx, QStringLiteral("--value"), value, valorReceita, &rc)) return rc;
    if (!fine.isEmpty() && !readAmount(ctx, QStringLiteral("--fine"), fine, multa, &rc)) return rc;
    if (!interest.isEmpty() && !readAmount(ctx, QStringLiteral("--interest"), interest, juros, &rc)) return rc;
    if (!correction.isEmpty() && !readAmount(ctx, QStringLiteral("--correction"), correction, atualizacao, &rc))
        return rc;

    if (!openDatabase(ctx)) return Failed;
    const QString mes = period.left(2);
    const QString ano = period.mid(2);
    DareAvulsa s;
    std::optional<AvulsaKey> original;
    if (seq) {
        // A stored slip, edited.
        if (!findStored(ctx, {ie, ano, mes, revenue, *seq}, s, &rc)) return rc;
        original = s.key;
        if (fine.isEmpty()) multa = s.Multa;
        if (interest.isEmpty()) juros = s.Juros;
        if (correction.isEmpty()) atualizacao = s.AtualizacaoFinaceira;
    } else {
        // A new slip, as "&Novo" and leaving the year field start it.
        const YearResult year = leaveYear(ie, mes, ano, true);
        if (year.outcome != YearOutcome::New) return fail(ctx, year.error);
        s = year.slip;
    }
    s.key.CodigoTributo = revenue;
    s.DataVencimento = toDate(dueDate).value_or(QDate());
    s.ValorReceita = valorReceita;
    s.Multa = multa;
    s.Juros = juros;
    s.AtualizacaoFinaceira = atualizacao;
    s.TipoDoc = tipoDoc;
    if (docNumberGiven || !seq) s.NumeroDoc = docNumber;
    if (docTextGiven || !seq) s.Doc_Origem = docText;
    if (!seq)
        if (const std::optional<QString> line = obs1FromDocument(s.TipoDoc, s.NumeroDoc, s.Doc_Origem)) s.Obs1 = *line;
    setObservations(s, obs);

    if (const CheckResult widths = checkAvulsaWidths(s); !widths) return refuse(ctx, widths.message);
    if (const AvulsaSaveCheck check = checkSaveAvulsa(s); !check.ok()) return refuse(ctx, check.refusal.message);
    QString error;
    if (!saveDareAvulsa(s, original, &error)) return fail(ctx, error);
    ctx.out << s.key.Seq << Qt::endl;
    return Done;
}

int standaloneList(Context& ctx, QStringList args) {
    const QString ie = typedIE(takeOption(args, QStringLiteral("--ie")));
    const QString period = takeOption(args, QStringLiteral("--period"));
    if (unknownArguments(ctx, args)) return Failed;
    if (!period.isEmpty() && !IsValidPeriod(period)) return refuse(ctx, avulsa_msg::PeriodoInvalido);
    if (!openDatabase(ctx)) return Failed;
    for (const AvulsaConsultRow& r : consultDareAvulsas(kTodos, period, ie))
        ctx.out << r.IE << '\t' << r.mes() << '/' << r.ano() << '\t' << r.CodigoTributo << '\t' << r.Seq << '\t'
                << money::format(r.ValorReceita) << '\t' << r.RazaoSocial << '\n';
    ctx.out.flush();
    return Done;
}

int standaloneShow(Context& ctx, QStringList args) {
    int rc = Failed;
    AvulsaKey key;
    if (!readKey(ctx, args, key, &rc, kShowSyntax)) return rc;
    const bool json = takeFlag(args, QStringLiteral("--json"));
    if (unknownArguments(ctx, args)) return Failed;
    if (!openDatabase(ctx)) return Failed;
    DareAvulsa s;
    if (!findStored(ctx, key, s, &rc)) return rc;
    const std::optional<Tributo> tributo = findTributo(s.key.CodigoTributo);
    const AvulsaCodes codes = avulsaCodes(s, tributo);
    if (json)
        printJson(ctx, s, codes);
    else
        printText(ctx, s, codes, tributo);
    return Done;
}

int standalonePrint(Context& ctx, QStringList args) {
    int rc = Failed;
    AvulsaKey key;
    if (!readKey(ctx, args, key, &rc, kPrintSyntax)) return rc;
    const QString output = takeOption(args, QStringLiteral("-o"));
    if (unknownArguments(ctx, args)) return Failed;
    if (output.isEmpty()) return usage(ctx, kPrintSyntax);
    if (!openDatabase(ctx)) return Failed;
    DareAvulsa s;
    if (!findStored(ctx, key, s, &rc)) return rc;
    if (const CheckResult check = checkPrintAvulsa(s); !check) return refuse(ctx, check.message);
    const QList<SlipPage> pages = dareAvulsaPages(s.key);
    if (pages.isEmpty()) return refuse(ctx, noPageMessage(s));
    QString error;
    if (!writeSlipPdf(output, pages, &error)) return fail(ctx, error);
    return Done;
}

int standaloneDelete(Context& ctx, QStringList args) {
    int rc = Failed;
    AvulsaKey key;
    if (!readKey(ctx, args, key, &rc, kDeleteSyntax)) return rc;
    if (unknownArguments(ctx, args)) return Failed;
    if (!openDatabase(ctx)) return Failed;
    return deleteAndReport<DeleteOutcome>(
        ctx, [&](Prompter& prompter, QString* error) { return deleteDareAvulsa(key, prompter, error); },
        avulsa_msg::SemDareAvulso);
}

} // namespace

int runDareStandalone(Context& ctx, QStringList args) {
    const QString sub = args.isEmpty() ? QString() : args.takeFirst();
    if (sub == QLatin1String("issue")) return standaloneIssue(ctx, args);
    if (sub == QLatin1String("list")) return standaloneList(ctx, args);
    if (sub == QLatin1String("show")) return standaloneShow(ctx, args);
    if (sub == QLatin1String("print")) return standalonePrint(ctx, args);
    if (sub == QLatin1String("delete")) return standaloneDelete(ctx, args);
    ctx.err << "uso: vexa-cli " << kIssueSyntax << "\n       vexa-cli " << kListSyntax << "\n       vexa-cli "
            << kShowSyntax << "\n       vexa-cli " << kPrintSyntax << "\n       vexa-cli " << kDeleteSyntax << Qt::endl;
    return Failed;
}

} // namespace vexa::cli
