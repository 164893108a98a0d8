#pragma once
// AES-128 block cipher (FIPS-197) with ECB blocks and CBC chains.
//
// Every Aes128 object holds its own expanded key, so any number of them can be used at once
// from any thread; nothing is shared between operations. On x86 processors with the AES
// instructions those are used; the portable table code is the fallback and can be forced.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kvq::crypto {

inline constexpr std::size_t kBlockSize = 16;
using Block = std::array<std::uint8_t, kBlockSize>;
using Key = std::array<std::uint8_t, kBlockSize>;

enum class AesBackend {
    Auto,     // hardware instructions when the processor has them, else portable
    Portable, // table code, runs everywhere
    AesNi,    // x86 AES instructions; falls back to Portable where they are missing
};

// True when this processor can run the AesNi backend.
bool aesNiAvailable();

namespace detail {
// Round keys in byte order: encryption rounds 0..10, and the decryption rounds of the
// equivalent inverse cipher (InvMixColumns applied to rounds 1..9, in reverse order).
struct RoundKeys {
    alignas(16) std::uint8_t enc[176];
    alignas(16) std::uint8_t dec[176];
};
} // namespace detail

class Aes128 {
public:
    explicit Aes128(const Key& key, AesBackend backend = AesBackend::Auto);
    ~Aes128();
    Aes128(const Aes128&) = default;
    Aes128& operator=(const Aes128&) = default;

    // The backend really in use (never Auto).
    AesBackend backend() const { return backend_; }

    Block encrypt(const Block& block) const;
    Block decrypt(const Block& block) const;
    // Independent blocks (ECB), `count` blocks of 16 bytes; in and out may be the same buffer.
    void encryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t count) const;
    void decryptBlocks(const std::uint8_t* in, std::uint8_t* out, std::size_t count) const;

    // CBC over the whole 16-byte blocks of `in` (a trailing partial block is left alone).
    // `out` may be the very same buffer as `in` or a disjoint one; only as many blocks as fit
    // into `out` are processed. Returns the number of blocks processed.
    std::size_t cbcDecrypt(const Block& iv, std::span<const std::uint8_t> in,
                           std::span<std::uint8_t> out) const;
    std::size_t cbcDecrypt(const Block& iv, std::span<std::uint8_t> data) const {
        return cbcDecrypt(iv, data, data);
    }
    std::size_t cbcEncrypt(const Block& iv, std::span<const std::uint8_t> in,
                           std::span<std::uint8_t> out) const;
    std::size_t cbcEncrypt(const Block& iv, std::span<std::uint8_t> data) const {
        return cbcEncrypt(iv, data, data);
    }

private:
    detail::RoundKeys keys_;
    AesBackend backend_;
};

// One block under a key, key expansion included.
Block EncryptBlock(const Key& key, const Block& block);
Block DecryptBlock(const Key& key, const Block& block);

// CBC with a fresh key expansion; same buffer rules and result as the Aes128 members.
std::size_t CbcDecrypt(const Key& key, const Block& iv, std::span<const std::uint8_t> in,
                       std::span<std::uint8_t> out);
std::size_t CbcDecrypt(const Key& key, const Block& iv, std::span<std::uint8_t> data);
std::size_t CbcEncrypt(const Key& key, const Block& iv, std::span<const std::uint8_t> in,
                       std::span<std::uint8_t> out);
std::size_t CbcEncrypt(const Key& key, const Block& iv, std::span<std::uint8_t> data);

} // namespace kvq::crypto
