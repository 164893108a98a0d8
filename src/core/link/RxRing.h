#pragma once
// The 4096-byte receive ring of the optical head. Written one byte at a time on the window thread;
// the writer does not look at the reader, so a writer that laps it overwrites unread bytes.

#include <array>
#include <cstdint>
#include <vector>

namespace kvq {

struct RxRingBuffer {
    static constexpr int kSize = 4096;

    std::array<std::uint8_t, kSize> RxRing{};
    std::uint16_t RxWritePos = 0;
    std::uint16_t RxReadPos = 0;

    void StoreRxByte(std::uint8_t b) {
        RxRing[RxWritePos] = b;
        RxWritePos = static_cast<std::uint16_t>((RxWritePos + 1) % kSize);
    }

    static std::uint16_t advance(std::uint16_t pos, std::uint32_t by) {
        return static_cast<std::uint16_t>((pos + by) % kSize);
    }
    // Bytes from `from` up to the write position.
    int waitingFrom(std::uint16_t from) const { return (RxWritePos - from + kSize) % kSize; }
    // Copies the bytes from `from` up to the byte before the write position.
    std::vector<std::uint8_t> copyFrom(std::uint16_t from) const;
};

} // namespace kvq
