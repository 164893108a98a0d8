#include "core/devices/hca/HcaSendWindow.h"

#include <QDate>

namespace kvq::hca {

std::uint16_t sendMonthMask(const Record& r) {
    return static_cast<std::uint16_t>(r[off::SendMask0] | ((r[off::SendMask1] & 0x0F) << 8));
}

std::uint8_t sendWeekMask(const Record& r) {
    return static_cast<std::uint8_t>((r[off::SendMask1] >> 4) | ((r[off::SendMask2] & 0x01) << 4));
}

std::uint8_t sendWeekdayMask(const Record& r) {
    return static_cast<std::uint8_t>(r[off::SendMask2] >> 1);
}

std::uint8_t weekdayBit(int year, int month, int day) {
    const QDate date(year, month, day);
    if (!date.isValid())
        return 0;
    return static_cast<std::uint8_t>(1u << (date.dayOfWeek() - 1));
}

std::uint16_t evaluateSendWindow(Record& r) {
    const int day = r[off::DateDay];
    const int month = r[off::DateMonth];
    // The weekday byte takes the weekday of the date alone: added to a stale bit it would name two days.
    if (const std::uint8_t bit = weekdayBit(2000 + r[off::DateYear], month, day))
        r[off::Weekday] = bit;

    if (month < 1 || month > 12 || !(sendMonthMask(r) & (1u << (month - 1))))
        return 0;
    std::uint16_t bits = st::SendMonth;
    if (r[off::Weekday] & sendWeekdayMask(r)) {
        bits |= st::SendDay;
        if (day >= 1 && day <= 35 && (sendWeekMask(r) & (1u << ((day - 1) / 7))))
            bits |= st::SendWeek;
    }
    return bits;
}

} // namespace kvq::hca
