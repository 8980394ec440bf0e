#pragma once
// The delivered reference rows: one CSV file per table, named as the table
// (UF.csv, AliquotaUF.csv, Municipios.csv, cfop.csv, ...). The first line names
// the columns (any of the table's, in any order); an empty field is null;
// dates are yyyy-mm-dd, booleans 0/1, decimals with a '.' point. A deployment
// may replace any file with the authority's official table.

#include "storage/Schema.h"

#include <QSqlDatabase>
#include <QString>
#include <QVariant>

namespace vexa::storage {

// Checks one field of a CSV file against its column and gives the value to
// store (null for an empty field). Answers false with the reason otherwise.
bool referenceValue(const schema::Column& column, const QString& text, QVariant* value, QString* why);

// Loads one file into the table of the same name, all rows or none. An unknown
// table or column, a malformed file, a value that does not fit its column or a
// repeated key answers false with a message naming the file (and the line and
// column at fault); the table is then left as it was.
bool loadReferenceFile(QSqlDatabase db, const QString& path, QString* error);

// Loads every *.csv file of the folder, in name order; stops at the first failure.
bool loadReferenceFolder(QSqlDatabase db, const QString& dir, QString* error);

} // namespace vexa::storage
