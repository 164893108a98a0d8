#include "core/app/Bytes.h"

#include <bit>
#include <cstring>

namespace kvq {

float readBEFloat(const std::uint8_t* p) {
    const std::uint32_t bits = (std::uint32_t(p[0]) << 24) | (std::uint32_t(p[1]) << 16) |
                               (std::uint32_t(p[2]) << 8) | std::uint32_t(p[3]);
    return std::bit_cast<float>(bits);
}

void writeBEFloat(std::uint8_t* p, float v) {
    const auto bits = std::bit_cast<std::uint32_t>(v);
    p[0] = static_cast<std::uint8_t>(bits >> 24);
    p[1] = static_cast<std::uint8_t>(bits >> 16);
    p[2] = static_cast<std::uint8_t>(bits >> 8);
    p[3] = static_cast<std::uint8_t>(bits);
}

std::string toHexText(std::span<const std::uint8_t> bytes) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (std::uint8_t b : bytes) {
        text.push_back(digits[b >> 4]);
        text.push_back(digits[b & 0x0F]);
        text.push_back(' ');
    }
    return text;
}

bool parseHexText(const std::string& text, std::vector<std::uint8_t>& out) {
    out.clear();
    int pending = -1;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n')
            continue;
        if (!isHexDigit(c))
            return false;
        if (pending < 0) {
            pending = hexDigitValue(c);
        } else {
            out.push_back(static_cast<std::uint8_t>((pending << 4) | hexDigitValue(c)));
            pending = -1;
        }
    }
    return pending < 0;
}

} // namespace kvq
