#pragma once
// Reading one Paradox table of the previous version (9.6). The table is read
// by the helper program vexa-pxdump (ParadoxDump.cpp, built on pxlib) in a
// child process, so that a malformed table that makes pxlib crash or loop
// never takes the program down: a reader that crashes, stays silent past the
// time limit or answers anything but the expected form ends the reading with
// a clear reason, and the caller imports nothing of it.

#include <QList>
#include <QString>
#include <QVariant>
#include <functional>

namespace vexa::declfile::paradox {

// The kinds of Paradox fields, numbered as pxlib numbers them.
enum FieldType : int {
    Alpha = 0x01,
    Date = 0x02,
    Short = 0x03,
    Long = 0x04,
    Currency = 0x05,
    Number = 0x06,
    Logical = 0x09,
    MemoBlob = 0x0C,
    Blob = 0x0D,
    FmtMemoBlob = 0x0E,
    Ole = 0x0F,
    Graphic = 0x10,
    Time = 0x14,
    Timestamp = 0x15,
    AutoInc = 0x16,
    Bcd = 0x17,
    Bytes = 0x18,
};

struct Field {
    QString name;
    int type = 0;
    int length = 0;
};

// A row as read, one value per field: null (empty), qint64 (short, long,
// autoincrement, logical 0/1, time, date as days of the Paradox calendar),
// double (number, currency, timestamp in milliseconds) or QString (alpha,
// BCD). Memo, blob and the other kinds the reader leaves out read as null.
using Row = QList<QVariant>;

// A date of the Paradox calendar (days, 1 = 01/01/0001) and a timestamp
// (milliseconds from the same origin); invalid when out of range.
QDate dateFromDays(qint64 days);
QDate dateFromTimestamp(double milliseconds);

struct ReaderSettings {
    // The reader program; empty for vexa-pxdump beside the running executable.
    QString program;
    // The reader is taken as hung when it writes nothing for this long.
    int silenceLimitMs = 30000;
    // And it may not take longer than this in all.
    int totalLimitMs = 15 * 60 * 1000;
};

// The reader program the settings name (resolved when empty).
QString readerProgram(const ReaderSettings& settings);

// Reads the table of `path`: fields() once with the table's fields, then
// row() for every live record, in the table's order. A handler answering
// false stops the reading with its own reason in *error. False with the
// reason in *error (in the user's words, without the file name) when the
// table cannot be read.
using FieldsHandler = std::function<bool(const QList<Field>& fields, QString* error)>;
using RowHandler = std::function<bool(const Row& row, QString* error)>;
bool readTable(const QString& path, const ReaderSettings& settings, const FieldsHandler& fields,
               const RowHandler& row, QString* error);

} // namespace vexa::declfile::paradox
