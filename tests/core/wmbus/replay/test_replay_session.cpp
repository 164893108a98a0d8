#include "core/wmbus/replay/ReplaySession.h"
#include "core/wmbus/replay/TelegramLog.h"

#include <QDateTime>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvq::wmbus;

namespace {

struct Handed {
    std::vector<std::uint8_t> bytes;
    ReceiveTime time;
};

std::vector<Handed> readAll(ReplaySession& s, int perStep) {
    std::vector<Handed> out;
    while (!s.atEnd())
        s.step(perStep, [&](std::span<const std::uint8_t> b, ReceiveTime t) {
            out.push_back({{b.begin(), b.end()}, t});
        });
    return out;
}

QString writeFile(const QTemporaryDir& dir, const char* name, const QByteArray& content) {
    const QString path = dir.filePath(QString::fromLatin1(name));
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(content);
    return path;
}

} // namespace

TEST(ReplaySession, HandsFramesInOrderAndCountsWhatItSkips) {
    QTemporaryDir dir;
    const QByteArray overlong = "01.02.2020 10:20:30;" + QByteArray(5000, 'A') + "\n";
    const QString path = writeFile(dir, "drive.dat",
                                   "6801\r\n\n01.02.2020 10:20:30;6802\nNOT HEX\n" + overlong +
                                       "31.02.2020 10:20:30;6803\n6804");
    ReplaySession s;
    ASSERT_TRUE(s.open(path));
    EXPECT_EQ(s.lineCount(), 7); // the last line has no line end and still counts

    const auto handed = readAll(s, 2);
    ASSERT_EQ(handed.size(), 3u);
    EXPECT_EQ(handed[0].bytes, (std::vector<std::uint8_t>{0x68, 0x01}));
    EXPECT_EQ(handed[0].time, 0);
    EXPECT_EQ(handed[1].time, QDateTime(QDate(2020, 2, 1), QTime(10, 20, 30)).toMSecsSinceEpoch());
    EXPECT_EQ(handed[2].bytes, (std::vector<std::uint8_t>{0x68, 0x04}));
    // Garbage, the overlong line and the impossible date; the blank line is no error.
    EXPECT_EQ(s.malformedLines(), 3);
    EXPECT_EQ(s.framesHanded(), 3);
    EXPECT_EQ(s.linesRead(), s.lineCount());
}

TEST(ReplaySession, MissingOrEmptyFile) {
    QTemporaryDir dir;
    ReplaySession s;
    const kvq::Status missing = s.open(dir.filePath("none.dat"));
    EXPECT_EQ(missing.code(), kvq::ErrorCode::FileAccess);
    EXPECT_FALSE(s.isOpen());
    EXPECT_TRUE(s.atEnd());

    ASSERT_TRUE(s.open(writeFile(dir, "empty.dat", "")));
    EXPECT_EQ(s.lineCount(), 0);
    EXPECT_TRUE(readAll(s, 10).empty());
}

// A telegram log is itself a replay file: each monitor line (hex bytes with blanks) comes back as
// its frame, also after the log was closed and opened again for more.
TEST(TelegramLog, LogReplaysAsItsMonitorLines) {
    QTemporaryDir dir;
    const QString path = dir.filePath("FAHRT.TXT");
    TelegramLog log;
    ASSERT_TRUE(log.open(path));
    ASSERT_TRUE(log.append(QStringLiteral("68 03 44 AE 16 ")));
    ASSERT_TRUE(log.append(QStringLiteral("68 03 46 0C 16 ")));
    log.close();
    ASSERT_TRUE(log.open(path));
    ASSERT_TRUE(log.append(QStringLiteral("FF 03 01 44 B9 ")));
    log.close();

    ReplaySession s;
    ASSERT_TRUE(s.open(path));
    EXPECT_EQ(s.lineCount(), 3);
    const auto handed = readAll(s, 100);
    ASSERT_EQ(handed.size(), 3u);
    EXPECT_EQ(handed[0].bytes, (std::vector<std::uint8_t>{0x68, 0x03, 0x44, 0xAE, 0x16}));
    EXPECT_EQ(handed[1].bytes, (std::vector<std::uint8_t>{0x68, 0x03, 0x46, 0x0C, 0x16}));
    EXPECT_EQ(handed[2].bytes, (std::vector<std::uint8_t>{0xFF, 0x03, 0x01, 0x44, 0xB9}));
    EXPECT_EQ(s.malformedLines(), 0);

    TelegramLog nowhere;
    EXPECT_EQ(nowhere.open(dir.filePath("no/such/folder/X.TXT")).code(), kvq::ErrorCode::FileAccess);
    EXPECT_EQ(nowhere.append(QStringLiteral("68 ")).code(), kvq::ErrorCode::FileAccess);
}
