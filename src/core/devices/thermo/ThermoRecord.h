#pragma once
// The radio thermometer's 165-byte record. It has the heat cost allocator's layout (hca::off) and
// bits; what differs are the six temperatures in 1/100 degC, signed, most significant byte first,
// and the command bytes of its frames.

#include "core/devices/hca/HcaRecord.h"

#include <cstdint>

namespace kvq::thermo {

using Record = hca::Record;

namespace off {
constexpr int MaxTempRoom = 12; // daily maximum of the room sensor
constexpr int MaxTempWall = 14; // daily maximum of the wall sensor
constexpr int MinTempRoom = 16; // daily minimum of the room sensor
constexpr int MinTempWall = 18; // daily minimum of the wall sensor
constexpr int RoomTemp = 148;   // room sensor now
constexpr int WallTemp = 150;   // wall sensor now
} // namespace off

// Command bytes of the read and write requests and the sub-address byte of the service commands.
constexpr std::uint8_t kReadCommand = 0x28;
constexpr std::uint8_t kWriteCommand = 0x29;
constexpr std::uint8_t kServiceSub = 0x2A;

} // namespace kvq::thermo
