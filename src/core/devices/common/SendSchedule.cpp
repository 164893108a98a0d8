#include "core/devices/common/SendSchedule.h"

#include "core/devices/common/GermanNumbers.h"

#include <algorithm>

namespace kvq {

ScheduleResult BerechneAnzSendungen(const ScheduleInput& in) {
    ScheduleResult r;
    const int m = std::clamp(in.months, 0, 12);
    const int w = std::clamp(in.weeks, 0, 5);
    const int d = std::clamp(in.weekdays, 0, 7);
    // 4.3452 weeks a month, in integer arithmetic so 260.712 never becomes 260.7119...
    r.days = (w == 5) ? (m * d * 43452) / 10000 : m * w * d;

    r.cycleTime = in.cycleTime <= 0 ? 1 : in.cycleTime;
    const int hours = std::max(0, in.stopHour - in.startHour);
    r.telegramsPerDay = std::int64_t(hours) * 3600 / r.cycleTime;
    r.telegramsPerYear = std::int64_t(r.days) * r.telegramsPerDay;

    if (in.chargePerTelegram) {
        const double q = *in.chargePerTelegram + 0.0005 * r.cycleTime;
        r.mAhPerYear = double(r.telegramsPerYear) * q / 3600.0;
        r.mAh11Years = 11.0 * *r.mAhPerYear;
        if (in.capacity)
            r.overCapacity = double(*in.capacity) < *r.mAh11Years;
    }
    return r;
}

ScheduleTexts scheduleTexts(const ScheduleResult& r) {
    ScheduleTexts t;
    t.LabelAnzTage = QString::number(r.days);
    t.LabelAnzSendungen = QString::number(r.telegramsPerYear);
    if (r.mAhPerYear)
        t.LabelmAh1 = formatFixed2(*r.mAhPerYear);
    if (r.mAh11Years)
        t.LabelmAh11 = formatFixed2(*r.mAh11Years);
    return t;
}

ProtocolCharge protocolCharge(bool t1, bool shortTelegram, bool extendedFirmware, bool alwaysShort) {
    ProtocolCharge p;
    if (alwaysShort) {
        p.charge = t1 ? 0.335 : 0.911;
        p.shortEnabled = false;
        p.forcedShort = true;
    } else if (t1 || extendedFirmware) {
        p.charge = shortTelegram ? 0.335 : 0.701;
    } else {
        p.charge = 0.911;
        p.shortEnabled = false;
        p.forcedShort = true;
    }
    return p;
}

void onStartChange(SendTimes& t) {
    if (t.start >= 24)
        t.start -= 1;
    if (t.stop <= t.start)
        t.stop = t.start + 1;
}

void onStopChange(SendTimes& t) {
    if (t.stop <= t.start)
        t.stop = t.start + 1;
}

void onCycleOrVarianceChange(SendTimes& t) {
    if (t.cycle <= t.variance)
        t.variance = t.cycle - 1;
}

void onVarianceKeyUp(SendTimes& t) {
    t.variance = std::clamp(t.variance, kVarianceMin, kVarianceMax);
    onCycleOrVarianceChange(t);
}

void onCycleKeyUp(SendTimes& t) {
    t.cycle = std::clamp(t.cycle, kCycleMin, kCycleMax);
    onCycleOrVarianceChange(t);
}

} // namespace kvq
