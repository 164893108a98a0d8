#pragma once
// The one source of time, so date and time rules can be tested with a settable clock.

#include <QDateTime>

namespace kvq {

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime localNow() const = 0;
    virtual QDateTime utcNow() const = 0;
};

class SystemClock final : public Clock {
public:
    QDateTime localNow() const override { return QDateTime::currentDateTime(); }
    QDateTime utcNow() const override { return QDateTime::currentDateTimeUtc(); }
    static SystemClock& instance() {
        static SystemClock clock;
        return clock;
    }
};

// Last valid day of a month (28..31).
inline int lastDayOfMonth(int year, int month) {
    return QDate(year, month, 1).daysInMonth();
}

} // namespace kvq
