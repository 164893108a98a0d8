// Our engine against OpenSSL over random keys, blocks and message lengths.

#include "CryptoTestUtil.h"

#include "core/wmbus/crypto/Aes128.h"
#include "core/wmbus/crypto/Cmac.h"

#include <gtest/gtest.h>

#include <openssl/core_names.h>
#include <openssl/evp.h>
#include <openssl/params.h>

#include <memory>
#include <random>

using namespace kvq::crypto;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct CipherCtxFree {
    void operator()(EVP_CIPHER_CTX* c) const { EVP_CIPHER_CTX_free(c); }
};
struct MacFree {
    void operator()(EVP_MAC* m) const { EVP_MAC_free(m); }
};
struct MacCtxFree {
    void operator()(EVP_MAC_CTX* c) const { EVP_MAC_CTX_free(c); }
};

Bytes opensslCipher(const EVP_CIPHER* cipher, bool encrypt, const Key& key, const Block* iv,
                    const Bytes& in) {
    std::unique_ptr<EVP_CIPHER_CTX, CipherCtxFree> ctx(EVP_CIPHER_CTX_new());
    Bytes out(in.size() + 16);
    int n = 0, total = 0;
    EXPECT_EQ(
        EVP_CipherInit_ex(ctx.get(), cipher, nullptr, key.data(), iv ? iv->data() : nullptr, encrypt ? 1 : 0),
        1);
    EVP_CIPHER_CTX_set_padding(ctx.get(), 0);
    EXPECT_EQ(EVP_CipherUpdate(ctx.get(), out.data(), &n, in.data(), static_cast<int>(in.size())), 1);
    total = n;
    EXPECT_EQ(EVP_CipherFinal_ex(ctx.get(), out.data() + total, &n), 1);
    total += n;
    out.resize(static_cast<std::size_t>(total));
    return out;
}

Block opensslCmac(const Key& key, const Bytes& message) {
    static std::unique_ptr<EVP_MAC, MacFree> mac(EVP_MAC_fetch(nullptr, "CMAC", nullptr));
    std::unique_ptr<EVP_MAC_CTX, MacCtxFree> ctx(EVP_MAC_CTX_new(mac.get()));
    char cipherName[] = "AES-128-CBC";
    OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_CIPHER, cipherName, 0),
                           OSSL_PARAM_construct_end()};
    Block tag{};
    std::size_t tagSize = 0;
    EXPECT_EQ(EVP_MAC_init(ctx.get(), key.data(), key.size(), params), 1);
    EXPECT_EQ(EVP_MAC_update(ctx.get(), message.data(), message.size()), 1);
    EXPECT_EQ(EVP_MAC_final(ctx.get(), tag.data(), &tagSize, tag.size()), 1);
    EXPECT_EQ(tagSize, tag.size());
    return tag;
}

template <typename T> T randomBytes(std::mt19937& rng, T value) {
    for (auto& b : value)
        b = static_cast<std::uint8_t>(rng());
    return value;
}

class OpensslDifferential : public ::testing::TestWithParam<AesBackend> {};

TEST_P(OpensslDifferential, RandomKeysBlocksAndLengths) {
    std::mt19937 rng(0x4B5651u + static_cast<unsigned>(GetParam()));
    constexpr int kRounds = 10000;
    int mismatches = 0;
    for (int round = 0; round < kRounds && mismatches < 5; ++round) {
        const int before = mismatches;
        const Key key = randomBytes(rng, Key{});
        const Block iv = randomBytes(rng, Block{});
        const Aes128 aes(key, GetParam());

        const Block plain = randomBytes(rng, Block{});
        const Bytes plainBytes(plain.begin(), plain.end());
        const Bytes ecb = opensslCipher(EVP_aes_128_ecb(), true, key, nullptr, plainBytes);
        const Block cipher = aes.encrypt(plain);
        if (!std::equal(cipher.begin(), cipher.end(), ecb.begin()))
            ++mismatches;
        const Bytes ecbDec = opensslCipher(EVP_aes_128_ecb(), false, key, nullptr, plainBytes);
        const Block decrypted = aes.decrypt(plain);
        if (!std::equal(decrypted.begin(), decrypted.end(), ecbDec.begin()))
            ++mismatches;

        // Message lengths 0..100 for CMAC; the whole blocks of them for CBC, now and then a
        // long chain as well.
        std::size_t length = static_cast<std::size_t>(round % 101);
        const Bytes message = randomBytes(rng, Bytes(length));
        if (Cmac(aes, message) != opensslCmac(key, message))
            ++mismatches;

        std::size_t cbcLength = length / kBlockSize * kBlockSize;
        if (round % 50 == 0)
            cbcLength = kBlockSize * (8 + round % 40);
        const Bytes chainIn = randomBytes(rng, Bytes(cbcLength));
        Bytes ours(cbcLength);
        aes.cbcEncrypt(iv, chainIn, ours);
        if (ours != opensslCipher(EVP_aes_128_cbc(), true, key, &iv, chainIn))
            ++mismatches;
        ours = chainIn;
        aes.cbcDecrypt(iv, ours);
        if (ours != opensslCipher(EVP_aes_128_cbc(), false, key, &iv, chainIn))
            ++mismatches;

        if (mismatches != before)
            ADD_FAILURE() << "mismatch in round " << round << " length " << length;
    }
    EXPECT_EQ(mismatches, 0);
}

INSTANTIATE_TEST_SUITE_P(Backends, OpensslDifferential,
                         ::testing::ValuesIn(kvq::crypto::test::runnableBackends()),
                         kvq::crypto::test::backendName);

} // namespace
