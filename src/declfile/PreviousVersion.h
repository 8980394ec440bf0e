#pragma once
// The import of the previous version's database (VEXA 9.6): its taxpayers,
// accountants, declarations from 2009 on with their sheets, and its slips,
// read from the Paradox tables of a folder the user picks and copied into the
// current database wherever the current database does not have the row yet.
//
// Twenty-one steps in a fixed order, one source table each (previousSteps()).
// A table missing from the folder is skipped; names are matched without
// regard to case. A row is copied when it passes the year filter ("Ano" from
// "2009" on, compared as text) and its key is not in the target yet; rows
// whose key exists are left as they are. Columns the older layout lacks read
// as empty (the target's default), except a taxpayer's `UF` ("QX") and
// `TipoRegime` ("N"), which get what the start-up gives the rows of an older
// database.
//
// A declaration is copied whole or not at all: the rows of its sheets and its
// slips are copied only for the declarations this run copies, never into a
// declaration the current database already holds (whose own sheets would
// otherwise be mixed with another version of them).
//
// The whole run is one transaction. Any failure — an unreadable, broken or
// hostile table (read in a child process, ParadoxTable.h), a column of an
// unexpected kind, a refused statement — rolls everything back: the database
// stays as it was and the run can simply be repeated.

#include "declfile/ParadoxTable.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace vexa::declfile {

inline const QString kPreviousImportDone = QStringLiteral("Importação realizada com sucesso!");
// The file list of the import screen shows these names only.
inline const QString kPreviousVersionMask = QStringLiteral("Contribuintes.db;Declarante.db;Vexas.db");

struct PreviousStep {
    int number = 0;
    QString file;          // the source file, as the step names it
    QString table;         // the target table
    QStringList key;       // the columns that tell whether the row is there already
    bool fromYear2009 = false;
    bool ofDeclaration = false;   // a row of a declaration's sheets or slips
    // The two rate tables: read as their fixed statement, the rate taken from
    // `AliquotaUF`; `rateColumn` names the rate, `amountColumn` the third amount.
    QString rateColumn;
    QString amountColumn;
    bool isRateTable() const { return !rateColumn.isEmpty(); }
};
const QList<PreviousStep>& previousSteps();

// The file of that name in the folder, compared without regard to case
// (regular files only); empty when there is none.
QString findSourceFile(const QString& folder, const QString& name);
// The names of kPreviousVersionMask present in the folder, as they are spelled there.
QStringList previousVersionFiles(const QString& folder);

struct PreviousImportProgress {
    int step = 0;          // 1..21
    int steps = 0;
    QString file;          // as found in the folder, or as the step names it when missing
    bool found = true;
    qint64 rowsRead = 0;   // of this table so far
};
// Told at the start of each step and every few hundred rows.
using PreviousImportObserver = std::function<void(const PreviousImportProgress&)>;

struct PreviousStepResult {
    int number = 0;
    QString file;
    QString table;
    bool found = false;
    int read = 0;
    int inserted = 0;
};

struct PreviousImportResult {
    bool ok = false;
    QString error;                       // the message to show when not ok
    QList<PreviousStepResult> steps;     // the steps run (all of them when ok)
    int inserted() const;
};

struct PreviousImportOptions {
    paradox::ReaderSettings reader;
};

// Runs the twenty-one steps over the folder on the open "Vexa" connection.
PreviousImportResult importPreviousVersion(const QString& folder, const PreviousImportObserver& observer = {},
                                           const PreviousImportOptions& options = {});

} // namespace vexa::declfile
