// AES-128 with the x86 AES instructions. Only called after cpuHasAesNi() said yes; the
// functions carry their own target attribute so the rest of the program needs no special flags.

#include "core/wmbus/crypto/AesBackends.h"

#ifdef KVQ_AES_X86

#include <cpuid.h>
#include <emmintrin.h>
#include <wmmintrin.h>

#define KVQ_AESNI __attribute__((target("aes,sse2")))
// The lanes must live in registers; -O2 alone does not unroll these small loops.
#define KVQ_UNROLL _Pragma("GCC unroll 16")

namespace kvq::crypto::detail {

namespace {

KVQ_AESNI inline __m128i load(const std::uint8_t* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
KVQ_AESNI inline void store(std::uint8_t* p, __m128i v) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}

KVQ_AESNI inline __m128i expandStep(__m128i key, __m128i assist) {
    assist = _mm_shuffle_epi32(assist, 0xFF);
    key = _mm_xor_si128(key, _mm_slli_si128(key, 4));
    key = _mm_xor_si128(key, _mm_slli_si128(key, 4));
    key = _mm_xor_si128(key, _mm_slli_si128(key, 4));
    return _mm_xor_si128(key, assist);
}

struct Schedule {
    __m128i k[11];
};

KVQ_AESNI inline void loadSchedule(const std::uint8_t* bytes, Schedule& s) {
    KVQ_UNROLL
    for (int i = 0; i < 11; ++i)
        s.k[i] = load(bytes + 16 * i);
}

KVQ_AESNI inline __m128i encryptOne(const Schedule& s, __m128i b) {
    b = _mm_xor_si128(b, s.k[0]);
    KVQ_UNROLL
    for (int r = 1; r < 10; ++r)
        b = _mm_aesenc_si128(b, s.k[r]);
    return _mm_aesenclast_si128(b, s.k[10]);
}

KVQ_AESNI inline __m128i decryptOne(const Schedule& s, __m128i b) {
    b = _mm_xor_si128(b, s.k[0]);
    KVQ_UNROLL
    for (int r = 1; r < 10; ++r)
        b = _mm_aesdec_si128(b, s.k[r]);
    return _mm_aesdeclast_si128(b, s.k[10]);
}

// Eight independent blocks at once keep the pipelined AES unit busy.
constexpr std::size_t kLanes = 8;

KVQ_AESNI inline void decryptLanes(const Schedule& s, __m128i* b) {
    KVQ_UNROLL
    for (std::size_t j = 0; j < kLanes; ++j)
        b[j] = _mm_xor_si128(b[j], s.k[0]);
    KVQ_UNROLL
    for (int r = 1; r < 10; ++r) {
        KVQ_UNROLL
        for (std::size_t j = 0; j < kLanes; ++j)
            b[j] = _mm_aesdec_si128(b[j], s.k[r]);
    }
    KVQ_UNROLL
    for (std::size_t j = 0; j < kLanes; ++j)
        b[j] = _mm_aesdeclast_si128(b[j], s.k[10]);
}

KVQ_AESNI inline void encryptLanes(const Schedule& s, __m128i* b) {
    KVQ_UNROLL
    for (std::size_t j = 0; j < kLanes; ++j)
        b[j] = _mm_xor_si128(b[j], s.k[0]);
    KVQ_UNROLL
    for (int r = 1; r < 10; ++r) {
        KVQ_UNROLL
        for (std::size_t j = 0; j < kLanes; ++j)
            b[j] = _mm_aesenc_si128(b[j], s.k[r]);
    }
    KVQ_UNROLL
    for (std::size_t j = 0; j < kLanes; ++j)
        b[j] = _mm_aesenclast_si128(b[j], s.k[10]);
}

} // namespace

bool cpuHasAesNi() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d))
        return false;
    return (c & bit_AES) != 0 && (d & bit_SSE2) != 0;
}

KVQ_AESNI void aesniExpandKey(const std::uint8_t* key, RoundKeys& keys) {
    __m128i k[11];
    k[0] = load(key);
    // The round constant must be an immediate operand, hence one line per round.
    k[1] = expandStep(k[0], _mm_aeskeygenassist_si128(k[0], 0x01));
    k[2] = expandStep(k[1], _mm_aeskeygenassist_si128(k[1], 0x02));
    k[3] = expandStep(k[2], _mm_aeskeygenassist_si128(k[2], 0x04));
    k[4] = expandStep(k[3], _mm_aeskeygenassist_si128(k[3], 0x08));
    k[5] = expandStep(k[4], _mm_aeskeygenassist_si128(k[4], 0x10));
    k[6] = expandStep(k[5], _mm_aeskeygenassist_si128(k[5], 0x20));
    k[7] = expandStep(k[6], _mm_aeskeygenassist_si128(k[6], 0x40));
    k[8] = expandStep(k[7], _mm_aeskeygenassist_si128(k[7], 0x80));
    k[9] = expandStep(k[8], _mm_aeskeygenassist_si128(k[8], 0x1B));
    k[10] = expandStep(k[9], _mm_aeskeygenassist_si128(k[9], 0x36));
    for (int i = 0; i < 11; ++i)
        store(keys.enc + 16 * i, k[i]);
    store(keys.dec, k[10]);
    for (int i = 1; i < 10; ++i)
        store(keys.dec + 16 * i, _mm_aesimc_si128(k[10 - i]));
    store(keys.dec + 160, k[0]);
}

KVQ_AESNI void aesniEncrypt(const RoundKeys& keys, const std::uint8_t* in, std::uint8_t* out,
                            std::size_t count) {
    Schedule s;
    loadSchedule(keys.enc, s);
    std::size_t i = 0;
    for (; i + kLanes <= count; i += kLanes) {
        __m128i b[kLanes];
        KVQ_UNROLL
        for (std::size_t j = 0; j < kLanes; ++j)
            b[j] = load(in + 16 * (i + j));
        encryptLanes(s, b);
        KVQ_UNROLL
        for (std::size_t j = 0; j < kLanes; ++j)
            store(out + 16 * (i + j), b[j]);
    }
    for (; i < count; ++i)
        store(out + 16 * i, encryptOne(s, load(in + 16 * i)));
}

KVQ_AESNI void aesniDecrypt(const RoundKeys& keys, const std::uint8_t* in, std::uint8_t* out,
                            std::size_t count) {
    Schedule s;
    loadSchedule(keys.dec, s);
    std::size_t i = 0;
    for (; i + kLanes <= count; i += kLanes) {
        __m128i b[kLanes];
        KVQ_UNROLL
        for (std::size_t j = 0; j < kLanes; ++j)
            b[j] = load(in + 16 * (i + j));
        decryptLanes(s, b);
        KVQ_UNROLL
        for (std::size_t j = 0; j < kLanes; ++j)
            store(out + 16 * (i + j), b[j]);
    }
    for (; i < count; ++i)
        store(out + 16 * i, decryptOne(s, load(in + 16 * i)));
}

KVQ_AESNI void aesniCbcEncrypt(const RoundKeys& keys, const std::uint8_t* iv, const std::uint8_t* in,
                               std::uint8_t* out, std::size_t count) {
    Schedule s;
    loadSchedule(keys.enc, s);
    __m128i chain = load(iv);
    for (std::size_t i = 0; i < count; ++i) {
        chain = encryptOne(s, _mm_xor_si128(chain, load(in + 16 * i)));
        store(out + 16 * i, chain);
    }
}

KVQ_AESNI void aesniCbcDecrypt(const RoundKeys& keys, const std::uint8_t* iv, const std::uint8_t* in,
                               std::uint8_t* out, std::size_t count) {
    Schedule s;
    loadSchedule(keys.dec, s);
    __m128i previous = load(iv);
    std::size_t i = 0;
    // Every cipher block of a group is loaded before any plaintext is stored, so the output
    // may be the input buffer itself.
    for (; i + kLanes <= count; i += kLanes) {
        __m128i c[kLanes];
        __m128i b[kLanes];
        KVQ_UNROLL
        for (std::size_t j = 0; j < kLanes; ++j)
            b[j] = c[j] = load(in + 16 * (i + j));
        decryptLanes(s, b);
        store(out + 16 * i, _mm_xor_si128(b[0], previous));
        KVQ_UNROLL
        for (std::size_t j = 1; j < kLanes; ++j)
            store(out + 16 * (i + j), _mm_xor_si128(b[j], c[j - 1]));
        previous = c[kLanes - 1];
    }
    for (; i < count; ++i) {
        const __m128i c = load(in + 16 * i);
        store(out + 16 * i, _mm_xor_si128(decryptOne(s, c), previous));
        previous = c;
    }
}

} // namespace kvq::crypto::detail

#endif
