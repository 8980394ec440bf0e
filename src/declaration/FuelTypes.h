#pragma once
// Items 13 and 14 of the declaration, for fuel retailers (main activity
// "4731800"): the pump meters of each nozzle (`Encerrantes`), the physical
// stock of each tank at the close of the month (`EstTanque`), the meter kind
// and remarks of the declaration row, and the invoices of alcohol bought
// (`InfoAlcool`).

#include "declaration/DeclarationKey.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>

namespace vexa::decl {

// Whether items 13 and 14 apply to the taxpayer's main activity.
bool isFuelRetailer(const QString& atividade);

// ---- products (items 13.3 and 13.6 B) ---------------------------------------------

// "1 GASOLINA AUTOMOTIVA", "2 ALCOOL CARBURANTE HIDRATADO", "3 OLEO DIESEL".
const QStringList& productPickerEntries();
// The picker entry of a product; the number alone for one outside 1..3; empty for none.
QString productText(const std::optional<int>& product);
// A typed product or picker entry keeps its first character: "2 ALCOOL..." -> 2.
// Empty text gives none; a first character that is no digit gives 0 (refused at the post).
std::optional<int> productFromTyped(const QString& text);
bool isValidProduct(const std::optional<int>& product);

// ---- rows ---------------------------------------------------------------------------

// One nozzle of item 13.
struct EncerranteRow {
    QString nSerieBomba;                      // 13.1 pump serial number
    std::optional<int> nBico;                 // 13.2 nozzle number
    std::optional<int> produto;               // 13.3
    std::optional<qint64> leituraInicial;     // 13.4 A
    std::optional<qint64> leituraFinal;       // 13.4 B
    qint64 volComSemInterv = 0;               // 13.5 A as stored
    qint64 volComCemInterv = 0;               // 13.5 B, volume sold with intervention
    std::optional<qint64> leituraInicialProdAnt;   // readings of the product the nozzle had before
    std::optional<qint64> leituraFinalProdAnt;
    std::optional<int> produtoAnt;
    QDate dataAlteracao;                      // date of the change of product

    // 13.5 A as the grid shows it: final - initial when the meter did not go
    // back, otherwise 0; always 0 once a volume with intervention is given.
    qint64 volComSemIntervCalc() const;
    bool sameStored(const EncerranteRow& other) const;
};

// One tank of item 13.6.
struct TanqueRow {
    std::optional<int> estTanque;             // A tank number
    std::optional<int> produto;               // B product
    std::optional<qint64> estQuantidade;      // C quantity in litres

    bool sameStored(const TanqueRow& other) const;
};

// One invoice of alcohol bought (item 14).
struct AlcoolRow {
    std::optional<qint64> nNotaFiscal;        // 14.1
    QDate dtEmissaoNota;                      // 14.2
    QString cnpjRemetente;                    // 14.3 digits only
    QString ufOrigem;                         // 14.4 two-digit state code
    double valorUnitario = 0.0;               // 14.5, four decimals
    double quantidade = 0.0;                  // 14.6 litres

    bool sameStored(const AlcoolRow& other) const;
};

// The meter kind ("E" electronic, "M" mechanical) and remarks of item 13,
// kept in the declaration row.
struct MeterFields {
    QString tipoEncerrante;
    QString obsEncerrantes;   // up to 255 characters
    bool operator==(const MeterFields&) const = default;
};

// ---- messages --------------------------------------------------------------------

namespace fuel_msg {
inline const QString AvisoLinha1 =
    QStringLiteral("Este campo será de preenchimento obrigatório apenas para contribuintes com ");
inline const QString AvisoLinha2 =
    QStringLiteral("CNAE 4731-8/00 - Comércio Varejista de Combustíveis para Veículos Automotores.");
inline const QString SerieBomba = QStringLiteral("Número de série da bomba deve ser informado!");
inline const QString ProdutoInvalido = QStringLiteral("Código do produto informado não é válido!");
inline const QString LeituraInicial = QStringLiteral("Leitura inicial deve ser informada!");
inline const QString LeituraFinal = QStringLiteral("Leitura final deve ser informada!");
inline const QString VolumeNegativo = QStringLiteral("Leitura inicial deve ser maior ou igual a zero!");
inline const QString VolumeComIntervencao = QStringLiteral(
    "Deve ser informado um valor para o campo 13.5 (Volume comercializado)  B (Com intervenção)!");
inline const QString ConfirmaIntervencao = QStringLiteral("Confirma saída com intervenção?");
inline const QString SomenteSeNegativo = QStringLiteral(
    "Campo 13.5 (Volume comercializado) B (Com intervenção) deve ser preenchido somente se o resultado \rdas "
    "vendas (volume comercializado sem intervenção) for negativo!");
inline const QString TanqueProduto = QStringLiteral("Valor informado para o Campo 13.6. - B (PRODUTO), não é válido!");
inline const QString TanqueQuantidade = QStringLiteral("Campo 13.6 - C (QUANTIDADE) deve ser informado!");
inline const QString Tanque = QStringLiteral("Tanque deve ser informado!");
inline const QString NotaFiscal = QStringLiteral("Número da nota fiscal deve ser informado!");
inline const QString DataEmissao = QStringLiteral("Data de emissão da nota fiscal deve ser informada!");
inline const QString Cnpj = QStringLiteral("CNPJ de remetente deve ser informado!");
inline const QString CnpjInvalido = QStringLiteral("CNPJ informado não é válido!");
inline const QString UfInvalida = QStringLiteral("UF de origem informada não é válida!");
inline const QString ValorUnitario = QStringLiteral("Valor unitário deve ser maior que zero!");
inline const QString Quantidade = QStringLiteral("Quantidade deve ser maior que zero!");
} // namespace fuel_msg

// Columns a failed check sends the focus back to.
namespace fuel_field {
inline const QString NSerieBomba = QStringLiteral("NSerieBomba");
inline const QString NBico = QStringLiteral("NBico");
inline const QString Produto = QStringLiteral("PRODUTO");
inline const QString LeituraInicial = QStringLiteral("LeituraInicial");
inline const QString LeituraFinal = QStringLiteral("LeituraFinal");
inline const QString VolComCemInterv = QStringLiteral("VolComCemInterv");
inline const QString EstTanque = QStringLiteral("EstTanque");
inline const QString EstQuantidade = QStringLiteral("EstQuantidade");
inline const QString NNotaFiscal = QStringLiteral("NNotaFiscal");
inline const QString DtEmissaoNota = QStringLiteral("DtEmissaoNota");
inline const QString CnpjRemetente = QStringLiteral("CnpjRemetente");
inline const QString UfOrigem = QStringLiteral("UfOrigem");
inline const QString ValorUnitario = QStringLiteral("ValorUnitario");
inline const QString Quantidade = QStringLiteral("Quantidade");
} // namespace fuel_field

} // namespace vexa::decl
