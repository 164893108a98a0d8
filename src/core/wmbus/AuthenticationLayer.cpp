#include "core/wmbus/AuthenticationLayer.h"

#include <algorithm>

namespace kvq::wmbus {

std::optional<std::size_t> macLengthOf(std::uint8_t at) {
    switch (at) {
    case 4:
        return 4;
    case 5:
        return 8;
    case 6:
        return 12;
    case 7:
        return 16;
    default:
        return std::nullopt;
    }
}

std::optional<AuthenticationLayer> parseAuthenticationLayer(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 2)
        return std::nullopt;
    AuthenticationLayer a;
    a.length = bytes[1];
    if (a.size() > bytes.size())
        return std::nullopt;
    // Fields are read only inside the layer's own length.
    const std::span<const std::uint8_t> body = bytes.subspan(2, a.length);
    std::size_t q = 0;
    auto take = [&](std::size_t n) -> std::optional<std::span<const std::uint8_t>> {
        if (n > body.size() - q)
            return std::nullopt;
        const auto s = body.subspan(q, n);
        q += n;
        return s;
    };
    const auto fcl = take(2);
    if (!fcl)
        return std::nullopt;
    a.fcl = static_cast<std::uint16_t>((*fcl)[0] | ((*fcl)[1] << 8));
    if (a.fcl & AuthenticationLayer::kMclPresent) {
        const auto f = take(1);
        if (!f)
            return std::nullopt;
        a.mcl = (*f)[0];
    }
    if (a.fcl & AuthenticationLayer::kKiPresent) {
        const auto f = take(2);
        if (!f)
            return std::nullopt;
        a.ki = static_cast<std::uint16_t>((*f)[0] | ((*f)[1] << 8));
    }
    if (a.fcl & AuthenticationLayer::kMcrPresent) {
        const auto f = take(4);
        if (!f)
            return std::nullopt;
        std::array<std::uint8_t, 4> c;
        std::copy(f->begin(), f->end(), c.begin());
        a.counter = c;
    }
    if (a.fcl & AuthenticationLayer::kMacPresent) {
        // The MAC's length comes from the MCL; without one (or with a type of unknown length) the
        // rest of the layer cannot be found.
        const auto n = macLengthOf(a.authenticationType());
        if (!n)
            return std::nullopt;
        const auto f = take(*n);
        if (!f)
            return std::nullopt;
        std::copy(f->begin(), f->end(), a.mac.begin());
        a.macLength = *n;
    }
    if (a.fcl & AuthenticationLayer::kMlPresent) {
        const auto f = take(2);
        if (!f)
            return std::nullopt;
        a.messageLength = static_cast<std::uint16_t>((*f)[0] | ((*f)[1] << 8));
    }
    return a;
}

} // namespace kvq::wmbus
