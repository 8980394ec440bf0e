#include "declaration/OperationTypes.h"

#include "common/Money.h"

namespace vexa::decl {

QString OperationView::item() const {
    return QStringLiteral("4.%1.%2").arg(direction == Direction::Entry ? 1 : 2).arg(int(kind) + 1);
}

QString OperationView::caption() const {
    switch (kind) {
    case OperationKind::Domestic: return QStringLiteral("INTERNA");
    case OperationKind::Interstate: return QStringLiteral("INTERESTADUAL");
    case OperationKind::Foreign: return QStringLiteral("EXTERIOR");
    }
    return {};
}

const std::array<OperationView, 6>& allOperationViews() {
    static const std::array<OperationView, 6> views{{
        {Direction::Entry, OperationKind::Domestic},
        {Direction::Entry, OperationKind::Interstate},
        {Direction::Entry, OperationKind::Foreign},
        {Direction::Output, OperationKind::Domestic},
        {Direction::Output, OperationKind::Interstate},
        {Direction::Output, OperationKind::Foreign},
    }};
    return views;
}

std::array<OperationView, 3> sheetViews(Direction direction) {
    return {{{direction, OperationKind::Domestic},
             {direction, OperationKind::Interstate},
             {direction, OperationKind::Foreign}}};
}

QString amountColumn(Amount a) {
    switch (a) {
    case Amount::ValorContabil: return QStringLiteral("ValorContabil");
    case Amount::BaseCalculo: return QStringLiteral("BaseCalculo");
    case Amount::ImpostoCreditado: return QStringLiteral("ImpostoCreditado");
    case Amount::IsentasNaoTributadas: return QStringLiteral("IsentasNaoTributadas");
    case Amount::Outras: return QStringLiteral("Outras");
    case Amount::SubstituicaoTributaria: return QStringLiteral("SubstituicaoTributaria");
    }
    return {};
}

double OperationRow::amount(Amount a) const {
    switch (a) {
    case Amount::ValorContabil: return valorContabil;
    case Amount::BaseCalculo: return baseCalculo;
    case Amount::ImpostoCreditado: return impostoCreditado;
    case Amount::IsentasNaoTributadas: return isentasNaoTributadas;
    case Amount::Outras: return outras;
    case Amount::SubstituicaoTributaria: return substituicaoTributaria;
    }
    return 0.0;
}

void OperationRow::setAmount(Amount a, double value) {
    switch (a) {
    case Amount::ValorContabil: valorContabil = value; break;
    case Amount::BaseCalculo: baseCalculo = value; break;
    case Amount::ImpostoCreditado: impostoCreditado = value; break;
    case Amount::IsentasNaoTributadas: isentasNaoTributadas = value; break;
    case Amount::Outras: outras = value; break;
    case Amount::SubstituicaoTributaria: substituicaoTributaria = value; break;
    }
}

bool OperationRow::sameStoredValues(const OperationRow& o) const {
    if (codigoOperacao != o.codigoOperacao || domicilioFiscal != o.domicilioFiscal ||
        entradaSaida != o.entradaSaida || cidadeID != o.cidadeID || tipoOperacao != o.tipoOperacao)
        return false;
    for (int i = 0; i < kAmountCount; ++i)
        if (money::different(amount(Amount(i)), o.amount(Amount(i)))) return false;
    return true;
}

namespace operation_msg {

QString cfopOfOtherItem(const QString& code, const QString& item) {
    return QStringLiteral("CFOP ") + code + QStringLiteral(" deve ser informado no item ") + item +
           QStringLiteral("!");
}

QString duplicateCfop(const QString& code) {
    return QStringLiteral("Já existe um registro cadastrado para o CFOP ") + code;
}

} // namespace operation_msg

} // namespace vexa::decl
