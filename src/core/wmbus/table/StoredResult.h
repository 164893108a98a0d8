#pragma once
// One telegram as the data tables keep it. A table of a day's recording holds hundreds of thousands
// of rows, so a row keeps the few numbers inline and all its texts (IDs, RSSI, value/unit pairs)
// packed into one small block; cells are formatted only when a view or a file asks for them.

#include "core/wmbus/Telegram.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kvq::wmbus {

struct TelegramResult;

class StoredResult {
public:
    // Packed text slots; the value/unit pairs follow as slots kPairs, kPairs + 1, ...
    enum Slot : std::uint8_t { LinkId, HeaderId, Rssi, kFixedSlots };
    static constexpr int kMaxPairs = 20;

    StoredResult() = default;
    StoredResult(StoredResult&&) noexcept = default;
    StoredResult& operator=(StoredResult&&) noexcept = default;
    StoredResult(const StoredResult& other);
    StoredResult& operator=(const StoredResult& other);

    // `now` stands in for a receive time of 0 or less (live data).
    static StoredResult fromTelegram(const TelegramResult& result, ReceiveTime now);

    // Numbers kept inline.
    ReceiveTime receiveTime = 0; // ms since 1970 UTC; 0 for a device never heard
    std::uint8_t length = 0;     // L field
    std::uint8_t accessNumber = 0;
    std::uint8_t deviceType = 0;
    bool encrypted = false;
    bool decrypted = false;
    bool heard = false;                 // false: a row of a route device that sent nothing yet
    std::array<char, 3> manufacturer{}; // flag code, three letters

    std::string_view linkId() const { return slot(LinkId); }
    std::string_view headerId() const { return slot(HeaderId); }
    std::string_view rssi() const { return slot(Rssi); }
    std::string_view manufacturerText() const { return {manufacturer.data(), manufacturer.size()}; }
    // Pair i (0..19); empty texts past the last pair the telegram gave.
    std::string_view value(int pair) const { return slot(kFixedSlots + 2 * pair); }
    std::string_view unit(int pair) const { return slot(kFixedSlots + 2 * pair + 1); }
    int pairCount() const { return (slotCount_ - kFixedSlots) / 2; }

    // Key of the sending device (link ID, device type, manufacturer), the same for every telegram
    // of one device; none when the ID text is no number.
    std::optional<std::uint64_t> deviceKey() const;

    // Heap bytes owned by the row beyond sizeof(StoredResult).
    std::size_t packedBytes() const { return packedSize_; }

    // Sets all texts at once: link ID, header ID, RSSI, then the value/unit pairs (trailing empty
    // pairs are dropped). Texts longer than 65535 bytes are cut.
    void setTexts(std::string_view linkId, std::string_view headerId, std::string_view rssi,
                  const std::array<std::string_view, 2 * kMaxPairs>& pairs);

private:
    std::string_view slot(int index) const;

    // Each slot: one length byte (255: two more bytes follow, low byte first), then the text.
    std::unique_ptr<char[]> packed_;
    std::uint32_t packedSize_ = 0;
    std::uint8_t slotCount_ = 0;
};

// Device key of a link ID text, device type and flag code: the same packing as the route's
// lookup, so a table row and a route device of one sender agree.
std::optional<std::uint64_t> deviceKeyOf(std::string_view idText, int deviceType,
                                         std::string_view manufacturer);

} // namespace kvq::wmbus
