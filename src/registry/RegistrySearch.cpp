#include "registry/RegistrySearch.h"

#include "registry/RegistrySql.h"

#include <QSqlQuery>
#include <algorithm>

namespace vexa::registry {

namespace {
// The engine's NOCASE order: the UTF-8 bytes with A-Z folded to a-z.
QByteArray foldedKey(const QString& s) {
    QByteArray bytes = s.toUtf8();
    for (char& c : bytes)
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
    return bytes;
}
} // namespace

QList<NameRow> rowsByName(Registry registry) {
    const QString statement =
        registry == Registry::Taxpayers
            ? QStringLiteral("SELECT RazaoSocial, IE, '' FROM Contribuintes "
                             "ORDER BY RazaoSocial COLLATE NOCASE, IE")
            : QStringLiteral("SELECT Nome, CRC, UF FROM Declarante ORDER BY Nome COLLATE NOCASE, CRC, UF");
    QList<NameRow> rows;
    QSqlQuery q;
    if (!sql::read(q, statement)) return rows;
    while (q.next()) rows << NameRow{sql::text(q.value(0)), sql::text(q.value(1)), sql::text(q.value(2))};
    return rows;
}

int compareNames(const QString& a, const QString& b) {
    const QByteArray ka = foldedKey(a);
    const QByteArray kb = foldedKey(b);
    // Unsigned byte order, as the engine compares.
    const int n = int(std::min(ka.size(), kb.size()));
    for (int i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(ka[i]);
        const auto cb = static_cast<unsigned char>(kb[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (ka.size() == kb.size()) return 0;
    return ka.size() < kb.size() ? -1 : 1;
}

int nearestByName(const QList<NameRow>& rows, const QString& typed) {
    if (rows.isEmpty()) return -1;
    const auto it = std::lower_bound(rows.begin(), rows.end(), typed, [](const NameRow& row, const QString& t) {
        return compareNames(row.name, t) < 0;
    });
    if (it == rows.end()) return int(rows.size()) - 1;
    return int(it - rows.begin());
}

} // namespace vexa::registry
