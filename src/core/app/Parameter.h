#pragma once
// The current device record: the raw images of the three device families as the devices hold them,
// filled by the answer decoding and edited by the device windows.

#include <array>
#include <cstdint>
#include <string>

namespace kvq {

enum class DeviceFamily : int { HeatCostAllocator = 0, RadioThermometer = 1, WaterMeterModule = 2 };

constexpr int kEhkvRecordSize = 165;
constexpr int kThermoRecordSize = 165;
constexpr int kWzbramRecordSize = 315;

// Heat cost allocator image: the 165 record bytes and the flag that the device runs the extended
// firmware (version byte 99 in its answer).
struct DataEHKVImage {
    std::array<std::uint8_t, kEhkvRecordSize> bytes{};
    bool ExtVersionFlag = false;
};

struct PARAmeter {
    DataEHKVImage DataEHKV;
    std::array<std::uint8_t, kThermoRecordSize> DataWMTHERMO{};
    std::array<std::uint8_t, kWzbramRecordSize> DataWZBRAM{};
    int Family = 0;
    std::string Text; // kept for the record layout; nothing reads it
    std::string DeviceName;
    std::string VersionText;

    PARAmeter() : PARAmeter(DeviceFamily::HeatCostAllocator) {}
    // A fresh record of a family: that family's image zeroed and preset.
    explicit PARAmeter(DeviceFamily family);

    DeviceFamily family() const { return static_cast<DeviceFamily>(Family); }
};

} // namespace kvq
