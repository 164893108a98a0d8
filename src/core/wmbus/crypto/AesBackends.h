#pragma once
// The two implementations behind Aes128. Internal: callers use Aes128.h.
// Both fill and read the same RoundKeys layout, so either can run a key the other expanded.

#include "core/wmbus/crypto/Aes128.h"

#include <cstddef>
#include <cstdint>

namespace kvq::crypto::detail {

void portableExpandKey(const std::uint8_t* key, RoundKeys& keys);
void portableEncrypt(const RoundKeys& keys, const std::uint8_t* in, std::uint8_t* out, std::size_t count);
void portableDecrypt(const RoundKeys& keys, const std::uint8_t* in, std::uint8_t* out, std::size_t count);
void portableCbcEncrypt(const RoundKeys& keys, const std::uint8_t* iv, const std::uint8_t* in,
                        std::uint8_t* out, std::size_t count);
void portableCbcDecrypt(const RoundKeys& keys, const std::uint8_t* iv, const std::uint8_t* in,
                        std::uint8_t* out, std::size_t count);

#if defined(__x86_64__) || defined(__i386__)
#define KVQ_AES_X86 1
bool cpuHasAesNi();
void aesniExpandKey(const std::uint8_t* key, RoundKeys& keys);
void aesniEncrypt(const RoundKeys& keys, const std::uint8_t* in, std::uint8_t* out, std::size_t count);
void aesniDecrypt(const RoundKeys& keys, const std::uint8_t* in, std::uint8_t* out, std::size_t count);
void aesniCbcEncrypt(const RoundKeys& keys, const std::uint8_t* iv, const std::uint8_t* in, std::uint8_t* out,
                     std::size_t count);
void aesniCbcDecrypt(const RoundKeys& keys, const std::uint8_t* iv, const std::uint8_t* in, std::uint8_t* out,
                     std::size_t count);
#endif

} // namespace kvq::crypto::detail
