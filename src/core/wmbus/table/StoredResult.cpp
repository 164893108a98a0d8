#include "core/wmbus/table/StoredResult.h"

#include "core/wmbus/TelegramResult.h"
#include "core/wmbus/route/Route.h"

#include <algorithm>
#include <cstring>

namespace kvq::wmbus {

namespace {

constexpr std::size_t kMaxSlotText = 0xFFFF;
constexpr std::uint8_t kLongLength = 0xFF;

std::size_t slotBytes(std::string_view text) {
    const std::size_t n = std::min(text.size(), kMaxSlotText);
    return (n < kLongLength ? 1 : 3) + n;
}

} // namespace

StoredResult::StoredResult(const StoredResult& other)
    : receiveTime(other.receiveTime), length(other.length), accessNumber(other.accessNumber),
      deviceType(other.deviceType), encrypted(other.encrypted), decrypted(other.decrypted),
      heard(other.heard), manufacturer(other.manufacturer), packedSize_(other.packedSize_),
      slotCount_(other.slotCount_) {
    if (packedSize_) {
        packed_ = std::make_unique<char[]>(packedSize_);
        std::memcpy(packed_.get(), other.packed_.get(), packedSize_);
    }
}

StoredResult& StoredResult::operator=(const StoredResult& other) {
    if (this != &other)
        *this = StoredResult(other);
    return *this;
}

void StoredResult::setTexts(std::string_view linkId, std::string_view headerId, std::string_view rssi,
                            const std::array<std::string_view, 2 * kMaxPairs>& pairs) {
    int lastPair = -1;
    for (int i = 0; i < kMaxPairs; ++i)
        if (!pairs[2 * i].empty() || !pairs[2 * i + 1].empty())
            lastPair = i;
    const int count = kFixedSlots + 2 * (lastPair + 1);
    std::size_t size = slotBytes(linkId) + slotBytes(headerId) + slotBytes(rssi);
    for (int i = kFixedSlots; i < count; ++i)
        size += slotBytes(pairs[i - kFixedSlots]);

    packed_ = std::make_unique<char[]>(size);
    char* out = packed_.get();
    const auto put = [&out](std::string_view text) {
        const std::size_t n = std::min(text.size(), kMaxSlotText);
        if (n < kLongLength) {
            *out++ = static_cast<char>(n);
        } else {
            *out++ = static_cast<char>(kLongLength);
            *out++ = static_cast<char>(n & 0xFF);
            *out++ = static_cast<char>(n >> 8);
        }
        std::memcpy(out, text.data(), n);
        out += n;
    };
    put(linkId);
    put(headerId);
    put(rssi);
    for (int i = kFixedSlots; i < count; ++i)
        put(pairs[i - kFixedSlots]);
    packedSize_ = static_cast<std::uint32_t>(size);
    slotCount_ = static_cast<std::uint8_t>(count);
}

std::string_view StoredResult::slot(int index) const {
    if (index < 0 || index >= slotCount_)
        return {};
    const char* p = packed_.get();
    for (int i = 0;; ++i) {
        std::size_t n = static_cast<std::uint8_t>(*p++);
        if (n == kLongLength) {
            n = static_cast<std::uint8_t>(p[0]) |
                (static_cast<std::size_t>(static_cast<std::uint8_t>(p[1])) << 8);
            p += 2;
        }
        if (i == index)
            return {p, n};
        p += n;
    }
}

StoredResult StoredResult::fromTelegram(const TelegramResult& r, ReceiveTime now) {
    StoredResult s;
    s.receiveTime = r.receiveTime > 0 ? r.receiveTime : now;
    s.length = r.link.l;
    s.accessNumber = r.accessNumber;
    s.deviceType = r.deviceType;
    s.encrypted = r.encrypted;
    s.decrypted = r.decrypted;
    s.heard = true;
    const std::string_view man = r.link.manufacturer.view();
    std::copy_n(man.data(), std::min<std::size_t>(man.size(), 3), s.manufacturer.data());
    std::array<std::string_view, 2 * kMaxPairs> pairs;
    static_assert(kMaxValuePairs == static_cast<std::size_t>(kMaxPairs));
    for (int i = 0; i < kMaxPairs; ++i) {
        pairs[2 * i] = r.values[i].value;
        pairs[2 * i + 1] = r.values[i].unit;
    }
    s.setTexts(r.link.idText.view(), r.headerIdText.view(), r.rssiText.view(), pairs);
    return s;
}

std::optional<std::uint64_t> StoredResult::deviceKey() const {
    return deviceKeyOf(linkId(), deviceType, manufacturerText());
}

std::optional<std::uint64_t> deviceKeyOf(std::string_view idText, int deviceType,
                                         std::string_view manufacturer) {
    const auto id = radioIdFromText(idText);
    if (!id)
        return std::nullopt;
    return deviceLookupKey(*id, deviceType, manufacturer);
}

} // namespace kvq::wmbus
