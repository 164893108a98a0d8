#include "CryptoTestUtil.h"

#include "core/wmbus/crypto/Cmac.h"

#include <gtest/gtest.h>

using namespace kvq::crypto;
using kvq::crypto::test::block;
using kvq::crypto::test::hex;

namespace {

const std::vector<std::uint8_t>& rfcMessage() {
    static const auto m = hex("6bc1bee22e409f96e93d7e117393172a ae2d8a571e03ac9c9eb76fac45af8e51"
                              "30c81c46a35ce411e5fbc1191a0a52ef f69f2445df4f9b17ad2b417be66c3710");
    return m;
}

struct RfcCase {
    std::size_t length;
    const char* tag;
};

// RFC 4493 section 4: examples 1 to 4.
const RfcCase kRfcCases[] = {
    {0, "bb1d6929e95937287fa37d129b756746"},
    {16, "070a16b46b4d4144f79bdd9dd04a287c"},
    {40, "dfa66747de9ae63030ca32611497c827"},
    {64, "51f0bebf7e3b9d92fc49741779363cfe"},
};

class CmacBackendTest : public ::testing::TestWithParam<AesBackend> {};

TEST_P(CmacBackendTest, Rfc4493Examples) {
    const Aes128 aes(block("2b7e151628aed2a6abf7158809cf4f3c"), GetParam());
    for (const auto& c : kRfcCases) {
        const std::span<const std::uint8_t> message(rfcMessage().data(), c.length);
        EXPECT_EQ(Cmac(aes, message), block(c.tag)) << "length " << c.length;
        EXPECT_EQ(Cmac(block("2b7e151628aed2a6abf7158809cf4f3c"), message), block(c.tag)) << c.length;
    }
}

// However the message is cut into pieces, the tag stays that of the whole message; and a
// stream starts afresh after finish().
TEST_P(CmacBackendTest, PiecesGiveTheTagOfTheWhole) {
    CmacStream stream(block("2b7e151628aed2a6abf7158809cf4f3c"), GetParam());
    const auto& m = rfcMessage();
    for (const auto& c : kRfcCases) {
        for (std::size_t cut = 0; cut <= c.length; ++cut) {
            for (std::size_t cut2 = cut; cut2 <= c.length; cut2 += 7) {
                stream.update(std::span(m.data(), cut))
                    .update(std::span(m.data() + cut, cut2 - cut))
                    .update(std::span(m.data() + cut2, c.length - cut2));
                ASSERT_EQ(stream.finish(), block(c.tag)) << c.length << " cut " << cut << "/" << cut2;
            }
        }
    }
    for (std::size_t i = 0; i < 40; ++i)
        stream.update(m[i]);
    EXPECT_EQ(stream.finish(), block(kRfcCases[2].tag));
}

INSTANTIATE_TEST_SUITE_P(Backends, CmacBackendTest,
                         ::testing::ValuesIn(kvq::crypto::test::runnableBackends()),
                         kvq::crypto::test::backendName);

} // namespace
