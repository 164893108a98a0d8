#include "core/wmbus/Telegram.h"

#include <algorithm>

namespace kvq::wmbus {

bool TelegramBuffer::assign(std::span<const std::uint8_t> telegram, ReceiveTime time) {
    size = std::min(telegram.size(), bytes.size());
    std::copy_n(telegram.begin(), size, bytes.begin());
    receiveTime = time;
    return size == telegram.size();
}

} // namespace kvq::wmbus
