#include "core/app/Bytes.h"
#include "core/devices/hca/HcaFormMapping.h"
#include "core/devices/hca/HcaFormRules.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::hca;

#define ASSERT_NO_INPUT_ERROR(expr)                                                                          \
    do {                                                                                                     \
        const auto err_ = (expr);                                                                            \
        ASSERT_FALSE(err_) << err_->control.toStdString() << ": " << err_->message.toStdString();            \
    } while (0)

namespace {

DeviceKey fakeKey(const QString& id) {
    DeviceKey k{};
    for (int i = 0; i < 16; ++i)
        k[i] = std::uint8_t(id.at(i % id.size()).unicode() + i);
    return k;
}

const KeyDerivation kDerive = fakeKey;

// A plausible record as a device in the field holds it.
DataEHKVImage fieldRecord() {
    DataEHKVImage img;
    Record& r = img.bytes;
    storeId(r, off::DeviceId, 0x12345678);
    r[off::StartMonth] = 0;
    r[off::ReadingMonth] = 11;
    storeId(r, off::RadioId, 0x12345678);
    r[off::BatteryMonth] = 6;
    r[off::BatteryYear] = 34;
    writeBE16(r.data() + off::K1, 1538);
    writeBE16(r.data() + off::K2, 2500);
    writeBE16(r.data() + off::KQ, 1000);
    writeBE16(r.data() + off::Consumption, 812);
    writeBE16(r.data() + off::PrevConsumption, 1290);
    setWord(r, off::StatusWord, st::ProtocolS1 | st::LowBattery);
    setWord(r, off::ModeWord,
            md::FreeMonths | md::UnitScale | md::AesOn | md::StartRelease | md::ShortTelegram |
                md::CmdWorking);
    setWord(r, off::OptionWord, opt::ReadingYearly | opt::SecondSensor | opt::RadioFitted);
    r[off::ClockSeconds] = 12;
    r[off::ClockMinutes] = 34;
    r[off::ClockHours] = 9;
    r[off::DateDay] = 15;
    r[off::DateMonth] = 5;
    r[off::DateYear] = 24;
    r[off::Weekday] = 1u << 2; // Wednesday
    r[35] = 0xA5;
    r[off::CheckNumber] = 17;
    r[off::DeltaT] = 30;
    r[off::TempOffset] = static_cast<std::uint8_t>(-7);
    r[39] = 0x5A;
    writeBEFloat(r.data() + off::MeterReading, 1234.5f);
    writeBEFloat(r.data() + off::MeterReadingPrev, 0.1f);
    for (int i = 0; i < 18; ++i) {
        const int o = off::MonthTable + 4 * i;
        writeBE16(r.data() + o, std::uint16_t(100 * i + 7));
        r[o + 2] = std::uint8_t(1 + i % 12);
        r[o + 3] = std::uint8_t(23 + i / 12);
    }
    writeBE16(r.data() + off::Variance, 5);
    writeBE16(r.data() + off::CycleTime, 120);
    r[off::StopHour] = 20;
    r[off::StartHour] = 6;
    r[off::SendMask0] = 0xFF;
    r[off::SendMask1] = 0xFF;
    r[off::SendMask2] = 0x3F; // week 5, Monday..Friday
    r[off::CycleNumber] = 42;
    for (int i = 0; i < 16; ++i)
        r[off::AesKey + i] = std::uint8_t(0xA0 + i);
    writeLE16(r.data() + off::ManCode, *parseManCode(QStringLiteral("QLM")));
    writeBE16(r.data() + off::RoomTemp, 2029);
    writeBE16(r.data() + off::RadiatorTemp, 4550);
    r[off::FreeMonthFirst] = 5;
    r[off::FreeMonthLast] = 8;
    r[off::ErrorDate] = 3;
    r[off::ErrorDate + 1] = 11;
    r[off::TempMax] = 61;
    r[off::ReadingDay] = 31;
    r[off::ReadingDateMonth] = 12;
    r[off::ReadingYear] = 23;
    r[160] = 0x77;
    storeId(r, off::SerialNumber, 0x00480215);
    return img;
}

} // namespace

TEST(HcaFormMapping, FieldRecordShowsAsTheTechnicianReadsIt) {
    DataEHKVImage img = fieldRecord();
    HcaForm f;
    showRecord(img, f);
    EXPECT_EQ(f.Edit1GeraeteID, QStringLiteral("12345678"));
    EXPECT_EQ(f.EditSerienNR, QStringLiteral("00480215"));
    EXPECT_EQ(f.Edit1BattJahr, QStringLiteral("2034"));
    EXPECT_EQ(f.Edit1TempOffset, QStringLiteral("-7"));
    EXPECT_EQ(f.Edit1Zaehlerst, QStringLiteral("1234,5"));
    EXPECT_EQ(f.Edit1ZaehlerstVorj, QStringLiteral("0,1"));
    EXPECT_EQ(f.Edit1TempRaum, QStringLiteral("20,29"));
    EXPECT_EQ(f.Edit1Temp, QStringLiteral("45,5"));
    EXPECT_EQ(f.EditManCode, QStringLiteral("QLM"));
    EXPECT_EQ(f.EditAESKEY, QStringLiteral("A0 A1 A2 A3 A4 A5 A6 A7 A8 A9 AA AB AC AD AE AF"));
    EXPECT_EQ(f.LabelStichdatum, QStringLiteral("31.12.2023"));
    EXPECT_EQ(f.LabelFehlerdatum, QStringLiteral("Fehlerdatum: 11.3"));
    EXPECT_EQ(f.sTimePicker1, QTime(9, 34, 12));
    EXPECT_EQ(f.sDateEdit1, QDate(2024, 5, 15));
    EXPECT_TRUE(f.weekdayShown[2]);
    EXPECT_TRUE(f.CheckBox1LowBatt);
    EXPECT_TRUE(f.RadioButton_Funk_S1);
    EXPECT_FALSE(f.RadioButton_Funk_T1);
    EXPECT_TRUE(f.sendWeeks[4]);
    EXPECT_FALSE(f.sendDays[5]);
    EXPECT_EQ(f.monthRows[17].value, QStringLiteral("1707"));
    EXPECT_EQ(f.monthRows[17].year, QStringLiteral("24"));
}

TEST(HcaFormMapping, ShowThenReadGivesTheSameRecordBack) {
    const DataEHKVImage original = fieldRecord();
    DataEHKVImage img = original;
    HcaForm f;
    showRecord(img, f);
    ASSERT_NO_INPUT_ERROR(readForm(f, img, kDerive));
    for (int i = 0; i < kEhkvRecordSize; ++i) {
        if (i == off::ErrorDate || i == off::ErrorDate + 1) {
            EXPECT_EQ(img.bytes[i], 0) << "a write clears the error date";
            continue;
        }
        EXPECT_EQ(img.bytes[i], original.bytes[i]) << "byte " << i;
    }
}

TEST(HcaFormMapping, DatesThatDoNotExistBecomeTheFirstOf2000) {
    for (auto [day, month, year] : {std::array<int, 3>{30, 2, 24}, {0, 5, 24}, {1, 13, 24}, {1, 1, 100}}) {
        DataEHKVImage img = fieldRecord();
        img.bytes[off::DateDay] = std::uint8_t(day);
        img.bytes[off::DateMonth] = std::uint8_t(month);
        img.bytes[off::DateYear] = std::uint8_t(year);
        img.bytes[off::ClockHours] = 24;
        const Record answered = img.bytes;
        HcaForm f;
        showRecord(img, f);
        EXPECT_EQ(f.sDateEdit1, QDate(2000, 1, 1)) << day << "." << month << "." << year;
        EXPECT_EQ(f.sTimePicker1, QTime(0, 0, 0));
        EXPECT_EQ(img.bytes, answered) << "showing a record never changes it";
        repairClock(img.bytes);
        EXPECT_EQ(img.bytes[off::DateDay], 1);
        EXPECT_EQ(img.bytes[off::DateMonth], 1);
        EXPECT_EQ(img.bytes[off::DateYear], 0);
        EXPECT_EQ(img.bytes[off::ClockHours], 0);
        EXPECT_EQ(img.bytes[off::ClockMinutes], 0);
    }
}

TEST(HcaFormMapping, StatusWordWithAndWithoutSendWindowUpdate) {
    DataEHKVImage img = fieldRecord();
    HcaForm f;
    showRecord(img, f);
    f.CheckBox1Sabotage = f.CheckBoxRESET = true;
    f.CheckBoxMon = f.CheckBoxFenster = true; // display only
    ASSERT_NO_INPUT_ERROR(readForm(f, img, kDerive));
    EXPECT_EQ(word(img.bytes, off::StatusWord),
              st::ProtocolS1 | st::Sabotage | st::ResetOccurred | st::LowBattery);

    // 15 May 2024 (Wednesday, week 3) lies in the mask of the field record.
    f.CheckBoxFunkUpdate = true;
    ASSERT_NO_INPUT_ERROR(readForm(f, img, kDerive));
    EXPECT_EQ(word(img.bytes, off::StatusWord), st::ProtocolS1 | st::SendMonth | st::SendDay | st::SendWeek);
}

TEST(HcaFormMapping, ModeAndOptionWords) {
    DataEHKVImage img = fieldRecord();
    img.bytes[off::ModeWord] |= 0x80; // test mode reported by the device
    HcaForm f;
    showRecord(img, f);
    EXPECT_TRUE(f.RadioButtonTestMode);
    ASSERT_NO_INPUT_ERROR(readForm(f, img, kDerive));
    EXPECT_FALSE(word(img.bytes, off::ModeWord) & md::TestMode);
    EXPECT_TRUE(word(img.bytes, off::OptionWord) & opt::TestMode);

    // Bits that no control owns are written as 0.
    setWord(img.bytes, off::OptionWord, 0xFFFF);
    setWord(img.bytes, off::StatusWord, 0xFFFF);
    showRecord(img, f);
    ASSERT_NO_INPUT_ERROR(readForm(f, img, kDerive));
    EXPECT_EQ(word(img.bytes, off::OptionWord), 0x1BF0);
    EXPECT_EQ(word(img.bytes, off::StatusWord) & ~0x3FC0, 0);
}

TEST(HcaFormMapping, ExtendedFirmware) {
    DataEHKVImage img = fieldRecord();
    setWord(img.bytes, off::ModeWord, md::AesMode7);
    HcaForm f;
    showRecord(img, f);
    refreshDerived(f);
    EXPECT_FALSE(f.CheckBoxAESM7);
    EXPECT_FALSE(f.CheckBoxAESM7Enabled);
    EXPECT_EQ(f.RadioButton_Funk_S1Caption, QStringLiteral("WMBUS S1"));

    img.ExtVersionFlag = true;
    showRecord(img, f);
    refreshDerived(f);
    EXPECT_TRUE(f.CheckBoxAESM7);
    EXPECT_TRUE(f.CheckBoxAESM7Enabled);
    EXPECT_EQ(f.RadioButton_Funk_S1Caption, QStringLiteral("WMBUS C1"));
}

TEST(HcaFormMapping, ShortTelegramFollowsS1OnStandardFirmware) {
    DataEHKVImage img;
    HcaForm f;
    f.RadioButton_Funk_S1 = true;
    f.RadioButton_Funk_T1 = false;
    f.CheckBoxShortProt = false;
    ASSERT_NO_INPUT_ERROR(readForm(f, img, kDerive));
    EXPECT_FALSE(word(img.bytes, off::ModeWord) & md::ShortTelegram) << "takes effect at the next build";
    EXPECT_TRUE(f.CheckBoxShortProt);

    img.ExtVersionFlag = true;
    f.CheckBoxShortProt = false;
    ASSERT_NO_INPUT_ERROR(readForm(f, img, kDerive));
    EXPECT_FALSE(f.CheckBoxShortProt);
}

TEST(HcaFormMapping, TemperaturesAreCutAfterTheSecondDecimalWithoutRoundingErrors) {
    DataEHKVImage img;
    HcaForm f;
    f.Edit1TempRaum = QStringLiteral("0,29");
    f.Edit1Temp = QStringLiteral("20,579");
    ASSERT_NO_INPUT_ERROR(readForm(f, img, kDerive));
    EXPECT_EQ(word(img.bytes, off::RoomTemp), 29);
    EXPECT_EQ(word(img.bytes, off::RadiatorTemp), 2057);
}

TEST(HcaFormMapping, KeyText) {
    DataEHKVImage img;
    HcaForm f;
    f.EditAESKEY = QStringLiteral("00 11 22 33 44 55 66 77 88 99 aa bb cc dd ee ff");
    ASSERT_NO_INPUT_ERROR(readForm(f, img, kDerive));
    EXPECT_EQ(img.bytes[off::AesKey], 0x00);
    EXPECT_EQ(img.bytes[off::AesKey + 10], 0xAA);
    EXPECT_EQ(img.bytes[off::AesKey + 15], 0xFF);

    // A short text is padded with zeros on the right.
    f.EditAESKEY = QStringLiteral("ABC");
    ASSERT_NO_INPUT_ERROR(readForm(f, img, kDerive));
    EXPECT_EQ(img.bytes[off::AesKey], 0xAB);
    EXPECT_EQ(img.bytes[off::AesKey + 1], 0xC0);
    EXPECT_EQ(img.bytes[off::AesKey + 2], 0x00);
}

TEST(HcaFormMapping, AutoAesDerivesFromTheIdAsStored) {
    DataEHKVImage img;
    HcaForm f;
    f.CheckBoxAutoAES = true;
    f.Edit1GeraeteID = QStringLiteral("1234");
    f.EditAESKEY = QStringLiteral("not even hex");
    ASSERT_NO_INPUT_ERROR(readForm(f, img, kDerive));
    const DeviceKey expected = fakeKey(QStringLiteral("00001234"));
    EXPECT_EQ(keyAt(img.bytes), expected);
    EXPECT_EQ(f.EditAESKEY, keyText(expected));
}

TEST(HcaFormMapping, ManufacturerCodeOnlyWithThreeCharacters) {
    DataEHKVImage img;
    HcaForm f;
    f.EditManCode = QStringLiteral("abc");
    ASSERT_NO_INPUT_ERROR(readForm(f, img, kDerive));
    const auto abc = readLE16(img.bytes.data() + off::ManCode);
    EXPECT_EQ(abc, *parseManCode(QStringLiteral("ABC")));
    f.EditManCode = QStringLiteral("AB");
    ASSERT_NO_INPUT_ERROR(readForm(f, img, kDerive));
    EXPECT_EQ(readLE16(img.bytes.data() + off::ManCode), abc);
}

TEST(HcaFormMapping, VarianceZeroBecomesOne) {
    DataEHKVImage img;
    HcaForm f;
    f.CSpinEditV = 0;
    ASSERT_NO_INPUT_ERROR(readForm(f, img, kDerive));
    EXPECT_EQ(f.CSpinEditV, 1);
    EXPECT_EQ(word(img.bytes, off::Variance), 1);
}

// Inputs that cannot be stored are refused and leave every byte of the record as it was.
TEST(HcaFormMapping, RefusedInputsLeaveTheRecordUnchanged) {
    struct Case {
        const char* control;
        std::function<void(HcaForm&)> spoil;
    };
    const std::vector<Case> cases = {
        {"Edit1GeraeteID", [](HcaForm& f) { f.Edit1GeraeteID = QStringLiteral("12a45678"); }},
        {"Edit1GeraeteID", [](HcaForm& f) { f.Edit1GeraeteID = QStringLiteral("123456789"); }},
        {"EditFunkID", [](HcaForm& f) { f.EditFunkID = QStringLiteral("12,3"); }},
        {"EditSerienNR", [](HcaForm& f) { f.EditSerienNR = QStringLiteral("00000:??"); }},
        {"EditAESKEY",
         [](HcaForm& f) { f.EditAESKEY = QStringLiteral("00112233445566778899AABBCCDDEEFF00"); }},
        {"EditAESKEY", [](HcaForm& f) { f.EditAESKEY = QStringLiteral("0x11"); }},
        {"EditK1", [](HcaForm& f) { f.EditK1 = QStringLiteral("65536"); }},
        {"EditKQ", [](HcaForm& f) { f.EditKQ = QStringLiteral("-1"); }},
        {"EditK2", [](HcaForm& f) { f.EditK2 = QString(); }},
        {"EditDeltaT", [](HcaForm& f) { f.EditDeltaT = QStringLiteral("256"); }},
        {"Edit1TempOffset", [](HcaForm& f) { f.Edit1TempOffset = QStringLiteral("128"); }},
        {"EditTempMax", [](HcaForm& f) { f.EditTempMax = QStringLiteral("-129"); }},
        {"Edit1BattMon", [](HcaForm& f) { f.Edit1BattMon = QStringLiteral("300"); }},
        {"Edit1BattJahr", [](HcaForm& f) { f.Edit1BattJahr = QStringLiteral("1999"); }},
        {"Edit1Zaehlerst", [](HcaForm& f) { f.Edit1Zaehlerst = QStringLiteral("1.5"); }},
        {"Edit1ZaehlerstVorj", [](HcaForm& f) { f.Edit1ZaehlerstVorj = QStringLiteral("1e39"); }},
        {"Edit1Temp", [](HcaForm& f) { f.Edit1Temp = QStringLiteral("655,36"); }},
        {"Edit1TempRaum", [](HcaForm& f) { f.Edit1TempRaum = QStringLiteral("-1"); }},
        {"Edit18WertJahr", [](HcaForm& f) { f.monthRows[17].year = QStringLiteral("256"); }},
        {"Edit1Wert1", [](HcaForm& f) { f.monthRows[0].value = QStringLiteral("70000"); }},
        {"EditManCode", [](HcaForm& f) { f.EditManCode = QStringLiteral("Q1M"); }},
        {"sDateEdit1", [](HcaForm& f) { f.sDateEdit1 = QDate(2100, 1, 1); }},
    };
    for (const Case& c : cases) {
        const DataEHKVImage original = fieldRecord();
        DataEHKVImage img = original;
        HcaForm f;
        showRecord(img, f);
        const HcaForm shown = f;
        c.spoil(f);
        f.CheckBoxFunkUpdate = true;
        const auto err = readForm(f, img, kDerive);
        ASSERT_TRUE(err) << c.control;
        EXPECT_EQ(err->control, QString::fromLatin1(c.control));
        EXPECT_TRUE(!err->message.isEmpty() || err->code != 0) << c.control;
        EXPECT_EQ(img.bytes, original.bytes) << c.control;
        if (err->control != QLatin1String("EditAESKEY")) {
            EXPECT_EQ(f.EditAESKEY, shown.EditAESKEY) << c.control;
        }
    }
}
