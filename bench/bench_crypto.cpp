// AES-128 engine beside OpenSSL's EVP interface, for the work a telegram needs and for bulk.

#include "core/wmbus/crypto/Aes128.h"
#include "core/wmbus/crypto/Cmac.h"

#include <benchmark/benchmark.h>

#ifdef KVQ_HAVE_OPENSSL
#include <openssl/core_names.h>
#include <openssl/evp.h>
#include <openssl/params.h>
#endif

#include <vector>

using namespace kvq::crypto;

namespace {

Key benchKey(std::uint8_t seed) {
    Key k;
    for (std::size_t i = 0; i < k.size(); ++i)
        k[i] = static_cast<std::uint8_t>(seed + 17 * i);
    return k;
}

std::vector<std::uint8_t> benchData(std::size_t n) {
    std::vector<std::uint8_t> d(n);
    for (std::size_t i = 0; i < n; ++i)
        d[i] = static_cast<std::uint8_t>(i * 31 + 7);
    return d;
}

AesBackend backendArg(const benchmark::State& state) {
    return state.range(0) == 0 ? AesBackend::Portable : AesBackend::Auto;
}

void labelBackend(benchmark::State& state) {
    state.SetLabel(Aes128(Key{}, backendArg(state)).backend() == AesBackend::AesNi ? "aes-ni" : "portable");
}

// One block, key expansion included: what a device key derivation costs.
void BM_OneBlockWithKeyExpansion(benchmark::State& state) {
    const AesBackend backend = backendArg(state);
    Key key = benchKey(1);
    Block block{};
    for (auto _ : state) {
        block = Aes128(key, backend).encrypt(block);
        benchmark::DoNotOptimize(block);
        key[0] ^= block[0];
    }
    labelBackend(state);
}
BENCHMARK(BM_OneBlockWithKeyExpansion)->Arg(0)->Arg(1);

// A 64-byte encrypted telegram payload decrypted in place under its device key.
void BM_CbcDecrypt64WithKeyExpansion(benchmark::State& state) {
    const AesBackend backend = backendArg(state);
    const Key key = benchKey(2);
    const Block iv{};
    auto data = benchData(64);
    for (auto _ : state) {
        Aes128(key, backend).cbcDecrypt(iv, data);
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(state.iterations() * 64);
    labelBackend(state);
}
BENCHMARK(BM_CbcDecrypt64WithKeyExpansion)->Arg(0)->Arg(1);

// The authentication tag over 80 bytes, subkeys included.
void BM_Cmac80(benchmark::State& state) {
    const AesBackend backend = backendArg(state);
    const Key key = benchKey(3);
    const auto data = benchData(80);
    for (auto _ : state) {
        Block tag = CmacStream(key, backend).update(data).finish();
        benchmark::DoNotOptimize(tag);
    }
    state.SetBytesProcessed(state.iterations() * 80);
    labelBackend(state);
}
BENCHMARK(BM_Cmac80)->Arg(0)->Arg(1);

void BM_CbcDecrypt1MiB(benchmark::State& state) {
    const AesBackend backend = backendArg(state);
    const Key key = benchKey(4);
    const Block iv{};
    auto data = benchData(1 << 20);
    for (auto _ : state) {
        Aes128(key, backend).cbcDecrypt(iv, data);
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(state.iterations() * (1 << 20));
    labelBackend(state);
}
BENCHMARK(BM_CbcDecrypt1MiB)->Arg(0)->Arg(1);

#ifdef KVQ_HAVE_OPENSSL

// OpenSSL gets every advantage: its contexts are made once and only re-keyed per operation.
void BM_OpenSSL_OneBlockWithKeyExpansion(benchmark::State& state) {
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    const EVP_CIPHER* cipher = EVP_aes_128_ecb();
    Key key = benchKey(1);
    Block block{};
    for (auto _ : state) {
        int n = 0;
        EVP_EncryptInit_ex(ctx, cipher, nullptr, key.data(), nullptr);
        EVP_CIPHER_CTX_set_padding(ctx, 0);
        EVP_EncryptUpdate(ctx, block.data(), &n, block.data(), 16);
        benchmark::DoNotOptimize(block);
        key[0] ^= block[0];
    }
    EVP_CIPHER_CTX_free(ctx);
}
BENCHMARK(BM_OpenSSL_OneBlockWithKeyExpansion);

void BM_OpenSSL_CbcDecrypt64WithKeyExpansion(benchmark::State& state) {
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    const EVP_CIPHER* cipher = EVP_aes_128_cbc();
    const Key key = benchKey(2);
    const Block iv{};
    auto data = benchData(64);
    for (auto _ : state) {
        int n = 0;
        EVP_DecryptInit_ex(ctx, cipher, nullptr, key.data(), iv.data());
        EVP_CIPHER_CTX_set_padding(ctx, 0);
        EVP_DecryptUpdate(ctx, data.data(), &n, data.data(), 64);
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(state.iterations() * 64);
    EVP_CIPHER_CTX_free(ctx);
}
BENCHMARK(BM_OpenSSL_CbcDecrypt64WithKeyExpansion);

void BM_OpenSSL_Cmac80(benchmark::State& state) {
    EVP_MAC* mac = EVP_MAC_fetch(nullptr, "CMAC", nullptr);
    EVP_MAC_CTX* ctx = EVP_MAC_CTX_new(mac);
    char cipherName[] = "AES-128-CBC";
    OSSL_PARAM params[] = {OSSL_PARAM_construct_utf8_string(OSSL_MAC_PARAM_CIPHER, cipherName, 0),
                           OSSL_PARAM_construct_end()};
    EVP_MAC_CTX_set_params(ctx, params);
    const Key key = benchKey(3);
    const auto data = benchData(80);
    for (auto _ : state) {
        Block tag;
        std::size_t size = 0;
        EVP_MAC_init(ctx, key.data(), key.size(), nullptr);
        EVP_MAC_update(ctx, data.data(), data.size());
        EVP_MAC_final(ctx, tag.data(), &size, tag.size());
        benchmark::DoNotOptimize(tag);
    }
    state.SetBytesProcessed(state.iterations() * 80);
    EVP_MAC_CTX_free(ctx);
    EVP_MAC_free(mac);
}
BENCHMARK(BM_OpenSSL_Cmac80);

void BM_OpenSSL_CbcDecrypt1MiB(benchmark::State& state) {
    EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
    const EVP_CIPHER* cipher = EVP_aes_128_cbc();
    const Key key = benchKey(4);
    const Block iv{};
    auto data = benchData(1 << 20);
    for (auto _ : state) {
        int n = 0;
        EVP_DecryptInit_ex(ctx, cipher, nullptr, key.data(), iv.data());
        EVP_CIPHER_CTX_set_padding(ctx, 0);
        EVP_DecryptUpdate(ctx, data.data(), &n, data.data(), 1 << 20);
        benchmark::DoNotOptimize(data.data());
    }
    state.SetBytesProcessed(state.iterations() * (1 << 20));
    EVP_CIPHER_CTX_free(ctx);
}
BENCHMARK(BM_OpenSSL_CbcDecrypt1MiB);

#endif

} // namespace

BENCHMARK_MAIN();
