#pragma once
// The tools the page tests read a slip's PDF back with, as a reader and a bank
// scanner would (pdftotext, pdfinfo, pdftoppm from poppler-utils; zbarimg).

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <initializer_list>

namespace vexa::test {

// What the tool printed; a tool that fails or hangs fails the test.
inline QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(60000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << ": " << p.readAllStandardError().toStdString();
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Whether every one of the tools is installed.
inline bool haveTools(std::initializer_list<const char*> tools) {
    for (const char* tool : tools)
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) return false;
    return true;
}

} // namespace vexa::test
