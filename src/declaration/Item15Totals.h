#pragma once
// The totals of item 15 under its grid, and the cross-check of its columns
// 15.3 and 15.4 against the book value of the declaration's operations whose
// CFOP the reference lists `CFOP153` and `CFOP154` name (shown when the user
// leaves sheet "Itens 15"; the warnings never stop the change of sheet).

#include "declaration/DeclarationKey.h"

#include <QString>
#include <QStringList>

namespace vexa::decl {

struct Item15Line {
    double vlrContabil = 0.0;   // 15.3
    double devolucoes = 0.0;    // 15.4
    double diferenca() const;   // 15.3 - 15.4
};

struct Item15Totals {
    bool perDomicile = false;   // item 3.10 "Sim": lines A and B; otherwise line A holds every row
    Item15Line a;
    Item15Line b;
    // The line the cross-check compares: domicile A, or every row.
    const Item15Line& kept() const { return a; }
};

// "Select  sum(VlrContabil), sum(Devolucoes)" of the declaration's rows, per
// domicile when the domicile changed in the month, otherwise over all rows.
Item15Totals item15Totals(const DeclarationKey& key, bool mudaDomicilio);

// Sum of `ValorContabil` of the declaration's `MovimentacaoPorOperacoes42`
// rows whose CFOP is listed in the reference table (`CFOP153` or `CFOP154`).
double listedCfopBookValue(const DeclarationKey& key, const QString& cfopTable);

// The warnings of the cross-check, in order (15.3 against `CFOP153`, then 15.4
// against `CFOP154`); empty when both agree to the cent.
QStringList item15CrossCheck(const DeclarationKey& key, const Item15Totals& totals);

namespace municipality_msg {
QString crossCheck153(double listedSum);
QString crossCheck154(double listedSum);
} // namespace municipality_msg

} // namespace vexa::decl
