#pragma once
// The archive component: writes files into a backup archive and restores an
// archive into a folder (see ArchiveFormat.h for the layout). One operation at
// a time; progress goes to a callback, from which the caller may cancel.
//
// Backup: the archive is written beside its final name and takes that name
// only once complete, so a failed or cancelled backup leaves no partial
// archive (and an earlier file of that name stays as it was).
// Restore: every entry goes into the given folder under its file name alone;
// a failed or cancelled restore removes the files it wrote.

#include "backup/ArchiveFormat.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>

namespace vexa::backup {

struct ArchiveHeader {
    QString title;
    qint32 totalSize = 0;   // the sum of the file sizes, for progress
    qint32 fileCount = 0;
};

struct RestoredFile {
    QString path;           // where it was written
    QString storedName;     // the name the archive holds (full path, lower case)
    QDateTime fileTime;     // the stored time (invalid when the archive's was no date)
};

class BackupFile {
public:
    static constexpr const char* kVersion = "3.00";

    // Bytes done of the total, and the file at hand.
    using Progress = std::function<void(qint64 done, qint64 total, const QString& file)>;
    // Asked before volume `number` (1 for the second file) is written or read;
    // false cancels the operation.
    using NextVolume = std::function<bool(int number)>;
    using ErrorHandler = std::function<void(ArchiveError error, const QString& detail)>;

    void setTitle(const QString& title) { title_ = title; }
    void setCompressionLevel(CompressionLevel level) { level_ = level; }
    void setMaxVolumeSize(qint64 bytes) { maxVolumeSize_ = bytes; }   // 0: no limit
    void setProgress(Progress progress) { progress_ = std::move(progress); }
    void setNextVolume(NextVolume handler) { nextVolume_ = std::move(handler); }
    void setErrorHandler(ErrorHandler handler) { onError_ = std::move(handler); }

    // Backs up the files the patterns name into archivePath. A pattern is a
    // path whose last part may hold '*' and '?'; " /s" at its end takes the
    // subfolders too. Files are taken once each, in the order of the patterns;
    // the archive itself is never taken. True when the archive was completed.
    bool backup(const QStringList& patterns, const QString& archivePath);

    // Restores every entry of the archive into folder by its file name alone.
    // True on success; *written (optional) lists the files, each once.
    bool restore(const QString& archivePath, const QString& folder, QList<RestoredFile>* written = nullptr);

    // Reads title, total size and file count. False (with the error) when the
    // file cannot be read or does not begin like an archive.
    bool readHeader(const QString& archivePath, ArchiveHeader& header);

    bool isRunning() const { return running_; }
    void cancel() { cancelled_ = true; }
    bool wasCancelled() const { return cancelled_; }

    ArchiveError lastError() const { return lastError_; }
    QString lastErrorText() const;   // the error's text and its detail

    // The files the patterns name, as backup() takes them.
    static QStringList expandPatterns(const QStringList& patterns, const QString& excluded = {});

private:
    friend class ArchiveWriter;
    friend class ArchiveReader;
    bool fail(ArchiveError error, const QString& detail = {});
    void report(qint64 done, qint64 total, const QString& file);

    QString title_;
    CompressionLevel level_ = CompressionLevel::Fastest;
    qint64 maxVolumeSize_ = 0;
    Progress progress_;
    NextVolume nextVolume_;
    ErrorHandler onError_;
    bool running_ = false;
    std::atomic<bool> cancelled_ = false;
    ArchiveError lastError_ = ArchiveError::None;
    QString lastDetail_;
};

} // namespace vexa::backup
