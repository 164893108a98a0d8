#include "../support/LinkTestSupport.h"

#include "ScriptedDevice.h"
#include "link/PortEnumeration.h"
#include "link/SerialPort.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace kvq;
using namespace kvq::test;
using kvq::devsim::ScriptedDevice;

namespace {
LineSettings optoSettings() {
    PortSettingsRecord rec;
    PortPage page;
    InitPortSettings(SerialInterface::SIO1, rec, page, {});
    return rec.lineSettings;
}
} // namespace

TEST(SerialPort, BytesGoBothWaysOverAPseudoTerminal) {
    ScriptedDevice dev;
    dev.expectStep(QByteArray("\x68\x08", 2)).sendStep(QByteArray("\xE5", 1));
    ASSERT_TRUE(dev.start());
    auto opened = SerialPort::open(dev.path(), optoSettings(), 4096, 4096);
    ASSERT_TRUE(opened) << opened.message().toStdString();
    auto port = std::move(opened).value();
    EXPECT_FALSE(port->raiseDtr()) << "a pseudo-terminal has no DTR line, and that is no failure";
    EXPECT_TRUE(port->isOpen());
    port->write(QByteArray("\x68\x08", 2));
    // Writes go out from the port's event loop.
    ASSERT_TRUE(waitUntil([&] { return dev.finished(); }, 3000)) << dev.failure().toStdString();
    ASSERT_TRUE(waitUntil([&] { return port->queueCounts().rx == 1; }));
    std::uint8_t b = 0;
    EXPECT_EQ(port->read(&b, 1), 1);
    EXPECT_EQ(b, 0xE5);
    EXPECT_TRUE(port->close());
    EXPECT_FALSE(port->isOpen());
    // Closed ports can be opened again: the exclusive lock is gone with the close.
    auto again = SerialPort::open(dev.path(), optoSettings(), 4096, 4096);
    EXPECT_TRUE(again);
}

TEST(SerialPort, OpenFailuresSayWhatIsWrong) {
    EXPECT_EQ(SerialPort::open(QString(), optoSettings(), 4096, 4096).code(), ErrorCode::PortNotMapped);
    auto err = SerialPort::open(QStringLiteral("/dev/kvq-no-such-port"), optoSettings(), 4096, 4096);
    EXPECT_EQ(err.code(), ErrorCode::PortNotFound);
    EXPECT_TRUE(err.message().contains(QStringLiteral("/dev/kvq-no-such-port")));

    ScriptedDevice dev;
    ASSERT_TRUE(dev.start());
    auto first = SerialPort::open(dev.path(), optoSettings(), 4096, 4096);
    ASSERT_TRUE(first);
    err = SerialPort::open(dev.path(), optoSettings(), 4096, 4096);
    EXPECT_EQ(err.code(), ErrorCode::PortBusy) << err.message().toStdString();
    EXPECT_TRUE(err.message().contains(QStringLiteral("anderen Programm")));
}

TEST(SerialPort, MissingPermissionIsToldApartFromABusyPort) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may open any device";
    ScriptedDevice dev;
    ASSERT_TRUE(dev.start());
    const QByteArray path = dev.path().toLocal8Bit();
    ASSERT_EQ(::chmod(path.constData(), 0), 0);
    const auto err = SerialPort::open(dev.path(), optoSettings(), 4096, 4096);
    EXPECT_EQ(err.code(), ErrorCode::PortNoPermission) << err.message().toStdString();
    EXPECT_TRUE(err.message().contains(QStringLiteral("dialout")));
}

TEST(SerialPort, AVanishedDeviceIsReportedOnceAndThePortCloses) {
    ScriptedDevice dev;
    dev.sendStep(QByteArray("abc")).waitStep(100).hangUpStep();
    ASSERT_TRUE(dev.start());
    auto opened = SerialPort::open(dev.path(), optoSettings(), 4096, 4096);
    ASSERT_TRUE(opened);
    auto port = std::move(opened).value();
    int failed = 0;
    QObject::connect(port.get(), &SerialPort::failed, [&] { ++failed; });
    ASSERT_TRUE(waitUntil([&] { return failed > 0; }));
    spin(200); // the error would repeat endlessly here if the port stayed open
    EXPECT_EQ(failed, 1);
    EXPECT_FALSE(port->isOpen());
    EXPECT_TRUE(port->hasFailed());
    EXPECT_EQ(port->queueCounts().rx, 0);
    port->write(QByteArray("x")); // harmless after the failure
    EXPECT_TRUE(port->close());
}

TEST(PortEnumeration, TypedPathsAppearUnderTheirNumber) {
    ScriptedDevice dev;
    ASSERT_TRUE(dev.start());
    PortMap map;
    const int n = map.assign(dev.path());
    map.assign(QStringLiteral("/dev/kvq-gone"));
    const int gone = map.numberOf(QStringLiteral("/dev/kvq-gone"));
    const QStringList entries = portListEntries(map);
    EXPECT_TRUE(entries.contains(PortMap::entryText(n, dev.path())));
    EXPECT_TRUE(entries.contains(
        PortMap::entryText({gone, QStringLiteral("/dev/kvq-gone"), {}, false}, absentPortText())))
        << "a port whose device went stays in the list, marked absent";
    EXPECT_EQ(portSystemName(n, map), dev.path());
    EXPECT_TRUE(portSystemName(n + 100, map).isEmpty());
    EXPECT_TRUE(portSystemName(0, map).isEmpty());
}
