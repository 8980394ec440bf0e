// Hostile accounting-system files: a seeded mutator turns the sample file into
// broken ones (bytes changed, the file cut, lines doubled, dropped or swapped,
// lines far longer than any segment, NUL bytes, dates that are no dates,
// amounts that are no numbers, counts and whole numbers far too large, other
// line ends) and runs the line reader and the import over each for a bounded
// time. Whatever a file holds: no crash, no hang, and what the import leaves
// is only whole declarations, each holding exactly the records of one of the
// file's declarations under its key, with no row of a refused one behind, not
// even in its taxpayer's row.
//
// VEXA_FUZZ_SECONDS sets the time spent (default 15), VEXA_FUZZ_SEED the seed
// (default fixed, so that a failure repeats); a failure names seed, round and
// the mutations applied.

#include "../mainjob/SampleFolder.h"

#include "common/Cp1252.h"
#include "declfile/AccountFile.h"
#include "declfile/Import.h"
#include "storage/Database.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <mutex>
#include <random>
#include <thread>

using namespace vexa;
using namespace vexa::declfile;
using namespace vexa::test;

namespace {

// ---- the mutator ---------------------------------------------------------------------

// Positions of the fields the mutations aim at, by segment (accounting layout).
const QMap<char, QList<int>>& amountFields() {
    static const QMap<char, QList<int>> m{
        {'A', {31, 45, 203, 217, 231, 245, 259, 273, 287, 301, 315, 329, 343, 357, 371, 385, 432, 716, 730}},
        {'B', {26, 40, 54, 68, 82, 96}},
        {'C', {21, 35, 49, 63, 77, 91, 105, 119, 133, 147}},
        {'D', {24, 38, 52, 66, 80, 94, 108, 122, 136}},
        {'E', {30}}, {'I', {55}}, {'K', {23}}, {'L', {23, 37, 51}}, {'M', {36, 50}}, {'N', {38}},
        {'O', {38}}, {'P', {24, 38, 52}}, {'Q', {24, 38, 52}}, {'R', {23}}, {'S', {24, 38, 52, 70, 84}}};
    return m;
}
const QMap<char, QList<int>>& dateFields() {
    static const QMap<char, QList<int>> m{{'A', {424, 752, 760, 768, 776}}, {'E', {22}}, {'I', {31}}, {'J', {41}}};
    return m;
}
// Whole numbers: (position, width).
const QMap<char, QList<std::pair<int, int>>>& countFields() {
    static const QMap<char, QList<std::pair<int, int>>> m{
        {'Z', {{21, 3}}},
        {'G', {{41, 2}, {43, 10}, {53, 10}, {63, 10}, {73, 10}, {83, 10}}},
        {'H', {{21, 4}, {25, 10}, {35, 10}}},
        {'I', {{21, 10}, {69, 10}}},
        {'K', {{21, 2}}}, {'L', {{21, 2}}}, {'R', {{21, 2}}},
        {'O', {{31, 7}}}, {'N', {{31, 7}}}, {'M', {{21, 14}}},
        {'P', {{66, 4}}}, {'Q', {{66, 4}}}, {'S', {{66, 4}}}};
    return m;
}

class Mutator {
public:
    explicit Mutator(quint64 seed) : random_(seed) {}

    int pick(int n) { return n <= 1 ? 0 : int(random_() % quint64(n)); }
    bool chance(int percent) { return pick(100) < percent; }
    template <typename T>
    const T& oneOf(const QList<T>& list) { return list[pick(int(list.size()))]; }

    // A broken copy of the lines; the mutations applied are added to *log.
    QByteArray mutate(QList<QByteArray> lines, QStringList* log) {
        const int edits = 1 + pick(4);
        for (int e = 0; e < edits && !lines.isEmpty(); ++e) edit(lines, log);
        QByteArray bytes;
        const int ends = pick(10);
        for (const QByteArray& l : lines) {
            bytes += l;
            if (ends < 8) bytes += "\r\n";
            else if (ends == 8) bytes += "\n";
            else bytes += chance(20) ? "\r" : (chance(50) ? "\n" : "\r\n");
        }
        if (ends >= 8) *log << QStringLiteral("line ends changed");
        if (chance(8)) {
            const int at = pick(int(bytes.size()) + 1);
            bytes.truncate(at);
            *log << QStringLiteral("file cut at byte %1").arg(at);
        }
        return bytes;
    }

private:
    void put(QByteArray& line, int pos, const QByteArray& value) {
        if (line.size() < pos - 1 + value.size()) line.resize(pos - 1 + value.size(), ' ');
        line.replace(pos - 1, value.size(), value);
    }
    qsizetype lineWith(const QList<QByteArray>& lines, const QList<char>& segments) {
        QList<qsizetype> found;
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (!lines[i].isEmpty() && segments.contains(lines[i].at(0))) found << i;
        return found.isEmpty() ? -1 : oneOf(found);
    }

    void edit(QList<QByteArray>& lines, QStringList* log) {
        const qsizetype i = pick(int(lines.size()));
        QByteArray& line = lines[i];
        switch (pick(11)) {
        case 0: {   // a byte changed anywhere
            if (line.isEmpty()) break;
            const int at = pick(int(line.size()));
            line[at] = char(random_());
            *log << QStringLiteral("line %1: byte %2 changed").arg(i + 1).arg(at + 1);
            break;
        }
        case 1: {   // a line doubled
            const qsizetype to = pick(int(lines.size()) + 1);
            lines.insert(to, lines[i]);
            *log << QStringLiteral("line %1 repeated at %2").arg(i + 1).arg(to + 1);
            break;
        }
        case 2: {   // a line dropped, or two swapped
            if (chance(50)) {
                lines.removeAt(i);
                *log << QStringLiteral("line %1 dropped").arg(i + 1);
            } else {
                const qsizetype j = pick(int(lines.size()));
                lines.swapItemsAt(i, j);
                *log << QStringLiteral("lines %1 and %2 swapped").arg(i + 1).arg(j + 1);
            }
            break;
        }
        case 3: {   // a line far longer than any segment, or a new one
            const int length = chance(15) ? 1000000 + pick(1500000) : 800 + pick(20000);
            const char fill = oneOf(QList<char>{'0', '9', ' ', 'A', 'Z', 'x', char(0xE9), '\0'});
            if (chance(50)) {
                line.append(QByteArray(length, fill));
                *log << QStringLiteral("line %1 made %2 characters longer").arg(i + 1).arg(length);
            } else {
                const char segment = "ABCDEGHIJKLMNOPQRSZ"[pick(19)];
                lines.insert(i, segment + lines[i].mid(1, 19) + QByteArray(length, fill));
                *log << QStringLiteral("a %1 line of %2 characters put at %3").arg(QLatin1Char(segment)).arg(length).arg(i + 1);
            }
            break;
        }
        case 4: {   // NUL bytes
            if (line.isEmpty()) break;
            const int n = 1 + pick(8);
            for (int k = 0; k < n; ++k) line[pick(int(line.size()))] = '\0';
            *log << QStringLiteral("line %1: %2 NUL bytes").arg(i + 1).arg(n);
            break;
        }
        case 5: {   // a date that is no date
            const qsizetype j = lineWith(lines, dateFields().keys());
            if (j < 0) break;
            const int pos = oneOf(dateFields()[lines[j].at(0)]);
            const QByteArray value = oneOf(QList<QByteArray>{"31022024", "00000000", "99999999", "3102202A", "        ",
                                                            "29022023", "01132024", "0\0\0\0\0\0\0\0", "-1012024"});
            put(lines[j], pos, value);
            *log << QStringLiteral("line %1: date at %2 made \"%3\"").arg(j + 1).arg(pos).arg(QString::fromLatin1(value));
            break;
        }
        case 6:
        case 7: {   // an amount that is no number, or too large
            const qsizetype j = lineWith(lines, amountFields().keys());
            if (j < 0) break;
            const int pos = oneOf(amountFields()[lines[j].at(0)]);
            const QByteArray value = oneOf(QList<QByteArray>{
                "00000000ABC,00", "-0000000000100", "   12  3456   ", "1e300000000000", "0000000000,5,0",
                "99999999999999", "++++++++++++++", "0x000000001234", "              ", "nan           ",
                "inf           ", "0000000000.500", "00000000012345"});
            put(lines[j], pos, value);
            *log << QStringLiteral("line %1: amount at %2 made \"%3\"").arg(j + 1).arg(pos).arg(QString::fromLatin1(value));
            break;
        }
        case 8:
        case 9: {   // a count or whole number far too large, or not one
            const qsizetype j = lineWith(lines, countFields().keys());
            if (j < 0) break;
            const auto [pos, width] = oneOf(countFields()[lines[j].at(0)]);
            QByteArray value = oneOf(QList<QByteArray>{"9", "0", "A", "-", " ", "4"}).repeated(width);
            if (chance(30)) value = QByteArray("4294967296123456").left(width);
            put(lines[j], pos, value);
            *log << QStringLiteral("line %1: number at %2 made \"%3\"").arg(j + 1).arg(pos).arg(QString::fromLatin1(value));
            break;
        }
        default: {   // a line cut short
            const int at = pick(int(line.size()) + 1);
            line.truncate(at);
            *log << QStringLiteral("line %1 cut at %2").arg(i + 1).arg(at);
            break;
        }
        }
    }

    std::mt19937_64 random_;
};

// ---- what a run must leave ---------------------------------------------------------------

// Kills the test with a message when one run takes far too long: a hang
// becomes a failure that names the seed and the round.
class Watchdog {
public:
    explicit Watchdog(int seconds) : thread_([this, seconds] { watch(seconds); }) {}
    ~Watchdog() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            stop_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    void arm(const QString& what) {
        std::lock_guard<std::mutex> lock(mutex_);
        what_ = what.toStdString();
        since_ = std::chrono::steady_clock::now();
        armed_ = true;
    }
    void disarm() {
        std::lock_guard<std::mutex> lock(mutex_);
        armed_ = false;
    }

private:
    void watch(int seconds) {
        std::unique_lock<std::mutex> lock(mutex_);
        while (!stop_) {
            wake_.wait_for(lock, std::chrono::milliseconds(500));
            if (armed_ && std::chrono::steady_clock::now() - since_ > std::chrono::seconds(seconds)) {
                std::fprintf(stderr, "the import hangs: %s\n", what_.c_str());
                std::fflush(stderr);
                std::abort();
            }
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
    bool armed_ = false;
    std::string what_;
    std::chrono::steady_clock::time_point since_;
    std::thread thread_;
};

// The taxpayers' rows as they stand, to restore them and to see what changed.
struct TaxpayerRows {
    QMap<QString, QSqlRecord> byIE;

    static TaxpayerRows read() {
        TaxpayerRows rows;
        QSqlQuery q(storage::db());
        q.exec(QStringLiteral("select * from Contribuintes"));
        while (q.next()) rows.byIE.insert(q.value(QStringLiteral("IE")).toString(), q.record());
        return rows;
    }
    void restore() const {
        QSqlQuery del(storage::db());
        del.exec(QStringLiteral("delete from Contribuintes"));
        for (const QSqlRecord& r : byIE) {
            QStringList names, marks;
            for (int i = 0; i < r.count(); ++i) {
                names << r.fieldName(i);
                marks << QStringLiteral("?");
            }
            QSqlQuery q(storage::db());
            q.prepare(QStringLiteral("insert into Contribuintes (") + names.join(QLatin1Char(',')) +
                      QStringLiteral(") values (") + marks.join(QLatin1Char(',')) + QLatin1Char(')'));
            for (int i = 0; i < r.count(); ++i) q.addBindValue(r.value(i));
            if (!q.exec()) throw std::runtime_error("taxpayer rows could not be restored");
        }
    }
};

bool sameRow(const QSqlRecord& a, const QSqlRecord& b) {
    if (a.count() != b.count()) return false;
    for (int i = 0; i < a.count(); ++i)
        if (a.value(i) != b.value(i)) return false;
    return true;
}

// The line reader against a plain split of the same bytes.
void checkReader(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    AccountFileReader reader(buffer);
    const QList<QByteArray> expected = splitLines(bytes);
    AccountLine line;
    qsizetype n = 0;
    while (reader.next(line)) {
        ASSERT_LT(n, expected.size()) << "the reader found more lines than the file has";
        const QByteArray& e = expected[n];
        ASSERT_EQ(line.number, n + 1);
        ASSERT_EQ(line.length, e.size()) << "line " << n + 1;
        ASSERT_EQ(line.text, cp1252::decode(e.left(kAccountLineKept))) << "line " << n + 1;
        ++n;
    }
    ASSERT_EQ(n, expected.size());
    ASSERT_TRUE(reader.error().isEmpty());
    ASSERT_EQ(reader.bytesRead(), bytes.size());
}

class ImportFuzzTest : public ::testing::Test {
protected:
    void SetUp() override { folder_ = std::make_unique<SampleProgramFolder>(); }
    void TearDown() override { folder_.reset(); }
    std::unique_ptr<SampleProgramFolder> folder_;
};

ImportResult importBytes(const QByteArray& bytes, Prompter& prompter) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return importAccountFile(buffer, prompter);
}

TEST_F(ImportFuzzTest, MutatedSampleFilesLeaveOnlyWholeDeclarationsAndNeverHang) {
    const int seconds = qEnvironmentVariableIsSet("VEXA_FUZZ_SECONDS") ? qEnvironmentVariableIntValue("VEXA_FUZZ_SECONDS") : 15;
    const quint64 seed = qEnvironmentVariableIsSet("VEXA_FUZZ_SEED") ? qEnvironmentVariable("VEXA_FUZZ_SEED").toULongLong()
                                                                     : 20240315ULL;
    const QList<QByteArray> sample = splitLines(sampleBytes());
    const TaxpayerRows taxpayers = TaxpayerRows::read();
    ScriptedPrompter prompter;

    // The sample itself imports whole: every declaration with all its records.
    const ImportResult clean = importBytes(sampleBytes(), prompter);
    ASSERT_TRUE(clean.allImported());
    QMap<QString, StoredDeclaration> stored = storedDeclarations();
    ASSERT_EQ(stored.size(), 12);
    for (const AccountBlock& b : accountBlocks(sample)) ASSERT_EQ(stored[b.key].records, b.records) << b.key.toStdString();

    // Where each declaration of the sample starts, to take slices of whole declarations.
    QList<qsizetype> starts;
    for (qsizetype i = 0; i < sample.size(); ++i)
        if (sample[i].startsWith('A')) starts << i;
    starts << sample.size();

    Mutator mutator(seed);
    Watchdog watchdog(120);
    QElapsedTimer clock;
    clock.start();
    int rounds = 0, imported = 0, refused = 0, failed = 0;
    while (clock.elapsed() < qint64(seconds) * 1000) {
        ++rounds;
        clearDeclarations();
        taxpayers.restore();

        // One to all twelve declarations of the sample, then broken.
        const int first = mutator.pick(12);
        const int count = 1 + mutator.pick(12 - first);
        QStringList log;
        const QByteArray bytes = mutator.mutate(sample.mid(starts[first], starts[first + count] - starts[first]), &log);
        const std::string where = QStringLiteral("seed %1, round %2, declarations %3 to %4: %5")
                                      .arg(seed)
                                      .arg(rounds)
                                      .arg(first + 1)
                                      .arg(first + count)
                                      .arg(log.join(QStringLiteral("; ")))
                                      .toStdString();
        SCOPED_TRACE(where);

        checkReader(bytes);
        if (HasFatalFailure()) return;

        watchdog.arm(QString::fromStdString(where));
        QElapsedTimer one;
        one.start();
        const ImportResult r = importBytes(bytes, prompter);
        watchdog.disarm();
        ASSERT_LT(one.elapsed(), 20000) << "one file took " << one.elapsed() << " ms";

        // The run tells what it did.
        if (r.end == ImportEnd::Failed) {
            ASSERT_FALSE(r.failure.isEmpty());
        } else {
            ASSERT_FALSE(r.response.isEmpty());
        }
        imported += r.imported;
        refused += r.refused;
        failed += r.end == ImportEnd::Failed;

        // Only whole declarations are left, each with the records of one of
        // the file's declarations under its key, and nothing without them.
        stored = storedDeclarations();
        ASSERT_EQ(orphanRows(), 0);
        ASSERT_EQ(stored.size(), r.imported);
        const QList<AccountBlock> blocks = accountBlocks(splitLines(bytes));
        for (auto it = stored.cbegin(); it != stored.cend(); ++it) {
            ASSERT_TRUE(it->imported) << it.key().toStdString() << " is stored but not marked as imported";
            bool whole = false;
            for (const AccountBlock& b : blocks) whole = whole || (b.key == it.key() && b.records == it->records);
            ASSERT_TRUE(whole) << it.key().toStdString() << " does not hold the records of its declaration";
        }
        // A taxpayer none of whose declarations was stored keeps its row as it was.
        const TaxpayerRows after = TaxpayerRows::read();
        ASSERT_EQ(after.byIE.keys(), taxpayers.byIE.keys());
        for (auto it = taxpayers.byIE.cbegin(); it != taxpayers.byIE.cend(); ++it) {
            bool hasDeclaration = false;
            for (const QString& key : stored.keys()) hasDeclaration = hasDeclaration || key.startsWith(it.key());
            if (hasDeclaration) continue;
            ASSERT_TRUE(sameRow(after.byIE[it.key()], *it)) << "taxpayer " << it.key().toStdString() << " changed";
        }
    }
    // The time allowed gives the mutator room to reach every kind of end.
    EXPECT_GT(rounds, 20);
    std::printf("%d mutated files in %d s (seed %llu): %d declarations imported, %d refused, %d runs stopped\n", rounds,
                seconds, static_cast<unsigned long long>(seed), imported, refused, failed);
}

} // namespace
