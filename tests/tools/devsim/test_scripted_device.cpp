#include "ScriptedDevice.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace kvq::devsim;

namespace {
// The program side of the terminal, opened the plain way.
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
    // Reads until `n` bytes came, the far end hung up or the time ran out.
    QByteArray read(int n, int timeoutMs, bool* hungUp = nullptr) const {
        QByteArray out;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (out.size() < n && std::chrono::steady_clock::now() < end) {
            pollfd p{fd, POLLIN, 0};
            ::poll(&p, 1, 20);
            char buf[4096];
            const ssize_t r = ::read(fd, buf, std::min<size_t>(sizeof buf, size_t(n - out.size())));
            if (r > 0)
                out.append(buf, qsizetype(r));
            else if (r == 0 || (r < 0 && errno == EIO)) {
                if (hungUp)
                    *hungUp = true;
                break;
            }
        }
        return out;
    }
};
} // namespace

TEST(ScriptParser, ReadsEveryStepKind) {
    QString error;
    const auto steps = parseScript(QStringLiteral("send 68 0a; wait 100\nexpect E5 /500; echo on; echo off;"
                                                  " silence; stream 01 02 *5000; stream ff; hangup"),
                                   &error);
    ASSERT_EQ(steps.size(), 9u) << error.toStdString();
    EXPECT_EQ(steps[0].kind, ScriptStep::Kind::Send);
    EXPECT_EQ(steps[0].bytes, QByteArray("\x68\x0A", 2));
    EXPECT_EQ(steps[1].ms, 100);
    EXPECT_EQ(steps[2].kind, ScriptStep::Kind::Expect);
    EXPECT_EQ(steps[2].ms, 500);
    EXPECT_EQ(steps[2].bytes, QByteArray("\xE5", 1));
    EXPECT_TRUE(steps[3].on);
    EXPECT_FALSE(steps[4].on);
    EXPECT_EQ(steps[5].kind, ScriptStep::Kind::Silence);
    EXPECT_EQ(steps[6].count, 5000);
    EXPECT_EQ(steps[7].count, 0);
    EXPECT_EQ(steps[8].kind, ScriptStep::Kind::HangUp);
}

TEST(ScriptParser, RefusesWhatItCannotPlay) {
    for (const char* bad :
         {"send", "send 6G", "send 123", "wait", "wait x", "echo maybe", "dance", "expect", "stream 01 *x"}) {
        QString error;
        EXPECT_TRUE(parseScript(QString::fromLatin1(bad), &error).empty()) << bad;
        EXPECT_FALSE(error.isEmpty()) << bad;
    }
}

TEST(ScriptedDevice, PlaysSendExpectAndWaitInOrder) {
    ScriptedDevice dev;
    dev.sendStep(QByteArray("\x10\x20", 2))
        .expectStep(QByteArray("ok"))
        .waitStep(150)
        .sendStep(QByteArray("!"));
    ASSERT_TRUE(dev.start());
    Client c(dev.path());
    ASSERT_GE(c.fd, 0);
    EXPECT_EQ(c.read(2, 2000), QByteArray("\x10\x20", 2));
    c.write("ok");
    const auto t0 = std::chrono::steady_clock::now();
    EXPECT_EQ(c.read(1, 2000), QByteArray("!"));
    EXPECT_GE(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(140));
    EXPECT_TRUE(dev.waitFinished(1000));
    EXPECT_TRUE(dev.failure().isEmpty());
    EXPECT_EQ(dev.received(), QByteArray("ok"));
}

TEST(ScriptedDevice, AnUnmetExpectationStopsTheScript) {
    ScriptedDevice dev;
    dev.expectStep(QByteArray("\x68", 1), 300).sendStep(QByteArray("never"));
    ASSERT_TRUE(dev.start());
    Client c(dev.path());
    c.write(QByteArray("\x10", 1));
    EXPECT_FALSE(dev.waitFinished(2000));
    EXPECT_TRUE(dev.failure().contains(QStringLiteral("expected 68, got 10"))) << dev.failure().toStdString();
    EXPECT_TRUE(c.read(1, 200).isEmpty());

    ScriptedDevice late;
    late.expectStep(QByteArray("x"), 100);
    ASSERT_TRUE(late.start());
    EXPECT_FALSE(late.waitFinished(1000));
    EXPECT_TRUE(late.failure().contains(QStringLiteral("time-out")));
}

TEST(ScriptedDevice, EchoesUntilSilent) {
    ScriptedDevice dev;
    dev.echoStep(true);
    ASSERT_TRUE(dev.start());
    Client c(dev.path());
    ASSERT_TRUE(dev.waitFinished(1000));
    c.write("abc");
    EXPECT_EQ(c.read(3, 2000), QByteArray("abc"));
    dev.silenceStep();
    ASSERT_TRUE(dev.waitFinished(1000));
    c.write("def");
    EXPECT_TRUE(c.read(1, 200).isEmpty());
}

TEST(ScriptedDevice, CountedStreamKeepsItsPatternAndThenHangsUp) {
    ScriptedDevice dev;
    dev.streamStep(QByteArray("\x01\x02\x03", 3), 10000).hangUpStep();
    ASSERT_TRUE(dev.start());
    Client c(dev.path());
    bool hungUp = false;
    const QByteArray got = c.read(20000, 5000, &hungUp);
    ASSERT_EQ(got.size(), 10000);
    for (int i = 0; i < got.size(); ++i)
        ASSERT_EQ(got[i], char(1 + i % 3)) << i;
    c.read(1, 2000, &hungUp);
    EXPECT_TRUE(hungUp);
    EXPECT_TRUE(dev.isHungUp());
}

TEST(ScriptedDevice, StepsCanBeAddedWhileItRunsAndTheTerminalSurvivesReopening) {
    ScriptedDevice dev;
    ASSERT_TRUE(dev.start());
    {
        Client c(dev.path());
        dev.sendStep(QByteArray("1"));
        EXPECT_EQ(c.read(1, 2000), QByteArray("1"));
    }
    Client again(dev.path());
    ASSERT_GE(again.fd, 0);
    dev.sendStep(QByteArray("2"));
    EXPECT_EQ(again.read(1, 2000), QByteArray("2"));
    dev.send(QByteArray("3"), 50);
    EXPECT_EQ(again.read(1, 2000), QByteArray("3"));
}
