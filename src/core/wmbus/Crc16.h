#pragma once
// The CRC of EN 13757-4 (polynomial 0x3D65, start 0, complemented at the end). It guards the
// payload of an extended link layer, and EN 13757-3 uses it for the format signature and the
// full-frame check of compact frames.

#include <cstdint>
#include <span>

namespace kvq::wmbus {

std::uint16_t wmbusCrc(std::span<const std::uint8_t> bytes);

// Continues a CRC over more bytes: start with 0, feed every piece, then complement the result.
std::uint16_t wmbusCrcUpdate(std::uint16_t crc, std::span<const std::uint8_t> bytes);

} // namespace kvq::wmbus
