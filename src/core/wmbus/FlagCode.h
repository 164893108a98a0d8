#pragma once
// Manufacturer flag codes: three capital letters packed into the 16-bit M field of a telegram
// (5 bits per letter, letter - 64, first letter highest; bit 15 unused; sent low byte first).

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kvq::wmbus {

// Three letters and a terminating zero, so the text needs no allocation.
struct FlagCode {
    std::array<char, 4> letters{};
    std::string_view view() const { return std::string_view(letters.data(), 3); }
    friend bool operator==(const FlagCode&, const FlagCode&) = default;
};

// Letters of an M field value. Bit 15 is ignored. Every 5-bit group gives a character from '@' (0)
// to '_' (31), as received: codes outside A..Z are shown, not refused.
FlagCode unpackFlagCode(std::uint16_t m);

// Letters of the two M bytes as received (low byte first).
inline FlagCode manufacturerText(std::uint8_t low, std::uint8_t high) {
    return unpackFlagCode(static_cast<std::uint16_t>(low | (high << 8)));
}

// M field of a three-letter code. Lower-case letters are taken as capitals; anything that is not
// exactly three letters A..Z gives no value.
std::optional<std::uint16_t> packFlagCode(std::string_view code);

} // namespace kvq::wmbus
