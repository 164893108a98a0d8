#include "core/devices/watermodule/SensorStream.h"
#include "core/devices/watermodule/WzReadout.h"
#include "core/link/ReceiveStreams.h"

#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::wz;

namespace {
const QLocale kGerman(QLocale::German, QLocale::Germany);
}

TEST(WzReadout, ReadingsDueDateMonthsAndLogLine) {
    Image im{};
    setDword(im, off::MeterReading, 12345);
    setDword(im, off::MeterReadingDue, 10000);
    im[off::DueDay] = 1;
    im[off::DueDateMonth] = 3;
    im[off::DueYear] = 24;
    im[off::DueMonth] = 3;
    setWord(im, off::OptionsB, ob::DueMonthly);
    const std::uint32_t months[] = {5000, 0, 0, 7000, 999};
    for (int i = 0; i < 5; ++i)
        setDword(im, off::MonthTable + off::MonthEntrySize * i, months[i]);
    im[off::MonthTable + 4] = 11;
    im[off::MonthTable + 5] = 25;

    const Readout r = readout(im, "37", kGerman);
    EXPECT_EQ(r.Edit1Zaehlerst, "12,345");
    EXPECT_EQ(r.Edit1ZaehlerstVorj, "10,000");
    EXPECT_EQ(r.Edit1VerbrSeitSticht, "02,345");
    EXPECT_EQ(r.dueDate, "1.3.2024");
    EXPECT_EQ(r.LabelSWV, "37x");
    EXPECT_EQ(r.monthRows[0].value, "5");
    EXPECT_EQ(r.monthRows[1].value, "5");
    EXPECT_EQ(r.monthRows[2].value, "5");
    EXPECT_EQ(r.monthRows[3].value, "7");
    EXPECT_EQ(r.monthRows[4].value, "7"); // 999 litres are 0 m³
    EXPECT_EQ(r.monthRows[0].month, "11");
    EXPECT_EQ(r.monthRows[0].year, "25");
    EXPECT_EQ(r.periodEnd, QDate(2024, 2, 29));
    EXPECT_EQ(readoutLogFields(r, "08.12.2026"),
              (QStringList{"00000000", "08.12.2026", "12,345", "10,000", "02,345", "1.3.2024", "Monat"}));

    EXPECT_EQ(cubicMetres(10000 - 12345, kGerman), "-02,345");
    EXPECT_EQ(cubicMetres(123456789, QLocale::c()), "123456.789");
    im[off::DueDay] = 31;
    im[off::DueDateMonth] = 2;
    EXPECT_FALSE(readout(im, "", kGerman).periodEnd.has_value());
}

TEST(WzSensorStream, FramesAndMidFrameStart) {
    SensorStreamParser p;
    EXPECT_FALSE(p.feed(0x1E));
    EXPECT_FALSE(p.feed(0x40));
    EXPECT_FALSE(p.feed(0x42));
    const auto s = p.feed(0x9E);
    ASSERT_TRUE(s);
    EXPECT_EQ(s->sensor1, 0x40);
    EXPECT_EQ(s->sensor2, 0x42);
    EXPECT_EQ(s->ts1, 0x1E);
    EXPECT_EQ(s->ts2, 0x1E);

    SensorStreamParser mid;
    EXPECT_FALSE(mid.feed(0x33)); // taken as threshold S2: the count starts at the first byte seen
    auto first = mid.feed(0xA0);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->sensor1, 0);
    for (std::uint8_t b : {0x10, 0x11, 0x12, 0x55, 0x56})
        EXPECT_FALSE(mid.feed(b));
    auto second = mid.feed(0x9F);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->ts2, 0x10);
    EXPECT_EQ(second->sensor1, 0x11);
    EXPECT_EQ(second->sensor2, 0x12);
    EXPECT_EQ(second->ts1, 0x1F);
}

// The link gathers the frames itself and hands each end byte on with the bytes before it; read as a
// sample, that must be what the parser makes of the same bytes.
TEST(WzSensorStream, LinkGroupsGiveTheParsersSamples) {
    const std::uint8_t stream[] = {0x42, 0x9E, 0x1E, 0x40, 0x42, 0x9E, 0x20,
                                   0x7F, 0x01, 0x33, 0x44, 0x85, 0x81};
    SensorStreamParser parser;
    SensorStreamState link;
    int samples = 0;
    for (std::uint8_t b : stream) {
        const auto expected = parser.feed(b);
        ASSERT_EQ(link.feed(b), bool(expected));
        if (!expected)
            continue;
        ++samples;
        const SensorSample got =
            sampleOfGroup(link.SensorMarker, link.SensorByte0, link.SensorByte1, link.SensorByte2);
        EXPECT_EQ(got.sensor1, expected->sensor1);
        EXPECT_EQ(got.sensor2, expected->sensor2);
        EXPECT_EQ(got.ts1, expected->ts1);
        EXPECT_EQ(got.ts2, expected->ts2);
    }
    EXPECT_EQ(samples, 4);
}

TEST(WzSensorStream, BandWidthOverTheLast300Values) {
    BandWidth b;
    for (int i = 0; i < 299; ++i)
        EXPECT_EQ(b.add(17), 17);
    EXPECT_EQ(b.add(17), 0); // the last initial zero has gone
    EXPECT_EQ(b.add(20), 3);
}
