#pragma once
// Whether the record's own date lies in its send mask: the send-month, send-day and send-week bits
// of the status word, as the device itself would report them for that date.

#include "core/devices/hca/HcaRecord.h"

#include <cstdint>

namespace kvq::hca {

// 12-bit month mask (bit 0 January), 5-bit week mask (bit 0 week 1), 7-bit weekday mask (bit 0 Monday).
std::uint16_t sendMonthMask(const Record& r);
std::uint8_t sendWeekMask(const Record& r);
std::uint8_t sendWeekdayMask(const Record& r);

// Weekday bit of a date (bit 0 Monday .. bit 6 Sunday); 0 for a date that does not exist.
std::uint8_t weekdayBit(int year, int month, int day);

// Sets byte 34 to the weekday bit of the record date (left alone for a date that does not exist) and
// returns the status bits 0..2 that the date earns: the month bit, then the day bit, then (only with
// the day) the week bit.
std::uint16_t evaluateSendWindow(Record& r);

} // namespace kvq::hca
