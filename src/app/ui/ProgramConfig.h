#pragma once
// The file Config in the program folder: lines name=value. Only EXIBIR is
// read: "EXIBIR=1" stops the changes page from opening at every start.

#include "common/ProgramFolder.h"

#include <QString>

namespace vexa::app {

inline const QString kConfigFileName = QStringLiteral("Config");

// The value of the first line "name=value" whose name matches (case ignored,
// blanks around name and value trimmed); empty when the file or the line is
// missing. Lines without "=" and anything unreadable are ignored.
QString configValue(const ProgramFolder& folder, const QString& name);

// True when Config says EXIBIR=1.
bool changesPageHidden(const ProgramFolder& folder);

// Replaces Config with the single line "EXIBIR=1". The old file stays whole
// when the new one cannot be written (false and *error then).
bool hideChangesPage(const ProgramFolder& folder, QString* error);

} // namespace vexa::app
