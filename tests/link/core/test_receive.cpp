#include "core/link/ReceiveStreams.h"
#include "core/link/RxRing.h"

#include <gtest/gtest.h>

using namespace kvq;

TEST(RxRing, WrapsAndOverwritesWhenNotRead) {
    RxRingBuffer ring;
    for (int i = 0; i < 4097; ++i)
        ring.StoreRxByte(static_cast<std::uint8_t>(i == 4096 ? 0xAB : i & 0xFF));
    EXPECT_EQ(ring.RxWritePos, 1);
    EXPECT_EQ(ring.RxRing[0], 0xAB);
    EXPECT_EQ(ring.RxRing[1], 1);
}

TEST(RxRing, CopiesTheWaitingBytesAcrossTheEnd) {
    RxRingBuffer ring;
    ring.RxWritePos = 4094;
    ring.RxReadPos = 4094;
    for (std::uint8_t b : {1, 2, 3, 4, 5})
        ring.StoreRxByte(b);
    EXPECT_EQ(ring.RxWritePos, 3);
    EXPECT_EQ(ring.waitingFrom(ring.RxReadPos), 5);
    EXPECT_EQ(ring.copyFrom(ring.RxReadPos), (std::vector<std::uint8_t>{1, 2, 3, 4, 5}));
    EXPECT_EQ(ring.advance(4094, 14), 12);
    EXPECT_TRUE(ring.copyFrom(ring.RxWritePos).empty());
}

TEST(SensorTest, TimersAreReadFromAnAcknowledgedLogOfTwentyOneCharacters) {
    const auto t = parseSensorTestLog(QStringLiteral("E5 01 02 03 04 05 06 "));
    ASSERT_TRUE(t);
    EXPECT_EQ((*t)[0], 258);
    EXPECT_EQ((*t)[1], 772);
    EXPECT_EQ((*t)[2], 1286);

    // Counts of 0x80 and more stay unsigned.
    const auto s = parseSensorTestLog(QStringLiteral("E5 80 00 FF FF 7F 80 "));
    ASSERT_TRUE(s);
    EXPECT_EQ((*s)[0], 0x8000);
    EXPECT_EQ((*s)[1], 0xFFFF);
    EXPECT_EQ((*s)[2], 0x7F80);
    EXPECT_FALSE(parseSensorTestLog(QStringLiteral("68 01 02 03 04 05 06 ")));
    EXPECT_FALSE(parseSensorTestLog(QStringLiteral("E5 01 02 03 04 05 0G ")));

    EXPECT_FALSE(parseSensorTestLog(QStringLiteral("E6 01 02 03 04 05 06 ")));
    EXPECT_FALSE(parseSensorTestLog(QStringLiteral("E5 01 02 03 04 05 06")));
    EXPECT_FALSE(parseSensorTestLog(QStringLiteral("E5 01 02 03 04 05 06 07 ")));
}

TEST(SensorStream, MarkerReportsTheGroupAndStartsANewOne) {
    SensorStreamState s;
    EXPECT_FALSE(s.feed(0x11));
    EXPECT_FALSE(s.feed(0x22));
    EXPECT_FALSE(s.feed(0x33));
    EXPECT_FALSE(s.feed(0x44)); // a fourth data byte is not stored
    EXPECT_TRUE(s.feed(0x81));
    EXPECT_EQ(s.SensorMarker, 0x81);
    EXPECT_EQ(s.SensorByte0, 0x11);
    EXPECT_EQ(s.SensorByte1, 0x22);
    EXPECT_EQ(s.SensorByte2, 0x33);
    EXPECT_EQ(s.SensorCount, 0);
    EXPECT_FALSE(s.feed(0x05));
    EXPECT_EQ(s.SensorByte0, 0x05);
    EXPECT_EQ(s.SensorByte1, 0x22) << "bytes of the group before stay until overwritten";
}
