#pragma once
// The module's transmission schedule: how many telegrams a year its send mask and daily window give,
// what they draw from the battery over twelve years, the charge per telegram of each radio protocol,
// the consistency rules of the send-time inputs, and the schedule fields kept after every collect.

#include "core/devices/watermodule/WzRecord.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace kvq::wz {

constexpr int kBatteryYears = 12;

struct ScheduleInput {
    int months = 0;   // checked send months, 0..12
    int weeks = 0;    // checked send weeks, 0..5
    int weekdays = 0; // checked send weekdays, 0..7
    int startHour = 0;
    int stopHour = 24;
    int cycleTime = 120; // seconds
    // Charge per telegram in mAs and battery capacity in mAh; absent while the edit holds no number.
    std::optional<double> chargePerTelegram;
    std::optional<double> capacity;
};

struct ScheduleResult {
    int days = 0;
    std::int64_t telegramsPerDay = 0;
    std::int64_t telegramsPerYear = 0;
    int cycleTime = 1; // the cycle time used: 0 is taken as 1
    std::optional<double> mAhPerYear;
    std::optional<double> mAhBatteryLife; // kBatteryYears years
    bool overCapacity = false;
};

// Sending days: with all five weeks 4.3452 weeks a month, truncated; otherwise months x weeks x
// weekdays. Telegrams per day from the daily window and the cycle time (a reversed window sends
// nothing). Each telegram costs its charge plus 0.0005 mAs per second of cycle for standby.
ScheduleResult BerechneAnzSendungen(const ScheduleInput& in);

struct ScheduleTexts {
    QString LabelAnzTage, LabelAnzSendungen, LabelmAh1, LabelmAh11;
};
// Days and telegrams in decimal, mAh with two decimals and the decimal comma; the mAh labels stay
// empty while the charge cannot be read.
ScheduleTexts scheduleTexts(const ScheduleResult& r);

// Charge per telegram of the protocol choice and what it does to "kurzes Tel.".
struct ProtocolCharge {
    QString EditLadung;              // the charge in mAs as the edit shows it
    bool shortEnabled = true;        // CheckBoxShortProt enabled
    std::optional<bool> forcedShort; // set: CheckBoxShortProt takes this state
};
// S1 always sends the short telegram (0,9); T1 0,18 short and 0,46 normal.
ProtocolCharge protocolCharge(bool t1, bool shortTelegram);

// Input ranges of the send-time spin edits.
constexpr int kStartMin = 0, kStartMax = 23;
constexpr int kStopMin = 1, kStopMax = 24;
constexpr int kCycleMin = 2, kCycleMax = 3000;
constexpr int kVarianceMin = 1, kVarianceMax = 590;

struct SendTimes {
    int start = 7;
    int stop = 19;
    int cycle = 120;
    int variance = 7;
};
// The daily window stays non-empty and the variance stays below the cycle time.
void onStartChange(SendTimes& t);
void onStopChange(SendTimes& t);
void onCycleOrVarianceChange(SendTimes& t);
void onCycleKeyUp(SendTimes& t);

// A copy of the schedule fields of the image, taken after every collect.
struct ScheduleCache {
    std::uint32_t deviceId = 0;
    std::uint16_t variance = 0;
    std::uint16_t cycleTime = 0;
    std::uint8_t windowLength = 0; // stop hour - start hour
    std::uint8_t startHour = 0;
    std::uint16_t monthMask = 0;  // 12 bits, January in bit 0
    std::uint8_t weekMask = 0;    // 5 bits, week 1 in bit 0
    std::uint8_t weekdayMask = 0; // 7 bits, Monday in bit 0

    static ScheduleCache fromImage(const Image& im);
    bool operator==(const ScheduleCache&) const = default;
};

} // namespace kvq::wz
