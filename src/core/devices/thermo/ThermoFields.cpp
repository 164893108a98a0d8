#include "core/devices/thermo/ThermoFields.h"

#include "core/devices/hca/HcaFields.h"
#include "core/devices/thermo/ThermoRecord.h"

#include <QtGlobal>
#include <algorithm>
#include <array>

namespace kvq::thermo {

using namespace fields;

namespace {

// The allocator's rows that are not repeated controls (send mask, weekdays) and that the thermometer
// has. Everything else of the allocator's table (start month, reading date, scale, coefficients,
// consumptions, meter readings, month table, special displays, AES mode 7) it has not.
constexpr std::array kSharedControls = {
    "Edit1GeraeteID",
    "EditFunkID",
    "EditSerienNR",
    "Edit1BattMon",
    "Edit1TempOffset",
    "EditManCode",
    "CheckBoxMon",
    "CheckBoxTag",
    "CheckBoxWo",
    "CheckBoxStd",
    "CheckBoxFenster",
    "RadioButton_Funk_S1",
    "RadioButton_Funk_T1",
    "CheckBox1MessFehler",
    "CheckBox1Sabotage",
    "CheckBox1LowBatt",
    "CheckBox1CSfehler",
    "CheckBoxHFError",
    "CheckBoxRESET",
    "CheckBoxAESenable",
    "CheckBox5Speed",
    "CheckBoxShortProt",
    "RadioButton1StartMenue",
    "RadioButton2Stromtest",
    "RadioButton3Lager",
    "CheckBox1LCD_ON",
    "CheckBoxZweiFuehle",
    "CheckBoxFunk",
    "CheckBoxEinmessMode",
    "CheckBoxFunkTraegerON",
    "RadioButtonTestMode",
};

bool repeatedShared(const QString& control) {
    auto in = [&control](const auto& names) {
        return std::any_of(names.begin(), names.end(),
                           [&](const char* n) { return control == QLatin1String(n); });
    };
    return in(hca::kWeekdayShownBoxes) || in(kSendMonthBoxes) || in(kSendWeekBoxes) || in(kSendDayBoxes) ||
           control.startsWith(QLatin1String("CSpinEdit"));
}

Table<ThermoForm> build() {
    Table<ThermoForm> t = subTable<ThermoForm>(hca::hcaFields(), thermometerHasControl);
    auto temperature = [&t](const char* control, QString ThermoForm::*m, int offset, const char* caption) {
        t.fields.push_back(
            {QString::fromLatin1(control), member(m), {offset, Codec::BE16Signed, 0, 0, 2, caption}});
    };
    temperature("EditMaxTempRaum", &ThermoForm::EditMaxTempRaum, off::MaxTempRoom,
                QT_TRANSLATE_NOOP("FieldTexts", "°C max. Temperatur Raumfühler am Tag"));
    temperature("EditMaxTempWand", &ThermoForm::EditMaxTempWand, off::MaxTempWall,
                QT_TRANSLATE_NOOP("FieldTexts", "°C max. Temperatur Wandfühler am Tag"));
    temperature("EditMinTempRaum", &ThermoForm::EditMinTempRaum, off::MinTempRoom,
                QT_TRANSLATE_NOOP("FieldTexts", "°C min. Temperatur Raumfühler am Tag"));
    temperature("EditMinTempWand", &ThermoForm::EditMinTempWand, off::MinTempWall,
                QT_TRANSLATE_NOOP("FieldTexts", "°C min. Temperatur Wandfühler am Tag"));
    temperature("EditTempRaum", &ThermoForm::EditTempRaum, off::RoomTemp,
                QT_TRANSLATE_NOOP("FieldTexts", "Temperatur Raumfühler"));
    temperature("EditTempWand", &ThermoForm::EditTempWand, off::WallTemp,
                QT_TRANSLATE_NOOP("FieldTexts", "Temperatur Wandfühler"));
    return t;
}

} // namespace

bool thermometerHasControl(const QString& control) {
    return repeatedShared(control) ||
           std::any_of(kSharedControls.begin(), kSharedControls.end(),
                       [&control](const char* n) { return control == QLatin1String(n); });
}

const Table<ThermoForm>& thermoFields() {
    static const Table<ThermoForm> table = build();
    return table;
}

} // namespace kvq::thermo
