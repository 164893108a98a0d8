#include "core/wmbus/LinkLayer.h"
#include "core/wmbus/MonitorColours.h"

#include "FrameBuilder.h"

#include <gtest/gtest.h>

using namespace kvq::wmbus;
using namespace kvq::wmbus::test;

namespace {
Bytes telegramOf(const Bytes& frame) {
    return Bytes(frame.begin(), frame.end() - 1);
}
} // namespace

TEST(LinkLayer, ReadsTheHeaderFields) {
    const Bytes t = telegramOf(radioCraftFrame(body(0x44, 0x78, 4), 0x8A));
    const auto link = decodeLinkLayer(t);
    ASSERT_TRUE(link);
    EXPECT_EQ(link->startByte, 0x68);
    EXPECT_EQ(link->l, t.size() - 2);
    EXPECT_EQ(link->c, 0x44);
    EXPECT_EQ(link->mField(), 0x0CAE);
    EXPECT_EQ(link->manufacturer.view(), "CEN");
    EXPECT_EQ(link->idText, "12345678");
    EXPECT_EQ(link->version, 0x01);
    EXPECT_EQ(link->deviceType, 0x07);
    EXPECT_EQ(link->mediumText, "Water");
    EXPECT_EQ(link->ci, 0x7A);
    EXPECT_EQ(link->rssiRaw, 0x8A);
}

TEST(LinkLayer, IdTextIsBcdOrElseTheUnsignedNumber) {
    const std::uint8_t bcd[4] = {0x78, 0x56, 0x34, 0x12};
    const std::uint8_t notBcd[4] = {0x1A, 0x00, 0x00, 0x00};
    const std::uint8_t all[4] = {0xFF, 0xFF, 0xFF, 0xFF};
    const std::uint8_t zero[4] = {0x00, 0x00, 0x00, 0x00};
    const std::uint8_t highNibble[4] = {0x00, 0x00, 0x00, 0xA0};
    EXPECT_EQ(idText(bcd), "12345678");
    EXPECT_EQ(idText(notBcd), "26");
    EXPECT_EQ(idText(all), "4294967295");
    EXPECT_EQ(idText(zero), "00000000");
    EXPECT_EQ(idText(highNibble), "2684354560");
}

TEST(LinkLayer, LongHeaderDeviceTypeIsShownWhenPresent) {
    Bytes b = body(0x44, 0x01, 0, 0x72);
    const Bytes longHeader = {0x11, 0x22, 0x33, 0x44, 0x2D, 0x2C, 0x1B, 0x16, 0x05, 0x00, 0x00, 0x00};
    append(b, longHeader);
    auto link = decodeLinkLayer(telegramOf(radioCraftFrame(b)));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->deviceType, 0x07);
    EXPECT_EQ(link->shownDeviceType, 0x16);
    EXPECT_EQ(link->mediumText, "Cold Water");
    // Too short for the long header: the A field's device type stays.
    link = decodeLinkLayer(telegramOf(radioCraftFrame(body(0x44, 0x01, 3, 0x72))));
    ASSERT_TRUE(link);
    EXPECT_EQ(link->shownDeviceType, 0x07);
}

TEST(LinkLayer, RefusesBuffersThatCannotHoldTheHeader) {
    EXPECT_FALSE(decodeLinkLayer(Bytes{}));
    EXPECT_FALSE(decodeLinkLayer(Bytes{0x68, 0x01, 0x44}));
    Bytes t = telegramOf(radioCraftFrame(body(0x44, 0x01)));
    EXPECT_TRUE(decodeLinkLayer(t));
    t.pop_back(); // L now claims one byte more than there is
    EXPECT_FALSE(decodeLinkLayer(t));
}

TEST(Rssi, BothRules) {
    EXPECT_EQ(rssiText(0x8A, Framing::RadioCraft), "-69");
    EXPECT_EQ(rssiText(0x8A, Framing::Amber), "-134");
    EXPECT_EQ(rssiValue(0x8A, Framing::RadioCraft), -69);
    EXPECT_EQ(rssiValue(0x8A, Framing::Amber), -134);
    EXPECT_EQ(rssiText(0x00, Framing::RadioCraft), "-0");
    EXPECT_EQ(rssiText(0xFF, Framing::RadioCraft), "-127");
    EXPECT_EQ(rssiText(0x00, Framing::Amber), "-75");
    EXPECT_EQ(rssiText(0x7F, Framing::Amber), "-12");
    EXPECT_EQ(rssiText(0x80, Framing::Amber), "-139");
    EXPECT_EQ(rssiText(0x81, Framing::Amber), "-138"); // -127 / 2 rounds toward zero
}

TEST(MonitorColours, ColoursOfALongHeaderFrameInBothFramings) {
    Bytes b = body(0x44, 0x01, 0, 0x72);
    append(b, {0x11, 0x22, 0x33, 0x44, 0x2D, 0x2C, 0x1B, 0x16, 0x05, 0x00, 0x20, 0x05, 0xAA, 0xBB});
    using C = MonitorColour;
    const std::vector<C> expected = {C::Red,    C::Orange, C::White, C::PaleGreen, C::PaleGreen, C::Olive,
                                     C::Olive,  C::Olive,  C::Olive, C::White,     C::Yellow,    C::White,
                                     C::Lime,   C::Lime,   C::Lime,  C::Lime,      C::PaleGreen, C::PaleGreen,
                                     C::White,  C::Yellow, C::Grey,  C::White,     C::Amber,     C::Amber,
                                     C::Silver, C::Silver, C::Aqua,  C::Red};
    const Bytes rc = radioCraftFrame(b);
    std::vector<C> out(rc.size());
    monitorColours(rc, Framing::RadioCraft, out);
    EXPECT_EQ(out, expected);

    const Bytes amber = amberFrame(b);
    out.assign(amber.size(), C::White);
    monitorColours(amber, Framing::Amber, out);
    std::vector<C> expectedAmber = {C::Red};
    expectedAmber.insert(expectedAmber.end(), expected.begin(), expected.end());
    EXPECT_EQ(out, expectedAmber);
    EXPECT_EQ(rgb(C::Orange).g, 94);
}
