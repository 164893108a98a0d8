#pragma once
// A clock the test sets by hand.

#include "core/app/Clock.h"

namespace kvq::test {

class FakeClock final : public Clock {
public:
    explicit FakeClock(QDateTime local = QDateTime(QDate(2026, 3, 15), QTime(10, 30, 0)))
        : local_(std::move(local)) {}
    QDateTime localNow() const override { return local_; }
    QDateTime utcNow() const override { return local_.addSecs(-utcOffsetSeconds); }
    void set(QDateTime local) { local_ = std::move(local); }
    void advanceSeconds(int s) { local_ = local_.addSecs(s); }
    int utcOffsetSeconds = 3600;

private:
    QDateTime local_;
};

} // namespace kvq::test
