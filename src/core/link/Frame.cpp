#include "core/link/Frame.h"

namespace kvq::frame {

std::uint8_t checksum(std::span<const std::uint8_t> bytes, std::size_t first, std::size_t last) {
    std::uint8_t sum = 0;
    for (std::size_t i = first; i <= last && i < bytes.size(); ++i)
        sum = static_cast<std::uint8_t>(sum + bytes[i]);
    return sum;
}

std::vector<std::uint8_t> buildRequest(std::span<const std::uint8_t> command, std::uint8_t L) {
    std::vector<std::uint8_t> f;
    f.reserve(command.size() + 10);
    for (std::uint8_t b : {kStart, L, L, kStart, kRequestC, kBroadcastA, kRequestCI, kManufacturerData})
        f.push_back(b);
    for (std::uint8_t b : command)
        f.push_back(b);
    f.push_back(checksum(f, 4, f.size() - 1));
    f.push_back(kStop);
    return f;
}

} // namespace kvq::frame
