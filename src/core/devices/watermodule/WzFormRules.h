#pragma once
// The rules that keep the module's device-data form consistent while the technician edits it: the
// presets, the PC clock, the schedule, the protocol choice and the field rules.

#include "core/devices/watermodule/WzForm.h"

#include <QDateTime>
#include <optional>

namespace kvq::wz {

// Enabled and visible states and colours that follow from the values.
void refreshDerived(WzForm& f);
// The schedule labels and the colour of "berechnete Häufigkeiten" (a cycle time of 0 becomes 1).
void updateSchedule(WzForm& f);

// The PC's UTC time shifted by the time-zone setting: date, time and exactly its weekday box, the
// battery end twelve years on, and the 18 monthly rows emptied and dated back from last month.
void SetCurrentTime(WzForm& f, const QDateTime& utcNow, int zoneHours);
// "autom.Zeit Aktualisierung" before a write: the module's clock always; the battery end and the
// monthly rows only while the device ID and battery lifetime may be overwritten, so a write never
// wipes the monthly values and battery date a module in service reported.
void SetCurrentTimeForWrite(WzForm& f, const QDateTime& utcNow, int zoneHours);
// "Voreinst.": factory values of every control, then SetCurrentTime. The caller collects and shows.
void applyPresets(WzForm& f, const QDateTime& utcNow, int zoneHours);

// "WMBUS S1" / "WMBUS T1" chosen, or "kurzes Tel." clicked: charge per telegram and the short box.
void onProtocolSelected(WzForm& f, bool t1);
void onShortProtClick(WzForm& f);

void onStartChange(WzForm& f);
void onStopChange(WzForm& f);
void onCycleOrVarianceChange(WzForm& f);
void onCycleKeyUp(WzForm& f);
// Row 1's month typed: the other rows follow, one month back per row.
void onFirstMonthChange(WzForm& f);
// The radio ID follows the device ID.
void onDeviceIdChange(WzForm& f);
void onAutoSerNrClick(WzForm& f);
void onKeineSNClick(WzForm& f);
void onBattJahrChange(WzForm& f);
// Closing the date drop-down: exactly the weekday box of the chosen date.
void onDateCloseUp(WzForm& f);
// With "Auto AES": the key of the typed device ID.
void onDeviceIdKeyUp(WzForm& f);
// After an acknowledged write with "autom. Geräte ID Erhöhung": the next device ID; an error text
// (form unchanged) when the ID is no decimal number or would need a ninth digit.
std::optional<QString> advanceDeviceId(WzForm& f);

} // namespace kvq::wz
