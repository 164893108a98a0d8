#pragma once
// Where a device family keeps its transmission schedule ("Sendemaske") in its record: the bits of
// the send months, weeks and weekdays and the fields of the daily window, cycle and variance.
// Each family gives its own layout; the form rows and the schedule calculation are shared.

#include "core/devices/common/FieldTable.h"

#include <array>

namespace kvq::fields {

struct SendMaskLayout {
    std::array<Bit, 12> months;  // January .. December
    std::array<Bit, 5> weeks;    // week 1 .. 5 of the month
    std::array<Bit, 7> weekdays; // Monday .. Sunday
    Spec start;                  // first hour of the daily window
    Spec stop;                   // hour the daily window ends
    Spec cycle;                  // seconds between telegrams
    Spec variance;               // seconds of random spread
};

// The send-mask rows of a form whose members follow the control names of the "Sendemaske" group.
template <class Form>
void addSendMaskRows(Table<Form>& t, const SendMaskLayout& l, std::array<bool, 12> Form::*months,
                     std::array<bool, 5> Form::*weeks, std::array<bool, 7> Form::*weekdays,
                     const std::array<const char*, 12>& monthBoxes,
                     const std::array<const char*, 5>& weekBoxes, const std::array<const char*, 7>& dayBoxes,
                     int Form::*start, int Form::*stop, int Form::*cycle, int Form::*variance) {
    for (std::size_t i = 0; i < 12; ++i)
        t.flags.push_back({QString::fromLatin1(monthBoxes[i]), element(months, i), l.months[i]});
    for (std::size_t i = 0; i < 5; ++i)
        t.flags.push_back({QString::fromLatin1(weekBoxes[i]), element(weeks, i), l.weeks[i]});
    for (std::size_t i = 0; i < 7; ++i)
        t.flags.push_back({QString::fromLatin1(dayBoxes[i]), element(weekdays, i), l.weekdays[i]});
    t.numbers.push_back({QStringLiteral("CSpinEditStart"), member(start), l.start});
    t.numbers.push_back({QStringLiteral("CSpinEditStop"), member(stop), l.stop});
    t.numbers.push_back({QStringLiteral("CSpinEditZZ"), member(cycle), l.cycle});
    t.numbers.push_back({QStringLiteral("CSpinEditV"), member(variance), l.variance});
}

} // namespace kvq::fields
