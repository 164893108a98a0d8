#include "../support/LinkTestSupport.h"

#include "ScriptedDevice.h"

#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::test;
using kvq::devsim::ScriptedDevice;

namespace {
struct Routing : ::testing::Test {
    RecordingUi ui;
    LinkController link{ui};
    TestProgress progress;

    void SetUp() override { link.setProgress(&progress); }

    void feed(const QByteArray& bytes) {
        const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.constData());
        if (link.ReadStopState())
            return;
        for (std::uint32_t i = 0; i < std::uint32_t(bytes.size()); ++i)
            link.handleByte(p, std::uint32_t(bytes.size()), i);
    }
};
} // namespace

TEST_F(Routing, WithNoToolWindowOnlyTheProgressBarSteps) {
    link.RxIdleTicks = 7;
    feed(QByteArray("\x68\x01\x02", 3));
    EXPECT_EQ(progress.steps, 3);
    EXPECT_EQ(progress.tickClears, 3);
    EXPECT_EQ(link.RxIdleTicks, 0u);
    EXPECT_EQ(link.rxRing().RxWritePos, 0);
}

TEST_F(Routing, DeviceWindowsStoreBytesAndThoseWithLogsShowThem) {
    TestPlainDeviceWindow param;
    makeCurrent(link, &param);
    feed(QByteArray("\x0A\xFF", 2));
    EXPECT_EQ(link.rxRing().RxWritePos, 2);
    EXPECT_EQ(link.rxRing().RxRing[1], 0xFF);
    EXPECT_EQ(progress.steps, 2) << "the stream hook runs after the window hook";

    TestDeviceWindow data;
    makeCurrent(link, &data);
    feed(QByteArray("\x0A\xFF", 2));
    EXPECT_EQ(data.rxLog, QStringLiteral("0A FF "));
    EXPECT_EQ(link.rxRing().RxWritePos, 4);
}

TEST_F(Routing, SensorTestTimersAreShownFromTheAcknowledgedLog) {
    TestDeviceWindow w;
    w.sensorTest = true;
    makeCurrent(link, &w);
    feed(QByteArray::fromHex("E5010203040506"));
    ASSERT_EQ(w.timers.size(), 1u);
    EXPECT_EQ(w.timers[0], (std::array<int, 3>{258, 772, 1286}));
    feed(QByteArray::fromHex("E5"));
    EXPECT_EQ(w.timers.size(), 1u) << "a longer log is not parsed";

    TestDeviceWindow notAck;
    notAck.sensorTest = true;
    makeCurrent(link, &notAck);
    feed(QByteArray::fromHex("E6010203040506"));
    EXPECT_TRUE(notAck.timers.empty());
    TestDeviceWindow off;
    makeCurrent(link, &off);
    feed(QByteArray::fromHex("E5010203040506"));
    EXPECT_TRUE(off.timers.empty()) << "only while the sensor test runs";
}

TEST_F(Routing, AReceiveLogWithALineLimitIsClearedWhenItGrowsPastIt) {
    TestDeviceWindow wz;
    wz.lineLimit = 15;
    makeCurrent(link, &wz);
    feed(QByteArray(15 * 16, '\x01')); // 15 full lines of 16 bytes
    feed(QByteArray(1, '\x02'));       // begins line 16
    EXPECT_EQ(wz.rxClears, 0);
    feed(QByteArray(1, '\x03'));
    EXPECT_EQ(wz.rxClears, 1);
    EXPECT_EQ(wz.rxLog, QStringLiteral("03 "));
    EXPECT_EQ(link.rxRing().RxWritePos, 242);
}

TEST_F(Routing, TheSensorStreamTakesBytesBeforeTheBootLoader) {
    TestDeviceWindow wz;
    TestSensorData sensor;
    TestBootLoader boot;
    makeCurrent(link, &wz);

    wz.stream = &sensor;
    wz.bootloader = &boot;
    feed(QByteArray::fromHex("0102038A0405"));
    ASSERT_EQ(sensor.groups.size(), 1u);
    EXPECT_EQ(sensor.groups[0], (std::array<std::uint8_t, 4>{0x8A, 0x01, 0x02, 0x03}));
    EXPECT_TRUE(boot.bytes.isEmpty());
    EXPECT_EQ(link.rxRing().RxWritePos, 6) << "the device window still collects the bytes";
    // Bytes for the boot loader leave the stream state as it was.
    wz.stream = nullptr;
    feed(QByteArray("C\x06", 2));
    EXPECT_EQ(boot.bytes, QByteArray("C\x06"));
    wz.stream = &sensor;
    feed(QByteArray::fromHex("0981"));
    ASSERT_EQ(sensor.groups.size(), 2u);
    EXPECT_EQ(sensor.groups[1], (std::array<std::uint8_t, 4>{0x81, 0x04, 0x05, 0x09}));
}

TEST_F(Routing, RecorderGetsMonitorTextAndWholeChunksWhileItsStopSwitchIsOff) {
    TestRecorder rec;
    makeCurrent(link, &rec);
    feed(QByteArray::fromHex("FF0302"));
    EXPECT_EQ(rec.monitor, QStringLiteral("FF 03 02 "));
    EXPECT_EQ(rec.chunkSizes, (std::vector<int>{3}));
    EXPECT_EQ(rec.times, (std::vector<double>{0.0}));
    EXPECT_EQ(progress.steps, 0) << "no progress bar under the recorder";
    EXPECT_EQ(link.rxRing().RxWritePos, 0);

    rec.stop = true;
    EXPECT_TRUE(link.ReadStopState());
    feed(QByteArray::fromHex("0102"));
    EXPECT_EQ(rec.monitor, QStringLiteral("FF 03 02 "));
    EXPECT_EQ(rec.chunkSizes.size(), 1u);
}

TEST_F(Routing, OverAPseudoTerminalWithStopOnNothingArrivesAnywhere) {
    ScriptedDevice dev;
    ASSERT_TRUE(dev.start());
    TestRecorder rec;
    rec.stop = true;
    makeCurrent(link, &rec);
    link.portMap().setPath(2, dev.path());
    link.settings.SIO1Active = false;
    link.settings.SIO2Active = true;
    link.OpenInterface();
    ASSERT_TRUE(link.SIO2Open());
    dev.send(QByteArray(600, '\x44'));
    ASSERT_TRUE(waitUntil([&] { return link.Worker()->StopRx(); }));
    spin(100);
    EXPECT_TRUE(rec.monitor.isEmpty());
    EXPECT_TRUE(rec.chunkSizes.empty());
    EXPECT_EQ(link.rxRing().RxWritePos, 0);
    EXPECT_EQ(progress.steps, 0);

    rec.stop = false;
    dev.send(QByteArray::fromHex("2A2B"));
    ASSERT_TRUE(waitUntil([&] { return rec.chunks.size() == 2; }));
    EXPECT_EQ(rec.chunks, QByteArray::fromHex("2A2B"));
    link.CloseInterface();
}

TEST_F(Routing, OverAPseudoTerminal4097BytesWrapTheWritePosition) {
    ScriptedDevice dev;
    ASSERT_TRUE(dev.start());
    TestPlainDeviceWindow param;
    makeCurrent(link, &param);
    link.portMap().setPath(3, dev.path());
    link.settings.SIO1Port = 3;
    link.OpenInterface();
    ASSERT_TRUE(link.SIO1Open());
    QByteArray bytes(4097, '\x00');
    for (int i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i % 251);
    dev.send(bytes);
    ASSERT_TRUE(waitUntil([&] { return progress.steps == 4097; }));
    EXPECT_EQ(link.rxRing().RxWritePos, 1);
    EXPECT_EQ(link.rxRing().RxRing[0], std::uint8_t(4096 % 251)) << "the first byte is overwritten";
    for (int i = 1; i < 4096; ++i)
        ASSERT_EQ(link.rxRing().RxRing[i], std::uint8_t(i % 251)) << i;
    link.CloseInterface();
}
