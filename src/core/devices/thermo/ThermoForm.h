#pragma once
// The radio thermometer's device-data form: the allocator's form (its rules work on it unchanged)
// with the six temperatures. The members the thermometer has no control for stay unused.

#include "core/devices/hca/HcaForm.h"

namespace kvq::thermo {

struct ThermoForm : hca::HcaForm {
    ThermoForm() {
        alwaysShort = true;
        CheckBoxFunk = true;
    }
    QString EditMaxTempRaum = QStringLiteral("0");
    QString EditMaxTempWand = QStringLiteral("0");
    QString EditMinTempRaum = QStringLiteral("0");
    QString EditMinTempWand = QStringLiteral("0");
    QString EditTempRaum = QStringLiteral("0");
    QString EditTempWand = QStringLiteral("0");
};

} // namespace kvq::thermo
