#pragma once
// Consistency checks of a declaration before it goes into the submission
// file: the sixty-one checks in the order they run, each failed one giving an
// error (blocking: no file is written) or an alert (the user may go on after
// the question "Deseja continuar?").
//
// A run keeps the messages of every declaration it checks, each with the
// declaration it belongs to. ValidationReport.h turns them into the HTML page
// "vexacriticas.err" and shows it.

#include "common/ProgramFolder.h"
#include "common/Prompter.h"
#include "declaration/DeclarationKey.h"

#include <QList>
#include <QSet>
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
    // Rules 58 and 59: the CFOP list fragment, one more line after the message.
    QString appendix;
    // Position among all messages (errors and alerts) of its declaration,
    // from 0: the row colour of the page alternates over both lists.
    int order = 0;
};

struct ValidationResult {
    QList<ValidationMessage> errors;
    QList<ValidationMessage> alerts;
    // Not empty when the run could not finish (a database error, a missing
    // CFOP fragment): the export ends there and nothing is written.
    QString failure;

    bool failed() const { return !failure.isEmpty(); }
    bool hasErrors() const { return !errors.isEmpty(); }
    bool hasAlerts() const { return !alerts.isEmpty(); }
    bool clean() const { return !failed() && !hasErrors() && !hasAlerts(); }
    // The rule numbers of the errors / alerts in the order they were added.
    QList<int> errorRules() const;
    QList<int> alertRules() const;
};

// Name shown in the taxpayer block: characters 15 to 64 of the export's list
// item, that is the first 50 characters of the `RazaoSocial` cut to 51 and
// padded with blanks to 56.
QString reportName(const QString& razaoSocial);

// One validation run over several declarations (the export of one file). The
// reference data the checks need (law codes, item-15 CFOP and activity lists)
// is read once per run; each declaration is read with one statement per table.
class Validator {
public:
    Validator(const ProgramFolder& folder, Prompter& prompter);
    ~Validator();
    Validator(const Validator&) = delete;
    Validator& operator=(const Validator&) = delete;

    // Checks one declaration and adds its messages to the run. The question of
    // rule 55 goes through the prompter. False when the run failed
    // (result().failure says why); the declaration's messages are then dropped.
    bool check(const decl::DeclarationKey& key, const QString& name);

    const ValidationResult& result() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// A run of one declaration.
ValidationResult validateDeclaration(const decl::DeclarationKey& key, const QString& name,
                                     const ProgramFolder& folder, Prompter& prompter);

} // namespace vexa::declfile
