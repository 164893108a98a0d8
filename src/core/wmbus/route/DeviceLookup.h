#pragma once
// The question telegram decoding asks once per telegram: is the sender a device of the loaded
// route, and which key text is stored for it? Standard library only, so a decoder and its tests
// need nothing else.

#include <cstdint>
#include <optional>
#include <string_view>

namespace kvq::wmbus {

// Stable identity of a node of the route tree; 0 is no node.
using RouteNodeId = std::uint32_t;

struct RouteDeviceMatch {
    RouteNodeId node = 0;
    // The device's key text as stored in the route, possibly empty. Valid until the route is
    // next changed.
    std::string_view keyText;
};

class DeviceLookup {
public:
    virtual ~DeviceLookup() = default;

    // The route device with this radio ID, device type (medium code) and manufacturer flag code
    // (three letters). Of several equal devices the first in tree order answers.
    virtual std::optional<RouteDeviceMatch> findDevice(std::uint32_t radioId, std::uint8_t deviceType,
                                                       std::string_view manufacturer) const = 0;

    // Same by the link-layer ID text (eight decimal digits). A text that is no decimal number
    // (BCD digits above 9) names no route device.
    std::optional<RouteDeviceMatch> findDeviceByIdText(std::string_view idText, std::uint8_t deviceType,
                                                       std::string_view manufacturer) const;

    // Radio ID of an ID text: decimal digits only, optional surrounding blanks, at most 32 bits.
    static std::optional<std::uint32_t> radioIdFromText(std::string_view idText);
};

} // namespace kvq::wmbus
