// Encrypted telegrams built with OpenSSL alone (key derivation, CBC, CMAC), decrypted by our decoder:
// a fault that our engine would make the same way when building and when decrypting shows up here.

#include "core/wmbus/TelegramDecoder.h"
#include "core/wmbus/TelegramDecryptor.h"

#include <gtest/gtest.h>
#include <openssl/core_names.h>
#include <openssl/evp.h>

#include <array>
#include <vector>

using namespace kvq::wmbus;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes cat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Bytes aes(const char* mode, const Bytes& key, const Bytes& iv, const Bytes& in) {
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    EVP_CIPHER* cipher = EVP_CIPHER_fetch(nullptr, mode, nullptr);
    Bytes out(in.size() + 16);
    int n = 0, m = 0;
    EVP_EncryptInit_ex(ctx, cipher, nullptr, key.data(), iv.empty() ? nullptr : iv.data());
    EVP_CIPHER_CTX_set_padding(ctx, 0);
    EVP_EncryptUpdate(ctx, out.data(), &n, in.data(), int(in.size()));
    EVP_EncryptFinal_ex(ctx, out.data() + n, &m);
    out.resize(std::size_t(n + m));
    EVP_CIPHER_free(cipher);
    EVP_CIPHER_CTX_free(ctx);
    return out;
}

Bytes cmac(const Bytes& key, const Bytes& msg) {
    EVP_MAC* mac = EVP_MAC_fetch(nullptr, "CMAC", nullptr);
    EVP_MAC_CTX* ctx = EVP_MAC_CTX_new(mac);
    char cipherName[] = "AES-128-CBC";
    OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_CIPHER, cipherName, 0),
                           OSSL_PARAM_construct_end()};
    EVP_MAC_init(ctx, key.data(), key.size(), params);
    EVP_MAC_update(ctx, msg.data(), msg.size());
    Bytes tag(16);
    std::size_t len = 0;
    EVP_MAC_final(ctx, tag.data(), &len, tag.size());
    EVP_MAC_CTX_free(ctx);
    EVP_MAC_free(mac);
    return tag;
}

// The device key of an identification number: "VARNOSTELIK-" and the BCD ID (least significant pair
// first) encrypted once under the fixed master key.
Bytes derivedKey(const Bytes& idLsbFirst) {
    const Bytes master = {0x7F, 0x3A, 0x9C, 0x2E, 0x5B, 0x1D, 0x40, 0x86,
                          0xA2, 0xC4, 0xE6, 0xF8, 0x09, 0x1B, 0x3D, 0x5F};
    const std::string text = "VARNOSTELIK-";
    Bytes block(text.begin(), text.end());
    block = cat(block, idLsbFirst);
    return aes("AES-128-ECB", master, {}, block);
}

// Telegram buffer: start byte, L, C, M = 0x0CAE, link ID, version 1, device type 7, CI, the rest, RSSI.
Bytes telegram(const Bytes& id, std::uint8_t ci, const Bytes& afterCi) {
    Bytes t = cat(cat({0x68, 0x00, 0x44, 0xAE, 0x0C}, id), {0x01, 0x07, ci});
    t = cat(t, afterCi);
    t.push_back(0x8A);
    t[1] = static_cast<std::uint8_t>(t.size() - 2);
    return t;
}

const Bytes kRecords = {0x2F, 0x2F, 0x04, 0x13, 0x39, 0x30, 0x00, 0x00,
                        0x02, 0x3B, 0x10, 0x00, 0x2F, 0x2F, 0x2F, 0x2F};

struct KeyFor : DeviceDirectory {
    std::string key;
    DeviceLookup findDevice(std::uint32_t, std::uint8_t, std::string_view) const override {
        return key.empty() ? DeviceLookup{} : DeviceLookup{true, key};
    }
};

struct Decoding {
    TelegramDecoder decoder;
    TelegramDecryptor decryptor;
    KeyFor device;
    TelegramResult result;
    Decoding() {
        decoder.setDecryptor(&decryptor);
        decoder.setDeviceDirectory(&device);
    }
};

std::string keyText(const Bytes& k) {
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    for (auto b : k) {
        s += digits[b >> 4];
        s += digits[b & 15];
    }
    return s;
}

} // namespace

TEST(DecryptionAgainstOpenSsl, ModeFiveWithTheDerivedKey) {
    const Bytes id = {0x21, 0x43, 0x65, 0x87}; // 87654321
    const Bytes key = derivedKey(id);
    // IV: M, ID, version, device type, access number eight times.
    Bytes iv = cat(cat({0xAE, 0x0C}, id), {0x01, 0x07});
    iv.insert(iv.end(), 8, 0x5C);
    for (int blocks : {1, 2}) {
        Bytes plain = kRecords;
        if (blocks == 2)
            plain = cat(plain, Bytes(16, 0x2F));
        const Bytes cipher = aes("AES-128-CBC", key, iv, plain);
        Bytes t = telegram(id, 0x7A, cat({0x5C, 0x00, std::uint8_t(blocks << 4), 0x05}, cipher));
        Decoding d; // no route key: the derived one must fit
        ASSERT_TRUE(d.decoder.decode(t, 0, d.result));
        EXPECT_TRUE(d.result.encrypted);
        EXPECT_TRUE(d.result.decrypted) << blocks;
        EXPECT_EQ(d.result.values[0].value, "12,345");
        EXPECT_EQ(d.result.values[1].value, "0,016"); // VIF 3B: m³/h x 10^-3
        std::string digits = d.result.keyText;
        std::erase(digits, ' ');
        EXPECT_EQ(digits, keyText(key));
    }
}

TEST(DecryptionAgainstOpenSsl, ModeFiveWithTheRouteKey) {
    const Bytes id = {0x44, 0x33, 0x22, 0x11};
    const Bytes key = {0x0F, 0x1E, 0x2D, 0x3C, 0x4B, 0x5A, 0x69, 0x78,
                       0x87, 0x96, 0xA5, 0xB4, 0xC3, 0xD2, 0xE1, 0xF0};
    Bytes iv = cat(cat({0xAE, 0x0C}, id), {0x01, 0x07});
    iv.insert(iv.end(), 8, 0x01);
    Bytes t = telegram(id, 0x7A, cat({0x01, 0x00, 0x10, 0x05}, aes("AES-128-CBC", key, iv, kRecords)));
    const Bytes received = t;
    Decoding d;
    ASSERT_TRUE(d.decoder.decode(t, 0, d.result));
    EXPECT_FALSE(d.result.decrypted); // neither derived key nor a route key fits
    EXPECT_EQ(t, received);
    d.device.key = keyText(key);
    ASSERT_TRUE(d.decoder.decode(t, 0, d.result));
    EXPECT_TRUE(d.result.decrypted);
    EXPECT_EQ(d.result.values[0].value, "12,345");
}

TEST(DecryptionAgainstOpenSsl, ModeSevenWithCmacKeysAndMac) {
    const Bytes id = {0x78, 0x56, 0x34, 0x12};
    const Bytes key = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                       0x08, 0x09, 0x0A, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F};
    const Bytes counter = {0x01, 0x00, 0x00, 0x00};
    auto derive = [&](std::uint8_t which) {
        Bytes m = cat(cat({which}, counter), id);
        m.insert(m.end(), 7, 0x07);
        return cmac(key, m);
    };
    const Bytes kenc = derive(0x00), kmac = derive(0x01);
    const Bytes tpl =
        cat({0x7A, 0x2A, 0x00, 0x10, 0x07, 0x10}, aes("AES-128-CBC", kenc, Bytes(16, 0), kRecords));
    const Bytes tag = cmac(kmac, cat(cat({0x25}, counter), tpl));
    Bytes afl = cat({0x0F, 0x00, 0x2C, 0x25}, counter);
    afl.insert(afl.end(), tag.begin(), tag.begin() + 8);
    Bytes t = telegram(id, 0x8C, cat(cat({0x20, 0x2A, 0x90}, afl), tpl));
    Decoding d;
    d.device.key = keyText(key);
    ASSERT_TRUE(d.decoder.decode(t, 0, d.result));
    EXPECT_TRUE(d.result.mode7);
    EXPECT_TRUE(d.result.decrypted);
    EXPECT_EQ(d.result.values[0].value, "12,345");
}

TEST(DecryptionAgainstOpenSsl, ModeFiveBehindALongHeaderTakesTheMeterFromTheHeader) {
    // The link layer names the radio module (M 0x0CAE, version 1, type 7); the long header names the
    // meter that encrypted. Once only the version differs (the filler still matches, the values
    // would not), once the M field too.
    const Bytes linkId = {0x78, 0x56, 0x34, 0x12};
    const Bytes meterId = {0x20, 0x24, 0x86, 0x22}; // 22862420
    const Bytes key = derivedKey(meterId);
    for (const Bytes meterM : {Bytes{0xAE, 0x0C}, Bytes{0xC5, 0x14}}) {
        const std::uint8_t version = 0x00, type = 0x16, access = 0x70;
        Bytes iv = cat(cat(meterM, meterId), {version, type});
        iv.insert(iv.end(), 8, access);
        const Bytes cipher = aes("AES-128-CBC", key, iv, kRecords);
        const Bytes header = cat(cat(meterId, meterM), {version, type, access, 0x00, 0x10, 0x05});
        Bytes t = telegram(linkId, 0x72, cat(header, cipher));
        Decoding d;
        ASSERT_TRUE(d.decoder.decode(t, 0, d.result));
        EXPECT_TRUE(d.result.decrypted) << int(meterM[0]);
        EXPECT_EQ(d.result.values[0].value, "12,345");
        EXPECT_EQ(d.result.values[1].value, "0,016");
    }
}

namespace {

// Mode 7 telegram behind a short extended link layer and an authentication layer, built with OpenSSL.
// longHeader: the transport header names another meter than the link layer, whose ID derives the
// keys. messageLength: the authentication layer carries the message length, and the MCL says the MAC
// covers it.
Bytes mode7Telegram(const Bytes& key, bool longHeader, bool messageLength) {
    const Bytes linkId = {0x78, 0x56, 0x34, 0x12};
    const Bytes meterId = {0x33, 0x22, 0x11, 0x00};
    const Bytes counter = {0x05, 0x01, 0x00, 0x00};
    auto derive = [&](std::uint8_t which) {
        Bytes m = cat(cat({which}, counter), longHeader ? meterId : linkId);
        m.insert(m.end(), 7, 0x07);
        return cmac(key, m);
    };
    const Bytes kenc = derive(0x00), kmac = derive(0x01);
    const Bytes header =
        longHeader ? cat({0x72}, cat(meterId, {0xC5, 0x14, 0x00, 0x16, 0x2A, 0x00, 0x10, 0x07, 0x10}))
                   : Bytes{0x7A, 0x2A, 0x00, 0x10, 0x07, 0x10};
    const Bytes tpl = cat(header, aes("AES-128-CBC", kenc, Bytes(16, 0), kRecords));
    const std::uint8_t mcl = messageLength ? 0x65 : 0x25;
    const Bytes ml = {std::uint8_t(tpl.size()), 0x00};
    Bytes macInput = cat({mcl}, counter);
    if (messageLength)
        macInput = cat(macInput, ml);
    const Bytes tag = cmac(kmac, cat(macInput, tpl));
    // FCL: MCL, counter and MAC present, and the message length when asked.
    Bytes afl = cat({0x00, std::uint8_t(messageLength ? 0x3C : 0x2C), mcl}, counter);
    afl.insert(afl.end(), tag.begin(), tag.begin() + 8);
    if (messageLength)
        afl = cat(afl, ml);
    afl.insert(afl.begin(), std::uint8_t(afl.size()));
    return telegram(linkId, 0x8C, cat(cat({0x20, 0x2A, 0x90}, afl), tpl));
}

} // namespace

TEST(DecryptionAgainstOpenSsl, ModeSevenKeysFromTheLongHeaderAndMacOverTheFieldsTheMclNames) {
    const Bytes key = {0x10, 0x21, 0x32, 0x43, 0x54, 0x65, 0x76, 0x87,
                       0x98, 0xA9, 0xBA, 0xCB, 0xDC, 0xED, 0xFE, 0x0F};
    for (bool longHeader : {false, true}) {
        for (bool messageLength : {false, true}) {
            SCOPED_TRACE(std::to_string(longHeader) + std::to_string(messageLength));
            Bytes t = mode7Telegram(key, longHeader, messageLength);
            Decoding d;
            d.device.key = keyText(key);
            ASSERT_TRUE(d.decoder.decode(t, 0, d.result));
            EXPECT_TRUE(d.result.mode7);
            EXPECT_EQ(d.result.authentication.messageLength.has_value(), messageLength);
            EXPECT_TRUE(d.result.decrypted);
            EXPECT_EQ(d.result.values[0].value, "12,345");
        }
    }
}

TEST(DecryptionAgainstOpenSsl, ExtendedLinkLayerInCounterModeWithItsPayloadCrc) {
    const Bytes id = {0x78, 0x56, 0x34, 0x12};
    const Bytes key = {0x28, 0xF6, 0x4A, 0x24, 0x98, 0x80, 0x64, 0xA0,
                       0x79, 0xAA, 0x2C, 0x80, 0x7D, 0x61, 0x02, 0xAE};
    const Bytes sn = {0x01, 0x02, 0x03, 0x20}; // encryption field 1: AES-128 in counter mode
    // Plaintext: CRC of the rest, then a transport layer without header and two records (more than
    // one block, so the block counter counts).
    Bytes tpl = cat({0x78}, cat({0x04, 0x13, 0x39, 0x30, 0x00, 0x00}, {0x02, 0x3B, 0x10, 0x00}));
    tpl = cat(tpl, {0x0C, 0x13, 0x45, 0x23, 0x01, 0x00, 0x01, 0xFD, 0x17, 0x00});
    // EN 13757-4 CRC, written here bit by bit.
    std::uint16_t crc = 0;
    for (std::uint8_t b : tpl) {
        crc ^= std::uint16_t(b << 8);
        for (int k = 0; k < 8; ++k)
            crc = (crc & 0x8000) ? std::uint16_t((crc << 1) ^ 0x3D65) : std::uint16_t(crc << 1);
    }
    crc = std::uint16_t(~crc);
    const Bytes plain = cat({std::uint8_t(crc & 0xFF), std::uint8_t(crc >> 8)}, tpl);
    // Counter block: M, ID, version, device type, CC, SN, frame number 0, block counter 0.
    const Bytes counter = cat(cat(cat({0xAE, 0x0C}, id), {0x01, 0x07, 0x20}), cat(sn, {0x00, 0x00, 0x00}));
    const Bytes cipher = aes("AES-128-CTR", key, counter, plain);
    Bytes t = telegram(id, 0x8D, cat(cat({0x20, 0x55}, sn), cipher));
    const Bytes received = t;
    Decoding d;
    ASSERT_TRUE(d.decoder.decode(t, 0, d.result));
    EXPECT_TRUE(d.result.encrypted);
    EXPECT_FALSE(d.result.decrypted); // neither the derived key nor a route key
    EXPECT_EQ(d.result.recordCount, 0u);
    EXPECT_EQ(t, received);
    d.device.key = keyText(key);
    ASSERT_TRUE(d.decoder.decode(t, 0, d.result));
    EXPECT_TRUE(d.result.decrypted);
    EXPECT_EQ(d.result.security, SecurityMode::ExtendedLinkLayer);
    EXPECT_EQ(d.result.ci, 0x78);
    ASSERT_EQ(d.result.recordCount, 4u);
    EXPECT_EQ(d.result.values[0].value, "12,345");
    EXPECT_EQ(d.result.values[2].value, "00012,345");
}
