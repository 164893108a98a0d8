#include "core/wmbus/crypto/DeviceKey.h"

#include "core/app/Bytes.h"
#include "core/wmbus/crypto/KeyText.h"

#include <cstring>

namespace kvq::crypto {

namespace {

constexpr Key kMasterKey = {0x7F, 0x3A, 0x9C, 0x2E, 0x5B, 0x1D, 0x40, 0x86,
                            0xA2, 0xC4, 0xE6, 0xF8, 0x09, 0x1B, 0x3D, 0x5F};
constexpr char kDiversification[] = "VARNOSTELIK-";
static_assert(sizeof kDiversification - 1 == 12);

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

DeviceKey DeriveDeviceKey(std::string_view idText) {
    while (!idText.empty() && isBlank(idText.front()))
        idText.remove_prefix(1);
    while (!idText.empty() && isBlank(idText.back()))
        idText.remove_suffix(1);
    char digits[8];
    std::memset(digits, '0', sizeof digits);
    if (idText.size() >= sizeof digits) {
        std::memcpy(digits, idText.data(), sizeof digits);
    } else {
        std::memcpy(digits + sizeof digits - idText.size(), idText.data(), idText.size());
    }

    Block plain;
    std::memcpy(plain.data(), kDiversification, 12);
    // Identification number in BCD, least significant digit pair first.
    for (int pair = 0; pair < 4; ++pair) {
        plain[15 - pair] = static_cast<std::uint8_t>(hexDigitValue(digits[2 * pair]) * 16 +
                                                     hexDigitValue(digits[2 * pair + 1]));
    }
    DeviceKey result;
    result.key = EncryptBlock(kMasterKey, plain);
    result.text = KeyToText(result.key);
    return result;
}

} // namespace kvq::crypto
