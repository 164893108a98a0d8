#include "core/devices/hca/HcaRecord.h"

#include "core/app/Bytes.h"

namespace kvq::hca {

QString idText(const Record& r, int offset) {
    const std::uint32_t v = readLE32(r.data() + offset);
    QString text(8, QLatin1Char('0'));
    for (int i = 0; i < 8; ++i)
        text[i] = QChar(u'0' + ((v >> (28 - 4 * i)) & 0x0F));
    return text;
}

std::optional<std::uint32_t> parseIdText(const QString& text) {
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

void storeId(Record& r, int offset, std::uint32_t bcd) {
    writeLE32(r.data() + offset, bcd);
}

QString manCodeText(const Record& r) {
    const std::uint16_t v = readLE16(r.data() + off::ManCode);
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

QString keyText(const DeviceKey& key) {
    const std::string hex = toHexText(key);
    return QString::fromLatin1(hex.data(), static_cast<qsizetype>(hex.size()) - 1);
}

DeviceKey keyAt(const Record& r) {
    DeviceKey key;
    std::copy_n(r.begin() + off::AesKey, key.size(), key.begin());
    return key;
}

void storeKey(Record& r, const DeviceKey& key) {
    std::copy(key.begin(), key.end(), r.begin() + off::AesKey);
}

} // namespace kvq::hca
