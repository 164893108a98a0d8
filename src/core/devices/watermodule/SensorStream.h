#pragma once
// The module's live LC-sensor stream: frames of threshold S2, sensor 1, sensor 2 (bit 7 clear) and an
// end byte with threshold S1 in bits 0..6 and bit 7 set; and the band width of each sensor over its
// last 300 values.

#include <array>
#include <cstdint>
#include <optional>

namespace kvq::wz {

struct SensorSample {
    std::uint8_t sensor1 = 0, sensor2 = 0, ts1 = 0, ts2 = 0;
};

// A frame as the link hands it on: the end byte and the three bytes gathered before it.
SensorSample sampleOfGroup(std::uint8_t endByte, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2);

class SensorStreamParser {
public:
    // A sample at every end byte, with what the frame brought (values left from before where a
    // stream starts in the middle of a frame); extra bytes before the end byte are ignored.
    std::optional<SensorSample> feed(std::uint8_t byte);

private:
    int count_ = 0;
    SensorSample pending_;
};

class BandWidth {
public:
    static constexpr int kHistory = 300;
    // Adds a value and returns maximum minus minimum of the last 300 values; the history starts as
    // zeros, so a constant value shows as its own size until 300 values have come.
    int add(int value);

private:
    std::array<std::uint16_t, kHistory> values_{};
    int next_ = 0;
};

} // namespace kvq::wz
