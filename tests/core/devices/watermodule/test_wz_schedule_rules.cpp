#include "core/devices/watermodule/WzRules.h"
#include "core/devices/watermodule/WzSchedule.h"
#include "core/wmbus/crypto/DeviceKey.h"

#include "../hca/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::wz;

namespace {

// Send mask of all months, the given weeks and weekdays (bit 0 Monday).
Image maskImage(std::uint16_t months, std::uint8_t weeks, std::uint8_t weekdays) {
    Image im{};
    im[off::SendMask0] = std::uint8_t(months);
    im[off::SendMask1] = std::uint8_t(((months >> 8) & 0x0F) | ((weeks & 0x0F) << 4));
    im[off::SendMask2] = std::uint8_t(((weeks >> 4) & 1) | (weekdays << 1));
    return im;
}

} // namespace

TEST(WzSchedule, DaysTelegramsAndTwelveYearCharge) {
    ScheduleInput in;
    in.months = 12, in.weeks = 5, in.weekdays = 5;
    in.startHour = 7, in.stopHour = 19, in.cycleTime = 120;
    in.chargePerTelegram = 0.9;
    in.capacity = 600;
    ScheduleResult r = BerechneAnzSendungen(in);
    EXPECT_EQ(r.days, 260); // 12 x 5 x 4.3452 = 260.7
    EXPECT_EQ(r.telegramsPerDay, 360);
    EXPECT_EQ(r.telegramsPerYear, 93600);
    ASSERT_TRUE(r.mAhBatteryLife);
    EXPECT_NEAR(*r.mAhPerYear, 93600 * 0.96 / 3600, 1e-9);
    EXPECT_NEAR(*r.mAhBatteryLife, 12 * 24.96, 1e-9);
    EXPECT_FALSE(r.overCapacity);
    const ScheduleTexts t = scheduleTexts(r);
    EXPECT_EQ(t.LabelAnzTage, "260");
    EXPECT_EQ(t.LabelAnzSendungen, "93600");
    EXPECT_EQ(t.LabelmAh1, "24,96");
    EXPECT_EQ(t.LabelmAh11, "299,52");

    in.capacity = 299; // twelve years no longer fit
    EXPECT_TRUE(BerechneAnzSendungen(in).overCapacity);

    // Fewer than five weeks multiply plainly; a cycle time of 0 counts as 1 second.
    in.weeks = 4, in.cycleTime = 0;
    r = BerechneAnzSendungen(in);
    EXPECT_EQ(r.days, 240);
    EXPECT_EQ(r.cycleTime, 1);
    EXPECT_EQ(r.telegramsPerDay, 12 * 3600);

    // An unreadable charge leaves the mAh labels empty instead of guessing.
    in.chargePerTelegram.reset();
    EXPECT_TRUE(scheduleTexts(BerechneAnzSendungen(in)).LabelmAh1.isEmpty());
}

TEST(WzSchedule, SendTimeRules) {
    SendTimes t{24, 10, 120, 7};
    onStartChange(t);
    EXPECT_EQ(t.start, 23);
    EXPECT_EQ(t.stop, 24);
    t = {7, 7, 120, 7};
    onStopChange(t);
    EXPECT_EQ(t.stop, 8);
    t = {7, 19, 5, 9};
    onCycleOrVarianceChange(t);
    EXPECT_EQ(t.variance, 4);
    t = {7, 19, 9000, 700};
    onCycleKeyUp(t);
    EXPECT_EQ(t.cycle, 3000);
    EXPECT_EQ(t.variance, 590);
    t = {7, 19, 1, 1};
    onCycleKeyUp(t);
    EXPECT_EQ(t.cycle, 2);
    EXPECT_EQ(t.variance, 1);
}

TEST(WzSchedule, CacheTakesTheScheduleFieldsOfTheImage) {
    Image im = maskImage(0x0A81, 0x15, 0x41);
    setDword(im, off::DeviceId, 0x12345678);
    setWord(im, off::Variance, 7);
    setWord(im, off::CycleTime, 300);
    im[off::StartHour] = 6, im[off::StopHour] = 20;
    const ScheduleCache c = ScheduleCache::fromImage(im);
    EXPECT_EQ(c.deviceId, 0x12345678u);
    EXPECT_EQ(c.variance, 7);
    EXPECT_EQ(c.cycleTime, 300);
    EXPECT_EQ(c.windowLength, 14);
    EXPECT_EQ(c.startHour, 6);
    EXPECT_EQ(c.monthMask, 0x0A81);
    EXPECT_EQ(c.weekMask, 0x15);
    EXPECT_EQ(c.weekdayMask, 0x41);
}

TEST(WzWindowEvaluation, MonthThenDayThenWeek) {
    const QDate wed15Jan(2025, 1, 15); // Wednesday, third week
    Image im = maskImage(0x0FFF, 0x1F, 0x7F);
    evaluateWindow(im, wed15Jan, true, false);
    EXPECT_EQ(word(im, off::StatusWord), st::Month | st::Day | st::Week | st::ProtocolS1);
    EXPECT_EQ(im[off::Weekday] & 0x04, 0x04);

    // Month outside the mask: nothing but the protocol, whatever weeks and days say.
    im = maskImage(0x0FFE, 0x1F, 0x7F);
    setWord(im, off::StatusWord, 0xFFFF);
    evaluateWindow(im, wed15Jan, false, true);
    EXPECT_EQ(word(im, off::StatusWord), st::ProtocolT1);

    // Weekday outside the mask: month only, even though the week is in it.
    im = maskImage(0x0FFF, 0x1F, 0x7F & ~0x04);
    evaluateWindow(im, wed15Jan, false, false);
    EXPECT_EQ(word(im, off::StatusWord), st::Month);

    // Day 29..31 is week 5; week 3 alone does not cover it.
    im = maskImage(0x0FFF, 0x10, 0x7F);
    evaluateWindow(im, QDate(2025, 12, 31), false, false);
    EXPECT_EQ(word(im, off::StatusWord), st::Month | st::Day | st::Week);
    im = maskImage(0x0FFF, 0x04, 0x7F);
    evaluateWindow(im, QDate(2025, 12, 31), false, false);
    EXPECT_EQ(word(im, off::StatusWord), st::Month | st::Day);
}

TEST(WzRules, ClockAndMonthColumns) {
    const QDateTime utc(QDate(2025, 1, 1), QTime(0, 30), Qt::UTC);
    EXPECT_EQ(moduleLocalTime(utc, -2), QDateTime(QDate(2024, 12, 31), QTime(22, 30), Qt::UTC));
    EXPECT_EQ(moduleLocalTime(utc, 1).time(), QTime(1, 30));
    EXPECT_EQ(zoneText(1), "UTC+1h");
    EXPECT_EQ(zoneText(-5), "UTC-5h");

    const auto back = monthsBack(QDate(2025, 2, 10));
    EXPECT_EQ(back[0].month, 1);
    EXPECT_EQ(back[0].year, 25);
    EXPECT_EQ(back[1].month, 12);
    EXPECT_EQ(back[1].year, 24);
    EXPECT_EQ(back[17].month, 8);
    EXPECT_EQ(back[17].year, 23);

    const auto col = monthColumn(2);
    EXPECT_EQ(col[0], 2);
    EXPECT_EQ(col[1], 1);
    EXPECT_EQ(col[2], 12);
    EXPECT_EQ(col[17], 9);
}

TEST(WzRules, BatteryYearAndDeviceIdAdvance) {
    EXPECT_EQ(clampBatteryYearText("2036"), "2036");
    EXPECT_EQ(clampBatteryYearText("3000"), "2999");
    EXPECT_EQ(clampBatteryYearText("5"), "2999");
    EXPECT_EQ(clampBatteryYearText("10000"), "10000");
    EXPECT_EQ(clampBatteryYearText("2999"), "2999");

    EXPECT_EQ(nextDeviceId("00001234"), "00001235");
    EXPECT_EQ(nextDeviceId("19"), "00000020");
    EXPECT_FALSE(nextDeviceId("99999999"));
    EXPECT_FALSE(nextDeviceId("FFFFFFFF"));
}

TEST(WzRules, DueReadingAndTemperatureTexts) {
    EXPECT_TRUE(dueReadingExceedsReading("100", "100,001"));
    EXPECT_FALSE(dueReadingExceedsReading("100,000", "100"));
    EXPECT_FALSE(dueReadingExceedsReading("100", "")) << "nothing to compare yet";

    EXPECT_EQ(temperatureText(215), "21,5");
    EXPECT_EQ(temperatureText(200), "20");
    EXPECT_EQ(temperatureText(std::uint16_t(-3)), "-0,3");
}

TEST(WzRules, ModuleKeyIsTheDeviceKeyOfTheId) {
    EXPECT_EQ(DeriveModuleKey("12345678"), crypto::DeriveDeviceKey("12345678").key);
    EXPECT_NE(DeriveModuleKey("12345678"), DeriveModuleKey("12345679"));
}
