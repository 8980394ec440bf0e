#include "declfile/CheckNow.h"

#include "declfile/ExportList.h"
#include "declfile/ValidationReport.h"
#include "registry/Contribuintes.h"

namespace vexa::declfile {

namespace {

// The consistency checks with the report kept in memory: the run asks for the
// page to be written and nothing is written.
class InMemoryReport final : public DeclarationChecker {
public:
    explicit InMemoryReport(const ProgramFolder& folder) : checks_(folder) {}
    void beginRun() override { checks_.beginRun(); }
    bool checkDeclaration(const ExportItem& item, const DeclarationData& data, const DeclarationRecords& records,
                          Prompter& prompter, QString* failure) override {
        return checks_.checkDeclaration(item, data, records, prompter, failure);
    }
    bool hasErrors() const override { return checks_.hasErrors(); }
    bool hasAlerts() const override { return checks_.hasAlerts(); }
    bool writeReport(const QString&, QString*) override { return true; }
    const ValidationResult& result() const { return checks_.result(); }

private:
    ConsistencyChecker checks_;
};

// Nothing is shown during the run: the caller shows the whole outcome at the end.
class SilentPresenter final : public ReportPresenter {
public:
    void showErrors(const QString&) override {}
    bool askToContinue(const QString&) override { return true; }
};

} // namespace

DeclarationCheck checkDeclarationNow(const decl::DeclarationKey& key, const ProgramFolder& folder,
                                     Prompter& prompter) {
    DeclarationCheck out;
    const auto taxpayer = registry::findTaxpayer(key.ie);
    // The item as the export list would hold it for this declaration.
    ExportRequest request;
    request.period = key.mes + key.ano;
    request.items << exportItemFromText(
        exportItemText(key.ie, taxpayer ? taxpayer->RazaoSocial : QString(), key.retificacao));
    request.compress = false;
    request.alertsWithoutQuestion = true;

    InMemoryReport checker(folder);
    SilentPresenter presenter;
    const ExportOutcome run = runExport(request, folder, checker, presenter, prompter);
    out.result = checker.result();
    switch (run.status) {
    case ExportStatus::Errors:
    case ExportStatus::Checked:
    case ExportStatus::Ready:
    case ExportStatus::AlertsDeclined: out.status = ExportStatus::Checked; break;
    case ExportStatus::Refused:
    case ExportStatus::Failed:
    case ExportStatus::Cancelled:
        out.status = run.status;
        out.message = run.message.isEmpty() ? out.result.failure : run.message;
        break;
    }
    return out;
}

QStringList checkReportLines(const ValidationResult& result) {
    QStringList lines;
    if (result.hasErrors()) {
        lines = reportLines(result, ReportKind::Errors);
        if (result.hasAlerts()) lines.removeLast();   // one closing line, at the end of the page
    }
    if (result.hasAlerts()) lines += reportLines(result, ReportKind::Alerts);
    return lines;
}

} // namespace vexa::declfile
