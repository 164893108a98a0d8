#include "core/app/Parameter.h"

namespace kvq {

PARAmeter::PARAmeter(DeviceFamily family) : Family(static_cast<int>(family)) {
    switch (family) {
    case DeviceFamily::HeatCostAllocator:
        DataEHKV.bytes[5] = 1;
        DataEHKV.bytes[24] |= 0x03;
        break;
    case DeviceFamily::RadioThermometer:
        DataWMTHERMO[5] = 1;
        DataWMTHERMO[24] |= 0x03;
        break;
    case DeviceFamily::WaterMeterModule:
        DataWZBRAM[8] = 1;
        DataWZBRAM[20] |= 0x03;
        break;
    }
}

} // namespace kvq
