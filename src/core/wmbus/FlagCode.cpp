#include "core/wmbus/FlagCode.h"

namespace kvq::wmbus {

FlagCode unpackFlagCode(std::uint16_t m) {
    FlagCode code;
    code.letters[0] = static_cast<char>(64 + ((m >> 10) & 0x1F));
    code.letters[1] = static_cast<char>(64 + ((m >> 5) & 0x1F));
    code.letters[2] = static_cast<char>(64 + (m & 0x1F));
    code.letters[3] = '\0';
    return code;
}

std::optional<std::uint16_t> packFlagCode(std::string_view code) {
    if (code.size() != 3)
        return std::nullopt;
    std::uint16_t m = 0;
    for (char c : code) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c < 'A' || c > 'Z')
            return std::nullopt;
        m = static_cast<std::uint16_t>((m << 5) | (c - 64));
    }
    return m;
}

} // namespace kvq::wmbus
