#include "core/app/Bytes.h"
#include "core/devices/hca/HcaFrames.h"
#include "core/devices/hca/HcaMerge.h"
#include "core/devices/hca/HcaRecord.h"
#include "core/devices/hca/HcaSendWindow.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::hca;

namespace {
std::string hex(const Frame& f) {
    return toHexText(f);
}
} // namespace

TEST(HcaRecordEncoding, IdTextBothWays) {
    Record r{};
    storeId(r, off::DeviceId, *parseIdText(QStringLiteral("12345678")));
    EXPECT_EQ(r[0], 0x78);
    EXPECT_EQ(r[1], 0x56);
    EXPECT_EQ(r[2], 0x34);
    EXPECT_EQ(r[3], 0x12);
    EXPECT_EQ(idText(r, off::DeviceId), QStringLiteral("12345678"));

    storeId(r, off::RadioId, *parseIdText(QStringLiteral("1234")));
    EXPECT_EQ(r[6], 0x34);
    EXPECT_EQ(r[7], 0x12);
    EXPECT_EQ(r[8], 0x00);
    EXPECT_EQ(r[9], 0x00);
    EXPECT_EQ(idText(r, off::RadioId), QStringLiteral("00001234"));

    EXPECT_EQ(parseIdText(QString()), 0u);
    EXPECT_FALSE(parseIdText(QStringLiteral("1234567A")));
    EXPECT_FALSE(parseIdText(QStringLiteral("123456789")));
    EXPECT_FALSE(parseIdText(QStringLiteral("12 34")));
    EXPECT_FALSE(parseIdText(QStringLiteral("-1")));
}

TEST(HcaRecordEncoding, NonBcdIdShowsCharactersPastNineAndIsRefusedBack) {
    Record r{};
    r[0] = 0xFF;
    r[1] = 0x0A;
    const QString t = idText(r, off::DeviceId);
    EXPECT_EQ(t, QStringLiteral("00000:??"));
    EXPECT_FALSE(parseIdText(t));
}

TEST(HcaRecordEncoding, ManufacturerCode) {
    Record r{};
    const auto v = parseManCode(QStringLiteral("QLM"));
    ASSERT_TRUE(v);
    EXPECT_EQ(*v, (17 << 10) | (12 << 5) | 13);
    writeLE16(r.data() + off::ManCode, *v);
    EXPECT_EQ(r[146], std::uint8_t(*v & 0xFF));
    EXPECT_EQ(r[147], std::uint8_t(*v >> 8));
    EXPECT_EQ(manCodeText(r), QStringLiteral("QLM"));
    EXPECT_EQ(parseManCode(QStringLiteral("qlm")), v);
    EXPECT_FALSE(parseManCode(QStringLiteral("QL1")));
    EXPECT_FALSE(parseManCode(QStringLiteral("QÄM")));
    EXPECT_FALSE(parseManCode(QStringLiteral("QLMX")));
    EXPECT_FALSE(parseManCode(QStringLiteral("Q`M")));
    // Whatever a record holds shows as three signs that read back to the same value.
    for (std::uint16_t v : {0x0000, 0x7FFF, 0x1234}) {
        writeLE16(r.data() + off::ManCode, v);
        EXPECT_EQ(parseManCode(manCodeText(r)), v);
    }
}

TEST(HcaRecordEncoding, KeyText) {
    DeviceKey k{};
    for (int i = 0; i < 16; ++i)
        k[i] = std::uint8_t(0x10 * i + 0x0F - i);
    const QString t = keyText(k);
    EXPECT_EQ(t.size(), 47);
    EXPECT_EQ(t.left(9), QStringLiteral("0F 1E 2D "));
    EXPECT_EQ(t.right(2), QStringLiteral("F0"));
}

TEST(HcaFrames, ReadFrame) {
    EXPECT_EQ(hex(buildReadFrame()), "68 08 08 68 53 FE 51 0F 00 00 A5 08 5E 16 ");
}

TEST(HcaFrames, WriteFrameCarriesBytes0To160AndNoSerialNumber) {
    Record r{};
    for (int i = 0; i < kEhkvRecordSize; ++i)
        r[i] = std::uint8_t(i * 7 + 3);
    const Frame f = buildWriteFrame(r);
    ASSERT_EQ(f.size(), 175u);
    EXPECT_EQ(f[0], 0x68);
    EXPECT_EQ(f[1], 0x08);
    EXPECT_EQ(f[2], 0x08);
    EXPECT_EQ(f[3], 0x68);
    EXPECT_EQ(f[10], 0xA1);
    EXPECT_EQ(f[11], 0x09);
    for (int i = 0; i < 161; ++i)
        ASSERT_EQ(f[12 + i], r[i]) << i;
    std::uint8_t sum = 0;
    for (int i = 4; i <= 172; ++i)
        sum = std::uint8_t(sum + f[i]);
    EXPECT_EQ(f[173], sum);
    EXPECT_EQ(f[174], 0x16);

    // The serial number does not reach the frame at all.
    Record other = r;
    other[161] ^= 0xFF;
    other[164] ^= 0x55;
    EXPECT_EQ(buildWriteFrame(other), f);
}

TEST(HcaFrames, ServiceFrames) {
    EXPECT_EQ(hex(buildServiceFrame(ServiceCommand::LcdTest)),
              "68 08 08 68 53 FE 51 0F 1A 1A 02 0F C1 10 C7 16 ");
    EXPECT_EQ(hex(buildServiceFrame(ServiceCommand::StorageMode)),
              "68 08 08 68 53 FE 51 0F 18 18 02 0F FB 04 F1 16 ");
    EXPECT_EQ(hex(buildServiceFrame(ServiceCommand::SendWMBus)),
              "68 08 08 68 53 FE 51 0F 1A 1A 02 0F FB 04 F5 16 ");
    EXPECT_EQ(hex(buildServiceFrame(ServiceCommand::SensorCalibration)),
              "68 08 08 68 53 FE 51 0F 1A 1A 02 0F C1 12 C9 16 ");
    EXPECT_EQ(hex(buildServiceFrame(ServiceCommand::Carrier)),
              "68 08 08 68 53 FE 51 0F 1A 1A 02 0F C1 18 CF 16 ");
    EXPECT_EQ(hex(buildServiceFrame(ServiceCommand::SensorTest)),
              "68 08 08 68 53 FE 51 0F 1A 1A 02 0F C1 30 E7 16 ");
    EXPECT_EQ(hex(buildServiceFrame(ServiceCommand::Sleep)),
              "68 08 08 68 53 FE 51 0F 18 18 02 0F FD 02 F1 16 ");
}

TEST(HcaSendWindow, MonthDayWeekBits) {
    Record r{};
    // Wednesday 15 May 2024: week 3 of the month.
    r[off::DateDay] = 15;
    r[off::DateMonth] = 5;
    r[off::DateYear] = 24;
    r[off::SendMask0] = 0x10;          // May
    r[off::SendMask1] = 0x40;          // week 3
    r[off::SendMask2] = 1u << (1 + 2); // Wednesday
    EXPECT_EQ(evaluateSendWindow(r), st::SendMonth | st::SendDay | st::SendWeek);
    EXPECT_EQ(r[off::Weekday], 1u << 2);

    // Week not in the mask: month and day only.
    r[off::SendMask1] = 0x80;
    EXPECT_EQ(evaluateSendWindow(r), st::SendMonth | st::SendDay);

    // Day not in the mask: the week is not even looked at.
    r[off::SendMask1] = 0x40;
    r[off::SendMask2] = 1u << 1; // Monday only
    r[off::Weekday] = 0;
    EXPECT_EQ(evaluateSendWindow(r), st::SendMonth);

    // A stale weekday bit from the device gives way to the weekday of the date.
    r[off::Weekday] = 1u << 6;
    evaluateSendWindow(r);
    EXPECT_EQ(r[off::Weekday], 1u << 2);

    // Month not in the mask: nothing.
    r[off::SendMask0] = 0x08;
    EXPECT_EQ(evaluateSendWindow(r), 0);
}

TEST(HcaSendWindow, WeekFiveAndDecember) {
    Record r{};
    // Tuesday 31 December 2024: week 5, December in byte 127 bit 3, week 5 in byte 128 bit 0.
    r[off::DateDay] = 31;
    r[off::DateMonth] = 12;
    r[off::DateYear] = 24;
    r[off::SendMask1] = 0x08;
    r[off::SendMask2] = 0x01 | (1u << 2);
    EXPECT_EQ(evaluateSendWindow(r), st::SendMonth | st::SendDay | st::SendWeek);
    EXPECT_EQ(r[off::Weekday], 1u << 1);
}

TEST(HcaSendWindow, ImpossibleDateAddsNoWeekday) {
    Record r{};
    r[off::DateDay] = 30;
    r[off::DateMonth] = 2;
    r[off::DateYear] = 24;
    r[off::SendMask1] = 0;
    r[off::SendMask0] = 0x02;
    r[off::SendMask2] = 0xFE;
    EXPECT_EQ(evaluateSendWindow(r), st::SendMonth);
    EXPECT_EQ(r[off::Weekday], 0);
    r[off::DateMonth] = 13;
    EXPECT_EQ(evaluateSendWindow(r), 0);
}

TEST(HcaMerge, KeepsTheDevicesOffsetAndOnRequestItsIdentity) {
    Record pending{}, device{};
    pending.fill(0x11);
    device.fill(0xEE);
    const Record plain = mergeAfterRead(pending, device, false, true);
    for (int i = 0; i < kEhkvRecordSize; ++i)
        EXPECT_EQ(plain[i], i == off::TempOffset ? 0xEE : 0x11) << i;

    const Record kept = mergeAfterRead(pending, device, true, false);
    for (int i = 0; i < kEhkvRecordSize; ++i) {
        const bool fromDevice = i <= 3 || (i >= 6 && i <= 11) || i == off::TempOffset;
        EXPECT_EQ(kept[i], fromDevice ? 0xEE : 0x11) << i;
    }
    const Record keptKey = mergeAfterRead(pending, device, true, true);
    for (int i = 130; i < 146; ++i)
        EXPECT_EQ(keptKey[i], 0xEE) << i;
    EXPECT_EQ(keptKey[146], 0x11);
}

TEST(HcaMerge, StartMonthZeroReleasesTheStart) {
    Record r{};
    setWord(r, off::ModeWord, md::UnitScale);
    r[off::StartMonth] = 3;
    applyStartRule(r);
    EXPECT_EQ(word(r, off::ModeWord), md::UnitScale);
    r[off::StartMonth] = 0;
    applyStartRule(r);
    EXPECT_EQ(word(r, off::ModeWord), md::UnitScale | md::StartRelease);
}
