#include "app/cli/Cli.h"
#include "common/ErrorLog.h"
#include "declfile/Import.h"
#include "declfile/QxContainer.h"

#include <QFile>
#include <QSaveFile>
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
    auto print = [&ctx](const declfile::ImportProgress& p) {
        for (QString line : p.newLines) {
            // The messages break lines with CR LF or a lone CR; the terminal gets LF.
            line.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
            ctx.out << line << '\n';
        }
        ctx.out.flush();
        return true;
    };
    declfile::ImportOptions options;
    options.keepResponse = false;
    const declfile::ImportResult r = declfile::importAccountFile(args.first(), ctx.prompter, print, options);
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
int runValidate(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("validate")); }
int runExport(Context& ctx, QStringList) { return notYetAvailable(ctx, QStringLiteral("export")); }
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
