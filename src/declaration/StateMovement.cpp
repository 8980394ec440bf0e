#include "declaration/StateMovement.h"

#include "declaration/DeclSql.h"
#include "storage/ReferenceLookups.h"

namespace vexa::decl {

const std::array<StateAmount, kStateAmountCount>& allStateAmounts() {
    static const std::array<StateAmount, kStateAmountCount> amounts = {
        StateAmount::ValorContabilA,  StateAmount::ValorContabilB,  StateAmount::BaseCalculoA,
        StateAmount::BaseCalculoB,    StateAmount::CredDebImpostoA, StateAmount::CredDebImpostoB,
        StateAmount::IsentasNaoTributadas, StateAmount::Outras,     StateAmount::SubsTributaria};
    return amounts;
}

QString stateAmountColumn(StateAmount a) {
    static const std::array<const char*, kStateAmountCount> names = {
        "ValorContabilA",  "ValorContabilB",       "BaseCalculoA", "BaseCalculoB",  "CredDebImpostoA",
        "CredDebImpostoB", "IsentasNaoTributadas", "Outras",       "SubsTributaria"};
    return QString::fromLatin1(names[size_t(a)]);
}

QList<StateAmount> stateAmountsOf(Direction direction) {
    if (direction == Direction::Entry)
        return {StateAmount::ValorContabilA, StateAmount::BaseCalculoA, StateAmount::CredDebImpostoA,
                StateAmount::IsentasNaoTributadas, StateAmount::Outras, StateAmount::SubsTributaria};
    return {StateAmount::ValorContabilA,  StateAmount::ValorContabilB,  StateAmount::BaseCalculoA,
            StateAmount::BaseCalculoB,    StateAmount::CredDebImpostoA, StateAmount::CredDebImpostoB,
            StateAmount::IsentasNaoTributadas, StateAmount::Outras,     StateAmount::SubsTributaria};
}

StateRow newStateRow(Direction direction) {
    StateRow row;
    row.domicilioFiscal = kDomicileA;
    row.entradaSaida = QString::number(int(direction));
    return row;
}

QString stateCodeFromTyped(const QString& typed) {
    // A picker entry is the letters, a blank and the code: its code is taken.
    const QString whole = typed.trimmed();
    const QString trimmed = (whole.size() < 3 ? whole : whole.mid(3, 2)).trimmed();
    if (trimmed.isEmpty()) return {};
    bool isNumber = false;
    trimmed.toInt(&isNumber);
    if (isNumber) return trimmed;
    const QString letters = trimmed.toUpper();
    const QString code = storage::NumericStateCode(letters);
    return code.isEmpty() ? letters : code;
}

QStringList statePickerEntries() {
    QStringList entries;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT UF, Codigo FROM UF ORDER BY UF"), {})) return entries;
    while (q.next()) entries << sql::text(q.value(0)) + QLatin1Char(' ') + sql::text(q.value(1));
    return entries;
}

QString state_msg::duplicateState(const QString& code) {
    return QStringLiteral("Já existe um registro cadastrado para a UF ") + code;
}

bool isStateAmountEditable(StateAmount amount, const QString& tipoRegime) {
    if (tipoRegime != QLatin1String("S")) return true;
    return amount == StateAmount::ValorContabilA || amount == StateAmount::ValorContabilB ||
           amount == StateAmount::Outras || amount == StateAmount::SubsTributaria;
}

} // namespace vexa::decl
