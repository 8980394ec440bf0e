#include "common/StateCodes.h"

namespace vexa {

const QStringList& letterStateCodes() {
    // The federative units as the table `UF` pairs them with numeric codes,
    // the home state being QX ("29"), and "EX" for abroad ("90").
    static const QStringList codes = {
        QStringLiteral("AC"), QStringLiteral("AL"), QStringLiteral("AM"), QStringLiteral("AP"),
        QStringLiteral("BA"), QStringLiteral("CE"), QStringLiteral("DF"), QStringLiteral("ES"),
        QStringLiteral("EX"), QStringLiteral("GO"), QStringLiteral("MA"), QStringLiteral("MG"),
        QStringLiteral("MS"), QStringLiteral("PA"), QStringLiteral("PB"), QStringLiteral("PE"),
        QStringLiteral("PI"), QStringLiteral("PR"), QStringLiteral("QX"), QStringLiteral("RJ"),
        QStringLiteral("RN"), QStringLiteral("RO"), QStringLiteral("RR"), QStringLiteral("RS"),
        QStringLiteral("SC"), QStringLiteral("SE"), QStringLiteral("SP"), QStringLiteral("TO"),
    };
    return codes;
}

const QStringList& numericStateCodes() {
    static const QStringList codes = [] {
        QStringList list;
        for (int n = 1; n <= 29; ++n)
            if (n != 9 && n != 11) list << QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        list << QStringLiteral("90");
        return list;
    }();
    return codes;
}

bool IsLetterStateCode(const QString& code) { return letterStateCodes().contains(code); }

bool IsNumericStateCode(const QString& code) { return numericStateCodes().contains(code); }

} // namespace vexa
