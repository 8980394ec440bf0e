#pragma once
// The backup archive (".bak"), byte for byte. Every integer is a 32-bit signed
// little-endian number.
//
//   title length T, title (T bytes), total size of the files, file count,
//   then one entry per file, then the end mark 0.
//   entry:   name length L (> 0), name (the full path, lower case), file time
//            (packed DOS date in the high 16 bits, time in the low 16 bits),
//            then one or more data sections.
//   section: "EC2\0", blocks, 0. A block is n and its bytes: n > 0, one whole
//            zlib stream holding the next chunk of at most 16384 bytes;
//            n < 0, the chunk of -n bytes stored as it is.
//   volumes: when a volume size is set, a volume ends after a section with the
//            record "NEXT:DISK" + three digits (length-prefixed); the next
//            volume is the archive's name with the extension ".001", ".002"...
//            and goes on with a new section of the same file.
//
// This unit knows nothing of the database: it turns files into an archive and
// an archive back into files of a folder.

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace vexa::backup {

inline constexpr int kChunkSize = 16384;
// A volume closes its section once the write position reaches the volume size
// less this reserve, so that the next block and the volume record still fit.
inline constexpr qint64 kVolumeReserve = 16484;
inline constexpr int kMaxVolumes = 999;     // three digits in the volume names
inline const QByteArray kSectionMarker("EC2\0", 4);
inline const QByteArray kNextDisk("NEXT:DISK");
// The optional first entry some archives carry with the list of their files.
inline const QByteArray kFileListEntry("FILE:LIST");

// What a reader accepts before calling an archive malformed.
inline constexpr int kMaxTitleLength = 255;
inline constexpr int kMaxNameLength = 1024;

// The component's errors, by number, with their texts.
enum class ArchiveError {
    None = 0,
    CannotReadFile = 1,
    OverwritingFailed = 2,
    CannotReadArchive = 3,
    CannotWriteArchive = 4,
    InvalidArchiveType = 5,
    CompressionError = 6,
    CannotCreateFileIdList = 7,
};
QString errorText(ArchiveError error);

enum class CompressionLevel { None, Fastest, Default, Best };
int zlibLevel(CompressionLevel level);

// The file time in the packed DOS form, local time, seconds in steps of two;
// times before 1980 or after 2107 are clamped to the ends of the range.
qint32 toDosTime(const QDateTime& at);
// Invalid when the packed value is no real date and time.
QDateTime fromDosTime(qint32 packed);

// The name a stored path is restored under: its last component, whatever the
// separators ('/', '\\', a drive's ':'). Empty when nothing usable is left
// ("", ".", "..", control characters).
QString restoredFileName(const QString& storedName);

// The name of volume number n (1 for the second file): the archive's path with
// its extension replaced by "." and three digits.
QString volumePath(const QString& archivePath, int number);

} // namespace vexa::backup
