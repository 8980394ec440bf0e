#pragma once
// The sixty-one consistency checks of a declaration as a table, in the order
// they run: before record A (registry, accountant, R$ 50,00), while the
// segments are read (stock, pump meters per nozzle, TARE, code 98), and after
// record Z (lists against their totals, entries and outputs by operation
// against movement by state, amounts to pay, item 15 and fuel retail).

#include "common/Prompter.h"
#include "declfile/Validation.h"
#include "declfile/DeclarationData.h"
#include "declfile/ValidationFacts.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace vexa::declfile {

enum class RuleStage { BeforeRecordA, WhileSegments, AfterRecordZ };

// When a rule runs at all.
enum class RuleGate {
    Always,
    AccountantNamed,    // rules 3 to 16: skipped when the accountant has no name (rule 2)
    DeclarationFound,   // rules 26 to 29: only when the declaration row exists
};

// Rules 21 to 23 run once per pump row, in ascending nozzle; the others once.
enum class RuleScope { Declaration, PumpRow };

struct RuleContext {
    const DeclarationData& data;
    const ValidationFacts& facts;
    const ValidationReference& ref;
    Prompter& prompter;
    int pump = -1;   // index into data.pumps for the pump rules
};

// A failed check: the message, and for rules 58 and 59 the name of the CFOP
// list file in the program folder whose text follows the message.
struct Finding {
    QString text;
    QString fragmentFile;
};

struct Rule {
    int number = 0;
    MessageKind kind = MessageKind::Erro;
    RuleStage stage = RuleStage::BeforeRecordA;
    RuleGate gate = RuleGate::Always;
    RuleScope scope = RuleScope::Declaration;
    std::optional<Finding> (*check)(const RuleContext&) = nullptr;
};

// Every rule, in the order they run.
const std::vector<Rule>& validationRules();

// The fixed text of a rule's message (for composed messages, its first piece).
QString ruleMessage(int number);

// The question asked by rule 55.
QString rule55Question();

// Runs the rules on one declaration in order; `add` receives each failed one.
void runRules(const RuleContext& context, const std::function<void(const Rule&, const Finding&)>& add);

} // namespace vexa::declfile
