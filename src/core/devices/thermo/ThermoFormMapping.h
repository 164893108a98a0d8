#pragma once
// Record to form and form to record for the radio thermometer's device-data window, its presets and
// the input rule of its temperatures. The allocator's mapping and rules do the work on its table.

#include "core/devices/hca/HcaFormMapping.h"
#include "core/devices/thermo/ThermoForm.h"
#include "core/devices/thermo/ThermoRecord.h"

namespace kvq::thermo {

// The thermometer's table rows; it has no measurement-free months (bytes 152, 153 are carried).
const hca::RecordMapping& thermoMapping();

// The record as the form shows it; the record is not touched.
void showRecord(const Record& record, ThermoForm& form);
// Builds the record from the form: only the bits of the thermometer's controls are set in the flag
// words, the bytes it has no control for keep what the record held. On an input that does not fit,
// the record stays as it was and the error names the control.
std::optional<InputError> readForm(ThermoForm& form, Record& record, const hca::KeyDerivation& derive);

// What the temperature edits accept while typing: digits, the comma and a minus sign in front (a
// daily minimum may lie below zero).
QString filterTemperatureInput(const QString& text);

// The factory standard values of the controls the thermometer has; the temperatures keep theirs.
void applyPresets(ThermoForm& form);

} // namespace kvq::thermo
