#include "declfile/ValidationFacts.h"

#include "common/Money.h"
#include "declaration/Apuracao.h"
#include "storage/Database.h"

#include <QSqlError>
#include <QVariant>
#include <algorithm>

namespace vexa::declfile {

namespace {

QString text(const QVariant& v) { return v.isNull() ? QString() : v.toString(); }
qint64 integer(const QVariant& v) { return v.isNull() ? 0 : v.toLongLong(); }

QString engineMessage(const QSqlQuery& q) {
    const QString m = q.lastError().text().trimmed();
    return m.isEmpty() ? QStringLiteral("O comando não pôde ser executado.") : m;
}

void computeAmounts(const DeclarationData& data, ValidationFacts& f) {
    if (!data.header.found) return;   // every amount reads as zero
    decl::VexaRow r = data.header.vexa;
    r.Mes = data.key.mes;
    r.Ano = data.key.ano;
    const decl::Apuracao a = decl::computeApuracao(r);

    // The small-balance check works on the debit and credit totals in cents.
    const double debit = money::round2(r.C51 + r.C52 + r.C53);
    const double credit = money::round2(r.C61 + r.C62 + r.C63 + r.C64);
    f.T73 = money::round2(std::max(0.0, debit - credit) - r.C72);
    f.T86 = std::max(0.0, money::round2(r.C83 - (r.C84 + r.C85)));

    f.V73 = a.C73 > 0 ? a.C73 : 0;
    f.V74 = a.C74;
    f.V86 = a.C86;
    f.V712 = a.C712;
    f.V716 = a.C716;
}

} // namespace

void computeFacts(const DeclarationData& data, const ValidationReference& ref, ValidationFacts& f) {
    computeAmounts(data, f);

    for (const OperationRecordRow& b : data.operations) {
        if (ref.cfop153.contains(b.CodigoOperacao)) f.cfop153ValorContabil += b.ValorContabil;
        if (ref.cfop154.contains(b.CodigoOperacao)) f.cfop154ValorContabil += b.ValorContabil;
        OperationTotals& t = b.EntradaSaida == QLatin1String("0") ? f.opEntries : f.opOutputs;
        t.valorContabil += b.ValorContabil;
        t.baseCalculo += b.BaseCalculo;
        t.impostoCreditado += b.ImpostoCreditado;
        t.isentas += b.IsentasNaoTributadas;
        t.outras += b.Outras;
        t.substituicao += b.SubstituicaoTributaria;
        t.columnsBtoF += b.BaseCalculo + b.IsentasNaoTributadas + b.Outras + b.SubstituicaoTributaria;
        if (b.TipoOperacao == QLatin1String("0")) t.domestic += b.ValorContabil;
        else if (b.TipoOperacao == QLatin1String("1")) t.interstate += b.ValorContabil;
        else if (b.TipoOperacao == QLatin1String("2")) t.foreign += b.ValorContabil;
    }

    for (const StateRecordRow& d : data.states) {
        const bool entry = d.EntradaSaida == QLatin1String("0");
        StateTotals& t = entry ? f.ufEntries : f.ufOutputs;
        // Entries count the taxpayer columns (A) only; outputs add the non-taxpayer ones (B).
        const double contabil = d.ValorContabilA + (entry ? 0.0 : d.ValorContabilB);
        t.valorContabil += contabil;
        t.baseCalculo += d.BaseCalculoA + (entry ? 0.0 : d.BaseCalculoB);
        t.credDebImposto += d.CredDebImpostoA + (entry ? 0.0 : d.CredDebImpostoB);
        t.isentas += d.IsentasNaoTributadas;
        t.outras += d.Outras;
        t.substituicao += d.SubsTributaria;
        if (d.UF == QLatin1String("29")) t.homeState += contabil;
        else if (d.UF == QLatin1String("90")) t.abroad += contabil;
        else t.otherStates += contabil;
    }

    for (const ToPayRecordRow& e : data.toPay) f.toPay[e.TipoApuracao] += e.Valor;
    for (const MunicipalityRecordRow& m : data.municipalities) {
        f.munVlrContabil += m.VlrContabil;
        f.munDevolucoes += m.Devolucoes;
    }
    for (const LawAmountRecordRow& k : data.otherCredits) f.otherCreditsTotal += k.Valor;
    for (const DeductionRecordRow& l : data.deductions) f.deductionsTotal += l.VlrDeducao;
}

struct ValidationLookups::Impl {
    QSqlQuery municipality;
    QSqlQuery activity;
    bool prepared = false;
    QHash<QString, ActivityFacts> activities;

    bool prepare(QString* error) {
        if (prepared) return true;
        municipality = QSqlQuery(storage::db());
        municipality.setForwardOnly(true);
        activity = QSqlQuery(storage::db());
        activity.setForwardOnly(true);
        if (!municipality.prepare(QStringLiteral("SELECT count(*) FROM Contribuintes c JOIN Municipios m"
                                                 " ON m.CodigoID = c.MunicipioID WHERE c.IE = ?"))) {
            *error = engineMessage(municipality);
            return false;
        }
        if (!activity.prepare(QStringLiteral("SELECT count(*), max(Descricao) FROM Atividades WHERE Codigo = ?"))) {
            *error = engineMessage(activity);
            return false;
        }
        prepared = true;
        return true;
    }
};

ValidationLookups::ValidationLookups() : d(std::make_unique<Impl>()) {}
ValidationLookups::~ValidationLookups() = default;

bool ValidationLookups::loadReference(ValidationReference& ref, QString* error) {
    ref = ValidationReference();
    QSqlQuery q(storage::db());
    q.setForwardOnly(true);
    auto run = [&](const char* sql) {
        if (q.exec(QString::fromLatin1(sql))) return true;
        if (error) *error = engineMessage(q);
        return false;
    };
    if (!run("SELECT CodLei, Tipo FROM Leis")) return false;
    while (q.next()) ref.creditLawKind.insert(integer(q.value(0)), text(q.value(1)));
    if (!run("SELECT CodLei FROM LeisD")) return false;
    while (q.next()) ref.deductionLaws.insert(integer(q.value(0)));
    if (!run("SELECT CodigoOperacao FROM CFOP153")) return false;
    while (q.next()) ref.cfop153.insert(integer(q.value(0)));
    if (!run("SELECT CodigoOperacao FROM CFOP154")) return false;
    while (q.next()) ref.cfop154.insert(integer(q.value(0)));
    if (!run("SELECT CNAE FROM CNAE15")) return false;
    while (q.next()) ref.item15Activities.insert(text(q.value(0)));
    return true;
}

bool ValidationLookups::taxpayerHasMunicipality(const QString& ie, bool* ok, QString* error) {
    if (!d->prepare(error)) return false;
    QSqlQuery& q = d->municipality;
    q.bindValue(0, ie);
    if (!q.exec()) {
        if (error) *error = engineMessage(q);
        return false;
    }
    *ok = q.next() && integer(q.value(0)) > 0;
    q.finish();
    return true;
}

bool ValidationLookups::activity(const QString& code, ActivityFacts* out, QString* error) {
    auto it = d->activities.constFind(code);
    if (it == d->activities.constEnd()) {
        ActivityFacts a;
        if (!code.isEmpty()) {
            if (!d->prepare(error)) return false;
            QSqlQuery& q = d->activity;
            q.bindValue(0, code);
            if (!q.exec()) {
                if (error) *error = engineMessage(q);
                return false;
            }
            if (q.next()) {
                a.rows = int(integer(q.value(0)));
                a.descricao = text(q.value(1));
            }
            q.finish();
        }
        it = d->activities.insert(code, a);
    }
    *out = *it;
    return true;
}

} // namespace vexa::declfile
