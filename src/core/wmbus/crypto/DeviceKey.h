#pragma once
// Per-device wireless M-Bus key, derived from the device's identification number.

#include "core/wmbus/crypto/Aes128.h"

#include <string>
#include <string_view>

namespace kvq::crypto {

struct DeviceKey {
    Key key;
    std::string text; // KeyToText(key)
};

// The identification text holds 8 decimal digits. Surrounding blanks are ignored; a shorter
// text is the same number with its leading zeros lost, so it is right-aligned in 8 digits;
// of a longer one the first 8 digits count. Each digit is read as a hex digit value, anything
// else counting as 0, as for every digit pair of this program.
DeviceKey DeriveDeviceKey(std::string_view idText);

} // namespace kvq::crypto
