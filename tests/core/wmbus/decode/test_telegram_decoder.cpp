#include "core/wmbus/TelegramDecoder.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace kvq::wmbus;
using Bytes = std::vector<std::uint8_t>;

namespace {

struct Link {
    std::uint8_t deviceType = 0x07;
    std::uint8_t version = 0x01;
    Bytes id = {0x78, 0x56, 0x34, 0x12};
    Bytes m = {0xAE, 0x0C}; // CEN
};

// Telegram buffer: 0x68, L, C, M, ID, version, type, CI, afterCi, RSSI.
Bytes telegram(std::uint8_t ci, const Bytes& afterCi, const Link& link = {}) {
    Bytes t = {0x68, 0x00, 0x44};
    t.insert(t.end(), link.m.begin(), link.m.end());
    t.insert(t.end(), link.id.begin(), link.id.end());
    t.push_back(link.version);
    t.push_back(link.deviceType);
    t.push_back(ci);
    t.insert(t.end(), afterCi.begin(), afterCi.end());
    t.push_back(0x8A);
    t[1] = static_cast<std::uint8_t>(t.size() - 2);
    return t;
}

Bytes cat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Bytes kVolume = {0x04, 0x13, 0x39, 0x30, 0x00, 0x00}; // 12,345 m³
const Bytes kShortPlain = {0x2A, 0x00, 0x00, 0x00};         // access 0x2A, status, no security
Bytes longHeader(std::uint8_t deviceType, Bytes config = {0x00, 0x00}) {
    Bytes h = {0x11, 0x22, 0x33, 0x44, 0x2D, 0x2C, 0x1B, deviceType, 0x2A, 0x00};
    return cat(h, config);
}

struct FakeDirectory : DeviceDirectory {
    mutable std::uint32_t askedId = 0;
    mutable std::uint8_t askedType = 0;
    mutable std::string askedManufacturer;
    bool known = true;
    std::string key = "00112233445566778899AABBCCDDEEFF";
    DeviceLookup findDevice(std::uint32_t id, std::uint8_t type, std::string_view m) const override {
        askedId = id;
        askedType = type;
        askedManufacturer = m;
        return known ? DeviceLookup{true, key} : DeviceLookup{};
    }
};

// Stands in for AES: "decrypts" by XOR with 0x55 and checks for 2F 2F.
struct XorDecryptor : PayloadDecryptor {
    int calls = 0;
    DecryptRequest last;
    bool decrypt(const DecryptRequest& r, std::span<std::uint8_t> payload, std::string& keyText) override {
        ++calls;
        last = r;
        for (auto& b : payload)
            b ^= 0x55;
        keyText = "XOR";
        return payload.size() >= 2 && payload[0] == 0x2F && payload[1] == 0x2F;
    }
};

Bytes xor55(Bytes b) {
    for (auto& v : b)
        v ^= 0x55;
    return b;
}

struct FakeCompact : CompactFrameHandler {
    Bytes expandedFrame, learnedFrame;
    std::string manufacturer;
    std::uint8_t deviceType = 0;
    std::size_t expand(std::span<const std::uint8_t> frame, std::string_view m, std::uint8_t type,
                       std::span<std::uint8_t> out, CompactOutcome& outcome) override {
        outcome = CompactOutcome::Expanded;
        expandedFrame.assign(frame.begin(), frame.end());
        manufacturer = m;
        deviceType = type;
        // Format "0C 13" for every 4 data bytes after signature and CRC.
        std::size_t n = 0;
        for (std::size_t k = 4; k + 4 <= frame.size() && n + 6 <= out.size(); k += 4) {
            out[n++] = 0x0C;
            out[n++] = 0x13;
            std::copy_n(frame.begin() + k, 4, out.begin() + n);
            n += 4;
        }
        return n;
    }
    void learn(std::span<const std::uint8_t> frame, std::string_view, std::uint8_t) override {
        learnedFrame.assign(frame.begin(), frame.end());
    }
};

struct Filter : ManufacturerFilter {
    std::string only;
    bool passes(std::string_view m) const override { return m == only; }
};

} // namespace

TEST(TelegramDecoder, ShortHeaderPayloadFromTheThirdByteAfterIdleFiller) {
    TelegramDecoder d;
    TelegramResult r;
    Bytes t = telegram(0x7A, cat(cat(kShortPlain, {0x2F, 0x2F}), kVolume));
    ASSERT_TRUE(d.decode(t, 1234, r));
    EXPECT_EQ(r.header, HeaderKind::Short);
    EXPECT_EQ(r.accessNumber, 0x2A);
    EXPECT_FALSE(r.encrypted);
    EXPECT_EQ(r.recordCount, 1u);
    EXPECT_EQ(r.values[0].value, "12,345");
    EXPECT_EQ(r.values[0].unit, "m³");
    EXPECT_EQ(r.values[1].value, "");
    EXPECT_EQ(r.receiveTime, 1234);
    EXPECT_EQ(r.headerIdText, "12345678");
    EXPECT_EQ(r.rssiText, "-69");
    // Without filler the records start right after the header.
    t = telegram(0x7A, cat(kShortPlain, kVolume));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(r.recordCount, 1u);
    EXPECT_EQ(r.values[0].value, "12,345");
}

TEST(TelegramDecoder, NoHeaderAndLongHeader) {
    TelegramDecoder d(Framing::Amber);
    d.setDecimalSeparator('.');
    TelegramResult r;
    Bytes t = telegram(0x78, kVolume);
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(r.header, HeaderKind::None);
    EXPECT_EQ(r.accessNumber, 0);
    EXPECT_EQ(r.values[0].value, "12.345");
    EXPECT_EQ(r.rssiText, "-134"); // Amber rule

    t = telegram(0x72, cat(longHeader(0x16, {0x03, 0x00}), kVolume));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(r.header, HeaderKind::Long);
    EXPECT_EQ(r.headerIdText, "44332211");
    EXPECT_EQ(r.link.idText, "12345678");
    EXPECT_EQ(r.deviceType, 0x16);
    EXPECT_EQ(r.mediumText, "Cold Water");
    EXPECT_EQ(r.serialIdText(), "44332211");
    EXPECT_EQ(r.deviceText(), "22_Cold Water");
    EXPECT_TRUE(r.repeated);
    EXPECT_FALSE(r.encrypted);
    EXPECT_EQ(r.values[0].unit, "m³");

    // A reserved medium hides the serial ID.
    t = telegram(0x72, cat(longHeader(0x30), kVolume));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(r.mediumText, "Reserved");
    EXPECT_EQ(r.serialIdText(), "");
}

TEST(TelegramDecoder, ExtendedLinkLayerAndAuthenticationLayerMoveTheCi) {
    TelegramDecoder d;
    TelegramResult r;
    // AFLL 15: FCL with MCL, counter and MAC present, MCL 0x25, counter, 8-byte MAC.
    Bytes afl = {0x0F, 0x00, 0x2C, 0x25, 0x11, 0x22, 0x33, 0x44};
    for (std::size_t k = 0; k < 8; ++k)
        afl.push_back(static_cast<std::uint8_t>(0xA0 + k));
    struct Case {
        Bytes afterFirstCi;
        std::uint8_t firstCi;
        std::size_t ciPosition;
        bool authentication;
    };
    const Case cases[] = {
        {cat({0x20, 0x33, 0x7A}, cat(kShortPlain, kVolume)), 0x8C, 14, false},
        {cat(cat({0x20, 0x33, 0x90}, afl), cat({0x7A}, cat(kShortPlain, kVolume))), 0x8C, 31, true},
        {cat({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0x7A}, cat(kShortPlain, kVolume)), 0x8E, 22, false},
        {cat(cat({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0x90}, afl), cat({0x7A}, cat(kShortPlain, kVolume))), 0x8E,
         39, true},
    };
    for (const Case& c : cases) {
        Bytes t = telegram(c.firstCi, c.afterFirstCi);
        ASSERT_TRUE(d.decode(t, 0, r));
        EXPECT_EQ(r.ci, 0x7A);
        EXPECT_EQ(r.ciPosition, c.ciPosition);
        EXPECT_EQ(r.hasAuthentication, c.authentication);
        if (c.authentication) {
            EXPECT_EQ(r.authentication.mcl, 0x25);
            ASSERT_TRUE(r.authentication.counter);
            EXPECT_EQ(Bytes(r.authentication.counter->begin(), r.authentication.counter->end()),
                      Bytes(afl.begin() + 4, afl.begin() + 8));
            EXPECT_EQ(Bytes(r.authentication.mac.begin(), r.authentication.mac.begin() + 8),
                      Bytes(afl.begin() + 8, afl.end()));
        }
        EXPECT_EQ(r.accessNumber, 0x2A);
        EXPECT_EQ(r.values[0].value, "12,345");
    }
}

TEST(TelegramDecoder, HeadersThatDoNotFitAreNotRead) {
    TelegramDecoder d;
    TelegramResult r;
    const struct {
        std::uint8_t ci;
        Bytes rest;
    } cases[] = {
        {0x72, {0x11, 0x22, 0x33, 0x44, 0x2D}},
        {0x7A, {0x01, 0x02}},
        {0x8C, {0x20}},
        {0x8C, {0x20, 0x33, 0x90, 0x01, 0x02}},
        {0x8E, {1, 2, 3, 4, 5}},
        // An authentication layer whose flags announce an MCL, counter and MAC its AFLL leaves no
        // room for, with a whole short header and record behind it.
        {0x8C, cat({0x20, 0x33, 0x90, 0x03, 0x00, 0x2C, 0x25, 0x7A}, cat(kShortPlain, kVolume))},
    };
    for (const auto& c : cases) {
        Bytes t = telegram(c.ci, c.rest);
        ASSERT_TRUE(d.decode(t, 0, r));
        EXPECT_TRUE(r.truncated) << int(c.ci);
        EXPECT_EQ(r.recordCount, 0u);
        EXPECT_FALSE(r.encrypted);
    }
    // Unknown CI: counted, but no header and no values.
    Bytes t = telegram(0xA0, kVolume);
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_FALSE(r.knownCi);
    EXPECT_EQ(r.recordCount, 0u);
}

TEST(TelegramDecoder, RefusesBuffersShorterThanTheirL) {
    TelegramDecoder d;
    TelegramResult r;
    Bytes t = telegram(0x7A, cat(kShortPlain, kVolume));
    t.resize(t.size() - 3);
    EXPECT_FALSE(d.decode(t, 0, r));
    Bytes tiny = {0x68, 0x01, 0x44};
    EXPECT_FALSE(d.decode(tiny, 0, r));
    // L shorter than the buffer: only L + 2 bytes count, the rest is no record.
    t = telegram(0x7A, cat(kShortPlain, kVolume));
    t.insert(t.end(), kVolume.begin(), kVolume.end());
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(r.recordCount, 1u);
}

TEST(TelegramDecoder, RecordsEndBeforeTheRssiByte) {
    TelegramDecoder d;
    TelegramResult r;
    // The last record is missing its last data byte; the RSSI byte must not stand in for it.
    Bytes t = telegram(0x7A, cat(kShortPlain, {0x01, 0x13, 0x05, 0x02, 0x13, 0x01}));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(r.recordCount, 1u);
    // A short record right at the end is still read.
    t = telegram(0x7A, cat(kShortPlain, {0x02, 0x13, 0x05, 0x00, 0x01, 0x13, 0x07}));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(r.recordCount, 2u);
    EXPECT_EQ(r.values[1].value, "0,007");
}

TEST(TelegramDecoder, SecurityModesFromTheConfigurationWord) {
    TelegramDecoder d;
    TelegramResult r;
    Bytes t = telegram(0x7A, cat({0x2A, 0x00, 0x20, 0x05}, Bytes(32, 0x99)));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(r.security, SecurityMode::Mode5);
    EXPECT_TRUE(r.encrypted);
    EXPECT_FALSE(r.decrypted);
    EXPECT_EQ(r.encryptedBlocks, 2u);
    EXPECT_EQ(r.payloadOffset, 16u);
    EXPECT_EQ(r.recordCount, 0u); // no decryptor, no values

    t = telegram(0x7A, cat({0x2A, 0x00, 0x10, 0x07, 0x00}, Bytes(16, 0x99)));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_TRUE(r.mode7);
    EXPECT_EQ(r.payloadOffset, 17u); // behind the configuration extension

    // A zero low byte means no encryption whatever the mode bits say.
    t = telegram(0x7A, cat({0x2A, 0x00, 0x00, 0x05}, kVolume));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_FALSE(r.encrypted);
    EXPECT_EQ(r.values[0].value, "12,345");
}

TEST(TelegramDecoder, EncryptedPayloadIsDecryptedInPlaceAndThenDecoded) {
    TelegramDecoder d;
    XorDecryptor x;
    FakeDirectory dir;
    d.setDecryptor(&x);
    d.setDeviceDirectory(&dir);
    TelegramResult r;
    Bytes plain = cat({0x2F, 0x2F}, kVolume);
    plain.resize(16, 0x2F);
    Bytes t = telegram(0x7A, cat({0x2A, 0x00, 0x10, 0x05}, xor55(plain)));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(x.calls, 1);
    EXPECT_TRUE(r.encrypted);
    EXPECT_TRUE(r.decrypted);
    EXPECT_EQ(r.keyText, "XOR");
    EXPECT_EQ(r.values[0].value, "12,345");
    EXPECT_TRUE(std::equal(plain.begin(), plain.end(), t.begin() + 16)); // plaintext in the buffer
    EXPECT_EQ(x.last.payloadOffset, 16u);
    EXPECT_EQ(x.last.blocks, 1u);
    EXPECT_EQ(x.last.ciPosition, 11u);
    EXPECT_EQ(x.last.accessNumber, 0x2A);
    EXPECT_EQ(x.last.headerIdText, "12345678");
    EXPECT_EQ(x.last.m[0], 0xAE);
    EXPECT_TRUE(x.last.device.found);
    EXPECT_EQ(x.last.device.keyText, dir.key);
    EXPECT_TRUE(r.registered);
    EXPECT_EQ(dir.askedId, 12345678u);
    EXPECT_EQ(dir.askedManufacturer, "CEN");

    // Wrong key: listed encrypted, not decrypted, no values.
    t = telegram(0x7A, cat({0x2A, 0x00, 0x10, 0x05}, xor55(xor55(plain))));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_FALSE(r.decrypted);
    EXPECT_EQ(r.recordCount, 0u);
    EXPECT_EQ(r.values[0].value, "");

    // More blocks announced than there are bytes: nothing is handed to the decryptor.
    t = telegram(0x7A, cat({0x2A, 0x00, 0x30, 0x05}, xor55(plain)));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(x.calls, 2);
    EXPECT_FALSE(r.decrypted);
}

TEST(TelegramDecoder, LongHeaderDeviceTypeGoesToTheLookup) {
    TelegramDecoder d;
    FakeDirectory dir;
    dir.known = false;
    d.setDeviceDirectory(&dir);
    TelegramResult r;
    Bytes t = telegram(0x72, cat(longHeader(0x16), kVolume), Link{0x07, 0x01, {0x1A, 0, 0, 0}});
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(dir.askedId, 26u);
    EXPECT_EQ(dir.askedType, 0x16);
    EXPECT_FALSE(r.registered);
}

TEST(TelegramDecoder, ValueFilterByManufacturerWithTheExceptions) {
    TelegramDecoder d;
    Filter f;
    f.only = "KAM";
    d.setManufacturerFilter(&f);
    TelegramResult r;
    Bytes t = telegram(0x7A, cat(kShortPlain, kVolume));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_FALSE(r.valuesTaken);
    EXPECT_EQ(r.values[0].value, "");
    Link wzg;
    wzg.m = {0x47, 0x5F}; // WZG passes every filter
    t = telegram(0x7A, cat(kShortPlain, kVolume), wzg);
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(r.link.manufacturer.view(), "WZG");
    EXPECT_EQ(r.values[0].value, "12,345");
    d.setManufacturerFilter(nullptr);
    Link test;
    test.id = {0x04, 0x03, 0x02, 0x01}; // 01020304 never gives values
    t = telegram(0x7A, cat(kShortPlain, kVolume), test);
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_FALSE(r.valuesTaken);
    EXPECT_EQ(r.recordCount, 0u);
}

TEST(TelegramDecoder, AtMostTwentyPairsAndTheErrorFlags) {
    TelegramDecoder d;
    TelegramResult r;
    Bytes records;
    for (int k = 0; k < 25; ++k)
        records = cat(records, {0x01, 0x13, static_cast<std::uint8_t>(k)});
    records = cat(records, {0x02, 0xFD, 0x17, 0x01, 0x00});
    Bytes t = telegram(0x7A, cat(kShortPlain, records));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(r.recordCount, 26u);
    EXPECT_EQ(r.values[19].value, "0,019");
    EXPECT_EQ(r.errorFlags, "0001");
    // A result used again holds nothing of the telegram before.
    t = telegram(0x7A, cat(kShortPlain, kVolume));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(r.recordCount, 1u);
    EXPECT_EQ(r.values[1].value, "");
    EXPECT_EQ(r.errorFlags, "");
}

TEST(TelegramDecoder, CompactFramesAreExpandedAndFormatFramesLearned) {
    TelegramDecoder d;
    FakeCompact c;
    d.setCompactFrameHandler(&c);
    TelegramResult r;
    // 0x7B: short header, two bytes, then signature, CRC and data.
    Bytes t = telegram(0x7B, cat(kShortPlain, {0x2F, 0x2F, 0xAB, 0xCD, 0x00, 0x00, 0x45, 0x23, 0x01, 0x00}));
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(c.expandedFrame, (Bytes{0xAB, 0xCD, 0x00, 0x00, 0x45, 0x23, 0x01, 0x00}));
    EXPECT_EQ(c.manufacturer, "CEN");
    EXPECT_EQ(c.deviceType, 0x07);
    EXPECT_EQ(r.values[0].value, "00012,345");
    // 0x79: no header, compact data right after the CI.
    t = telegram(0x79, {0xAB, 0xCD, 0x00, 0x00, 0x45, 0x23, 0x01, 0x00});
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(c.expandedFrame.size(), 8u);
    EXPECT_EQ(r.recordCount, 1u);
    // 0x69: format frame two bytes behind the CI; no values.
    t = telegram(0x69, {0x05, 0xAB, 0xCD, 0x0C, 0x13});
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(c.learnedFrame, (Bytes{0xAB, 0xCD, 0x0C, 0x13}));
    EXPECT_EQ(r.recordCount, 0u);
}

TEST(TelegramDecoder, VolumesOfUnfilledStoragesTakeTheOlderValueOnOneDeviceKind) {
    TelegramDecoder d;
    TelegramResult r;
    // Storage 1 = 5, storage 2 = 0, storage 3 = 7, storage 4 = 0: walking from the end, 0 takes the
    // last value seen, which starts as "0".
    Bytes records = {0x04, 0x13, 0x01, 0x00, 0x00, 0x00};
    for (std::uint8_t s = 1; s <= 4; ++s) {
        const std::uint8_t v = s == 1 ? 5 : s == 3 ? 7 : 0;
        records = cat(records,
                      {0x84, s == 1 ? std::uint8_t(0x00) : std::uint8_t((s >> 1) & 0x0F), 0x13, v, 0, 0, 0});
        if (s & 1)
            records[records.size() - 7] = 0xC4;
    }
    Bytes payload = cat(kShortPlain, records);
    payload.resize(119 - 11 + 0, 0x2F); // L = 119
    Link link;
    link.version = 25;
    Bytes t = telegram(0x7A, payload, link);
    ASSERT_EQ(t[1], 119);
    ASSERT_TRUE(d.decode(t, 0, r));
    ASSERT_EQ(r.recordCount, 5u);
    EXPECT_EQ(r.values[1].unit, "m³[1]");
    EXPECT_EQ(r.values[1].value, "0,005");
    EXPECT_EQ(r.values[2].unit, "m³[2]");
    EXPECT_EQ(r.values[2].value, "0,007");
    EXPECT_EQ(r.values[3].value, "0,007");
    EXPECT_EQ(r.values[4].unit, "m³[4]");
    EXPECT_EQ(r.values[4].value, "0");
    EXPECT_EQ(r.values[0].value, "0,001");
    // Another version: no fix-up.
    link.version = 24;
    t = telegram(0x7A, payload, link);
    ASSERT_TRUE(d.decode(t, 0, r));
    EXPECT_EQ(r.values[2].value, "0");
}
