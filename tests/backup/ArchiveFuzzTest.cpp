// Damaged archives made by a seeded mutator from a sound one (bytes flipped,
// lengths set to extremes, the file cut, slices doubled, dropped or zeroed,
// volume records slipped in) and restored for a bounded time, by the archive
// component alone and through the whole restore. Whatever the archive holds:
// no crash, no hang, nothing left behind, and the database replaced only by a
// sound one.
//
// VEXA_FUZZ_SECONDS sets the time spent (default 3), VEXA_FUZZ_SEED the seed;
// a failure names the seed and the round.

#include "ArchiveBuilder.h"
#include "BackupFixture.h"

#include "backup/BackupFile.h"
#include "backup/CopiaSeguranca.h"
#include "storage/DatabaseCopy.h"

#include <QDir>
#include <QElapsedTimer>
#include <limits>
#include <random>

using namespace vexa;
using namespace vexa::backup;
using namespace vexa::test;

namespace {

class Mutator {
public:
    explicit Mutator(quint64 seed) : random_(seed) {}

    QByteArray mutate(QByteArray b) {
        const int rounds = 1 + pick(3);
        for (int r = 0; r < rounds && !b.isEmpty(); ++r) {
            const qsizetype at = pick(b.size());
            switch (pick(7)) {
            case 0: b[at] = char(b[at] ^ char(1 + pick(255))); break;
            case 1: {
                static const qint32 extremes[] = {0, 1, -1, 12, 16384, 16385, -16384, -16385,
                                                  std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()};
                const QByteArray v = ArchiveBuilder().i32(extremes[pick(10)]).bytes;
                b.replace(at, std::min<qsizetype>(4, b.size() - at), v);
                break;
            }
            case 2: b.truncate(at); break;
            case 3: b.insert(pick(b.size()), b.mid(at, 1 + pick(64))); break;
            case 4: b.remove(at, 1 + pick(64)); break;
            case 5: b.replace(at, 1 + pick(32), QByteArray(1 + pick(32), '\0')); break;
            case 6: b.insert(at, ArchiveBuilder().nextDisk(1).bytes); break;
            }
        }
        return b;
    }

private:
    int pick(qsizetype n) { return n <= 1 ? 0 : int(random_() % quint64(n)); }
    std::mt19937_64 random_;
};

TEST_F(BackupTest, FuzzedArchivesNeverHarmTheDatabase) {
    const QByteArray smallDb = sqliteFile(true);
    ArchiveBuilder sound;
    sound.header("VEXA10", qint32(smallDb.size()), 1)
        .file("FILE:LIST", "c:\\vexa10\\db\\vexa.db\t1=8192\r\n")
        .entry("c:\\vexa10\\db\\vexa.db").section().zBlock(smallDb.left(4096)).storedBlock(smallDb.mid(4096)).endSection()
        .end();
    ASSERT_EQ(smallDb.size(), 8192) << "two pages: one packed block, one stored";

    const QStringList db = databaseState();
    // What puts the database back after an archive that restored: its file,
    // or on a server its rows through an SQLite copy.
    const QByteArray dbFile = onServer() ? QByteArray() : fileBytes(folder.folder().dbFile());
    const QString serverCopy = elsewhere.filePath("servidor.db");
    if (onServer()) {
        QString error;
        ASSERT_TRUE(storage::writeSqliteCopy(serverCopy, {}, &error)) << error.toStdString();
    }
    const double seconds = qEnvironmentVariableIsSet("VEXA_FUZZ_SECONDS") ? qEnvironmentVariable("VEXA_FUZZ_SECONDS").toDouble() : 3;
    const quint64 seed = qEnvironmentVariableIsSet("VEXA_FUZZ_SEED") ? qEnvironmentVariable("VEXA_FUZZ_SEED").toULongLong() : 20240315;
    Mutator mutator(seed);
    const QString file = elsewhere.filePath("fuzz.bak"), out = elsewhere.filePath("out");
    CopiaSeguranca run(side, prompter, view);
    int rounds = 0, restored = 0, replaced = 0;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < seconds * 1000) {
        ++rounds;
        SCOPED_TRACE(QStringLiteral("seed %1 round %2").arg(seed).arg(rounds).toStdString());
        ASSERT_TRUE(ArchiveBuilder{mutator.mutate(sound.bytes)}.save(file));
        if (rounds % 8 != 0) {
            BackupFile archive;
            QDir(out).removeRecursively();
            if (archive.restore(file, out)) ++restored;
            else ASSERT_TRUE(QDir(out).isEmpty());
            continue;
        }
        // The whole restore over the program's database.
        prompter.queueAnswer(true);
        view.open = file;
        const BackupOutcome outcome = run.restaurarCopia();
        prompter.clear();
        if (outcome == BackupOutcome::Done) {
            ++replaced;
            QString error;
            if (onServer()) {
                ASSERT_TRUE(reopen());
                ASSERT_TRUE(storage::replaceFromSqlite(serverCopy, {}, &error)) << error.toStdString();
            } else {
                storage::close();
                ASSERT_TRUE(storage::checkDatabaseFile(folder.folder().dbFile(), &error)) << error.toStdString();
                ASSERT_TRUE(ArchiveBuilder{dbFile}.save(folder.folder().dbFile()));
            }
        }
        ASSERT_EQ(databaseState(), db);
        ASSERT_EQ(dbFolderEntries(), dbFolderAtRest());
        ASSERT_TRUE(reopen());
    }
    std::printf("[ fuzz ] seed %llu: %d rounds, %d archives restored, %d databases replaced\n",
                static_cast<unsigned long long>(seed), rounds, restored, replaced);
}

} // namespace
