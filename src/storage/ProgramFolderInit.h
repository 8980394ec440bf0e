#pragma once
// Lays out a new program folder: DB/vexa.db holding every table with the
// delivered reference rows, and the delivered files (help pages, index list,
// HTML fragments, pictures) copied beside it.

#include "common/ProgramFolder.h"

#include <QSqlDatabase>
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

// Office mode: every table, key, index and reference row made on an empty
// PostgreSQL database in one transaction, the connection file DB/conexao.ini
// written and the delivered files copied. `connection` is libpq's
// "host=... port=... dbname=... user=..." (no password: ~/.pgpass or PGPASSFILE
// gives it). Refused when the server database already holds the program's
// tables (force drops and makes them again) or when the folder already has a
// database of its own or a connection file (force lays it out anyway; a
// DB/vexa.db stays where it is, unused).
InitOutcome layOutServerFolder(const ProgramFolder& folder, const QString& deliveredDir, const QString& connection,
                               bool force, QString* message);

// Tables, keys, indexes, the reference rows of referenceDir and the layout
// version on an empty database of either engine (inside the caller's transaction).
bool populateNewDatabase(QSqlDatabase db, const QString& referenceDir, QString* error);

// The same, answering true when done.
bool initProgramFolder(const ProgramFolder& folder, const QString& deliveredDir, bool force, QString* error);

} // namespace vexa::storage
