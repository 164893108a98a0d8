#include "core/link/RxRing.h"

namespace kvq {

std::vector<std::uint8_t> RxRingBuffer::copyFrom(std::uint16_t from) const {
    const int n = waitingFrom(from);
    std::vector<std::uint8_t> out(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        out[static_cast<std::size_t>(i)] = RxRing[(from + i) % kSize];
    return out;
}

} // namespace kvq
