#pragma once
// How the export has each declaration checked while it produces its records,
// and how the reports of the run reach the user. The consistency checks (the
// error and alert reports, "vexacriticas.err") implement DeclarationChecker;
// the export screen and the batch program implement ReportPresenter.

#include "common/Prompter.h"
#include "declfile/DeclarationData.h"
#include "declfile/DeclarationRecords.h"
#include "declfile/ExportList.h"

#include <QString>

namespace vexa::declfile {

class DeclarationChecker {
public:
    virtual ~DeclarationChecker() = default;

    // A new export run: both reports empty, no taxpayer block written yet.
    virtual void beginRun() = 0;

    // Runs every check of one declaration in its order, adding the messages to
    // the run's error and alert reports (the taxpayer block names item.ie and
    // item.name). `data` holds what the records were produced from, `records`
    // the records themselves. Questions go through the prompter. False when
    // the run must end at once (a delivered file missing, a database error):
    // *failure then holds the message.
    virtual bool checkDeclaration(const ExportItem& item, const DeclarationData& data,
                                  const DeclarationRecords& records, Prompter& prompter, QString* failure) = 0;

    virtual bool hasErrors() const = 0;
    virtual bool hasAlerts() const = 0;

    // Writes the report to show (the error report when it has lines, else the
    // alert report) with its closing line, each line followed by CR LF, code
    // page 1252, replacing the file. False with *failure on a file error.
    virtual bool writeReport(const QString& path, QString* failure) = 0;
};

// Finds nothing: every declaration passes.
class NoChecks final : public DeclarationChecker {
public:
    void beginRun() override {}
    bool checkDeclaration(const ExportItem&, const DeclarationData&, const DeclarationRecords&, Prompter&,
                          QString*) override {
        return true;
    }
    bool hasErrors() const override { return false; }
    bool hasAlerts() const override { return false; }
    bool writeReport(const QString&, QString*) override { return true; }
};

class ReportPresenter {
public:
    virtual ~ReportPresenter() = default;
    // The error report, without the question; the export then ends unwritten.
    virtual void showErrors(const QString& reportPath) = 0;
    // The alert report with "Deseja continuar?": true only when the answer is "Sim".
    virtual bool askToContinue(const QString& reportPath) = 0;
};

} // namespace vexa::declfile
