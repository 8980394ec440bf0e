#pragma once
// Items 15 and 16 of the declaration: outputs and entries by municipality of
// origin (`SaidasMun`) and goods received with deferred ICMS from companies
// of other municipalities of the home state (`MercadMuni`, with the invoices
// of each company in `NotasFiscal`). Rows of both items carry the domicile
// they belong to ("A" the current municipality, "B" the previous one when
// the domicile changed in the month, item 3.10).

#include "declaration/DeclarationKey.h"

#include <QDate>
#include <QString>
#include <optional>

namespace vexa::decl {

// What the rules of items 15 and 16 need to know about the declaration.
struct MunicipalityContext {
    DeclarationKey key;
    QString razaoSocial;         // the taxpayer's name (item 16 names it in a message)
    bool mudaDomicilio = false;  // item 3.10 answered "Sim"
    qint64 cidadeA = 0;          // IBGE code of the taxpayer's municipality
    qint64 cidadeB = 0;          // `CidadeB`, the previous municipality (item 3.10.1)
    bool bulkUpdate = false;     // checks, twins and totals are skipped while set

    // `CidadeID` of a row of that domicile: `CidadeB` for "B", the taxpayer's municipality otherwise.
    qint64 cityOf(const QString& domicile) const;
};

// From the stored declaration (item 3.10, `CidadeB`) and its taxpayer (name,
// municipality). A missing row leaves the fields at their defaults.
MunicipalityContext loadMunicipalityContext(const DeclarationKey& key);

// One row of `SaidasMun` (item 15).
struct SaidaMunRow {
    qint64 seq = 0;                       // the table's insertion counter; 0 while not stored
    std::optional<qint64> municipioID;    // 15.1 IBGE code of the municipality of origin
    QString domicilioFiscal = QStringLiteral("A");
    double vlrContabil = 0.0;             // 15.3 outputs
    double devolucoes = 0.0;              // 15.4 entries
    qint64 cidadeID = 0;                  // `CIdadeID`, municipality of the row's domicile

    // Shown beside the row, not stored.
    QString municipioNom;                 // name of the municipality of origin
    QString cidadeNom;                    // name of the domicile's municipality

    // 15.5 = 15.3 - 15.4, rounded to cents.
    double totalVlrDiferenca() const;
    bool sameStored(const SaidaMunRow& other) const;
};

// One row of `MercadMuni` (item 16).
struct MercadoriaRow {
    QString ieEmpresa;                    // 16.1 the supplier's IE, digits only
    QString domicilioFiscal = QStringLiteral("A");   // 16.2
    std::optional<qint64> municipioID;    // 16.3 the supplier's municipality (IBGE code)
    double valor = 0.0;                   // 16.5 total of the supplier's invoices
    qint64 cidadeID = 0;                  // municipality of the row's domicile

    QString municipioNom;                 // shown: the supplier municipality's name
    QString cidadeNom;                    // shown: the domicile municipality's name

    bool sameStored(const MercadoriaRow& other) const;
};

// One invoice of a supplier (`NotasFiscal`).
struct NotaFiscalRow {
    std::optional<qint64> numNota;        // "Nº da Nota Fiscal", shown "00000#"
    std::optional<double> valor = 0.0;    // "Valor Deferido"; empty when the user cleared it

    bool sameStored(const NotaFiscalRow& other) const;
    // The number as shown: at least six digits ("000012").
    QString numeroText() const;
};

// Messages of items 15 and 16 and of the invoices editor.
namespace municipality_msg {
inline const QString SelecioneMunicipioOrigem = QStringLiteral("Selecione um município de origem!");
QString duplicateMunicipio(const QString& municipioNom);   // "Já existe um registro cadastrado para o município " + name
QString ieDoContribuinte(const QString& razaoSocial);
inline const QString SelecioneMunicipio = QStringLiteral("Selecione o município.");
inline const QString IEInvalida = QStringLiteral("Identificação da empresa inválida.");
inline const QString NumeroNota = QStringLiteral("Número da nota deve ser informado");
inline const QString ValorNota = QStringLiteral("Valor da nota deve ser informado");
inline const QString ValorNotaZero = QStringLiteral("Valor da nota deve ser maior que zero");
QString duplicateNota(const QString& numero);   // "Já existe um registro cadastrado para o número de nota:  " + number
inline const QString ConfirmaExclusaoNota = QStringLiteral("Confirma exclusão?");
inline const QString GraveOuCanceleRetornar =
    QStringLiteral("Grave ou Cancele as alterações antes de mudar de retornar!!!");
} // namespace municipality_msg

// Columns a failed check sends the focus back to.
namespace municipality_field {
inline const QString MunicipioID = QStringLiteral("MunicipioID");
inline const QString IEEmpresa = QStringLiteral("IEEmpresa");
inline const QString NumNota = QStringLiteral("Num_nota");
inline const QString Valor = QStringLiteral("Valor");
} // namespace municipality_field

} // namespace vexa::decl
