// The installer's view of the allocator record, and the allocator rules it shares with the full view:
// flag words kept from the record, the merge of what the device keeps, the K values of the E scale,
// identification numbers that are no decimal numbers, the battery year limit.
#include "core/app/Bytes.h"
#include "core/devices/hca/HcaFormRules.h"
#include "core/devices/hca/HcaFrames.h"
#include "core/devices/hca/HcaMerge.h"
#include "core/devices/hca/HcaParamForm.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::hca;

namespace {

// An allocator with radio, read in the middle of its second year.
Record deviceRecord() {
    Record r{};
    for (std::size_t i = 0; i < r.size(); ++i)
        r[i] = std::uint8_t(i * 7 + 3); // every byte its own value
    storeId(r, off::DeviceId, 0x12345678);
    storeId(r, off::RadioId, 0x12345678);
    storeId(r, off::SerialNumber, 0x00424242);
    r[off::StartMonth] = 3;
    r[off::ReadingMonth] = 11;
    r[off::BatteryMonth] = 6;
    r[off::BatteryYear] = 34;
    writeBE16(r.data() + off::K1, 1400);
    writeBE16(r.data() + off::K2, 2100);
    writeBE16(r.data() + off::KQ, 950);
    setWord(r, off::StatusWord, st::ProtocolS1 | st::LowBattery);
    setWord(r, off::ModeWord, md::UnitScale | md::TestClock | md::SpecialDisplays | md::ShortTelegram);
    setWord(r, off::OptionWord, opt::ReadingYearly | opt::SecondSensor | opt::RadioFitted);
    r[off::ClockSeconds] = 5, r[off::ClockMinutes] = 6, r[off::ClockHours] = 7;
    r[off::DateDay] = 14, r[off::DateMonth] = 3, r[off::DateYear] = 25;
    writeBE16(r.data() + off::Variance, 5);
    writeBE16(r.data() + off::CycleTime, 6);
    r[off::StopHour] = 24, r[off::StartHour] = 0;
    r[off::SendMask0] = 0xFF, r[off::SendMask1] = 0xFF, r[off::SendMask2] = 0x3F;
    r[off::FreeMonthFirst] = 5, r[off::FreeMonthLast] = 8;
    setWord(r, off::ManCode, 0x4D3C);
    return r;
}

ParamForm shown(const Record& r, bool ext = false) {
    ParamForm f;
    showParamRecord(r, ext, f);
    refreshDerived(f);
    return f;
}

} // namespace

TEST(HcaParam, ReadFrameAsksForTheBytesAWriteCarries) {
    const Frame f = buildReadFrame(0x08, kSentRecordCount);
    const Frame expected{0x68, 0x08, 0x08, 0x68, 0x53, 0xFE, 0x51, 0x0F, 0x00, 0x00, 0xA1, 0x08, 0x5A, 0x16};
    EXPECT_EQ(f, expected);
}

TEST(HcaParam, UntouchedFormWritesTheRecordBack) {
    const Record device = deviceRecord();
    ParamForm f = shown(device);
    EXPECT_EQ(f.Edit1SerienNr, QStringLiteral("00424242"));
    EXPECT_EQ(f.clock, (std::array<QString, 6>{"14", "3", "25", "7", "6", "5"}));
    EXPECT_TRUE(f.GroupBoxRadioVisible);

    Record r = device;
    ASSERT_FALSE(readParamForm(f, r, false));
    // Bits without a control here (test clock, special displays, calibration ...) keep their values.
    EXPECT_EQ(word(r, off::ModeWord), word(device, off::ModeWord));
    EXPECT_EQ(word(r, off::OptionWord), word(device, off::OptionWord));
    for (int o : {off::DeviceId, off::BatteryMonth, off::MeterReading, off::MonthTable, off::AesKey,
                  off::ManCode, off::RoomTemp, off::TempOffset, 35, 39, 160})
        EXPECT_EQ(r[o], device[o]) << o;
    // The error date goes; the status word takes the send-window bits of the record's own date.
    EXPECT_EQ(r[off::ErrorDate], 0);
    EXPECT_EQ(word(r, off::StatusWord) & st::ErrorBits, st::LowBattery);
    EXPECT_EQ(word(r, off::StatusWord) & 0x1F, st::SendMonth | st::SendDay | st::SendWeek);
}

TEST(HcaParam, OnlyBitsWithAControlChange) {
    Record device = deviceRecord();
    setWord(device, off::ModeWord,
            word(device, off::ModeWord) | md::AesMode7 | md::CmdWorking | md::ShowTemps);
    setWord(device, off::OptionWord, word(device, off::OptionWord) | opt::CalibrationMode | opt::TestMode);
    ParamForm f = shown(device, true);
    f.CheckBoxLagermode = true;
    f.RadioButtonESkala = false;
    f.CheckBox4StartMessung = true;
    f.CheckBox1LowBatt = false;
    f.RadioButtonSTMon = true;
    f.RadioButtonSTJahr = false;
    Record r = device;
    ASSERT_FALSE(readParamForm(f, r, true));
    const std::uint16_t mode = word(r, off::ModeWord);
    EXPECT_EQ(mode & (md::TestClock | md::SpecialDisplays | md::ShortTelegram | md::AesMode7),
              md::TestClock | md::SpecialDisplays | md::ShortTelegram | md::AesMode7);
    EXPECT_EQ(mode & (md::CmdWorking | md::ShowTemps), md::CmdWorking | md::ShowTemps);
    EXPECT_TRUE(mode & md::CmdStorage);
    EXPECT_TRUE(mode & md::StartRelease);
    EXPECT_FALSE(mode & md::UnitScale);
    const std::uint16_t option = word(r, off::OptionWord);
    EXPECT_EQ(option & (opt::CalibrationMode | opt::TestMode | opt::RadioFitted),
              opt::CalibrationMode | opt::TestMode | opt::RadioFitted);
    EXPECT_EQ(option & (opt::ReadingMonthly | opt::ReadingYearly), opt::ReadingMonthly);
    EXPECT_FALSE(word(r, off::StatusWord) & st::LowBattery);
}

TEST(HcaParam, ClockEditsAreChecked) {
    const Record device = deviceRecord();
    ParamForm f = shown(device);
    f.clock = {"29", "2", "24", "23", "59", "58"};
    Record r = device;
    ASSERT_FALSE(readParamForm(f, r, false));
    EXPECT_EQ((std::array<int, 6>{r[31], r[32], r[33], r[30], r[29], r[28]}),
              (std::array<int, 6>{29, 2, 24, 23, 59, 58}));
    for (const auto& [index, text, message] :
         {std::tuple{3, "24", Message::ClockInvalid}, std::tuple{0, "30", Message::DateRange},
          std::tuple{2, "x", Message::DateRange}}) {
        ParamForm bad = f;
        bad.clock[std::size_t(index)] = QString::fromLatin1(text);
        Record before = r;
        const auto error = readParamForm(bad, before, false);
        ASSERT_TRUE(error) << text;
        EXPECT_EQ(error->code, int(message));
        EXPECT_EQ(before, r);
    }
}

TEST(HcaParam, EScaleKValuesFollowTheSensors) {
    struct Case {
        bool two, remote;
        const char *k1, *k2;
    };
    for (const Case& c : {Case{true, true, "1538", "1538"}, Case{true, false, "1538", "2500"},
                          Case{false, true, "1000", "1538"}, Case{false, false, "1000", "2500"}}) {
        Record device = deviceRecord();
        std::uint16_t option = word(device, off::OptionWord) & ~(opt::SecondSensor | opt::RemoteSensor);
        option |= (c.two ? opt::SecondSensor : 0) | (c.remote ? opt::RemoteSensor : 0);
        setWord(device, off::OptionWord, option);
        ParamForm f = shown(device);
        EXPECT_EQ(f.EditK1, QString::fromLatin1(c.k1));
        EXPECT_EQ(f.EditK2, QString::fromLatin1(c.k2));
        EXPECT_EQ(f.EditKQ, QStringLiteral("1000"));
        EXPECT_FALSE(f.kEditsShown);
        Record r = device;
        ASSERT_FALSE(readParamForm(f, r, false));
        EXPECT_EQ(readBE16(r.data() + off::K1), QString::fromLatin1(c.k1).toInt());
        EXPECT_EQ(readBE16(r.data() + off::K2), QString::fromLatin1(c.k2).toInt());
        EXPECT_EQ(readBE16(r.data() + off::KQ), 1000);
    }
    Record device = deviceRecord();
    setWord(device, off::ModeWord, word(device, off::ModeWord) & ~md::UnitScale);
    const ParamForm p = shown(device);
    EXPECT_TRUE(p.kEditsShown);
    EXPECT_EQ(p.EditK1, QStringLiteral("1400"));
    EXPECT_EQ(p.EditKQ, QStringLiteral("950"));
}

TEST(HcaParam, MergeTakesWhatTheDeviceKeeps) {
    const Record device = deviceRecord();
    Record pending{};
    pending.fill(0xA5);
    setWord(pending, off::OptionWord, opt::ReadingMonthly | opt::RemoteSensor | opt::TestMode);
    const Record merged = mergeParamWrite(pending, device, true);
    const std::pair<int, int> kept[] = {{0, 4},   {6, 4},    {10, 2},  {18, 4},  {36, 3},
                                        {40, 80}, {130, 18}, {148, 4}, {154, 6}, {161, 4}};
    std::array<bool, kEhkvRecordSize> fromDevice{};
    for (const auto& [o, n] : kept)
        for (int i = o; i < o + n; ++i) {
            fromDevice[std::size_t(i)] = true;
            EXPECT_EQ(merged[std::size_t(i)], device[std::size_t(i)]) << i;
        }
    for (std::size_t i = 0; i < merged.size(); ++i) {
        if (!fromDevice[i] && i != off::OptionWord && i != off::OptionWord + 1) {
            EXPECT_EQ(merged[i], 0xA5) << i;
        }
    }
    // Sensors and radio are the device's, the reading rhythm and the test bits the form's.
    EXPECT_EQ(word(merged, off::OptionWord),
              opt::ReadingMonthly | opt::TestMode | opt::SecondSensor | opt::RadioFitted);
    // A radio ID the technician changes is written.
    EXPECT_EQ(mergeParamWrite(pending, device, false)[off::RadioId], 0xA5);

    EXPECT_TRUE(sameDevice(merged, device));
    Record other = device;
    other[off::DeviceId + 3] ^= 0x01;
    EXPECT_FALSE(sameDevice(merged, other));
}

TEST(HcaParam, IdsTheDeviceSentGoBackUnchecked) {
    // An erased allocator: every nibble of its identification numbers is F.
    Record device = deviceRecord();
    for (int o : {off::DeviceId, off::RadioId, off::SerialNumber})
        std::fill_n(device.begin() + o, 4, 0xFF);

    HcaForm full;
    showRecord(device, false, full, hcaMapping());
    Record r = device;
    ASSERT_FALSE(readForm(full, r, false, KeyDerivation(), hcaMapping()));
    // The write with "keine Geräte ID ..." keeps the device's ID and builds the record again.
    r = mergeAfterRead(r, device, true, false);
    showRecord(r, false, full, hcaMapping());
    ASSERT_FALSE(readForm(full, r, false, KeyDerivation(), hcaMapping()));
    for (int o : {off::DeviceId, off::RadioId, off::SerialNumber})
        EXPECT_EQ(readLE32(r.data() + o), 0xFFFFFFFFu) << o;

    ParamForm param = shown(device);
    Record p = device;
    ASSERT_FALSE(readParamForm(param, p, false));
    EXPECT_EQ(readLE32(p.data() + off::RadioId), 0xFFFFFFFFu);

    // What the technician types is still checked.
    full.EditFunkID = QStringLiteral("123456789");
    const Record before = r;
    const auto error = readForm(full, r, false, KeyDerivation(), hcaMapping());
    ASSERT_TRUE(error);
    EXPECT_EQ(error->control, QStringLiteral("EditFunkID"));
    EXPECT_EQ(r, before);
    full.EditFunkID = QStringLiteral("00000042");
    ASSERT_FALSE(readForm(full, r, false, KeyDerivation(), hcaMapping()));
    EXPECT_EQ(readLE32(r.data() + off::RadioId), 0x42u);
}

TEST(HcaParam, BatteryYearLimitIsTheRecords) {
    HcaForm f;
    for (const auto& [typed, kept] :
         {std::pair{"3", "3"}, std::pair{"2255", "2255"}, std::pair{"2256", "2255"},
          std::pair{"2999", "2255"}, std::pair{"9", "9"}}) {
        f.Edit1BattJahr = QString::fromLatin1(typed);
        onBattJahrChange(f);
        EXPECT_EQ(f.Edit1BattJahr, QString::fromLatin1(kept)) << typed;
    }
    // Whatever the change rule leaves, the record takes.
    Record r = deviceRecord();
    showRecord(r, false, f, hcaMapping());
    f.Edit1BattJahr = QStringLiteral("2999");
    onBattJahrChange(f);
    ASSERT_FALSE(readForm(f, r, false, KeyDerivation(), hcaMapping()));
    EXPECT_EQ(r[off::BatteryYear], 255);
}
