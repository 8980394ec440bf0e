#pragma once
// Today and now. Every date check reads the clock, never the system directly,
// so that runs and tests are reproducible. VEXA_TODAY=dd/mm/yyyy fixes the date.

#include <QDate>
#include <QDateTime>

namespace vexa {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const;
    virtual QDateTime now() const;

    // The process-wide clock: the system clock, or the date fixed by VEXA_TODAY.
    static Clock& instance();
    // Replaces the process-wide clock (tests); nullptr restores the default.
    static void setInstance(Clock* clock);
};

class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime at) : at_(std::move(at)) {}
    explicit FixedClock(QDate day) : at_(day, QTime(12, 0)) {}
    QDate today() const override { return at_.date(); }
    QDateTime now() const override { return at_; }
    void set(QDateTime at) { at_ = std::move(at); }

private:
    QDateTime at_;
};

} // namespace vexa
