#pragma once
// From the stored rows to the printed sections: the groups and headings of
// item 4, the running totals by domicile, the empty variants, the three lists
// of item 9 side by side, the state-line differences of 7.6.1 and 7.9.1 and
// the footer. Plain computation: no database, no painter.

#include "print/PrintModel.h"
#include "print/PrintSource.h"

#include <QDateTime>
#include <QString>

namespace vexa::print {

// The CFOP description as item 4 prints it: one longer than 62 characters is
// cut after its last blank at or before position 62, or at 62 when it has none.
QString cutCfopDescription(const QString& description);

// A line of 7.6.1 or 7.9.1 prints the ICMS difference to the internal rate of
// 17%: (17 - rate) / 100 x base, whatever value the line stores.
double stateLineDifference(double rate, double base);

// The footer of the last section, with the moment of printing and the address
// of the taxpayer portal.
QString footerText(const QDateTime& now, const QString& portalAddress);

// Whole numbers and decimals as the form prints them: thousands point,
// decimal comma ("1.234.567", "3,4567").
QString groupedNumber(double value, int decimals);
// A rate in percent: "17%", "4,5%".
QString rateText(double rate);

// Every section of the print from the rows read for it.
DeclarationPrint buildDeclarationPrint(const DeclarationSource& source, const QString& portalAddress,
                                       const QDateTime& now);

} // namespace vexa::print
