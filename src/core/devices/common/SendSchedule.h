#pragma once
// How many telegrams a send mask gives per year and what they draw from the battery, the charge
// per telegram of each radio protocol, and the consistency rules of the send-time inputs.

#include <QString>
#include <cstdint>
#include <optional>

namespace kvq {

struct ScheduleInput {
    int months = 0;   // checked send months, 0..12
    int weeks = 0;    // checked send weeks, 0..5
    int weekdays = 0; // checked send weekdays, 0..7
    int startHour = 0;
    int stopHour = 24;
    int cycleTime = 100; // seconds
    // Charge per telegram in mAs and battery capacity in mAh; absent while the edit holds no number.
    std::optional<double> chargePerTelegram;
    std::optional<int> capacity;
};

struct ScheduleResult {
    int days = 0;
    std::int64_t telegramsPerDay = 0;
    std::int64_t telegramsPerYear = 0;
    int cycleTime = 1; // the cycle time used: 0 is taken as 1
    std::optional<double> mAhPerYear;
    std::optional<double> mAh11Years;
    bool overCapacity = false; // capacity below the draw of 11 years
};

// Sending days: with all five weeks the mean of 4.3452 weeks a month, truncated; otherwise
// months x weeks x weekdays. Telegrams per day from the daily window and the cycle time; a window
// that is empty or reversed sends nothing. Charge per telegram adds 0.0005 mAs per second of
// cycle for the standby current.
ScheduleResult BerechneAnzSendungen(const ScheduleInput& in);

// Texts of the four result labels: days and telegrams in decimal, mAh with two decimals and the
// German decimal comma; the mAh labels stay empty while the charge cannot be read.
struct ScheduleTexts {
    QString LabelAnzTage, LabelAnzSendungen, LabelmAh1, LabelmAh11;
};
ScheduleTexts scheduleTexts(const ScheduleResult& r);

// Charge per telegram of the protocol choice and what it does to the short-telegram box.
struct ProtocolCharge {
    double charge = 0.0;             // mAs
    bool shortEnabled = true;        // CheckBoxShortProt enabled
    std::optional<bool> forcedShort; // set: CheckBoxShortProt takes this state
};
// T1 (or S1 as C1 on extended firmware): 0.335 short, 0.701 normal. S1 on other firmware always
// sends the short telegram at 0.911. A device that knows only the short telegram (alwaysShort) sends
// it at 0.335 with T1 and 0.911 with S1, and the box stays checked and disabled.
ProtocolCharge protocolCharge(bool t1, bool shortTelegram, bool extendedFirmware, bool alwaysShort = false);

// Input ranges of the send-time spin edits.
constexpr int kStartMin = 0, kStartMax = 23;
constexpr int kStopMin = 1, kStopMax = 24;
constexpr int kCycleMin = 2, kCycleMax = 28800;
constexpr int kVarianceMin = 1, kVarianceMax = 28798;

struct SendTimes {
    int start = 0;
    int stop = 24;
    int cycle = 100;
    int variance = 100;
};
// The daily window stays non-empty and the variance stays below the cycle time.
void onStartChange(SendTimes& t);
void onStopChange(SendTimes& t);
void onCycleOrVarianceChange(SendTimes& t);
void onVarianceKeyUp(SendTimes& t);
void onCycleKeyUp(SendTimes& t);

} // namespace kvq
