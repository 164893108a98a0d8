#include "cli/Listen.h"
#include "cli/WmbusCli.h"

#include "TestData.h"
#include "core/wmbus/route/RouteFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pty.h>
#include <sstream>
#include <termios.h>
#include <unistd.h>

using namespace kvq::cli;

namespace {

struct CliRun {
    int rc = 0;
    std::string out, err;
};

CliRun run(QStringList args) {
    std::ostringstream out, err;
    CliRun r;
    r.rc = runWmbusCli(args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

QString writeTemp(QTemporaryDir& dir, const char* name, const QByteArray& text) {
    const QString path = dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    return path;
}

// The water meter telegram of the shared data with 123.529 m³, as sent (no RSSI).
const char* const kWater = "1844AE4C4455223368077A55000000041389E20100023B0000";

std::vector<QString> peerTelegrams() {
    std::vector<QString> out;
    QFile f(kvq::test::testDataDir() + "/wmbus/peer-telegrams.tsv");
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    f.readLine();
    while (!f.atEnd()) {
        const QString line = QString::fromUtf8(f.readLine());
        if (!line.trimmed().isEmpty())
            out.push_back(line.section(u'\t', 0, 0));
    }
    return out;
}

} // namespace

TEST(WmbusCli, UsageErrorsExitWithTwo) {
    EXPECT_EQ(run({}).rc, kExitUsage);
    EXPECT_EQ(run({"frobnicate"}).rc, kExitUsage);
    EXPECT_EQ(run({"decode"}).rc, kExitUsage);
    EXPECT_EQ(run({"decode", "--format", "xml", kWater}).rc, kExitUsage);
    EXPECT_EQ(run({"decode", "--bogus", kWater}).rc, kExitUsage);
    EXPECT_EQ(run({"replay"}).rc, kExitUsage);
    EXPECT_EQ(run({"listen", "--port", "/dev/null"}).rc, kExitUsage); // no receiver type
    const CliRun badKey = run({"decode", "--key", "123=ABC", kWater});
    EXPECT_EQ(badKey.rc, kExitUsage);
    EXPECT_NE(badKey.err.find("32 hex digits"), std::string::npos);
    EXPECT_EQ(run({"--help"}).rc, kExitOk);
}

TEST(WmbusCli, DecodeShowsValuesInBothLocalesAndForms) {
    const CliRun de = run({"decode", "--no-rssi", kWater});
    ASSERT_EQ(de.rc, kExitOk) << de.err;
    EXPECT_NE(de.out.find("123,529 m³"), std::string::npos) << de.out;
    EXPECT_NE(de.out.find("M SEN"), std::string::npos);
    EXPECT_NE(de.out.find("ID 33225544"), std::string::npos);

    const CliRun c = run({"decode", "--no-rssi", "--locale", "c", "--format", "json", kWater});
    ASSERT_EQ(c.rc, kExitOk);
    EXPECT_NE(c.out.find("{\"value\":\"123.529\",\"unit\":\"m³\"}"), std::string::npos) << c.out;
    EXPECT_NE(c.out.find("\"encrypted\":false"), std::string::npos);
    EXPECT_EQ(std::count(c.out.begin(), c.out.end(), '\n'), 1);

    // With its RSSI byte (L one larger): RadioCraft shows raw/2, Amber signed/2 - 75.
    const std::string withRssi = "19" + std::string(kWater + 2) + "8A";
    EXPECT_NE(run({"decode", withRssi.c_str()}).out.find("RSSI -69"), std::string::npos);
    EXPECT_NE(run({"decode", "--framing", "amber", withRssi.c_str()}).out.find("RSSI -134"),
              std::string::npos);
}

TEST(WmbusCli, BadTelegramsAreReportedAndSkipped) {
    const CliRun r = run({"decode", "--no-rssi", "zz", "2E44A511", kWater});
    EXPECT_EQ(r.rc, kExitOk);
    EXPECT_NE(r.err.find("telegram 1:"), std::string::npos);
    EXPECT_NE(r.err.find("telegram 2:"), std::string::npos);
    EXPECT_NE(r.out.find("Telegram 1"), std::string::npos); // the good one is still numbered first
    EXPECT_EQ(r.out.find("Telegram 2"), std::string::npos);
}

TEST(WmbusCli, EverySharedTelegramDecodes) {
    QStringList args{"decode", "--no-rssi", "--format", "json"};
    const auto telegrams = peerTelegrams();
    ASSERT_GE(telegrams.size(), 60u);
    for (const QString& t : telegrams)
        args << t;
    const CliRun r = run(args);
    EXPECT_EQ(r.rc, kExitOk);
    EXPECT_EQ(std::size_t(std::count(r.out.begin(), r.out.end(), '\n')), telegrams.size()) << r.err;
}

TEST(WmbusCli, ReplayWritesTheDataTable) {
    QTemporaryDir dir;
    // 0x68 frame: start byte, L counting to the RSSI byte, telegram, RSSI, 0x16.
    const QByteArray frame = "6819" + QByteArray(kWater + 2) + "8A16";
    const QString path =
        writeTemp(dir, "mobile.dat", frame + "\n01.02.2020 10:20:30;" + frame + "\nnot hex\n");
    const QString out = dir.filePath("out.csv");
    const CliRun r = run({"replay", path, "--out", out});
    ASSERT_EQ(r.rc, kExitOk) << r.err;
    EXPECT_NE(r.err.find("line 3"), std::string::npos);
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = f.readAll().split('\n');
    ASSERT_GE(lines.size(), 3);
    EXPECT_TRUE(
        lines[0].startsWith("Index;Length;RadioID;TCount;MeterID;RTime;Medium;MC;AES;RSSI;Value;Unit;"));
    EXPECT_EQ(lines[0].count(';'), 49);
    EXPECT_TRUE(lines[1].startsWith("1;25;33225544;85;33225544;"));
    EXPECT_TRUE(
        lines[2].startsWith("2;25;33225544;85;33225544;01.02.2020 10:20:30;7;SEN;no;-69;123,529;m³;0;m³/h"))
        << lines[2].toStdString();
    EXPECT_EQ(lines[2].count(';'), 49);

    EXPECT_EQ(run({"replay", dir.filePath("missing.dat")}).rc, kExitInput);
}

TEST(WmbusCli, ReplayInAmberFraming) {
    QTemporaryDir dir;
    // FF 03 n payload XOR: n counts C..RSSI.
    std::vector<std::uint8_t> bytes{0xFF, 0x03};
    std::vector<std::uint8_t> tel;
    std::string hex = std::string(kWater + 2) + "8A";
    for (std::size_t i = 0; i < hex.size(); i += 2)
        tel.push_back(std::uint8_t(std::stoi(hex.substr(i, 2), nullptr, 16)));
    bytes.push_back(std::uint8_t(tel.size()));
    bytes.insert(bytes.end(), tel.begin(), tel.end());
    std::uint8_t x = 0;
    for (auto b : bytes)
        x ^= b;
    bytes.push_back(x);
    QByteArray line = QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()).toHex();
    const QString path = writeTemp(dir, "amber.dat", "FFFF00" + line + "\n" + line + "\n");
    const CliRun r = run({"replay", path, "--framing", "amber", "--format", "json"});
    ASSERT_EQ(r.rc, kExitOk);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 2) << r.out << r.err;
    EXPECT_NE(r.out.find("\"rssi\":\"-134\""), std::string::npos);
}

TEST(WmbusCli, DeriveKey) {
    const CliRun r = run({"derive-key", "12345678"});
    ASSERT_EQ(r.rc, kExitOk);
    EXPECT_EQ(r.out.size(), 48u); // 16 pairs, blanks between them, line break
    EXPECT_EQ(run({"derive-key"}).rc, kExitUsage);
}

TEST(WmbusCliListen, ConfiguresTheReceiverAndPrintsTelegrams) {
    int master = -1, slave = -1;
    char name[256];
    ASSERT_EQ(openpty(&master, &slave, name, nullptr, nullptr), 0);
    termios raw{};
    tcgetattr(slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(slave, TCSANOW, &raw);
    fcntl(master, F_SETFL, fcntl(master, F_GETFL) | O_NONBLOCK);

    const std::string frame = "\x68\x19" + std::string("\x44\xAE\x4C\x44\x55\x22\x33\x68\x07\x7A\x55\x00\x00"
                                                       "\x00\x04\x13\x89\xE2\x01\x00\x02\x3B\x00\x00\x8A\x16",
                                                       26);
    QTimer::singleShot(150,
                       [&] { ASSERT_EQ(write(master, frame.data(), frame.size()), ssize_t(frame.size())); });

    std::ostringstream out, err;
    TelegramPrinter printer(out, OutputFormat::Text);
    kvq::wmbus::TelegramDecoder decoder;
    ListenOptions o{QString::fromLatin1(name), kvq::wmbus::Framing::RadioCraft, "C", 1, 5};
    EXPECT_EQ(listen(o, decoder, printer, err), kExitOk) << err.str();
    EXPECT_NE(out.str().find("123,529 m³"), std::string::npos) << out.str() << err.str();

    std::string sent;
    char buf[512];
    ssize_t n;
    while ((n = read(master, buf, sizeof buf)) > 0)
        sent.append(buf, n);
    const std::string expected(
        "\x58\xFF\x00\x00\x4D\x36\x04\x3F\x00\x05\x01\x3A\x01\x03\x09\x00\x01\x04\x00\xFF\x58", 21);
    EXPECT_EQ(sent, expected);
    close(slave);
    close(master);
}

TEST(WmbusCliListen, MissingDeviceIsAnInputError) {
    std::ostringstream out, err;
    TelegramPrinter printer(out, OutputFormat::Text);
    kvq::wmbus::TelegramDecoder decoder;
    EXPECT_EQ(listen(ListenOptions{"/dev/kvq-no-such-port", kvq::wmbus::Framing::Amber, "T", 1, 5}, decoder,
                     printer, err),
              kExitInput);
    // The port layer's own message: the port and what to do.
    EXPECT_NE(err.str().find("/dev/kvq-no-such-port nicht gefunden"), std::string::npos) << err.str();
}

TEST(WmbusCli, RouteFileRegistersItsDevices) {
    QTemporaryDir dir;
    kvq::wmbus::Route route;
    const auto floor = route.addFloor(route.addBuilding());
    kvq::wmbus::RouteDevice device;
    device.radioId = 33225544;
    device.manufacturer = "SEN";
    device.medium = "7";
    route.appendDevice(floor, device);
    const QString path = dir.filePath("test.ROUTE");
    ASSERT_TRUE(kvq::wmbus::writeRouteFile(route, path, "T").ok());

    const CliRun in = run({"decode", "--no-rssi", "--format", "json", "--route", path, kWater});
    ASSERT_EQ(in.rc, kExitOk) << in.err;
    EXPECT_NE(in.out.find("\"registered\":true"), std::string::npos) << in.out;
    const CliRun out = run({"decode", "--no-rssi", "--format", "json", kWater});
    EXPECT_NE(out.out.find("\"registered\":false"), std::string::npos);
    EXPECT_EQ(run({"decode", "--route", dir.filePath("none.ROUTE"), kWater}).rc, kExitInput);
}

TEST(WmbusCli, KeysGivenByHandDecrypt) {
    // A published mode 5 telegram (long header) with its key; the key belongs to the link ID.
    const char* hex = "76442104710007612507727100076121042507B5006005E2E95A3C2A1279A5415E6732679B43369FD5FDDD"
                      "D783EEEBB48236D34E7C9"
                      "4AF0A18A5FDA5F7D64111EB42D4D891622139F2952F9D12A20088DFA4CF8123871123EE1F6C1DCEA414879"
                      "DDB4E05E508F1826D7EFBA"
                      "6964DF804C9261EA23BBF03";
    const CliRun with = run({"decode", "--no-rssi", "--format", "json", "--key",
                             "61070071=A004EB23329A477F1DD2D7820B56EB3D", hex});
    ASSERT_EQ(with.rc, kExitOk) << with.err;
    EXPECT_NE(with.out.find("\"decrypted\":true"), std::string::npos) << with.out;
    EXPECT_NE(with.out.find("\"key\":\"A004EB23329A477F1DD2D7820B56EB3D\""), std::string::npos) << with.out;
    EXPECT_NE(with.out.find("{\"value\":\"466,472\",\"unit\":\"m³\"}"), std::string::npos);
    const CliRun without = run({"decode", "--no-rssi", "--format", "json", hex});
    EXPECT_NE(without.out.find("\"decrypted\":false"), std::string::npos);
    EXPECT_NE(without.out.find("\"values\":[]"), std::string::npos);
}

TEST(WmbusCli, ExplainShowsEveryFieldAndRecordOfSharedTelegrams) {
    // A plain telegram, one in mode 5 behind a long header and one in mode 7 behind an extended link
    // and an authentication layer (the latter without the CRCs of frame format B).
    QFile tsv(kvq::test::testDataDir() + "/wmbus/peer-telegrams.tsv");
    ASSERT_TRUE(tsv.open(QIODevice::ReadOnly | QIODevice::Text));
    const QList<QByteArray> rows = tsv.readAll().split('\n');
    for (const int row : {3, 46, 64}) {
        SCOPED_TRACE(row);
        const QList<QByteArray> cols = rows[row].split('\t');
        QByteArray radio = QByteArray::fromHex(cols[0]);
        if (row == 64) {
            radio = radio.left(126) + radio.mid(128, radio.size() - 130);
            radio[0] = char(radio.size() - 1);
        }
        // The key belongs to the link ID, read as a decimal number.
        const QString id = QString::asprintf("%02X%02X%02X%02X", quint8(radio[7]), quint8(radio[6]),
                                             quint8(radio[5]), quint8(radio[4]));
        QStringList args = {"explain", "--no-rssi", "--locale", "c", QString::fromLatin1(radio.toHex())};
        if (!cols[1].isEmpty())
            args << "--key" << id + "=" + QString::fromLatin1(cols[1]);
        const CliRun r = run(args);
        ASSERT_EQ(r.rc, 0) << r.err;
        QFile expected(kvq::test::testDataDir() + QString("/wmbus/explain/row%1.txt").arg(row));
        ASSERT_TRUE(expected.open(QIODevice::ReadOnly | QIODevice::Text));
        const QStringList want = QString::fromUtf8(expected.readAll()).split('\n', Qt::SkipEmptyParts);
        const QStringList got = QString::fromStdString(r.out).split('\n', Qt::SkipEmptyParts);
        for (qsizetype k = 0; k < std::max(want.size(), got.size()); ++k)
            EXPECT_EQ(got.value(k).toStdString(), want.value(k).toStdString()) << "line " << k + 1;
    }
}

TEST(WmbusCli, AllRecordsListsTheRecordsAfterTheTwentieth) {
    // Short header, then 22 one-byte HCA records with storage numbers.
    QByteArray hex = "4442040011223320087A01000000";
    for (int k = 0; k < 22; ++k)
        hex += "016E" + QByteArray::number(k + 10, 16).rightJustified(2, '0');
    const QByteArray bytes = QByteArray::fromHex(hex);
    const QByteArray telegram = QByteArray(1, char(bytes.size())) + bytes;
    const QString text = QString::fromLatin1(telegram.toHex());
    const CliRun twenty = run({"decode", "--no-rssi", "--format", "json", text});
    const CliRun all = run({"decode", "--no-rssi", "--format", "json", "--all-records", text});
    EXPECT_EQ(twenty.out.find("\"031\""), std::string::npos) << twenty.out;
    EXPECT_NE(all.out.find("\"030\""), std::string::npos) << all.out;
    EXPECT_NE(all.out.find("\"031\""), std::string::npos) << all.out;
    const CliRun textAll = run({"decode", "--no-rssi", "--all-records", text});
    EXPECT_NE(textAll.out.find("  22: 031 HCA"), std::string::npos) << textAll.out;
}

TEST(WmbusCli, ReplayedFullFrameTeachesTheCompactFramesThatFollow) {
    // Shared rows 63 (full frame) and 65 (compact frame) of one meter, both encrypted in the extended
    // link layer; the compact frame comes first once, when its format is not known yet.
    QFile tsv(kvq::test::testDataDir() + "/wmbus/peer-telegrams.tsv");
    ASSERT_TRUE(tsv.open(QIODevice::ReadOnly | QIODevice::Text));
    const QList<QByteArray> rows = tsv.readAll().split('\n');
    auto frame = [&](int row) {
        QByteArray radio = QByteArray::fromHex(rows[row].split('\t')[0]);
        radio[0] = char(radio[0] + 1); // the receiver's L counts the RSSI byte
        return "68" + radio.toHex().toUpper() + "8A16\n";
    };
    QTemporaryDir dir;
    const QString path = writeTemp(dir, "replay.dat", frame(65) + frame(63) + frame(65) + frame(65));
    const QString key = "76348799=" + QString::fromLatin1(rows[63].split('\t')[1]);
    const QString formats = writeTemp(dir, "kformate.ini", "");
    const CliRun r =
        run({"replay", path, "--format", "json", "--locale", "c", "--key", key, "--kformate", formats});
    ASSERT_EQ(r.rc, 0) << r.err;
    const QStringList lines = QString::fromStdString(r.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].contains("\"values\":[]")) << lines[0].toStdString();
    for (int k = 1; k < 4; ++k)
        EXPECT_TRUE(lines[k].contains("\"value\":\"6.40")) << lines[k].toStdString();
    // The learned format is kept in the file the user named.
    QFile ini(formats);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("[EDA8]\r\nNAME=learned\r\nHERST=KAM\r\nMEDIUM=22"));
}
