#pragma once
// Values a new declaration takes over from the previous month of the same
// taxpayer: the credit balance (6.4), the small rate differential (7.7), rate
// complement (7.10) and final-consumer differential (7.14) carried below
// R$ 50,00, and the tax below R$ 50,00 carried under law code 98, which the
// new month reinstates as another debit. Of the previous month's rows, the one
// with the highest `Retificacao` counts; none gives 0. January reads December
// of the previous year for 6.4 and code 98; 7.7, 7.10 and 7.14 start at 0.

#include "declaration/DeclarationKey.h"
#include "declaration/VexaRow.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vexa::decl {

// The previous month's key with its highest stored `Retificacao`; the
// retificacao is empty when the previous month has no declaration.
DeclarationKey previousDeclaration(const DeclarationKey& key);

double carryC64(const DeclarationKey& key);    // K - D when D - K < 0, else 0
double carryC77(const DeclarationKey& key);    // C76 + C77 when below 50
double carryC710(const DeclarationKey& key);   // C79 + C710 when below 50
double carryC714(const DeclarationKey& key);   // C713 + C714 when below 50

// The four carried items at once (the same values as the four functions
// above; 7.10 for any period), from the previous month's columns named by
// carriedColumns(), in that order, read by a caller that asks for them together
// with other things (all zeros when the previous month has none).
struct CarriedItems {
    double C64 = 0;
    double C77 = 0;
    double C710 = 0;
    double C714 = 0;
};
const QStringList& carriedColumns();
CarriedItems carriedItems(const DeclarationKey& key, const QList<double>& previous);
// `Valor` of the previous month's other credit under law code 98.
double carryCode98(const DeclarationKey& key);

// The code-98 reinstatement applies from 09/2012.
bool reinstatesCode98(const DeclarationKey& key);
// The amount reinstated for the new declaration: the carried code-98 credit
// when it is above 0 and below 50 and the period is 09/2012 or later; else 0.
double code98Reinstatement(const DeclarationKey& key);

// Fills the values a new declaration row takes over, in order: TipoEncerrante
// (the taxpayer's last stored declaration), C77, C714, C64, the code-98 amount
// into C52 (from 09/2012), C710 (0 before 03/2012).
void applyCarryOver(VexaRow& row);

// Inserts the other-debit row under law code 98 with the amount, unless the
// declaration already has one. False with the engine's message.
bool insertCode98Debit(const DeclarationKey& key, double amount, QString* error);

} // namespace vexa::decl
