#include "declfile/Validation.h"

#include "common/Cp1252.h"
#include "declfile/DeclarationReader.h"
#include "declfile/ExportList.h"
#include "declfile/ValidationFacts.h"
#include "declfile/ValidationReport.h"
#include "declfile/ValidationRules.h"

#include <QFile>
#include <QHash>
#include <QSqlQuery>

namespace vexa::declfile {

namespace {

// A CFOP list is a small HTML table; anything larger is not one.
constexpr qint64 kMaxCfopListBytes = 4 * 1024 * 1024;

QList<int> rulesOf(const QList<ValidationMessage>& messages) {
    QList<int> out;
    out.reserve(messages.size());
    for (const auto& m : messages) out.append(m.rule);
    return out;
}

} // namespace

QList<int> ValidationResult::errorRules() const { return rulesOf(errors); }
QList<int> ValidationResult::alertRules() const { return rulesOf(alerts); }

struct ConsistencyChecker::Impl {
    ProgramFolder folder;
    ValidationLookups lookups;
    ValidationReference ref;
    bool referenceLoaded = false;
    QHash<QString, QString> cfopLists;   // file name -> its text
    ValidationResult result;

    explicit Impl(const ProgramFolder& f) : folder(f) {}

    // The text of a CFOP list file of the program folder, read once per run.
    bool cfopList(const QString& name, QString* text, QString* error) {
        auto it = cfopLists.constFind(name);
        if (it != cfopLists.constEnd()) {
            *text = *it;
            return true;
        }
        const QString path = folder.file(name);
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("Não foi possível abrir o arquivo %1: %2").arg(path, file.errorString());
            return false;
        }
        if (file.size() > kMaxCfopListBytes) {
            *error = QStringLiteral("O arquivo %1 não é uma lista de CFOP: grande demais.").arg(path);
            return false;
        }
        const QByteArray bytes = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            *error = QStringLiteral("Não foi possível ler o arquivo %1: %2").arg(path, file.errorString());
            return false;
        }
        QString t = cp1252::decode(bytes);
        // The file's text is one line of the report: its own last line break would add an empty one.
        if (t.endsWith(QLatin1String("\r\n"))) t.chop(2);
        else if (t.endsWith(QLatin1Char('\n'))) t.chop(1);
        cfopLists.insert(name, t);
        *text = t;
        return true;
    }

    bool gather(const DeclarationData& data, ValidationFacts& facts, QString* error) {
        if (!referenceLoaded) {
            if (!lookups.loadReference(ref, error)) return false;
            referenceLoaded = true;
        }
        // A joined row means the taxpayer's municipality exists.
        facts.taxpayerMunicipalityOk = data.header.found;
        if (!data.header.found && !lookups.taxpayerHasMunicipality(data.key.ie, &facts.taxpayerMunicipalityOk, error))
            return false;
        if (!lookups.activity(data.header.AtividadeEconomicaPrincip, &facts.activity, error)) return false;
        computeFacts(data, ref, facts);
        return true;
    }
};

ConsistencyChecker::ConsistencyChecker(const ProgramFolder& folder) : d(std::make_unique<Impl>(folder)) {}
ConsistencyChecker::~ConsistencyChecker() = default;

void ConsistencyChecker::beginRun() {
    d->result = ValidationResult();
    d->cfopLists.clear();   // a file replaced between runs is read again
}

bool ConsistencyChecker::checkDeclaration(const ExportItem& item, const DeclarationData& data,
                                          const DeclarationRecords& /*records*/, Prompter& prompter,
                                          QString* failure) {
    return check(item, data, prompter, failure);
}

bool ConsistencyChecker::check(const ExportItem& item, const DeclarationData& data, Prompter& prompter,
                               QString* failure) {
    ValidationResult& result = d->result;
    QString error = result.failure;
    ValidationFacts facts;
    if (error.isEmpty()) d->gather(data, facts, &error);

    QList<ValidationMessage> errors, alerts;
    if (error.isEmpty()) {
        int order = 0;
        const RuleContext context{data, facts, d->ref, prompter};
        runRules(context, [&](const Rule& rule, const Finding& finding) {
            if (!error.isEmpty()) return;
            ValidationMessage m;
            m.key = data.key;
            m.name = item.name;
            m.rule = rule.number;
            m.kind = rule.kind;
            m.text = finding.text;
            m.order = order++;
            if (!finding.fragmentFile.isEmpty() && !d->cfopList(finding.fragmentFile, &m.appendix, &error)) return;
            (rule.kind == MessageKind::Erro ? errors : alerts).append(m);
        });
    }
    if (!error.isEmpty()) {
        result.failure = error;
        if (failure) *failure = error;
        return false;
    }
    result.errors += errors;
    result.alerts += alerts;
    return true;
}

bool ConsistencyChecker::hasErrors() const { return d->result.hasErrors(); }
bool ConsistencyChecker::hasAlerts() const { return d->result.hasAlerts(); }
const ValidationResult& ConsistencyChecker::result() const { return d->result; }

bool ConsistencyChecker::writeReport(const QString& path, QString* failure) {
    return writeReportFile(path, reportLines(d->result), failure);
}

ValidationResult validateDeclaration(const decl::DeclarationKey& key, const ProgramFolder& folder,
                                     Prompter& prompter) {
    ConsistencyChecker checker(folder);
    checker.beginRun();
    DeclarationData data;
    QString error;
    if (!readDeclaration(key, data, &error)) {
        ValidationResult failed;
        failed.failure = error;
        return failed;
    }
    // The name as the export list shows it: characters 15 to 64 of the item.
    const ExportItem item = exportItemFromText(exportItemText(key.ie, data.header.RazaoSocial, key.retificacao));
    checker.check(item, data, prompter, nullptr);
    return checker.result();
}

} // namespace vexa::declfile
