#include "CryptoTestUtil.h"

#include "core/wmbus/crypto/KeyText.h"

#include <gtest/gtest.h>

using namespace kvq::crypto;
using kvq::crypto::test::block;

namespace {

TEST(KeyText, ShownAsUpperCasePairsWithSingleBlanks) {
    EXPECT_EQ(KeyToText(block("2b7e151628aed2a6abf7158809cf4f3c")),
              "2B 7E 15 16 28 AE D2 A6 AB F7 15 88 09 CF 4F 3C");
    EXPECT_EQ(KeyToText(Key{}), "00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00");
}

TEST(KeyText, ReadingIgnoresBlanksAndCaseAndRoundTrips) {
    const Key key = block("2b7e151628aed2a6abf7158809cf4f3c");
    EXPECT_EQ(ParseKeyText("2B7E151628AED2A6ABF7158809CF4F3C"), key);
    EXPECT_EQ(ParseKeyText("2b7e151628aed2a6abf7158809cf4f3c"), key);
    EXPECT_EQ(ParseKeyText("  2B 7e 15 16\t28AE D2A6 AB F7 15 88 09 CF 4F 3C \r\n"), key);
    EXPECT_EQ(ParseKeyText(KeyToText(key)), key);
    // A blank inside a pair does not shift the pairs.
    EXPECT_EQ(ParseKeyText("2 B7E151628AED2A6ABF7158809CF4F3C"), key);
}

TEST(KeyText, ShortTextIsPaddedWithZerosOnTheRight) {
    // 30 digits read as if "00" followed.
    EXPECT_EQ(ParseKeyText("2B7E151628AED2A6ABF7158809CF4F"), block("2b7e151628aed2a6abf7158809cf4f00"));
    EXPECT_EQ(ParseKeyText("123"), block("12300000000000000000000000000000"));
    EXPECT_EQ(ParseKeyText(""), Key{});
    EXPECT_EQ(ParseKeyText("   "), Key{});
}

TEST(KeyText, NonHexCountsAsZeroAndExtraDigitsAreIgnored) {
    EXPECT_EQ(ParseKeyText("G1zz2B7E151628AED2A6ABF7158809CF"), block("01002B7E151628AED2A6ABF7158809CF"));
    EXPECT_EQ(ParseKeyText("2B7E151628AED2A6ABF7158809CF4F3CFFFF"),
              block("2b7e151628aed2a6abf7158809cf4f3c"));
}

TEST(KeyText, CheckNamesWhatIsWrong) {
    EXPECT_EQ(CheckKeyText("2B 7E 15 16 28 AE D2 A6 AB F7 15 88 09 CF 4F 3C"), KeyTextFault::None);
    EXPECT_EQ(CheckKeyText("2b7e151628aed2a6abf7158809cf4f3c"), KeyTextFault::None);
    EXPECT_EQ(CheckKeyText(""), KeyTextFault::Empty);
    EXPECT_EQ(CheckKeyText("  "), KeyTextFault::Empty);
    EXPECT_EQ(CheckKeyText("2B7E151628AED2A6ABF7158809CF4F"), KeyTextFault::TooShort);
    EXPECT_EQ(CheckKeyText("2B7E151628AED2A6ABF7158809CF4F3C0"), KeyTextFault::TooLong);
    EXPECT_EQ(CheckKeyText("2B7E151628AED2A6ABF7158809CF4F3X"), KeyTextFault::NotHex);
    EXPECT_EQ(CheckKeyText("2B-7E"), KeyTextFault::NotHex);
}

} // namespace
