#pragma once
// "Validar VEXA": the export's reading, records and consistency checks run on
// one declaration at any time of the month, without writing anything — no
// submission file, no report file, no row. The same run as the export
// (runExport over a one-item list), with the report kept in memory.

#include "common/ProgramFolder.h"
#include "common/Prompter.h"
#include "declaration/DeclarationKey.h"
#include "declfile/Export.h"
#include "declfile/Validation.h"

#include <QString>
#include <QStringList>

namespace vexa::declfile {

inline const QString kNoInconsistency = QStringLiteral("Nenhuma inconsistência encontrada.");

struct DeclarationCheck {
    // Checked: the checks ran (result says what they found); Refused: a value
    // without room in the layout; Failed: a database or file error.
    ExportStatus status = ExportStatus::Failed;
    QString message;            // Refused, Failed
    ValidationResult result;    // the errors and the alerts, in the order they were found

    bool ran() const { return status == ExportStatus::Checked; }
    bool clean() const { return ran() && !result.hasErrors() && !result.hasAlerts(); }
};

// Checks the stored declaration as the export would. The question of rule 55
// goes through the prompter, as in the export.
DeclarationCheck checkDeclarationNow(const decl::DeclarationKey& key, const ProgramFolder& folder,
                                     Prompter& prompter);

// The page that shows the outcome: the error report followed by the alert
// report (each with its taxpayer block); empty when there is no message.
QStringList checkReportLines(const ValidationResult& result);

} // namespace vexa::declfile
