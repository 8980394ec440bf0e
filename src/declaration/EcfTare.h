#pragma once
// Items 3.8.1 and 3.4.1 of the declaration: the fiscal cash registers (`ECF`)
// of a taxpayer that uses them and the special tax regime agreements (`Tare`)
// of a holder of one. A declaration holds any number of each; the cash
// registers are told apart by their own row number `Seq`, the agreements by
// their number.

#include "common/Prompter.h"
#include "declaration/DeclarationKey.h"
#include "declaration/RowPost.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace vexa::decl {

// ---- ECF ------------------------------------------------------------------------

struct EcfRow {
    qint64 seq = 0;         // row number; 0 while not stored
    QString necf;           // "Número do ECF", up to 20 characters
    QString nfabricacao;    // "Número de Fabricação"
    QString marca;          // "Marca"
    QString modelo;         // "Modelo"

    bool sameStored(const EcfRow& other) const;
};

QList<EcfRow> loadEcf(const DeclarationKey& key);
// Writes the row (no checks: any text up to 20 characters a field).
RowPost postEcfRow(const DeclarationKey& key, const EcfRow& row, const std::optional<EcfRow>& original);
bool deleteEcfRow(const DeclarationKey& key, const EcfRow& row, QString* error);

// ---- TARE -----------------------------------------------------------------------

struct TareRow {
    QString numeroTare;     // "Número do Tare", up to 20 characters
    QDate dataVencto;       // "Data de Vencimento"

    bool sameStored(const TareRow& other) const;
};

QList<TareRow> loadTare(const DeclarationKey& key);
// Posts a TARE: refused with "Número do TARE deve ser informado!" without a number.
RowPost postTareRow(const DeclarationKey& key, const TareRow& row, const std::optional<TareRow>& original,
                    Prompter& prompter);
bool deleteTareRow(const DeclarationKey& key, const TareRow& row, QString* error);

namespace ecftare_msg {
inline const QString NumeroTare = QStringLiteral("Número do TARE deve ser informado!");
inline const QString ConfirmaExclusaoEcf = QStringLiteral("Confirma Exclusão?");
// "Confirma Exclusão do TARE: " + number + "?"
QString confirmaExclusaoTare(const QString& numero);
} // namespace ecftare_msg

namespace ecftare_field {
inline const QString NumeroTare = QStringLiteral("NumeroTare");
} // namespace ecftare_field

} // namespace vexa::decl
