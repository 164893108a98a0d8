#include "core/wmbus/crypto/Aes128.h"

#include "core/wmbus/crypto/AesBackends.h"

#include <algorithm>
#include <cstring>

namespace kvq::crypto {

namespace {

AesBackend resolve(AesBackend wanted) {
    if (wanted == AesBackend::Portable)
        return AesBackend::Portable;
    return aesNiAvailable() ? AesBackend::AesNi : AesBackend::Portable;
}

// Expanded keys are wiped when an engine goes away; the empty asm keeps the compiler from
// dropping the stores to memory that is about to die.
void wipe(void* p, std::size_t n) {
    std::memset(p, 0, n);
    __asm__ __volatile__("" : : "r"(p) : "memory");
}

std::size_t blocksFor(std::span<const std::uint8_t> in, std::span<std::uint8_t> out) {
    return std::min(in.size(), out.size()) / kBlockSize;
}

} // namespace

bool aesNiAvailable() {
#ifdef KVQ_AES_X86
    static const bool available = detail::cpuHasAesNi();
    return available;
#else
    return false;
#endif
}

Aes128::Aes128(const Key& key, AesBackend backend) : backend_(resolve(backend)) {
#ifdef KVQ_AES_X86
    if (backend_ == AesBackend::AesNi) {
        detail::aesniExpandKey(key.data(), keys_);
        return;
    }
#endif
    detail::portableExpandKey(key.data(), keys_);
}

Aes128::~Aes128() {
    wipe(&keys_, sizeof keys_);
}

void Aes128::encryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t count) const {
#ifdef KVQ_AES_X86
    if (backend_ == AesBackend::AesNi)
        return detail::aesniEncrypt(keys_, in, out, count);
#endif
    detail::portableEncrypt(keys_, in, out, count);
}

void Aes128::decryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t count) const {
#ifdef KVQ_AES_X86
    if (backend_ == AesBackend::AesNi)
        return detail::aesniDecrypt(keys_, in, out, count);
#endif
    detail::portableDecrypt(keys_, in, out, count);
}

Block Aes128::encrypt(const Block& block) const {
    Block out;
    encryptBlocks(block.data(), out.data(), 1);
    return out;
}

Block Aes128::decrypt(const Block& block) const {
    Block out;
    decryptBlocks(block.data(), out.data(), 1);
    return out;
}

std::size_t Aes128::cbcDecrypt(const Block& iv, std::span<const std::uint8_t> in,
                               std::span<std::uint8_t> out) const {
    const std::size_t count = blocksFor(in, out);
#ifdef KVQ_AES_X86
    if (backend_ == AesBackend::AesNi) {
        detail::aesniCbcDecrypt(keys_, iv.data(), in.data(), out.data(), count);
        return count;
    }
#endif
    detail::portableCbcDecrypt(keys_, iv.data(), in.data(), out.data(), count);
    return count;
}

std::size_t Aes128::cbcEncrypt(const Block& iv, std::span<const std::uint8_t> in,
                               std::span<std::uint8_t> out) const {
    const std::size_t count = blocksFor(in, out);
#ifdef KVQ_AES_X86
    if (backend_ == AesBackend::AesNi) {
        detail::aesniCbcEncrypt(keys_, iv.data(), in.data(), out.data(), count);
        return count;
    }
#endif
    detail::portableCbcEncrypt(keys_, iv.data(), in.data(), out.data(), count);
    return count;
}

Block EncryptBlock(const Key& key, const Block& block) {
    return Aes128(key).encrypt(block);
}

Block DecryptBlock(const Key& key, const Block& block) {
    return Aes128(key).decrypt(block);
}

std::size_t CbcDecrypt(const Key& key, const Block& iv, std::span<const std::uint8_t> in,
                       std::span<std::uint8_t> out) {
    return Aes128(key).cbcDecrypt(iv, in, out);
}

std::size_t CbcDecrypt(const Key& key, const Block& iv, std::span<std::uint8_t> data) {
    return Aes128(key).cbcDecrypt(iv, data);
}

std::size_t CbcEncrypt(const Key& key, const Block& iv, std::span<const std::uint8_t> in,
                       std::span<std::uint8_t> out) {
    return Aes128(key).cbcEncrypt(iv, in, out);
}

std::size_t CbcEncrypt(const Key& key, const Block& iv, std::span<std::uint8_t> data) {
    return Aes128(key).cbcEncrypt(iv, data);
}

} // namespace kvq::crypto
