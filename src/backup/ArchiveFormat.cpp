#include "backup/ArchiveFormat.h"

#include <QDir>
#include <QFileInfo>
#include <zlib.h>

namespace vexa::backup {

QString errorText(ArchiveError error) {
    switch (error) {
    case ArchiveError::None: return {};
    case ArchiveError::CannotReadFile: return QStringLiteral("Cannot read file");
    case ArchiveError::OverwritingFailed: return QStringLiteral("Overwriting file failed");
    case ArchiveError::CannotReadArchive: return QStringLiteral("Cannot read archive");
    case ArchiveError::CannotWriteArchive: return QStringLiteral("Cannot write to archive");
    case ArchiveError::InvalidArchiveType: return QStringLiteral("Invalid archive type");
    case ArchiveError::CompressionError: return QStringLiteral("Compression error");
    case ArchiveError::CannotCreateFileIdList:
        return QStringLiteral("Cannot create temporary file to save the file IDs");
    }
    return {};
}

int zlibLevel(CompressionLevel level) {
    switch (level) {
    case CompressionLevel::None: return Z_NO_COMPRESSION;
    case CompressionLevel::Fastest: return Z_BEST_SPEED;
    case CompressionLevel::Default: return Z_DEFAULT_COMPRESSION;
    case CompressionLevel::Best: return Z_BEST_COMPRESSION;
    }
    return Z_BEST_SPEED;
}

qint32 toDosTime(const QDateTime& at) {
    QDateTime local = at.toLocalTime();
    const QDateTime first(QDate(1980, 1, 1), QTime(0, 0));
    const QDateTime last(QDate(2107, 12, 31), QTime(23, 59, 58));
    if (!local.isValid() || local < first) local = first;
    if (local > last) local = last;
    const QDate d = local.date();
    const QTime t = local.time();
    const quint32 date = (quint32(d.year() - 1980) << 9) | (quint32(d.month()) << 5) | quint32(d.day());
    const quint32 time = (quint32(t.hour()) << 11) | (quint32(t.minute()) << 5) | quint32(t.second() / 2);
    return qint32((date << 16) | time);
}

QDateTime fromDosTime(qint32 packed) {
    const quint32 v = quint32(packed);
    const quint32 date = v >> 16;
    const quint32 time = v & 0xFFFF;
    const QDate d(int(date >> 9) + 1980, int((date >> 5) & 0x0F), int(date & 0x1F));
    const QTime t(int(time >> 11), int((time >> 5) & 0x3F), int(time & 0x1F) * 2);
    if (!d.isValid() || !t.isValid()) return {};
    return QDateTime(d, t);
}

QString restoredFileName(const QString& storedName) {
    qsizetype start = 0;
    for (qsizetype i = 0; i < storedName.size(); ++i) {
        const QChar c = storedName[i];
        if (c == u'/' || c == u'\\' || c == u':') start = i + 1;
    }
    const QString name = storedName.mid(start);
    if (name.isEmpty() || name == u"." || name == u"..") return {};
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F) return {};
    return name;
}

QString volumePath(const QString& archivePath, int number) {
    const QFileInfo info(archivePath);
    const QString name = info.fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString base = dot > 0 ? name.left(dot) : name;
    return info.dir().filePath(base + QStringLiteral(".%1").arg(number, 3, 10, QLatin1Char('0')));
}

} // namespace vexa::backup
