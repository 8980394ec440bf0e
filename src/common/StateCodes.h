#pragma once
// The two fixed lists of state codes: 28 two-letter codes (the 27 federative
// units, the home state being QX, and "EX" for abroad) and 28 two-digit codes
// ("01".."08", "10", "12".."29", "90"). Which letter code has which number is
// read from the table `UF` (see storage/ReferenceLookups.h).

#include <QString>
#include <QStringList>

namespace vexa {

inline const QString kHomeState = QStringLiteral("QX");
inline const QString kHomeStateNumeric = QStringLiteral("29");
inline const QString kAbroad = QStringLiteral("EX");
inline const QString kAbroadNumeric = QStringLiteral("90");

// The 28 letter codes in alphabetical order, "EX" and "QX" included.
const QStringList& letterStateCodes();
// The 28 numeric codes in ascending order.
const QStringList& numericStateCodes();

bool IsLetterStateCode(const QString& code);
bool IsNumericStateCode(const QString& code);

} // namespace vexa
