#pragma once
// The accounting-system file: declarations that accounting systems deliver as
// plain text in code page 1252, one record per line (CR LF or LF), segments A
// to S and Z per declaration, layout version "10.00". Records B, C, D, E, H,
// J, K, L, R and Z have the positions of the submission file; A, G, I, M, N,
// O, P, Q and S have their own.
//
// The file is read as a stream of lines, never whole: a line keeps at most
// kAccountLineKept characters (more than any record needs) and only counts
// the rest, so neither a huge line nor a huge file makes memory grow.
//
// Fields are numbered per segment as the import's messages cite them: field 1
// the segment code, 2 the IE (positions 2-10; 11-12 are not read), 3 the
// period MMYYYY (13-18), 4 `Retificacao` (19-20), the data from field 5 on.

#include <QByteArray>
#include <QChar>
#include <QDate>
#include <QString>
#include <optional>

class QIODevice;

namespace vexa::declfile {

// Widths of the records that differ from the submission file's.
inline constexpr int kAccountWidthA = 783;
inline constexpr int kAccountWidthAShort = 743;   // fields 41 to 46 missing
inline constexpr int kAccountWidthG = 92;
inline constexpr int kAccountWidthI = 78;
inline constexpr int kAccountWidthM = 63;
inline constexpr int kAccountWidthN = 51;
inline constexpr int kAccountWidthO = 51;
inline constexpr int kAccountWidthP = 69;
inline constexpr int kAccountWidthQ = 69;
inline constexpr int kAccountWidthS = 97;

// The layout version field A33 must hold.
inline const QString kAccountLayoutVersion = QStringLiteral("10.00");

// Characters of a line that are kept; the rest of a longer line is counted only.
inline constexpr int kAccountLineKept = 1024;

// One line of the file, without its line end.
struct AccountLine {
    QString text;        // the first characters (at most kAccountLineKept), decoded
    qint64 length = 0;   // characters of the whole line
    qint64 number = 0;   // 1-based line number in the file

    // The segment letter: the first character; a null character for an empty line.
    QChar segment() const { return text.isEmpty() ? QChar() : text.at(0); }
    // The characters at 1-based position pos, len wide; shorter (or empty)
    // where the line ends before.
    QString field(int pos, int len) const;
    QString trimmedField(int pos, int len) const { return field(pos, len).trimmed(); }
    // The character at pos; a null character beyond the end.
    QChar at(int pos) const;
};

// The record header every segment starts with.
struct AccountHeader {
    QString ie;            // 2-10
    QString mes;           // 13-14
    QString ano;           // 15-18
    QString retificacao;   // 19-20

    QString mmyyyy() const { return mes + ano; }   // the period as written, 13-18
    QString yyyymm() const { return ano + mes; }
};
AccountHeader readHeader(const AccountLine& line);

// Reads the lines of a device one at a time. LF ends a line; a CR just before
// it is part of the line end. A last line without a line end is a line too.
class AccountFileReader {
public:
    explicit AccountFileReader(QIODevice& device);

    // The next line; false at the end of the file or when the device fails (see error()).
    bool next(AccountLine& line);

    // The device's message after a read failure; empty otherwise.
    const QString& error() const { return error_; }
    qint64 bytesRead() const { return consumed_; }

private:
    bool fill();

    QIODevice& device_;
    QByteArray buffer_;
    qsizetype start_ = 0;     // first unread byte of buffer_
    bool atEnd_ = false;
    qint64 consumed_ = 0;     // bytes of the file handed out as lines so far
    qint64 lineNumber_ = 0;
    QString error_;
};

// ---- reading forms ------------------------------------------------------------

// amount: 14 characters read as a number (decimal comma, blanks around it
// allowed) and divided by 100: "00000000123450" is 1234,50. None when the
// characters are not a number: the import stops there.
inline constexpr int kAmountCharacters = 14;
struct AccountAmount {
    double value = 0;       // rounded to cents
    QString text;           // the value formatted "0.00" with the decimal comma ("1234,50")
    // The text passes the number test (`IsNumber`), as the layout asks of an
    // amount once read; a formatted value always does.
    bool isNumber = true;
};
std::optional<AccountAmount> readAmount(const QString& characters);

// amount of 4 (the rates of P, Q and S): "0450" is 4,50. None when not a number.
std::optional<double> readRate(const QString& characters);

// date: "ddmmyyyy" rewritten as typed, "dd/mm/yyyy" (the form the date test reads).
QString dateAsTyped(const QString& ddmmyyyy);
// The date of "ddmmyyyy"; none when it is no date.
std::optional<QDate> readDate(const QString& ddmmyyyy);

// True when the text is empty or only blanks.
bool isBlank(const QString& text);

// ---- segment A ----------------------------------------------------------------

// Field n (5 to 46) of segment A as its characters, at the positions of the
// accounting layout; empty for a field number that A does not have.
QString segmentAField(const AccountLine& line, int number);

// The fourteen amounts A18 to A31 and the items they carry, in file order.
struct AccountAmountItem {
    int field;            // 18 .. 31
    const char* item;     // "5.1" ...
    const char* column;   // "C51" ...
};
inline constexpr AccountAmountItem kSegmentAAmounts[] = {
    {18, "5.1", "C51"}, {19, "5.2", "C52"}, {20, "5.3", "C53"}, {21, "6.1", "C61"}, {22, "6.2", "C62"},
    {23, "6.3", "C63"}, {24, "6.4", "C64"}, {25, "7.2", "C72"}, {26, "7.4", "C74"}, {27, "8.1", "C81"},
    {28, "8.2", "C82"}, {29, "8.3", "C83"}, {30, "8.4", "C84"}, {31, "8.5", "C85"},
};

} // namespace vexa::declfile
