#include "core/app/DataRoot.h"
#include "core/app/Parameter.h"
#include "core/app/Settings.h"

#include "TempDataRoot.h"

#include <gtest/gtest.h>

using namespace kvq;

TEST(Settings, DefaultsFromAnEmptyFile) {
    test::TempDataRoot root;
    Settings s;
    s.read(IniFile());
    EXPECT_EQ(s.windowWidth, 933);
    EXPECT_EQ(s.windowHeight, 723);
    EXPECT_EQ(s.link.SIO1Port, 1);
    EXPECT_EQ(s.link.SIO2Port, 2);
    EXPECT_TRUE(s.link.SIO1Active);
    EXPECT_FALSE(s.link.SIO2Active);
    EXPECT_FALSE(s.link.PreambleDefault);
    EXPECT_EQ(s.link.versions.EHKV.min, 52);
    EXPECT_EQ(s.link.versions.WZ.max, 37);
    EXPECT_EQ(s.languages[3].NAME, "----");
    EXPECT_EQ(s.languages[0].CODE, 2057);
    EXPECT_EQ(s.languages[0].ISONAME, "ENG");
    EXPECT_EQ(s.helpFile, "KVQ_Help_de.chm");
    EXPECT_TRUE(s.NurUpdate);
    EXPECT_TRUE(s.Tmode);
    EXPECT_FALSE(s.Smode);
    EXPECT_TRUE(s.CSVPath.startsWith(root.path()));
}

TEST(Settings, SAndTModesExcludeEachOther) {
    Settings s;
    s.read(IniFile::fromBytes("[WMBUS]\nSmode=1\nTmode=1\n"));
    EXPECT_FALSE(s.Smode);
    EXPECT_TRUE(s.Tmode);
    s.read(IniFile::fromBytes("[WMBUS]\nSmode=0\nTmode=0\n"));
    EXPECT_FALSE(s.Smode);
    EXPECT_TRUE(s.Tmode);
    s.read(IniFile::fromBytes("[WMBUS]\nSmode=1\nTmode=0\n"));
    EXPECT_TRUE(s.Smode);
    EXPECT_FALSE(s.Tmode);
}

TEST(Settings, StatusListsAndManufacturerCodes) {
    QByteArray text = "[STATELIST]\nMAX=12\n";
    for (int n = 1; n <= 12; ++n)
        text += "STDEVVER" + QByteArray::number(n) + "=V" + QByteArray::number(n) + "\nSTMEDIUM" +
                QByteArray::number(n) + "=08\nSTATUSMASKE" + QByteArray::number(n) + "=MASK" +
                QByteArray::number(n) + "\n";
    text += "[MASK2]\nB0=Batterie\nB15=Sensor\n[WMBUSMANCODE]\nfoo=QLM\nbar=ABC\n";
    Settings s;
    s.read(IniFile::fromBytes(text));
    ASSERT_EQ(s.statusMasks.size(), 10u);
    EXPECT_EQ(s.statusMasks[1].deviceVersion, "V2");
    EXPECT_EQ(s.statusMasks[1].bitTexts[0], "Batterie");
    EXPECT_EQ(s.statusMasks[1].bitTexts[15], "Sensor");
    EXPECT_TRUE(s.statusMasks[0].bitTexts[0].isEmpty());
    EXPECT_EQ(s.manufacturerCodes, (QStringList{"QLM", "ABC"}));

    IniFile out = IniFile::fromBytes(text);
    s.manufacturerCodes << "XYZ";
    s.write(out);
    EXPECT_EQ(out.keys("WMBUSMANCODE"), (QStringList{"MC1", "MC2", "MC3"}));
    EXPECT_EQ(out.readString("WMBUSMANCODE", "MC3"), "XYZ");
    EXPECT_EQ(out.readInteger("STATELIST", "MAX", 0), 12); // read-only sections stay as they were
}

TEST(Settings, WriteHoldsEveryExitKeyAndRoundTrips) {
    Settings s;
    s.read(IniFile::fromBytes("[WMBUS]\nStale=1\nCSVPath=C:\\consumption\n"));
    EXPECT_EQ(s.CSVPath, "C:\\consumption"); // a stored value is kept as it is
    s.windowLeft = 10;
    s.link.SIO1Port = 7;
    s.link.PreambleDefault = true;
    s.TimeZoneDiff = -2;
    s.ScannAn = true;
    IniFile ini;
    s.write(ini);
    for (const char* k : {"TOP", "WIDTH", "HEIGHT", "LEFT"})
        EXPECT_TRUE(ini.valueExists("WINDOW", k)) << k;
    for (const char* k : {"com1", "com2", "com1Preamble", "com1ative", "com2ative"})
        EXPECT_TRUE(ini.valueExists("COM", k)) << k;
    EXPECT_TRUE(ini.valueExists("Zeitzone", "Diff"));
    EXPECT_TRUE(ini.valueExists("LANG", "HELPFILE"));
    for (const char* k : {"Geraeteliste", "AutoLoad", "NurUpdate", "RECEIVERTYPE", "WMBUSmode", "Smode",
                          "Tmode", "Cmode", "ScannAn", "MANCODEINDEX", "CSVPath"})
        EXPECT_TRUE(ini.valueExists("WMBUS", k)) << k;
    EXPECT_FALSE(ini.sectionExists("Version"));
    EXPECT_FALSE(ini.sectionExists("LANG1"));
    EXPECT_FALSE(ini.valueExists("WMBUS", "Stale"));

    Settings back;
    back.read(ini);
    EXPECT_EQ(back.link.SIO1Port, 7);
    EXPECT_TRUE(back.link.PreambleDefault);
    EXPECT_EQ(back.TimeZoneDiff, -2);
    EXPECT_FALSE(back.ScannAn); // never read: the scan switch starts off
    EXPECT_EQ(back.CSVPath, "C:\\consumption");
}

TEST(Settings, WindowGeometryAndTimeZoneText) {
    EXPECT_EQ(fitWindowToDesktop(QRect(900, 0, 933, 723), 1280), QRect(0, 0, 1260, 723));
    EXPECT_EQ(fitWindowToDesktop(QRect(100, 5, 933, 723), 1280), QRect(100, 5, 933, 723));
    EXPECT_EQ(timeZoneText("PC-ZEIT:", 2), "PC-ZEIT: +2 h");
    EXPECT_EQ(timeZoneText("PC-ZEIT:", -3), "PC-ZEIT: -3 h");
    EXPECT_EQ(timeZoneText("PC-ZEIT:", 0), "PC-ZEIT: 0 h");
}

TEST(Parameter, FreshRecordsArePresetPerFamily) {
    const PARAmeter hca(DeviceFamily::HeatCostAllocator);
    EXPECT_EQ(hca.DataEHKV.bytes[5], 1);
    EXPECT_EQ(hca.DataEHKV.bytes[24], 0x03);
    EXPECT_EQ(hca.DataEHKV.bytes[0], 0);
    EXPECT_FALSE(hca.DataEHKV.ExtVersionFlag);
    const PARAmeter thermo(DeviceFamily::RadioThermometer);
    EXPECT_EQ(thermo.DataWMTHERMO[5], 1);
    EXPECT_EQ(thermo.DataWMTHERMO[24], 0x03);
    EXPECT_EQ(thermo.DataEHKV.bytes[5], 0);
    const PARAmeter wz(DeviceFamily::WaterMeterModule);
    EXPECT_EQ(wz.DataWZBRAM[8], 1);
    EXPECT_EQ(wz.DataWZBRAM[20], 0x03);
    EXPECT_EQ(wz.Family, 2);
}

TEST(DataRoot, EnvironmentReplacesTheDocumentsFolder) {
    test::TempDataRoot root;
    EXPECT_EQ(dataRoot(), root.path());
    EXPECT_TRUE(settingsFilePath().endsWith("QUELMAR/KVQ/KVQ.INI") ||
                settingsFilePath().endsWith("QUELMAR\\KVQ\\KVQ.INI"));
}
