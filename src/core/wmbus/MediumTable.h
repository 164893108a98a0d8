#pragma once
// Medium (device type) texts of the A field's device type byte.

#include <cstdint>
#include <string_view>

namespace kvq::wmbus {

// Text of a device type: the 43 named codes 0x00..0x2A (some of them empty on purpose),
// "Reserved" for every code from 0x2B up.
std::string_view mediumText(std::uint8_t deviceType);

} // namespace kvq::wmbus
