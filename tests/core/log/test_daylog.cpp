#include "core/log/DayLog.h"
#include "core/log/WriteLog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kvq::log;

namespace {

const QStringList kFlow{"SNR", "RTIME", "ZS", "ZSzumS", "VseitS", "SDATE", "SMODUS"};
const QDate kDay(2026, 12, 7);

QByteArray readAll(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

TEST(DayLog, NewFileHasHeadingAndLinesAndSecondOpeningContinuesIt) {
    QTemporaryDir tmp;
    const QString folder = tmp.filePath("QUELMAR/Logs");
    DayLog log;
    log.setHeaderNames(kFlow);
    auto opened = log.open(folder, "flowcount", kDay);
    ASSERT_TRUE(opened.status.ok()) << opened.status.message().toStdString();
    EXPECT_TRUE(log.logPath().endsWith("07_12_2026_flowcount.csv"));
    ASSERT_TRUE(log.append({"00001234", "07.12.2026", "12,345", "10,000", "2,345", "1.3.2024", "Jahr"}).ok());

    DayLog again;
    again.setHeaderNames(kFlow);
    opened = again.open(folder, "flowcount", kDay);
    EXPECT_FALSE(opened.columnsMismatch);
    ASSERT_EQ(again.rows().size(), 1);
    EXPECT_EQ(again.rows()[0].fields[2], "12,345");
    ASSERT_TRUE(
        again.append({"00005678", "07.12.2026", "1,000", "0,500", "0,500", "1.3.2024", "Monat"}).ok());
    EXPECT_EQ(readAll(log.logPath()), "SNR;RTIME;ZS;ZSzumS;VseitS;SDATE;SMODUS\n"
                                      "00001234;07.12.2026;12,345;10,000;2,345;1.3.2024;Jahr\n"
                                      "00005678;07.12.2026;1,000;0,500;0,500;1.3.2024;Monat\n");
    // Another log name is another file.
    DayLog heat;
    heat.setHeaderNames(kFlow);
    heat.open(folder, "heatcount", kDay);
    EXPECT_TRUE(heat.rows().isEmpty());
}

TEST(DayLog, HeadingIsComparedOnlyAsFarAsTheFileGoes) {
    QTemporaryDir tmp;
    const QString path = QDir(tmp.path()).filePath(dayLogFileName(kDay, "flowcount"));
    writeFile(path, "SNR;RTIME;ZS\r\n1;2;3\r\n");
    DayLog log;
    log.setHeaderNames(kFlow);
    auto opened = log.open(tmp.path(), "flowcount", kDay);
    EXPECT_FALSE(opened.columnsMismatch);
    EXPECT_EQ(log.columnCount(), 3);
    ASSERT_EQ(log.rows().size(), 1);
    // The file's own line end is kept for what is appended.
    ASSERT_TRUE(log.append({"4", "5", "6"}).ok());
    EXPECT_EQ(readAll(path), "SNR;RTIME;ZS\r\n1;2;3\r\n4;5;6\r\n");

    writeFile(path, "SNR;XTIME;ZS\n1;2;3\n");
    DayLog other;
    other.setHeaderNames(kFlow);
    opened = other.open(tmp.path(), "flowcount", kDay);
    EXPECT_TRUE(opened.columnsMismatch);
    EXPECT_EQ(other.heading(), QStringList{"SNR"});
    EXPECT_TRUE(other.rows().isEmpty());
    // Records still go to the same file.
    ASSERT_TRUE(other.append({"7"}).ok());
    EXPECT_TRUE(readAll(path).endsWith("1;2;3\n7\n"));
}

TEST(DayLog, FieldWithSeparatorStaysOneField) {
    const QStringList fields{"A;B", "say \"hi\"", "plain", ""};
    const QString line = joinLogFields(fields);
    EXPECT_EQ(line, "\"A;B\";\"say \"\"hi\"\"\";plain;");
    EXPECT_EQ(splitLogLine(line), fields);

    QTemporaryDir tmp;
    DayLog log;
    log.setHeaderNames({"a", "b"});
    log.open(tmp.path(), "x", kDay);
    ASSERT_TRUE(log.append({"1;2", "line\nbreak"}).ok());
    DayLog back;
    back.setHeaderNames({"a", "b"});
    back.open(tmp.path(), "x", kDay);
    ASSERT_EQ(back.rows().size(), 1);
    EXPECT_EQ(back.rows()[0].fields, (QStringList{"1;2", "line\nbreak"}));
}

TEST(DayLog, FailedAppendIsReportedOnceAndKeptUntilItCanBeWritten) {
    QTemporaryDir tmp;
    DayLog log;
    log.setHeaderNames({"a"});
    ASSERT_TRUE(log.open(tmp.path(), "x", kDay).status.ok());
    const QString path = log.logPath();
    // The file turns into a folder: nothing can be appended any more.
    QFile::remove(path);
    QDir().mkpath(path);
    EXPECT_FALSE(log.append({"1"}).ok());
    EXPECT_TRUE(log.append({"2"}).ok()); // the same run of failures is not told again
    EXPECT_EQ(log.unsavedCount(), 2);
    EXPECT_EQ(log.rows().size(), 2);

    QDir(path).removeRecursively();
    writeFile(path, "a\n");
    ASSERT_TRUE(log.append({"3"}).ok());
    EXPECT_EQ(log.unsavedCount(), 0);
    EXPECT_EQ(readAll(path), "a\n1\n2\n3\n");
}

TEST(DayLog, FolderThatCannotBeCreatedIsReported) {
    QTemporaryDir tmp;
    writeFile(tmp.filePath("blocker"), "x");
    DayLog log;
    log.setHeaderNames({"a"});
    const auto opened = log.open(tmp.filePath("blocker/Logs"), "x", kDay);
    EXPECT_FALSE(opened.status.ok());
    EXPECT_TRUE(opened.status.message().contains("blocker"));
}

TEST(WriteLog, HeadingOnceThenOneLinePerWrite) {
    QTemporaryDir tmp;
    qputenv("KVQ_DOCUMENTS", tmp.path().toUtf8());
    const QString path = parameterWriteLogPath(QDate(2026, 3, 5));
    EXPECT_TRUE(path.endsWith(QDir::toNativeSeparators("QUELMAR/Logs/2026/3/HKVparmLog.csv")));
    ASSERT_TRUE(ensureLogFile(path, parameterWriteLogHeader()).ok());
    ASSERT_TRUE(ensureLogFile(path, parameterWriteLogHeader()).ok());
    ParameterWriteEntry e{"00012345", false, "1538", "2500", "1000", true, false};
    ASSERT_TRUE(appendLogLine(path, parameterWriteLogFields(e, "05.03.2026")).ok());
    EXPECT_EQ(readAll(path), "SNR;WRITETIME;SCALA;K1;K2;KQ;SENSOR;REMOTE\n"
                             "00012345;05.03.2026;E;1538;2500;1000;2F;no\n");
    qunsetenv("KVQ_DOCUMENTS");
}
