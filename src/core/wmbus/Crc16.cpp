#include "core/wmbus/Crc16.h"

#include <array>

namespace kvq::wmbus {

namespace {
constexpr std::array<std::uint16_t, 256> makeTable() {
    std::array<std::uint16_t, 256> t{};
    for (unsigned i = 0; i < 256; ++i) {
        std::uint16_t c = static_cast<std::uint16_t>(i << 8);
        for (int k = 0; k < 8; ++k)
            c = (c & 0x8000) ? static_cast<std::uint16_t>((c << 1) ^ 0x3D65)
                             : static_cast<std::uint16_t>(c << 1);
        t[i] = c;
    }
    return t;
}
constexpr auto kTable = makeTable();
} // namespace

std::uint16_t wmbusCrcUpdate(std::uint16_t crc, std::span<const std::uint8_t> bytes) {
    for (std::uint8_t b : bytes)
        crc = static_cast<std::uint16_t>((crc << 8) ^ kTable[((crc >> 8) ^ b) & 0xFF]);
    return crc;
}

std::uint16_t wmbusCrc(std::span<const std::uint8_t> bytes) {
    return static_cast<std::uint16_t>(~wmbusCrcUpdate(0, bytes));
}

} // namespace kvq::wmbus
