#pragma once
// The stored lines of the rate-differential tables (`Aliquota`,
// `AliquotaComp`, `AliquotaConsumidor`): reading a declaration's lines,
// posting a line with its duplicate check and its domicile-B twin, deleting
// with the twin, and the totals handed back to the declaration.
//
// When the domicile changed in the month (item 3.10 "Sim"), every "A" line
// has a "B" twin with the same state and rate, the previous municipality and
// zero amounts; a state changed on one of them moves the other along, and
// deleting one deletes both.

#include "common/Prompter.h"
#include "declaration/RateTables.h"

#include <QList>
#include <QString>
#include <optional>

namespace vexa::decl {

// What the lines need of the declaration on show.
struct RateContext {
    DeclarationKey key;
    bool mudaDomicilio = false;   // item 3.10 answered "Sim"
    qint64 cidadeA = 0;           // IBGE code of the taxpayer's municipality
    qint64 cidadeB = 0;           // `CidadeB`, the previous municipality
    bool bulkUpdate = false;      // checks skipped while the declaration is filled in bulk
};
// The context of a stored declaration (its item 3.10 and the taxpayer's municipality).
RateContext rateContextOf(const DeclarationKey& key);

// The declaration's lines in key order (state, domicile, rate).
QList<RateLine> loadRateLines(RateTable table, const DeclarationKey& key);

// A new line of the domicile: no state or rate yet, the domicile's municipality.
RateLine newRateLine(const RateContext& ctx, const QString& domicilioFiscal = kDomicileA);
// A state was chosen for the line: its municipality and the proposed rate.
void chooseState(RateTable table, const RateContext& ctx, RateLine& line, const QString& codigoUF);

enum class RatePost {
    Posted,      // stored
    Refused,     // a check failed: the line stays in edit
    Discarded,   // the state (and rate) already has a line: the new line or the edit is dropped
    Failed,      // the engine refused; nothing was written
};
struct RatePostResult {
    RatePost status = RatePost::Posted;
    CheckResult check;     // Refused / Discarded: the message and the field at fault
    QString error;         // Failed: the engine's message
    RateLine stored;       // Posted: the line as written
    bool twinCreated = false;
    bool twinMoved = false;
    bool posted() const { return status == RatePost::Posted; }
};

// Posts a typed line: the checks in order (unless bulk update), empty
// amounts as 0, the duplicate check on state, domicile and rate, the write,
// the other domicile's twin following a changed state or rate, and after the
// post the "B" twin of an "A" line when item 3.10 is "Sim". One transaction.
// original: the stored line being edited; none for a new line.
RatePostResult postRateLine(RateTable table, const RateContext& ctx, const RateLine& line,
                            const std::optional<RateLine>& original);

enum class RateDelete { Deleted, NotConfirmed, Failed };
// "Confirma Exclusão?"; on Yes the line (and, when item 3.10 is "Sim", its
// twin of the other domicile) goes in one transaction.
RateDelete deleteRateLine(RateTable table, const RateContext& ctx, const RateLine& line, Prompter& prompter,
                          QString* error);

// The totals of the declaration's lines whose state is in `AliquotaUF`.
struct RateTotals {
    double VlrContabil = 0;
    double VlrBaseCalculo = 0;
    double valor = 0;     // differential or complement: what goes into C76, C79 or C713
    double Origem = 0;    // 7.13.1
    double Destino = 0;   // 7.13.1
};
RateTotals rateTotals(RateTable table, const DeclarationKey& key);

} // namespace vexa::decl
