#pragma once
// Small parsers that watch received bytes for the device windows: the raw timer values of a sensor
// test in a receive log, and the water-meter module's measurement stream.

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace kvq {

// A receive log of exactly 21 characters starting with "E5" holds the acknowledgement and six timer
// bytes: reference, sensor 1 and sensor 2, each an unsigned 16-bit count, most significant byte first.
// (Reading the bytes as signed values would turn counts of 0x80 and more into nonsense.) A log with
// anything but six hex pairs after the "E5" is no sensor-test answer.
std::optional<std::array<int, 3>> parseSensorTestLog(const QString& logText);

// The water-meter module streams groups of a marker byte (top bit set) and up to three data bytes.
// The marker is reported with the data bytes of the group before it; the state lives across chunks
// and across link workers.
struct SensorStreamState {
    std::uint8_t SensorByte0 = 0, SensorByte1 = 0, SensorByte2 = 0;
    std::uint8_t SensorCount = 0;
    std::uint8_t SensorMarker = 0;

    // True when the byte was a marker and a group is to be handed on.
    bool feed(std::uint8_t b) {
        if (b & 0x80) {
            SensorCount = 0;
            SensorMarker = b;
            return true;
        }
        if (SensorCount == 0)
            SensorByte0 = b;
        else if (SensorCount == 1)
            SensorByte1 = b;
        else if (SensorCount == 2)
            SensorByte2 = b;
        ++SensorCount; // one byte, as the device software kept it
        return false;
    }
};

} // namespace kvq
