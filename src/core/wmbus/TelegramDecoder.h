#pragma once
// Decoding of one telegram buffer (see Telegram.h): link layer, extended link layer (CI 0x8C, 0x8E,
// and 0x8D with its AES counter-mode encryption)
// with authentication layer (CI 0x90), transport header by CI (none, short, long), security mode 5
// and 7 detection and decryption hand-off, payload dispatch (data records, compact frames, format
// frames) and the data records into up to 20 value/unit pairs.
//
// Every position is checked against the telegram's real length: L must fit the buffer, headers
// must lie before the RSSI byte, and records end where the payload ends.

#include "core/wmbus/DecoderInterfaces.h"
#include "core/wmbus/Framing.h"
#include "core/wmbus/ManufacturerLists.h"
#include "core/wmbus/RecordReader.h"
#include "core/wmbus/TelegramResult.h"

#include <array>
#include <cstdint>
#include <span>

namespace kvq::wmbus {

class TelegramDecoder {
public:
    // The framing selects the RSSI rule.
    explicit TelegramDecoder(Framing framing = Framing::RadioCraft) : framing_(framing) {}

    void setFraming(Framing framing) { framing_ = framing; }
    // Decimal separator of value texts: ',' for German, '.' for English.
    void setDecimalSeparator(char separator) { options_.decimalSeparator = separator; }
    char decimalSeparator() const { return options_.decimalSeparator; }
    // The collaborators are not owned and may be null; they must outlive their use here.
    void setManufacturerFilter(const ManufacturerFilter* filter) { filter_ = filter; }
    void setDeviceDirectory(const DeviceDirectory* directory) { directory_ = directory; }
    void setDecryptor(PayloadDecryptor* decryptor) { decryptor_ = decryptor; }
    void setCompactFrameHandler(CompactFrameHandler* handler) { compact_ = handler; }

    // Decodes a telegram buffer in place (decryption writes the plaintext into it). False, with `out`
    // reset, when the buffer is too short for its L or for a link layer.
    bool decode(std::span<std::uint8_t> telegram, ReceiveTime time, TelegramResult& out);
    bool decode(TelegramBuffer& buffer, TelegramResult& out) {
        return decode(buffer.span(), buffer.receiveTime, out);
    }

private:
    void readTransport(std::span<const std::uint8_t> t, std::size_t end, TelegramResult& out);
    void decrypt(std::span<std::uint8_t> t, std::size_t end, const DeviceLookup& device, TelegramResult& out);
    bool decryptExtendedLinkLayer(std::span<std::uint8_t> t, std::size_t end, const DeviceLookup& device,
                                  TelegramResult& out);
    void dispatch(std::span<const std::uint8_t> t, std::size_t end, TelegramResult& out);
    void takeRecords(std::span<const std::uint8_t> bytes, TelegramResult& out);

    Framing framing_;
    RecordOptions options_;
    const ManufacturerFilter* filter_ = nullptr;
    const DeviceDirectory* directory_ = nullptr;
    PayloadDecryptor* decryptor_ = nullptr;
    CompactFrameHandler* compact_ = nullptr;
    DataRecord record_;                       // scratch, keeps its capacity
    std::array<std::uint8_t, 1024> expanded_; // records expanded from a compact frame
};

// Radio ID of a link ID text (decimal digits) as the route stores it.
std::uint32_t radioIdOf(std::string_view idText);

} // namespace kvq::wmbus
