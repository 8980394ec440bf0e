// vexa-cli taxpayer add|list|show|delete and accountant add|list|delete: the
// registry screens' work without a screen. Values go through the same core
// checks, in the same order, with the same messages; what the screens' edits
// do to a typed value (upper case, digits only, the CRC's first 10 characters)
// is done here too.

#include "app/cli/CmdSupport.h"
#include "common/DocumentChecks.h"
#include "common/Masks.h"
#include "registry/Contribuintes.h"
#include "registry/Responsaveis.h"
#include "storage/ReferenceLookups.h"

namespace vexa::cli {

namespace {

using namespace vexa::registry;

// The edits stop at the column's width; a longer value given here is refused
// rather than cut.
bool fits(Context& ctx, const QString& label, const QString& value, int width) {
    if (value.size() <= width) return true;
    ctx.err << label << " aceita no máximo " << width << " caracteres." << Qt::endl;
    return false;
}

QString choiceName(const QString& value, const QStringList& codes, const QStringList& names) {
    const int i = int(codes.indexOf(value));
    return i < 0 ? value : names[i];
}

QString yesNo(bool flag) { return flag ? QStringLiteral("Sim") : QStringLiteral("Não"); }

// ---- taxpayer ----------------------------------------------------------------

int taxpayerAdd(Context& ctx, QStringList args) {
    const QString ie = typedIE(takeOption(args, QStringLiteral("--ie")));
    const QString name = takeOption(args, QStringLiteral("--name")).toUpper();
    const QString doc = SoNumeros(takeOption(args, QStringLiteral("--doc")));
    const QString activity = takeOption(args, QStringLiteral("--activity"));
    const QString uf = takeOption(args, QStringLiteral("--uf")).toUpper();
    const QString municipality = takeOption(args, QStringLiteral("--municipality"));
    const QString email = takeOption(args, QStringLiteral("--email"));
    const QString password = takeOption(args, QStringLiteral("--password"));
    const QString regime = takeOption(args, QStringLiteral("--regime")).toUpper();
    const QString kind = takeOption(args, QStringLiteral("--kind")).toUpper();
    const QString books = takeOption(args, QStringLiteral("--books")).toUpper();
    const bool tare = takeFlag(args, QStringLiteral("--tare"));
    const bool ecf = takeFlag(args, QStringLiteral("--ecf"));
    if (unknownArguments(ctx, args)) return Failed;

    if (!kind.isEmpty() && !QStringList{"U", "M", "F"}.contains(kind))
        return refuse(ctx, QStringLiteral("Tipo de Estabelecimento inválido: %1 (U, M ou F).").arg(kind));
    if (!books.isEmpty() && !QStringList{"F", "C"}.contains(books))
        return refuse(ctx, QStringLiteral("Tipo de Escrituração inválido: %1 (F ou C).").arg(books));
    if (!fits(ctx, QStringLiteral("Nome ou Razão Social"), name, taxpayer_width::RazaoSocial) ||
        !fits(ctx, QStringLiteral("CNPJ ou CPF"), doc, taxpayer_width::CGC_CPF) ||
        !fits(ctx, QStringLiteral("Nova Senha"), password, taxpayer_width::NovaSenha) ||
        !fits(ctx, QStringLiteral("Email"), email, taxpayer_width::EmailCont))
        return Refused;

    if (!openDatabase(ctx)) return Failed;

    // The key first, as on the screen: an IE that no taxpayer holds must be
    // typed and pass its check digit, whatever the TARE box will say.
    const std::optional<Contribuinte> existing = findTaxpayer(ie.size() <= taxpayer_width::IE ? ie : QString());
    if (!existing) {
        const CheckResult key = ie.size() > taxpayer_width::IE
                                    ? CheckResult::fail(taxpayer_msg::IEInvalida, taxpayer_field::IE)
                                    : checkNewIE(ie);
        if (!key) return refuse(ctx, key.message);
    }
    const bool passwordAsked = !existing || existing->NovaSenha.isEmpty();

    Contribuinte row = existing ? *existing : newTaxpayer(ie);
    const Contribuinte defaults = newTaxpayer(ie);
    row.RazaoSocial = name;
    row.CGC_CPF = doc;
    row.AtividadeEconomicaPrincip = activity;
    row.UF = uf;
    row.MunicipioID = municipality;
    row.EmailCont = email;
    if (!password.isEmpty() || passwordAsked) row.NovaSenha = password;
    row.TipoRegime = regime.isEmpty() ? defaults.TipoRegime : regime;
    row.TipoEstabelecimento = kind.isEmpty() ? defaults.TipoEstabelecimento : kind;
    row.TipoEscrituracao = books.isEmpty() ? defaults.TipoEscrituracao : books;
    row.PortadorTare = tare;
    row.UsuarioECF = ecf;

    const CheckResult check = checkTaxpayer(row, passwordAsked);
    if (!check) return refuse(ctx, check.message);

    QString error;
    if (!saveTaxpayer(row, &error)) return fail(ctx, error);
    ctx.out << "Contribuinte " << formatIE(row.IE) << " gravado: " << row.RazaoSocial << Qt::endl;
    return Done;
}

int taxpayerList(Context& ctx, QStringList args) {
    if (unknownArguments(ctx, args)) return Failed;
    if (!openDatabase(ctx)) return Failed;
    for (const Contribuinte& c : allTaxpayers())
        ctx.out << c.IE << '\t' << c.CGC_CPF << '\t' << c.RazaoSocial << '\t' << c.UF << '\t' << c.MunicipioID
                << '\t' << c.EmailCont << '\n';
    ctx.out.flush();
    return Done;
}

int taxpayerShow(Context& ctx, QStringList args) {
    if (args.size() != 1) {
        ctx.err << "uso: vexa-cli taxpayer show IE" << Qt::endl;
        return Failed;
    }
    if (!openDatabase(ctx)) return Failed;
    const std::optional<Contribuinte> found = findTaxpayer(typedIE(args.first()));
    if (!found) return refuse(ctx, QStringLiteral("Contribuinte não cadastrado."));
    const Contribuinte& c = *found;
    ctx.out << "Inscrição Estadual: " << formatIE(c.IE) << '\n'
            << "CNPJ ou CPF: " << c.CGC_CPF << '\n'
            << "Nome ou Razão Social: " << c.RazaoSocial << '\n'
            << "Atividade Principal: " << c.AtividadeEconomicaPrincip << " - "
            << storage::ActivityDescription(c.AtividadeEconomicaPrincip) << '\n'
            << "UF / Município: " << c.UF << " / " << c.MunicipioID << " - " << municipalityShown(c) << '\n'
            << "Tipo de Estabelecimento: "
            << choiceName(c.TipoEstabelecimento, {"U", "M", "F"}, {"Único", "Matriz", "Filial"}) << '\n'
            << "Tipo de Escrituração: " << choiceName(c.TipoEscrituracao, {"F", "C"}, {"Fiscal", "Contábil"})
            << '\n'
            << "Tipo de Regime de Tributação: "
            << choiceName(c.TipoRegime, {"N", "S"}, {"Normal", "Simples Nacional"}) << '\n'
            << "Portador de TARE? " << yesNo(c.PortadorTare) << '\n'
            << "Usuário de ECF? " << yesNo(c.UsuarioECF) << '\n'
            << "Senha: " << (c.NovaSenha.isEmpty() ? "não informada" : "informada") << '\n'
            << "Email: " << c.EmailCont << '\n';
    ctx.out.flush();
    return Done;
}

int taxpayerDelete(Context& ctx, QStringList args) {
    if (args.size() != 1) {
        ctx.err << "uso: vexa-cli taxpayer delete IE" << Qt::endl;
        return Failed;
    }
    if (!openDatabase(ctx)) return Failed;
    const qsizetype before = promptCount(ctx);
    QString error;
    const DeleteOutcome outcome = deleteTaxpayer(typedIE(args.first()), ctx.prompter, &error);
    printPrompts(ctx, before);
    switch (outcome) {
    case DeleteOutcome::Deleted: ctx.out << "Contribuinte excluído." << Qt::endl; return Done;
    case DeleteOutcome::HasDeclarations:
    case DeleteOutcome::NotConfirmed: return Refused;
    case DeleteOutcome::NotFound: return refuse(ctx, QStringLiteral("Contribuinte não cadastrado."));
    case DeleteOutcome::Failed: return fail(ctx, error);
    }
    return Failed;
}

// ---- accountant --------------------------------------------------------------

int accountantAdd(Context& ctx, QStringList args) {
    const QString crc = takeOption(args, QStringLiteral("--crc"));
    const QString uf = takeOption(args, QStringLiteral("--uf")).toUpper();
    const QString name = takeOption(args, QStringLiteral("--name")).toUpper();
    const QString cpf = SoNumeros(takeOption(args, QStringLiteral("--cpf")));
    const QString email = takeOption(args, QStringLiteral("--email")).toLower();
    const QString phone = takeOption(args, QStringLiteral("--phone")).toUpper();
    if (unknownArguments(ctx, args)) return Failed;

    if (!fits(ctx, QStringLiteral("UF"), uf, accountant_width::UF) ||
        !fits(ctx, QStringLiteral("Nome"), name, accountant_width::Nome) ||
        !fits(ctx, QStringLiteral("CPF"), cpf, accountant_width::CPFCGC) ||
        !fits(ctx, QStringLiteral("E-mail"), email, accountant_width::Email) ||
        !fits(ctx, QStringLiteral("Telefone"), phone, accountant_width::Telefone))
        return Refused;

    // The key as leaving the UF field takes it: the state first, then the CRC.
    const CheckResult key = checkAccountantKey(crc, uf);
    if (!key) return refuse(ctx, key.message);
    if (!openDatabase(ctx)) return Failed;

    Declarante row = findAccountant(crc, uf).value_or(newAccountant(crc, uf));
    row.Nome = name;
    row.CPFCGC = cpf;
    row.email = email;
    row.Telefone = phone;
    const CheckResult check = checkAccountant(row);
    if (!check) return refuse(ctx, check.message);

    QString error;
    if (!saveAccountant(row, &error)) return fail(ctx, error);
    ctx.out << "Contabilista " << row.CRC << '/' << row.UF << " gravado: " << row.Nome << Qt::endl;
    return Done;
}

int accountantList(Context& ctx, QStringList args) {
    if (unknownArguments(ctx, args)) return Failed;
    if (!openDatabase(ctx)) return Failed;
    for (const Declarante& d : allAccountants())
        ctx.out << d.CRC << '\t' << d.UF << '\t' << d.CPFCGC << '\t' << d.Nome << '\t' << d.email << '\t'
                << d.Telefone << '\n';
    ctx.out.flush();
    return Done;
}

int accountantDelete(Context& ctx, QStringList args) {
    if (args.size() != 2) {
        ctx.err << "uso: vexa-cli accountant delete CRC UF" << Qt::endl;
        return Failed;
    }
    if (!openDatabase(ctx)) return Failed;
    const qsizetype before = promptCount(ctx);
    QString error;
    const AccountantDeleteOutcome outcome = deleteAccountant(args[0], args[1].toUpper(), ctx.prompter, &error);
    printPrompts(ctx, before);
    switch (outcome) {
    case AccountantDeleteOutcome::Deleted: ctx.out << "Contabilista excluído." << Qt::endl; return Done;
    case AccountantDeleteOutcome::NotConfirmed: return Refused;
    case AccountantDeleteOutcome::NotFound: return refuse(ctx, QStringLiteral("Contabilista não cadastrado."));
    case AccountantDeleteOutcome::Failed: return fail(ctx, error);
    }
    return Failed;
}

int dispatch(Context& ctx, QStringList args, const QString& group,
             const std::initializer_list<std::pair<const char*, int (*)(Context&, QStringList)>>& subs) {
    const QString sub = args.isEmpty() ? QString() : args.takeFirst();
    for (const auto& [name, run] : subs)
        if (sub == QLatin1String(name)) return run(ctx, args);
    QStringList names;
    for (const auto& entry : subs) names << QLatin1String(entry.first);
    ctx.err << "uso: vexa-cli " << group << ' ' << names.join(QLatin1Char('|')) << Qt::endl;
    return Failed;
}

} // namespace

int runTaxpayer(Context& ctx, QStringList args) {
    return dispatch(ctx, std::move(args), QStringLiteral("taxpayer"),
                    {{"add", taxpayerAdd}, {"list", taxpayerList}, {"show", taxpayerShow}, {"delete", taxpayerDelete}});
}

int runAccountant(Context& ctx, QStringList args) {
    return dispatch(ctx, std::move(args), QStringLiteral("accountant"),
                    {{"add", accountantAdd}, {"list", accountantList}, {"delete", accountantDelete}});
}

} // namespace vexa::cli
