#include "app/cli/CmdSupport.h"

#include "common/Conversions.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace vexa::cli {

int refuse(Context& ctx, const QString& message) {
    ctx.err << message << Qt::endl;
    return Refused;
}

int fail(Context& ctx, const QString& error) {
    ctx.err << error << Qt::endl;
    return Failed;
}

int usage(Context& ctx, const char* syntax) {
    ctx.err << "uso: vexa-cli " << syntax << Qt::endl;
    return Failed;
}

bool unknownArguments(Context& ctx, const QStringList& args) {
    if (args.isEmpty()) return false;
    ctx.err << "vexa-cli: argumento desconhecido: " << args.join(QLatin1Char(' ')) << Qt::endl;
    return true;
}

bool hasOption(const QStringList& args, const QString& name) {
    for (const QString& a : args)
        if (a == name || a.startsWith(name + QLatin1Char('='))) return true;
    return false;
}

QString typedIE(const QString& given) {
    QString ie = given;
    ie.remove(QRegularExpression(QStringLiteral("[.\\-/]")));
    return ie;
}

bool validPeriod(const QString& mmyyyy) {
    static const QRegularExpression form(QStringLiteral("^(0[1-9]|1[0-2])[0-9]{4}$"));
    return form.match(mmyyyy).hasMatch();
}

int badPeriod(Context& ctx, const QString& period) {
    return refuse(ctx, QStringLiteral("Período de referência inválido: \"%1\" (informe MMAAAA).").arg(period));
}

qsizetype promptCount(Context& ctx) {
    auto* scripted = dynamic_cast<ScriptedPrompter*>(&ctx.prompter);
    return scripted ? scripted->log().size() : 0;
}

void printPrompts(Context& ctx, qsizetype from) {
    auto* scripted = dynamic_cast<ScriptedPrompter*>(&ctx.prompter);
    if (!scripted) return;
    const QStringList& log = scripted->log();
    for (qsizetype i = from; i < log.size(); ++i) {
        const QString& line = log[i];
        const qsizetype colon = line.indexOf(QLatin1String(": "));
        if (line.left(colon) == QLatin1String("ask"))
            ctx.err << line.mid(colon + 2) << ' ' << (ctx.yes ? "Sim" : "Não") << Qt::endl;
        else
            ctx.err << line.mid(colon + 2) << Qt::endl;
    }
}

QString dateOrEmpty(const QDate& d) { return d.isValid() ? dateText(d) : QString(); }

void printJsonObject(Context& ctx, const QJsonObject& o) {
    ctx.out << QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented));
    ctx.out.flush();
}

void printLabelled(Context& ctx, const QList<std::pair<const char*, QString>>& lines) {
    for (const auto& [label, value] : lines) ctx.out << label << ": " << value << '\n';
    ctx.out.flush();
}

} // namespace vexa::cli
