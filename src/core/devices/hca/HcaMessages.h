#pragma once
// What the allocator's rules have to tell the technician, as codes. The rules never word a message:
// the windows give each code its text from their translatable texts.

namespace kvq::hca {

enum class Message {
    None = 0,
    MeterReadingConflict, // "Stichtagszählerstand darf nicht größer als der Zählerstand sein!"
    DeviceIdNotANumber,   // the automatic ID advance needs a decimal ID
    DeviceIdAtMaximum,    // the automatic ID advance would need a ninth digit
    BatteryYearRange,     // the battery year lies outside 2000 .. kBatteryYearMax
    ClockInvalid,         // the device clock is no time of day
    DateRange,            // the device date is no date from 2000 to 2099
    AesKeyInvalid,        // the key is not up to 32 hex digits
};

// The battery end year is stored as year - 2000 in one byte.
constexpr int kBatteryYearMax = 2255;

} // namespace kvq::hca
