#pragma once
// Readable failure output for the texts and keys the standalone-slip tests compare.

#include "payment/DareAvulsas.h"

#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << "{\"" << l.join("\", \"").toStdString() << "\"}"; }

namespace vexa::payment {
inline void PrintTo(const AvulsaKey& k, std::ostream* os) {
    *os << (QStringList{k.IE, k.Ano, k.Mes, k.CodigoTributo}.join('/') + '/' + QString::number(k.Seq)).toStdString();
}
} // namespace vexa::payment
