#include "common/ErrorLog.h"

#include "common/Clock.h"
#include "common/Cp1252.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtGlobal>

namespace vexa {

namespace {
UnhandledErrorHandler& installedHandler() {
    static UnhandledErrorHandler handler;
    return handler;
}
} // namespace

QString errorLogLine(const QDateTime& at, const QString& message, const QString& screenName) {
    const QString q = QStringLiteral("\"");
    return q + at.toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")) + q + QLatin1Char(';') + q + message + q +
           QLatin1Char(';') + q + screenName + q;
}

bool appendErrorLog(const ProgramFolder& folder, const QString& message, const QString& screenName,
                    QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = why;
        return false;
    };
    if (!folder.isValid()) return fail(QStringLiteral("Pasta do programa não definida."));
    const QString path = folder.file(kLogFileName);

    QByteArray content;
    const QFileInfo info(path);
    if (info.exists()) {
        if (!info.isFile()) return fail(QStringLiteral("%1 não é um arquivo.").arg(path));
        QFile existing(path);
        if (!existing.open(QIODevice::ReadOnly))
            return fail(QStringLiteral("Não foi possível ler %1: %2").arg(path, existing.errorString()));
        content = existing.readAll();
        if (existing.error() != QFileDevice::NoError)
            return fail(QStringLiteral("Não foi possível ler %1: %2").arg(path, existing.errorString()));
    }
    // A last line left without its line break gets one, so the new line starts on its own.
    if (!content.isEmpty() && !content.endsWith('\n')) content += "\r\n";
    content += cp1252::encode(errorLogLine(Clock::instance().now(), message, screenName));
    content += "\r\n";

    // Written beside the log and renamed over it: the old log survives any failure.
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return fail(QStringLiteral("Não foi possível gravar %1: %2").arg(path, out.errorString()));
    if (out.write(content) != content.size() || !out.commit())
        return fail(QStringLiteral("Não foi possível gravar %1: %2").arg(path, out.errorString()));
    return true;
}

void handleUnhandledError(const ProgramFolder& folder, const QString& message, const QString& screenName,
                          Prompter& prompter) {
    QString why;
    if (!appendErrorLog(folder, message, screenName, &why)) qWarning("%s", qUtf8Printable(why));
    prompter.error(message);
}

void setUnhandledErrorHandler(UnhandledErrorHandler handler) { installedHandler() = std::move(handler); }

void reportUnhandledError(const QString& message) {
    if (installedHandler()) installedHandler()(message);
    else qWarning("%s", qUtf8Printable(message));
}

} // namespace vexa
