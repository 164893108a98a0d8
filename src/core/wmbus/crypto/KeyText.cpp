#include "core/wmbus/crypto/KeyText.h"

#include "core/app/Bytes.h"

namespace kvq::crypto {

namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

} // namespace

std::string KeyToText(const Key& key) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(kBlockSize * 3 - 1);
    for (std::size_t i = 0; i < key.size(); ++i) {
        if (i > 0)
            text.push_back(' ');
        text.push_back(digits[key[i] >> 4]);
        text.push_back(digits[key[i] & 0x0F]);
    }
    return text;
}

Key ParseKeyText(std::string_view text) {
    char field[2 * kBlockSize];
    std::size_t filled = 0;
    for (char c : text) {
        if (isBlank(c))
            continue;
        if (filled == sizeof field)
            break;
        field[filled++] = c;
    }
    for (; filled < sizeof field; ++filled)
        field[filled] = '0';
    Key key;
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        key[i] =
            static_cast<std::uint8_t>(hexDigitValue(field[2 * i]) * 16 + hexDigitValue(field[2 * i + 1]));
    }
    return key;
}

KeyTextFault CheckKeyText(std::string_view text) {
    std::size_t digits = 0;
    for (char c : text) {
        if (isBlank(c))
            continue;
        if (!isHexDigit(c))
            return KeyTextFault::NotHex;
        ++digits;
    }
    if (digits == 0)
        return KeyTextFault::Empty;
    if (digits < 2 * kBlockSize)
        return KeyTextFault::TooShort;
    if (digits > 2 * kBlockSize)
        return KeyTextFault::TooLong;
    return KeyTextFault::None;
}

} // namespace kvq::crypto
