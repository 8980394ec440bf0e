#pragma once
// vexa-cli run as a process, and a program folder read back whole so that a
// test can tell whether a run changed anything in it.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

namespace vexa::test {

struct CliRun {
    int code = -1;
    QString out;
    QString err;
};

inline QString cliPath() { return QDir(qEnvironmentVariable("VEXA_BIN_DIR")).filePath(QStringLiteral("vexa-cli")); }

inline CliRun runCli(const QStringList& args, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment()) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(cliPath(), args);
    EXPECT_TRUE(p.waitForFinished(60000)) << args.join(' ').toStdString();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

// Every file and folder under root with its bytes (folders with none).
inline QMap<QString, QByteArray> snapshot(const QString& root) {
    QMap<QString, QByteArray> all;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        const QString rel = QDir(root).relativeFilePath(path);
        if (it.fileInfo().isDir()) all.insert(rel + QLatin1Char('/'), {});
        else if (f.open(QIODevice::ReadOnly)) all.insert(rel, f.readAll());
        else all.insert(rel, QByteArrayLiteral("<não legível>"));
    }
    return all;
}

} // namespace vexa::test
