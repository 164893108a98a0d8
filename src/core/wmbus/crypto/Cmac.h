#pragma once
// AES-CMAC (NIST SP 800-38B, RFC 4493) with a 16-byte tag.

#include "core/wmbus/crypto/Aes128.h"

#include <cstddef>
#include <cstdint>
#include <span>

namespace kvq::crypto {

// Tag of a message given in pieces, so callers need not copy fields into one buffer.
class CmacStream {
public:
    explicit CmacStream(const Key& key, AesBackend backend = AesBackend::Auto);
    explicit CmacStream(const Aes128& cipher);

    CmacStream& update(std::span<const std::uint8_t> data);
    CmacStream& update(std::uint8_t byte) { return update(std::span<const std::uint8_t>(&byte, 1)); }
    // The tag of everything given since construction or the last finish(); the stream then
    // starts a new message under the same key.
    Block finish();

private:
    void makeSubkeys();
    void absorb(const std::uint8_t* block);

    Aes128 cipher_;
    Block k1_;
    Block k2_;
    Block state_{};
    Block pending_{};
    std::size_t pendingSize_ = 0;
};

Block Cmac(const Key& key, std::span<const std::uint8_t> message);
Block Cmac(const Aes128& cipher, std::span<const std::uint8_t> message);

} // namespace kvq::crypto
