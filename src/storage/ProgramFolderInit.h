#pragma once
// Lays out a new program folder: DB/vexa.db holding every table with the
// delivered reference rows, and the delivered files (help pages, index list,
// HTML fragments, pictures) copied beside it.

#include "common/ProgramFolder.h"

#include <QString>

namespace vexa::storage {

enum class InitOutcome {
    Done,
    Refused,   // the folder already has a database and force was not given
    Failed,    // the delivered files are missing or broken, or a file could not be written
};

// deliveredDir holds reference/ (CSV) and program/ (files laid beside the program).
// The database is built in a temporary file of DB/ and takes the name vexa.db
// only when complete, so a failure leaves no database behind (and, with force,
// the previous one untouched). Refuses an existing DB/vexa.db unless force.
InitOutcome layOutProgramFolder(const ProgramFolder& folder, const QString& deliveredDir, bool force,
                                QString* message);

// The same, answering true when done.
bool initProgramFolder(const ProgramFolder& folder, const QString& deliveredDir, bool force, QString* error);

} // namespace vexa::storage
