#pragma once
// What the telegram decoder asks of the rest of the recorder: the devices of the loaded route, the
// decryption of encrypted payloads and the compact-frame formats. Each is optional; without it the
// decoder behaves as if no device were known, no key fitted and no format were stored.

#include "core/wmbus/AuthenticationLayer.h"
#include "core/wmbus/FixedText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kvq::wmbus {

// A device of the route as the decoder needs it.
struct DeviceLookup {
    bool found = false;
    // AES key text stored for the device (may be empty or malformed). Must stay valid until the
    // directory changes; the decoder uses it only during decode().
    std::string_view keyText;
};

class DeviceDirectory {
public:
    virtual ~DeviceDirectory() = default;
    // radioId: the link-layer ID text read as a decimal number; deviceType: the telegram's device
    // type (that of a long header when present); manufacturer: the three letters.
    virtual DeviceLookup findDevice(std::uint32_t radioId, std::uint8_t deviceType,
                                    std::string_view manufacturer) const = 0;
};

// Mode 5 and 7 encrypt the transport layer's payload; ExtendedLinkLayer is AES-128 in counter mode
// over everything behind the session number of an extended link layer (CI 0x8D).
enum class SecurityMode : std::uint8_t { None = 0, Mode5 = 5, Mode7 = 7, ExtendedLinkLayer = 0x8D };

// Everything about an encrypted telegram that a decryption needs.
struct DecryptRequest {
    std::span<const std::uint8_t> telegram; // the whole telegram buffer
    std::size_t ciPosition = 0;             // index of the CI of the transport header
    std::size_t payloadOffset = 0;          // index of the first encrypted byte
    std::size_t blocks = 0;                 // encrypted 16-byte blocks
    SecurityMode mode = SecurityMode::None;
    // The meter's M field, ID, version and device type: a long header's when the telegram has one,
    // else the link layer's.
    std::array<std::uint8_t, 2> m{};
    std::array<std::uint8_t, 4> linkId{}; // link-layer identification bytes
    std::uint8_t version = 0;
    std::uint8_t deviceType = 0;
    std::uint8_t accessNumber = 0;
    std::string_view headerIdText;          // header ID text, the link ID text without a long header
    std::array<std::uint8_t, 4> headerId{}; // bytes of the header ID (the link ID without a long header)
    std::string_view linkIdText;
    // The authentication layer when the telegram has one, else null.
    const AuthenticationLayer* authentication = nullptr;
    // Extended link layer (CI 0x8D): communication control and session number for the counter block.
    std::uint8_t communicationControl = 0;
    std::array<std::uint8_t, 4> sessionNumber{};
    DeviceLookup device; // the route's entry of the sender
};

// Decrypts in place: on return the payload span holds the plaintext (or whatever the last attempt
// produced when no key fitted). Returns true when a key gave a plaintext starting with 0x2F 0x2F;
// keyText is then the key text that did.
class PayloadDecryptor {
public:
    virtual ~PayloadDecryptor() = default;
    virtual bool decrypt(const DecryptRequest& request, std::span<std::uint8_t> payload,
                         std::string& keyText) = 0;
};

// What became of a compact frame.
enum class CompactOutcome : std::uint8_t {
    None,        // not a compact frame, or not looked at
    NoFormat,    // no stored format fits (signature, manufacturer and device type)
    CrcMismatch, // a format fits by its signature, but the records it gives fail the full frame's CRC
    Expanded,
};

// Compact frames carry only record data and a format signature; format frames teach the headers.
class CompactFrameHandler {
public:
    virtual ~CompactFrameHandler() = default;
    // Writes full data records for a compact frame (signature, full-frame CRC, data) into out and
    // returns their byte count, 0 when none. Must not write past out.
    virtual std::size_t expand(std::span<const std::uint8_t> frame, std::string_view manufacturer,
                               std::uint8_t deviceType, std::span<std::uint8_t> out,
                               CompactOutcome& outcome) = 0;
    // Learns the record headers of a format frame (signature, then the headers).
    virtual void learn(std::span<const std::uint8_t> frame, std::string_view manufacturer,
                       std::uint8_t deviceType) = 0;
    // The data records of a full frame, to learn their headers; ignored unless a handler wants it.
    virtual void learnFullFrame(std::span<const std::uint8_t> records, std::string_view manufacturer,
                                std::uint8_t deviceType) {
        (void)records;
        (void)manufacturer;
        (void)deviceType;
    }
};

} // namespace kvq::wmbus
