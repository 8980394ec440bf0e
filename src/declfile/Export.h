#pragma once
// The export run over the ticked declarations of a period: each declaration
// is read, its records produced and checked; errors show the error report
// and nothing is written; alerts ask whether to go on; otherwise the whole
// text is compressed twice into the submission file's bytes. The file itself
// is written by writeSubmissionFile, in one piece, once the user chose where.

#include "common/ProgramFolder.h"
#include "common/Prompter.h"
#include "declfile/ExportChecks.h"
#include "declfile/ExportList.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

namespace vexa::declfile {

inline const QString kExportSuccess = QStringLiteral("Arquivo gravado com sucesso!!!");
inline const QString kReportFileName = QStringLiteral("vexacriticas.err");

// Called before each declaration is checked (index from 0) and once more with
// index == count while the text is compressed. Answering false cancels the
// run: nothing is written.
using ExportProgress = std::function<bool(int index, int count, const ExportItem& item)>;

enum class ExportStatus {
    Ready,            // container holds the submission file's bytes
    Checked,          // checks only (no container asked for): no error, alerts accepted
    Errors,           // the error report was shown; nothing written
    AlertsDeclined,   // the alert report's question was not answered "Sim"
    Cancelled,        // the user cancelled the run
    Refused,          // a value does not fit the layout (message names the declaration and field)
    Failed,           // a database or file error (message)
};

struct ExportOutcome {
    ExportStatus status = ExportStatus::Failed;
    QByteArray text;        // the records of every declaration, CR LF ended (Ready, Checked)
    QByteArray container;   // the two compression passes of text (Ready)
    QString message;        // Refused, Failed: what to show
    QString reportPath;     // the report written, when one was shown
    bool hadAlerts = false; // alerts were found (and accepted, for Ready/Checked)

    bool ready() const { return status == ExportStatus::Ready; }
};

struct ExportRequest {
    QString period;              // the period field's text, MMYYYY
    QList<ExportItem> items;     // the ticked items in list order
    bool compress = true;        // false: check only, no container (the batch `validate`)
    // When set, an alert report is written and the run goes on without the
    // question (the batch `validate`, which reports and never writes a file).
    bool alertsWithoutQuestion = false;
    // Where the report goes; empty: "vexacriticas.err" in the program folder.
    QString reportPath;
};

// Runs the export. The report file goes to the program folder ("vexacriticas.err").
ExportOutcome runExport(const ExportRequest& request, const ProgramFolder& folder, DeclarationChecker& checker,
                        ReportPresenter& presenter, Prompter& prompter, const ExportProgress& progress = {});

// Writes the bytes to a temporary file in the target folder and renames it
// over the target (replacing it), so that the target is either the old file
// or the whole new one. False with the reason in *error.
bool writeSubmissionFile(const QString& path, const QByteArray& bytes, QString* error);

} // namespace vexa::declfile
