#include "core/wmbus/FlagCode.h"
#include "core/wmbus/MediumTable.h"

#include <gtest/gtest.h>

using namespace kvq::wmbus;

TEST(FlagCode, UnpacksReceivedMBytesLowByteFirst) {
    EXPECT_EQ(manufacturerText(0x43, 0x04).view(), "ABC");
    EXPECT_EQ(manufacturerText(0xAE, 0x0C).view(), "CEN");
    EXPECT_EQ(manufacturerText(0x2D, 0x2C).view(), "KAM");
    // Bit 15 carries no letter.
    EXPECT_EQ(manufacturerText(0x43, 0x84).view(), "ABC");
}

TEST(FlagCode, UnpacksCodesOutsideTheAlphabetAsReceived) {
    EXPECT_EQ(unpackFlagCode(0x0000).view(), "@@@");
    EXPECT_EQ(unpackFlagCode(0x7FFF).view(), "___");
}

TEST(FlagCode, PacksThreeLettersAndRoundTripsEveryCode) {
    EXPECT_EQ(packFlagCode("ABC"), 0x0443);
    EXPECT_EQ(packFlagCode("cen"), 0x0CAE);
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = 'A'; b <= 'Z'; ++b)
            for (char c = 'A'; c <= 'Z'; ++c) {
                const char text[] = {a, b, c};
                const auto m = packFlagCode(std::string_view(text, 3));
                ASSERT_TRUE(m.has_value());
                ASSERT_EQ(unpackFlagCode(*m).view(), std::string_view(text, 3));
            }
}

TEST(FlagCode, RefusesTextsThatAreNoCode) {
    EXPECT_FALSE(packFlagCode("AB").has_value());
    EXPECT_FALSE(packFlagCode("ABCD").has_value());
    EXPECT_FALSE(packFlagCode("A1C").has_value());
    EXPECT_FALSE(packFlagCode("A@C").has_value());
    EXPECT_FALSE(packFlagCode("").has_value());
}

TEST(MediumTable, NamedEmptyAndReservedCodes) {
    EXPECT_EQ(mediumText(0x00), "Other");
    EXPECT_EQ(mediumText(0x07), "Water");
    EXPECT_EQ(mediumText(0x08), "Heat Cost Allocator");
    EXPECT_EQ(mediumText(0x0F), "Unknown Medium");
    EXPECT_EQ(mediumText(0x10), "");
    EXPECT_EQ(mediumText(0x16), "Cold Water");
    EXPECT_EQ(mediumText(0x1B), "Room sensor");
    EXPECT_EQ(mediumText(0x1D), "");
    EXPECT_EQ(mediumText(0x21), "Ventil");
    EXPECT_EQ(mediumText(0x22), "Reserved");
    EXPECT_EQ(mediumText(0x25), "Display");
    EXPECT_EQ(mediumText(0x2A), "Carbon dioxide");
    EXPECT_EQ(mediumText(0x2B), "Reserved");
    EXPECT_EQ(mediumText(0x30), "Reserved");
    EXPECT_EQ(mediumText(0xFF), "Reserved");
}
