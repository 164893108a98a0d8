#pragma once
// Rules of the module's device-data form that need no window: the send-window evaluation for the
// module's date, clock and history months, number texts of readings and temperature, the battery
// year, the device ID advance, the per-module key.

#include "core/devices/watermodule/WzRecord.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace kvq::wz {

// Monday bit 0 .. Sunday bit 6 of a date.
std::uint8_t weekdayBit(const QDate& date);

// Sets word 18 and ORs byte 30 for the module's date as the module itself would see it: month
// bit of the send mask clear gives 0; otherwise month, then day when the weekday is in the mask,
// then week when the date's week of the month is in the mask. Bits 6/7 carry the protocol.
void evaluateWindow(Image& im, const QDate& moduleDate, bool s1, bool t1);

// The PC's UTC time shifted by the time-zone setting in whole hours.
QDateTime moduleLocalTime(const QDateTime& utcNow, int zoneHours);
// "UTC+1h", "UTC-5h".
QString zoneText(int zoneHours);

// Month and year - 2000 of the 18 monthly entries going back from the month before `today`.
struct MonthYear {
    int month = 0;
    int year = 0; // - 2000
};
std::array<MonthYear, off::MonthEntries> monthsBack(const QDate& today);
// Row 1's month typed: rows 2..18 go back one month per row (below 1 wraps to 12).
std::array<int, off::MonthEntries> monthColumn(int firstMonth);

// The battery year edit never holds a text that sorts after "2999" ("3000", "5"); compared as text,
// so "10000" and "2999" stay.
QString clampBatteryYearText(const QString& text);

// After an acknowledged write with "autom. Geräte ID Erhöhung": the decimal value + 1 in eight
// digits; nullopt when the text is no decimal number or the next one would need a ninth digit.
std::optional<QString> nextDeviceId(const QString& idText);

// "Stichtagszählerstand darf nicht größer als der Zählerstand sein!" applies (readings in m3).
bool dueReadingExceedsReading(const QString& reading, const QString& dueReading);

// Chip temperature in tenths of a degree, signed, as a decimal number ("21,5", "-0,3", "20").
QString temperatureText(std::uint16_t tenths);

// "day.month.year" of the last due date, "Fehlerdatum: high.low" of the error word.
QString dueDateText(const Image& im);
QString errorDateText(const Image& im);

// The module's key from its device ID text: the device-key derivation of the wireless M-Bus keys.
ModuleKey DeriveModuleKey(const QString& deviceIdText);

} // namespace kvq::wz
