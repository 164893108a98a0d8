#include "core/firmware/FirmwareFile.h"
#include "core/firmware/XmodemSender.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <random>

using namespace kvq;
using namespace kvq::firmware;
using namespace kvq::firmware::xmodem;

namespace {

std::vector<std::uint8_t> randomImage(std::size_t size, unsigned seed = 1) {
    std::mt19937 rng(seed);
    std::vector<std::uint8_t> image(size);
    for (auto& b : image)
        b = std::uint8_t(rng());
    return image;
}

// CRC-16/XMODEM written out bit by bit from its definition, to check packets against.
std::uint16_t referenceCrc(const std::uint8_t* p, int n) {
    std::uint32_t reg = 0;
    for (int i = 0; i < n; ++i)
        for (int bit = 7; bit >= 0; --bit) {
            const bool top = reg & 0x8000;
            reg = ((reg << 1) & 0xFFFF);
            if (top != bool((p[i] >> bit) & 1))
                reg ^= 0x1021;
        }
    return std::uint16_t(reg);
}

struct Packet {
    int number = 0;
    std::vector<std::uint8_t> data;
};

// Splits what the sender put on the line into packets, checking the frame of each; other bytes
// (EOT, CAN, ACK) are collected as they come.
struct Line {
    std::vector<Packet> packets;
    std::vector<std::uint8_t> controls;
    bool crc = true;

    void take(const std::vector<std::uint8_t>& out) {
        std::size_t i = 0;
        const std::size_t size = crc ? kCrcPacketSize : kChecksumPacketSize;
        while (i < out.size()) {
            if (out[i] != SOH) {
                controls.push_back(out[i++]);
                continue;
            }
            ASSERT_GE(out.size() - i, size) << "packet cut short";
            const std::uint8_t* p = out.data() + i;
            EXPECT_EQ(std::uint8_t(p[1] ^ p[2]), 0xFF) << "packet number and its complement";
            if (crc) {
                EXPECT_EQ(referenceCrc(p + 3, 128), (p[131] << 8) | p[132]);
            } else {
                std::uint8_t sum = 0;
                for (int k = 0; k < 128; ++k)
                    sum = std::uint8_t(sum + p[3 + k]);
                EXPECT_EQ(sum, p[131]);
            }
            packets.push_back({p[1], std::vector<std::uint8_t>(p + 3, p + 131)});
            i += size;
        }
    }
};

// A receiver that acknowledges everything after choosing the mode with `start`.
int runAcknowledged(XmodemSender& s, Line& line, std::uint8_t start) {
    line.crc = start == CrcRequest;
    s.received(start);
    for (int guard = 0; guard < 10000 && !s.finished(); ++guard) {
        line.take(s.takeOutput());
        s.received(ACK);
    }
    line.take(s.takeOutput());
    return s.result();
}

} // namespace

TEST(XmodemChecks, CrcAndSumMatchTheirDefinitions) {
    const std::uint8_t digits[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(crc16Xmodem(digits), 0x31C3);
    const auto image = randomImage(128, 7);
    EXPECT_EQ(crc16Xmodem(image), referenceCrc(image.data(), 128));
    const std::uint8_t bytes[] = {0xFF, 0x02, 0x80, 0x80};
    EXPECT_EQ(checksum8(bytes), 0x01);
}

TEST(XmodemSender, ShortLastBlockIsFilledWith1AThenZeros) {
    const auto image = randomImage(300);
    XmodemSender s(image);
    Line line;
    EXPECT_EQ(runAcknowledged(s, line, CrcRequest), 384);
    ASSERT_EQ(line.packets.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(line.packets[i].number, i + 1);
    EXPECT_TRUE(std::equal(image.begin(), image.begin() + 128, line.packets[0].data.begin()));
    EXPECT_TRUE(std::equal(image.begin() + 128, image.begin() + 256, line.packets[1].data.begin()));
    const auto& last = line.packets[2].data;
    EXPECT_TRUE(std::equal(image.begin() + 256, image.end(), last.begin()));
    EXPECT_EQ(last[44], Fill);
    EXPECT_EQ(std::count(last.begin() + 45, last.end(), 0), 83);
    EXPECT_EQ(line.controls, std::vector<std::uint8_t>{EOT});
}

TEST(XmodemSender, ImageOfWholeBlocksGetsOneMoreBlockOfFill) {
    XmodemSender s(randomImage(256));
    Line line;
    EXPECT_EQ(runAcknowledged(s, line, CrcRequest), 384);
    ASSERT_EQ(line.packets.size(), 3u);
    std::vector<std::uint8_t> fill(128, 0);
    fill[0] = Fill;
    EXPECT_EQ(line.packets[2].data, fill);
}

TEST(XmodemSender, PacketNumberWrapsAfter255) {
    // NAK at the start: 132-byte packets with the 8-bit sum throughout.
    const auto image = randomImage(257 * 128 + 5, 3);
    XmodemSender s(image);
    Line line;
    EXPECT_EQ(runAcknowledged(s, line, NAK), 258 * 128);
    EXPECT_EQ(s.mode(), XmodemMode::Checksum);
    EXPECT_EQ(line.controls, std::vector<std::uint8_t>{EOT}) << "nothing between the packets";
    ASSERT_EQ(line.packets.size(), 258u);
    EXPECT_EQ(line.packets[254].number, 255);
    EXPECT_EQ(line.packets[255].number, 0);
    EXPECT_EQ(line.packets[256].number, 1);
    std::vector<std::uint8_t> joined;
    for (const auto& p : line.packets)
        joined.insert(joined.end(), p.data.begin(), p.data.end());
    EXPECT_TRUE(std::equal(image.begin(), image.end(), joined.begin()));
}

TEST(XmodemSender, CancelNeedsTwoCansAndIsAcknowledged) {
    // During the data phase a single CAN counts as a failed send; CAN CAN ends with ACK.
    XmodemSender s(randomImage(300));
    s.received(CrcRequest);
    s.takeOutput();
    s.received(CAN);
    EXPECT_FALSE(s.hasOutput());
    s.timedOut();
    EXPECT_EQ(s.takeOutput().size(), 133u) << "the packet goes again";
    s.received(CAN);
    s.received(CAN);
    EXPECT_EQ(s.takeOutput(), std::vector<std::uint8_t>{ACK});
    EXPECT_FALSE(s.finished()) << "the input is flushed first";
    s.received('x');
    s.timedOut();
    EXPECT_TRUE(s.finished());
    EXPECT_EQ(s.result(), kXmodemCancelled);

    // The same while waiting for the start.
    XmodemSender early(randomImage(10));
    early.received(CAN);
    early.received(CAN);
    EXPECT_EQ(early.takeOutput(), std::vector<std::uint8_t>{ACK});
    early.timedOut();
    EXPECT_EQ(early.result(), kXmodemCancelled);
}

TEST(XmodemSender, GivesUpAfterItsAttempts) {
    // 25 sends of one packet, then CAN three times.
    XmodemSender s(randomImage(300));
    s.received(CrcRequest);
    std::size_t sent = s.takeOutput().size();
    for (int i = 1; i < 25; ++i) {
        s.received(NAK);
        sent += s.takeOutput().size();
    }
    EXPECT_EQ(sent, 25u * 133u);
    s.received(NAK);
    EXPECT_EQ(s.takeOutput(), (std::vector<std::uint8_t>{CAN, CAN, CAN}));
    s.timedOut();
    EXPECT_EQ(s.result(), kXmodemTooManyRetries);

    // 16 attempts to synchronise; noise counts as an attempt.
    XmodemSender quiet(randomImage(10));
    for (int i = 0; i < 15; ++i)
        i % 2 ? quiet.timedOut() : quiet.received(ACK);
    EXPECT_FALSE(quiet.hasOutput());
    quiet.timedOut();
    EXPECT_EQ(quiet.takeOutput(), (std::vector<std::uint8_t>{CAN, CAN, CAN}));
    quiet.timedOut();
    EXPECT_EQ(quiet.result(), kXmodemNoSync);

    // 10 EOT without ACK; no cancel after the data are through.
    XmodemSender end(randomImage(10));
    end.received(NAK);
    end.takeOutput();
    end.received(ACK);
    int eots = 0;
    while (!end.finished()) {
        eots += int(end.takeOutput().size());
        end.received(NAK);
    }
    EXPECT_EQ(eots, 10);
    EXPECT_FALSE(end.hasOutput());
    EXPECT_EQ(end.result(), kXmodemEotNotAcked);
}

TEST(XmodemSender, WaitsEndAfterTheirTicks) {
    // The wait for an ACK is 10 ticks: it gives up on the tick after the count has passed 10, and
    // the packet goes again; each new wait counts from zero.
    XmodemSender s(randomImage(10));
    s.received(NAK);
    s.takeOutput();
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 11; ++i)
            s.tick();
        EXPECT_FALSE(s.hasOutput()) << "still waiting after 11 ticks";
        s.tick();
        EXPECT_EQ(s.takeOutput().size(), 132u) << "sent again on tick 12";
    }
}

TEST(XmodemSender, EndsEvenWhenTheReceiverNeverStopsTalking) {
    XmodemSender s(randomImage(10));
    s.received(CAN);
    s.received(CAN);
    int fed = 0;
    while (!s.finished() && fed < 100000) {
        s.received('C');
        ++fed;
    }
    EXPECT_TRUE(s.finished());
    EXPECT_EQ(s.result(), kXmodemCancelled);
}

TEST(XmodemSender, AbortSendsCanOnceOnly) {
    XmodemSender s(randomImage(300));
    s.received(NAK);
    s.takeOutput();
    s.abort();
    EXPECT_EQ(s.takeOutput(), (std::vector<std::uint8_t>{CAN, CAN, CAN}));
    EXPECT_EQ(s.result(), kXmodemAborted);
    s.abort();
    s.received(ACK);
    s.tick();
    EXPECT_FALSE(s.hasOutput());
    EXPECT_EQ(s.result(), kXmodemAborted);
}

TEST(FirmwareFile, ReadWholeOrRefusedWithReason) {
    QTemporaryDir dir;
    auto write = [&](const QString& name, std::size_t size) {
        const QString path = dir.filePath(name);
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        const auto bytes = randomImage(size, unsigned(size));
        f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return path;
    };
    const auto full = readFirmwareFile(write("full.bin", kMaxFirmwareSize));
    ASSERT_TRUE(full.ok());
    EXPECT_EQ(full.value(), randomImage(kMaxFirmwareSize, unsigned(kMaxFirmwareSize)));

    EXPECT_EQ(readFirmwareFile(write("big.bin", kMaxFirmwareSize + 1)).code(), ErrorCode::BadInput);
    EXPECT_EQ(readFirmwareFile(write("empty.bin", 0)).code(), ErrorCode::BadInput);
    const auto missing = readFirmwareFile(dir.filePath("missing.bin"));
    EXPECT_EQ(missing.code(), ErrorCode::FileAccess);
    EXPECT_FALSE(missing.message().isEmpty());
    EXPECT_EQ(readFirmwareFile(dir.path()).code(), ErrorCode::FileAccess);
}
