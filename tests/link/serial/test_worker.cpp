#include "../support/LinkTestSupport.h"

#include "ScriptedDevice.h"
#include "link/RS232Thread1.h"

#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::test;
using kvq::devsim::ScriptedDevice;

namespace {

LineSettings lineSettings() {
    PortSettingsRecord rec;
    PortPage page;
    InitPortSettings(SerialInterface::SIO1, rec, page, {});
    return rec.lineSettings;
}

struct Sink : QObject, ChunkSink {
    QByteArray bytes;
    std::vector<std::uint32_t> chunkSizes;
    bool stopSwitch = false;
    bool offThread = false;
    std::function<void(std::uint32_t pos)> onByte;

    bool ReadStopState() override { return stopSwitch; }
    void handleByte(const std::uint8_t* chunk, std::uint32_t n, std::uint32_t pos) override {
        if (QThread::currentThread() != thread())
            offThread = true;
        if (pos == 0)
            chunkSizes.push_back(n);
        bytes.append(char(chunk[pos]));
        if (onByte)
            onByte(pos);
    }
};

QByteArray pattern(int n) {
    QByteArray b(n, 0);
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 7 + i / 256) & 0xFF);
    return b;
}

} // namespace

TEST(RS232Thread1, BytesArriveOnTheWindowThreadInOrder) {
    ScriptedDevice dev;
    ASSERT_TRUE(dev.start());
    auto opened = SerialPort::open(dev.path(), lineSettings(), 4096, 4096);
    ASSERT_TRUE(opened) << opened.message().toStdString();
    auto port = std::move(opened).value();
    Sink sink;
    std::atomic<bool> done{false};
    RS232Thread1 worker(port.get(), sink, &sink, done);
    worker.start();
    const QByteArray data = pattern(20000);
    for (int i = 0; i < data.size(); i += 1000)
        dev.send(data.mid(i, 1000), i % 3000 == 0 ? 5 : 0);
    ASSERT_TRUE(waitUntil([&] { return sink.bytes.size() >= data.size(); }));
    EXPECT_EQ(sink.bytes, data);
    EXPECT_FALSE(sink.offThread);
    for (auto n : sink.chunkSizes)
        EXPECT_LE(n, RS232Thread1::kChunkSize);
    worker.requestStop();
    ASSERT_TRUE(worker.wait(3000));
    EXPECT_TRUE(done);
    EXPECT_EQ(port->thread(), QThread::currentThread()) << "the port comes back for closing";
    EXPECT_TRUE(port->close());
}

TEST(RS232Thread1, QueuedBytesAreReadInChunksOfAtMost4096) {
    ScriptedDevice dev;
    ASSERT_TRUE(dev.start());
    // A receive buffer larger than the chunk, so all 5000 bytes wait before the worker starts.
    auto opened = SerialPort::open(dev.path(), lineSettings(), 16384, 4096);
    ASSERT_TRUE(opened) << opened.message().toStdString();
    auto port = std::move(opened).value();
    const QByteArray data = pattern(5000);
    dev.send(data);
    ASSERT_TRUE(waitUntil([&] { return port->queueCounts().rx == 5000; }));
    Sink sink;
    std::atomic<bool> done{false};
    RS232Thread1 worker(port.get(), sink, &sink, done);
    worker.start();
    ASSERT_TRUE(waitUntil([&] { return sink.bytes.size() == 5000; }));
    EXPECT_EQ(sink.chunkSizes, (std::vector<std::uint32_t>{4096, 904}));
    EXPECT_EQ(sink.bytes, data);
}

TEST(RS232Thread1, StopSwitchDropsWholeChunks) {
    ScriptedDevice dev;
    ASSERT_TRUE(dev.start());
    auto opened = SerialPort::open(dev.path(), lineSettings(), 4096, 4096);
    ASSERT_TRUE(opened) << opened.message().toStdString();
    auto port = std::move(opened).value();
    Sink sink;
    sink.stopSwitch = true;
    std::atomic<bool> done{false};
    RS232Thread1 worker(port.get(), sink, &sink, done);
    worker.start();
    dev.send(pattern(3000));
    ASSERT_TRUE(waitUntil([&] { return worker.StopRx(); }));
    spin(100);
    EXPECT_TRUE(sink.bytes.isEmpty());
    // Dropped bytes were read all the same: with the switch off only new bytes arrive.
    sink.stopSwitch = false;
    spin(50);
    dev.send(QByteArray("xyz"));
    ASSERT_TRUE(waitUntil([&] { return sink.bytes.size() >= 3; }));
    EXPECT_EQ(sink.bytes, QByteArray("xyz"));
}

TEST(RS232Thread1, AStopRequestDuringAChunkEndsBeforeTheNextByte) {
    ScriptedDevice dev;
    ASSERT_TRUE(dev.start());
    auto opened = SerialPort::open(dev.path(), lineSettings(), 16384, 4096);
    ASSERT_TRUE(opened) << opened.message().toStdString();
    auto port = std::move(opened).value();
    dev.send(pattern(4096));
    ASSERT_TRUE(waitUntil([&] { return port->queueCounts().rx == 4096; }));
    Sink sink;
    std::atomic<bool> done{false};
    RS232Thread1 worker(port.get(), sink, &sink, done);
    sink.onByte = [&](std::uint32_t pos) {
        if (pos == 99)
            worker.requestStop();
    };
    worker.start();
    ASSERT_TRUE(waitUntil([&] { return worker.isFinished(); }, 3000));
    EXPECT_EQ(sink.bytes.size(), 100);
    EXPECT_TRUE(done);
}

TEST(RS232Thread1, StopWhileTheWindowThreadIsBusyNeverDeadlocks) {
    ScriptedDevice dev;
    dev.streamStep(QByteArray("\x01\x02\x03", 3));
    ASSERT_TRUE(dev.start());
    auto opened = SerialPort::open(dev.path(), lineSettings(), 4096, 4096);
    ASSERT_TRUE(opened) << opened.message().toStdString();
    auto port = std::move(opened).value();
    Sink sink;
    std::atomic<bool> done{false};
    auto worker = std::make_unique<RS232Thread1>(port.get(), sink, &sink, done);
    worker->start();
    ASSERT_TRUE(waitUntil([&] { return sink.bytes.size() > 100; }));
    // The window thread stops processing events while the worker waits for a hand-over.
    QThread::msleep(50);
    worker->requestStop();
    EXPECT_TRUE(worker->wait(2000));
    EXPECT_TRUE(done);
    const auto seen = sink.bytes.size();
    spin(50); // a hand-over still queued is dropped
    EXPECT_EQ(sink.bytes.size(), seen);
    worker.reset();
    EXPECT_TRUE(port->close());
}
