#include "declaration/StateMovementRules.h"

#include "common/Money.h"
#include "common/StateCodes.h"
#include "declaration/DeclSql.h"
#include "declaration/StateMovementStore.h"

namespace vexa::decl {

namespace {

StatePostOutcome outcome(PostStatus status, const QString& message = {}, const QString& field = {}) {
    StatePostOutcome out;
    out.status = status;
    out.message = message;
    out.field = field;
    return out;
}

QString otherDomicile(const QString& domicile) { return domicile == kDomicileA ? kDomicileB : kDomicileA; }

} // namespace

CheckResult checkStateCode(const StateRow& row) {
    if (!IsNumericStateCode(row.uf)) return CheckResult::fail(state_msg::UfInvalida, state_field::Uf);
    return CheckResult::pass();
}

QString stateBookValueQuestion(const QString& tipoRegime, Direction direction, const StateRow& row) {
    using A = StateAmount;
    const double book = direction == Direction::Entry ? row.amount(A::ValorContabilA)
                                                      : row.amount(A::ValorContabilA) + row.amount(A::ValorContabilB);
    if (tipoRegime == QLatin1String("S")) {
        const double d = book - (row.amount(A::Outras) + row.amount(A::SubsTributaria));
        if (money::isZero(d)) return {};
        return direction == Direction::Entry ? state_msg::DivergenciaSimplesEntradas
                                             : state_msg::DivergenciaSimplesSaidas;
    }
    double parts = row.amount(A::BaseCalculoA) + row.amount(A::IsentasNaoTributadas) + row.amount(A::Outras) +
                   row.amount(A::SubsTributaria);
    if (direction == Direction::Output) parts += row.amount(A::BaseCalculoB);
    return money::isZero(book - parts) ? QString() : state_msg::DivergenciaNormal;
}

StatePostOutcome postStateRow(const OperationContext& ctx, Direction direction, const StateRow& typed,
                              const std::optional<StateRow>& original, Prompter& prompter) {
    StateRow row = typed;
    const bool inserting = !original.has_value();
    if (row.domicilioFiscal.isEmpty()) row.domicilioFiscal = kDomicileA;
    for (double& v : row.amounts) v = money::round2(v);

    if (!ctx.bulkUpdate) {
        if (row.uf.isEmpty()) return outcome(PostStatus::Discarded);
        if (const CheckResult c = checkStateCode(row); !c) {
            prompter.warn(c.message);
            return outcome(PostStatus::Refused, c.message, c.field);
        }
        const QString question = stateBookValueQuestion(ctx.tipoRegime, direction, row);
        if (!question.isEmpty() && !prompter.ask(question))
            return outcome(PostStatus::Refused, question,
                           ctx.isSimples() ? state_field::ValorContabil : QString());
    }
    row.entradaSaida = QString::number(int(direction));
    // Even unchecked, a row without a state cannot be stored under the table's key.
    if (row.uf.isEmpty()) return outcome(PostStatus::Discarded);

    const bool codeChanged = !inserting && original->uf != row.uf;
    const bool exists = findStateRow(ctx.key, direction, row.uf, row.domicilioFiscal).has_value();
    if (exists && (inserting || codeChanged)) {
        const QString message = state_msg::duplicateState(row.uf);
        prompter.warn(message);
        return outcome(PostStatus::Discarded, message);
    }
    const bool renameTwin = !ctx.bulkUpdate && codeChanged && !original->uf.isEmpty();

    sql::WriteUnit unit(QStringLiteral("state_row"));
    if (!unit.started()) return outcome(PostStatus::Failed, unit.error());
    QString error;
    if (inserting ? !insertStateRow(ctx.key, row, &error) : !updateStateRow(ctx.key, *original, row, &error))
        return outcome(PostStatus::Failed, error);

    StatePostOutcome out;
    if (renameTwin) {
        // The other domicile's row follows the new code, unless that code is already taken there.
        const QString twinDomicile = otherDomicile(row.domicilioFiscal);
        if (!findStateRow(ctx.key, direction, row.uf, twinDomicile)) {
            int renamed = 0;
            if (!renameStateRow(ctx.key, direction, original->uf, row.uf, twinDomicile, &error, &renamed))
                return outcome(PostStatus::Failed, error);
            out.twinRenamed = renamed > 0;
        }
    }
    if (!ctx.bulkUpdate && ctx.mudaDomicilio && row.domicilioFiscal == kDomicileA &&
        !findStateRow(ctx.key, direction, row.uf, kDomicileB)) {
        StateRow twin = newStateRow(direction);
        twin.uf = row.uf;
        twin.domicilioFiscal = kDomicileB;
        if (!insertStateRow(ctx.key, twin, &error)) return outcome(PostStatus::Failed, error);
        out.twinCreated = true;
    }
    if (!unit.release(&error)) return outcome(PostStatus::Failed, error);
    out.stored = row;
    return out;
}

bool deleteStateRowWithTwin(const OperationContext& ctx, Direction direction, const StateRow& row, QString* error) {
    if (row.uf.isEmpty()) return true;
    sql::WriteUnit unit(QStringLiteral("state_row_delete"));
    if (!unit.started()) {
        if (error) *error = unit.error();
        return false;
    }
    if (ctx.mudaDomicilio &&
        !deleteStateRow(ctx.key, direction, row.uf, otherDomicile(row.domicilioFiscal), error))
        return false;
    if (!deleteStateRow(ctx.key, direction, row.uf, row.domicilioFiscal, error)) return false;
    return unit.release(error);
}

std::optional<StateRow> existingStateRow(const OperationContext& ctx, Direction direction, const StateRow& row,
                                         const std::optional<StateRow>& original) {
    if (row.uf.isEmpty()) return std::nullopt;
    if (original && original->uf == row.uf && original->domicilioFiscal == row.domicilioFiscal)
        return std::nullopt;
    return findStateRow(ctx.key, direction, row.uf, row.domicilioFiscal);
}

} // namespace vexa::decl
