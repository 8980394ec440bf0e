#pragma once
// Reading and writing the rows of `MovimentacaoPorOperacoes42`. Every
// statement binds its values. Writes answer false with the engine's message
// in *error; they do not open a transaction (the rules around them do).

#include "declaration/OperationTypes.h"

#include <QList>
#include <QString>
#include <optional>

namespace vexa::decl {

// The context of a stored declaration: item 3.10 and `CidadeB` from `Vexas`,
// the regime and the municipality's IBGE code from the taxpayer's row.
// A missing declaration or taxpayer leaves the fields at their defaults.
OperationContext loadOperationContext(const DeclarationKey& key);

// The rows of one view, in key order (CFOP, then domicile), with the CFOP
// description of the declaration's table year and the municipality's name.
QList<OperationRow> loadOperationRows(const DeclarationKey& key, const OperationView& view);
// Every row of the declaration, both directions, in key order.
QList<OperationRow> loadAllOperationRows(const DeclarationKey& key);

// The row of that CFOP and domicile in the view's direction and kind.
std::optional<OperationRow> findOperationRow(const DeclarationKey& key, const OperationView& view, int cfop,
                                             const QString& domicile);
// The declaration's rows with that CFOP and domicile, whatever their direction
// and kind (the key of the table allows at most one).
QList<OperationRow> findOperationRowsAnyView(const DeclarationKey& key, int cfop, const QString& domicile);

// The CFOP's description in the declaration year's table year; empty when the
// table year does not hold the code.
QString cfopDescription(int cfop, const QString& declarationYear);

bool insertOperationRow(const DeclarationKey& key, const OperationRow& row, QString* error);
// Writes `row` over the stored row identified by `original`'s CFOP, domicile, direction and kind.
bool updateOperationRow(const DeclarationKey& key, const OperationRow& original, const OperationRow& row,
                        QString* error);
// Deletes the row of that CFOP, domicile, direction and kind. *deleted (optional) counts the rows removed.
bool deleteOperationRow(const DeclarationKey& key, const OperationView& view, int cfop, const QString& domicile,
                        QString* error, int* deleted = nullptr);
// Gives the row of (oldCfop, domicile) in the view the code newCfop.
bool renameOperationRow(const DeclarationKey& key, const OperationView& view, int oldCfop, int newCfop,
                        const QString& domicile, QString* error, int* renamed = nullptr);

// Change of domicile answered "Sim": for every domicile-"A" row of the
// declaration that has no "B" row yet, a "B" row with the same CFOP, direction
// and kind, `CidadeID` = cidadeB and zero amounts. *created (optional) counts them.
bool createDomicileBRows(const DeclarationKey& key, qint64 cidadeB, QString* error, int* created = nullptr);
// Change of domicile answered "Não": the declaration's domicile-"B" rows go.
bool deleteDomicileBRows(const DeclarationKey& key, QString* error);

// Simples Nacional alignment of a stored declaration: `BaseCalculo`,
// `ImpostoCreditado` and `IsentasNaoTributadas` of every row become 0.
bool clearSimplesAmounts(const DeclarationKey& key, QString* error);

} // namespace vexa::decl
