#include "core/link/PortMap.h"
#include "core/link/PortSettings.h"

#include <gtest/gtest.h>

using namespace kvq;

TEST(PortSettings, QueueSizesDoubleAndHalveWithinTheirLimits) {
    EXPECT_EQ(doubledQueueSize(4096), 8192);
    EXPECT_EQ(doubledQueueSize(524288), 1048576);
    EXPECT_EQ(doubledQueueSize(1048576), 1048576);
    EXPECT_EQ(doubledQueueSize(524289), 524289);
    EXPECT_EQ(halvedQueueSize(1), 1);
    EXPECT_EQ(halvedQueueSize(3), 1);
    EXPECT_EQ(halvedQueueSize(2), 1);
    EXPECT_EQ(halvedQueueSize(4096), 2048);
}

TEST(PortSettings, SelectionTablesGiveTheLineSettings) {
    ASSERT_EQ(kBaudRateTable.size(), 15u);
    EXPECT_EQ(kBaudRateTable[4], 2400);
    EXPECT_EQ(kBaudRateTable[8], 19200);
    EXPECT_EQ(stopBitsItems().at(1), QStringLiteral("1,5"));

    PortPage page;
    page.baudIndex = 14;
    page.dataBitsIndex = 0;
    page.parityIndex = 3;
    page.stopBitsIndex = 2;
    page.rtsCts = true;
    page.xonXoff = true;
    PortSettingsRecord rec;
    ApplyPortSettings(page, rec);
    EXPECT_EQ(rec.lineSettings.baudRate, 256000);
    EXPECT_EQ(rec.lineSettings.dataBits, 5);
    EXPECT_EQ(rec.lineSettings.parity, ParityCode::Mark);
    EXPECT_TRUE(rec.lineSettings.parityCheck);
    EXPECT_EQ(rec.lineSettings.stopBits, StopBitsCode::Two);
    EXPECT_TRUE(rec.lineSettings.ctsOutFlow && rec.lineSettings.rtsHandshake);
    EXPECT_FALSE(rec.lineSettings.dsrOutFlow || rec.lineSettings.dtrHandshake);
    EXPECT_TRUE(rec.lineSettings.outX && rec.lineSettings.inX);
    EXPECT_EQ(rec.lineSettings.xonChar, 0x11);
    EXPECT_EQ(rec.lineSettings.xoffChar, 0x13);

    page.parityIndex = 0;
    page.rtsCts = page.xonXoff = false;
    ApplyPortSettings(page, rec);
    EXPECT_FALSE(rec.lineSettings.parityCheck);
    EXPECT_FALSE(rec.lineSettings.ctsOutFlow || rec.lineSettings.outX);
}

TEST(PortSettings, InitGivesEachInterfaceItsDefaults) {
    const QStringList ports{QStringLiteral("COM1"), QStringLiteral("COM3"), QStringLiteral("COM4")};
    PortSettingsRecord r1, r2;
    r1.PortNr = 3;
    r2.PortNr = 4;
    PortPage p1, p2;
    p1.rxQueueSize = 65536; // changed by the user before the refresh
    p1.rtsCts = true;
    InitPortSettings(SerialInterface::SIO1, r1, p1, ports);
    InitPortSettings(SerialInterface::SIO2, r2, p2, ports);

    EXPECT_EQ(r1.lineSettings.baudRate, 2400);
    EXPECT_EQ(r2.lineSettings.baudRate, 19200);
    for (const auto* r : {&r1, &r2}) {
        EXPECT_EQ(r->lineSettings.dataBits, 8);
        EXPECT_EQ(r->lineSettings.parity, ParityCode::None);
        EXPECT_EQ(r->lineSettings.stopBits, StopBitsCode::One);
        EXPECT_FALSE(r->lineSettings.ctsOutFlow);
    }
    EXPECT_EQ(r1.RxQueueSize, 4096);
    EXPECT_EQ(p1.rxQueueSize, 4096);
    EXPECT_EQ(r2.RxQueueSize, 8192);
    EXPECT_EQ(r2.TxQueueSize, 4096);
    EXPECT_FALSE(p1.rtsCts);
    // The port stays the one chosen, although COM3 is the second entry of the list.
    EXPECT_EQ(p1.ports.selected, 1);
    EXPECT_EQ(r1.PortNr, 3);
    EXPECT_EQ(r2.PortNr, 4);

    PortSettingsRecord gone;
    gone.PortNr = 7;
    PortPage pg;
    InitPortSettings(SerialInterface::SIO1, gone, pg, ports);
    EXPECT_EQ(gone.PortNr, 0) << "a port that is not there any more is no port";
}

TEST(PortList, NumbersAreReadFromTheEntryNames) {
    PortList list{{QStringLiteral("COM1"), QStringLiteral("COM12"), QStringLiteral("COM3  /dev/ttyUSB0"),
                   QStringLiteral("LPT1")},
                  -1};
    EXPECT_EQ(ParsePortNumber(list), 0);
    SelectPort(list, 12);
    EXPECT_EQ(list.selected, 1);
    EXPECT_EQ(ParsePortNumber(list), 12);
    SelectPort(list, 3);
    EXPECT_EQ(ParsePortNumber(list), 3);
    SelectPort(list, 1);
    EXPECT_EQ(list.selected, 0) << "COM1 is not confused with COM12";
    SelectPort(list, 9);
    EXPECT_EQ(list.selected, 0) << "no such entry: the selection stays";
    list.selected = 3;
    EXPECT_EQ(ParsePortNumber(list), 0);
    list.selected = 17;
    EXPECT_EQ(ParsePortNumber(list), 0);
    PortList empty;
    EXPECT_EQ(ParsePortNumber(empty), 0);
}

TEST(PortMap, NumbersSurviveARestartThroughTheSettingsFile) {
    PortMap map;
    map.assignAll({QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/serial/by-id/usb-stick"),
                   QStringLiteral("/dev/ttyS0")});
    const int usb = map.numberOf(QStringLiteral("/dev/ttyUSB0"));
    const int typed = map.assign(QStringLiteral("/tmp/head"));
    const int demo = map.assignTemporary(QStringLiteral("/dev/pts/9"));
    EXPECT_EQ(map.entries().size(), 5u);
    EXPECT_EQ(map.assign(QStringLiteral("/dev/ttyUSB0")), usb) << "a device keeps its number";
    EXPECT_NE(typed, demo);

    IniFile ini = IniFile::fromBytes("[COM]\r\ncom1=4\r\n[PORTMAP]\r\nCOM77=/dev/old\r\n");
    map.write(ini);
    IniFile reread = IniFile::fromBytes(ini.toBytes());
    EXPECT_EQ(reread.readInteger(QStringLiteral("COM"), QStringLiteral("com1"), 0), 4);

    PortMap after;
    after.read(reread);
    EXPECT_EQ(after.entries().size(), 4u) << "the stale entry is gone and the temporary one not saved";
    EXPECT_EQ(after.pathFor(usb), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(after.pathFor(typed), QStringLiteral("/tmp/head"));
    EXPECT_FALSE(after.pathFor(demo).has_value());
    // A new device takes the lowest free number, not one already given.
    const int fresh = after.assign(QStringLiteral("/dev/ttyACM0"));
    EXPECT_EQ(fresh, demo);
}

TEST(PortMap, ReadIgnoresEntriesThatNameNoPort) {
    IniFile ini = IniFile::fromBytes("[portmap]\r\ncom2=/dev/a\r\nCOM=/dev/b\r\nCOM3x=/dev/c\r\nCOM4=\r\n"
                                     "COM5=/dev/a\r\nfoo=/dev/d\r\nCOM6 = /dev/e \r\n");
    PortMap map;
    map.read(ini);
    EXPECT_EQ(map.entries().size(), 2u);
    EXPECT_EQ(map.pathFor(2), QStringLiteral("/dev/a"));
    EXPECT_EQ(map.pathFor(6), QStringLiteral("/dev/e"));
}
