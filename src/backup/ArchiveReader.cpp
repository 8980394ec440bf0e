// Reading a backup archive back into files. The archive may be broken or made
// to harm: every length is checked before it is used, a block must inflate to
// one whole chunk of at most 16384 bytes, the files together may not grow past
// the size the header announces, and each entry is written under its file name
// alone inside the target folder.
#include "backup/BackupFile.h"

#include "common/Cp1252.h"

#include <QDir>
#include <QFile>
#include <limits>
#include <memory>
#include <zlib.h>

namespace vexa::backup {

namespace {
qint32 int32From(const QByteArray& b) {
    const auto u = [&](int i) { return quint32(quint8(b[i])); };
    return qint32(u(0) | (u(1) << 8) | (u(2) << 16) | (u(3) << 24));
}
} // namespace

class ArchiveReader {
public:
    ArchiveReader(BackupFile& owner, QString archivePath) : o_(owner), archive_(std::move(archivePath)) {}

    bool readHeader(ArchiveHeader& header) {
        in_.setFileName(archive_);
        if (!in_.open(QIODevice::ReadOnly)) return o_.fail(ArchiveError::CannotReadArchive, archive_);
        qint32 titleLength = 0;
        if (!readInt(titleLength)) return false;
        if (titleLength < 0 || titleLength > kMaxTitleLength) return o_.fail(ArchiveError::InvalidArchiveType, archive_);
        QByteArray title;
        if (!read(titleLength, title) || !readInt(header.totalSize) || !readInt(header.fileCount)) return false;
        if (header.totalSize < 0 || header.fileCount < 0) return o_.fail(ArchiveError::InvalidArchiveType, archive_);
        header.title = cp1252::decode(title);
        header_ = header;
        return true;
    }

    bool run(const QString& folder, QList<RestoredFile>& written) {
        ArchiveHeader header;
        if (!readHeader(header)) return false;
        const QDir target(folder);
        for (;;) {
            QByteArray four;
            if (!read(4, four)) return false;
            if (four == kSectionMarker) {
                if (!current_) return malformed();
                if (!readSection()) return false;
                ++sections_;
                continue;
            }
            const qint32 length = int32From(four);
            if (length == 0) return finishEntry(written);   // the end mark
            if (length < 0 || length > kMaxNameLength) return malformed();
            QByteArray name;
            if (!read(length, name)) return false;
            if (name.startsWith(kNextDisk)) {
                if (!nextVolume()) return false;
                continue;
            }
            if (!finishEntry(written) || !startEntry(target, name)) return false;
        }
    }

    // A failed restore takes back what it wrote.
    void discard() {
        out_.reset();
        for (const QString& p : created_) QFile::remove(p);
    }

private:
    bool malformed() { return o_.fail(ArchiveError::CannotReadArchive, archive_); }

    bool read(qint64 n, QByteArray& bytes) {
        bytes = in_.read(n);
        if (bytes.size() != n) return malformed();   // cut short
        return true;
    }
    bool readInt(qint32& v) {
        QByteArray b;
        if (!read(4, b)) return false;
        v = int32From(b);
        return true;
    }

    bool nextVolume() {
        const int next = volume_ + 1;
        if (next > kMaxVolumes) return malformed();
        if (o_.nextVolume_ && !o_.nextVolume_(next)) {
            o_.cancelled_ = true;
            return false;
        }
        in_.close();
        in_.setFileName(volumePath(archive_, next));
        volume_ = next;
        if (!in_.open(QIODevice::ReadOnly)) return o_.fail(ArchiveError::CannotReadArchive, in_.fileName());
        return true;
    }

    bool startEntry(const QDir& target, const QByteArray& storedName) {
        qint32 packedTime = 0;
        if (!readInt(packedTime)) return false;
        entry_ = RestoredFile{};
        entry_.storedName = cp1252::decode(storedName);
        entry_.fileTime = fromDosTime(packedTime);
        sections_ = 0;
        current_ = true;
        // The list of file IDs some archives begin with is no file of theirs.
        if (storedName.compare(kFileListEntry, Qt::CaseInsensitive) == 0) return true;
        if (++entries_ > header_.fileCount) return malformed();
        const QString name = restoredFileName(entry_.storedName);
        if (name.isEmpty()) return o_.fail(ArchiveError::CannotReadArchive, entry_.storedName);
        entry_.path = target.filePath(name);
        out_ = std::make_unique<QFile>(entry_.path);
        if (!out_->open(QIODevice::WriteOnly | QIODevice::Truncate)) return o_.fail(ArchiveError::OverwritingFailed, entry_.path);
        if (!created_.contains(entry_.path)) created_ << entry_.path;
        return true;
    }

    bool finishEntry(QList<RestoredFile>& written) {
        if (!current_) return true;
        if (sections_ == 0) return malformed();
        current_ = false;
        if (!out_) return true;   // a list of file IDs, read and dropped
        const bool ok = out_->flush() && out_->error() == QFileDevice::NoError;
        out_->close();
        out_.reset();
        if (!ok) return o_.fail(ArchiveError::OverwritingFailed, entry_.path);
        if (entry_.fileTime.isValid()) {
            QFile f(entry_.path);
            if (f.open(QIODevice::ReadWrite)) f.setFileTime(entry_.fileTime, QFileDevice::FileModificationTime);
        }
        for (qsizetype i = 0; i < written.size(); ++i)
            if (written[i].path == entry_.path) written.removeAt(i--);   // a later entry of the same name wins
        written << entry_;
        return true;
    }

    bool readSection() {
        for (;;) {
            qint32 n = 0;
            if (!readInt(n)) return false;
            if (n == 0) return true;
            const qint64 length = n > 0 ? qint64(n) : -qint64(n);
            if (length > kChunkSize) return malformed();
            QByteArray block;
            if (!read(length, block)) return false;
            qint64 produced = length;
            if (n > 0) {
                uLongf outLength = kChunkSize;
                uLong inLength = uLong(length);
                const int rc = uncompress2(reinterpret_cast<Bytef*>(chunk_.data()), &outLength,
                                           reinterpret_cast<const Bytef*>(block.constData()), &inLength);
                // More than one chunk's worth, a broken stream or bytes after it: refused.
                if (rc != Z_OK || inLength != uLong(length))
                    return o_.fail(ArchiveError::CompressionError, entry_.storedName);
                produced = qint64(outLength);
                block = QByteArray::fromRawData(chunk_.constData(), qsizetype(outLength));
            }
            if (out_) {
                restored_ += produced;
                if (header_.totalSize < std::numeric_limits<qint32>::max() && restored_ > header_.totalSize)
                    return malformed();   // more than the header announced
                if (out_->write(block) != block.size()) return o_.fail(ArchiveError::OverwritingFailed, entry_.path);
                o_.report(restored_, header_.totalSize, entry_.storedName);
            }
            if (o_.cancelled_) return false;
        }
    }

    BackupFile& o_;
    const QString archive_;
    QFile in_;
    int volume_ = 0;
    ArchiveHeader header_;
    RestoredFile entry_;
    std::unique_ptr<QFile> out_;
    bool current_ = false;
    int sections_ = 0;
    qint64 entries_ = 0;
    qint64 restored_ = 0;
    QStringList created_;
    QByteArray chunk_ = QByteArray(kChunkSize, '\0');
};

bool BackupFile::readHeader(const QString& archivePath, ArchiveHeader& header) {
    lastError_ = ArchiveError::None;
    lastDetail_.clear();
    ArchiveReader reader(*this, archivePath);
    return reader.readHeader(header);
}

bool BackupFile::restore(const QString& archivePath, const QString& folder, QList<RestoredFile>* written) {
    if (running_) return false;
    running_ = true;
    cancelled_ = false;
    lastError_ = ArchiveError::None;
    lastDetail_.clear();
    QList<RestoredFile> files;
    ArchiveReader reader(*this, archivePath);
    const bool ok = QDir().mkpath(folder) ? reader.run(folder, files) && !cancelled_
                                          : fail(ArchiveError::OverwritingFailed, folder);
    if (!ok) {
        reader.discard();
        files.clear();
    }
    if (written) *written = files;
    running_ = false;
    return ok;
}

} // namespace vexa::backup
