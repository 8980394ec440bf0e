#pragma once
// Items 11 and 12: entries and outputs by federative unit of the other party
// (table `MovimentacaoPorUF`). One row per state code, direction and
// domicile; outputs split between buyers that are ICMS taxpayers ("Contrib.",
// the A columns) and buyers that are not ("Não Contrib.", the B columns).
// The rules share the operation grids' context (regime, item 3.10, the
// municipalities, the bulk-update flag).

#include "declaration/OperationTypes.h"

#include <QString>
#include <array>

namespace vexa::decl {

// The nine amount columns, in table order.
enum class StateAmount {
    ValorContabilA,        // book value; outputs: to taxpayers
    ValorContabilB,        // outputs: book value to non-taxpayers (0 for entries)
    BaseCalculoA,          // calculation base; outputs: to taxpayers
    BaseCalculoB,          // outputs: to non-taxpayers
    CredDebImpostoA,       // entries: tax credited; outputs: tax debited to taxpayers
    CredDebImpostoB,       // outputs: tax debited to non-taxpayers
    IsentasNaoTributadas,
    Outras,
    SubsTributaria,
};
inline constexpr int kStateAmountCount = 9;
const std::array<StateAmount, kStateAmountCount>& allStateAmounts();
QString stateAmountColumn(StateAmount a);   // the column name in `MovimentacaoPorUF`

// The amounts a direction's grid shows, in grid order: entries book value,
// base, tax credited, exempt, other, substitution; outputs book value, base
// and tax each for taxpayers and non-taxpayers, then exempt, other, substitution.
QList<StateAmount> stateAmountsOf(Direction direction);

// One row of `MovimentacaoPorUF` (the declaration key lives in the context).
struct StateRow {
    QString uf;                               // the two-digit state code; empty while none is typed
    QString domicilioFiscal = kDomicileA;     // "A" or "B"
    QString entradaSaida;                     // "0" entries, "1" outputs
    std::array<double, kStateAmountCount> amounts{};

    double amount(StateAmount a) const { return amounts[size_t(a)]; }
    void setAmount(StateAmount a, double value) { amounts[size_t(a)] = value; }
    bool operator==(const StateRow&) const = default;
};

// A row appended to a direction's grid: domicile "A", the direction, amounts 0.
StateRow newStateRow(Direction direction);

// What the state column stores for a typed or picked text: a text of fewer
// than 3 characters is used as it stands, a longer one (a picker entry
// "QX 29") gives its characters 4 and 5. A number is the code itself; letters
// are upper-cased and looked up in the table `UF`, and that state's code is
// stored ("qx" -> "29"). Letters the table does not hold are kept upper-cased,
// so that the post refuses them as an invalid state rather than losing the row.
QString stateCodeFromTyped(const QString& text);

// The picker entries: every state of the table `UF` as its letters, a blank
// and its code ("AC 01"), in letter order.
QStringList statePickerEntries();

namespace state_msg {
inline const QString UfInvalida = QStringLiteral("UF informada inválida!!!");
// "Já existe um registro cadastrado para a UF " + code
QString duplicateState(const QString& code);
inline const QString DivergenciaNormal = QStringLiteral(
    "Campo valor contábil é diferente da soma dos campos base de cálculo, \risentas/não tributadas, outras e "
    "substituição tributária.\r\rA apresentação com estas divergências sujeitará à fiscalização.\r\rDeseja "
    "continuar?");
inline const QString DivergenciaSimplesEntradas = QStringLiteral(
    "O valor informado para a Coluna Valor Contábil será, obrigatóriamante igual, \rao somatório dos valores "
    "das colunas Outras e Substituição Tributária. \r\rA apresentação com estas divergências sujeitará à "
    "fiscalização.\r\rDeseja continuar?");
inline const QString DivergenciaSimplesSaidas = QStringLiteral(
    "O valor informado para a Coluna Valor Contábil será, obrigatóriamante igual, \rao valor da coluna "
    "Substituição Tributária. \r\rA apresentação com estas divergências sujeitará à fiscalização.\r\rDeseja "
    "continuar?");
} // namespace state_msg

// Field names a failed check points at.
namespace state_field {
inline const QString Uf = QStringLiteral("UF");
inline const QString ValorContabil = QStringLiteral("ValorContabilA");
} // namespace state_field

// Regime presentation: for Simples Nacional the bases, taxes and exempt
// amounts are not typed; for any other regime every amount is.
bool isStateAmountEditable(StateAmount amount, const QString& tipoRegime);

} // namespace vexa::decl
