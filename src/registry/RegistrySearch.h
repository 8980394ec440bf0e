#pragma once
// Reading the registries by name, as the shared search screen shows them:
// taxpayers in the order of `idxRazaoSocial`, accountants in the order of
// `idxNome` (both case-insensitive), and the nearest row to a typed name.

#include <QList>
#include <QString>

namespace vexa::registry {

enum class Registry { Taxpayers, Accountants };

struct NameRow {
    QString name;   // `RazaoSocial` or `Nome`
    QString key;    // `IE` or `CRC`
    QString uf;     // the accountant's `UF`; empty for taxpayers
    bool operator==(const NameRow&) const = default;
};

// Every row of the registry in the name order of every list (storage/Portable.h:
// upper case without accents, then the name itself; ties by key).
QList<NameRow> rowsByName(Registry registry);

// Compares two names in that order.
int compareNames(const QString& a, const QString& b);

// The nearest row whose name is greater than or equal to the typed text,
// case and accents not counting; the last row when every name is smaller; -1
// for an empty list.
int nearestByName(const QList<NameRow>& rows, const QString& typed);

} // namespace vexa::registry
