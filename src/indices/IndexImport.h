#pragma once
// Index months typed or read from a file, for offices that keep the tables
// without the web service: one month at a time, or a monthly series as the
// central bank's public time-series service (SGS) exports it:
//
//   data;valor                 (the header; fields may be in double quotes)
//   01/01/2024;0,97            (dd/mm/yyyy, value with the decimal comma)
//
// SELIC comes in such a file as a percent a month and is stored as a fraction
// (value / 100); IGP-DI values are stored as they stand. A date stands for its
// month: 15/03/2024 is stored as 01/03/2024. A file goes in whole or not at
// all; months already held are skipped and counted.

#include "indices/IndexTable.h"

#include <QByteArray>
#include <QString>

namespace vexa::indices {

inline constexpr qint64 kSeriesFileLimit = 4 * 1024 * 1024;

struct SeriesRead {
    bool ok = false;
    QList<IndexMonth> months;   // in file order, dated on the first day of the month, as stored
    QString error;              // names the line at fault
};
// Reads the whole text: refused for a missing or repeated header, a line that is
// not two fields, a date that is not a date, a value that is not a number with
// the decimal comma or not a value the table may hold, a month given twice.
SeriesRead readSeries(const QByteArray& data, int code);

struct IndexImportResult {
    enum class Status { Imported, Refused, Failed };
    Status status = Status::Failed;
    int months = 0;        // months in the file
    InsertCount count;
    QString message;       // why it was refused or failed
};
IndexImportResult importSeriesFile(int code, const QString& path);

// One month: refused when the value is not one the table may hold or the
// month is already held (the stored value is named).
IndexImportResult addIndexMonth(int code, const QDate& date, double value);

// "Índice SELIC: 3 meses inseridos, 1 já cadastrado ignorado."
QString importSummary(int code, const InsertCount& count);

} // namespace vexa::indices
