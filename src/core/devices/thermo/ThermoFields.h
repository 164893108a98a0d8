#pragma once
// The field table of the radio thermometer's record: the allocator's rows that the thermometer has,
// and its six temperatures. The flag words carry only the bits of those rows.

#include "core/devices/common/FieldTable.h"
#include "core/devices/thermo/ThermoForm.h"

#include <QString>

namespace kvq::thermo {

const fields::Table<ThermoForm>& thermoFields();

// Whether the allocator's control is one the thermometer has.
bool thermometerHasControl(const QString& allocatorControl);

} // namespace kvq::thermo
