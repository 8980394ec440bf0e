#pragma once
// The validation report: the HTML page "vexacriticas.err" written to the
// program folder in code page 1252, one line per piece, each followed by CR LF.
// A page head opens every taxpayer block; the rows alternate their colour.
//
// When errors exist only the error report is shown (no file is written);
// otherwise the alert report is shown with the question "Deseja continuar?".

#include "common/ProgramFolder.h"
#include "declfile/Validation.h"

#include <QString>
#include <QStringList>

namespace vexa::declfile {

inline const QString kReportFileName = QStringLiteral("vexacriticas.err");

enum class ReportKind { Errors, Alerts };

// The lines of the report of that kind, the closing line included.
QStringList reportLines(const ValidationResult& result, ReportKind kind);

// Writes the lines, each with CR LF, to folder/vexacriticas.err in code page
// 1252, replacing it in one piece. False with a message when it cannot.
bool writeReport(const ProgramFolder& folder, const QStringList& lines, QString* error);
// The error report when there are errors, else the alert report.
bool writeReport(const ProgramFolder& folder, const ValidationResult& result, QString* error);

// Shows a written report: the validation dialog "Validação de Dados" on the
// desktop (declfile/ui/FrmValidacao.h), a prompter in the batch program.
class ReportPresenter {
public:
    virtual ~ReportPresenter() = default;
    // Errors: shown with "Retornar"; the answer is ignored.
    // Alerts: shown with "Deseja continuar?"; true only for "Sim".
    virtual bool present(ReportKind kind, const QString& reportFile) = 0;
};

// The batch program's presenter: errors are not asked about; alerts ask
// "Deseja continuar?" through the prompter.
class PrompterReportPresenter : public ReportPresenter {
public:
    explicit PrompterReportPresenter(Prompter& prompter) : prompter_(prompter) {}
    bool present(ReportKind kind, const QString& reportFile) override;

private:
    Prompter& prompter_;
};

// The end of a validation run as the export sees it.
enum class ReportOutcome {
    Clean,      // no message: write the file
    Continue,   // alerts only, answered "Sim": write the file
    Stop,       // errors, or alerts not answered "Sim": nothing written
    Failed,     // the report could not be written (error set): nothing written
};
// Writes and shows the report when the run has messages.
ReportOutcome presentReport(const ValidationResult& result, const ProgramFolder& folder,
                            ReportPresenter& presenter, QString* error);

} // namespace vexa::declfile
