#pragma once
// What the consistency checks compare, gathered from a declaration as the
// export read it: the computed items 7.3 to 8.6, the totals of entries and
// outputs by operation (B) and by state (D), the amounts to pay (E), item 15
// (M) against the operation rows of its CFOP lists, and the reference data the
// checks look up (law codes, item-15 activities, activities), read once per run.

#include "declfile/DeclarationData.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>
#include <QString>
#include <memory>

namespace vexa::declfile {

// Sums of segment B for entries (`EntradaSaida` "0") or outputs (any other value).
struct OperationTotals {
    double valorContabil = 0;
    double baseCalculo = 0;
    double impostoCreditado = 0;
    double isentas = 0;
    double outras = 0;
    double substituicao = 0;
    double columnsBtoF = 0;   // BaseCalculo + Isentas + Outras + SubstituicaoTributaria
    double domestic = 0;      // ValorContabil of TipoOperacao "0"
    double interstate = 0;    // "1"
    double foreign = 0;       // "2"
};

// Sums of segment D; for outputs the taxpayer (A) and non-taxpayer (B) columns together.
struct StateTotals {
    double valorContabil = 0;
    double baseCalculo = 0;
    double credDebImposto = 0;
    double isentas = 0;
    double outras = 0;
    double substituicao = 0;
    double homeState = 0;     // UF "29"
    double abroad = 0;        // UF "90"
    double otherStates = 0;   // any other UF
};

// Reference data of a run, and the two lookups made per declaration.
struct ValidationReference {
    QHash<qint64, QString> creditLawKind;   // `Leis`: CodLei -> Tipo
    QSet<qint64> deductionLaws;             // `LeisD` codes
    QSet<qint64> cfop153, cfop154;          // tables CFOP153 / CFOP154
    QSet<QString> item15Activities;         // `CNAE15`
};

struct ActivityFacts {
    int rows = 0;             // `Atividades` rows of the code (one expected)
    QString descricao;
};

struct ValidationFacts {
    bool taxpayerMunicipalityOk = false;   // the taxpayer joins a `Municipios` row
    ActivityFacts activity;                // of the taxpayer's AtividadeEconomicaPrincip

    // Computed items, all 0 when the declaration was not found.
    double T73 = 0;    // 7.3 in cents, for the R$ 50,00 check
    double T86 = 0;    // 8.6 in cents, 0 when negative
    double V73 = 0;    // item 7.3, 0 when not positive
    double V74 = 0;    // item 7.4
    double V86 = 0;    // item 8.6
    double V712 = 0;   // item 7.12
    double V716 = 0;   // item 7.16

    OperationTotals opEntries, opOutputs;
    StateTotals ufEntries, ufOutputs;
    QHash<QString, double> toPay;          // `ICMSRecolher.Valor` per TipoApuracao
    double munVlrContabil = 0;             // `SaidasMun`
    double munDevolucoes = 0;
    double cfop153ValorContabil = 0;       // B rows whose CFOP is in table CFOP153
    double cfop154ValorContabil = 0;       // ... in table CFOP154
    double otherCreditsTotal = 0;          // `OutrosCred.Valor`
    double deductionsTotal = 0;            // `Deducoes.VlrDeducao`

    double toPayTotal(const QString& tipo) const { return toPay.value(tipo, 0.0); }
};

// Computed items and totals of the declaration (no database).
void computeFacts(const DeclarationData& data, const ValidationReference& ref, ValidationFacts& facts);

// The statements of a run: reference data once, the taxpayer's municipality
// and activity per declaration (activities cached). Every refusal of the
// engine answers false with its message.
class ValidationLookups {
public:
    ValidationLookups();
    ~ValidationLookups();
    ValidationLookups(const ValidationLookups&) = delete;
    ValidationLookups& operator=(const ValidationLookups&) = delete;

    bool loadReference(ValidationReference& ref, QString* error);
    bool taxpayerHasMunicipality(const QString& ie, bool* ok, QString* error);
    bool activity(const QString& code, ActivityFacts* out, QString* error);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace vexa::declfile
