#pragma once
// Link-layer fields of a telegram buffer (see Telegram.h) and the RSSI of the receiver.

#include "core/wmbus/FixedText.h"
#include "core/wmbus/FlagCode.h"
#include "core/wmbus/Framing.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace kvq::wmbus {

// Identification number as text: the eight BCD digits, or the unsigned decimal of the four bytes
// when any nibble is no decimal digit.
using IdText = FixedText<10>;
IdText idText(std::span<const std::uint8_t, 4> idBytes);

struct LinkLayer {
    std::uint8_t startByte = 0;
    std::uint8_t l = 0; // L field: bytes from the C field to the RSSI byte inclusive
    std::uint8_t c = 0;
    std::array<std::uint8_t, 2> m{}; // as received, low byte first
    FlagCode manufacturer;
    std::array<std::uint8_t, 4> id{}; // least significant byte first
    IdText idText;
    std::uint8_t version = 0;
    std::uint8_t deviceType = 0; // of the A field
    std::uint8_t ci = 0;         // at index 11
    std::uint8_t rssiRaw = 0;    // byte L + 1
    // Device type shown with the link layer: that of a long transport header (CI 0x72, 0x73, 0x6B
    // at index 11) when the telegram holds it, else deviceType.
    std::uint8_t shownDeviceType = 0;
    std::string_view mediumText; // text of shownDeviceType (static storage)

    std::uint16_t mField() const { return static_cast<std::uint16_t>(m[0] | (m[1] << 8)); }
};

// Smallest L that holds the link header and the RSSI byte (C..CI is 10 bytes, then RSSI).
inline constexpr std::uint8_t kMinLinkL = 11;

// Reads the link layer. No value when the buffer is shorter than L + 2 or L is below kMinLinkL;
// bytes beyond L + 1 are ignored.
std::optional<LinkLayer> decodeLinkLayer(std::span<const std::uint8_t> telegram);

// RSSI of a raw receiver byte in dBm: RadioCraft -(raw / 2); Amber the byte as signed 8-bit value,
// halved toward zero, minus 75.
int rssiValue(std::uint8_t raw, Framing framing);
// RSSI as shown: RadioCraft "-" and raw / 2 (so raw 0 gives "-0"); Amber the decimal of rssiValue.
FixedText<8> rssiText(std::uint8_t raw, Framing framing);

} // namespace kvq::wmbus
