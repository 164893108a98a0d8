#pragma once
// Small byte helpers shared by device records, frames and telegram decoding.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kvq {

// Two bytes of a 16-bit value exchanged.
constexpr std::uint16_t swapBytes16(std::uint16_t v) {
    return static_cast<std::uint16_t>((v >> 8) | (v << 8));
}

// Value of one hexadecimal digit; anything that is no hex digit counts as 0.
constexpr int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return 0;
}

constexpr bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Big-endian (most significant byte first) 16-bit and 32-bit fields.
inline std::uint16_t readBE16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>((p[0] << 8) | p[1]);
}
inline void writeBE16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v >> 8);
    p[1] = static_cast<std::uint8_t>(v);
}
inline std::uint16_t readLE16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
inline void writeLE16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}
inline std::uint32_t readLE32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
inline void writeLE32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// IEEE-754 single precision stored most significant byte first.
float readBEFloat(const std::uint8_t* p);
void writeBEFloat(std::uint8_t* p, float v);

// Hex text as shown in logs and monitors: two upper-case digits and one blank per byte ("68 0A ").
std::string toHexText(std::span<const std::uint8_t> bytes);
// Bytes of a hex text; blanks are ignored. False on an odd digit count
// or a character that is neither a hex digit nor a blank.
bool parseHexText(const std::string& text, std::vector<std::uint8_t>& out);

} // namespace kvq
