#include "core/wmbus/TelegramDecryptor.h"

#include "core/wmbus/Crc16.h"
#include "core/wmbus/crypto/Cmac.h"
#include "core/wmbus/crypto/DeviceKey.h"
#include "core/wmbus/crypto/KeyText.h"

#include <algorithm>
#include <array>

namespace kvq::wmbus {

namespace {

constexpr std::size_t kMaxBlocks = 15; // four bits of the configuration word
constexpr std::uint8_t kFiller = 0x2F;

// The end of the telegram that a decryption may look at: the byte before the RSSI.
std::size_t payloadEnd(const DecryptRequest& r) {
    if (r.telegram.size() < 2)
        return 0;
    return std::min<std::size_t>(r.telegram.size(), std::size_t(r.telegram[1]) + 1);
}

bool startsWithFiller(const DecryptRequest& r, std::span<const std::uint8_t> payload) {
    // With no encrypted block the bytes already at the payload start decide.
    if (payload.size() >= 2)
        return payload[0] == kFiller && payload[1] == kFiller;
    const std::size_t p = r.payloadOffset;
    return p + 1 < payloadEnd(r) && r.telegram[p] == kFiller && r.telegram[p + 1] == kFiller;
}

struct Mode7Keys {
    crypto::Key enc;
    crypto::Key mac;
};

Mode7Keys mode7Keys(const crypto::Key& key, const std::array<std::uint8_t, 4>& counter,
                    const std::array<std::uint8_t, 4>& id) {
    std::array<std::uint8_t, 16> input{};
    std::copy(counter.begin(), counter.end(), input.begin() + 1);
    std::copy(id.begin(), id.end(), input.begin() + 5);
    std::fill(input.begin() + 9, input.end(), 0x07);
    const crypto::Aes128 cipher(key);
    Mode7Keys k;
    input[0] = 0x00;
    k.enc = crypto::Cmac(cipher, input);
    input[0] = 0x01;
    k.mac = crypto::Cmac(cipher, input);
    return k;
}

} // namespace

crypto::Block TelegramDecryptor::mode5Iv(const DecryptRequest& r) {
    crypto::Block iv;
    iv[0] = r.m[0];
    iv[1] = r.m[1];
    std::copy(r.headerId.begin(), r.headerId.end(), iv.begin() + 2);
    iv[6] = r.version;
    iv[7] = r.deviceType;
    std::fill(iv.begin() + 8, iv.end(), r.accessNumber);
    return iv;
}

namespace {

// Counter mode of the extended link layer: counter block M, A (ID, version, device type), CC, SN,
// frame number 0 and the block counter. The plaintext starts with the CRC of the rest.
bool tryExtendedLinkLayer(const crypto::Key& key, const DecryptRequest& r, std::span<std::uint8_t> payload) {
    if (payload.size() < 2)
        return false;
    crypto::Block counter{};
    counter[0] = r.m[0];
    counter[1] = r.m[1];
    std::copy(r.linkId.begin(), r.linkId.end(), counter.begin() + 2);
    counter[6] = r.version;
    counter[7] = r.deviceType;
    counter[8] = r.communicationControl;
    std::copy(r.sessionNumber.begin(), r.sessionNumber.end(), counter.begin() + 9);
    const crypto::Aes128 cipher(key);
    std::array<std::uint8_t, 256> plain;
    for (std::size_t k = 0; k < payload.size(); k += 16) {
        counter[15] = static_cast<std::uint8_t>(k / 16);
        const crypto::Block stream = cipher.encrypt(counter);
        for (std::size_t j = k; j < std::min(payload.size(), k + 16); ++j)
            plain[j] = payload[j] ^ stream[j - k];
    }
    const std::uint16_t crc = static_cast<std::uint16_t>(plain[0] | (plain[1] << 8));
    if (wmbusCrc(std::span<const std::uint8_t>(plain.data() + 2, payload.size() - 2)) != crc)
        return false;
    std::copy_n(plain.begin(), payload.size(), payload.begin());
    return true;
}

} // namespace

bool TelegramDecryptor::tryKey(const crypto::Key& key, const DecryptRequest& r,
                               std::span<std::uint8_t> payload) {
    if (r.mode == SecurityMode::ExtendedLinkLayer)
        return tryExtendedLinkLayer(key, r, payload);
    if (r.mode == SecurityMode::Mode7) {
        const AuthenticationLayer* afl = r.authentication;
        if (!afl || !afl->mcl || !afl->counter || afl->macLength == 0)
            return false;
        const std::uint8_t mcl = *afl->mcl;
        // The MCL names the fields the MAC covers; each must be there.
        if (((mcl & AuthenticationLayer::kKiInMac) && !afl->ki) ||
            ((mcl & AuthenticationLayer::kMlInMac) && !afl->messageLength))
            return false;
        // MAC over everything from the CI to the end of the telegram as received: the encrypted
        // blocks and any plain data behind them.
        const std::size_t macEnd = payloadEnd(r);
        if (r.ciPosition >= r.payloadOffset || r.payloadOffset + payload.size() > macEnd)
            return false;
        // Keys from the meter's own ID: the long header's when there is one.
        const Mode7Keys keys = mode7Keys(key, *afl->counter, r.headerId);
        crypto::CmacStream tag(keys.mac);
        tag.update(mcl);
        if (mcl & AuthenticationLayer::kKiInMac)
            tag.update(std::uint8_t(*afl->ki & 0xFF)).update(std::uint8_t(*afl->ki >> 8));
        if (mcl & AuthenticationLayer::kMcrInMac)
            tag.update(*afl->counter);
        if (mcl & AuthenticationLayer::kMlInMac)
            tag.update(std::uint8_t(*afl->messageLength & 0xFF))
                .update(std::uint8_t(*afl->messageLength >> 8));
        tag.update(r.telegram.subspan(r.ciPosition, macEnd - r.ciPosition));
        const crypto::Block t = tag.finish();
        if (!std::equal(afl->mac.begin(), afl->mac.begin() + afl->macLength, t.begin()))
            return false;
        std::array<std::uint8_t, kMaxBlocks * 16> cipher;
        std::copy(payload.begin(), payload.end(), cipher.begin());
        crypto::CbcDecrypt(keys.enc, crypto::Block{}, payload);
        if (startsWithFiller(r, payload))
            return true;
        std::copy_n(cipher.begin(), payload.size(), payload.begin());
        return false;
    }
    std::array<std::uint8_t, kMaxBlocks * 16> cipher;
    std::copy(payload.begin(), payload.end(), cipher.begin());
    crypto::CbcDecrypt(key, mode5Iv(r), payload);
    if (startsWithFiller(r, payload))
        return true;
    std::copy_n(cipher.begin(), payload.size(), payload.begin());
    return false;
}

bool TelegramDecryptor::decrypt(const DecryptRequest& r, std::span<std::uint8_t> payload,
                                std::string& keyText) {
    keyText.clear();
    if (r.mode == SecurityMode::None)
        return false;
    if (r.mode != SecurityMode::ExtendedLinkLayer &&
        (payload.size() % 16 != 0 || payload.size() > kMaxBlocks * 16))
        return false;
    if (payload.size() > 256)
        return false;
    const crypto::DeviceKey derived = crypto::DeriveDeviceKey(r.headerIdText);
    if (tryKey(derived.key, r, payload)) {
        keyText = derived.text;
        return true;
    }
    if (r.device.found)
        keyText.assign(r.device.keyText);
    if (keyText.size() >= 32 && tryKey(crypto::ParseKeyText(keyText), r, payload))
        return true;
    return false;
}

} // namespace kvq::wmbus
