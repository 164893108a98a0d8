#include "core/wmbus/replay/ReplayFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvq::wmbus;

TEST(ReplayFile, BareHexAndTimedLines) {
    ReplayLine line;
    ReplayLineError err;
    ASSERT_TRUE(parseReplayLine("680B4493", 1, line, err));
    EXPECT_FALSE(line.receiveTime.isValid());
    EXPECT_EQ(line.bytes, (std::vector<std::uint8_t>{0x68, 0x0B, 0x44, 0x93}));

    ASSERT_TRUE(parseReplayLine("01.02.2020 10:20:30;68 0B 44\r\n", 2, line, err));
    EXPECT_EQ(line.receiveTime, QDateTime(QDate(2020, 2, 1), QTime(10, 20, 30)));
    EXPECT_EQ(line.bytes.size(), 3u);

    ASSERT_TRUE(parseReplayLine("   ", 3, line, err));
    EXPECT_TRUE(line.bytes.empty());
}

TEST(ReplayFile, BadLinesNameTheirNumber) {
    ReplayLine line;
    ReplayLineError err;
    EXPECT_FALSE(parseReplayLine("68 0", 7, line, err));
    EXPECT_EQ(err.lineNumber, 7);
    EXPECT_TRUE(err.message.contains("line 7"));
    EXPECT_FALSE(parseReplayLine("32.13.2020 10:20:30;68", 8, line, err));
    EXPECT_FALSE(parseReplayLine("01.02.2020;68", 9, line, err));
    EXPECT_FALSE(parseReplayLine("ZZ", 10, line, err));
}

TEST(ReplayFile, ReadsEveryLineAndReportsTheRest) {
    QTemporaryDir dir;
    const QString path = dir.filePath("mobile.dat");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("6801\n\nGARBAGE\n01.02.2020 10:20:30;6802\n6803");
    f.close();
    std::vector<int> good, bad;
    ASSERT_TRUE(readReplayFile(
        path, [&](const ReplayLine& l) { good.push_back(l.lineNumber); },
        [&](const ReplayLineError& e) { bad.push_back(e.lineNumber); }));
    EXPECT_EQ(good, (std::vector<int>{1, 4, 5}));
    EXPECT_EQ(bad, (std::vector<int>{3}));
    const kvq::Status missing = readReplayFile(dir.filePath("none.dat"), [](const ReplayLine&) {}, {});
    EXPECT_EQ(missing.code(), kvq::ErrorCode::FileAccess);
    EXPECT_TRUE(missing.message().contains(QStringLiteral("none.dat")));
}
