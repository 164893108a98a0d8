#pragma once
// Authentication and fragmentation layer (CI 0x90, EN 13757-7): AFLL, then FCL, and after it each
// optional field only when the FCL says it is present: MCL, KI, MCR, MAC (its length from the
// authentication type in the MCL) and ML. The MCL in turn says which of KI, MCR and ML the MAC covers.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace kvq::wmbus {

struct AuthenticationLayer {
    std::uint8_t length = 0; // AFLL: bytes after it that belong to the layer
    std::uint16_t fcl = 0;
    std::optional<std::uint8_t> mcl;
    std::optional<std::uint16_t> ki;
    std::optional<std::array<std::uint8_t, 4>> counter; // MCR as received
    std::array<std::uint8_t, 16> mac{};
    std::size_t macLength = 0; // 0 without a MAC
    std::optional<std::uint16_t> messageLength;

    // FCL bits.
    static constexpr std::uint16_t kMclPresent = 0x2000, kMlPresent = 0x1000, kMcrPresent = 0x0800,
                                   kMacPresent = 0x0400, kKiPresent = 0x0200;
    // MCL bits: the fields the MAC covers; authentication type in the low nibble.
    static constexpr std::uint8_t kMlInMac = 0x40, kMcrInMac = 0x20, kKiInMac = 0x10;

    // Authentication type (MCL low nibble), 0 without an MCL.
    std::uint8_t authenticationType() const { return mcl ? (*mcl & 0x0F) : 0; }
    bool moreFragments() const { return (fcl & 0x4000) != 0; }
    // Bytes of the layer from the 0x90 to the last byte, which gives the position of the next CI.
    std::size_t size() const { return std::size_t(length) + 2; }
};

// MAC length of an authentication type (AES-CMAC-128 truncated to 4, 8, 12 or 16 bytes); nullopt
// for a type this program cannot check.
std::optional<std::size_t> macLengthOf(std::uint8_t authenticationType);

// Parses the layer that starts with its CI 0x90 at bytes[0]. nullopt when the layer is malformed: its
// length reaches past the bytes given, or the fields its flags announce do not fit into its length.
std::optional<AuthenticationLayer> parseAuthenticationLayer(std::span<const std::uint8_t> bytes);

} // namespace kvq::wmbus
