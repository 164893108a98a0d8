#include "core/wmbus/Framing.h"

#include <algorithm>
#include <cstring>

namespace kvq::wmbus {

namespace {
constexpr std::uint8_t kRadioCraftStart = 0x68;
constexpr std::uint8_t kRadioCraftStop = 0x16;
constexpr std::uint8_t kAmberStart = 0xFF;
constexpr std::uint8_t kAmberDataIndication = 0x03;

constexpr bool isSendCField(std::uint8_t c) {
    return c == 0x44 || c == 0x46;
}
} // namespace

Framing framingForReceiverType(int receiverType) {
    return receiverType >= 1 ? Framing::Amber : Framing::RadioCraft;
}

void TelegramFramer::clear() {
    tail_ = head_ = scan_ = 0;
    keepFrom_.reset();
}

std::size_t TelegramFramer::store(std::span<const std::uint8_t> bytes) {
    // Move the kept bytes to the front so the free space is contiguous.
    if (tail_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + tail_, head_ - tail_);
        head_ -= tail_;
        tail_ = 0;
    }
    std::size_t free = kBufferSize - head_;
    if (free == 0 && hold_) {
        // Held and full: keep the newest bytes.
        const std::size_t drop = std::min(bytes.size(), head_);
        std::memmove(buffer_.data(), buffer_.data() + drop, head_ - drop);
        head_ -= drop;
        discarded_ += drop;
        free = drop;
    }
    const std::size_t n = std::min(free, bytes.size());
    std::memcpy(buffer_.data() + head_, bytes.data(), n);
    head_ += n;
    return n;
}

void TelegramFramer::beginPass() {
    scan_ = tail_;
    keepFrom_.reset();
}

std::optional<ReceivedFrame> TelegramFramer::next() {
    return framing_ == Framing::RadioCraft ? nextRadioCraft() : nextAmber();
}

std::optional<ReceivedFrame> TelegramFramer::nextRadioCraft() {
    const std::uint8_t* b = buffer_.data();
    for (std::size_t i = scan_; i < head_; ++i) {
        if (b[i] != kRadioCraftStart)
            continue;
        if (i + 2 >= head_) { // L or C still to come
            if (!keepFrom_)
                keepFrom_ = i;
            continue;
        }
        if (!isSendCField(b[i + 2]))
            continue;
        const std::size_t stop = i + 2 + b[i + 1];
        if (stop >= head_) {
            if (!keepFrom_)
                keepFrom_ = i;
            continue;
        }
        if (b[stop] != kRadioCraftStop)
            continue;
        // Whatever lay before this frame, false starts included, is done with.
        tail_ = scan_ = stop + 1;
        keepFrom_.reset();
        return ReceivedFrame{{b + i, stop - i + 1}, {b + i, stop - i}};
    }
    scan_ = head_;
    tail_ = keepFrom_.value_or(head_);
    return std::nullopt;
}

std::optional<ReceivedFrame> TelegramFramer::nextAmber() {
    const std::uint8_t* b = buffer_.data();
    std::size_t i = scan_;
    while (i < head_) {
        if (b[i] != kAmberStart) {
            tail_ = ++i;
            continue;
        }
        if (i + 1 >= head_)
            break;
        if (b[i + 1] != kAmberDataIndication) {
            tail_ = ++i; // the refused byte may itself start a frame
            continue;
        }
        if (i + 2 >= head_)
            break;
        const std::size_t check = i + 3 + b[i + 2];
        if (check >= head_)
            break;
        std::uint8_t x = 0;
        for (std::size_t k = i; k < check; ++k)
            x ^= b[k];
        if (x != b[check]) {
            tail_ = ++i;
            continue;
        }
        tail_ = scan_ = check + 1;
        if (check > i + 3 && isSendCField(b[i + 3]))
            return ReceivedFrame{{b + i, check - i + 1}, {b + i + 1, check - i - 1}};
        i = check + 1;
    }
    // Stopped at the start of an incomplete frame, or at the end.
    tail_ = scan_ = std::min(i, head_);
    return std::nullopt;
}

} // namespace kvq::wmbus
