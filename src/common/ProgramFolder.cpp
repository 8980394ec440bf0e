#include "common/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace vexa {

ProgramFolder::ProgramFolder(const QString& root) {
    QString abs = QDir(root).absolutePath();
    if (!abs.endsWith(QLatin1Char('/'))) abs += QLatin1Char('/');
    root_ = abs;
}

ProgramFolder ProgramFolder::resolve(QStringList& args, const QString& executableDir) {
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--home") && i + 1 < args.size()) {
            const QString dir = args[i + 1];
            args.remove(i, 2);
            return ProgramFolder(dir);
        }
        if (args[i].startsWith(QLatin1String("--home="))) {
            const QString dir = args[i].mid(7);
            args.removeAt(i);
            return ProgramFolder(dir);
        }
    }
    const QString env = qEnvironmentVariable("VEXA_HOME");
    if (!env.isEmpty()) return ProgramFolder(env);
    return ProgramFolder(executableDir);
}

QString ProgramFolder::deliveredDir(const QString& executableDir) {
    const QString env = qEnvironmentVariable("VEXA_DATA_DIR");
    if (!env.isEmpty()) return QDir(env).absolutePath();
    return QDir(executableDir).absoluteFilePath(QStringLiteral("delivered"));
}

} // namespace vexa
