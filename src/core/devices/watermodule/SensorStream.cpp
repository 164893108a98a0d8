#include "core/devices/watermodule/SensorStream.h"

#include <algorithm>

namespace kvq::wz {

SensorSample sampleOfGroup(std::uint8_t endByte, std::uint8_t b0, std::uint8_t b1, std::uint8_t b2) {
    return {.sensor1 = b1, .sensor2 = b2, .ts1 = std::uint8_t(endByte & 0x7F), .ts2 = b0};
}

std::optional<SensorSample> SensorStreamParser::feed(std::uint8_t byte) {
    if (byte & 0x80) {
        pending_.ts1 = byte & 0x7F;
        count_ = 0;
        return pending_;
    }
    switch (count_++) {
    case 0:
        pending_.ts2 = byte;
        break;
    case 1:
        pending_.sensor1 = byte;
        break;
    case 2:
        pending_.sensor2 = byte;
        break;
    default:
        count_ = 3; // stays put; further bytes are ignored until the end byte
        break;
    }
    return std::nullopt;
}

int BandWidth::add(int value) {
    values_[next_] = std::uint16_t(std::clamp(value, 0, 65535));
    next_ = (next_ + 1) % kHistory;
    const auto [lo, hi] = std::minmax_element(values_.begin(), values_.end());
    return int(*hi) - int(*lo);
}

} // namespace kvq::wz
