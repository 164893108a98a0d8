#pragma once
// Where a device family keeps its transmission schedule ("Sendemaske") in its record: the bits of
// the send months, weeks and weekdays and the fields of the daily window, cycle and variance.
// Each family gives its own layout; the form rows and the schedule calculation are shared.

#include "core/devices/common/FieldTable.h"
#include "core/devices/common/SendMaskForm.h"

#include <array>
#include <type_traits>

namespace kvq::fields {

struct SendMaskLayout {
    std::array<Bit, 12> months;  // January .. December
    std::array<Bit, 5> weeks;    // week 1 .. 5 of the month
    std::array<Bit, 7> weekdays; // Monday .. Sunday
    Placement start;             // first hour of the daily window
    Placement stop;              // hour the daily window ends
    Placement cycle;             // seconds between telegrams
    Placement variance;          // seconds of random spread
};

// The send-mask rows of a form whose members follow the control names of the "Sendemaske" group.
// The members may belong to the form or to a base of it (M).
template <class Form, class M = std::type_identity_t<Form>>
void addSendMaskRows(Table<Form>& t, const SendMaskLayout& l, std::array<bool, 12> M::*months,
                     std::array<bool, 5> M::*weeks, std::array<bool, 7> M::*weekdays,
                     const std::array<const char*, 12>& monthBoxes,
                     const std::array<const char*, 5>& weekBoxes, const std::array<const char*, 7>& dayBoxes,
                     int M::*start, int M::*stop, int M::*cycle, int M::*variance) {
    for (std::size_t i = 0; i < 12; ++i)
        t.flags.push_back({QString::fromLatin1(monthBoxes[i]),
                           [=](Form& f) -> bool& { return (f.*months)[i]; }, l.months[i]});
    for (std::size_t i = 0; i < 5; ++i)
        t.flags.push_back(
            {QString::fromLatin1(weekBoxes[i]), [=](Form& f) -> bool& { return (f.*weeks)[i]; }, l.weeks[i]});
    for (std::size_t i = 0; i < 7; ++i)
        t.flags.push_back({QString::fromLatin1(dayBoxes[i]),
                           [=](Form& f) -> bool& { return (f.*weekdays)[i]; }, l.weekdays[i]});
    t.numbers.push_back(
        {QStringLiteral("CSpinEditStart"), [=](Form& f) -> int& { return f.*start; }, l.start});
    t.numbers.push_back({QStringLiteral("CSpinEditStop"), [=](Form& f) -> int& { return f.*stop; }, l.stop});
    t.numbers.push_back({QStringLiteral("CSpinEditZZ"), [=](Form& f) -> int& { return f.*cycle; }, l.cycle});
    t.numbers.push_back(
        {QStringLiteral("CSpinEditV"), [=](Form& f) -> int& { return f.*variance; }, l.variance});
}

// The same for a form that derives from SendMaskForm, with its control names.
template <class Form> void addSendMaskRows(Table<Form>& t, const SendMaskLayout& l) {
    addSendMaskRows<Form, SendMaskForm>(
        t, l, &SendMaskForm::sendMonths, &SendMaskForm::sendWeeks, &SendMaskForm::sendDays, kSendMonthBoxes,
        kSendWeekBoxes, kSendDayBoxes, &SendMaskForm::CSpinEditStart, &SendMaskForm::CSpinEditStop,
        &SendMaskForm::CSpinEditZZ, &SendMaskForm::CSpinEditV);
}

} // namespace kvq::fields
