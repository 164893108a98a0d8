#pragma once
// The heat cost allocator's 165-byte parameter and value record: field offsets, the bits of its
// three flag words, and the encodings of its identification, manufacturer and key fields.

#include "core/app/Parameter.h"
#include "core/devices/common/RecordCodes.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace kvq::hca {

using Record = std::array<std::uint8_t, kEhkvRecordSize>;
using DeviceKey = std::array<std::uint8_t, 16>;

// Offsets of the record fields. Multi-byte numbers are most significant byte first, identification
// numbers BCD with the least significant digit pair first, the manufacturer code low byte first.
namespace off {
constexpr int DeviceId = 0;          // 4, BCD
constexpr int StartMonth = 4;        // 0..12, 0 = start at once
constexpr int ReadingMonth = 5;      // reading-date month minus 1
constexpr int RadioId = 6;           // 4, BCD
constexpr int BatteryMonth = 10;     //
constexpr int BatteryYear = 11;      // year - 2000
constexpr int K1 = 12;               // BE16
constexpr int K2 = 14;               // BE16
constexpr int KQ = 16;               // BE16
constexpr int Consumption = 18;      // BE16, at the last reading date
constexpr int PrevConsumption = 20;  // BE16, at the reading date before
constexpr int StatusWord = 22;       // BE16
constexpr int ModeWord = 24;         // BE16
constexpr int OptionWord = 26;       // BE16
constexpr int ClockSeconds = 28;     //
constexpr int ClockMinutes = 29;     //
constexpr int ClockHours = 30;       //
constexpr int DateDay = 31;          //
constexpr int DateMonth = 32;        //
constexpr int DateYear = 33;         // year - 2000
constexpr int Weekday = 34;          // bit 0 Monday .. bit 6 Sunday
constexpr int CheckNumber = 36;      // check number of the reading-date consumption
constexpr int DeltaT = 37;           // 1/10 K
constexpr int TempOffset = 38;       // signed, 1/100 K; the device's own factory value
constexpr int MeterReading = 40;     // BE float
constexpr int MeterReadingPrev = 44; // BE float, at the reading date
constexpr int MonthTable = 48;       // 18 entries of value BE16, month, year
constexpr int MonthEntries = 18;
constexpr int MonthEntrySize = 4;
constexpr int Variance = 120;       // BE16, seconds
constexpr int CycleTime = 122;      // BE16, seconds
constexpr int StopHour = 124;       // 1..24
constexpr int StartHour = 125;      // 0..23
constexpr int SendMask0 = 126;      // months Jan..Aug
constexpr int SendMask1 = 127;      // months Sep..Dec (bits 0..3), weeks 1..4 (bits 4..7)
constexpr int SendMask2 = 128;      // week 5 (bit 0), weekdays Mon..Sun (bits 1..7)
constexpr int CycleNumber = 129;    //
constexpr int AesKey = 130;         // 16 bytes
constexpr int ManCode = 146;        // 2, low byte first
constexpr int RoomTemp = 148;       // BE16, 1/100 degC
constexpr int RadiatorTemp = 150;   // BE16, 1/100 degC
constexpr int FreeMonthFirst = 152; // 0 or 5..8
constexpr int FreeMonthLast = 153;  // 0 or 5..8
constexpr int ErrorDate = 154;      // 2 bytes, shown as byte 155 "." byte 154
constexpr int TempMax = 156;        // signed degC
constexpr int ReadingDay = 157;     //
constexpr int ReadingDateMonth = 158;
constexpr int ReadingYear = 159;  // year - 2000
constexpr int SerialNumber = 161; // 4, BCD; never sent to the device
constexpr int SentBytes = 161;    // a write carries bytes 0..160
} // namespace off

// Status word bits.
namespace st {
constexpr std::uint16_t SendMonth = 1u << 0;
constexpr std::uint16_t SendDay = 1u << 1;
constexpr std::uint16_t SendWeek = 1u << 2;
constexpr std::uint16_t SendHour = 1u << 3;
constexpr std::uint16_t WindowOpen = 1u << 4;
constexpr std::uint16_t ProtocolS1 = 1u << 6;
constexpr std::uint16_t ProtocolT1 = 1u << 7;
constexpr std::uint16_t MeasureError = 1u << 8;
constexpr std::uint16_t Sabotage = 1u << 9;
constexpr std::uint16_t LowBattery = 1u << 10;
constexpr std::uint16_t ChecksumError = 1u << 11;
constexpr std::uint16_t RadioError = 1u << 12;
constexpr std::uint16_t ResetOccurred = 1u << 13;
constexpr std::uint16_t ErrorBits = 0x3F00;
} // namespace st

// Mode word bits.
namespace md {
constexpr std::uint16_t FreeMonths = 1u << 0;
constexpr std::uint16_t UnitScale = 1u << 1;
constexpr std::uint16_t AesOn = 1u << 2;
constexpr std::uint16_t StartRelease = 1u << 3;
constexpr std::uint16_t TestClock = 1u << 4;
constexpr std::uint16_t SpecialDisplays = 1u << 5;
constexpr std::uint16_t ShortTelegram = 1u << 6;
constexpr std::uint16_t AesMode7 = 1u << 7;
constexpr std::uint16_t CmdWorking = 1u << 8;
constexpr std::uint16_t CmdCurrentTest = 1u << 9;
constexpr std::uint16_t CmdStorage = 1u << 10;
constexpr std::uint16_t ShowTime = 1u << 11;
constexpr std::uint16_t ShowMeter = 1u << 12;
constexpr std::uint16_t ShowTemps = 1u << 13;
constexpr std::uint16_t DisplayAlwaysOn = 1u << 14;
constexpr std::uint16_t TestMode = 1u << 15;
} // namespace md

// Option word bits.
namespace opt {
constexpr std::uint16_t ReadingMonthly = 1u << 4;
constexpr std::uint16_t ReadingYearly = 1u << 5;
constexpr std::uint16_t SecondSensor = 1u << 6;
constexpr std::uint16_t RadioFitted = 1u << 7;
constexpr std::uint16_t RemoteSensor = 1u << 8;
constexpr std::uint16_t CalibrationMode = 1u << 9;
constexpr std::uint16_t CarrierOn = 1u << 11;
constexpr std::uint16_t TestMode = 1u << 12;
} // namespace opt

inline std::uint16_t word(const Record& r, int offset) {
    return static_cast<std::uint16_t>((r[offset] << 8) | r[offset + 1]);
}
inline void setWord(Record& r, int offset, std::uint16_t v) {
    r[offset] = static_cast<std::uint8_t>(v >> 8);
    r[offset + 1] = static_cast<std::uint8_t>(v);
}

// Identification number text: the eight nibbles of the little-endian 32-bit value, most significant
// first, each as nibble + '0' (a valid BCD number thus shows its eight decimal digits).
QString idText(const Record& r, int offset);
// Up to eight decimal digits, read left to right four bits per digit ("1234" is 0x00001234).
// Nothing else is an identification number: a non-digit or a ninth digit gives nullopt.
std::optional<std::uint32_t> parseIdText(const QString& text);
void storeId(Record& r, int offset, std::uint32_t bcd);

// Manufacturer code: three letters packed five bits each, two bytes low byte first.
QString manCodeText(const Record& r);

// A clock or date the device cannot have (25:00, 30 February, month 13) becomes 00:00:00 and
// 1 January 2000, as soon as an answer is taken into the record.
void repairClock(Record& r);

// Key text as shown: 16 upper-case hex pairs separated by single blanks.
QString keyText(const DeviceKey& key);
DeviceKey keyAt(const Record& r);
void storeKey(Record& r, const DeviceKey& key);

} // namespace kvq::hca
