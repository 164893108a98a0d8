#include "core/devices/watermodule/WzSchedule.h"

#include "core/devices/common/SendSchedule.h"

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
    // Days, telegrams and the yearly draw as every device counts them; the module's battery lasts
    // kBatteryYears instead of the allocator's eleven.
    kvq::ScheduleInput common;
    common.months = in.months;
    common.weeks = in.weeks;
    common.weekdays = in.weekdays;
    common.startHour = in.startHour;
    common.stopHour = in.stopHour;
    common.cycleTime = in.cycleTime;
    common.chargePerTelegram = in.chargePerTelegram;
    const kvq::ScheduleResult c = kvq::BerechneAnzSendungen(common);
    ScheduleResult r;
    r.days = c.days;
    r.telegramsPerDay = c.telegramsPerDay;
    r.telegramsPerYear = c.telegramsPerYear;
    r.cycleTime = c.cycleTime;
    r.mAhPerYear = c.mAhPerYear;
    if (r.mAhPerYear) {
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
