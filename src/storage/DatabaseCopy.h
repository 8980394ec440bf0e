#pragma once
// Moving the program's rows between the two engines: a program folder's
// SQLite database onto a PostgreSQL server (office mode), the whole database
// into a fresh SQLite file (what a backup archive holds, whichever engine holds
// the data) and an SQLite file into the database, replacing its rows (restore).
// Each runs in one transaction: a copy cut short leaves its target as it was.

#include "common/ProgramFolder.h"
#include "storage/ProgramFolderInit.h"

#include <QSqlDatabase>
#include <QString>
#include <functional>

namespace vexa::storage {

// Rows copied so far and the rows to copy in all.
using CopyProgress = std::function<void(qint64 done, qint64 total)>;

// Copies every row of the program's tables from `from` into the same, empty,
// tables of `to` (inside the caller's transaction on `to`). Each value is
// checked against its column: a text where a number belongs is refused with a
// message naming the table, the column and the value.
bool copyTables(QSqlDatabase from, QSqlDatabase to, const CopyProgress& progress, QString* error);

// move-to-postgres: the rows of the folder's DB/vexa.db copied into an empty
// PostgreSQL database (its tables, keys and indexes made first), then the
// folder switched over by its connection file. DB/vexa.db stays as it was (a
// database of an earlier layout is brought up to date on a copy). Refused
// when the folder is already on a server, has no database, or the server
// database already holds the program's tables.
InitOutcome moveFolderToServer(const ProgramFolder& folder, const QString& connection, const CopyProgress& progress,
                               QString* message);

// The whole database of the "Vexa" connection (either engine) written into a
// new SQLite file at path: its tables, keys, indexes and every row. The file
// takes its name only when complete; an existing file at path is replaced.
bool writeSqliteCopy(const QString& path, const CopyProgress& progress, QString* error);

// Every row of the "Vexa" database (either engine) replaced by the rows of
// the SQLite database file at path, in one transaction. A file of an earlier
// layout is brought up to date on a copy first; the file itself is only read.
// A file that is no database of the program is refused, leaving the rows as they were.
bool replaceFromSqlite(const QString& path, const CopyProgress& progress, QString* error);

} // namespace vexa::storage
