#pragma once
// The rules that keep the device-data form consistent while the technician edits it, the presets,
// the PC clock and the device ID advance after a write.

#include "core/devices/hca/HcaForm.h"
#include "core/devices/hca/HcaMessages.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace kvq::hca {

// Enabled and visible states, captions and colours that follow from the values, and the
// transmission schedule results.
void refreshDerived(HcaForm& f);

// Factory standard values of every control of the form, with what the protocol, scale and
// sensor choices imply (charge per telegram, DeltaT, KQ).
void applyPresets(HcaForm& f);
// Date and time of the PC shifted by the time-zone setting (whole hours), with its weekday.
void fillDateTime(HcaForm& f, const QDateTime& localNow, int timeZoneDiff);
// Exactly the weekday box of the date in sDateEdit1.
void showWeekday(HcaForm& f);

// The next device ID after an acknowledged write when "autom. Geräte ID Erhöhung" is on; why not
// (form unchanged) when the ID is no number or would need a ninth digit.
std::optional<Message> advanceDeviceId(HcaForm& f);

// Handlers of the inputs. Each takes the form as it is after the click or change.
void onIdTextChanged(HcaForm& f); // Edit1GeraeteID, EditSerienNR: the radio ID follows the device ID
void onStartmonatChange(HcaForm& f);
// A battery year above kBatteryYearMax becomes kBatteryYearMax, the last year the record can hold.
void onBattJahrChange(HcaForm& f);
// The reading-date meter reading is greater than the running one.
bool meterReadingConflict(const HcaForm& f);
void onAutoSerNrClick(HcaForm& f);
void onKeineSNClick(HcaForm& f); // also "mit Update Funkfenster"
void onScaleSelected(HcaForm& f, bool unitScale);
void onSensorClick(HcaForm& f); // CheckBoxZweiFuehle, CheckBoxFernf
void onSonderAnzClick(HcaForm& f);
enum class Command { Working, CurrentTest, Storage };
void onCommandSelected(HcaForm& f, Command c);
enum class SpecialDisplay { Time, Meter, Temps };
void onSpecialDisplaySelected(HcaForm& f, SpecialDisplay d);
void onTestModeSelected(HcaForm& f);
void onFreeMonthClick(HcaForm& f, int index); // 0 May .. 3 August
void onMessfreiEnabledClick(HcaForm& f);

// What the edits accept while typing; anything else is dropped.
QString filterIdInput(const QString& text);     // digits, at most 8
QString filterNumberInput(const QString& text); // digits and the comma
QString filterDigitInput(const QString& text);  // digits
QString filterKeyInput(const QString& text);    // hex digits (upper case) and blanks

} // namespace kvq::hca
