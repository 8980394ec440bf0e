#pragma once
// The three lists of the apuração whose lines cite a legal basis (law code):
// other debits (item 5.2.1, `OutrosDeb`, codes of `LeisDeb`), other credits
// (item 6.2.1, `OutrosCred`, codes of `Leis`) and deductions (item 7.2.1,
// `Deducoes`, codes of `LeisD`). Their totals are items 5.2, 6.2 and 7.2.
//
// Here: the lines of a declaration, the codes offered on its first day, the
// checks before a line is posted (in their order, with their messages), the
// writes, the deletion with its code-98 rule and the list totals. Deductions
// add their computed columns (3), (4), (5) and the value rule of (6).
//
// Law code 98 has a fixed role: as an other credit it is the tax due below
// R$ 50,00 carried to the next month; as an other debit it is that amount
// brought back from the previous month (inserted when the declaration is
// created), and it cannot be deleted.

#include "common/Check.h"
#include "common/Prompter.h"
#include "declaration/Apuracao.h"
#include "declaration/DeclarationKey.h"

#include <QList>
#include <QString>
#include <optional>

namespace vexa::decl {

enum class LawList {
    OutrosDeb,    // 5.2.1 other debits, codes of `LeisDeb`
    OutrosCred,   // 6.2.1 other credits, codes of `Leis`
    Deducoes,     // 7.2.1 deductions, codes of `LeisD`
};

QString lawListTable(LawList list);   // "OutrosDeb", "OutrosCred", "Deducoes"
LawTable lawTableOf(LawList list);
ListEditor listEditorOf(LawList list);

// The law code with the fixed role of the small balance carried to the next month.
inline constexpr int kCarriedBalanceLaw = 98;

namespace law_msg {
inline const QString SelecioneBaseLegal = QStringLiteral("Selecione uma base legal!");
inline const QString ValorMaiorQueZero = QStringLiteral("Valor deve ser maior que zero!");
inline const QString JaExisteLinha = QStringLiteral("Já existe uma linha para esta base legal!");
inline const QString SelecioneOrigem = QStringLiteral("Selecione uma origem para a dedução!");
inline const QString ExisteLinha = QStringLiteral("Existe uma linha para esta base legal!");
inline const QString ConfirmaExclusao = QStringLiteral("Confirma Exclusão?");
inline const QString Code98NaoExcluir = QStringLiteral(
    "Base legal 98 - Outros Débitos (Imposto a Recolher inferior a R$ 50,00 transportado do período anterior) "
    "não pode ser excluído!");
} // namespace law_msg

// Where a failed check sends the focus.
namespace law_field {
inline const QString CodLei = QStringLiteral("CodLei");
inline const QString Valor = QStringLiteral("Valor");
} // namespace law_field

// ---- law codes --------------------------------------------------------------------

// The codes the list offers for the declaration: those valid on "01/MM/YYYY"
// (started on or before it, ending on or after it or open-ended), in code order.
QList<LawCode> offeredLawCodes(LawList list, const DeclarationKey& key);

// The code's origin (`Tipo`) and legal basis (`DescLei`) from its law table,
// whatever its validity (a stored line keeps showing what it cites); none
// when the table has no such code.
std::optional<LawCode> lawCode(LawList list, int codLei);

// ---- other credits and other debits -------------------------------------------------

struct LawLine {
    int codLei = 0;     // 0: no code chosen
    double Valor = 0;
    QString tipo;       // origin, from the law table
    QString descLei;    // legal basis, from the law table

    bool hasCode() const { return codLei != 0; }
    // The stored fields are equal (the looked-up texts aside).
    bool sameStored(const LawLine& other) const;
};

// The declaration's lines in code order (`OutrosCred` or `OutrosDeb`).
QList<LawLine> loadLawLines(LawList list, const DeclarationKey& key);
// A line with the code's texts filled in (empty texts for code 0 or an unknown code).
LawLine lawLine(LawList list, int codLei, double valor = 0);

// The checks before a line is posted, in order: a code the declaration
// offers (a stored line may keep a code no longer offered), an amount above
// zero, no second line with the code. original: the stored line being
// edited; none for a new line.
CheckResult checkLawLine(LawList list, const DeclarationKey& key, const LawLine& line,
                         const std::optional<LawLine>& original);

// A code-98 other debit between 0 and 50 (the small balance brought back from
// the previous month) is drawn with a grey background.
bool isCarriedSmallBalance(LawList list, const LawLine& line);

// ---- deductions -------------------------------------------------------------------

struct DeductionLine {
    int codLei = 0;           // 0: no code chosen
    double ICMSDevido = 0;    // (1) ICMS due
    double MediaICMS = 0;     // (2) average ICMS, the base of the incentive
    double VlrDeducao = 0;    // (6) value of the deduction
    QString tipo;             // origin, from `LeisD`
    QString descLei;          // legal basis, from `LeisD`

    bool hasOrigin() const { return !tipo.isEmpty(); }
    double ParSujIncentivo() const;     // (3) = (1) - (2)
    double ParIncentivada() const;      // (4) = (3) * 75 %
    double SubParIncentivada() const;   // (5) = (4) * 5 %
    bool sameStored(const DeductionLine& other) const;
};

// Codes 99, 3, 4, 5 and 6 carry a typed value; every other code computes it.
bool isTypedDeduction(int codLei);
// The value rule, applied whenever a column of a line in edit is left: for a
// computed code, (6) := (4) - (5) to the cent; a typed code keeps its value.
void applyDeductionValue(DeductionLine& line);

QList<DeductionLine> loadDeductionLines(const DeclarationKey& key);
DeductionLine deductionLine(int codLei);   // a new line under the code, texts filled in

// The checks before a deduction is posted, in order: an origin (a valid code
// chosen), no second line with the code.
CheckResult checkDeductionLine(const DeclarationKey& key, const DeductionLine& line,
                               const std::optional<DeductionLine>& original);

// ---- posting and deleting --------------------------------------------------------

enum class LinePost {
    Posted,    // stored
    Refused,   // a check failed (message shown): the line stays in edit
    Failed,    // the engine refused the write; nothing was written
};
struct LinePostResult {
    LinePost status = LinePost::Posted;
    CheckResult check;   // Refused: the message and the field at fault
    QString error;       // Failed: the engine's message
    bool posted() const { return status == LinePost::Posted; }
};

// Runs the checks (unless bulkUpdate) and writes the line: an insert, or an
// update of the stored line `original` (whose code may change).
LinePostResult postLawLine(LawList list, const DeclarationKey& key, const LawLine& line,
                           const std::optional<LawLine>& original, bool bulkUpdate = false);
LinePostResult postDeductionLine(const DeclarationKey& key, const DeductionLine& line,
                                 const std::optional<DeductionLine>& original, bool bulkUpdate = false);

enum class LineDelete { Deleted, NotConfirmed, Refused, Failed };
// "Confirma Exclusão?"; on Yes the line under the code goes, in a
// transaction, except a code-98 other debit, which is refused with its message.
LineDelete deleteListLine(LawList list, const DeclarationKey& key, int codLei, Prompter& prompter,
                          QString* error);

// ---- totals ---------------------------------------------------------------------

// The sum of the declaration's `Valor` (deductions: `VlrDeducao`), to the
// cent; 0 when the list is empty. This is what goes into C52, C62 or C72.
double lawListTotal(LawList list, const DeclarationKey& key);

} // namespace vexa::decl
