#pragma once
// The import of an accounting-system file (AccountFile.h): every declaration
// of the file is checked record by record and, when it passes, stored as a
// new declaration (`Vexas` and its child tables) marked as imported, with its
// taxpayer's row brought up to date from segment A. The response lists what
// happened to each declaration, line by line, in the words the screen
// "Importa arquivo de VEXA" shows.
//
// Each declaration is one database transaction: it is committed when the
// declaration is imported and rolled back when it is refused, already
// imported, cancelled or when the run fails on it, so a declaration is stored
// whole or not at all and a refused one leaves nothing behind (its taxpayer's
// row included). Declarations finished before a failure or a cancel stay.
//
// The screen and the batch program call importAccountFile; the screen passes
// an observer to move its progress bar, show the response as it grows and
// cancel (the cancel takes effect after the declaration in hand).

#include "common/Prompter.h"

#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;

namespace vexa::declfile {

// How a run ended.
enum class ImportEnd {
    Finished,        // every line of the file was visited
    FileRefused,     // no line, or the first line does not start with "A": nothing imported
    OldPeriod,       // a declaration before 01/2009: the run stopped after the warning
    Cancelled,       // the observer asked to stop; the declaration in hand was finished first
    Failed,          // an error stopped the run (see ImportResult::failure)
};

struct ImportResult {
    ImportEnd end = ImportEnd::Finished;
    // The response area's lines in order (empty when the options ask not to keep them).
    // A line may hold CR LF pairs and single CRs of its own (the messages carry them).
    QStringList response;
    int imported = 0;          // declarations stored and marked as imported
    int refused = 0;           // declarations refused and removed
    int alreadyImported = 0;   // declarations answered "Já cadastrada ..."
    // Why the run failed: the line, the segment and the reason, or the engine's message.
    QString failure;

    // Every declaration met was imported and the whole file was visited.
    bool allImported() const { return end == ImportEnd::Finished && refused == 0 && alreadyImported == 0; }
};

// Reported after each declaration.
struct ImportProgress {
    qint64 bytesRead = 0;
    qint64 bytesTotal = 0;      // 0 when the size is not known
    int declarations = 0;       // declarations finished so far
    QStringList newLines;       // response lines the last declaration added
};
// Answers false to stop the run after the declaration just reported.
using ImportObserver = std::function<bool(const ImportProgress&)>;

struct ImportOptions {
    // Keep the response in ImportResult::response. The batch program prints the
    // lines as the observer receives them and keeps nothing, so that a file of
    // any size runs in the same memory.
    bool keepResponse = true;
};

// The response lines of a file that cannot be read at all.
inline const QString kEmptyFileMessage = QStringLiteral("Formato do arquivo inválido!!!");
inline const QString kNotAFileMessage = QStringLiteral("Formato do Arquivo inválido!!!");
// The warning shown for a declaration before 01/2009, after which the run stops.
inline const QString kOldPeriodWarning =
    QStringLiteral("A VEXA com período de referência anterior a 01/2009 deverá ser informada no programa VEXA 7.2");

// Runs the import over the file on the open "Vexa" connection. The prompter
// shows the warning of a period before 01/2009. A file that cannot be opened
// ends as Failed with the reason.
ImportResult importAccountFile(const QString& path, Prompter& prompter, const ImportObserver& observer = {},
                               const ImportOptions& options = {});
// The same over an open device (read from its current position).
ImportResult importAccountFile(QIODevice& device, Prompter& prompter, const ImportObserver& observer = {},
                               const ImportOptions& options = {});

} // namespace vexa::declfile
