#pragma once
// Inside the import of an accounting-system file: the state of the
// declaration being read (its key from segment A, the result text R, the
// line count, the domicile counts, the sums the final adjustments use), the
// statements it runs, and the readers of segment A and of segments B to S.
// Not part of the library's interface; Import.h is.

#include "declaration/CarryOver.h"
#include "declaration/DeclarationKey.h"
#include "declfile/AccountFile.h"
#include "storage/Database.h"
#include "storage/StagedRows.h"

#include <QHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariantList>
#include <exception>
#include <memory>
#include <unordered_map>

namespace vexa {
class Prompter;
}

namespace vexa::declfile::import {

// The run cannot go on: an amount or a whole number that cannot be read where
// the layout needs one, a blank due date, or a statement the engine refused.
// The declaration in hand is rolled back and the run ends with the message.
class ImportHalt : public std::exception {
public:
    explicit ImportHalt(QString message) : message_(std::move(message)) {}
    const QString& message() const { return message_; }
    const char* what() const noexcept override { return "import halted"; }

private:
    QString message_;
};

// A declaration before 01/2009: the warning was shown and the run stops.
class ImportOldPeriod : public std::exception {
public:
    const char* what() const noexcept override { return "period before 01/2009"; }
};

// The line breaks inside response and result texts.
inline const QString kCRLF = QStringLiteral("\r\n");
inline const QString kCR = QStringLiteral("\r");

// A result text grows by messages; past this many characters further messages
// are left out (a hostile file could otherwise make one declaration's text
// many times larger than the file itself).
inline constexpr int kResultLimit = 100000;
inline const QString kResultCut = QStringLiteral(" (demais mensagens omitidas)");

// A result text with the two ways messages reach it: "+" appends, "=" replaces.
class ResultText {
public:
    void add(const QString& message);
    void set(const QString& message) { text_ = message; cut_ = false; }
    bool isEmpty() const { return text_.isEmpty(); }
    const QString& text() const { return text_; }
    void clear() { text_.clear(); cut_ = false; }

private:
    QString text_;
    bool cut_ = false;
};

// Statements of the run, prepared once and run with bound values. Every write
// goes through the declaration library's statement runner (so that a test can
// make one fail half-way); any failure halts the run with the engine's message.
class Statements {
public:
    // On the "Vexa" connection, or on the connection given (the staged child rows').
    QSqlQuery& prepared(const QString& statement, QSqlDatabase db = {});
    // Runs a write and answers the rows it changed; halts on failure.
    qint64 write(const QString& statement, const QVariantList& values, QSqlDatabase db = {});
    // count(*) of a read; halts on failure.
    qint64 count(const QString& statement, const QVariantList& values, QSqlDatabase db = {});
    // The first row of a read; an empty record when there is none. Halts on failure.
    QSqlRecord firstRow(const QString& statement, const QVariantList& values);

private:
    std::unordered_map<std::string, std::unique_ptr<QSqlQuery>> cache_;
};

// Answers of the reference tables, asked once per run: they do not change
// while the file is read. Bounded: a map that grows past its limit starts over.
template <typename Value>
class Cache {
public:
    template <typename Ask>
    Value get(const QString& key, Ask ask) {
        const auto it = map_.constFind(key);
        if (it != map_.constEnd()) return *it;
        if (map_.size() >= 4096) map_.clear();
        const Value v = ask();
        map_.insert(key, v);
        return v;
    }

private:
    QHash<QString, Value> map_;
};

struct Lookups {
    Cache<bool> taxpayer;       // IE -> registered
    Cache<bool> accountant;     // CRC|UF -> registered
    Cache<bool> activity;       // `Atividades` code
    Cache<bool> cfop;           // CFOP + year
    Cache<bool> creditLaw;      // `Leis`
    Cache<bool> deductionLaw;   // `LeisD`
    Cache<bool> debitLaw;       // `LeisDeb`
    Cache<QString> creditLawText;
    Cache<QString> deductionLawText;
    Cache<QString> debitLawText;
    Cache<bool> homeMunicipality;
    Cache<QString> municipalityName;
    Cache<QString> stateLetters;
    Cache<bool> acceptedRate;   // state, year, month, segment, rate

    bool taxpayerExists(const QString& ie);
    QString stateName(const QString& numericCode);   // the state's letter code
};

// The state of the declaration being read.
struct Declaration {
    AccountHeader header;          // of its A record
    decl::DeclarationKey key;
    ResultText result;             // R
    bool alreadyImported = false;  // the mark "S"
    qint64 lines = 0;              // n: the A line and every line read after it
    bool stored = false;           // its `Vexas` row was inserted

    // read with the taxpayer, before the checks
    bool keyStored = false;        // a `Vexas` row of the key was there
    bool keyImported = false;      // and it was marked imported
    qint64 childRows = -1;         // the key had child rows (> 0), none (0), or to be looked at (-1)
    QList<double> previous;        // the previous month's carried columns (zeros when none)

    // the taxpayer
    QString razaoSocial;
    QString regime;                // `TipoRegime`
    QString activity;              // `AtividadeEconomicaPrincip` (A5 once stored)
    bool simples() const { return regime == QLatin1String("S"); }

    // domiciles
    bool changesDomicile = false;  // A41 is "S"
    qint64 cityA = 0;              // IBGE code of the taxpayer's municipality
    qint64 cityB = 0;              // A42; 0 when empty
    int countA = 0;
    int countB = 0;

    // records of the rate tables
    int countP = 0;
    int countQ = 0;
    int countS = 0;

    // sums of the final adjustments (each rounded to cents after each addition)
    double debit = 0;              // 5.1 + 5.3
    double credit = 0;             // 6.1 + 6.3 + 6.4
    double otherCredits = 0;       // K, all codes
    double otherCredits98 = 0;     // K, code 98
    double otherCreditsRest = 0;   // K, the other codes
    double deductions = 0;         // L
    double otherDebits = 0;        // R
    double rateDifferential = 0;   // P field 9
    double rateComplement = 0;     // Q field 9
    double consumerDifferential = 0;   // S field 9
    double c73 = 0;                // tax to pay of the new row
    decl::CarriedItems carried;    // the items carried from the previous month
    QStringList finalSets;         // the items of the final adjustments ("c76 = ?", ...)
    QVariantList finalValues;      // and their values
};

// What the readers share during a run.
struct Run {
    // The rows of segments B to S, checked for repeats as they come and
    // written with the declaration when it is accepted (before the
    // statements, which may hold queries on its scratch connection).
    storage::StagedRows staged;
    Statements sql;
    Lookups lookups;
    Prompter& prompter;
    Declaration d;
    // The declaration's transaction, begun before its first write.
    std::unique_ptr<storage::Transaction> transaction;

    explicit Run(Prompter& p);
    // Begins the declaration's transaction unless it has begun; halts when it cannot.
    void begin();
};

// ---- helpers the readers share ------------------------------------------------------

// Adds to a sum and rounds it to cents.
void addTo(double& sum, double value);

// The amount at pos (14 characters); halts when it is not a number.
AccountAmount amountAt(const AccountLine& line, int pos, const QString& field);
// The same for field `field` of segment `segment` (its name made only for a halt).
AccountAmount amountAt(const AccountLine& line, int pos, QChar segment, int field);
// The whole number of a text; halts when it is not one.
int integerOf(const QString& text, const QString& field);
// A field's characters in double quotes, control characters shown as '?'.
QString quoted(const QString& text);
// The IE formatted "99.999.999-9;0;".
QString formattedIE(const QString& ie);
// Which line and segment a halt happened on.
QString lineCite(const AccountLine& line);

// ---- the readers ---------------------------------------------------------------------

// Segment A: its twenty-nine checks and, when they pass, the new `Vexas` row,
// the taxpayer's row and the removal of the key's child rows. Fills run.d.
// Throws ImportOldPeriod for a period before 01/2009.
void readSegmentA(Run& run, const AccountLine& line);

// A record B to S: its checks, then the duplicate test or the insert. Answers
// the reader's result T (empty when the record was stored).
QString readSegment(Run& run, const AccountLine& line);

// What a segment's reader works with: the record, its result T ("+" appends,
// "=" replaces) and the declaration's state.
class SegmentReader {
public:
    SegmentReader(Run& run, const AccountLine& line);

    Run& run;
    Declaration& d;
    const AccountLine& line;
    const QChar letter;
    QString t;

    void add(const QString& message) { t += message; }
    void set(const QString& message) { t = message; }
    QString field(int pos, int len) const { return line.field(pos, len); }
    QString letterText() const { return QString(letter); }

    // The common steps 1 to 5 (IE, taxpayer, period, rectification, both
    // against segment A). False when the fields are not to be checked.
    bool commonChecks();
    // The amount at pos; halts when its characters are not a number.
    AccountAmount amount(int pos, const QString& fieldName) const;
    AccountAmount amount(int pos, int fieldNumber) const { return amountAt(line, pos, letter, fieldNumber); }
    // A domicile field: "A" or "B", else + value + message. Where the segment
    // counts domiciles, the record is counted and *city receives the
    // municipality of its domicile (none for an empty municipality).
    void domicile(const QString& value, const QString& message, bool counts, QVariant* city = nullptr);
    // The declaration key followed by more values, for the statements.
    QVariantList key(const QVariantList& more = {}) const;
    // count(*) of the duplicate query above 0.
    bool exists(const QString& statement, const QVariantList& values);
    void insert(const QString& statement, const QVariantList& values);
};

QString readSegmentB(SegmentReader& s);
QString readSegmentC(SegmentReader& s);
QString readSegmentD(SegmentReader& s);
QString readSegmentE(SegmentReader& s);
QString readSegmentG(SegmentReader& s);
QString readSegmentH(SegmentReader& s);
QString readSegmentI(SegmentReader& s);
QString readSegmentJ(SegmentReader& s);
QString readSegmentK(SegmentReader& s);
QString readSegmentL(SegmentReader& s);
QString readSegmentM(SegmentReader& s);
QString readSegmentN(SegmentReader& s);
QString readSegmentO(SegmentReader& s);
QString readSegmentRate(SegmentReader& s);   // P, Q and S
QString readSegmentR(SegmentReader& s);

// A value for a column that the Simples Nacional leaves empty.
QVariant noValue();

// After the Z record, when the result is still empty: the small-balance test
// and the `Vexas` columns taken from the lists' sums (written by the imported mark).
void finalAdjustments(Run& run);

// The update that makes the declaration imported, with the columns of the
// final adjustments.
storage::StagedRows::Then importedMark(const Run& run);

} // namespace vexa::declfile::import
