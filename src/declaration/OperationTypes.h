#pragma once
// Entries and outputs by fiscal operation code (CFOP), table
// `MovimentacaoPorOperacoes42`: items 4.1.1 to 4.1.3 (entries) and 4.2.1 to
// 4.2.3 (outputs), each split into domestic, interstate and foreign
// operations. One table holds the six lists; a view is one direction
// (`EntradaSaida`) and one kind (`TipoOperacao`).

#include "declaration/DeclarationKey.h"

#include <QList>
#include <QString>
#include <array>
#include <optional>

namespace vexa::decl {

// `EntradaSaida`: "0" entry, "1" output.
enum class Direction { Entry = 0, Output = 1 };
// `TipoOperacao`: "0" domestic ("INTERNA"), "1" interstate ("INTERESTADUAL"), "2" foreign ("EXTERIOR").
enum class OperationKind { Domestic = 0, Interstate = 1, Foreign = 2 };

inline const QString kDomicileA = QStringLiteral("A");
inline const QString kDomicileB = QStringLiteral("B");

// One of the six lists.
struct OperationView {
    Direction direction = Direction::Entry;
    OperationKind kind = OperationKind::Domestic;

    QString entradaSaida() const { return QString::number(int(direction)); }
    QString tipoOperacao() const { return QString::number(int(kind)); }
    // "4.1.1" .. "4.2.3"
    QString item() const;
    // "INTERNA", "INTERESTADUAL", "EXTERIOR"
    QString caption() const;
    // The first digit of the CFOPs that belong here: 1, 2, 3 for entries, 5, 6, 7 for outputs.
    int firstDigit() const { return (direction == Direction::Entry ? 1 : 5) + int(kind); }
    // Item 4.1.1: the one view that skips every check during a bulk update.
    bool isFirstEntriesView() const { return direction == Direction::Entry && kind == OperationKind::Domestic; }

    friend bool operator==(const OperationView&, const OperationView&) = default;
};

// The six views in screen order: 4.1.1, 4.1.2, 4.1.3, 4.2.1, 4.2.2, 4.2.3.
const std::array<OperationView, 6>& allOperationViews();
// The three views of a sheet ("Item 4.1" entries, "Item 4.2" outputs).
std::array<OperationView, 3> sheetViews(Direction direction);

// The six amount columns of a row.
enum class Amount { ValorContabil, BaseCalculo, ImpostoCreditado, IsentasNaoTributadas, Outras, SubstituicaoTributaria };
inline constexpr int kAmountCount = 6;
// The column name in `MovimentacaoPorOperacoes42`.
QString amountColumn(Amount a);

// One row of `MovimentacaoPorOperacoes42` (the declaration key lives in the context).
struct OperationRow {
    std::optional<int> codigoOperacao;       // empty while the user has not typed a CFOP
    QString domicilioFiscal = kDomicileA;    // "A" or "B"
    QString entradaSaida;                    // "0" / "1"
    qint64 cidadeID = 0;                     // IBGE code of the row's municipality
    QString tipoOperacao;                    // "0" / "1" / "2"
    double baseCalculo = 0.0;
    double isentasNaoTributadas = 0.0;
    double outras = 0.0;
    double substituicaoTributaria = 0.0;
    double valorContabil = 0.0;
    double impostoCreditado = 0.0;           // credited on entries, debited on outputs

    // Shown beside the row, not stored: the CFOP's description in the
    // declaration's table year and the municipality's name.
    QString cfopDescricao;
    QString municipioNom;

    double amount(Amount a) const;
    void setAmount(Amount a, double value);
    // The CFOP as shown: its digits, empty when none was typed.
    QString cfopText() const { return codigoOperacao ? QString::number(*codigoOperacao) : QString(); }

    bool sameStoredValues(const OperationRow& other) const;
};

// What the rules need to know about the declaration the rows belong to.
struct OperationContext {
    DeclarationKey key;
    QString tipoRegime;          // taxpayer's regime: "S" Simples Nacional, anything else normal
    bool mudaDomicilio = false;  // item 3.10 answered "Sim"
    qint64 cidadeA = 0;          // IBGE code of the taxpayer's own municipality
    qint64 cidadeB = 0;          // `CidadeB`, the previous municipality (item 3.10.1)
    bool bulkUpdate = false;     // the screen's bulk-update flag: checks and totals are skipped

    bool isSimples() const { return tipoRegime == QLatin1String("S"); }
};

// Messages of the operation grids.
namespace operation_msg {
inline const QString CfopVazio = QStringLiteral("CFOP deve ser informado!");
// The CFOP as shown is put in front.
inline const QString CfopInvalidoSuffix = QStringLiteral(" Não é um CFOP válido!");
// "CFOP " + code + " deve ser informado no item " + item + "!"
QString cfopOfOtherItem(const QString& code, const QString& item);
// "Já existe um registro cadastrado para o CFOP " + code
QString duplicateCfop(const QString& code);
inline const QString DivergenciaNormal = QStringLiteral(
    "Valor contábil  é diferente da soma dos campos base de cálculo,\risentas e/ou não tributadas,  outras e "
    "substituição tributária.\r\rA apresentação com estas divergências sujeitará à fiscalização.\r\rDeseja "
    "continuar?");
inline const QString DivergenciaSimples = QStringLiteral(
    "O valor informado para a Coluna Valor Contábil será, obrigatóriamante igual, \rao somatório dos valores "
    "das colunas Outras e Substituição Tributária. \r\rA apresentação com estas divergências sujeitará à "
    "fiscalização.\r\rDeseja continuar?");
} // namespace operation_msg

// Field names a failed check points at: the grid column the focus returns to.
namespace operation_field {
inline const QString Cfop = QStringLiteral("CodigoOperacao");
inline const QString ValorContabil = QStringLiteral("ValorContabil");
} // namespace operation_field

} // namespace vexa::decl
