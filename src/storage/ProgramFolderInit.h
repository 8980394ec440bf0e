#pragma once
// Lays out a new program folder: DB/vexa.db holding every table with the
// delivered reference rows, and the delivered files (help pages, index list,
// HTML fragments, pictures) copied beside it.

#include "common/ProgramFolder.h"

#include <QString>

namespace vexa::storage {

// deliveredDir holds reference/ (CSV) and program/ (files laid beside the program).
// Refuses an existing DB/vexa.db unless force is true.
bool initProgramFolder(const ProgramFolder& folder, const QString& deliveredDir, bool force,
                       QString* error);

} // namespace vexa::storage
