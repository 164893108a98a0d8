#pragma once
// The water-meter radio module's 315-byte parameter image: field offsets, the bits of its three flag
// words, and the encodings of identification numbers, manufacturer code, key and reset history.
// Multi-byte numbers are little-endian throughout.

#include "core/app/Parameter.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace kvq::wz {

using Image = std::array<std::uint8_t, kWzbramRecordSize>;
using ModuleKey = std::array<std::uint8_t, 16>;

namespace off {
constexpr int DeviceId = 0;         // 4, BCD, little-endian
constexpr int RadioId = 4;          // 4, BCD, little-endian
constexpr int DueMonth = 8;         // 1..12
constexpr int DueDay = 9;           // day of the last due date
constexpr int DueDateMonth = 10;    // month of the last due date
constexpr int DueYear = 11;         // year of the last due date - 2000
constexpr int BatteryMonth = 12;    //
constexpr int BatteryYear = 13;     // year - 2000
constexpr int Reserved = 14;        // 2, written as 0
constexpr int ChipTemp = 16;        // 2, 0.1 degC, written as 0
constexpr int StatusWord = 18;      // window result, protocol and error bits
constexpr int OptionsA = 20;        //
constexpr int OptionsB = 22;        //
constexpr int ClockSeconds = 24;    //
constexpr int ClockMinutes = 25;    //
constexpr int ClockHours = 26;      //
constexpr int DateDay = 27;         //
constexpr int DateMonth = 28;       //
constexpr int DateYear = 29;        // year - 2000
constexpr int Weekday = 30;         // bit 0 Monday .. bit 6 Sunday
constexpr int MaxStandstill = 32;   // days
constexpr int SaboStart = 33;       // start activation
constexpr int BackflowLimit = 34;   // litres
constexpr int StartupFlow = 35;     // l/h, for leak detection
constexpr int LitresPerRev = 36;    // 2
constexpr int MaxLeakHours = 38;    //
constexpr int TS1 = 39;             // detection threshold of LC sensor 1
constexpr int TS2 = 40;             // detection threshold of LC sensor 2
constexpr int MeterReading = 44;    // 4, litres
constexpr int MeterReadingDue = 48; // 4, litres at the due date
constexpr int MonthTable = 52;      // 18 entries: litres (4), month, year - 2000, 2 unused
constexpr int MonthEntries = 18;
constexpr int MonthEntrySize = 8;
constexpr int Variance = 196;     // 2, seconds
constexpr int CycleTime = 198;    // 2, seconds
constexpr int StopHour = 200;     //
constexpr int StartHour = 201;    //
constexpr int SendMask0 = 202;    // months Jan..Aug
constexpr int SendMask1 = 203;    // months Sep..Dec (bits 0..3), weeks 1..4 (bits 4..7)
constexpr int SendMask2 = 204;    // week 5 (bit 0), weekdays Mon..Sun (bits 1..7)
constexpr int CycleNumber = 205;  //
constexpr int AesKey = 206;       // 16
constexpr int ManCode = 222;      // 2, EN 13757-3 packing
constexpr int ErrorDate = 224;    // low byte, high byte; written as 0
constexpr int SerialNumber = 226; // 4, BCD; never written
constexpr int HistoryHead = 231;  // first 4 bytes of the history answer, not shown
constexpr int History = 235;      // 10 entries: s, min, h, day, month, year - 2000, unused, reset count
constexpr int HistoryEntries = 10;
constexpr int HistoryEntrySize = 8;

constexpr int WriteLength = 226;  // a write carries bytes 0..225
constexpr int ReadLength = 231;   // a read fetches bytes 0..230
constexpr int HistoryLength = 84; // the history read fetches bytes 231..314
} // namespace off

// Word 18.
namespace st {
constexpr std::uint16_t Month = 1u << 0;
constexpr std::uint16_t Day = 1u << 1;
constexpr std::uint16_t Week = 1u << 2;
constexpr std::uint16_t Hour = 1u << 3;
constexpr std::uint16_t EnWindow = 1u << 4;
constexpr std::uint16_t ProtocolS1 = 1u << 6;
constexpr std::uint16_t ProtocolT1 = 1u << 7;
constexpr std::uint16_t MeasureError = 1u << 8;
constexpr std::uint16_t Sabotage = 1u << 9;
constexpr std::uint16_t LowBattery = 1u << 10;
constexpr std::uint16_t ChecksumError = 1u << 11;
constexpr std::uint16_t RadioError = 1u << 12;
constexpr std::uint16_t ResetOccurred = 1u << 13;
constexpr std::uint16_t StandstillError = 1u << 14;
constexpr std::uint16_t BackflowError = 1u << 15;
} // namespace st

// Word 20.
namespace oa {
constexpr std::uint16_t AesOn = 1u << 2;
constexpr std::uint16_t ShortTelegram = 1u << 6;
constexpr std::uint16_t Leak = 1u << 7;
} // namespace oa

// Word 22. Activation, send telegram, carrier, radio test, bootloader and pulse train are set by the
// change requests of the command buttons only; a collected image holds them as 0.
namespace ob {
constexpr std::uint16_t Activation = 1u << 0;
constexpr std::uint16_t DueMonthly = 1u << 4;
constexpr std::uint16_t DueYearly = 1u << 5;
constexpr std::uint16_t RadioOn = 1u << 7;
constexpr std::uint16_t LedTransmissions = 1u << 8;
constexpr std::uint16_t LedPulses = 1u << 9;
constexpr std::uint16_t SendTelegram = 1u << 10;
constexpr std::uint16_t Carrier = 1u << 11;
constexpr std::uint16_t RadioTest = 1u << 12;
constexpr std::uint16_t MeasurementOutput = 1u << 13;
constexpr std::uint16_t Bootloader = 1u << 14;
constexpr std::uint16_t PulseTrain = 1u << 15;
} // namespace ob

std::uint16_t word(const Image& im, int offset);
void setWord(Image& im, int offset, std::uint16_t v);
std::uint32_t dword(const Image& im, int offset);
void setDword(Image& im, int offset, std::uint32_t v);

// Identification number text: the eight nibbles of the value, most significant first. A BCD number
// shows its eight decimal digits; a nibble above 9 (an erased module reads FF FF FF FF) shows as
// the hex letter, so nothing a module holds is hidden or lost.
QString idText(std::uint32_t value);
// One to eight decimal digits read four bits per digit, "00001234" and "1234" both 0x1234.
// Anything else (a non-digit, a ninth digit, nothing) is no identification number.
std::optional<std::uint32_t> parseIdText(const QString& text);
// The value of an ID edit for the image: the text the image itself shows keeps the image's value
// whatever it is; any other text must be a typed number.
std::optional<std::uint32_t> idFromText(const QString& text, std::uint32_t current);

// Sixteen upper-case hex pairs separated by single blanks.
QString keyText(const ModuleKey& key);
ModuleKey keyAt(const Image& im);
void storeKey(Image& im, const ModuleKey& key);

// Key text as typed: blanks ignored, the rest fills 32 "0" from the left and is read as hex pairs
// (upper or lower case, any other character counting as 0). More than 32 characters is no key.
std::optional<ModuleKey> parseKeyText(const QString& text);

// Reset history entry i (0..9) as the grid shows it: "day.month.year hour:minute:second" and the
// reset count. A byte FF is shown "--" ("----" for the year), a count of FF as "-".
struct HistoryRow {
    QString date;
    QString resetCount;
};
HistoryRow historyRow(const Image& im, int entry);

} // namespace kvq::wz
