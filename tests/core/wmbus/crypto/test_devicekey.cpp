#include "CryptoTestUtil.h"

#include "core/wmbus/crypto/DeviceKey.h"
#include "core/wmbus/crypto/KeyText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

using namespace kvq::crypto;
using kvq::crypto::test::block;

namespace {

const Key kMaster = block("7F3A9C2E5B1D4086A2C4E6F8091B3D5F");

// The block the key was made from, recovered with the master key.
Block plainBlockOf(const DeviceKey& k) {
    return DecryptBlock(kMaster, k.key);
}

TEST(DeviceKey, BlockHoldsDiversificationAndBcdId) {
    const DeviceKey k = DeriveDeviceKey("12345678");
    const Block plain = plainBlockOf(k);
    EXPECT_EQ(std::memcmp(plain.data(), "VARNOSTELIK-", 12), 0);
    EXPECT_EQ(plain[12], 0x78);
    EXPECT_EQ(plain[13], 0x56);
    EXPECT_EQ(plain[14], 0x34);
    EXPECT_EQ(plain[15], 0x12);
    EXPECT_EQ(k.text, KeyToText(k.key));
    EXPECT_EQ(DeriveDeviceKey("12345678").key, k.key);
}

TEST(DeviceKey, EveryDigitReachesItsOwnNibble) {
    const Block base = plainBlockOf(DeriveDeviceKey("00000000"));
    std::set<Key> keys;
    for (int pos = 0; pos < 8; ++pos) {
        std::string id = "00000000";
        id[pos] = '9';
        const DeviceKey k = DeriveDeviceKey(id);
        keys.insert(k.key);
        const Block plain = plainBlockOf(k);
        const int byte = 15 - pos / 2;
        const std::uint8_t expected = (pos % 2 == 0) ? 0x90 : 0x09;
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(plain[i], i == byte ? expected : base[i]) << "digit " << pos << " byte " << i;
        }
    }
    EXPECT_EQ(keys.size(), 8u);
}

TEST(DeviceKey, IdTextsThatMeanTheSameNumber) {
    const Key k = DeriveDeviceKey("01234567").key;
    EXPECT_EQ(DeriveDeviceKey("1234567").key, k);    // leading zero lost by a decimal increment
    EXPECT_EQ(DeriveDeviceKey(" 01234567 ").key, k); // blanks around
    EXPECT_EQ(DeriveDeviceKey("012345679").key, k);  // only the first eight digits count
    EXPECT_EQ(DeriveDeviceKey("").key, DeriveDeviceKey("00000000").key);
}

} // namespace
