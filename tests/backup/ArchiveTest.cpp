// The archive component on its own: what it writes, read back here without
// its reader; archives put together by hand restored; damaged and hostile
// archives refused with nothing left behind.

#include "ArchiveBuilder.h"

#include "backup/BackupFile.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

using namespace vexa;
using namespace vexa::backup;
using namespace vexa::test;

namespace {

// An independent reading of the layout, straight from the bytes.
struct Cursor {
    QByteArray data;
    qsizetype at = 0;
    qint32 i32() {
        EXPECT_LE(at + 4, data.size());
        quint32 v = 0;
        for (int i = 0; i < 4; ++i) v |= quint32(quint8(data[at + i])) << (8 * i);
        at += 4;
        return qint32(v);
    }
    QByteArray take(qsizetype n) {
        EXPECT_LE(at + n, data.size());
        const QByteArray b = data.mid(at, n);
        at += n;
        return b;
    }
};

QByteArray inflateWhole(const QByteArray& stream) {
    z_stream z{};
    EXPECT_EQ(inflateInit(&z), Z_OK);
    QByteArray out(32768, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.constData()));
    z.avail_in = uInt(stream.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    EXPECT_EQ(inflate(&z, Z_FINISH), Z_STREAM_END);
    EXPECT_EQ(z.avail_in, 0u) << "one whole stream, nothing after it";
    out.resize(qsizetype(z.total_out));
    inflateEnd(&z);
    return out;
}

struct Entry {
    QByteArray name;
    qint32 time = 0;
    QList<qint32> blocks;
    QByteArray content;
};

class ArchiveTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
    QString write(const QString& name, const QByteArray& content) {
        QFile f(path(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        return path(name);
    }
    QStringList filesIn(const QString& folder) const {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    }
};

TEST_F(ArchiveTest, WrittenArchiveReadBackWithoutTheReader) {
    QByteArray text;
    for (int i = 0; text.size() < 40000; ++i) text += "linha " + QByteArray::number(i) + " da tabela Vexas\n";
    text.truncate(40000);
    const QString big = write("Big.DB", text);
    const QString rand = write("noise.bin", noise(20000));
    const QString empty = write("empty.db", {});
    {
        QFile f(big);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        f.setFileTime(QDateTime(QDate(2024, 3, 15), QTime(10, 30, 15)), QFileDevice::FileModificationTime);
    }
    BackupFile archive;
    archive.setTitle("VEXA10");
    ASSERT_TRUE(archive.backup({big, rand, empty}, path("out.bak"))) << archive.lastErrorText().toStdString();

    Cursor c{fileBytes(path("out.bak"))};
    EXPECT_EQ(c.take(c.i32()), "VEXA10");
    EXPECT_EQ(c.i32(), 60000) << "total size";
    EXPECT_EQ(c.i32(), 3) << "file count";
    QList<Entry> entries;
    for (qint32 length = c.i32(); length != 0; length = c.i32()) {
        Entry e;
        e.name = c.take(length);
        e.time = c.i32();
        EXPECT_EQ(c.take(4), QByteArray("EC2\0", 4));
        for (qint32 n = c.i32(); n != 0; n = c.i32()) {
            e.blocks << n;
            const QByteArray chunk = n > 0 ? inflateWhole(c.take(n)) : c.take(-qint64(n));
            EXPECT_LE(chunk.size(), 16384);
            e.content += chunk;
        }
        entries << e;
    }
    EXPECT_EQ(c.at, c.data.size()) << "nothing after the end mark";
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].name, QFileInfo(big).absoluteFilePath().toLower().toUtf8());
    EXPECT_EQ(entries[0].time, kSomeDosTime) << "local time, seconds halved";
    EXPECT_EQ(entries[0].content, text);
    EXPECT_EQ(entries[0].blocks.size(), 3);
    EXPECT_GT(entries[0].blocks[0], 0);
    ASSERT_EQ(entries[1].blocks.size(), 2);
    EXPECT_EQ(entries[1].blocks[0], -16384) << "noise does not shrink into a chunk's room: stored as it is";
    EXPECT_GT(entries[1].blocks[1], 3616) << "a short chunk grows a little but still fits: packed";
    EXPECT_EQ(entries[1].content, noise(20000));
    EXPECT_TRUE(entries[2].blocks.isEmpty()) << "an empty file has one section and no block";
}

TEST_F(ArchiveTest, HandBuiltArchiveWithStoredBlocksEmptyFileAndTwoVolumesRestores) {
    const QByteArray first = noise(16384, 3), second = QByteArray(5000, 'x');
    ArchiveBuilder a;
    a.header("VEXA10", 11 + 0 + 16384 + 5000, 3)
        .file("FILE:LIST", "c:\\vexa10\\db\\a.db\t1=11\r\n")
        .entry("c:\\vexa10\\db\\a.db").section().storedBlock("hello").zBlock(" world").endSection()
        .entry("c:\\vexa10\\db\\zero.db").section().endSection()
        .entry("c:\\vexa10\\db\\b.db").section().storedBlock(first).endSection().nextDisk(1);
    ASSERT_TRUE(a.save(path("hand.bak")));
    ArchiveBuilder second_volume;
    second_volume.section().zBlock(second).endSection().end();
    ASSERT_TRUE(second_volume.save(path("hand.001")));

    BackupFile archive;
    QList<int> asked;
    archive.setNextVolume([&](int n) {
        asked << n;
        return true;
    });
    QList<RestoredFile> written;
    const QString out = path("out");
    ASSERT_TRUE(archive.restore(path("hand.bak"), out, &written)) << archive.lastErrorText().toStdString();
    EXPECT_EQ(asked, QList<int>{1});
    EXPECT_EQ(filesIn(out), (QStringList{"a.db", "b.db", "zero.db"})) << "the list of file IDs is no file";
    EXPECT_EQ(fileBytes(out + "/a.db"), "hello world");
    EXPECT_EQ(fileBytes(out + "/b.db"), first + second);
    EXPECT_EQ(QFileInfo(out + "/zero.db").size(), 0);
    EXPECT_EQ(QFileInfo(out + "/zero.db").lastModified(), QDateTime(QDate(2024, 3, 15), QTime(10, 30, 14)));
    ASSERT_EQ(written.size(), 3);
    EXPECT_EQ(written[0].storedName, "c:\\vexa10\\db\\a.db");
}

TEST_F(ArchiveTest, VolumesStayWithinTheirSizeAndReadBack) {
    const QByteArray data = noise(100000);
    const QString source = write("dados.db", data);
    BackupFile archive;
    archive.setTitle("VEXA10");
    archive.setMaxVolumeSize(40000);
    QList<int> asked;
    archive.setNextVolume([&](int n) {
        asked << n;
        return true;
    });
    ASSERT_TRUE(archive.backup({source}, path("vol.bak")));
    EXPECT_EQ(asked, (QList<int>{1, 2, 3}));
    for (const QString v : {"vol.bak", "vol.001", "vol.002", "vol.003"}) EXPECT_LE(QFileInfo(path(v)).size(), 40000) << v.toStdString();
    EXPECT_TRUE(fileBytes(path("vol.001")).startsWith(QByteArray("EC2\0", 4)));
    EXPECT_TRUE(fileBytes(path("vol.bak")).contains("NEXT:DISK001"));

    asked.clear();
    ASSERT_TRUE(archive.restore(path("vol.bak"), path("out"))) << archive.lastErrorText().toStdString();
    EXPECT_EQ(asked, (QList<int>{1, 2, 3}));
    EXPECT_EQ(fileBytes(path("out/dados.db")), data);

    // The third disk refused: none of the volumes already written stays.
    archive.setNextVolume([](int n) { return n < 2; });
    EXPECT_FALSE(archive.backup({source}, path("novo.bak")));
    EXPECT_TRUE(archive.wasCancelled());
    EXPECT_FALSE(QFile::exists(path("novo.bak")));
    EXPECT_FALSE(QFile::exists(path("novo.001")));
}

TEST_F(ArchiveTest, StoredNamesAreRestoredByTheirLastPartInsideTheFolder) {
    ArchiveBuilder a;
    const QList<QByteArray> names{"../../fora1.db", "..\\..\\fora2.db", "/etc/fora3.db", "c:\\windows\\fora4.db", "C:fora5.db"};
    a.header("VEXA10", 5, qint32(names.size()));
    for (const QByteArray& n : names) a.file(n, "x");
    a.end();
    ASSERT_TRUE(a.save(path("a.bak")));
    QDir(dir.path()).mkpath("deep/er");
    BackupFile archive;
    ASSERT_TRUE(archive.restore(path("a.bak"), path("deep/er")));
    EXPECT_EQ(filesIn(path("deep/er")), (QStringList{"fora1.db", "fora2.db", "fora3.db", "fora4.db", "fora5.db"}));
    EXPECT_EQ(filesIn(path("deep")), QStringList{});
    EXPECT_EQ(filesIn(dir.path()), QStringList{"a.bak"});
}

TEST_F(ArchiveTest, HostileArchivesAreRefusedAndLeaveNothing) {
    const qint32 kMin = std::numeric_limits<qint32>::min(), kMax = std::numeric_limits<qint32>::max();
    auto head = [](qint32 total = 1000, qint32 count = 5) { return ArchiveBuilder().header("VEXA10", total, count); };
    auto inFile = [&](qint32 total = 1000) { return head(total).entry("c:\\db\\a.db").section(); };
    QByteArray flipped = ArchiveBuilder::deflated(QByteArray(3000, 'a') + noise(500));
    flipped[flipped.size() / 2] = char(flipped[flipped.size() / 2] ^ 0x55);

    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"empty file", {}},
        {"title length negative", ArchiveBuilder().i32(-1).raw("VEXA10").bytes},
        {"title length huge", ArchiveBuilder().i32(kMax).raw("VEXA10").bytes},
        {"header cut short", ArchiveBuilder().record("VEXA10").i32(10).bytes},
        {"negative total", ArchiveBuilder().header("VEXA10", -1, 1).end().bytes},
        {"name length negative", head().i32(-5).bytes},
        {"name length huge", head().i32(1 << 30).raw("abc").bytes},
        {"name of nothing", head().file("c:\\vexa\\", "x").end().bytes},
        {"name '..'", head().file("c:\\vexa\\..", "x").end().bytes},
        {"name '.'", head().file("db/.", "x").end().bytes},
        {"name with a control character", head().file("a\x01z.db", "x").end().bytes},
        {"block length INT_MIN", inFile().i32(kMin).bytes},
        {"packed block over a chunk", inFile().i32(16385).raw(QByteArray(16385, 'a')).endSection().end().bytes},
        {"stored block over a chunk", inFile().i32(-16385).raw(QByteArray(16385, 'a')).endSection().end().bytes},
        {"block longer than the file", inFile().i32(5000).raw("abc").bytes},
        {"corrupt zlib stream", inFile(5000).packed(flipped).endSection().end().bytes},
        {"bytes after the zlib stream", inFile().packed(ArchiveBuilder::deflated("abc") + "xyz").endSection().end().bytes},
        {"inflating bomb", inFile(kMax - 1).packed(ArchiveBuilder::deflated(QByteArray(1 << 20, '\0'), 9)).endSection().end().bytes},
        {"more bytes than announced", inFile(3).storedBlock("0123456789").endSection().end().bytes},
        {"more files than announced", head(10, 1).file("a.db", "1").file("b.db", "2").end().bytes},
        {"section before any entry", head().section().endSection().end().bytes},
        {"entry without a section", head().entry("a.db").end().bytes},
        {"no end mark", head().file("a.db", "abc").bytes},
        {"garbage after a section", head().file("a.db", "abc").raw("XXXXXXXX").bytes},
        {"next volume missing", inFile().storedBlock("ab").endSection().nextDisk(1).bytes},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = path("hostile.bak"), out = path("out");
        ASSERT_TRUE(ArchiveBuilder{c.bytes}.save(file));
        QDir(out).removeRecursively();
        BackupFile archive;
        EXPECT_FALSE(archive.restore(file, out));
        EXPECT_NE(archive.lastError(), ArchiveError::None);
        EXPECT_EQ(filesIn(out), QStringList{});
    }

    // Cut short anywhere, a sound archive is refused whole.
    ArchiveBuilder sound = head(16384 + 3 + 0, 3);
    sound.file("a.db", QByteArray(16384, 'q')).entry("b.db").section().storedBlock("abc").endSection().file("c.db", {}).end();
    for (qsizetype n = 0; n < sound.bytes.size(); ++n) {
        ASSERT_TRUE(ArchiveBuilder{sound.bytes.left(n)}.save(path("cut.bak")));
        QDir(path("out")).removeRecursively();
        BackupFile archive;
        EXPECT_FALSE(archive.restore(path("cut.bak"), path("out"))) << "cut at " << n;
        EXPECT_EQ(filesIn(path("out")), QStringList{}) << "cut at " << n;
    }
    ASSERT_TRUE(sound.save(path("whole.bak")));
    BackupFile archive;
    EXPECT_TRUE(archive.restore(path("whole.bak"), path("out")));
}

TEST(ArchiveFormat, FileTimesNamesAndVolumeNames) {
    EXPECT_EQ(toDosTime(QDateTime(QDate(2024, 3, 15), QTime(10, 30, 15))), kSomeDosTime);
    EXPECT_EQ(fromDosTime(kSomeDosTime), QDateTime(QDate(2024, 3, 15), QTime(10, 30, 14)));
    EXPECT_EQ(fromDosTime(toDosTime(QDateTime(QDate(1970, 6, 1), QTime(8, 0)))), QDateTime(QDate(1980, 1, 1), QTime(0, 0)));
    EXPECT_FALSE(fromDosTime(qint32((44u << 25) | (13u << 21) | (1u << 16))).isValid()) << "month 13";
    EXPECT_FALSE(fromDosTime(-1).isValid());

    EXPECT_EQ(volumePath("/x/VEXA10-15032024-1030.bak", 1), "/x/VEXA10-15032024-1030.001");
    EXPECT_EQ(volumePath("/x/copia", 12), "/x/copia.012");
    EXPECT_EQ(restoredFileName("c:\\vexa10\\db\\vexa.db"), "vexa.db");
    EXPECT_EQ(restoredFileName("d:vexa.db"), "vexa.db");
    EXPECT_EQ(restoredFileName("/a/b/"), "");
}

} // namespace
