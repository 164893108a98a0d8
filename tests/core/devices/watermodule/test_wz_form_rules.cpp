#include "core/devices/watermodule/WzFormRules.h"

#include "../hca/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::wz;

TEST(WzFormRules, PresetsGiveTheFactoryScheduleAndTheLocalClock) {
    WzForm f;
    f.CheckBox1AutoSerNr = true;
    f.CheckBoxRESET = true;
    // New Year's night in UTC is still the old year two hours west.
    applyPresets(f, QDateTime(QDate(2025, 1, 1), QTime(0, 30, 15), Qt::UTC), -2);
    EXPECT_EQ(f.sDateEdit1, QDate(2024, 12, 31));
    EXPECT_EQ(f.sTimePicker1, QTime(22, 30, 15));
    EXPECT_EQ(f.weekdayShown, (std::array<bool, 7>{false, true, false, false, false, false, false}));
    EXPECT_EQ(f.sLabelTime, "UTC-2h");
    EXPECT_EQ(f.Edit1BattMon, "12");
    EXPECT_EQ(f.Edit1BattJahr, "2036");
    EXPECT_EQ(f.monthRows[0].month, "11");
    EXPECT_EQ(f.monthRows[0].year, "24");
    EXPECT_EQ(f.monthRows[17].month, "6");
    EXPECT_EQ(f.monthRows[17].year, "23");
    EXPECT_FALSE(f.CheckBoxRESET);
    EXPECT_FALSE(f.CheckBox1AutoSerNr);
    EXPECT_FALSE(f.identityEditsEnabled);
    EXPECT_EQ(f.ComboBoxStichTag, 11);
    EXPECT_EQ(f.EditManCode, "VTM");

    // S1 sends the short telegram at 0,9 mAs; 12 months x 5 weekdays with all weeks, 7 to 19 h
    // every 120 s.
    EXPECT_TRUE(f.RadioButton_Funk_S1);
    EXPECT_TRUE(f.CheckBoxShortProt);
    EXPECT_FALSE(f.CheckBoxShortProtEnabled);
    EXPECT_EQ(f.EditLadung, "0,9");
    EXPECT_EQ(f.LabelmAh11, "299,52");
    EXPECT_FALSE(f.GroupBoxHaeufigkeitenRed);
    f.EditLadungmax = QStringLiteral("299");
    updateSchedule(f);
    EXPECT_TRUE(f.GroupBoxHaeufigkeitenRed);
}

TEST(WzFormRules, ProtocolAndShortTelegram) {
    WzForm f;
    onProtocolSelected(f, true);
    EXPECT_TRUE(f.CheckBoxShortProtEnabled);
    f.CheckBoxShortProt = false;
    onShortProtClick(f);
    EXPECT_EQ(f.EditLadung, "0,46");
    f.CheckBoxShortProt = true;
    onShortProtClick(f);
    EXPECT_EQ(f.EditLadung, "0,18");
    onProtocolSelected(f, false);
    EXPECT_EQ(f.EditLadung, "0,9");
    EXPECT_TRUE(f.CheckBoxShortProt);
    // Clicking the (disabled) box under S1 changes nothing.
    onShortProtClick(f);
    EXPECT_EQ(f.EditLadung, "0,9");
}

TEST(WzFormRules, IdentityAndKeyRules) {
    WzForm f;
    f.Edit1GeraeteID = QStringLiteral("00001234");
    onDeviceIdChange(f);
    EXPECT_EQ(f.EditFunkID, "00001234");
    ASSERT_FALSE(advanceDeviceId(f));
    EXPECT_EQ(f.Edit1GeraeteID, "00001235");
    EXPECT_EQ(f.EditFunkID, "00001235");
    f.Edit1GeraeteID = QStringLiteral("FFFFFFFF");
    EXPECT_TRUE(advanceDeviceId(f));
    EXPECT_EQ(f.Edit1GeraeteID, "FFFFFFFF");

    f.CheckBox1AutoSerNr = true;
    onAutoSerNrClick(f);
    EXPECT_FALSE(f.CheckBox1keineSNrueberschr);
    EXPECT_TRUE(f.identityEditsEnabled);
    f.CheckBox1keineSNrueberschr = true;
    onKeineSNClick(f);
    EXPECT_FALSE(f.CheckBox1AutoSerNr);
    EXPECT_FALSE(f.identityEditsEnabled);

    f.Edit1GeraeteID = QStringLiteral("12345678");
    f.CheckBoxAutoAES = false;
    onDeviceIdKeyUp(f);
    EXPECT_EQ(f.EditAESKEY, WzForm().EditAESKEY) << "typed keys stay without Auto AES";
    f.CheckBoxAutoAES = true;
    f.CheckBoxAESenable = true;
    onDeviceIdKeyUp(f);
    EXPECT_NE(f.EditAESKEY, WzForm().EditAESKEY);
    EXPECT_FALSE(f.EditAESKEYEnabled);

    f.monthRows[0].month = QStringLiteral("2");
    onFirstMonthChange(f);
    EXPECT_EQ(f.monthRows[1].month, "1");
    EXPECT_EQ(f.monthRows[2].month, "12");
}

TEST(WzFormRules, AutomaticTimeBeforeAWriteKeepsWhatTheModuleReported) {
    const QDateTime now(QDate(2025, 3, 15), QTime(10, 0, 0), Qt::UTC);
    WzForm f;
    f.Edit1BattJahr = QStringLiteral("2035");
    f.monthRows[0].value = QStringLiteral("484,335");
    f.CheckBox1keineSNrueberschr = true;
    SetCurrentTimeForWrite(f, now, 1);
    EXPECT_EQ(f.sDateEdit1, QDate(2025, 3, 15));
    EXPECT_EQ(f.sTimePicker1, QTime(11, 0, 0));
    EXPECT_EQ(f.Edit1BattJahr, "2035");
    EXPECT_EQ(f.monthRows[0].value, "484,335");
    // A module being set up anew gets its battery end and empty monthly rows.
    f.CheckBox1keineSNrueberschr = false;
    SetCurrentTimeForWrite(f, now, 1);
    EXPECT_EQ(f.Edit1BattJahr, "2037");
    EXPECT_EQ(f.monthRows[0].value, "0");
    EXPECT_EQ(f.monthRows[0].month, "2");
}
