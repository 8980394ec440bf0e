// vexa-cli rectify and import-previous: the rectifying declaration and the
// import of the previous version's tables.
//
//   vexa-cli rectify --ie IE --period MMYYYY
//       copies the period's latest declaration into the next rectification
//       and prints its number ("01", "02", ...).
//   vexa-cli import-previous DIR
//       imports the Paradox tables of a VEXA 9.6 folder; the table being read
//       shows on a terminal.
#include "app/cli/CmdSupport.h"
#include "common/ErrorLog.h"
#include "declfile/PreviousVersion.h"
#include "declfile/Rectification.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace vexa::cli {

namespace {

// The IE as stored: its 9 digits, typed with or without the mask's punctuation.
QString ieDigits(const QString& typed) {
    QString digits = typed;
    digits.remove(QRegularExpression(QStringLiteral("[.\\-/ ]")));
    static const QRegularExpression nine(QStringLiteral("^[0-9]{9}$"));
    return nine.match(digits).hasMatch() ? digits : QString();
}

} // namespace

int runRectify(Context& ctx, QStringList args) {
    const QString ieTyped = takeOption(args, QStringLiteral("--ie"));
    const QString period = takeOption(args, QStringLiteral("--period"));
    if (unknownArguments(ctx, args)) return Failed;
    const QString ie = ieDigits(ieTyped);
    if (ie.isEmpty()) {
        ctx.err << "Inscrição Estadual inválida: \"" << ieTyped << "\" (informe os 9 dígitos com --ie)." << Qt::endl;
        return Refused;
    }
    if (!validPeriod(period)) return badPeriod(ctx, period);
    if (!openDatabase(ctx)) return Failed;

    const declfile::RectifyResult result = declfile::rectifyDeclaration(ie, period.mid(2, 4), period.left(2));
    if (result.noDeclaration) return refuse(ctx, result.error);
    if (!result.ok) {
        ctx.err << declfile::kRectifyFailed << ": " << result.error << Qt::endl;
        appendErrorLog(ctx.home, result.error, QString());
        return Failed;
    }
    ctx.out << result.created.retificacao << Qt::endl;
    ctx.err << declfile::kRectifyDone << Qt::endl;
    return Done;
}

int runImportPrevious(Context& ctx, QStringList args) {
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--"))) {
        ctx.err << "uso: vexa-cli import-previous PASTA" << Qt::endl;
        return Failed;
    }
    const QString folder = QDir::cleanPath(QDir::current().absoluteFilePath(args.first()));
    if (!QFileInfo(folder).isDir()) {
        ctx.err << "A pasta \"" << QDir::toNativeSeparators(folder) << "\" não foi encontrada." << Qt::endl;
        return Refused;
    }
    // As on the screen, whose list shows only these files: a folder with none
    // of them is not one of the previous version.
    if (declfile::previousVersionFiles(folder).isEmpty()) {
        ctx.err << "A pasta \"" << QDir::toNativeSeparators(folder) << "\" não contém os arquivos da VEXA 9.6 ("
                << QString(declfile::kPreviousVersionMask).replace(QLatin1Char(';'), QStringLiteral(", ")) << ")."
                << Qt::endl;
        return Refused;
    }
    if (!openDatabase(ctx)) return Failed;

    Progress progress(ctx.err);
    const declfile::PreviousImportResult result =
        declfile::importPreviousVersion(folder, [&progress](const declfile::PreviousImportProgress& p) {
            QString line = QStringLiteral("Lendo %1 (%2/%3)").arg(p.file).arg(p.step).arg(p.steps);
            if (!p.found) line += QStringLiteral(" - não encontrado");
            else if (p.rowsRead > 0) line += QStringLiteral(" - %1 registros").arg(p.rowsRead);
            progress.step(line);
        });
    progress.finish();
    if (!result.ok) {
        ctx.err << result.error << Qt::endl;
        appendErrorLog(ctx.home, result.error, QString());
        return Failed;
    }
    for (const declfile::PreviousStepResult& s : result.steps) {
        if (!s.found) continue;
        ctx.out << s.file << '\t' << s.table << '\t' << s.read << " lidos\t" << s.inserted << " importados\n";
    }
    ctx.out << declfile::kPreviousImportDone << Qt::endl;
    return Done;
}

} // namespace vexa::cli
