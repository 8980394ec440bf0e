#pragma once
// The declaration's lifecycle as data operations, shared by the declaration
// screen and the batch program: typing the key (latest rectification or a new
// declaration with its carried values), saving with the sheet's checks and
// the posting rules, deleting with the child tables, locating with the
// regime alignment, and moving to the previous / next declaration.

#include "common/Check.h"
#include "common/Clock.h"
#include "common/Prompter.h"
#include "declaration/DeclarationKey.h"
#include "declaration/Sheets.h"
#include "declaration/VexaRow.h"

#include <QList>
#include <QString>
#include <optional>

namespace vexa::decl {

// ---- search mode --------------------------------------------------------------

// Entering the month or year field proposes the period of today minus 30 days.
struct ProposedPeriod {
    QString mes;   // "MM"
    QString ano;   // "YYYY"
};
ProposedPeriod proposedPeriod(const Clock& clock = Clock::instance());

// The highest stored `Retificacao` of the taxpayer's period; "00" when none.
QString latestRetificacao(const QString& ie, const QString& ano, const QString& mes);

// The month as typed, two digits ("%2.2d"); empty when blank or not a number.
QString monthText(const QString& typed);

// The declaration the key reaches after leaving the year: the stored one with
// the highest rectification, or a new row with "00", zero amounts and the
// values carried from the previous period (not stored until saved).
struct OpenedDeclaration {
    VexaRow row;
    bool isNew = false;
};
OpenedDeclaration openDeclaration(const QString& ie, const QString& mes, const QString& ano);

// A new declaration row for the key with everything a new row takes over.
VexaRow prepareNewDeclaration(const DeclarationKey& key);

// ---- saving -----------------------------------------------------------------------

// Another workstation saved the declaration (or created it) after this one
// read it: the save is refused and the screen reads the declaration again.
inline const QString kChangedElsewhere =
    QStringLiteral("A VEXA foi alterada em outra estação depois que foi aberta. Os dados serão recarregados.");

struct SaveResult {
    CheckResult check;   // a failed check: message and field; nothing written
    QString error;       // the engine refused: rolled back (for the general error handler)
    bool saved = false;
    bool wasNew = false;
    // Refused with kChangedElsewhere (in error): nothing written; read the stored row again.
    bool changedElsewhere = false;
    bool ok() const { return saved; }
};

// Posts the declaration row as one unit (its own transaction, or a savepoint
// inside the caller's when one is open). A new row: refused before
// 01/2009; the accountant fields come from the taxpayer's latest declaration;
// after the insert the code-98 other debit (from 09/2012) and, for a fuel
// retailer, the pump meters and tanks of the previous period. An existing row
// whose `MudaDomicilio` changed from the stored value creates or removes the
// domicile-B rows. No checks of the sheets here (see checkSave). Several
// workstations: a new row whose taxpayer was deleted meanwhile is refused
// (IENaoLocalizada); a row another workstation saved or created since this
// one read it is refused with changedElsewhere. After a save the row carries
// its new change stamp.
SaveResult postDeclaration(VexaRow& row, bool isNew);

// The save command: the checks of the sheet on show in their order (see
// DeclarationChecks.h), then postDeclaration.
SaveResult saveDeclaration(VexaRow& row, bool isNew, Sheet sheet);

// ---- deleting -------------------------------------------------------------------

enum class DeleteOutcome { Deleted, NotConfirmed, NotFound, Failed };
// Asks "Confirma Exclusão desta VEXA?" and deletes the declaration and its
// seventeen child tables as one unit (`ECF` rows stay).
DeleteOutcome deleteDeclaration(const DeclarationKey& key, Prompter& prompter, QString* error);

// ---- locating -------------------------------------------------------------------

// Brings the stored declaration into line with its taxpayer's regime, by
// direct statements run as one unit: normal regime clears 7.9 and the rate
// complement lists; Simples Nacional clears the debit/credit items, other
// credits, kind-N amounts to pay and the base/tax/exempt columns of the sheets.
bool alignWithRegime(const DeclarationKey& key, const QString& tipoRegime, QString* error);
// The same with the taxpayer's stored regime.
bool alignWithRegime(const DeclarationKey& key, QString* error);

// The declaration the search screen handed back (IE, period "MMYYYY",
// Retificacao), aligned with the regime and loaded.
std::optional<VexaRow> locateDeclaration(const QString& ie, const QString& mmyyyy, const QString& retificacao,
                                         QString* error);

// ---- moving -----------------------------------------------------------------------

// Declarations in key order (IE, Ano, Mes, Retificacao), those with Importado true.
enum class Move { First, Previous, Next, Last };
// The key reached from `from`; none at either end (or when there are none).
std::optional<DeclarationKey> moveDeclaration(Move move, const DeclarationKey& from);
bool hasPreviousDeclaration(const DeclarationKey& key);
bool hasNextDeclaration(const DeclarationKey& key);

// ---- listing ---------------------------------------------------------------------

struct DeclarationListItem {
    DeclarationKey key;
    QString razaoSocial;   // empty when the taxpayer is not registered
};
// Every declaration with Importado true, in key order; of one period "MMYYYY" when given.
QList<DeclarationListItem> listDeclarations(const QString& mmyyyy = {});

// ---- taxpayer facts the declaration uses -------------------------------------------

// IBGE code of the taxpayer's municipality (`Municipios.CodIBGE` of its
// `MunicipioID`); 0 when unknown.
qint64 taxpayerCityIBGE(const QString& ie);
// `TipoRegime` of the taxpayer; empty when unknown.
QString taxpayerRegime(const QString& ie);

} // namespace vexa::decl
