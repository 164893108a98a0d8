#include "CryptoTestUtil.h"

#include "core/wmbus/crypto/Aes128.h"

#include <gtest/gtest.h>

#include <thread>

using namespace kvq::crypto;
using kvq::crypto::test::block;
using kvq::crypto::test::hex;

namespace {

class AesBackendTest : public ::testing::TestWithParam<AesBackend> {};

// FIPS-197 appendix C.1.
TEST_P(AesBackendTest, Fips197ExampleBothWays) {
    const Aes128 aes(block("000102030405060708090a0b0c0d0e0f"), GetParam());
    ASSERT_EQ(aes.backend(), GetParam());
    const Block plain = block("00112233445566778899aabbccddeeff");
    const Block cipher = block("69c4e0d86a7b0430d8cdb78070b4c55a");
    EXPECT_EQ(aes.encrypt(plain), cipher);
    EXPECT_EQ(aes.decrypt(cipher), plain);
}

// NIST SP 800-38A F.2.1 / F.2.2 (CBC-AES128), and the same four blocks as ECB (F.1.1).
TEST_P(AesBackendTest, Sp80038aChainsAndBlocks) {
    const Aes128 aes(block("2b7e151628aed2a6abf7158809cf4f3c"), GetParam());
    const Block iv = block("000102030405060708090a0b0c0d0e0f");
    const auto plain = hex("6bc1bee22e409f96e93d7e117393172a ae2d8a571e03ac9c9eb76fac45af8e51"
                           "30c81c46a35ce411e5fbc1191a0a52ef f69f2445df4f9b17ad2b417be66c3710");
    const auto cbc = hex("7649abac8119b246cee98e9b12e9197d 5086cb9b507219ee95db113a917678b2"
                         "73bed6b8e3c1743b7116e69e22229516 3ff1caa1681fac09120eca307586e1a7");
    const auto ecb = hex("3ad77bb40d7a3660a89ecaf32466ef97 f5d3d58503b9699de785895a96fdbaaf"
                         "43b1cd7f598ece23881b00e3ed030688 7b0c785e27e8ad3f8223207104725dd4");

    std::vector<std::uint8_t> out(plain.size());
    EXPECT_EQ(aes.cbcEncrypt(iv, plain, out), 4u);
    EXPECT_EQ(out, cbc);
    EXPECT_EQ(aes.cbcDecrypt(iv, cbc, out), 4u);
    EXPECT_EQ(out, plain);

    // In place, as telegram decryption does it.
    auto buffer = cbc;
    EXPECT_EQ(aes.cbcDecrypt(iv, buffer), 4u);
    EXPECT_EQ(buffer, plain);
    EXPECT_EQ(aes.cbcEncrypt(iv, buffer), 4u);
    EXPECT_EQ(buffer, cbc);

    aes.encryptBlocks(plain.data(), out.data(), 4);
    EXPECT_EQ(out, ecb);
    buffer = ecb;
    aes.decryptBlocks(buffer.data(), buffer.data(), 4);
    EXPECT_EQ(buffer, plain);
}

// Long chains run through the multi-block path of the hardware backend; in place and into a
// separate buffer must agree with the portable block-by-block result.
TEST_P(AesBackendTest, LongChainsMatchPortableInPlaceAndCopied) {
    const Key key = block("0f0e0d0c0b0a09080706050403020100");
    const Block iv = block("a0a1a2a3a4a5a6a7a8a9aaabacadaeaf");
    const Aes128 aes(key, GetParam());
    const Aes128 reference(key, AesBackend::Portable);
    for (std::size_t blocks : {7u, 8u, 9u, 16u, 17u, 31u}) {
        std::vector<std::uint8_t> plain(blocks * kBlockSize);
        for (std::size_t i = 0; i < plain.size(); ++i)
            plain[i] = static_cast<std::uint8_t>(i * 7 + blocks);
        std::vector<std::uint8_t> expected(plain.size());
        reference.cbcEncrypt(iv, plain, expected);

        std::vector<std::uint8_t> copied(plain.size());
        aes.cbcEncrypt(iv, plain, copied);
        EXPECT_EQ(copied, expected) << blocks;
        auto inPlace = expected;
        aes.cbcDecrypt(iv, inPlace);
        EXPECT_EQ(inPlace, plain) << blocks;
        aes.cbcDecrypt(iv, expected, copied);
        EXPECT_EQ(copied, plain) << blocks;

        std::vector<std::uint8_t> ecb(plain.size()), ecbRef(plain.size());
        aes.encryptBlocks(plain.data(), ecb.data(), blocks);
        reference.encryptBlocks(plain.data(), ecbRef.data(), blocks);
        EXPECT_EQ(ecb, ecbRef) << blocks;
        aes.decryptBlocks(ecb.data(), ecb.data(), blocks);
        EXPECT_EQ(ecb, plain) << blocks;
    }
}

// Only whole blocks that fit both buffers are touched; nothing is written past them.
TEST_P(AesBackendTest, CbcStopsAtWholeBlocksAndBufferEnd) {
    const Aes128 aes(block("2b7e151628aed2a6abf7158809cf4f3c"), GetParam());
    const Block iv{};
    std::vector<std::uint8_t> data(16 * 3 + 5, 0xAA);
    EXPECT_EQ(aes.cbcEncrypt(iv, data), 3u);
    EXPECT_TRUE(std::all_of(data.end() - 5, data.end(), [](std::uint8_t b) { return b == 0xAA; }));

    std::vector<std::uint8_t> out(16 * 2 + 8, 0x55);
    EXPECT_EQ(aes.cbcDecrypt(iv, data, std::span(out).first(16 * 2 + 3)), 2u);
    EXPECT_TRUE(std::all_of(out.begin(), out.begin() + 32, [](std::uint8_t b) { return b == 0xAA; }));
    EXPECT_TRUE(std::all_of(out.begin() + 32, out.end(), [](std::uint8_t b) { return b == 0x55; }));

    std::vector<std::uint8_t> tiny(15, 0x11);
    EXPECT_EQ(aes.cbcDecrypt(iv, tiny), 0u);
    EXPECT_EQ(tiny, std::vector<std::uint8_t>(15, 0x11));
    EXPECT_EQ(aes.cbcDecrypt(iv, std::span<std::uint8_t>()), 0u);
}

INSTANTIATE_TEST_SUITE_P(Backends, AesBackendTest, ::testing::ValuesIn(kvq::crypto::test::runnableBackends()),
                         kvq::crypto::test::backendName);

TEST(Aes128, BackendSelection) {
    EXPECT_EQ(Aes128(Key{}, AesBackend::Portable).backend(), AesBackend::Portable);
    const AesBackend automatic = Aes128(Key{}).backend();
    EXPECT_NE(automatic, AesBackend::Auto);
    EXPECT_EQ(automatic == AesBackend::AesNi, aesNiAvailable());
    EXPECT_EQ(Aes128(Key{}, AesBackend::AesNi).backend(), automatic);
}

TEST(Aes128, FreeFunctionsUseTheirKey) {
    const Key key = block("000102030405060708090a0b0c0d0e0f");
    const Block cipher = block("69c4e0d86a7b0430d8cdb78070b4c55a");
    EXPECT_EQ(EncryptBlock(key, block("00112233445566778899aabbccddeeff")), cipher);
    EXPECT_EQ(DecryptBlock(key, cipher), block("00112233445566778899aabbccddeeff"));

    std::vector<std::uint8_t> data(64, 0x3C);
    const auto original = data;
    const Block iv = block("ffeeddccbbaa99887766554433221100");
    std::vector<std::uint8_t> cipherText(64);
    EXPECT_EQ(CbcEncrypt(key, iv, data, cipherText), 4u);
    EXPECT_EQ(CbcEncrypt(key, iv, data), 4u);
    EXPECT_EQ(data, cipherText);
    EXPECT_EQ(CbcDecrypt(key, iv, data), 4u);
    EXPECT_EQ(data, original);
    EXPECT_EQ(CbcDecrypt(key, iv, cipherText, data), 4u);
    EXPECT_EQ(data, original);
}

// Engines in several threads at once must not disturb each other.
TEST(Aes128, IndependentEnginesInParallel) {
    constexpr int kThreads = 4;
    std::vector<int> failures(kThreads, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &failures] {
            Key key{};
            key.fill(static_cast<std::uint8_t>(0x11 * (t + 1)));
            Block plain{};
            plain.fill(static_cast<std::uint8_t>(t));
            const Block expected = Aes128(key, AesBackend::Portable).encrypt(plain);
            for (int i = 0; i < 3000; ++i) {
                const Block got = EncryptBlock(key, plain);
                if (got != expected || DecryptBlock(key, got) != plain)
                    ++failures[t];
            }
        });
    }
    for (auto& th : threads)
        th.join();
    for (int t = 0; t < kThreads; ++t)
        EXPECT_EQ(failures[t], 0) << "thread " << t;
}

} // namespace
