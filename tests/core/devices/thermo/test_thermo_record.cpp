// The radio thermometer's record, frames and form rules: what differs from the allocator's.

#include "core/app/Bytes.h"
#include "core/devices/hca/HcaFormRules.h"
#include "core/devices/hca/HcaFrames.h"
#include "core/devices/thermo/ThermoFields.h"
#include "core/devices/thermo/ThermoFormMapping.h"
#include "core/link/DecodeFrame.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::thermo;
namespace hoff = kvq::hca::off;

namespace {

std::uint16_t be16(const Record& r, int at) {
    return std::uint16_t(r[at] << 8 | r[at + 1]);
}

// A device record as a thermometer reports it, with bits set in every word.
Record deviceRecord() {
    Record r{};
    for (int i = 0; i < kThermoRecordSize; ++i)
        r[i] = std::uint8_t(i * 37 + 11);
    r[hoff::ClockHours] = 10, r[hoff::ClockMinutes] = 30, r[hoff::ClockSeconds] = 0;
    r[hoff::DateDay] = 15, r[hoff::DateMonth] = 3, r[hoff::DateYear] = 25;
    r[hoff::BatteryYear] = 34;
    r[hoff::CycleNumber] = 7;
    hca::storeId(r, hoff::DeviceId, 0x12345678);
    hca::storeId(r, hoff::RadioId, 0x12345678);
    hca::storeId(r, hoff::SerialNumber, 0x87654321);
    return r;
}

// The answer frame a device gives to a read: its record behind the long-frame header.
std::vector<std::uint8_t> answerFrame(const Record& r, std::uint8_t medium) {
    std::vector<std::uint8_t> f = {0x68, 0,      0,      0x68, 0x08,   0xFE, 0x72, r[0], r[1], r[2],
                                   r[3], r[146], r[147], 0x05, medium, 0x00, 0x00, 0x00, 0x00, 0x0F};
    for (std::uint8_t b : r)
        f.push_back(b);
    f.push_back(0x1F);
    f[1] = f[2] = std::uint8_t(f.size() - 4);
    std::uint8_t cs = 0;
    for (std::size_t i = 4; i < f.size(); ++i)
        cs = std::uint8_t(cs + f[i]);
    f.push_back(cs);
    f.push_back(0x16);
    return f;
}

} // namespace

TEST(ThermoTemperatures, HundredthsSignedBothWays) {
    Record r = deviceRecord();
    ThermoForm f;
    showRecord(r, f);
    f.EditTempRaum = QStringLiteral("21,5");
    f.EditMinTempWand = QStringLiteral("-5");
    f.EditMaxTempWand = QStringLiteral("3,079"); // cut after the second decimal
    ASSERT_FALSE(readForm(f, r, {}));
    EXPECT_EQ(r[off::RoomTemp], 0x08);
    EXPECT_EQ(r[off::RoomTemp + 1], 0x66);
    EXPECT_EQ(be16(r, off::MinTempWall), 0xFE0C); // -500
    EXPECT_EQ(be16(r, off::MaxTempWall), 307);

    ThermoForm shown;
    showRecord(r, shown);
    EXPECT_EQ(shown.EditTempRaum, QStringLiteral("21,5"));
    // A daily minimum below zero shows as such, not as 650,36.
    EXPECT_EQ(shown.EditMinTempWand, QStringLiteral("-5"));
    EXPECT_EQ(shown.EditMaxTempWand, QStringLiteral("3,07"));

    // Every 16-bit pattern reads back to the bytes the device sent.
    for (int v : {0x0000, 0x7FFF, 0x8000, 0xFFFF, 0xFE0C}) {
        Record device = deviceRecord();
        device[off::MaxTempRoom] = std::uint8_t(v >> 8);
        device[off::MaxTempRoom + 1] = std::uint8_t(v);
        ThermoForm g;
        showRecord(device, g);
        Record back = device;
        ASSERT_FALSE(readForm(g, back, {}));
        EXPECT_EQ(be16(back, off::MaxTempRoom), v) << g.EditMaxTempRaum.toStdString();
    }

    f.EditTempWand = QStringLiteral("400");
    const Record before = r;
    const auto error = readForm(f, r, {});
    ASSERT_TRUE(error);
    EXPECT_EQ(error->control, QStringLiteral("EditTempWand"));
    EXPECT_EQ(r, before);
}

TEST(ThermoRecordBuild, WordsCarryOnlyTheThermometersBitsAndOtherBytesStay) {
    Record r = deviceRecord();
    for (int w : {hoff::StatusWord, hoff::ModeWord, hoff::OptionWord})
        r[w] = r[w + 1] = 0xFF;
    const Record device = r;
    ThermoForm f;
    showRecord(r, f);
    // Every control of the allocator's form checked, also those the thermometer does not have.
    for (bool* b : {&f.CheckBoxMessfrei_Enabled, &f.RadioButtonESkala, &f.CheckBox4StartMessung,
                    &f.CheckBoxSonderAnz, &f.CheckBoxAESM7, &f.RadioButtonZeit, &f.RadioButtonZaehler,
                    &f.RadioButtonTemp, &f.RadioButtonSTMon, &f.RadioButtonSTJahr, &f.CheckBoxFernf})
        *b = true;
    f.freeMonths = {false, true, false, false};
    f.ComboBoxStartmonat = 5;
    f.EditK1 = QStringLiteral("1");
    ASSERT_FALSE(readForm(f, r, {}));

    EXPECT_EQ(be16(r, hoff::ModeWord), 0x4000 | 0x0700 | 0x0040 | 0x0010 | 0x0004);
    EXPECT_EQ(be16(r, hoff::OptionWord), 0x1000 | 0x0800 | 0x0200 | 0x0080 | 0x0040);
    EXPECT_EQ(be16(r, hoff::StatusWord), 0x3F00 | 0x00C0);
    // No control: start month, reading month, the allocator's values and month table, the
    // measurement-free months and reading date go back as they were.
    for (int i : {4, 5, 20, 21, 35, 36, 37, 39, 40, 47, 48, 100, 119, 152, 153, 156, 157, 158, 159, 160})
        EXPECT_EQ(r[i], device[i]) << "byte " << i;
    EXPECT_EQ(r[hoff::ErrorDate], 0);
    EXPECT_EQ(r[hoff::ErrorDate + 1], 0);
}

TEST(ThermoFrames, ReadWriteAndServiceCommandBytes) {
    EXPECT_EQ(toHexText(hca::buildReadFrame(kReadCommand)), "68 08 08 68 53 FE 51 0F 00 00 A5 28 7E 16 ");
    const Record r = deviceRecord();
    const auto w = hca::buildWriteFrame(r, kWriteCommand);
    ASSERT_EQ(w.size(), 175u);
    EXPECT_EQ(w[10], 0xA1);
    EXPECT_EQ(w[11], 0x29);
    EXPECT_TRUE(std::equal(r.begin(), r.begin() + 161, w.begin() + 12));
    EXPECT_EQ(toHexText(hca::buildServiceFrame(hca::ServiceCommand::LcdTest, kServiceSub)),
              "68 08 08 68 53 FE 51 0F 1A 1A 02 2A C1 10 E2 16 ");
}

TEST(ThermoFrames, AnswerOfAnotherDeviceIsRejected) {
    const Record r = deviceRecord();
    PARAmeter params(DeviceFamily::RadioThermometer);
    EXPECT_EQ(DecodeFrame(params, answerFrame(r, 0x08)), kDecodeWrongDevice);
    EXPECT_NE(params.DataWMTHERMO, r);
    ASSERT_EQ(DecodeFrame(params, answerFrame(r, 0x1B)), kDecodeValid);
    EXPECT_EQ(params.DeviceName, "WMBus Thermometer");
    EXPECT_EQ(params.DataWMTHERMO, r);
}

TEST(ThermoForm, AlwaysTheShortTelegram) {
    ThermoForm f;
    f.CheckBoxShortProt = false;
    onProtocolSelected(f, true);
    hca::refreshDerived(f);
    EXPECT_EQ(f.EditLadung, QStringLiteral("0,335"));
    EXPECT_TRUE(f.CheckBoxShortProt);
    EXPECT_FALSE(f.CheckBoxShortProtEnabled);
    onProtocolSelected(f, false);
    EXPECT_EQ(f.EditLadung, QStringLiteral("0,911"));
    EXPECT_EQ(f.RadioButton_Funk_S1Caption, QStringLiteral("WMBUS S1"));
}

TEST(ThermoForm, PresetsKeepTheTemperatures) {
    ThermoForm f;
    f.EditTempRaum = QStringLiteral("19,5");
    f.CheckBoxFunk = false;
    f.RadioButton_Funk_T1 = true;
    f.EditManCode = QStringLiteral("ABC");
    applyPresets(f);
    EXPECT_EQ(f.EditTempRaum, QStringLiteral("19,5"));
    EXPECT_TRUE(f.CheckBoxFunk);
    EXPECT_TRUE(f.CheckBoxZweiFuehle);
    EXPECT_TRUE(f.RadioButton_Funk_S1);
    EXPECT_EQ(f.EditLadung, QStringLiteral("0,911"));
    EXPECT_EQ(f.EditManCode, QStringLiteral("QLM"));
    EXPECT_EQ(f.CSpinEditZZ, 6);
}
