#include "declaration/OperationRules.h"

#include "common/Money.h"
#include "declaration/OperationStore.h"
#include "storage/Database.h"
#include "storage/ReferenceLookups.h"

#include <QSqlError>
#include <QSqlQuery>

namespace vexa::decl {

namespace {

// The writes of one post or delete as one unit: a savepoint of a transaction
// the caller has open (the save of the declaration screen), a transaction of
// its own otherwise; undone unless released.
class WriteUnit {
public:
    WriteUnit() {
        if (!unit_.started()) error_ = unit_.error();
    }
    bool started() const { return unit_.started(); }
    const QString& error() const { return error_; }
    bool release(QString* error) {
        if (unit_.commit()) return true;
        if (error) *error = unit_.error();
        return false;
    }

private:
    storage::Transaction unit_;
    QString error_;
};

PostOutcome refused(Prompter& prompter, const QString& message, const QString& field) {
    prompter.warn(message);
    PostOutcome out;
    out.status = PostStatus::Refused;
    out.message = message;
    out.field = field;
    return out;
}

PostOutcome failed(const QString& error) {
    PostOutcome out;
    out.status = PostStatus::Failed;
    out.message = error;
    return out;
}

QString otherDomicile(const QString& domicile) {
    return domicile == kDomicileA ? kDomicileB : kDomicileA;
}

} // namespace

OperationRow newOperationRow(const OperationView& view) {
    OperationRow row;
    row.domicilioFiscal = kDomicileA;
    row.entradaSaida = view.entradaSaida();
    row.tipoOperacao = view.tipoOperacao();
    return row;
}

void applyCfopChange(const OperationContext& ctx, OperationRow& row) {
    row.cidadeID = row.domicilioFiscal != kDomicileA ? ctx.cidadeB : ctx.cidadeA;
    row.cfopDescricao = row.codigoOperacao ? cfopDescription(*row.codigoOperacao, ctx.key.ano) : QString();
    row.municipioNom = row.cidadeID != 0 ? storage::MunicipalityNameByIBGE(row.cidadeID) : QString();
}

CheckResult checkOperationCfop(const OperationContext& ctx, const OperationView& view, const OperationRow& row) {
    if (!row.codigoOperacao) return CheckResult::fail(operation_msg::CfopVazio, operation_field::Cfop);
    const QString code = row.cfopText();
    if (!storage::IsCFOPOfYear(code, ctx.key.ano))
        return CheckResult::fail(code + operation_msg::CfopInvalidoSuffix, operation_field::Cfop);
    if (!storage::IsCFOPOfView(code, view.direction == Direction::Entry ? 0 : 1, int(view.kind))) {
        // The item where a code of this first digit belongs; other digits pass.
        const int digit = code.at(0).digitValue();
        for (const OperationView& other : allOperationViews()) {
            if (other.firstDigit() == digit)
                return CheckResult::fail(operation_msg::cfopOfOtherItem(code, other.item()), operation_field::Cfop);
        }
    }
    return CheckResult::pass();
}

QString bookValueQuestion(const QString& tipoRegime, const OperationRow& row) {
    if (tipoRegime == QLatin1String("S")) {
        const double d = (row.outras + row.substituicaoTributaria) - row.valorContabil;
        return money::isZero(d) ? QString() : operation_msg::DivergenciaSimples;
    }
    const double d = (row.baseCalculo + row.isentasNaoTributadas + row.outras + row.substituicaoTributaria) -
                     row.valorContabil;
    return money::isZero(d) ? QString() : operation_msg::DivergenciaNormal;
}

PostOutcome postOperationRow(const OperationContext& ctx, const OperationView& view, const OperationRow& typed,
                             const std::optional<OperationRow>& original, Prompter& prompter) {
    OperationRow row = typed;
    const bool inserting = !original.has_value();
    // A row typed in a view always carries that view's direction and kind.
    row.entradaSaida = view.entradaSaida();
    row.tipoOperacao = view.tipoOperacao();
    if (row.domicilioFiscal.isEmpty()) row.domicilioFiscal = kDomicileA;

    // During a bulk update the view of item 4.1.1 runs no check; the others
    // check the CFOP and skip the rest.
    const bool skipAll = ctx.bulkUpdate && view.isFirstEntriesView();
    bool renameTwin = false;
    if (!skipAll) {
        if (const CheckResult c = checkOperationCfop(ctx, view, row); !c)
            return refused(prompter, c.message, c.field);
        if (!ctx.bulkUpdate) {
            const QString question = bookValueQuestion(ctx.tipoRegime, row);
            if (!question.isEmpty() && !prompter.ask(question)) {
                PostOutcome out;
                out.status = PostStatus::Refused;
                out.message = question;
                if (view.isFirstEntriesView()) out.field = operation_field::ValorContabil;
                return out;
            }
            const bool codeChanged = !inserting && original->codigoOperacao != row.codigoOperacao;
            const bool exists =
                findOperationRow(ctx.key, view, *row.codigoOperacao, row.domicilioFiscal).has_value();
            if (exists && (inserting || codeChanged)) {
                prompter.warn(operation_msg::duplicateCfop(row.cfopText()));
                PostOutcome out;
                out.status = PostStatus::Discarded;
                out.message = operation_msg::duplicateCfop(row.cfopText());
                return out;
            }
            renameTwin = !exists && codeChanged && original->codigoOperacao.has_value();
        }
    }
    // Even unchecked, a row without a CFOP cannot be stored under the table's key.
    if (!row.codigoOperacao) return refused(prompter, operation_msg::CfopVazio, operation_field::Cfop);

    WriteUnit unit;
    if (!unit.started()) return failed(unit.error());
    QString error;
    if (inserting ? !insertOperationRow(ctx.key, row, &error) : !updateOperationRow(ctx.key, *original, row, &error))
        return failed(error);

    PostOutcome out;
    if (renameTwin) {
        // The other domicile's row follows the new code, unless that code is already taken there.
        const QString twinDomicile = otherDomicile(row.domicilioFiscal);
        if (findOperationRowsAnyView(ctx.key, *row.codigoOperacao, twinDomicile).isEmpty()) {
            int renamed = 0;
            if (!renameOperationRow(ctx.key, view, *original->codigoOperacao, *row.codigoOperacao, twinDomicile,
                                    &error, &renamed))
                return failed(error);
            out.twinRenamed = renamed > 0;
        }
    }
    if (!skipAll && ctx.mudaDomicilio && row.domicilioFiscal == kDomicileA &&
        findOperationRowsAnyView(ctx.key, *row.codigoOperacao, kDomicileB).isEmpty()) {
        OperationRow twin = newOperationRow(view);
        twin.codigoOperacao = row.codigoOperacao;
        twin.domicilioFiscal = kDomicileB;
        twin.cidadeID = ctx.cidadeB;
        if (!insertOperationRow(ctx.key, twin, &error)) return failed(error);
        out.twinCreated = true;
    }
    if (!unit.release(&error)) return failed(error);
    out.status = PostStatus::Posted;
    out.stored = row;
    return out;
}

bool deleteOperationRowWithTwin(const OperationContext& ctx, const OperationView& view, const OperationRow& row,
                                QString* error) {
    if (!row.codigoOperacao) return true;
    WriteUnit unit;
    if (!unit.started()) {
        if (error) *error = unit.error();
        return false;
    }
    if (ctx.mudaDomicilio &&
        !deleteOperationRow(ctx.key, view, *row.codigoOperacao, otherDomicile(row.domicilioFiscal), error))
        return false;
    if (!deleteOperationRow(ctx.key, view, *row.codigoOperacao, row.domicilioFiscal, error)) return false;
    return unit.release(error);
}

std::optional<OperationRow> existingRowForTypedCfop(const OperationContext& ctx, const OperationView& view,
                                                    const OperationRow& row,
                                                    const std::optional<OperationRow>& original) {
    if (!row.codigoOperacao) return std::nullopt;
    // The row's own stored code is no other row.
    if (original && original->codigoOperacao == row.codigoOperacao &&
        original->domicilioFiscal == row.domicilioFiscal)
        return std::nullopt;
    const QList<OperationRow> rows = findOperationRowsAnyView(ctx.key, *row.codigoOperacao, row.domicilioFiscal);
    if (rows.size() != 1) return std::nullopt;
    const OperationRow& found = rows.first();
    if (found.entradaSaida != view.entradaSaida() || found.tipoOperacao != view.tipoOperacao()) return std::nullopt;
    return found;
}

bool childTableAcceptsNewRow(bool newRowFlag, bool bulkUpdate, int rowCount, bool beforeFirstRow) {
    return newRowFlag || bulkUpdate || rowCount == 0 || beforeFirstRow;
}

bool isAmountEditable(Amount amount, const QString& tipoRegime) {
    if (tipoRegime != QLatin1String("S")) return true;
    return amount == Amount::ValorContabil || amount == Amount::Outras || amount == Amount::SubstituicaoTributaria;
}

QString descriptionBoxText(const OperationRow& row) {
    return QStringLiteral("CFOP: ") + row.cfopText() + QStringLiteral(" - ") + row.cfopDescricao;
}

} // namespace vexa::decl
