#include "core/devices/watermodule/WzFormMapping.h"
#include "core/devices/watermodule/WzFormRules.h"
#include "core/devices/watermodule/WzRules.h"

#include "../hca/QStringPrinter.h"

#include <gtest/gtest.h>

#include <set>

using namespace kvq;
using namespace kvq::wz;

#define ASSERT_NO_INPUT_ERROR(expr)                                                                          \
    do {                                                                                                     \
        const auto err_ = (expr);                                                                            \
        ASSERT_FALSE(err_) << err_->control.toStdString() << ": " << err_->message.toStdString();            \
    } while (0)

namespace {

// An image as a module in the field reports it (Wednesday 15 January 2025, inside its window).
Image fieldImage() {
    Image im{};
    setDword(im, off::DeviceId, 0x40123456);
    setDword(im, off::RadioId, 0x40123457);
    im[off::DueMonth] = 12;
    im[off::DueDay] = 31, im[off::DueDateMonth] = 12, im[off::DueYear] = 24;
    im[off::BatteryMonth] = 5, im[off::BatteryYear] = 35;
    setWord(im, off::ChipTemp, 118);
    setWord(im, off::StatusWord, st::Month | st::Day | st::Week | st::ProtocolS1 | st::LowBattery);
    setWord(im, off::OptionsA, oa::AesOn | oa::ShortTelegram | oa::Leak | 0x0003);
    setWord(im, off::OptionsB, ob::DueYearly | ob::RadioOn | ob::LedTransmissions | ob::Carrier);
    im[off::ClockSeconds] = 12, im[off::ClockMinutes] = 41, im[off::ClockHours] = 9;
    im[off::DateDay] = 15, im[off::DateMonth] = 1, im[off::DateYear] = 25, im[off::Weekday] = 1u << 2;
    im[31] = 0xA5; // the module's own
    im[off::MaxStandstill] = 90, im[off::SaboStart] = 100, im[off::BackflowLimit] = 120;
    im[off::StartupFlow] = 10, im[off::MaxLeakHours] = 24, im[off::TS1] = 42, im[off::TS2] = 38;
    setWord(im, off::LitresPerRev, 1);
    im[41] = 1, im[42] = 2, im[43] = 3;
    setDword(im, off::MeterReading, 487312);
    setDword(im, off::MeterReadingDue, 466818);
    for (int i = 0; i < 18; ++i) {
        setDword(im, off::MonthTable + 8 * i, 484335 - 8000 * std::uint32_t(i) - 7 * i);
        im[off::MonthTable + 8 * i + 4] = std::uint8_t((11 - i % 12 + 12) % 12 + 1);
        im[off::MonthTable + 8 * i + 5] = std::uint8_t(24 - i / 12);
        im[off::MonthTable + 8 * i + 6] = 0x5A; // not used, kept
    }
    setWord(im, off::Variance, 7);
    setWord(im, off::CycleTime, 120);
    im[off::StopHour] = 19, im[off::StartHour] = 7;
    im[off::SendMask0] = 0xFF, im[off::SendMask1] = 0xFF, im[off::SendMask2] = 0x3F;
    im[off::CycleNumber] = 17;
    for (int i = 0; i < 16; ++i)
        im[off::AesKey + i] = std::uint8_t(0x10 + i);
    setWord(im, off::ManCode, std::uint16_t(((u'V' - 64) << 10) | ((u'T' - 64) << 5) | (u'M' - 64)));
    setWord(im, off::ErrorDate, 0x0C03);
    setDword(im, off::SerialNumber, 0x23110457);
    return im;
}

WzForm shown(Image& im) {
    WzForm f;
    f.CheckBoxAutoAES = false;
    ShowImage(im, QStringLiteral("2.1"), f);
    return f;
}

} // namespace

TEST(WzFormMapping, ShowsTheModulesImage) {
    Image im = fieldImage();
    const WzForm f = shown(im);
    EXPECT_EQ(f.Edit1GeraeteID, "40123456");
    EXPECT_EQ(f.EditFunkID, "40123457");
    EXPECT_EQ(f.EditSerienNR, "23110457");
    EXPECT_EQ(f.LabelSWV, "2.1x");
    EXPECT_EQ(f.EditAESKEY, "10 11 12 13 14 15 16 17 18 19 1A 1B 1C 1D 1E 1F");
    EXPECT_EQ(f.EditManCode, "VTM");
    EXPECT_EQ(f.ComboBoxStichTag, 11);
    EXPECT_EQ(f.sTimePicker1, QTime(9, 41, 12));
    EXPECT_EQ(f.sDateEdit1, QDate(2025, 1, 15));
    EXPECT_EQ(f.Edit1BattJahr, "2035");
    EXPECT_EQ(f.Edit1Zaehlerst, "487,312");
    EXPECT_EQ(f.Edit1Temperatur, "11,8");
    EXPECT_EQ(f.LabelStichdatum, "31.12.2024");
    EXPECT_EQ(f.LabelFehlerdatum, "Fehlerdatum: 12.3");
    EXPECT_TRUE(f.CheckBox1LowBatt);
    EXPECT_TRUE(f.CheckBox1Leck);
    EXPECT_TRUE(f.RadioButtonSenden);
    EXPECT_FALSE(f.RadioButtonLED_AUS);
    EXPECT_TRUE(f.GroupBoxTestmodeRed);
    EXPECT_EQ(f.LabelZyklusNr, "17");
    EXPECT_EQ(f.monthRows[0].value, "484,335");
    EXPECT_EQ(f.monthRows[0].month, "12");
    EXPECT_EQ(f.EditLadung, "0,9");
    EXPECT_EQ(f.LabelAnzTage, "260");
}

TEST(WzFormMapping, AWriteBackChangesOnlyWhatTheWriteRebuilds) {
    Image im = fieldImage();
    const Image before = im;
    WzForm f = shown(im);
    ScheduleCache cache;
    ASSERT_NO_INPUT_ERROR(CollectFormToImage(f, im, cache));
    // Word 18 rebuilt from the send window, option bits the form does not own cleared, chip
    // temperature and error date written as 0.
    const std::set<int> rebuilt{off::StatusWord + 1, off::OptionsA,  off::OptionsA + 1, off::OptionsB + 1,
                                off::ChipTemp,       off::ErrorDate, off::ErrorDate + 1};
    for (int i = 0; i < off::WriteLength; ++i) {
        if (!rebuilt.count(i)) {
            EXPECT_EQ(im[i], before[i]) << "offset " << i;
        }
    }
    EXPECT_EQ(word(im, off::StatusWord), st::Month | st::Day | st::Week | st::ProtocolS1);
    EXPECT_EQ(word(im, off::OptionsA), oa::AesOn | oa::ShortTelegram);
    EXPECT_EQ(word(im, off::OptionsB), ob::DueYearly | ob::RadioOn | ob::LedTransmissions);
    EXPECT_EQ(word(im, off::ChipTemp), 0);
    EXPECT_EQ(cache, ScheduleCache::fromImage(im));
}

TEST(WzFormMapping, ErasedModuleKeepsItsIdsAndTypedIdsAreDigits) {
    Image im = fieldImage();
    setDword(im, off::DeviceId, 0xFFFFFFFF);
    setDword(im, off::RadioId, 0xFFFFFFFF);
    WzForm f = shown(im);
    EXPECT_EQ(f.Edit1GeraeteID, "FFFFFFFF");
    ScheduleCache cache;
    ASSERT_NO_INPUT_ERROR(CollectFormToImage(f, im, cache));
    EXPECT_EQ(dword(im, off::DeviceId), 0xFFFFFFFFu);
    EXPECT_EQ(dword(im, off::RadioId), 0xFFFFFFFFu);

    f.Edit1GeraeteID = QStringLiteral("00001234");
    ASSERT_NO_INPUT_ERROR(CollectFormToImage(f, im, cache));
    EXPECT_EQ(dword(im, off::DeviceId), 0x1234u);
    EXPECT_EQ(cache.deviceId, 0x1234u);
}

TEST(WzFormMapping, BadInputStopsBeforeAnyByteChanges) {
    struct Case {
        const char* control;
        std::function<void(WzForm&)> spoil;
    };
    const Case cases[] = {
        {"Edit1GeraeteID", [](WzForm& f) { f.Edit1GeraeteID = QStringLiteral("1234A678"); }},
        {"EditFunkID", [](WzForm& f) { f.EditFunkID = QStringLiteral("123456789"); }},
        {"EditAESKEY",
         [](WzForm& f) {
             f.EditAESKEY = QStringLiteral("00 11 22 33 44 55 66 77 88 99 AA BB CC DD EE FF 0");
         }},
        {"EditTS1", [](WzForm& f) { f.EditTS1 = QStringLiteral("256"); }},
        {"Edit1Zaehlerst", [](WzForm& f) { f.Edit1Zaehlerst = QStringLiteral("4294968"); }},
        {"Edit5Wert", [](WzForm& f) { f.monthRows[4].value = QStringLiteral("12x"); }},
        {"Edit1BattJahr", [](WzForm& f) { f.Edit1BattJahr = QStringLiteral("2999"); }},
    };
    for (const Case& c : cases) {
        Image im = fieldImage();
        WzForm f = shown(im);
        f.Edit1GeraeteID = QStringLiteral("00000001"); // a good change before the bad one
        c.spoil(f);
        const Image before = im;
        ScheduleCache cache;
        const auto err = CollectFormToImage(f, im, cache);
        ASSERT_TRUE(err) << c.control;
        EXPECT_EQ(err->control, c.control);
        EXPECT_FALSE(err->message.isEmpty());
        EXPECT_EQ(im, before) << c.control;
        EXPECT_EQ(cache, ScheduleCache()) << c.control;
    }
}

TEST(WzFormMapping, BatteryYearAndS1ShortTelegramOverTwoWrites) {
    Image im = fieldImage();
    setWord(im, off::OptionsA, 0); // S1 reported, short telegram clear
    WzForm f = shown(im);
    EXPECT_FALSE(f.CheckBoxShortProt);
    f.Edit1BattJahr = QStringLiteral("2036");
    ScheduleCache cache;
    ASSERT_NO_INPUT_ERROR(CollectFormToImage(f, im, cache));
    EXPECT_EQ(im[off::BatteryYear], 36);
    EXPECT_EQ(word(im, off::OptionsA) & oa::ShortTelegram, 0) << "the word is built before the correction";
    EXPECT_TRUE(f.CheckBoxShortProt);
    ASSERT_NO_INPUT_ERROR(CollectFormToImage(f, im, cache));
    EXPECT_EQ(word(im, off::OptionsA) & oa::ShortTelegram, oa::ShortTelegram);
    WzForm again = shown(im);
    EXPECT_EQ(again.Edit1BattJahr, "2036");
}

TEST(WzFormMapping, AutoAesDerivesTheKeyOfTheDeviceId) {
    Image im = fieldImage();
    WzForm f = shown(im);
    f.CheckBoxAutoAES = true;
    f.EditAESKEY = QStringLiteral("this text is never read");
    ScheduleCache cache;
    ASSERT_NO_INPUT_ERROR(CollectFormToImage(f, im, cache));
    EXPECT_EQ(keyAt(im), DeriveModuleKey(QStringLiteral("40123456")));
    EXPECT_EQ(f.EditAESKEY, keyText(keyAt(im)));
}
