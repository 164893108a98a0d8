#include "core/wmbus/AuthenticationLayer.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kvq::wmbus;
using Bytes = std::vector<std::uint8_t>;

TEST(AuthenticationLayer, FieldsAreReadOnlyWhereTheFlagsPutThem) {
    // CI, AFLL, FCL (MCL, KI, counter, MAC, ML), MCL with a 4-byte MAC, KI, counter, MAC, ML.
    const Bytes all = {0x90, 0x0F, 0x00, 0x3E, 0x64, 0x01, 0x02, 0x11, 0x22,
                       0x33, 0x44, 0xA1, 0xA2, 0xA3, 0xA4, 0x30, 0x00};
    auto a = parseAuthenticationLayer(all);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->size(), all.size());
    EXPECT_EQ(a->mcl, 0x64);
    EXPECT_EQ(a->ki, 0x0201);
    ASSERT_TRUE(a->counter);
    EXPECT_EQ((*a->counter)[3], 0x44);
    EXPECT_EQ(a->macLength, 4u);
    EXPECT_EQ(a->mac[0], 0xA1);
    EXPECT_EQ(a->messageLength, 0x0030);

    // Only the FCL: nothing else is read, even when bytes follow the layer.
    a = parseAuthenticationLayer(Bytes{0x90, 0x02, 0x00, 0x00, 0x7A, 0x01});
    ASSERT_TRUE(a);
    EXPECT_EQ(a->size(), 4u);
    EXPECT_FALSE(a->mcl);
    EXPECT_FALSE(a->counter);
    EXPECT_EQ(a->macLength, 0u);
}

TEST(AuthenticationLayer, MalformedLayersAreRefused) {
    const Bytes cases[] = {
        {0x90},                                     // no AFLL
        {0x90, 0x10, 0x00, 0x2C, 0x25},             // AFLL longer than the bytes there
        {0x90, 0x03, 0x00, 0x2C, 0x25},             // counter and MAC announced, AFLL too short
        {0x90, 0x03, 0x00, 0x24, 0x21, 0, 0, 0, 0}, // MAC of an unknown authentication type
        {0x90, 0x02, 0x00, 0x04},                   // MAC without an MCL to give its length
    };
    for (const Bytes& b : cases)
        EXPECT_FALSE(parseAuthenticationLayer(b)) << b.size();
}
