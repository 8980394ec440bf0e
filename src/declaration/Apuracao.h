#pragma once
// The month's ICMS computation (items 5 to 8 of the declaration): the totals
// of debit and credit, the result with its deductions, the rate differential,
// rate complement and final-consumer differential with the R$ 50,00
// small-balance rule, and the internal tax-substitution result. Plain
// arithmetic on the stored amounts, in double precision, no intermediate rounding.
//
// Also here, as plain data the screen reads: which items can be typed under
// each tax regime and period, which list editors may open, and which law codes
// are valid on the declaration's first day.

#include "declaration/DeclarationKey.h"
#include "declaration/VexaRow.h"

#include <QDate>
#include <QList>
#include <QString>

namespace vexa::decl {

// An amount due below this is carried to the next month (every month but December).
inline constexpr double kSmallBalance = 50.0;

struct Apuracao {
    double C54 = 0;   // 5.4 total debit
    double C65 = 0;   // 6.5 total credit
    double C71 = 0;   // 7.1 debit balance
    double C73 = 0;   // 7.3 tax to pay (7.1 - 7.2)
    double C74 = 0;   // 7.4 rate differential to pay
    double C75 = 0;   // 7.5 credit balance carried to the next period
    double C78 = 0;   // 7.8 rate differential carried to the next period
    double C711 = 0;  // 7.11 rate complement carried to the next period
    double C712 = 0;  // 7.12 rate complement to pay
    double C715 = 0;  // 7.15 final-consumer differential carried to the next period
    double C716 = 0;  // 7.16 final-consumer differential to pay
    double C86 = 0;   // 8.6 substitution ICMS to pay
    double C87 = 0;   // 8.7 substitution credit balance for the next period
    QString VexaRetificadora;   // item 3.9 text

    bool operator==(const Apuracao&) const = default;
};

// Every computed item of the row, in the order of the computation.
Apuracao computeApuracao(const VexaRow& row);

// Item 3.9: "3.9 VEXA RETIFICADORA 01" for a rectification, otherwise
// "3.9 VEXA NÃO RETIFICADORA".
QString vexaRetificadoraText(const QString& retificacao);

// A carried amount S (7.4/7.8, 7.11/7.12, 7.15/7.16): the part due in the
// month and the part carried to the next. S >= 50 or December: all due.
struct SmallBalanceSplit {
    double due = 0;
    double carried = 0;
};
SmallBalanceSplit splitSmallBalance(double s, bool december);

// Amount > 0 and < 50 once rounded to cents: must not stay unpaid in a month other than December.
bool isSmallBalance(double amount);

// ---- presentation by regime ---------------------------------------------------

// What sheet "Itens 5 - 8.7" lets the user type, for the taxpayer's regime
// (`TipoRegime`, "S" Simples Nacional, anything else normal) and the period.
struct ApuracaoPresentation {
    bool simples = false;
    // 5.1, 5.3, 6.1, 6.3 and their labels
    bool debitCreditTyped = true;
    // buttons "Editar item 5.2.1", "Editar item 6.2.1", "Editar item 7.2.1"
    bool otherListsEnabled = true;
    // 5.2, 6.2, 7.2 read-only (grey): filled from their lists only
    bool listTotalsReadOnly = true;
    // items 5.x, 6.x and 7.1 to 7.3 (Simples Nacional: none of them apply)
    bool items5to73Enabled = true;
    // items 7.9 to 7.12
    bool items79to712Visible = true;
    bool items79to712Enabled = false;
    bool items79to712LabelsGrey = true;
    // button "Editar item 7.9.1"
    bool list791Visible = false;
    bool list791Enabled = false;
    // items 7.13 to 7.16 and the button "Editar item 7.13.1" (from 01/2016)
    bool items713to716Enabled = false;
    // item 6.4 typed only in 01/2009; otherwise read-only, grey, carried over
    bool item64Editable = false;
    // the field that gets the focus when the sheet is shown
    QString focusField = QStringLiteral("C76");
};
ApuracaoPresentation apuracaoPresentation(const QString& tipoRegime, const DeclarationKey& key);

// The list editors of the sheet and whether each may open.
enum class ListEditor {
    OutrosDeb,            // 5.2.1 -> C52
    OutrosCred,           // 6.2.1 -> C62
    Deducoes,             // 7.2.1 -> C72
    Aliquota,             // 7.6.1 -> C76
    AliquotaComp,         // 7.9.1 -> C79
    AliquotaConsumidor,   // 7.13.1 -> C713
};
bool canOpenList(ListEditor list, const QString& tipoRegime, const DeclarationKey& key);
// The `Vexas` column that receives the list's total.
QString listTotalColumn(ListEditor list);

// ---- law codes ------------------------------------------------------------------

// "01/" + Mes + "/" + Ano: the day on which law codes must be valid.
QDate declarationFirstDay(const DeclarationKey& key);
// Valid when it starts on or before that day and ends on or after it (or has no end).
bool isLawCodeValid(const QDate& perRLeiIni, const QDate& perRLeiFim, const QDate& firstDay);

enum class LawTable { Leis, LeisDeb, LeisD };   // credits, debits, deductions
struct LawCode {
    int codLei = 0;
    QString tipo;
    QString descLei;
    QDate perRLeiIni;
    QDate perRLeiFim;
};
// The codes of the table valid on the declaration's first day, in code order.
QList<LawCode> validLawCodes(LawTable table, const DeclarationKey& key);

} // namespace vexa::decl
