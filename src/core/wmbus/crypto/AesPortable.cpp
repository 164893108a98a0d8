// Table-driven AES-128: one lookup per state byte and round. All lookups index 256-entry
// tables with a byte, so no key or data value can reach outside them.

#include "core/wmbus/crypto/AesBackends.h"
#include "core/wmbus/crypto/AesTables.h"

namespace kvq::crypto::detail {

namespace {

inline std::uint32_t load32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}

inline void store32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

inline std::uint8_t b0(std::uint32_t v) {
    return static_cast<std::uint8_t>(v);
}
inline std::uint8_t b1(std::uint32_t v) {
    return static_cast<std::uint8_t>(v >> 8);
}
inline std::uint8_t b2(std::uint32_t v) {
    return static_cast<std::uint8_t>(v >> 16);
}
inline std::uint8_t b3(std::uint32_t v) {
    return static_cast<std::uint8_t>(v >> 24);
}

inline std::uint32_t subWord(std::uint32_t v) {
    return std::uint32_t(kSbox[b0(v)]) | (std::uint32_t(kSbox[b1(v)]) << 8) |
           (std::uint32_t(kSbox[b2(v)]) << 16) | (std::uint32_t(kSbox[b3(v)]) << 24);
}

// InvMixColumns of a round-key column, through the decryption tables (they include the
// inverse S-box, which the forward S-box undoes).
inline std::uint32_t invMixColumn(std::uint32_t v) {
    const auto& d = kDecTables;
    return d[0][kSbox[b0(v)]] ^ d[1][kSbox[b1(v)]] ^ d[2][kSbox[b2(v)]] ^ d[3][kSbox[b3(v)]];
}

void encryptOne(const std::uint8_t* rk, const std::uint8_t* in, std::uint8_t* out) {
    const auto& t = kEncTables;
    std::uint32_t s0 = load32(in) ^ load32(rk);
    std::uint32_t s1 = load32(in + 4) ^ load32(rk + 4);
    std::uint32_t s2 = load32(in + 8) ^ load32(rk + 8);
    std::uint32_t s3 = load32(in + 12) ^ load32(rk + 12);
    for (int round = 1; round < 10; ++round) {
        const std::uint8_t* k = rk + 16 * round;
        const std::uint32_t t0 = t[0][b0(s0)] ^ t[1][b1(s1)] ^ t[2][b2(s2)] ^ t[3][b3(s3)] ^ load32(k);
        const std::uint32_t t1 = t[0][b0(s1)] ^ t[1][b1(s2)] ^ t[2][b2(s3)] ^ t[3][b3(s0)] ^ load32(k + 4);
        const std::uint32_t t2 = t[0][b0(s2)] ^ t[1][b1(s3)] ^ t[2][b2(s0)] ^ t[3][b3(s1)] ^ load32(k + 8);
        const std::uint32_t t3 = t[0][b0(s3)] ^ t[1][b1(s0)] ^ t[2][b2(s1)] ^ t[3][b3(s2)] ^ load32(k + 12);
        s0 = t0;
        s1 = t1;
        s2 = t2;
        s3 = t3;
    }
    const std::uint8_t* k = rk + 160;
    const auto last = [](std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
        return std::uint32_t(kSbox[b0(a)]) | (std::uint32_t(kSbox[b1(b)]) << 8) |
               (std::uint32_t(kSbox[b2(c)]) << 16) | (std::uint32_t(kSbox[b3(d)]) << 24);
    };
    store32(out, last(s0, s1, s2, s3) ^ load32(k));
    store32(out + 4, last(s1, s2, s3, s0) ^ load32(k + 4));
    store32(out + 8, last(s2, s3, s0, s1) ^ load32(k + 8));
    store32(out + 12, last(s3, s0, s1, s2) ^ load32(k + 12));
}

void decryptOne(const std::uint8_t* dk, const std::uint8_t* in, std::uint8_t* out) {
    const auto& t = kDecTables;
    std::uint32_t s0 = load32(in) ^ load32(dk);
    std::uint32_t s1 = load32(in + 4) ^ load32(dk + 4);
    std::uint32_t s2 = load32(in + 8) ^ load32(dk + 8);
    std::uint32_t s3 = load32(in + 12) ^ load32(dk + 12);
    for (int round = 1; round < 10; ++round) {
        const std::uint8_t* k = dk + 16 * round;
        const std::uint32_t t0 = t[0][b0(s0)] ^ t[1][b1(s3)] ^ t[2][b2(s2)] ^ t[3][b3(s1)] ^ load32(k);
        const std::uint32_t t1 = t[0][b0(s1)] ^ t[1][b1(s0)] ^ t[2][b2(s3)] ^ t[3][b3(s2)] ^ load32(k + 4);
        const std::uint32_t t2 = t[0][b0(s2)] ^ t[1][b1(s1)] ^ t[2][b2(s0)] ^ t[3][b3(s3)] ^ load32(k + 8);
        const std::uint32_t t3 = t[0][b0(s3)] ^ t[1][b1(s2)] ^ t[2][b2(s1)] ^ t[3][b3(s0)] ^ load32(k + 12);
        s0 = t0;
        s1 = t1;
        s2 = t2;
        s3 = t3;
    }
    const std::uint8_t* k = dk + 160;
    const auto last = [](std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
        return std::uint32_t(kInvSbox[b0(a)]) | (std::uint32_t(kInvSbox[b1(b)]) << 8) |
               (std::uint32_t(kInvSbox[b2(c)]) << 16) | (std::uint32_t(kInvSbox[b3(d)]) << 24);
    };
    store32(out, last(s0, s3, s2, s1) ^ load32(k));
    store32(out + 4, last(s1, s0, s3, s2) ^ load32(k + 4));
    store32(out + 8, last(s2, s1, s0, s3) ^ load32(k + 8));
    store32(out + 12, last(s3, s2, s1, s0) ^ load32(k + 12));
}

} // namespace

void portableExpandKey(const std::uint8_t* key, RoundKeys& keys) {
    static constexpr std::uint8_t rcon[10] = {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80, 0x1B, 0x36};
    std::uint32_t w[44];
    for (int i = 0; i < 4; ++i)
        w[i] = load32(key + 4 * i);
    for (int i = 4; i < 44; ++i) {
        std::uint32_t temp = w[i - 1];
        if (i % 4 == 0) {
            // RotWord moves byte 1 to byte 0: with row 0 in the low byte that is a right rotation.
            temp = subWord((temp >> 8) | (temp << 24)) ^ rcon[i / 4 - 1];
        }
        w[i] = w[i - 4] ^ temp;
    }
    for (int i = 0; i < 44; ++i)
        store32(keys.enc + 4 * i, w[i]);
    for (int round = 0; round <= 10; ++round) {
        for (int c = 0; c < 4; ++c) {
            const std::uint32_t v = w[4 * (10 - round) + c];
            store32(keys.dec + 16 * round + 4 * c, (round == 0 || round == 10) ? v : invMixColumn(v));
        }
    }
}

void portableEncrypt(const RoundKeys& keys, const std::uint8_t* in, std::uint8_t* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        encryptOne(keys.enc, in + 16 * i, out + 16 * i);
}

void portableDecrypt(const RoundKeys& keys, const std::uint8_t* in, std::uint8_t* out, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i)
        decryptOne(keys.dec, in + 16 * i, out + 16 * i);
}

void portableCbcEncrypt(const RoundKeys& keys, const std::uint8_t* iv, const std::uint8_t* in,
                        std::uint8_t* out, std::size_t count) {
    std::uint8_t chain[16];
    for (int j = 0; j < 16; ++j)
        chain[j] = iv[j];
    for (std::size_t i = 0; i < count; ++i) {
        for (int j = 0; j < 16; ++j)
            chain[j] ^= in[16 * i + j];
        encryptOne(keys.enc, chain, chain);
        for (int j = 0; j < 16; ++j)
            out[16 * i + j] = chain[j];
    }
}

void portableCbcDecrypt(const RoundKeys& keys, const std::uint8_t* iv, const std::uint8_t* in,
                        std::uint8_t* out, std::size_t count) {
    std::uint8_t previous[16];
    std::uint8_t cipher[16];
    std::uint8_t plain[16];
    for (int j = 0; j < 16; ++j)
        previous[j] = iv[j];
    for (std::size_t i = 0; i < count; ++i) {
        // Keep the cipher block before the output may overwrite it (decryption in place).
        for (int j = 0; j < 16; ++j)
            cipher[j] = in[16 * i + j];
        decryptOne(keys.dec, cipher, plain);
        for (int j = 0; j < 16; ++j) {
            out[16 * i + j] = plain[j] ^ previous[j];
            previous[j] = cipher[j];
        }
    }
}

} // namespace kvq::crypto::detail
