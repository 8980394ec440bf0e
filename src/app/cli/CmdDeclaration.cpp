// vexa-cli declaration list|show: the declarations of the database and, for
// one of them, every stored field of `Vexas` with the computed items 5.4 to
// 8.7 and the item 3.9 text, as the declaration screen shows them.

#include "app/cli/CmdSupport.h"
#include "common/DocumentChecks.h"
#include "common/Money.h"
#include "declaration/Apuracao.h"
#include "declaration/DeclarationService.h"
#include "declaration/VexaRow.h"

#include <QJsonObject>
#include <QRegularExpression>

namespace vexa::cli {

namespace {

using namespace vexa::decl;

QString periodShown(const DeclarationKey& k) { return k.mes + QLatin1Char('/') + k.ano; }

int declarationList(Context& ctx, QStringList args) {
    const QString period = takeOption(args, QStringLiteral("--period"));
    if (unknownArguments(ctx, args)) return Failed;
    if (!period.isEmpty() && !validPeriod(period)) return badPeriod(ctx, period);
    if (!openDatabase(ctx)) return Failed;
    for (const DeclarationListItem& item : listDeclarations(period))
        ctx.out << item.key.ie << '\t' << periodShown(item.key) << '\t' << item.key.retificacao << '\t'
                << item.razaoSocial << '\n';
    ctx.out.flush();
    return Done;
}

// The computed items in the order of the computation, with their item numbers.
struct ComputedItem {
    const char* name;
    const char* item;
    double Apuracao::*value;
};
const ComputedItem kComputed[] = {
    {"C54", "5.4", &Apuracao::C54},   {"C65", "6.5", &Apuracao::C65},   {"C71", "7.1", &Apuracao::C71},
    {"C73", "7.3", &Apuracao::C73},   {"C75", "7.5", &Apuracao::C75},   {"C74", "7.4", &Apuracao::C74},
    {"C78", "7.8", &Apuracao::C78},   {"C711", "7.11", &Apuracao::C711}, {"C712", "7.12", &Apuracao::C712},
    {"C715", "7.15", &Apuracao::C715}, {"C716", "7.16", &Apuracao::C716}, {"C86", "8.6", &Apuracao::C86},
    {"C87", "8.7", &Apuracao::C87},
};

// Every stored column with its value: texts as stored, amounts to the cent,
// dates "dd/mm/yyyy", an empty municipality or date as null.
QList<std::pair<QString, QVariant>> storedFields(const VexaRow& r) {
    auto date = [](const QDate& d) { return d.isValid() ? QVariant(d.toString(QStringLiteral("dd/MM/yyyy"))) : QVariant(); };
    auto amount = [](double v) { return QVariant(money::round2(v)); };
    return {{QStringLiteral("IE"), r.IE},
            {QStringLiteral("Ano"), r.Ano},
            {QStringLiteral("Mes"), r.Mes},
            {QStringLiteral("Retificacao"), r.Retificacao},
            {QStringLiteral("SaldoInicialCaixa"), amount(r.SaldoInicialCaixa)},
            {QStringLiteral("SaldoFinalCaixa"), amount(r.SaldoFinalCaixa)},
            {QStringLiteral("CRCContador"), r.CRCContador},
            {QStringLiteral("UF"), r.UF},
            {QStringLiteral("CPF"), r.CPF},
            {QStringLiteral("NomeResponsavel"), r.NomeResponsavel},
            {QStringLiteral("C51"), amount(r.C51)},
            {QStringLiteral("C52"), amount(r.C52)},
            {QStringLiteral("C53"), amount(r.C53)},
            {QStringLiteral("C79"), amount(r.C79)},
            {QStringLiteral("C710"), amount(r.C710)},
            {QStringLiteral("C61"), amount(r.C61)},
            {QStringLiteral("C62"), amount(r.C62)},
            {QStringLiteral("C63"), amount(r.C63)},
            {QStringLiteral("C64"), amount(r.C64)},
            {QStringLiteral("C72"), amount(r.C72)},
            {QStringLiteral("C76"), amount(r.C76)},
            {QStringLiteral("C77"), amount(r.C77)},
            {QStringLiteral("C81"), amount(r.C81)},
            {QStringLiteral("C82"), amount(r.C82)},
            {QStringLiteral("C83"), amount(r.C83)},
            {QStringLiteral("C84"), amount(r.C84)},
            {QStringLiteral("C85"), amount(r.C85)},
            {QStringLiteral("TipoEncerrante"), r.TipoEncerrante},
            {QStringLiteral("C74"), amount(r.C74)},
            {QStringLiteral("ObsEncerrantes"), r.ObsEncerrantes},
            {QStringLiteral("MudaDomicilio"), r.MudaDomicilio},
            {QStringLiteral("CidadeB"), r.CidadeB == 0 ? QVariant() : QVariant(r.CidadeB)},
            {QStringLiteral("DtIniA"), date(r.DtIniA)},
            {QStringLiteral("DtFimA"), date(r.DtFimA)},
            {QStringLiteral("DtIniB"), date(r.DtIniB)},
            {QStringLiteral("DtFimB"), date(r.DtFimB)},
            {QStringLiteral("Importado"), r.Importado},
            {QStringLiteral("C713"), amount(r.C713)},
            {QStringLiteral("C714"), amount(r.C714)},
            {QStringLiteral("C716"), amount(r.C716)}};
}

void printJson(Context& ctx, const VexaRow& row, const Apuracao& a) {
    QJsonObject stored;
    for (const auto& [name, value] : storedFields(row)) stored.insert(name, QJsonValue::fromVariant(value));
    QJsonObject computed;
    for (const ComputedItem& c : kComputed)
        computed.insert(QString::fromLatin1(c.name), money::round2(a.*(c.value)));
    QJsonObject all;
    all.insert(QStringLiteral("stored"), stored);
    all.insert(QStringLiteral("computed"), computed);
    all.insert(QStringLiteral("VexaRetificadora"), a.VexaRetificadora);
    printJsonObject(ctx, all);
}

void printText(Context& ctx, const VexaRow& row, const Apuracao& a) {
    for (const auto& [name, value] : storedFields(row)) {
        QString shown;
        if (value.typeId() == QMetaType::Double) shown = money::format(value.toDouble());
        else if (value.typeId() == QMetaType::Bool) shown = value.toBool() ? QStringLiteral("S") : QStringLiteral("N");
        else shown = value.toString();
        ctx.out << name << ": " << shown << '\n';
    }
    for (const ComputedItem& c : kComputed)
        ctx.out << c.name << " (" << c.item << "): " << money::format(a.*(c.value)) << '\n';
    ctx.out << a.VexaRetificadora << '\n';
    ctx.out.flush();
}

int declarationShow(Context& ctx, QStringList args) {
    const QString ie = SoNumeros(takeOption(args, QStringLiteral("--ie")));
    const QString period = takeOption(args, QStringLiteral("--period"));
    QString ret = takeOption(args, QStringLiteral("--ret"));
    const bool json = takeFlag(args, QStringLiteral("--json"));
    if (unknownArguments(ctx, args)) return Failed;
    if (ie.isEmpty() || period.isEmpty()) {
        ctx.err << "uso: vexa-cli declaration show --ie IE --period MMAAAA [--ret RR] [--json]" << Qt::endl;
        return Failed;
    }
    if (!validPeriod(period)) return badPeriod(ctx, period);
    static const QRegularExpression twoDigits(QStringLiteral("^[0-9]{1,2}$"));
    if (!ret.isEmpty() && !twoDigits.match(ret).hasMatch()) {
        ctx.err << "Retificação inválida: \"" << ret << "\" (informe RR)." << Qt::endl;
        return Refused;
    }
    if (!openDatabase(ctx)) return Failed;

    const QString mes = period.left(2);
    const QString ano = period.mid(2);
    ret = ret.isEmpty() ? latestRetificacao(ie, ano, mes) : twoDigitMonth(ret.toInt());
    const std::optional<VexaRow> row = loadVexa({ie, ano, mes, ret});
    if (!row || !row->Importado) {
        ctx.err << "VEXA não localizada: " << ie << ' ' << mes << '/' << ano << " Ret. " << ret << '.' << Qt::endl;
        return Refused;
    }
    const Apuracao a = computeApuracao(*row);
    if (json) printJson(ctx, *row, a);
    else printText(ctx, *row, a);
    return Done;
}

} // namespace

int runDeclaration(Context& ctx, QStringList args) {
    const QString sub = args.isEmpty() ? QString() : args.takeFirst();
    if (sub == QLatin1String("list")) return declarationList(ctx, args);
    if (sub == QLatin1String("show")) return declarationShow(ctx, args);
    ctx.err << "uso: vexa-cli declaration list [--period MMAAAA] | show --ie IE --period MMAAAA [--ret RR] [--json]"
            << Qt::endl;
    return Failed;
}

} // namespace vexa::cli
