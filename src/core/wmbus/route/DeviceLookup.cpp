#include "core/wmbus/route/DeviceLookup.h"

namespace kvq::wmbus {

std::optional<std::uint32_t> DeviceLookup::radioIdFromText(std::string_view idText) {
    while (!idText.empty() && idText.front() == ' ')
        idText.remove_prefix(1);
    while (!idText.empty() && idText.back() == ' ')
        idText.remove_suffix(1);
    if (idText.empty())
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : idText) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > 0xFFFFFFFFu)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

std::optional<RouteDeviceMatch> DeviceLookup::findDeviceByIdText(std::string_view idText,
                                                                 std::uint8_t deviceType,
                                                                 std::string_view manufacturer) const {
    const auto id = radioIdFromText(idText);
    if (!id)
        return std::nullopt;
    return findDevice(*id, deviceType, manufacturer);
}

} // namespace kvq::wmbus
