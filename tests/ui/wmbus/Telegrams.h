#pragma once
// Receiver frames built byte by byte for the recorder tests.

#include <cstdint>
#include <iterator>
#include <vector>

namespace kvq::test {

// Short header (access number, status, configuration) and one volume record.
inline constexpr std::uint8_t kDefaultRest[] = {0x01, 0x00, 0x00, 0x00, 0x04, 0x13, 0x39, 0x30, 0x00, 0x00};

struct LinkFields {
    std::uint8_t c = 0x44;
    std::uint8_t m[2] = {0xAE, 0x0C};              // CEN
    std::uint8_t id[4] = {0x78, 0x56, 0x34, 0x12}; // 12345678
    std::uint8_t version = 0x01;
    std::uint8_t deviceType = 0x07;
    std::uint8_t ci = 0x7A;
    std::vector<std::uint8_t> rest{std::begin(kDefaultRest), std::end(kDefaultRest)};
    std::uint8_t rssi = 0x8A;
};

// C .. RSSI: the bytes that L counts.
inline std::vector<std::uint8_t> linkBody(const LinkFields& f) {
    std::vector<std::uint8_t> b = {f.c,     f.m[0],  f.m[1],    f.id[0],      f.id[1],
                                   f.id[2], f.id[3], f.version, f.deviceType, f.ci};
    b.insert(b.end(), f.rest.begin(), f.rest.end());
    b.push_back(f.rssi);
    return b;
}

// 0x68 L C ... RSSI 0x16
inline std::vector<std::uint8_t> radioCraftFrame(const LinkFields& f) {
    const auto body = linkBody(f);
    std::vector<std::uint8_t> out = {0x68, static_cast<std::uint8_t>(body.size())};
    out.insert(out.end(), body.begin(), body.end());
    out.push_back(0x16);
    return out;
}

// 0xFF 0x03 n C ... RSSI checksum (XOR of everything before it)
inline std::vector<std::uint8_t> amberFrame(const LinkFields& f) {
    const auto body = linkBody(f);
    std::vector<std::uint8_t> out = {0xFF, 0x03, static_cast<std::uint8_t>(body.size())};
    out.insert(out.end(), body.begin(), body.end());
    std::uint8_t x = 0;
    for (std::uint8_t b : out)
        x ^= b;
    out.push_back(x);
    return out;
}

inline std::vector<std::uint8_t> operator+(std::vector<std::uint8_t> a, const std::vector<std::uint8_t>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace kvq::test
