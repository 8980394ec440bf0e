#include "app/cli/Cli.h"
#include "common/ErrorLog.h"
#include "common/Conversions.h"
#include "common/DocumentChecks.h"
#include "common/Masks.h"
#include "declfile/Export.h"
#include "declfile/ExportList.h"
#include "declfile/Import.h"
#include "declfile/QxContainer.h"
#include "declfile/Validation.h"
#include "declfile/ValidationReport.h"

#include <QFile>
#include <QSaveFile>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace vexa::cli {

// import FILE.txt: the accounting-system file's declarations, the response
// printed line by line as each declaration is finished.
int runImport(Context& ctx, QStringList args) {
    if (args.size() != 1) {
        ctx.err << "uso: vexa-cli import ARQUIVO.txt" << Qt::endl;
        return Failed;
    }
    if (!openDatabase(ctx)) return Failed;
    Progress progress(ctx.err);
    progress.step(QStringLiteral("Importando..."));
    auto print = [&ctx, &progress](const declfile::ImportProgress& p) {
        if (!p.newLines.isEmpty()) progress.finish();
        for (QString line : p.newLines) {
            // The messages break lines with CR LF or a lone CR; the terminal gets LF.
            line.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
            ctx.out << line << '\n';
        }
        ctx.out.flush();
        QString shown = QStringLiteral("Importando: %1 VEXA(s) lida(s)").arg(p.declarations);
        if (p.bytesTotal > 0)
            shown += QStringLiteral(", %1%").arg(std::clamp<qint64>(p.bytesRead * 100 / p.bytesTotal, 0, 100));
        progress.step(shown);
        return true;
    };
    declfile::ImportOptions options;
    options.keepResponse = false;
    const declfile::ImportResult r = declfile::importAccountFile(args.first(), ctx.prompter, print, options);
    progress.finish();
    switch (r.end) {
    case declfile::ImportEnd::FileRefused: return Failed;
    case declfile::ImportEnd::Failed:
        ctx.err << r.failure << Qt::endl;
        appendErrorLog(ctx.home, r.failure, QString());
        return Failed;
    case declfile::ImportEnd::OldPeriod: ctx.out << declfile::kOldPeriodWarning << Qt::endl; return Refused;
    case declfile::ImportEnd::Cancelled:
    case declfile::ImportEnd::Finished: break;
    }
    return r.allImported() ? Done : Refused;
}
namespace {

// ---- validate and export: the export screen's run without the screen ----------

// Questions and messages of the run printed with the batch program's answer.
// The progress line goes away before anything is printed.
class PrintingPrompter : public Prompter {
public:
    PrintingPrompter(Context& ctx, Progress& progress) : ctx_(ctx), progress_(progress) {}
    void warn(const QString& m) override {
        progress_.finish();
        ctx_.err << plain(m) << Qt::endl;
    }
    void error(const QString& m) override {
        progress_.finish();
        ctx_.err << plain(m) << Qt::endl;
    }
    void info(const QString& m) override {
        progress_.finish();
        ctx_.out << plain(m) << Qt::endl;
    }
    bool ask(const QString& q) override {
        progress_.finish();
        const bool yes = ctx_.prompter.ask(q);
        ctx_.out << plain(q) << ' ' << (yes ? "Sim" : "Não") << Qt::endl;
        return yes;
    }

private:
    static QString plain(QString m) {
        return m.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    }
    Context& ctx_;
    Progress& progress_;
};

// The report's messages as text lines, then where the page was written.
class PrintingPresenter : public declfile::ReportPresenter {
public:
    PrintingPresenter(Context& ctx, const declfile::ConsistencyChecker& checker, Prompter& prompter,
                      Progress& progress)
        : ctx_(ctx), checker_(checker), prompter_(prompter), progress_(progress) {}
    void showErrors(const QString& path) override {
        print(checker_.result().errors, "erro");
        ctx_.out << "Relatório: " << path << Qt::endl;
    }
    bool askToContinue(const QString& path) override {
        print(checker_.result().alerts, "alerta");
        ctx_.out << "Relatório: " << path << Qt::endl;
        return prompter_.ask(QStringLiteral("Deseja continuar?"));
    }
    void print(const QList<declfile::ValidationMessage>& messages, const char* kind) {
        progress_.finish();
        for (const auto& m : messages) {
            QString text = declfile::messagePlainText(m.text).simplified();
            ctx_.out << kind << ": " << formatIE(m.key.ie) << ' ' << m.key.display() << ' ' << m.key.retificacao
                     << " [" << m.rule << "] " << text << Qt::endl;
        }
    }

private:
    Context& ctx_;
    const declfile::ConsistencyChecker& checker_;
    Prompter& prompter_;
    Progress& progress_;
};

// "Verificando VEXA 2 de 5: 29.310.452-2 01/2024", then the compression.
declfile::ExportProgress showProgress(Progress& progress, const QString& period) {
    return [&progress, period](int index, int count, const declfile::ExportItem& item) {
        if (index < count)
            progress.step(QStringLiteral("Verificando VEXA %1 de %2: %3 %4")
                              .arg(index + 1)
                              .arg(count)
                              .arg(formatIE(item.ie), periodToDisplay(period)));
        else
            progress.step(QStringLiteral("Compactando o arquivo de entrega..."));
        return true;
    };
}

struct Selection {
    QString period;                       // MMYYYY
    QList<declfile::ExportItem> items;    // in list order
};

// --period MMYYYY (or MM/YYYY) and the --ie filters: the period's list as the
// export screen fills it, all ticked, or only the taxpayers named.
std::optional<Selection> selectDeclarations(Context& ctx, QStringList& args, const char* usage) {
    Selection s;
    s.period = SoNumeros(takeOption(args, QStringLiteral("--period")));
    QStringList ies = takeOptions(args, QStringLiteral("--ie"));
    for (QString& ie : ies) ie = SoNumeros(ie);
    if (!IsValidPeriod(s.period)) {
        ctx.err << usage << Qt::endl;
        return std::nullopt;
    }
    if (!openDatabase(ctx)) return std::nullopt;
    QStringList texts;
    QString error;
    if (!declfile::exportListItems(s.period, texts, &error)) {
        ctx.err << error << Qt::endl;
        return std::nullopt;
    }
    for (const QString& t : texts) {
        const declfile::ExportItem item = declfile::exportItemFromText(t);
        if (ies.isEmpty() || ies.contains(item.ie)) s.items << item;
    }
    for (const QString& ie : ies) {
        bool listed = false;
        for (const auto& item : s.items) listed = listed || item.ie == ie;
        if (!listed) ctx.err << "Nenhuma VEXA cadastrada para o período " << periodToDisplay(s.period)
                             << " da Inscrição Estadual " << formatIE(ie) << Qt::endl;
    }
    if (s.items.isEmpty()) {
        ctx.err << declfile::export_msg::NenhumaVexaNoPeriodo << Qt::endl;
        return std::nullopt;
    }
    return s;
}

} // namespace

// validate --period MMYYYY [--ie IE]... [--report FILE.html] [--yes]: the
// export's reading, records and checks without writing a file. 0 clean, 1
// alerts only, 2 errors (a value without room in the layout and a failed run too).
int runValidate(Context& ctx, QStringList args) {
    const char* usage = "uso: vexa-cli validate --period MMAAAA [--ie IE]... [--report ARQUIVO.html] [--yes]";
    const QString report = takeOption(args, QStringLiteral("--report"));
    std::optional<Selection> s = selectDeclarations(ctx, args, usage);
    if (!s) return Failed;
    if (!args.isEmpty()) {
        ctx.err << usage << Qt::endl;
        return Failed;
    }
    Progress progress(ctx.err);
    PrintingPrompter prompter(ctx, progress);
    declfile::ConsistencyChecker checker(ctx.home);
    PrintingPresenter presenter(ctx, checker, prompter, progress);
    declfile::ExportRequest request;
    request.period = s->period;
    request.items = s->items;
    request.compress = false;
    request.alertsWithoutQuestion = true;
    request.reportPath = report;
    const declfile::ExportOutcome out =
        declfile::runExport(request, ctx.home, checker, presenter, prompter, showProgress(progress, s->period));
    progress.finish();
    switch (out.status) {
    case declfile::ExportStatus::Errors:
        presenter.print(checker.result().alerts, "alerta");
        return Failed;
    case declfile::ExportStatus::Refused:
    case declfile::ExportStatus::Failed:
    case declfile::ExportStatus::Cancelled:
    case declfile::ExportStatus::AlertsDeclined:
        ctx.err << out.message << Qt::endl;
        return Failed;
    case declfile::ExportStatus::Ready:
    case declfile::ExportStatus::Checked: break;
    }
    if (out.hadAlerts) {
        presenter.print(checker.result().alerts, "alerta");
        ctx.out << "Relatório: " << out.reportPath << Qt::endl;
        return Refused;
    }
    ctx.out << s->items.size() << " VEXA(s) sem divergências." << Qt::endl;
    return Done;
}

// export --period MMYYYY [--ie IE]... -o FILE.qx [--yes]: the export screen's
// "Gravar Arquivo" over the period's declarations. 0 written; 1 errors, alerts
// not confirmed or a value without room in the layout; 2 the run failed.
int runExport(Context& ctx, QStringList args) {
    const char* usage = "uso: vexa-cli export --period MMAAAA [--ie IE]... -o ARQUIVO.qx [--yes]";
    const QString target = takeOption(args, QStringLiteral("-o"));
    if (target.isEmpty()) {
        ctx.err << usage << Qt::endl;
        return Failed;
    }
    std::optional<Selection> s = selectDeclarations(ctx, args, usage);
    if (!s) return Failed;
    if (!args.isEmpty()) {
        ctx.err << usage << Qt::endl;
        return Failed;
    }
    Progress progress(ctx.err);
    PrintingPrompter prompter(ctx, progress);
    declfile::ConsistencyChecker checker(ctx.home);
    PrintingPresenter presenter(ctx, checker, prompter, progress);
    declfile::ExportRequest request;
    request.period = s->period;
    request.items = s->items;
    const declfile::ExportOutcome out =
        declfile::runExport(request, ctx.home, checker, presenter, prompter, showProgress(progress, s->period));
    progress.finish();
    switch (out.status) {
    case declfile::ExportStatus::Ready: break;
    case declfile::ExportStatus::Errors:
    case declfile::ExportStatus::AlertsDeclined: return Refused;
    case declfile::ExportStatus::Refused:
        ctx.err << out.message << Qt::endl;
        return Refused;
    case declfile::ExportStatus::Failed:
    case declfile::ExportStatus::Cancelled:
    case declfile::ExportStatus::Checked:
        ctx.err << out.message << Qt::endl;
        appendErrorLog(ctx.home, out.message, QString());
        return Failed;
    }
    QString error;
    if (!declfile::writeSubmissionFile(target, out.container, &error)) {
        ctx.err << error << Qt::endl;
        return Failed;
    }
    ctx.out << declfile::kExportSuccess << Qt::endl;
    return Done;
}
namespace {

// The whole file, or an empty optional with the reason printed.
std::optional<QByteArray> readWholeFile(Context& ctx, const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        ctx.err << "Não foi possível abrir o arquivo \"" << path << "\": " << f.errorString() << Qt::endl;
        return std::nullopt;
    }
    QByteArray bytes = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        ctx.err << "Não foi possível ler o arquivo \"" << path << "\": " << f.errorString() << Qt::endl;
        return std::nullopt;
    }
    return bytes;
}

// Writes in one piece: a temporary file in the target folder, renamed over the
// target only when every byte is on disk, so a failure leaves the old file.
bool writeWholeFile(Context& ctx, const QString& path, const QByteArray& bytes) {
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size() || !f.commit()) {
        ctx.err << "Não foi possível gravar o arquivo \"" << path << "\": " << f.errorString() << Qt::endl;
        return false;
    }
    return true;
}

int qxUsage(Context& ctx) {
    ctx.err << "uso: vexa-cli qx decode ARQUIVO.qx [-o TEXTO]\n"
               "     vexa-cli qx encode TEXTO -o ARQUIVO.qx"
            << Qt::endl;
    return Failed;
}

} // namespace

// qx decode FILE.qx [-o TEXT]: undoes both compression passes of a submission
// file (to standard output without -o). qx encode TEXT -o FILE.qx: the reverse.
int runQx(Context& ctx, QStringList args) {
    const QString target = takeOption(args, QStringLiteral("-o"));
    if (args.size() != 2) return qxUsage(ctx);
    const QString action = args[0];
    const bool decoding = action == QLatin1String("decode");
    if (!decoding && action != QLatin1String("encode")) return qxUsage(ctx);
    if (!decoding && target.isEmpty()) return qxUsage(ctx);

    const std::optional<QByteArray> input = readWholeFile(ctx, args[1]);
    if (!input) return Failed;
    const declfile::ContainerResult result = decoding ? declfile::decodeQx(*input) : declfile::encodeQx(*input);
    if (!result.ok()) {
        ctx.err << result.error << Qt::endl;
        return Failed;
    }
    if (!target.isEmpty()) return writeWholeFile(ctx, target, result.bytes) ? Done : Failed;

    // The text goes out as it is (code page 1252), not through the UTF-8 stream.
    ctx.out.flush();
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(result.bytes) != result.bytes.size() || !out.flush()) {
        ctx.err << "Não foi possível escrever na saída padrão." << Qt::endl;
        return Failed;
    }
    return Done;
}

} // namespace vexa::cli
