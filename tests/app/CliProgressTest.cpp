// The progress line of the long commands: on a terminal it shows, on a pipe
// (scripts, logs) never. The terminal is a pseudo-terminal that takes only
// standard error; standard output stays a pipe, as when a user sends the
// response to a file.

#include "CliProcess.h"

#include <QDeadlineTimer>
#include <QTemporaryDir>
#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

using namespace vexa::test;

namespace {

CliRun runOnTerminal(const QStringList& args, QByteArray* terminal) {
    int master = -1;
    int slave = -1;
    EXPECT_EQ(::openpty(&master, &slave, nullptr, nullptr, nullptr), 0);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);   // the child keeps it as its standard error only
    QProcess p;
    p.setChildProcessModifier([slave] { ::dup2(slave, STDERR_FILENO); });
    p.start(cliPath(), args);
    EXPECT_TRUE(p.waitForStarted());
    ::close(slave);
    auto drain = [&] {
        char buffer[4096];
        for (ssize_t n; (n = ::read(master, buffer, sizeof buffer)) > 0;) terminal->append(buffer, n);
    };
    const QDeadlineTimer deadline(60000);
    while (!p.waitForFinished(20) && !deadline.hasExpired()) drain();
    drain();
    ::close(master);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

TEST(CliProgress, ImportAndValidateShowTheirProgressOnATerminalAndNeverOnAPipe) {
    QTemporaryDir tmp;
    const QString home = tmp.filePath("pasta");
    const QString source = qEnvironmentVariable("VEXA_SOURCE_DIR");
    QProcess job;   // the program folder with the sample's taxpayers and accountants
    job.start("bash", {source + "/examples/run-main-job.sh", "--bin", qEnvironmentVariable("VEXA_BIN_DIR"), "--home",
                       home, "--until", "register"});
    ASSERT_TRUE(job.waitForFinished(120000));
    ASSERT_EQ(job.exitCode(), 0) << job.readAllStandardError().toStdString();
    const QString sample = source + "/examples/vexa-exemplo.txt";

    QByteArray terminal;
    const CliRun import = runOnTerminal({"--home", home, "import", sample}, &terminal);
    EXPECT_EQ(import.code, 0);
    EXPECT_TRUE(terminal.contains("\r\x1b[KImportando: ")) << terminal.toStdString();
    EXPECT_TRUE(terminal.endsWith("\r\x1b[K")) << "the line is cleared at the end";
    EXPECT_FALSE(import.out.contains("\x1b")) << "the response itself carries no progress";

    terminal.clear();
    const CliRun onTerminal = runOnTerminal({"--home", home, "validate", "--period", "012024"}, &terminal);
    EXPECT_TRUE(terminal.contains("Verificando VEXA 1 de ")) << terminal.toStdString();

    const CliRun onPipe = runCli({"--home", home, "validate", "--period", "012024"});
    EXPECT_EQ(onPipe.code, onTerminal.code);
    EXPECT_EQ(onPipe.out, onTerminal.out);
    const CliRun again = runCli({"--home", home, "import", sample});
    for (const CliRun& r : {onPipe, again}) {
        EXPECT_FALSE(r.err.contains("\x1b")) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains("Verificando") || r.err.contains("Importando")) << r.err.toStdString();
    }
}

} // namespace
