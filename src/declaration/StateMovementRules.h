#pragma once
// The rules of the by-state grids, callable without a screen: the state
// check, the book-value question by regime and direction, duplicate states,
// the twin of the other domicile that follows a changed code, the "B" twin of
// a new "A" row, and the delete of a row with its twin.

#include "common/Check.h"
#include "common/Prompter.h"
#include "declaration/OperationRules.h"
#include "declaration/StateMovement.h"

#include <optional>

namespace vexa::decl {

// The state check: a code that is not one of the 28 numeric state codes.
// (An empty state is no error: the row is dropped.)
CheckResult checkStateCode(const StateRow& row);

// The question to ask when the book value does not add up, by the regime
// and the direction; empty when it adds up (differences rounded to cents).
QString stateBookValueQuestion(const QString& tipoRegime, Direction direction, const StateRow& row);

struct StatePostOutcome {
    PostStatus status = PostStatus::Posted;
    QString message;            // shown (Refused, Discarded) or the engine's error (Failed)
    QString field;              // state_field::Uf, ::ValorContabil or empty
    bool twinCreated = false;   // a domicile-"B" twin was inserted
    bool twinRenamed = false;   // the other domicile's row followed a changed code
    StateRow stored;

    bool posted() const { return status == PostStatus::Posted; }
};

// Posts a row typed in a direction's grid. Before the write (skipped during a
// bulk update): an empty state discards the row silently, an invalid code is
// refused, the book-value question (No refuses), the direction, duplicates
// (Discarded with the message) and the renaming of the other domicile's twin
// when an edited row takes a code the grid does not hold yet. After it (not
// during a bulk update): the "B" twin of an "A" row when item 3.10 is "Sim".
// original is the stored row being edited, nullopt for a new row. The writes
// run as one unit.
StatePostOutcome postStateRow(const OperationContext& ctx, Direction direction, const StateRow& row,
                              const std::optional<StateRow>& original, Prompter& prompter);

// Deletes a stored row and, when item 3.10 is "Sim", its twin of the other
// domicile (same code and direction), as one unit.
bool deleteStateRowWithTwin(const OperationContext& ctx, Direction direction, const StateRow& row, QString* error);

// Leaving the state column of a row in edit: the other stored row with the
// typed code, the row's domicile and the direction, when there is exactly
// one (the grid cancels the pending edit and moves there).
std::optional<StateRow> existingStateRow(const OperationContext& ctx, Direction direction, const StateRow& row,
                                         const std::optional<StateRow>& original);

} // namespace vexa::decl
