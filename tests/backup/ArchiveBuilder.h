#pragma once
// Backup archives put together byte by byte, so that tests can restore
// archives the program did not write: stored blocks, empty files, volumes,
// and every kind of damage.

#include <QByteArray>
#include <QFile>
#include <QString>
#include <zlib.h>

namespace vexa::test {

inline constexpr qint32 kSomeDosTime = qint32((44u << 25) | (3u << 21) | (15u << 16) | (10u << 11) | (30u << 5) | 7u);   // 15/03/2024 10:30:14

struct ArchiveBuilder {
    QByteArray bytes;

    ArchiveBuilder& i32(qint32 v) {
        const quint32 u = quint32(v);
        for (int i = 0; i < 4; ++i) bytes.append(char((u >> (8 * i)) & 0xFF));
        return *this;
    }
    ArchiveBuilder& raw(const QByteArray& b) {
        bytes.append(b);
        return *this;
    }
    ArchiveBuilder& record(const QByteArray& b) { return i32(qint32(b.size())).raw(b); }
    ArchiveBuilder& header(const QByteArray& title, qint32 total, qint32 count) { return record(title).i32(total).i32(count); }
    ArchiveBuilder& entry(const QByteArray& name, qint32 time = kSomeDosTime) { return record(name).i32(time); }
    ArchiveBuilder& section() { return raw(QByteArray("EC2\0", 4)); }
    ArchiveBuilder& endSection() { return i32(0); }
    ArchiveBuilder& end() { return i32(0); }
    ArchiveBuilder& nextDisk(int n) { return record("NEXT:DISK" + QByteArray::number(n).rightJustified(3, '0')); }
    ArchiveBuilder& storedBlock(const QByteArray& chunk) { return i32(-qint32(chunk.size())).raw(chunk); }
    ArchiveBuilder& zBlock(const QByteArray& chunk) { return packed(deflated(chunk)); }
    ArchiveBuilder& packed(const QByteArray& stream) { return i32(qint32(stream.size())).raw(stream); }
    // A whole file: entry, one section of compressed chunks.
    ArchiveBuilder& file(const QByteArray& name, const QByteArray& content) {
        entry(name).section();
        for (qsizetype at = 0; at < content.size(); at += 16384) zBlock(content.mid(at, 16384));
        return endSection();
    }

    static QByteArray deflated(const QByteArray& data, int level = Z_BEST_SPEED) {
        uLongf size = compressBound(uLong(data.size()));
        QByteArray out(qsizetype(size), '\0');
        compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.constData()),
                  uLong(data.size()), level);
        out.resize(qsizetype(size));
        return out;
    }

    bool save(const QString& path) const {
        QFile f(path);
        return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
    }
};

inline QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Bytes that do not shrink under zlib.
inline QByteArray noise(qsizetype n, quint32 seed = 7) {
    QByteArray b(n, '\0');
    for (qsizetype i = 0; i < n; ++i) {
        seed = seed * 1103515245u + 12345u;
        b[i] = char(seed >> 24);
    }
    return b;
}

} // namespace vexa::test
