#pragma once
// The index list file VexaIdx90.ini, delivered beside the program. Section
// "Indices", key "Total": the number N of entries. Entry i (1 to N) is read
// under the key "%3.3d" of i in three sections: "Tabelas" the table, "Indices"
// the index name (empty for the table's key), "Campos" the fields separated by
// ";". Values are trimmed; sections and keys compare without regard to case.
// Consecutive entries of one table form a group, its key first.

#include <QList>
#include <QString>
#include <QStringList>

namespace vexa::storage {

struct IndexListEntry {
    QString table;
    QString name;        // empty: the table's key
    QStringList fields;
};

struct IndexList {
    int total = 0;                  // "Total" as written (0 when absent or not a number)
    QList<IndexListEntry> entries;  // entries 1.. in order; missing keys give empty entries
};

// Reads the list. A missing or unreadable file gives an empty list (Total 0).
// Entries are read up to Total or up to the highest entry number the file
// holds, whichever is lower, so that a huge Total cannot make the rebuild loop.
IndexList readIndexList(const QString& path);

// The index list file of the program folder ("VexaIdx90.ini", the name matched
// without regard to case); the plain name in the folder when none is there.
QString indexListFile(const QString& programFolder);

} // namespace vexa::storage
