#pragma once
// The shared routines every screen uses: check digits, state codes, masks,
// text-to-number and date conversions, the bar-code digit, and the next free
// number of a table column. Include this one header or the narrower ones.

#include "common/Barcode.h"
#include "common/Conversions.h"
#include "common/DocumentChecks.h"
#include "common/Masks.h"
#include "common/StateCodes.h"

#include <QSqlDatabase>
#include <QString>
#include <optional>

namespace vexa {

// True for a plain SQL identifier (letters, digits, '_', not starting with a digit).
bool isPlainIdentifier(const QString& name);

// "SELECT MAX(column) FROM table" read as an integer, plus 1 (1 for an empty
// table). Table and column are program constants: anything but a plain
// identifier is refused (nullopt, *error says why), as is a failed statement
// or a maximum that is not a whole number.
std::optional<int> NextNumber(const QSqlDatabase& db, const QString& column, const QString& table,
                              QString* error = nullptr);

} // namespace vexa
