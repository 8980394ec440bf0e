// vexa-cli print declaration|dare: the printed declaration as a PDF file
// (the same pages the preview of "&Imprimir VEXA" shows), and the DARE batch
// print of a period (every linked DARE of the period, one page each).

#include "app/cli/Cli.h"
#include "common/DocumentChecks.h"
#include "declaration/DeclarationService.h"
#include "declaration/VexaRow.h"
#include "payment/ConsultaDare.h"
#include "print/DareBatchPrint.h"
#include "print/DeclarationPrint.h"

#include <QRegularExpression>

namespace vexa::cli {

namespace {

const QString kDeclarationUsage =
    QStringLiteral("uso: vexa-cli print declaration --ie IE --period MMAAAA [--ret RR] -o ARQUIVO.pdf");

bool unknownArguments(Context& ctx, const QStringList& args) {
    if (args.isEmpty()) return false;
    ctx.err << "vexa-cli: argumento desconhecido: " << args.join(QLatin1Char(' ')) << Qt::endl;
    return true;
}

int printDeclaration(Context& ctx, QStringList args) {
    const QString ie = SoNumeros(takeOption(args, QStringLiteral("--ie")));
    const QString period = takeOption(args, QStringLiteral("--period"));
    QString ret = takeOption(args, QStringLiteral("--ret"));
    const QString target = takeOption(args, QStringLiteral("-o"));
    if (unknownArguments(ctx, args)) return Failed;
    if (ie.isEmpty() || period.isEmpty() || target.isEmpty()) {
        ctx.err << kDeclarationUsage << Qt::endl;
        return Failed;
    }
    static const QRegularExpression periodForm(QStringLiteral("^(0[1-9]|1[0-2])[0-9]{4}$"));
    if (!periodForm.match(period).hasMatch()) {
        ctx.err << "Período de referência inválido: \"" << period << "\" (informe MMAAAA)." << Qt::endl;
        return Refused;
    }
    static const QRegularExpression twoDigits(QStringLiteral("^[0-9]{1,2}$"));
    if (!ret.isEmpty() && !twoDigits.match(ret).hasMatch()) {
        ctx.err << "Retificação inválida: \"" << ret << "\" (informe RR)." << Qt::endl;
        return Refused;
    }
    if (!openDatabase(ctx)) return Failed;

    const QString mes = period.left(2);
    const QString ano = period.mid(2);
    // Without --ret, the period's latest rectification.
    ret = ret.isEmpty() ? decl::latestRetificacao(ie, ano, mes) : decl::twoDigitMonth(ret.toInt());
    const decl::DeclarationKey key{ie, ano, mes, ret};
    const std::optional<decl::VexaRow> row = decl::loadVexa(key);
    if (!row || !row->Importado) {
        ctx.err << "VEXA não localizada: " << ie << ' ' << mes << '/' << ano << " Ret. " << ret << '.'
                << Qt::endl;
        return Refused;
    }

    Progress progress(ctx.err);
    progress.step(QStringLiteral("Preparando a impressão da VEXA..."));
    QString error;
    const std::optional<print::DeclarationPrint> pages =
        print::computeDeclarationPrint(key, ctx.home, &error);
    if (!pages) {
        progress.finish();
        ctx.err << error << Qt::endl;
        return Failed;
    }
    progress.step(QStringLiteral("Gravando ") + target + QStringLiteral("..."));
    const bool written = print::writeDeclarationPdf(*pages, target, &error);
    progress.finish();
    if (!written) {
        ctx.err << error << Qt::endl;
        return Failed;
    }
    return Done;
}

// The batch print's view: the status line as the progress line, the pages
// written to the PDF file with a progress step per page.
class PdfBatchView : public print::DareBatchView {
public:
    PdfBatchView(Progress& progress, const QString& target) : progress_(progress), target_(target) {}
    void setStatus(const QString& text) override {
        if (text.isEmpty()) progress_.finish();
        else progress_.step(text);
    }
    void setOkEnabled(bool) override {}
    bool present(const QList<payment::SlipPage>& pages, QString* error) override {
        const QString what = QStringLiteral("Gravando ") + target_;
        return print::writeDareBatchPdf(
            target_, pages, [&](int done, int total) { progress_.step(done, total, what); }, error);
    }

private:
    Progress& progress_;
    QString target_;
};

// print dare --period MMYYYY [--ie IE] -o FILE.pdf: the checks of "&Ok" of
// "Opções de Impressão" in their order, the IE in place of the taxpayer's name.
int printDare(Context& ctx, QStringList args) {
    // As the period field holds it: the digits, the slash left out.
    const QString period = takeOption(args, QStringLiteral("--period")).remove(QLatin1Char('/'));
    const QString ie = SoNumeros(takeOption(args, QStringLiteral("--ie")));
    const QString target = takeOption(args, QStringLiteral("-o"));
    if (unknownArguments(ctx, args)) return Failed;
    if (target.isEmpty()) {
        ctx.err << "uso: vexa-cli print dare --period MMAAAA [--ie IE] -o ARQUIVO.pdf" << Qt::endl;
        return Failed;
    }
    if (!openDatabase(ctx)) return Failed;

    Progress progress(ctx.err);
    PdfBatchView view(progress, target);
    ScriptedPrompter shown;   // the messages are printed from the result
    const print::DareBatchResult result =
        print::runDareBatchPrint(period, ie.isEmpty() ? payment::kTodos : ie, shown, view);
    progress.finish();
    switch (result.outcome) {
    case print::DareBatchOutcome::Presented:
        ctx.out << result.pages << (result.pages == 1 ? " página gravada em " : " páginas gravadas em ") << target
                << Qt::endl;
        return Done;
    case print::DareBatchOutcome::Refused: ctx.err << result.check.message << Qt::endl; return Refused;
    case print::DareBatchOutcome::Failed: break;
    }
    ctx.err << result.check.message << Qt::endl;
    return Failed;
}

} // namespace

int runPrint(Context& ctx, QStringList args) {
    const QString sub = args.isEmpty() ? QString() : args.takeFirst();
    if (sub == QLatin1String("declaration")) return printDeclaration(ctx, args);
    if (sub == QLatin1String("dare")) return printDare(ctx, args);
    ctx.err << kDeclarationUsage << "\n       vexa-cli print dare --period MMAAAA [--ie IE] -o ARQUIVO.pdf"
            << Qt::endl;
    return Failed;
}

} // namespace vexa::cli
