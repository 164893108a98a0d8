#pragma once
// Every field table of the program, for the checks that run over all of them (round trip, fuzzing).
// A new record adds one line to allFieldTables.

#include "core/app/Parameter.h"
#include "core/devices/hca/HcaFields.h"
#include "core/devices/watermodule/WzFields.h"
#include "core/devices/thermo/ThermoFields.h"

#include <functional>
#include <tuple>

namespace kvq::fields {

template <class FormT> struct RegisteredTable {
    using Form = FormT;
    const char* name;
    std::function<const Table<Form>&()> table;
    int recordSize;
};

inline auto allFieldTables() {
    return std::make_tuple(RegisteredTable<hca::HcaForm>{"hca", hca::hcaFields, kEhkvRecordSize},
                           RegisteredTable<thermo::ThermoForm>{"thermo", thermo::thermoFields, kThermoRecordSize},
                           RegisteredTable<wz::WzForm>{"watermodule", wz::wzFields, kWzbramRecordSize});
}

} // namespace kvq::fields
