#include "common/Clock.h"

#include <QtGlobal>

namespace vexa {

namespace {
Clock* g_override = nullptr;

// The date fixed by VEXA_TODAY ("dd/mm/yyyy"), or an invalid date.
QDate fixedToday() {
    static const QDate fixed = QDate::fromString(qEnvironmentVariable("VEXA_TODAY").trimmed(),
                                                 QStringLiteral("dd/MM/yyyy"));
    return fixed;
}
} // namespace

QDate Clock::today() const {
    const QDate fixed = fixedToday();
    return fixed.isValid() ? fixed : QDate::currentDate();
}

QDateTime Clock::now() const {
    const QDate fixed = fixedToday();
    if (fixed.isValid()) return QDateTime(fixed, QTime::currentTime());
    return QDateTime::currentDateTime();
}

Clock& Clock::instance() {
    static Clock systemClock;
    return g_override ? *g_override : systemClock;
}

void Clock::setInstance(Clock* clock) { g_override = clock; }

} // namespace vexa
