#pragma once
// The child tables of a declaration (rows under the same IE, Ano, Mes,
// Retificacao): deleting them with the declaration, creating and removing the
// rows of the previous domicile (B) when item 3.10 changes, and copying the
// pump meters and tanks of a fuel retailer's previous period.

#include "declaration/DeclarationKey.h"

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <functional>

namespace vexa::decl {

// The seventeen child tables in the order a declaration's deletion removes
// them. `ECF` is not among them: a declaration's cash registers stay.
const QStringList& childTables();

// Runs one prepared statement of a multi-statement change. Tests replace it to
// make a step fail half-way; by default it is QSqlQuery::exec().
using StatementRunner = std::function<bool(QSqlQuery&)>;
void setStatementRunner(StatementRunner runner);   // empty restores the default

// Deletes the declaration's rows of the seventeen child tables, in order, then
// the `Vexas` row, as one unit (its own transaction, or a savepoint inside the
// caller's). Any failure undoes every delete and answers false with the
// engine's message. `ECF` rows are left in place.
bool deleteDeclarationRows(const DeclarationKey& key, QString* error);

// Item 3.10 became "Sim": for each domicile-"A" row of the declaration's
// `MovimentacaoPorOperacoes42`, `MovimentacaoPorUF`, `MercadMuni`, `SaidasMun`
// and `Aliquota`, a row with the same classifying fields, domicile "B",
// `CidadeID` = cidadeB and zero amounts (when no such B row exists yet).
// Runs inside the caller's transaction.
bool createAllDomicileBRows(const DeclarationKey& key, qint64 cidadeB, QString* error);

// Item 3.10 is no longer "Sim": the domicile-"B" rows of
// `MovimentacaoPorOperacoes42`, `MovimentacaoPorUF`, `SaidasMun`, `MercadMuni`
// and `NotasFiscal` are deleted. Runs inside the caller's transaction.
bool removeAllDomicileBRows(const DeclarationKey& key, QString* error);

// The declaration whose pump meters and tanks a new declaration of a fuel
// retailer takes: of the taxpayer's periods before the new one, the latest,
// with its highest rectification. Empty retificacao when there is none.
DeclarationKey pumpSourceDeclaration(const DeclarationKey& newKey);

// Copies `Encerrantes` (NSerieBomba, NBico, Produto; LeituraFinal becomes
// LeituraInicial) and `EstTanque` (EstTanque, PRODUTO) of `from` into `to`.
// Runs inside the caller's transaction.
bool copyPumpsAndTanks(const DeclarationKey& from, const DeclarationKey& to, QString* error);

// Fuel retail: activity "4731800".
inline const QString kFuelRetailActivity = QStringLiteral("4731800");

} // namespace vexa::decl
