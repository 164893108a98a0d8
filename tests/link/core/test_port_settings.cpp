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

TEST(PortMap, ListingNumbersNewDevicesAndKeepsAbsentOnes) {
    IniFile ini = IniFile::fromBytes("[PORTMAP]\r\nCOM1=/dev/serial/by-id/usb-Maker_Head_1-if00-port0\r\n"
                                     "COM2=/dev/ttyUSB9\r\n");
    PortMap map;
    map.read(ini);
    const int demo = map.assignTemporary(QStringLiteral("/dev/pts/9"));
    const int typed = map.assign(QStringLiteral("/tmp/head"));
    const std::vector<SerialDevice> present{
        {QStringLiteral("/dev/ttyS0"), {}},
        {QStringLiteral("/dev/serial/by-id/usb-Maker_Head_1-if00-port0"), QStringLiteral("Optokopf")},
        {QStringLiteral("/dev/serial/by-id/usb-Maker_Stick_7-if00-port0"), QStringLiteral("WMBUS Stick")}};
    const auto exists = [](const QString& p) { return p == u"/tmp/head"; };

    const std::vector<PortListEntry> list = map.listing(present, exists);
    std::vector<int> numbers;
    for (const PortListEntry& e : list)
        numbers.push_back(e.number);
    // The demo's terminal went and is left out; the unplugged stick keeps its line; new devices take the
    // lowest free numbers in sorted order (by-id names before /dev/ttyS0).
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, typed, 5, 6}));
    EXPECT_EQ(demo, 3);
    EXPECT_EQ(map.pathFor(5), QStringLiteral("/dev/serial/by-id/usb-Maker_Stick_7-if00-port0"));
    EXPECT_EQ(map.pathFor(6), QStringLiteral("/dev/ttyS0"));

    EXPECT_EQ(PortMap::entryText(list[0], QStringLiteral("(fehlt)")),
              QStringLiteral("COM1  usb-Maker_Head_1-if00-port0  (Optokopf)"));
    EXPECT_FALSE(list[1].present);
    EXPECT_EQ(PortMap::entryText(list[1], QStringLiteral("(fehlt)")),
              QStringLiteral("COM2  /dev/ttyUSB9  (fehlt)"));
    EXPECT_TRUE(list[2].present) << "a typed path is there when the file is";
    EXPECT_EQ(PortMap::entryText(list[2], QStringLiteral("(fehlt)")), QStringLiteral("COM4  /tmp/head"));
    EXPECT_EQ(portNumberOfEntry(PortMap::entryText(list[3], {})), 5);

    // Listed again, nothing moves: a device keeps its number.
    const std::vector<PortListEntry> again = map.listing(present, exists);
    ASSERT_EQ(again.size(), list.size());
    for (std::size_t i = 0; i < list.size(); ++i)
        EXPECT_EQ(again[i].path, list[i].path);
}

TEST(PortMap, TypedTextNamesAPort) {
    PortMap map;
    map.setPath(2, QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(map.numberOfTyped(QStringLiteral("COM2")), 2);
    EXPECT_EQ(map.numberOfTyped(QStringLiteral(" COM2  /dev/ttyUSB0 ")), 2) << "an entry text as it stands";
    EXPECT_EQ(map.numberOfTyped(QStringLiteral("COM9")), 0) << "a number without a device";
    EXPECT_EQ(map.numberOfTyped(QStringLiteral("ttyUSB1")), 0) << "not a path";
    EXPECT_EQ(map.numberOfTyped(QString()), 0);
    const int pty = map.numberOfTyped(QStringLiteral(" /dev/pts/7 "));
    EXPECT_EQ(pty, 1) << "the lowest free number";
    EXPECT_EQ(map.pathFor(pty), QStringLiteral("/dev/pts/7"));
    EXPECT_EQ(map.numberOfTyped(QStringLiteral("/dev/pts/7")), pty);
    EXPECT_EQ(map.numberOfTyped(QStringLiteral("/dev/ttyUSB0")), 2);
}
