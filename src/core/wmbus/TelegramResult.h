#pragma once
// Everything decoded from one telegram: link layer, transport header, security, and up to 20 value
// and unit texts. One object can be reused for every telegram; its strings keep their capacity.

#include "core/wmbus/AuthenticationLayer.h"
#include "core/wmbus/DecoderInterfaces.h"
#include "core/wmbus/FixedText.h"
#include "core/wmbus/LinkLayer.h"
#include "core/wmbus/Telegram.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kvq::wmbus {

inline constexpr std::size_t kMaxValuePairs = 20;

enum class HeaderKind : std::uint8_t { None, Short, Long };

struct ValuePair {
    std::string value;
    std::string unit;
};

struct TelegramResult {
    LinkLayer link;

    // Transport layer.
    std::uint8_t ci = 0;        // CI of the transport header (after an extended link layer)
    std::size_t ciPosition = 0; // its index in the telegram buffer
    bool knownCi = false;       // a CI of the tables (header and payload rules apply)
    bool truncated = false;     // a header lies partly past the end of the telegram, or is malformed
    HeaderKind header = HeaderKind::None;
    IdText headerIdText;                    // long header's ID, else the link ID text
    std::array<std::uint8_t, 4> headerId{}; // the bytes of that ID
    // M field and version of a long header, else the link layer's: with the ID and device type they
    // identify the meter that encrypted the payload.
    std::array<std::uint8_t, 2> headerM{};
    std::uint8_t headerVersion = 0;
    std::uint8_t accessNumber = 0;
    std::uint8_t status = 0;
    std::uint16_t configuration = 0; // low byte first as received
    std::uint8_t deviceType = 0;     // long header's when present, else the link layer's
    std::string_view mediumText;     // of deviceType
    std::size_t payloadOffset = 0;   // first byte after the transport header

    // Extended link layer and authentication layer, kept for decryption.
    std::array<std::uint8_t, 10> extendedLinkLayer{};
    std::size_t extendedLinkLayerSize = 0; // 0, 2 (CI 0x8C) or 10 (CI 0x8E)
    AuthenticationLayer authentication;
    bool hasAuthentication = false;

    // Security.
    SecurityMode security = SecurityMode::None;
    bool encrypted = false;
    bool decrypted = false;
    bool mode7 = false;
    bool repeated = false;
    std::size_t encryptedBlocks = 0;
    std::string keyText; // key that decrypted the telegram, or the route's key text that was tried

    // Route.
    bool registered = false; // the sender is a device of the route

    FixedText<8> rssiText;
    int rssi = 0;

    CompactOutcome compact = CompactOutcome::None;
    bool valuesTaken = false;    // manufacturer filter passed
    std::size_t recordCount = 0; // records decoded (may exceed the 20 pairs)
    // Where the data records were read in the telegram buffer (both 0 when none were read, and for
    // records expanded from a compact frame).
    std::size_t recordsOffset = 0;
    std::size_t recordsEnd = 0;
    std::string errorFlags; // value of the first record with unit "ERROR FLAGS"
    std::array<ValuePair, kMaxValuePairs> values;

    ReceiveTime receiveTime = 0;

    // Header ID as shown beside the device type: empty when the medium text is "Reserved".
    std::string_view serialIdText() const {
        return mediumText == "Reserved" ? std::string_view() : headerIdText.view();
    }
    // Device type as shown beside the header: decimal, "_", medium text ("7_Water").
    std::string deviceText() const { return std::to_string(deviceType) + '_' + std::string(mediumText); }
    static std::string_view yesNo(bool b) { return b ? "yes" : "no"; }
    static std::string_view oneZero(bool b) { return b ? "1" : "0"; }

    // Back to the state before decoding, keeping string capacity.
    void reset();
};

} // namespace kvq::wmbus
