#include "core/devices/watermodule/WzSchedule.h"

#include <QLocale>
#include <algorithm>

namespace kvq::wz {

namespace {
QString fixed2(double v) {
    static const QLocale german = [] {
        QLocale l(QLocale::German, QLocale::Germany);
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    return german.toString(v, 'f', 2);
}
} // namespace

ScheduleResult BerechneAnzSendungen(const ScheduleInput& in) {
    ScheduleResult r;
    const int m = std::clamp(in.months, 0, 12);
    const int w = std::clamp(in.weeks, 0, 5);
    const int d = std::clamp(in.weekdays, 0, 7);
    // 4.3452 weeks a month in integer arithmetic, so that 260.712 is never taken as 260.7119...
    r.days = (w == 5) ? (m * d * 43452) / 10000 : m * w * d;

    r.cycleTime = in.cycleTime <= 0 ? 1 : in.cycleTime;
    const int hours = std::max(0, in.stopHour - in.startHour);
    r.telegramsPerDay = std::int64_t(hours) * 3600 / r.cycleTime;
    r.telegramsPerYear = std::int64_t(r.days) * r.telegramsPerDay;

    if (in.chargePerTelegram) {
        const double perTelegram = r.cycleTime * 0.0005 + *in.chargePerTelegram;
        r.mAhPerYear = double(r.telegramsPerYear) * perTelegram / 3600.0;
        r.mAhBatteryLife = kBatteryYears * *r.mAhPerYear;
        if (in.capacity)
            r.overCapacity = *r.mAhBatteryLife > *in.capacity;
    }
    return r;
}

ScheduleTexts scheduleTexts(const ScheduleResult& r) {
    ScheduleTexts t;
    t.LabelAnzTage = QString::number(r.days);
    t.LabelAnzSendungen = QString::number(r.telegramsPerYear);
    if (r.mAhPerYear)
        t.LabelmAh1 = fixed2(*r.mAhPerYear);
    if (r.mAhBatteryLife)
        t.LabelmAh11 = fixed2(*r.mAhBatteryLife);
    return t;
}

ProtocolCharge protocolCharge(bool t1, bool shortTelegram) {
    ProtocolCharge p;
    if (t1) {
        p.EditLadung = shortTelegram ? QStringLiteral("0,18") : QStringLiteral("0,46");
    } else {
        p.EditLadung = QStringLiteral("0,9");
        p.shortEnabled = false;
        p.forcedShort = true;
    }
    return p;
}

void onStartChange(SendTimes& t) {
    if (t.start >= 24)
        t.start -= 1;
    onStopChange(t);
}

void onStopChange(SendTimes& t) {
    if (t.stop <= t.start)
        t.stop = t.start + 1;
}

void onCycleOrVarianceChange(SendTimes& t) {
    if (t.cycle <= t.variance)
        t.variance = t.cycle - 1;
}

void onCycleKeyUp(SendTimes& t) {
    t.cycle = std::clamp(t.cycle, kCycleMin, kCycleMax);
    t.variance = std::clamp(t.variance, kVarianceMin, kVarianceMax);
    onCycleOrVarianceChange(t);
}

ScheduleCache ScheduleCache::fromImage(const Image& im) {
    ScheduleCache c;
    c.deviceId = dword(im, off::DeviceId);
    c.variance = word(im, off::Variance);
    c.cycleTime = word(im, off::CycleTime);
    c.windowLength = std::uint8_t(im[off::StopHour] - im[off::StartHour]);
    c.startHour = im[off::StartHour];
    c.monthMask = std::uint16_t(im[off::SendMask0] | ((im[off::SendMask1] & 0x0F) << 8));
    c.weekMask = std::uint8_t((im[off::SendMask1] >> 4) | ((im[off::SendMask2] & 0x01) << 4));
    c.weekdayMask = std::uint8_t(im[off::SendMask2] >> 1);
    return c;
}

} // namespace kvq::wz
