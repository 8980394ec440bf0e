#pragma once
// Declarations of a period for the export tests, a checker whose findings a
// test decides, and a report presenter that records what it was shown.

#include "../layout/LayoutFixture.h"

#include "declfile/ExportChecks.h"

#include <QStringList>

namespace vexa::test {

// A declaration that passes every consistency check: a registered taxpayer
// outside fuel retail and item 15, its accountant, every amount zero.
void storeCleanDeclaration(const QString& ie, const QString& name, const QString& ret = QStringLiteral("00"),
                           const QString& ano = QStringLiteral("2025"), const QString& mes = QStringLiteral("07"));

// Finds what the test asks for on the declarations of the given IEs.
class FakeChecker : public declfile::DeclarationChecker {
public:
    QStringList errorsFor;   // IEs that get an error
    QStringList alertsFor;   // IEs that get an alert
    QStringList checked;     // IEs checked, in order
    QString failOn;          // IE whose check fails the run
    int runs = 0;

    void beginRun() override {
        ++runs;
        checked.clear();
        errors_ = alerts_ = 0;
    }
    bool checkDeclaration(const declfile::ExportItem& item, const declfile::DeclarationData& data,
                          const declfile::DeclarationRecords& records, Prompter&, QString* failure) override {
        checked << item.ie;
        EXPECT_EQ(data.key.ie, item.ie);
        EXPECT_FALSE(records.lines.isEmpty());
        if (item.ie == failOn) {
            *failure = QStringLiteral("falha de leitura");
            return false;
        }
        if (errorsFor.contains(item.ie)) ++errors_;
        if (alertsFor.contains(item.ie)) ++alerts_;
        return true;
    }
    bool hasErrors() const override { return errors_ > 0; }
    bool hasAlerts() const override { return alerts_ > 0; }
    bool writeReport(const QString& path, QString* failure) override;

private:
    int errors_ = 0;
    int alerts_ = 0;
};

class RecordingPresenter : public declfile::ReportPresenter {
public:
    bool answer = false;
    QStringList shown;   // "errors: PATH" / "alerts: PATH"
    void showErrors(const QString& path) override { shown << QStringLiteral("errors: ") + path; }
    bool askToContinue(const QString& path) override {
        shown << QStringLiteral("alerts: ") + path;
        return answer;
    }
};

} // namespace vexa::test
