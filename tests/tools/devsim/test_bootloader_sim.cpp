// The simulated bootloader against packets built here by hand from the XMODEM rules.
#include "BootLoaderSim.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using namespace kvq::devsim;

namespace {

std::uint16_t crcOf(const QByteArray& b) {
    std::uint16_t crc = 0;
    for (char c : b)
        for (int bit = 7; bit >= 0; --bit) {
            const bool x = bool(crc & 0x8000) != bool((std::uint8_t(c) >> bit) & 1);
            crc = std::uint16_t(crc << 1);
            if (x)
                crc ^= 0x1021;
        }
    return crc;
}

QByteArray packet(int number, const QByteArray& block, bool crc) {
    QByteArray p;
    p.append(char(0x01)).append(char(number)).append(char(~number));
    p.append(block);
    if (crc) {
        const std::uint16_t c = crcOf(block);
        p.append(char(c >> 8)).append(char(c));
    } else {
        std::uint8_t sum = 0;
        for (char c : block)
            sum = std::uint8_t(sum + std::uint8_t(c));
        p.append(char(sum));
    }
    return p;
}

QByteArray block(char seed) {
    QByteArray b(128, 0);
    for (int i = 0; i < 128; ++i)
        b[i] = char(seed + i * 3);
    return b;
}

struct Terminal {
    int fd = -1;
    explicit Terminal(const QString& path) {
        fd = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        termios t{};
        if (fd >= 0 && ::tcgetattr(fd, &t) == 0) {
            ::cfmakeraw(&t);
            ::tcsetattr(fd, TCSANOW, &t);
        }
    }
    ~Terminal() {
        if (fd >= 0)
            ::close(fd);
    }
    void write(const QByteArray& b) const {
        ASSERT_EQ(::write(fd, b.constData(), size_t(b.size())), b.size());
    }
    // Reads until `count` bytes are there or `timeoutMs` passed.
    QByteArray read(int count, int timeoutMs = 3000) const {
        QByteArray out;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (out.size() < count && std::chrono::steady_clock::now() < end) {
            pollfd p{fd, POLLIN, 0};
            ::poll(&p, 1, 10);
            char buf[256];
            const ssize_t r = ::read(fd, buf, sizeof buf);
            if (r > 0)
                out.append(buf, qsizetype(r));
        }
        return out;
    }
};

} // namespace

TEST(SimulatedBootLoader, CommandsAndFaults) {
    SimulatedBootLoader loader;
    loader.baudRate = 0;
    loader.faults.corruptEvery = 3;
    loader.faults.cancelAfter = 2;
    loader.flashSize = 128;
    ASSERT_TRUE(loader.start());
    loader.setApplication("123456789");
    Terminal t(loader.path());
    t.write("c");
    EXPECT_EQ(t.read(10), QByteArray("CRC 31C3\r\n"));
    t.write("r");
    EXPECT_EQ(t.read(8), QByteArray("Reboot\r\n"));

    t.write("u");
    EXPECT_EQ(t.read(1), "C");
    t.write(packet(1, block(1), true));
    EXPECT_EQ(t.read(1), QByteArray(1, char(0x06)));
    t.write(packet(1, block(1), true)); // a repeat after a lost ACK is acknowledged again
    EXPECT_EQ(t.read(1), QByteArray(1, char(0x06)));
    t.write(packet(2, block(2), true)); // the third packet is damaged on the line
    EXPECT_EQ(t.read(1), QByteArray(1, char(0x15)));
    t.write(packet(2, block(2), true)); // and the second good one is refused
    EXPECT_EQ(t.read(2), QByteArray(2, char(0x18)));
    EXPECT_EQ(loader.stats().uploadsCancelled, 1);
    EXPECT_EQ(loader.stats().duplicates, 1);
    EXPECT_EQ(loader.application(), QByteArray("123456789"))
        << "a cancelled upload keeps the old application";

    // A block past the flash is refused unless it is only the fill after an image of whole blocks.
    loader.configure([](SimulatedBootLoader& l) { l.faults = {}; });
    t.write("u");
    EXPECT_EQ(t.read(1), "C");
    t.write(packet(1, block(1), true));
    EXPECT_EQ(t.read(1), QByteArray(1, char(0x06)));
    QByteArray fill(128, 0);
    fill[0] = char(0x1A);
    t.write(packet(2, fill, true));
    EXPECT_EQ(t.read(1), QByteArray(1, char(0x06)));
    t.write(packet(3, block(3), true));
    EXPECT_EQ(t.read(2), QByteArray(2, char(0x18)));
}

TEST(SimulatedBootLoader, TakesTheLineTimeOfItsBaudRate) {
    SimulatedBootLoader loader; // 2400 baud: a packet of 133 bytes is on the wire for 554 ms
    ASSERT_TRUE(loader.start());
    Terminal t(loader.path());
    t.write("u");
    EXPECT_EQ(t.read(1), "C");
    const auto start = std::chrono::steady_clock::now();
    t.write(packet(1, block(1), true));
    EXPECT_EQ(t.read(1), QByteArray(1, char(0x06)));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(554));
}
