#pragma once
// The rules of the operation grids, callable without a screen: a new row's
// defaults, what a CFOP change fills in, the CFOP checks, the book-value
// question by regime, duplicates, the domicile-B twins and the delete of a
// row with its twin. The screen and the batch program run the same code.

#include "common/Check.h"
#include "common/Prompter.h"
#include "declaration/OperationTypes.h"

#include <QString>
#include <optional>

namespace vexa::decl {

// A row appended to a view: domicile "A", the view's direction and kind, amounts 0.
OperationRow newOperationRow(const OperationView& view);

// Typing a CFOP: `CidadeID` becomes `CidadeB` for a row whose domicile is not
// "A", otherwise the taxpayer's municipality; the description is looked up in
// the declaration's table year and the municipality's name follows `CidadeID`.
void applyCfopChange(const OperationContext& ctx, OperationRow& row);

// The CFOP checks of a row typed in a view, first failure wins: empty, not in
// the declaration year's CFOP table, first digit of another view (the message
// names the item where the code belongs). The field is operation_field::Cfop.
CheckResult checkOperationCfop(const OperationContext& ctx, const OperationView& view, const OperationRow& row);

// The question to ask when the book value does not add up for the regime
// (Simples Nacional: other + substitution; otherwise base + exempt + other +
// substitution, differences rounded to cents); empty when it adds up.
QString bookValueQuestion(const QString& tipoRegime, const OperationRow& row);

enum class PostStatus {
    Posted,     // stored
    Refused,    // a check failed or the user answered No: the row stays in edit
    Discarded,  // duplicate CFOP: the new row or the edit is dropped
    Failed,     // the engine refused the write; message holds its text, nothing was written
};

struct PostOutcome {
    PostStatus status = PostStatus::Posted;
    QString message;           // the message shown (Refused, Discarded) or the engine's error (Failed)
    QString field;             // where the focus goes back: operation_field::Cfop, ::ValorContabil or empty
    bool twinCreated = false;  // a domicile-"B" twin was inserted after the post
    bool twinRenamed = false;  // the other domicile's twin followed a changed CFOP
    OperationRow stored;       // the row as written (Posted)

    bool posted() const { return status == PostStatus::Posted; }
};

// Posts a row typed in a view: before the post (view values, CFOP checks,
// book-value question, duplicates and the twin that follows a changed code),
// the write, and after it the "B" twin of a new "A" row when the domicile
// changed in the month. original is the stored row being edited, nullopt for
// a new row. Warnings and the question go through prompter; an engine error is
// only answered (status Failed), for the caller's error handler. The writes
// run as one unit: inside the caller's transaction when one is open, otherwise
// in their own.
PostOutcome postOperationRow(const OperationContext& ctx, const OperationView& view, const OperationRow& row,
                             const std::optional<OperationRow>& original, Prompter& prompter);

// Deletes a stored row and, when the domicile changed in the month, its twin
// of the other domicile (same CFOP, direction and kind), as one unit.
bool deleteOperationRowWithTwin(const OperationContext& ctx, const OperationView& view, const OperationRow& row,
                                QString* error);

// Leaving the CFOP column of a row in edit: when the declaration already holds
// exactly one other row of the view with the typed CFOP and the row's
// domicile, that row (the grid cancels the pending edit and moves there).
std::optional<OperationRow> existingRowForTypedCfop(const OperationContext& ctx, const OperationView& view,
                                                    const OperationRow& row,
                                                    const std::optional<OperationRow>& original);

// Child tables of the declaration take a new row only while the New command
// appends one (newRowFlag), when they are empty or positioned before their
// first row, or during a bulk update. A refusal is silent.
bool childTableAcceptsNewRow(bool newRowFlag, bool bulkUpdate, int rowCount, bool beforeFirstRow = false);

// Regime presentation: for Simples Nacional only book value, other and tax
// substitution are typed; for any other regime every amount is.
bool isAmountEditable(Amount amount, const QString& tipoRegime);

// The sheet's description box: "CFOP: " + code + " - " + description.
QString descriptionBoxText(const OperationRow& row);

} // namespace vexa::decl
