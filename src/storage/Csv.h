#pragma once
// Comma-separated text as the delivered reference tables are written: UTF-8,
// one record a line (LF or CR LF), fields in double quotes when they hold a
// comma, a quote or a line break, inner quotes doubled. An empty field is null.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace vexa::storage {

struct CsvRecord {
    int line = 0;            // line of the file where the record begins (1-based)
    QStringList fields;      // a null QString for an empty field
};

struct CsvContent {
    QStringList header;
    QList<CsvRecord> records;
};

// Parses the whole text. Answers false with a message naming the line when the
// text is not valid UTF-8, a quote is left open, a quoted field is followed by
// anything but a comma or the end of the line, or a record has a different
// number of fields than the header. Blank lines are skipped.
bool parseCsv(const QByteArray& data, CsvContent* out, QString* error);

} // namespace vexa::storage
