#pragma once
// Decryption of telegram payloads in security modes 5 and 7 (AES-128 CBC; mode 7 with the keys and
// the MAC of the authentication layer).
//
// Keys are tried in this order: the key derived from the header ID (DeriveDeviceKey), then the key
// stored for the device in the route when its text has at least 32 characters. A key counts only
// when the plaintext starts with 0x2F 0x2F. When no key fits the payload is left as received.
//
// Initialisation vector of mode 5: M field, identification number, version, device type, then the
// access number eight times. All four identify the meter: those of a long header when the telegram
// has one, else the link layer's. The identification number is taken as the bytes received, so IDs
// that are no BCD number work as well.
//
// Mode 7: Kenc = CMAC(key, 00 | counter | ID | 07 x 7), Kmac = CMAC(key, 01 | ...), with the long
// header's ID when there is one, else the link ID. The MAC over the MCL, the fields the MCL names
// (key information, counter, message length) and the telegram from the CI on must equal the
// authentication layer's MAC before anything is decrypted; then CBC under Kenc with a zero IV.
// The MAC covers the telegram from the CI to its last byte before the RSSI, so plain data behind
// the encrypted blocks is authenticated too.

#include "core/wmbus/DecoderInterfaces.h"
#include "core/wmbus/crypto/Aes128.h"

#include <string>

namespace kvq::wmbus {

class TelegramDecryptor : public PayloadDecryptor {
public:
    bool decrypt(const DecryptRequest& request, std::span<std::uint8_t> payload,
                 std::string& keyText) override;

    // Tries one key; on failure the payload holds the ciphertext again.
    static bool tryKey(const crypto::Key& key, const DecryptRequest& request,
                       std::span<std::uint8_t> payload);
    static crypto::Block mode5Iv(const DecryptRequest& request);
};

} // namespace kvq::wmbus
