#pragma once
// A declaration told in the same words whichever file carries it: the
// accounting-system file (the import's layout) or the decoded submission file
// (the export's layout). Segment A becomes named items; every other record a
// row of named values in the order of its segment, rows sorted; the lists'
// totals that the accounting layout leaves to the lists (items 5.2, 6.2, 7.2,
// 7.6, 7.9, 7.13) are summed from their records; empty dates of the
// accounting layout read as the submission file's day zero.

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

namespace vexa::test {

struct DeclarationDescription {
    QString key;                         // IE, MMYYYY, rectification
    QMap<QString, QString> items;        // segment A, by item name
    QMap<char, QStringList> rows;        // segments B to S, each row as "name=value|..."
    int recordsAtoS = 0;                 // the records from A to the last S

    bool operator==(const DeclarationDescription&) const = default;
    // The differences, one line each; empty when both describe the same declaration.
    QStringList differences(const DeclarationDescription& other) const;
};

// The declarations of an accounting-system file / a decoded submission file, by key.
QMap<QString, DeclarationDescription> describeAccountingFile(const QList<QByteArray>& lines);
QMap<QString, DeclarationDescription> describeSubmissionFile(const QList<QByteArray>& lines);

} // namespace vexa::test
