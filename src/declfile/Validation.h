#pragma once
// Consistency checks of a declaration before it goes into the submission
// file: the sixty-one checks in the order they run, each failed one giving an
// error (blocking: no file is written) or an alert (the user may go on after
// the question "Deseja continuar?").
//
// ConsistencyChecker is the export's DeclarationChecker: it runs the checks on
// each declaration the export has read and turned into records, keeps the
// messages of the whole run, each with the declaration it belongs to, and
// writes the report page (ValidationReport.h).

#include "common/ProgramFolder.h"
#include "common/Prompter.h"
#include "declaration/DeclarationKey.h"
#include "declfile/ExportChecks.h"

#include <QList>
#include <QString>
#include <memory>

namespace vexa::declfile {

enum class MessageKind { Erro, Alerta };

struct ValidationMessage {
    decl::DeclarationKey key;   // the declaration checked
    QString name;               // taxpayer name as the report's taxpayer block shows it
    int rule = 0;               // 1 to 61
    MessageKind kind = MessageKind::Erro;
    QString text;               // as it goes into the page (entities and CR kept)
    // Rules 58 and 59: the CFOP list of the program folder, one more line after the message.
    QString appendix;
    // Position among all messages (errors and alerts) of its declaration,
    // from 0: the row colour of the page alternates over both lists.
    int order = 0;
};

struct ValidationResult {
    QList<ValidationMessage> errors;
    QList<ValidationMessage> alerts;
    // Not empty when the run could not finish (a database error, a missing
    // CFOP list file): the export ends there and nothing is written.
    QString failure;

    bool failed() const { return !failure.isEmpty(); }
    bool hasErrors() const { return !errors.isEmpty(); }
    bool hasAlerts() const { return !alerts.isEmpty(); }
    bool clean() const { return !failed() && !hasErrors() && !hasAlerts(); }
    // The rule numbers of the errors / alerts in the order they were added.
    QList<int> errorRules() const;
    QList<int> alertRules() const;
};

class ConsistencyChecker final : public DeclarationChecker {
public:
    // The CFOP list files "CFOP153" and "CFOP154" are read from the folder.
    explicit ConsistencyChecker(const ProgramFolder& folder);
    ~ConsistencyChecker() override;
    ConsistencyChecker(const ConsistencyChecker&) = delete;
    ConsistencyChecker& operator=(const ConsistencyChecker&) = delete;

    void beginRun() override;
    // The question of rule 55 goes through the prompter. On a failure the
    // declaration's messages are dropped and the run is over.
    bool checkDeclaration(const ExportItem& item, const DeclarationData& data, const DeclarationRecords& records,
                          Prompter& prompter, QString* failure) override;
    bool hasErrors() const override;
    bool hasAlerts() const override;
    bool writeReport(const QString& path, QString* failure) override;

    // Checks without records (they play no part in the checks).
    bool check(const ExportItem& item, const DeclarationData& data, Prompter& prompter, QString* failure);

    const ValidationResult& result() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Reads one declaration and checks it in a run of its own. The taxpayer
// block names the taxpayer's `RazaoSocial` as the export list shows it.
ValidationResult validateDeclaration(const decl::DeclarationKey& key, const ProgramFolder& folder,
                                     Prompter& prompter);

} // namespace vexa::declfile
