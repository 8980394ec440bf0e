#include "storage/IndexList.h"

#include <QDir>
#include <QFile>
#include <QHash>

namespace vexa::storage {

namespace {

// Sections and keys in lower case; the first occurrence of a key wins.
using IniSections = QHash<QString, QHash<QString, QString>>;

QString unquoted(QString value) {
    value = value.trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        value = value.mid(1, value.size() - 2).trimmed();
    return value;
}

IniSections parseIni(const QByteArray& data) {
    IniSections sections;
    QString current;
    bool inSection = false;
    // The file is plain ASCII; anything else is read byte for byte as Latin-1.
    const QList<QByteArray> lines = data.split('\n');
    for (const QByteArray& raw : lines) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
        if (line.startsWith(QLatin1Char('['))) {
            const qsizetype close = line.indexOf(QLatin1Char(']'));
            if (close < 0) {
                inSection = false;
                continue;
            }
            current = line.mid(1, close - 1).trimmed().toLower();
            inSection = true;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (!inSection || eq <= 0) continue;
        const QString key = line.left(eq).trimmed().toLower();
        QHash<QString, QString>& values = sections[current];
        if (!values.contains(key)) values.insert(key, unquoted(line.mid(eq + 1)));
    }
    return sections;
}

int highestEntryNumber(const IniSections& ini) {
    int highest = 0;
    for (const char* section : {"tabelas", "indices", "campos"}) {
        const auto it = ini.constFind(QString::fromLatin1(section));
        if (it == ini.constEnd()) continue;
        for (auto k = it->constBegin(); k != it->constEnd(); ++k) {
            bool ok = false;
            const int n = k.key().toInt(&ok);
            if (ok && n > highest) highest = n;
        }
    }
    return highest;
}

} // namespace

IndexList readIndexList(const QString& path) {
    IndexList list;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return list;
    // An index list is a few kilobytes; a huge file is not one.
    if (file.size() > 16 * 1024 * 1024) return list;
    const IniSections ini = parseIni(file.readAll());

    auto value = [&](const char* section, const QString& key) {
        return ini.value(QString::fromLatin1(section)).value(key);
    };
    bool ok = false;
    const int total = value("indices", QStringLiteral("total")).toInt(&ok);
    list.total = ok && total > 0 ? total : 0;

    const int last = std::min(list.total, highestEntryNumber(ini));
    for (int i = 1; i <= last; ++i) {
        const QString key = QString::asprintf("%3.3d", i);
        IndexListEntry e;
        e.table = value("tabelas", key);
        e.name = value("indices", key);
        for (const QString& f : value("campos", key).split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (!f.trimmed().isEmpty()) e.fields << f.trimmed();
        list.entries.append(e);
    }
    return list;
}

QString indexListFile(const QString& programFolder) {
    const QDir dir(programFolder);
    const QStringList found = dir.entryList({QStringLiteral("VexaIdx90.ini")}, QDir::Files);   // any case
    return dir.filePath(found.isEmpty() ? QStringLiteral("VexaIdx90.ini") : found.first());
}

} // namespace vexa::storage
