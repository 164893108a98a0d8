#include "Demo.h"
#include "DeviceBench.h"
#include "SimulatedDevice.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace kvq::devsim;

namespace {

// Silence that ends an answer; generous, so a loaded machine does not cut answers short.
constexpr int kQuietMs = 600;
// Requests written out by hand from the byte protocol.
QByteArray request(std::initializer_list<int> command) {
    QByteArray r = QByteArray::fromHex("6808086853FE510F");
    for (int b : command)
        r.append(char(b));
    std::uint8_t cs = 0;
    for (int i = 4; i < r.size(); ++i)
        cs = std::uint8_t(cs + std::uint8_t(r[i]));
    r.append(char(cs)).append(char(0x16));
    return r;
}

std::uint8_t sum(const QByteArray& b, int first, int last) {
    std::uint8_t s = 0;
    for (int i = first; i <= last; ++i)
        s = std::uint8_t(s + std::uint8_t(b[i]));
    return s;
}

int u(const QByteArray& b, int i) {
    return std::uint8_t(b[i]);
}

struct Client {
    int fd = -1;
    explicit Client(const QString& path) {
        fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios t{};
        if (fd >= 0 && ::tcgetattr(fd, &t) == 0) {
            ::cfmakeraw(&t);
            ::tcsetattr(fd, TCSANOW, &t);
        }
    }
    ~Client() {
        if (fd >= 0)
            ::close(fd);
    }
    void write(const QByteArray& b) const {
        ASSERT_EQ(::write(fd, b.constData(), size_t(b.size())), b.size());
    }
    // Collects bytes until `quietMs` pass without one; the arrival times of the pieces are kept.
    QByteArray readUntilQuiet(int quietMs, std::vector<int>* gapsMs = nullptr, bool* hungUp = nullptr) const {
        QByteArray out;
        auto last = std::chrono::steady_clock::now();
        for (;;) {
            pollfd p{fd, POLLIN, 0};
            ::poll(&p, 1, 10);
            char buf[4096];
            const ssize_t r = ::read(fd, buf, sizeof buf);
            const auto now = std::chrono::steady_clock::now();
            if (r > 0) {
                if (gapsMs && !out.isEmpty())
                    gapsMs->push_back(
                        int(std::chrono::duration_cast<std::chrono::milliseconds>(now - last).count()));
                out.append(buf, qsizetype(r));
                last = now;
            } else if (r == 0 || (r < 0 && errno == EIO)) {
                if (hungUp)
                    *hungUp = true;
                return out;
            } else if (now - last > std::chrono::milliseconds(quietMs)) {
                return out;
            }
        }
    }
};
} // namespace

TEST(SimulatedDevice, ReadAnswerIsALongFrameWithTheRequestedImageBytes) {
    SimulatedDevice hca(DeviceKind::HeatCostAllocator);
    for (int i = 0; i < 165; ++i)
        hca.image()[i] = std::uint8_t(i);
    const QByteArray a = hca.answer(request({0x00, 0x00, 0xA5, 0x08}));
    const int L = 17 + 165;
    ASSERT_EQ(a.size(), L + 6);
    EXPECT_EQ(u(a, 0), 0x68);
    EXPECT_EQ(u(a, 1), L);
    EXPECT_EQ(u(a, 2), L);
    EXPECT_EQ(u(a, 3), 0x68);
    EXPECT_EQ(u(a, 4), 0x08);
    EXPECT_EQ(u(a, 6), 0x72);
    EXPECT_EQ(u(a, 7), 0); // the device ID from the image
    EXPECT_EQ(u(a, 11), 146);
    EXPECT_EQ(u(a, 13), 0x52);
    EXPECT_EQ(u(a, 14), 0x08);
    EXPECT_EQ(u(a, 19), 0x0F);
    EXPECT_EQ(u(a, 20), 0);
    EXPECT_EQ(u(a, 20 + 164), 164);
    EXPECT_EQ(u(a, L + 4), sum(a, 4, L + 3));
    EXPECT_EQ(u(a, L + 5), 0x16);

    SimulatedDevice wz(DeviceKind::WaterMeterModule);
    for (int i = 0; i < 315; ++i)
        wz.image()[i] = std::uint8_t(i);
    const QByteArray h = wz.answer(request({0xE7, 0xE7, 0x54, 0x20}));
    ASSERT_EQ(u(h, 1), 101) << "the history answer";
    EXPECT_EQ(u(h, 20), 231 & 0xFF);
    EXPECT_EQ(u(h, 14), 0x07);
    EXPECT_EQ(wz.answer(request({0x00, 0x00, 0xE7, 0x20})).size(), 17 + 231 + 6);
}

TEST(SimulatedDevice, WritesAndChangesAreStoredAndAcknowledged) {
    SimulatedDevice thermo(DeviceKind::RadioThermometer);
    QByteArray w = QByteArray::fromHex("0000A129");
    for (int i = 0; i < 161; ++i)
        w.append(char(200 - i));
    QByteArray frame = QByteArray::fromHex("6808086853FE510F") + w;
    frame.append(char(sum(frame, 4, int(frame.size()) - 1))).append(char(0x16));
    ASSERT_EQ(frame.size(), 175);
    std::uint8_t header[12];
    std::copy_n(reinterpret_cast<const std::uint8_t*>(frame.constData()), 12, header);
    EXPECT_EQ(thermo.requestLength(header), 175);
    EXPECT_EQ(thermo.answer(frame), QByteArray(1, char(0xE5)));
    EXPECT_EQ(thermo.image()[0], 200);
    EXPECT_EQ(thermo.image()[160], 40);
    EXPECT_EQ(thermo.image()[161], 0) << "the serial number is not written";

    thermo.image()[0x18] = 0xFF;
    EXPECT_EQ(thermo.answer(request({0x18, 0x18, 0x02, 0x2A, 0xFB, 0x04})), QByteArray(1, char(0xE5)));
    EXPECT_EQ(thermo.image()[0x18], 0xFF) << "bit 2 set, the others kept";
    thermo.image()[0x18] = 0x00;
    thermo.answer(request({0x18, 0x18, 0x02, 0x2A, 0xFB, 0x04}));
    EXPECT_EQ(thermo.image()[0x18], 0x04);

    SimulatedDevice hca(DeviceKind::HeatCostAllocator);
    hca.setSensorTimers(0x0102, 0x0304, 0x0506);
    EXPECT_EQ(hca.answer(request({0x1A, 0x1A, 0x02, 0x0F, 0xC1, 0x30})),
              QByteArray::fromHex("E5010203040506"));
    EXPECT_EQ(hca.answer(request({0x1A, 0x1A, 0x02, 0x0F, 0xC1, 0x10})), QByteArray(1, char(0xE5)));
    // Another family's request is not this device's.
    EXPECT_FALSE(
        hca.requestLength(reinterpret_cast<const std::uint8_t*>(request({0, 0, 0xA5, 0x28}).constData())));
}

TEST(SimulatedDevice, FaultsAndVersionForms) {
    SimulatedDevice hca(DeviceKind::HeatCostAllocator);
    const QByteArray read = request({0x00, 0x00, 0xA5, 0x08});
    hca.faults.wrongChecksum = true;
    QByteArray a = hca.answer(read);
    EXPECT_NE(u(a, a.size() - 2), sum(a, 4, int(a.size()) - 3));
    hca.faults = {};
    hca.faults.wrongMedium = true;
    EXPECT_NE(u(hca.answer(read), 14), 0x08);
    hca.faults = {};
    hca.setExtendedVersion(55, 1);
    a = hca.answer(read);
    EXPECT_EQ(u(a, 13), 0x99);
    EXPECT_EQ(u(a, 8), 0);
    EXPECT_EQ(u(a, 9), 5);
    EXPECT_EQ(u(a, 10), 5);
    EXPECT_EQ(u(a, 12), 1);
    EXPECT_EQ(u(a, a.size() - 2), sum(a, 4, int(a.size()) - 3));
    hca.setVersion(0x73);
    EXPECT_EQ(u(hca.answer(read), 13), 0x73);
    hca.faults.silent = true;
    EXPECT_TRUE(hca.answer(read).isEmpty());
}

TEST(DeviceBench, OnlyTheAddressedFamilyAnswersAndGarbleIsIgnored) {
    DeviceBench bench;
    for (DeviceKind k :
         {DeviceKind::HeatCostAllocator, DeviceKind::RadioThermometer, DeviceKind::WaterMeterModule})
        fillDemoImage(bench.add(k));
    bench.answerDelayMs = 0;
    ASSERT_TRUE(bench.start());
    Client c(bench.path());
    // With the wake-up preamble before it.
    c.write(QByteArray(510, '\x55') + request({0x00, 0x00, 0xA5, 0x28}));
    QByteArray a = c.readUntilQuiet(kQuietMs);
    ASSERT_EQ(a.size(), 188);
    EXPECT_EQ(u(a, 14), 0x1B);
    c.write(request({0x00, 0x00, 0xE7, 0x20}));
    a = c.readUntilQuiet(kQuietMs);
    ASSERT_EQ(a.size(), 254);
    EXPECT_EQ(u(a, 14), 0x07);

    QByteArray garbled = request({0x00, 0x00, 0xA5, 0x08});
    garbled[12] = char(garbled[12] + 1);
    c.write(garbled);
    EXPECT_TRUE(c.readUntilQuiet(kQuietMs).isEmpty());
    EXPECT_EQ(bench.badRequests(), 1);
    EXPECT_EQ(bench.requestsSeen(), 3);
}

TEST(DeviceBench, HeadFaultsEchoSplitAndHangUp) {
    DeviceBench bench;
    bench.add(DeviceKind::HeatCostAllocator);
    bench.answerDelayMs = 0;
    ASSERT_TRUE(bench.start());
    Client c(bench.path());
    const QByteArray read = request({0x00, 0x00, 0xA5, 0x08});

    bench.configure([](DeviceBench& b) { b.head.echo = true; });
    c.write(read);
    QByteArray a = c.readUntilQuiet(kQuietMs);
    ASSERT_EQ(a.size(), 14 + 188);
    EXPECT_EQ(a.left(14), read);

    bench.configure([](DeviceBench& b) {
        b.head.echo = false;
        b.head.splitPieces = 3;
        b.head.splitPauseMs = 300;
    });
    std::vector<int> gaps;
    c.write(read);
    a = c.readUntilQuiet(1200, &gaps);
    EXPECT_EQ(a.size(), 188);
    // A piece may come in several reads; only the pauses between pieces count.
    std::erase_if(gaps, [](int g) { return g < 150; });
    ASSERT_EQ(gaps.size(), 2u);
    for (int g : gaps)
        EXPECT_GE(g, 200);

    bench.configure([](DeviceBench& b) {
        b.head.splitPieces = 0;
        b.head.hangUpInAnswer = true;
    });
    bool hungUp = false;
    c.write(read);
    a = c.readUntilQuiet(2000, nullptr, &hungUp);
    EXPECT_TRUE(hungUp);
    EXPECT_LT(a.size(), 188);
    EXPECT_TRUE(bench.isHungUp());
}

TEST(DemoRig, StartsAllThreeDevicesOnOneHead) {
    std::unique_ptr<DemoRig> rig = startDemoRig();
    ASSERT_TRUE(rig);
    EXPECT_FALSE(rig->opticalHeadPath().isEmpty());
    for (DeviceKind k :
         {DeviceKind::HeatCostAllocator, DeviceKind::RadioThermometer, DeviceKind::WaterMeterModule})
        EXPECT_FALSE(rig->opticalHead->imageOf(k).empty());
    // The demo allocator's manufacturer is QLM: (17 << 10) | (12 << 5) | 13.
    const auto hca = rig->opticalHead->imageOf(DeviceKind::HeatCostAllocator);
    EXPECT_EQ(hca[146] | (hca[147] << 8), (17 << 10) | (12 << 5) | 13);
}

TEST(SimulatedDevice, WaterModuleWritesChangesAndHistory) {
    SimulatedDevice wz(DeviceKind::WaterMeterModule);
    fillDemoImage(wz);
    const std::vector<std::uint8_t> before = wz.image();

    // 240-byte write of image bytes 0..225, L still 08.
    QByteArray body = QByteArray::fromHex("0000E221");
    for (int i = 0; i < 226; ++i)
        body.append(char(i ^ 0x5A));
    QByteArray frame = QByteArray::fromHex("6808086853FE510F") + body;
    frame.append(char(sum(frame, 4, int(frame.size()) - 1))).append(char(0x16));
    ASSERT_EQ(frame.size(), 240);
    EXPECT_EQ(wz.requestLength(reinterpret_cast<const std::uint8_t*>(frame.constData())), 240);
    EXPECT_EQ(wz.answer(frame), QByteArray(1, char(0xE5)));
    for (int i = 0; i < 226; ++i)
        ASSERT_EQ(wz.image()[i], i ^ 0x5A) << i;
    EXPECT_TRUE(std::equal(before.begin() + 226, before.end(), wz.image().begin() + 226))
        << "serial number and history are never written";

    // LED pulses: AND FC, OR 02 on the high byte of word 22; the other bits stay.
    wz.image()[0x16] = 0x5A;
    wz.image()[0x17] = 0xF1;
    EXPECT_EQ(wz.answer(request({0x17, 0x17, 0x02, 0x22, 0xFC, 0x02})), QByteArray(1, char(0xE5)));
    EXPECT_EQ(wz.image()[0x17], 0xF2);
    EXPECT_EQ(wz.image()[0x16], 0x5A);
    EXPECT_EQ(wz.changesApplied, 1);

    // The history answer carries L = 101 and image bytes 231..314; erased, every entry reads FF.
    wz.eraseResetHistory();
    const QByteArray h = wz.answer(request({0xE7, 0xE7, 0x54, 0x20}));
    ASSERT_EQ(h.size(), 101 + 6);
    EXPECT_EQ(u(h, 1), 101);
    EXPECT_EQ(u(h, 101 + 4), sum(h, 4, 101 + 3));
    for (int i = 4; i < 84; ++i)
        ASSERT_EQ(u(h, 20 + i), 0xFF) << i;
}

TEST(SimulatedDevice, DroppedAcknowledgementStillStoresTheWrite) {
    SimulatedDevice wz(DeviceKind::WaterMeterModule);
    wz.faults.dropAcknowledgement = 2;
    const QByteArray ack(1, char(0xE5));
    EXPECT_EQ(wz.answer(request({0x08, 0x08, 0x01, 0x21, 0x0C})), ack);
    EXPECT_EQ(wz.answer(request({0x16, 0x16, 0x02, 0x22, 0xCF, 0x20})), QByteArray()) << "second one lost";
    EXPECT_EQ(wz.image()[0x16], 0x20);
    EXPECT_EQ(wz.answer(request({0x12, 0x12, 0x01, 0x21, 0x47})), ack);
    EXPECT_EQ(wz.answer(request({0x00, 0x00, 0x04, 0x20})).size(), 17 + 4 + 6) << "reads are not counted";
    EXPECT_EQ(wz.acknowledgements, 3);
}
