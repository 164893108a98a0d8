#pragma once
// Receiver frames for the framing and link-layer tests.

#include <cstdint>
#include <vector>

namespace kvq::wmbus::test {

using Bytes = std::vector<std::uint8_t>;

// A telegram body from the C field up to (without) the RSSI byte.
inline Bytes body(std::uint8_t c, std::uint8_t idLow, std::size_t extra = 0, std::uint8_t ci = 0x7A) {
    Bytes b = {c, 0xAE, 0x0C, idLow, 0x56, 0x34, 0x12, 0x01, 0x07, ci};
    for (std::size_t k = 0; k < extra; ++k)
        b.push_back(static_cast<std::uint8_t>(0x10 + k));
    return b;
}

inline Bytes radioCraftFrame(const Bytes& body, std::uint8_t rssi = 0x8A) {
    Bytes f = {0x68, static_cast<std::uint8_t>(body.size() + 1)};
    f.insert(f.end(), body.begin(), body.end());
    f.push_back(rssi);
    f.push_back(0x16);
    return f;
}

inline Bytes amberFrame(const Bytes& body, std::uint8_t rssi = 0x8A) {
    Bytes f = {0xFF, 0x03, static_cast<std::uint8_t>(body.size() + 1)};
    f.insert(f.end(), body.begin(), body.end());
    f.push_back(rssi);
    std::uint8_t x = 0;
    for (std::uint8_t v : f)
        x ^= v;
    f.push_back(x);
    return f;
}

inline void append(Bytes& to, const Bytes& from) {
    to.insert(to.end(), from.begin(), from.end());
}

} // namespace kvq::wmbus::test
