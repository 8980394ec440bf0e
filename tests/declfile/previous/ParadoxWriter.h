#pragma once
// Paradox tables of the previous version written for the tests with pxlib
// itself, in the layout of today's tables or an older one that lacks some
// columns (or has others of another kind).

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace vexa::test::px {

struct Column {
    QString name;
    int type = 0;     // pxlib's field kind (paradox::FieldType)
    int length = 0;
};

// The current table's columns as Paradox fields (text → alpha of its width,
// float → number, integer → long, date → date, boolean → logical), without
// the columns named in `without`. Empty for an unknown table.
QList<Column> layoutOf(const QString& table, const QStringList& without = {});

// A row: values by column name (any case); absent columns are left empty.
// Texts go in code page 1252; dates are QDate.
using Values = QMap<QString, QVariant>;

// Writes the table; false when pxlib refuses (the benchmark shares it, so no test macros here).
bool writeTable(const QString& path, const QList<Column>& columns, const QList<Values>& rows);

} // namespace vexa::test::px
