#include "app/ui/ProgramConfig.h"

#include <QFile>
#include <QSaveFile>

namespace vexa::app {

namespace {
// Config holds a few short lines; a larger file is not ours to read whole.
constexpr qint64 kMaxConfigBytes = 64 * 1024;
} // namespace

QString configValue(const ProgramFolder& folder, const QString& name) {
    QFile file(folder.file(kConfigFileName));
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = file.read(kMaxConfigBytes);
    // Code page 1252 text; the names and values read here are plain ASCII.
    const QString text = QString::fromLatin1(bytes);
    for (const QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        if (line.left(eq).trimmed().compare(name, Qt::CaseInsensitive) != 0) continue;
        return line.mid(eq + 1).trimmed().toString();   // trims the CR of a CR LF line too
    }
    return {};
}

bool changesPageHidden(const ProgramFolder& folder) {
    return configValue(folder, QStringLiteral("EXIBIR")) == QLatin1String("1");
}

bool hideChangesPage(const ProgramFolder& folder, QString* error) {
    const QString path = folder.file(kConfigFileName);
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write("EXIBIR=1\r\n") == 10 && file.commit()) return true;
    if (error) *error = QStringLiteral("Não foi possível gravar o arquivo ") + path + QStringLiteral(": ") + file.errorString();
    return false;
}

} // namespace vexa::app
