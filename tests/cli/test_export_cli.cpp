#include "cli/WmbusCli.h"

#include "core/wmbus/route/RouteFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sstream>

using namespace kvq::cli;

namespace {

struct ExportRun {
    int rc = 0;
    std::string out, err;
};

ExportRun exportRun(const QStringList& args) {
    std::ostringstream out, err;
    ExportRun r;
    r.rc = runWmbusCli(QStringList{"export"} + args, out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
}

QString write(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return f.fileName();
}

QByteArray read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// Two water meters as the RadioCraft receiver frames them (L counts up to the RSSI byte), the first
// twice with a new reading, the second outside the route.
const QByteArray kReplay = "6819 44AE4C4455223368077A55000000041389E20100023B0000 8A 16\r\n"
                           "6819 44AE4C4555223368077A56000000041389E20100023B0000 8A 16\r\n"
                           "6819 44AE4C4455223368077A57000000041399E20100023B0000 8A 16\r\n";

const QByteArray kFormats =
    "[Wasser]\r\nRadioID=Zähler\r\nTCount=Zugriff\r\nValue1[1]=Stand\r\n"
    "Option_Value1[1]=[M]\r\nUnit1=Einheit\r\nRSSI=Pegel\r\nOption_RSSI=[X]\r\n"
    "RTime=Zeit\r\nFILT_RFIDMAX=99999999\r\nFILT_RFIDMIN=00000000\r\nFILT_MC=SEN\r\n"
    "FILT_MEDIUM=07\r\nFILT_LAENGE=025\r\nFILT_ENABLE=1\r\n"
    "[Aus]\r\nRadioID=ID\r\nFILT_MC=SEN\r\nFILT_MEDIUM=07\r\nFILT_LAENGE=025\r\nFILT_ENABLE=0\r\n";

} // namespace

TEST(ExportCli, RouteDevicesOnlyIntoEachFormatsCsv) {
    QTemporaryDir dir;
    kvq::wmbus::Route route;
    kvq::wmbus::RouteDevice device;
    device.radioId = 33225544;
    device.manufacturer = "SEN";
    device.medium = "7";
    route.appendDevice(route.addFloor(route.addBuilding()), device);
    const QString routePath = dir.filePath("Haus.ROUTE");
    ASSERT_TRUE(kvq::wmbus::writeRouteFile(route, routePath, "T").ok());
    const QString replay = write(dir, "fahrt.txt", kReplay);
    const QString exf = write(dir, "Exportformat.EXF", kFormats);
    const QString out = dir.filePath("csv");

    const ExportRun r = exportRun(
        {"--formats", exf, "--out-dir", out, "--route", routePath, "--now", "20.05.2026 09:00:00", replay});
    ASSERT_EQ(r.rc, kExitOk) << r.err;
    EXPECT_EQ(read(QDir(out).filePath("Wasser.csv")), "Z\xE4hler;Zugriff;Value1 / 30.4.2026;Einheit;Zeit\r\n"
                                                      "33225544;87;123,545;m\xB3;20.05.2026 09:00:00\r\n");
    EXPECT_FALSE(QFile::exists(QDir(out).filePath("Aus.csv")));
    EXPECT_NE(r.out.find("3 telegrams decoded, 2 taken by a format"), std::string::npos) << r.out;

    // Without a route every telegram is offered; a folder that cannot be made fails by format name.
    const ExportRun all =
        exportRun({"--formats", exf, "--out-dir", out, "--now", "20.05.2026 09:00:00", replay});
    ASSERT_EQ(all.rc, kExitOk) << all.err;
    EXPECT_EQ(read(QDir(out).filePath("Wasser.csv")).count("\r\n"), 3);
    write(dir, "im-weg", "x");
    const ExportRun blocked = exportRun({"--formats", exf, "--out-dir", dir.filePath("im-weg"), replay});
    EXPECT_EQ(blocked.rc, kExitInput);
    EXPECT_NE(blocked.err.find("format Wasser"), std::string::npos) << blocked.err;
}

TEST(ExportCli, BadCommandLinesAndFiles) {
    QTemporaryDir dir;
    const QString exf = write(dir, "x.EXF", kFormats);
    const QString replay = write(dir, "r.txt", kReplay);
    EXPECT_EQ(exportRun({"--out-dir", dir.path(), replay}).rc, kExitUsage);
    EXPECT_EQ(exportRun({"--formats", exf, "--out-dir", dir.path()}).rc, kExitUsage);
    EXPECT_EQ(exportRun({"--formats", exf, "--out-dir", dir.path(), "--now", "2026-05-20", replay}).rc,
              kExitUsage);
    EXPECT_EQ(exportRun({"--formats", exf, "--out-dir", dir.path(), dir.filePath("fehlt.txt")}).rc,
              kExitInput);
    EXPECT_EQ(
        exportRun({"--formats", exf, "--out-dir", dir.path(), "--route", dir.filePath("fehlt.ROUTE"), replay})
            .rc,
        kExitInput);
}
