#include "core/devices/thermo/ThermoFormMapping.h"

#include "core/devices/hca/HcaFormRules.h"
#include "core/devices/thermo/ThermoFields.h"

namespace kvq::thermo {

// The thermometer has no measurement-free months: bytes 152 and 153 go back as they were read.
const hca::RecordMapping& thermoMapping() {
    static const hca::RecordMapping m{[](std::span<const std::uint8_t> r, hca::HcaForm& f) {
                                          fields::showTable(thermoFields(), r, static_cast<ThermoForm&>(f));
                                      },
                                      [](hca::HcaForm& f, std::span<std::uint8_t> r) {
                                          return fields::readTable(thermoFields(),
                                                                   static_cast<ThermoForm&>(f), r);
                                      },
                                      false};
    return m;
}

void showRecord(const Record& record, ThermoForm& form) {
    hca::showRecord(record, false, form, thermoMapping());
}

std::optional<InputError> readForm(ThermoForm& form, Record& record, const hca::KeyDerivation& derive) {
    return hca::readForm(form, record, false, derive, thermoMapping());
}

QString filterTemperatureInput(const QString& text) {
    QString out;
    for (QChar c : text)
        if ((c >= u'0' && c <= u'9') || c == u',' || (c == u'-' && out.isEmpty()))
            out.append(c);
    return out;
}

void applyPresets(ThermoForm& f) {
    // The allocator's presets leave the thermometer's temperatures alone: they are its own members.
    hca::applyPresets(f);
    f.CheckBoxFunk = true;
    onProtocolSelected(f, false);
}

} // namespace kvq::thermo
