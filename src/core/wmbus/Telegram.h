#pragma once
// The telegram buffer handed from reception to decoding.
//
// Layout (index: field): 0 start byte (0x68 RadioCraft, 0x03 Amber), 1 L = bytes from index 2 to the
// RSSI byte inclusive, 2 C, 3-4 M (low byte first), 5-8 identification number (BCD, least significant
// byte first), 9 version, 10 device type, 11 CI, 12..L transport header and data, L+1 RSSI.
// Its length is N = L + 2; the receiver frame's closing byte is not part of it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kvq::wmbus {

// Receive time in milliseconds since 1970-01-01 00:00 UTC. 0 or less means "now": the time is
// taken when the telegram is stored (live data); replayed telegrams carry their recorded time.
using ReceiveTime = std::int64_t;

// Largest telegram buffer: L = 255 gives N = 257.
inline constexpr std::size_t kMaxTelegramSize = 257;

// A telegram kept by value: the decoder works on it in place (decryption writes plaintext back).
struct TelegramBuffer {
    std::array<std::uint8_t, kMaxTelegramSize> bytes{};
    std::size_t size = 0;
    ReceiveTime receiveTime = 0;

    // Copies at most kMaxTelegramSize bytes; false when the source was longer.
    bool assign(std::span<const std::uint8_t> telegram, ReceiveTime time = 0);
    std::span<std::uint8_t> span() { return {bytes.data(), size}; }
    std::span<const std::uint8_t> span() const { return {bytes.data(), size}; }
};

} // namespace kvq::wmbus
