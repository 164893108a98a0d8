#include "core/devices/common/GermanNumbers.h"
#include "core/devices/common/SendSchedule.h"
#include "core/devices/hca/HcaFormMapping.h"
#include "core/devices/hca/HcaFormRules.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::hca;

TEST(HcaSchedule, SendingDays) {
    EXPECT_EQ(BerechneAnzSendungen({12, 5, 5, 0, 24, 100, {}, {}}).days, 260);
    EXPECT_EQ(BerechneAnzSendungen({12, 4, 5, 0, 24, 100, {}, {}}).days, 240);
    EXPECT_EQ(BerechneAnzSendungen({12, 5, 7, 0, 24, 100, {}, {}}).days, 364); // 364.9968
    EXPECT_EQ(BerechneAnzSendungen({0, 5, 5, 0, 24, 100, {}, {}}).days, 0);
}

TEST(HcaSchedule, TelegramsPerDay) {
    EXPECT_EQ(BerechneAnzSendungen({12, 5, 5, 0, 24, 6, {}, {}}).telegramsPerDay, 14400);
    EXPECT_EQ(BerechneAnzSendungen({12, 5, 5, 6, 20, 7, {}, {}}).telegramsPerDay, 7200); // 50400 / 7
    const ScheduleResult zero = BerechneAnzSendungen({12, 5, 5, 0, 24, 0, {}, {}});
    EXPECT_EQ(zero.cycleTime, 1);
    EXPECT_EQ(zero.telegramsPerDay, 86400);
    // A reversed window from an odd record sends nothing rather than a negative count.
    EXPECT_EQ(BerechneAnzSendungen({12, 5, 5, 20, 6, 100, {}, {}}).telegramsPerYear, 0);
}

TEST(HcaSchedule, ChargeAndCapacity) {
    const ScheduleResult r = BerechneAnzSendungen({12, 5, 5, 0, 24, 100, 0.3, 390});
    EXPECT_EQ(r.days, 260);
    EXPECT_EQ(r.telegramsPerDay, 864);
    EXPECT_EQ(r.telegramsPerYear, 224640);
    const ScheduleTexts t = scheduleTexts(r);
    EXPECT_EQ(t.LabelAnzTage, QStringLiteral("260"));
    EXPECT_EQ(t.LabelAnzSendungen, QStringLiteral("224640"));
    EXPECT_EQ(t.LabelmAh1, QStringLiteral("21,84"));
    EXPECT_EQ(t.LabelmAh11, QStringLiteral("240,24"));
    EXPECT_FALSE(r.overCapacity);

    EXPECT_TRUE(BerechneAnzSendungen({12, 5, 5, 0, 24, 100, 0.3, 240}).overCapacity);
    EXPECT_FALSE(BerechneAnzSendungen({12, 5, 5, 0, 24, 100, 0.3, 241}).overCapacity);

    const ScheduleTexts none = scheduleTexts(BerechneAnzSendungen({0, 5, 5, 0, 24, 100, 0.3, 390}));
    EXPECT_EQ(none.LabelAnzTage, QStringLiteral("0"));
    EXPECT_EQ(none.LabelAnzSendungen, QStringLiteral("0"));
    EXPECT_EQ(none.LabelmAh1, QStringLiteral("0,00"));
    EXPECT_EQ(none.LabelmAh11, QStringLiteral("0,00"));

    // Big figures carry no thousands separator.
    const ScheduleTexts big = scheduleTexts(BerechneAnzSendungen({12, 5, 7, 0, 24, 2, 0.911, 390}));
    EXPECT_EQ(big.LabelAnzSendungen, QStringLiteral("15724800"));
    EXPECT_FALSE(big.LabelmAh11.contains(u'.'));

    // No charge to read: no mAh figures and no verdict.
    const ScheduleResult unreadable = BerechneAnzSendungen({12, 5, 5, 0, 24, 100, {}, 1});
    EXPECT_FALSE(unreadable.mAhPerYear);
    EXPECT_FALSE(unreadable.overCapacity);
    EXPECT_TRUE(scheduleTexts(unreadable).LabelmAh1.isEmpty());
}

TEST(HcaSchedule, ChargePerProtocol) {
    EXPECT_DOUBLE_EQ(protocolCharge(true, true, false).charge, 0.335);
    EXPECT_DOUBLE_EQ(protocolCharge(true, false, false).charge, 0.701);
    EXPECT_DOUBLE_EQ(protocolCharge(false, true, true).charge, 0.335);
    EXPECT_DOUBLE_EQ(protocolCharge(false, false, true).charge, 0.701);
    const ProtocolCharge s1 = protocolCharge(false, false, false);
    EXPECT_DOUBLE_EQ(s1.charge, 0.911);
    EXPECT_FALSE(s1.shortEnabled);
    EXPECT_EQ(s1.forcedShort, true);
    EXPECT_EQ(formatDecimal(0.335), QStringLiteral("0,335"));
}

TEST(HcaSchedule, SendTimeConsistency) {
    SendTimes t{0, 24, 100, 100};
    onCycleOrVarianceChange(t);
    EXPECT_EQ(t.variance, 99);

    t = {23, 23, 100, 5};
    onStartChange(t);
    EXPECT_EQ(t.stop, 24);
    t = {24, 24, 100, 5};
    onStartChange(t);
    EXPECT_EQ(t.start, 23);
    EXPECT_EQ(t.stop, 24);
    t = {10, 5, 100, 5};
    onStopChange(t);
    EXPECT_EQ(t.stop, 11);

    t = {0, 24, 1, 100};
    onCycleKeyUp(t);
    EXPECT_EQ(t.cycle, 2);
    EXPECT_EQ(t.variance, 1);
    t = {0, 24, 100, 40000};
    onVarianceKeyUp(t);
    EXPECT_EQ(t.variance, 99);
}

TEST(HcaFormRules, PresetsFillTheFormAndItsConsequences) {
    HcaForm f;
    f.EditDeltaT = QStringLiteral("55");
    f.EditLadung = QStringLiteral("7");
    f.CheckBox1LowBatt = true;
    applyPresets(f);
    refreshDerived(f);
    EXPECT_EQ(f.EditK1, QStringLiteral("1538"));
    EXPECT_EQ(f.EditK2, QStringLiteral("2500"));
    EXPECT_EQ(f.EditKQ, QStringLiteral("1000"));
    EXPECT_EQ(f.EditDeltaT, QStringLiteral("30"));
    EXPECT_EQ(f.EditLadung, QStringLiteral("0,911"));
    EXPECT_TRUE(f.CheckBoxShortProt);
    EXPECT_FALSE(f.CheckBoxShortProtEnabled);
    EXPECT_FALSE(f.CheckBox1LowBatt);
    EXPECT_EQ(f.EditManCode, QStringLiteral("QLM"));
    EXPECT_EQ(f.ComboBoxStichTag, 11);
    EXPECT_EQ((std::array<bool, 7>{true, true, true, true, true, false, false}), f.sendDays);
    EXPECT_EQ(f.CSpinEditZZ, 6);
    EXPECT_EQ(f.CSpinEditV, 5);
    EXPECT_FALSE(f.identityEditsEnabled);
    EXPECT_FALSE(f.GroupBoxFunkVisible);
    EXPECT_FALSE(f.EditKQEnabled);
    // 260 days of 24 h at 6 s.
    EXPECT_EQ(f.LabelAnzSendungen, QStringLiteral("3744000"));
    EXPECT_TRUE(f.GroupBox16Red);

    DataEHKVImage img;
    ASSERT_FALSE(readForm(f, img, nullptr));
    EXPECT_EQ(img.bytes[off::BatteryYear], 0);
    EXPECT_EQ(word(img.bytes, off::K2), 2500);
}

TEST(HcaFormRules, DateTimeWithTimeZone) {
    HcaForm f;
    const QDateTime now(QDate(2024, 3, 31), QTime(23, 30, 5));
    fillDateTime(f, now, 2);
    EXPECT_EQ(f.sDateEdit1, QDate(2024, 4, 1));
    EXPECT_EQ(f.sTimePicker1, QTime(1, 30, 5));
    EXPECT_EQ(f.weekdayShown, (std::array<bool, 7>{true, false, false, false, false, false, false}));
    fillDateTime(f, now, -24);
    EXPECT_EQ(f.sDateEdit1, QDate(2024, 3, 30));
    EXPECT_TRUE(f.weekdayShown[5]);
    EXPECT_EQ(std::count(f.weekdayShown.begin(), f.weekdayShown.end(), true), 1);
}

TEST(HcaFormRules, DeviceIdAdvance) {
    HcaForm f;
    f.Edit1GeraeteID = QStringLiteral("00001234");
    EXPECT_FALSE(advanceDeviceId(f));
    EXPECT_EQ(f.Edit1GeraeteID, QStringLiteral("00001234")) << "only with the automatic advance";

    f.CheckBox1AutoSerNr = true;
    EXPECT_FALSE(advanceDeviceId(f));
    EXPECT_EQ(f.Edit1GeraeteID, QStringLiteral("1235"));
    EXPECT_EQ(f.EditFunkID, QStringLiteral("1235"));

    f.Edit1GeraeteID = QStringLiteral("99999999");
    EXPECT_TRUE(advanceDeviceId(f));
    EXPECT_EQ(f.Edit1GeraeteID, QStringLiteral("99999999"));
    f.Edit1GeraeteID = QStringLiteral("12:45");
    EXPECT_TRUE(advanceDeviceId(f));
}

TEST(HcaFormRules, MeasurementFreeMonthsStayOneRun) {
    HcaForm f;
    f.CheckBoxMessfrei_Enabled = true;
    f.freeMonths = {true, false, false, true}; // August just checked beside May
    onFreeMonthClick(f, 3);
    EXPECT_EQ(f.freeMonths, (std::array<bool, 4>{true, true, true, true}));

    f.freeMonths[1] = false; // June unchecked
    onFreeMonthClick(f, 1);
    EXPECT_EQ(f.freeMonths, (std::array<bool, 4>{true, false, false, false}));
    EXPECT_TRUE(f.CheckBoxMessfrei_Enabled);

    f.freeMonths[0] = false;
    onFreeMonthClick(f, 0);
    EXPECT_FALSE(f.CheckBoxMessfrei_Enabled);

    f.CheckBoxMessfrei_Enabled = true;
    onMessfreiEnabledClick(f);
    EXPECT_EQ(f.freeMonths, (std::array<bool, 4>{true, true, true, true}));
}

TEST(HcaFormRules, SmallInputRules) {
    HcaForm f;
    f.Edit1BattJahr = QStringLiteral("3"); // a year being typed
    onBattJahrChange(f);
    EXPECT_EQ(f.Edit1BattJahr, QStringLiteral("3"));
    f.Edit1BattJahr = QStringLiteral("2030");
    onBattJahrChange(f);
    EXPECT_EQ(f.Edit1BattJahr, QStringLiteral("2030"));

    f.Edit1Zaehlerst = QStringLiteral("10,5");
    f.Edit1ZaehlerstVorj = QStringLiteral("10,5");
    EXPECT_FALSE(meterReadingConflict(f));

    EXPECT_EQ(filterIdInput(QStringLiteral("12a3-456789")), QStringLiteral("12345678"));
    EXPECT_EQ(filterKeyInput(QStringLiteral("ab 1g:F")), QStringLiteral("AB 1F"));
    EXPECT_EQ(filterNumberInput(QStringLiteral("1.234,5x")), QStringLiteral("1234,5"));
}

TEST(GermanNumbers, ParseAndFormat) {
    EXPECT_EQ(parseDecimal(QStringLiteral("12,5")), 12.5);
    EXPECT_EQ(parseDecimal(QStringLiteral(",5")), 0.5);
    EXPECT_EQ(parseDecimal(QStringLiteral(" -3 ")), -3.0);
    EXPECT_FALSE(parseDecimal(QStringLiteral("1.5")));
    EXPECT_FALSE(parseDecimal(QStringLiteral("1,2,3")));
    EXPECT_FALSE(parseDecimal(QStringLiteral(",")));
    EXPECT_EQ(parseHundredths(QStringLiteral("20,5")), 2050);
    EXPECT_EQ(parseHundredths(QStringLiteral("-0,07")), -7);
    EXPECT_EQ(formatHundredths(2050), QStringLiteral("20,5"));
    EXPECT_EQ(formatHundredths(2000), QStringLiteral("20"));
    EXPECT_EQ(formatHundredths(7), QStringLiteral("0,07"));
    EXPECT_EQ(formatFloat(123456789.0f), QStringLiteral("123456792"));
    EXPECT_EQ(formatFloat(-0.0f), QStringLiteral("0"));
    EXPECT_EQ(formatFixed2(-0.001), QStringLiteral("0,00"));
    EXPECT_EQ(formatFixed2(1234.567), QStringLiteral("1234,57"));
}
