#pragma once
// The sample of examples/: the accounting-system file, the script of the main
// job run as a process, and a program folder holding the sample's taxpayers
// and accountants as the script registers them.

#include "common/ProgramFolder.h"

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

// Texts shown as text when a test fails.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vexa::test {

class ServerDatabase;

QString sourcePath(const QString& relative);   // in the source tree
QString binPath(const QString& name);          // beside the built programs
QString samplePath();                          // examples/vexa-exemplo.txt
QByteArray sampleBytes();

struct ProcessRun {
    bool finished = false;
    int exitCode = -1;
    QString output;   // standard output and error, as printed
};
// bash examples/run-main-job.sh --bin <built programs> ARGS
ProcessRun runMainJob(const QStringList& args, int timeoutMs = 300000);
// vexa-cli --home HOME ARGS
ProcessRun runCli(const QString& home, const QStringList& args, int timeoutMs = 120000);

// The lines of an accounting-system or submission text, split as the import's
// reader splits them: LF ends a line and a CR just before it belongs to the line end.
QList<QByteArray> splitLines(const QByteArray& bytes);

// The key of a record's header: IE, MMYYYY and rectification ("29310452201202400").
QString recordKey(const QByteArray& line);

// What one declaration of an accounting-system file would store when imported:
// the records of segments B to S between its A line and the Z line that ends
// it, counted by segment (lines of any other letter are read and ignored).
struct AccountBlock {
    QString key;
    QMap<char, int> records;
};
QList<AccountBlock> accountBlocks(const QList<QByteArray>& lines);

// What the database holds: per declaration key, its `Vexas` row's `Importado`
// and its rows in the child tables, counted by the segment that carries them.
struct StoredDeclaration {
    bool imported = false;
    QMap<char, int> records;
};
QMap<QString, StoredDeclaration> storedDeclarations();
// Child rows without their `Vexas` row.
int orphanRows();
// Removes every declaration (`Vexas` and the child tables).
void clearDeclarations();

// A program folder in a temporary directory, laid out once per test binary by
// the example script's first steps (init, the accountants, the taxpayers) and
// copied per instance; opened as the "Vexa" connection.
class SampleProgramFolder {
public:
    explicit SampleProgramFolder(bool open = true);
    ~SampleProgramFolder();
    const ProgramFolder& folder() const { return folder_; }
    QString path() const { return dir_->path(); }

private:
    std::unique_ptr<QTemporaryDir> dir_;
    ProgramFolder folder_;
    std::unique_ptr<ServerDatabase> server_;   // the folder's own database on the test cluster
};

} // namespace vexa::test
