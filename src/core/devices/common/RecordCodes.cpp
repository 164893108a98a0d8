#include "core/devices/common/RecordCodes.h"

namespace kvq {

QString bcdIdText(std::uint32_t v) {
    QString text(8, QLatin1Char('0'));
    for (int i = 0; i < 8; ++i)
        text[i] = QChar(u'0' + ((v >> (28 - 4 * i)) & 0x0F));
    return text;
}

std::optional<std::uint32_t> parseBcdId(const QString& text) {
    if (text.size() > 8)
        return std::nullopt;
    std::uint32_t v = 0;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        v = (v << 4) | static_cast<std::uint32_t>(c.unicode() - u'0');
    }
    return v;
}

QString manCodeText(std::uint16_t v) {
    QString text;
    for (int shift : {10, 5, 0})
        text.append(QChar(char16_t(((v >> shift) & 0x1F) + 64)));
    return text;
}

std::optional<std::uint16_t> parseManCode(const QString& text) {
    if (text.size() != 3)
        return std::nullopt;
    std::uint16_t v = 0;
    for (QChar c : text.toUpper()) {
        // '@' and the five signs after 'Z' are the 5-bit values 0 and 27..31 a record can hold.
        if (c < u'@' || c > u'_')
            return std::nullopt;
        v = static_cast<std::uint16_t>((v << 5) | (c.unicode() - 64));
    }
    return v;
}

} // namespace kvq
