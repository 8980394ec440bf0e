// Writing a backup archive: the header, each file's entry and its sections of
// zlib-compressed (or stored) chunks, the volume records and the end mark.
#include "backup/BackupFile.h"

#include "common/Cp1252.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <algorithm>
#include <limits>
#include <memory>
#include <zlib.h>

namespace vexa::backup {

namespace {

QByteArray int32Bytes(qint32 v) {
    const quint32 u = quint32(v);
    const char b[4] = {char(u & 0xFF), char((u >> 8) & 0xFF), char((u >> 16) & 0xFF), char((u >> 24) & 0xFF)};
    return QByteArray(b, 4);
}

qint32 clampedInt32(qint64 v) { return qint32(std::min<qint64>(v, std::numeric_limits<qint32>::max())); }

bool hasWildcard(const QString& name) { return name.contains(u'*') || name.contains(u'?'); }

} // namespace

QStringList BackupFile::expandPatterns(const QStringList& patterns, const QString& excluded) {
    const QString skip = excluded.isEmpty() ? QString() : QFileInfo(excluded).absoluteFilePath();
    QStringList files;
    QSet<QString> seen;
    for (QString pattern : patterns) {
        bool subfolders = false;
        if (pattern.endsWith(QStringLiteral(" /s"), Qt::CaseInsensitive)) {
            subfolders = true;
            pattern.chop(3);
            pattern = pattern.trimmed();
        }
        const QFileInfo info(pattern);
        QStringList found;
        if (!subfolders && !hasWildcard(info.fileName())) {
            if (info.isFile()) found << info.absoluteFilePath();
        } else {
            QDirIterator it(info.absolutePath(), {info.fileName()}, QDir::Files | QDir::Hidden,
                            subfolders ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
            while (it.hasNext()) found << QFileInfo(it.next()).absoluteFilePath();
            std::sort(found.begin(), found.end());
        }
        for (const QString& f : found) {
            if (f == skip) continue;
            const QString key = f.toLower();
            if (seen.contains(key)) continue;
            seen.insert(key);
            files << f;
        }
    }
    return files;
}

class ArchiveWriter {
public:
    ArchiveWriter(BackupFile& owner, QString archivePath) : o_(owner), archive_(std::move(archivePath)) {}

    bool run(const QStringList& files) {
        qint64 total = 0;
        for (const QString& f : files) total += QFileInfo(f).size();
        total_ = total;
        if (!openVolume(0)) return false;
        const QByteArray title = cp1252::encode(o_.title_);
        if (!writeInt(qint32(title.size())) || !write(title) || !writeInt(clampedInt32(total)) ||
            !writeInt(clampedInt32(files.size())))
            return false;
        for (const QString& f : files) {
            if (!writeFile(f)) return false;
        }
        if (!writeInt(0)) return false;
        return closeVolume();
    }

    // A failed or cancelled backup leaves nothing behind: the volume being
    // written is dropped and the volumes already closed are removed.
    void discard() {
        if (out_) out_->cancelWriting();
        out_.reset();
        for (const QString& v : closed_) QFile::remove(v);
        closed_.clear();
    }

private:
    bool openVolume(int number) {
        const QString path = number == 0 ? archive_ : volumePath(archive_, number);
        out_ = std::make_unique<QSaveFile>(path);
        volume_ = number;
        blocksInVolume_ = 0;
        if (!out_->open(QIODevice::WriteOnly)) return o_.fail(ArchiveError::CannotWriteArchive, path);
        return true;
    }

    bool closeVolume() {
        const QString path = out_->fileName();
        if (!out_->commit()) {
            out_.reset();
            return o_.fail(ArchiveError::CannotWriteArchive, path);
        }
        out_.reset();
        closed_ << path;
        return true;
    }

    bool write(const QByteArray& bytes) {
        if (out_->write(bytes) != bytes.size()) return o_.fail(ArchiveError::CannotWriteArchive, out_->fileName());
        return true;
    }
    bool writeInt(qint32 v) { return write(int32Bytes(v)); }
    bool writeRecord(const QByteArray& bytes) { return writeInt(qint32(bytes.size())) && write(bytes); }

    // The volume is full when the next block might not fit; a volume always
    // takes at least one block, so that a small volume size cannot stall.
    bool volumeFull() const {
        return o_.maxVolumeSize_ > 0 && blocksInVolume_ > 0 && out_->pos() >= o_.maxVolumeSize_ - kVolumeReserve;
    }

    bool switchVolume() {
        const int next = volume_ + 1;
        if (next > kMaxVolumes) return o_.fail(ArchiveError::CannotWriteArchive, volumePath(archive_, next));
        if (!writeRecord(kNextDisk + QByteArray::number(next).rightJustified(3, '0')) || !closeVolume()) return false;
        if (o_.nextVolume_ && !o_.nextVolume_(next)) {
            o_.cancelled_ = true;
            return false;
        }
        return openVolume(next);
    }

    bool writeBlock(const QByteArray& chunk) {
        uLongf packedSize = kChunkSize;
        const int rc = compress2(reinterpret_cast<Bytef*>(packed_.data()), &packedSize,
                                 reinterpret_cast<const Bytef*>(chunk.constData()), uLong(chunk.size()),
                                 zlibLevel(o_.level_));
        ++blocksInVolume_;
        if (rc == Z_OK) return writeInt(qint32(packedSize)) && write(QByteArray::fromRawData(packed_.constData(), qsizetype(packedSize)));
        if (rc == Z_BUF_ERROR) return writeInt(-qint32(chunk.size())) && write(chunk);   // does not shrink: stored
        return o_.fail(ArchiveError::CompressionError, QString::number(rc));
    }

    bool readChunk(QFile& in, QByteArray& chunk) {
        chunk.resize(kChunkSize);
        const qint64 n = in.read(chunk.data(), kChunkSize);
        if (n < 0) return o_.fail(ArchiveError::CannotReadFile, in.fileName());
        chunk.resize(qsizetype(n));
        return true;
    }

    bool writeFile(const QString& path) {
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly)) return o_.fail(ArchiveError::CannotReadFile, path);
        const QFileInfo info(path);
        if (!writeRecord(cp1252::encode(info.absoluteFilePath().toLower())) || !writeInt(toDosTime(info.lastModified())))
            return false;
        o_.report(done_, total_, path);
        QByteArray chunk;
        if (!readChunk(in, chunk)) return false;
        do {   // an empty file still has its one section
            if (!write(kSectionMarker)) return false;
            while (!chunk.isEmpty() && !volumeFull()) {
                if (!writeBlock(chunk)) return false;
                done_ += chunk.size();
                o_.report(done_, total_, path);
                if (o_.cancelled_) return false;
                if (!readChunk(in, chunk)) return false;
            }
            if (!writeInt(0)) return false;
            if (!chunk.isEmpty() && !switchVolume()) return false;
        } while (!chunk.isEmpty());
        return true;
    }

    BackupFile& o_;
    const QString archive_;
    std::unique_ptr<QSaveFile> out_;
    QStringList closed_;
    QByteArray packed_ = QByteArray(kChunkSize, '\0');
    int volume_ = 0;
    int blocksInVolume_ = 0;
    qint64 total_ = 0;
    qint64 done_ = 0;
};

bool BackupFile::backup(const QStringList& patterns, const QString& archivePath) {
    if (running_) return false;
    running_ = true;
    cancelled_ = false;
    lastError_ = ArchiveError::None;
    lastDetail_.clear();
    ArchiveWriter writer(*this, archivePath);
    const bool ok = writer.run(expandPatterns(patterns, archivePath)) && !cancelled_;
    if (!ok) writer.discard();
    running_ = false;
    return ok;
}

bool BackupFile::fail(ArchiveError error, const QString& detail) {
    if (lastError_ == ArchiveError::None) {
        lastError_ = error;
        lastDetail_ = detail;
        if (onError_) onError_(error, detail);
    }
    return false;
}

void BackupFile::report(qint64 done, qint64 total, const QString& file) {
    if (progress_) progress_(done, total, file);
}

QString BackupFile::lastErrorText() const {
    if (lastError_ == ArchiveError::None) return {};
    const QString text = errorText(lastError_);
    return lastDetail_.isEmpty() ? text : text + QStringLiteral(": ") + lastDetail_;
}

} // namespace vexa::backup
