#include "core/wmbus/crypto/Cmac.h"

#include <algorithm>
#include <cstring>

namespace kvq::crypto {

namespace {

// Multiplication by x in GF(2^128), the block read most significant byte first.
Block doubled(const Block& in) {
    Block out;
    for (std::size_t i = 0; i < kBlockSize; ++i) {
        const std::uint8_t carry = (i + 1 < kBlockSize) ? static_cast<std::uint8_t>(in[i + 1] >> 7) : 0;
        out[i] = static_cast<std::uint8_t>((in[i] << 1) | carry);
    }
    if (in[0] & 0x80)
        out[kBlockSize - 1] ^= 0x87;
    return out;
}

} // namespace

CmacStream::CmacStream(const Key& key, AesBackend backend) : cipher_(key, backend) {
    makeSubkeys();
}

CmacStream::CmacStream(const Aes128& cipher) : cipher_(cipher) {
    makeSubkeys();
}

void CmacStream::makeSubkeys() {
    k1_ = doubled(cipher_.encrypt(Block{}));
    k2_ = doubled(k1_);
}

void CmacStream::absorb(const std::uint8_t* block) {
    for (std::size_t i = 0; i < kBlockSize; ++i)
        state_[i] ^= block[i];
    cipher_.encryptBlocks(state_.data(), state_.data(), 1);
}

CmacStream& CmacStream::update(std::span<const std::uint8_t> data) {
    const std::uint8_t* p = data.data();
    std::size_t n = data.size();
    if (n == 0)
        return *this;
    // The last block of the message gets the subkey, so a full pending block is only
    // absorbed once more data is known to follow it.
    if (pendingSize_ > 0) {
        const std::size_t take = std::min(kBlockSize - pendingSize_, n);
        std::memcpy(pending_.data() + pendingSize_, p, take);
        pendingSize_ += take;
        p += take;
        n -= take;
        if (n == 0)
            return *this;
        absorb(pending_.data());
        pendingSize_ = 0;
    }
    while (n > kBlockSize) {
        absorb(p);
        p += kBlockSize;
        n -= kBlockSize;
    }
    std::memcpy(pending_.data(), p, n);
    pendingSize_ = n;
    return *this;
}

Block CmacStream::finish() {
    Block last{};
    if (pendingSize_ == kBlockSize) {
        for (std::size_t i = 0; i < kBlockSize; ++i)
            last[i] = pending_[i] ^ k1_[i];
    } else {
        std::memcpy(last.data(), pending_.data(), pendingSize_);
        last[pendingSize_] = 0x80;
        for (std::size_t i = 0; i < kBlockSize; ++i)
            last[i] ^= k2_[i];
    }
    absorb(last.data());
    const Block tag = state_;
    state_.fill(0);
    pending_.fill(0);
    pendingSize_ = 0;
    return tag;
}

Block Cmac(const Key& key, std::span<const std::uint8_t> message) {
    return CmacStream(key).update(message).finish();
}

Block Cmac(const Aes128& cipher, std::span<const std::uint8_t> message) {
    return CmacStream(cipher).update(message).finish();
}

} // namespace kvq::crypto
