#pragma once
// Optical-head request frames of the heat cost allocator: record read, record write and the
// service commands, and the sensor timers of the sensor-test answer.

#include "core/devices/hca/HcaRecord.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kvq::hca {

using Frame = std::vector<std::uint8_t>;

constexpr int kReadFrameSize = 14;
constexpr int kWriteFrameSize = 175;
constexpr int kServiceFrameSize = 16;
// Display value of the progress bar while a record is read.
constexpr int kReadProgressMax = 184;

// 68 08 08 68 53 FE 51 0F 00 00 <count> <cmd> CS 16. The heat cost allocator's command byte is 0x08;
// the full record is 0xA5 bytes, the parameter view asks for the 0xA1 bytes a write carries.
constexpr std::uint8_t kFullRecordCount = 0xA5;
constexpr std::uint8_t kSentRecordCount = 0xA1;
Frame buildReadFrame(std::uint8_t command = 0x08, std::uint8_t count = kFullRecordCount);
// 68 08 08 68 53 FE 51 0F 00 00 A1 <cmd> record[0..160] CS 16: 175 bytes. The L byte stays 0x08,
// which is what the device firmware expects; the serial number (161..164) is never sent.
Frame buildWriteFrame(const Record& record, std::uint8_t command = 0x09);

enum class ServiceCommand { SendWMBus, LcdTest, SensorCalibration, Carrier, SensorTest, StorageMode, Sleep };

struct ServiceCommandInfo {
    ServiceCommand command;
    const char* buttonName; // objectName of the button
    std::uint8_t group;
    std::uint8_t code1;
    std::uint8_t code2;
};

const std::array<ServiceCommandInfo, 7>& serviceCommands();
const ServiceCommandInfo& serviceCommandInfo(ServiceCommand command);

// 68 08 08 68 53 FE 51 0F g g 02 <sub> c1 c2 CS 16; the allocator's sub-address byte is 0x0F.
Frame buildServiceFrame(ServiceCommand command, std::uint8_t sub = 0x0F);

} // namespace kvq::hca
