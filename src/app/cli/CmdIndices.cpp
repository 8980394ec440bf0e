// vexa-cli indices list|add|import|update-selic: the SELIC (code 5) and IGP-DI
// (code 4) tables without a screen. update-selic is the SELIC screen's
// "Atualizar", with the same messages in the same order; list shows the
// screen's grid, latest month first; add and import keep the tables where
// the web service cannot be reached.
//
//   indices list --code 4|5
//   indices add --code 4|5 --date DD/MM/YYYY --value V     one month; the date stands for its
//                                                          month (MM/YYYY also); V with the decimal
//                                                          comma, SELIC as the fraction the table holds
//   indices import --code 4|5 FILE.csv                     a monthly series as SGS exports it
//   indices update-selic [--url URL]

#include "app/cli/CmdSupport.h"
#include "common/Conversions.h"
#include "indices/IndexImport.h"
#include "indices/SelicUpdate.h"

#include <QRegularExpression>

namespace vexa::cli {

namespace {

using namespace vexa::indices;

// --code 4 (IGP-DI) or 5 (SELIC); 0 (after the message) otherwise.
int takeCode(Context& ctx, QStringList& args) {
    const QString text = takeOption(args, QStringLiteral("--code"));
    if (text == QLatin1String("4")) return kIgpDi;
    if (text == QLatin1String("5")) return kSelic;
    ctx.err << "vexa-cli: informe --code 4 (IGP-DI) ou --code 5 (SELIC)." << Qt::endl;
    return 0;
}

// "dd/mm/yyyy", or "mm/yyyy" for the month itself.
std::optional<QDate> typedMonth(const QString& text) {
    static const QRegularExpression monthYear(QStringLiteral("^\\s*(\\d{1,2})/(\\d{4})\\s*$"));
    if (const auto m = monthYear.match(text); m.hasMatch()) {
        const QDate d(m.captured(2).toInt(), m.captured(1).toInt(), 1);
        if (d.isValid()) return d;
        return std::nullopt;
    }
    return toDate(text.trimmed());
}

int list(Context& ctx, QStringList args) {
    const int code = takeCode(ctx, args);
    if (!code || unknownArguments(ctx, args)) return Failed;
    if (!openDatabase(ctx)) return Failed;
    QList<IndexMonth> rows;
    QString error;
    if (!readIndex(code, &rows, &error)) {
        ctx.err << "Ocorreu um erro ao abrir a tabela IndicesEconomicos\n" << error << Qt::endl;
        return Failed;
    }
    for (const IndexMonth& m : rows) ctx.out << dateText(m.data) << '\t' << formatIndexValue(m.valor) << '\n';
    ctx.out.flush();
    return Done;
}

int add(Context& ctx, QStringList args) {
    const int code = takeCode(ctx, args);
    if (!code) return Failed;
    const QString dateArg = takeOption(args, QStringLiteral("--date"));
    const QString valueArg = takeOption(args, QStringLiteral("--value"));
    if (unknownArguments(ctx, args)) return Failed;
    if (dateArg.isEmpty() || valueArg.isEmpty()) {
        ctx.err << "uso: vexa-cli indices add --code 4|5 --date DD/MM/YYYY --value V" << Qt::endl;
        return Failed;
    }
    const std::optional<QDate> date = typedMonth(dateArg);
    if (!date || date->year() < 1900) {
        ctx.err << "Data inválida: \"" << dateArg << "\" (DD/MM/AAAA)." << Qt::endl;
        return Refused;
    }
    const std::optional<double> value = parseIndexValue(valueArg);
    if (!value) {
        ctx.err << "Valor inválido: \"" << valueArg << "\" (use a vírgula decimal, por exemplo 0,0114)." << Qt::endl;
        return Refused;
    }
    if (!openDatabase(ctx)) return Failed;
    const IndexImportResult r = addIndexMonth(code, *date, *value);
    switch (r.status) {
    case IndexImportResult::Status::Imported:
        ctx.out << "Índice " << indexName(code) << " de " << dateText(monthOf(*date)) << " gravado: "
                << formatIndexValue(*value) << Qt::endl;
        return Done;
    case IndexImportResult::Status::Refused:
        ctx.err << r.message << Qt::endl;
        return Refused;
    case IndexImportResult::Status::Failed:
        ctx.err << r.message << Qt::endl;
        return Failed;
    }
    return Failed;
}

int import(Context& ctx, QStringList args) {
    const int code = takeCode(ctx, args);
    if (!code) return Failed;
    if (args.size() != 1 || args[0].startsWith(QLatin1String("--"))) {
        ctx.err << "uso: vexa-cli indices import --code 4|5 ARQUIVO.csv" << Qt::endl;
        return Failed;
    }
    if (!openDatabase(ctx)) return Failed;
    const IndexImportResult r = importSeriesFile(code, args[0]);
    switch (r.status) {
    case IndexImportResult::Status::Imported:
        ctx.out << importSummary(code, r.count) << Qt::endl;
        return Done;
    case IndexImportResult::Status::Refused:
        ctx.err << r.message << "\nArquivo recusado: nenhum mês foi gravado." << Qt::endl;
        return Refused;
    case IndexImportResult::Status::Failed:
        ctx.err << r.message << "\nNenhum mês foi gravado." << Qt::endl;
        return Failed;
    }
    return Failed;
}

int updateSelic(Context& ctx, QStringList args) {
    const QString urlArg = takeOption(args, QStringLiteral("--url"));
    if (unknownArguments(ctx, args)) return Failed;
    if (!openDatabase(ctx)) return Failed;

    const QUrl endpoint = urlArg.isEmpty() ? selicEndpoint(ctx.home) : QUrl(urlArg, QUrl::StrictMode);
    SelicUpdate update(endpoint);
    Progress progress(ctx.err);
    QObject::connect(&update, &SelicUpdate::callStarted, [&progress, &endpoint] {
        progress.step(QStringLiteral("Consultando o serviço de índices em %1 ...").arg(endpoint.host()));
    });
    const SelicUpdateResult result = update.run();
    progress.finish();

    // The screen's messages in its order; the failure itself also goes to Log.txt.
    ScriptedPrompter messages;
    reportSelicUpdate(result, ctx.home, QString(), messages);
    for (const QString& line : messages.log()) {
        const QString text = line.mid(line.indexOf(QLatin1String(": ")) + 2);
        (line.startsWith(QLatin1String("info: ")) ? ctx.out : ctx.err) << text << Qt::endl;
    }
    if (result.status != SelicUpdateResult::Status::Updated) return Failed;
    ctx.out << importSummary(kSelic, result.count) << " Dataindeco enviado: "
            << result.dataindeco.toString(QStringLiteral("yyyy-MM-dd")) << "; meses na resposta: " << result.received
            << '.' << Qt::endl;
    return Done;
}

} // namespace

int runIndices(Context& ctx, QStringList args) {
    const QString sub = args.isEmpty() ? QString() : args.takeFirst();
    if (sub == QLatin1String("list")) return list(ctx, args);
    if (sub == QLatin1String("add")) return add(ctx, args);
    if (sub == QLatin1String("import")) return import(ctx, args);
    if (sub == QLatin1String("update-selic")) return updateSelic(ctx, args);
    ctx.err << "uso: vexa-cli indices list|add|import|update-selic" << Qt::endl;
    return Failed;
}

} // namespace vexa::cli
