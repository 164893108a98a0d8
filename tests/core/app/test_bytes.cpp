#include "core/app/Bytes.h"

#include <gtest/gtest.h>

using namespace kvq;

TEST(Bytes, BigEndianFloatRoundTripAndLayout) {
    std::uint8_t buf[4];
    writeBEFloat(buf, 1.0f);
    EXPECT_EQ(buf[0], 0x3F);
    EXPECT_EQ(buf[1], 0x80);
    EXPECT_EQ(buf[2], 0x00);
    EXPECT_EQ(buf[3], 0x00);
    EXPECT_FLOAT_EQ(readBEFloat(buf), 1.0f);
}

TEST(Bytes, HexTextBothWays) {
    const std::uint8_t b[] = {0x68, 0x0A, 0xFF};
    EXPECT_EQ(toHexText(b), "68 0A FF ");
    std::vector<std::uint8_t> out;
    ASSERT_TRUE(parseHexText("68 0a\tff", out));
    EXPECT_EQ(out, (std::vector<std::uint8_t>{0x68, 0x0A, 0xFF}));
    EXPECT_FALSE(parseHexText("68 0", out));
    EXPECT_FALSE(parseHexText("6G", out));
    EXPECT_EQ(hexDigitValue('z'), 0);
    EXPECT_EQ(hexDigitValue('f'), 15);
}
