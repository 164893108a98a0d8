#include "core/wmbus/LinkLayer.h"

#include "core/wmbus/MediumTable.h"

#include <cstdio>

namespace kvq::wmbus {

IdText idText(std::span<const std::uint8_t, 4> id) {
    char digits[9];
    bool bcd = true;
    for (int k = 0; k < 4; ++k) {
        const std::uint8_t byte = id[3 - k];
        const int hi = byte >> 4, lo = byte & 0x0F;
        bcd = bcd && hi <= 9 && lo <= 9;
        digits[2 * k] = static_cast<char>('0' + hi);
        digits[2 * k + 1] = static_cast<char>('0' + lo);
    }
    if (bcd)
        return IdText(std::string_view(digits, 8));
    const unsigned long value = static_cast<unsigned long>(id[0]) | (static_cast<unsigned long>(id[1]) << 8) |
                                (static_cast<unsigned long>(id[2]) << 16) |
                                (static_cast<unsigned long>(id[3]) << 24);
    char text[16];
    const int n = std::snprintf(text, sizeof text, "%lu", value);
    return IdText(std::string_view(text, static_cast<std::size_t>(n)));
}

std::optional<LinkLayer> decodeLinkLayer(std::span<const std::uint8_t> t) {
    if (t.size() < 2)
        return std::nullopt;
    const std::uint8_t l = t[1];
    if (l < kMinLinkL || t.size() < static_cast<std::size_t>(l) + 2)
        return std::nullopt;
    LinkLayer link;
    link.startByte = t[0];
    link.l = l;
    link.c = t[2];
    link.m = {t[3], t[4]};
    link.manufacturer = manufacturerText(t[3], t[4]);
    link.id = {t[5], t[6], t[7], t[8]};
    link.idText = idText(std::span<const std::uint8_t, 4>(t.subspan(5, 4)));
    link.version = t[9];
    link.deviceType = t[10];
    link.ci = t[11];
    link.rssiRaw = t[l + 1];
    link.shownDeviceType = link.deviceType;
    // The long header's device type sits at index 19 and must lie before the RSSI byte.
    if ((link.ci == 0x72 || link.ci == 0x73 || link.ci == 0x6B) && l >= 19)
        link.shownDeviceType = t[19];
    link.mediumText = wmbus::mediumText(link.shownDeviceType);
    return link;
}

int rssiValue(std::uint8_t raw, Framing framing) {
    if (framing == Framing::RadioCraft)
        return -(raw / 2);
    return static_cast<std::int8_t>(raw) / 2 - 75;
}

FixedText<8> rssiText(std::uint8_t raw, Framing framing) {
    char text[8];
    const int n = framing == Framing::RadioCraft
                      ? std::snprintf(text, sizeof text, "-%d", raw / 2)
                      : std::snprintf(text, sizeof text, "%d", rssiValue(raw, framing));
    return FixedText<8>(std::string_view(text, static_cast<std::size_t>(n)));
}

} // namespace kvq::wmbus
