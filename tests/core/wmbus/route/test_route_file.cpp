#include "core/wmbus/crypto/Aes128.h"
#include "core/wmbus/crypto/KeyText.h"
#include "core/wmbus/route/RouteFile.h"
#include "core/wmbus/route/RouteKeyProtection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::wmbus;

namespace {

const QString kKeyA = "2B7E151628AED2A6ABF7158809CF4F3C";
const QString kKeyB = "000102030405060708090A0B0C0D0E0F";

RouteDevice makeDevice(std::uint32_t id, const QString& medium, const QString& key = {}) {
    RouteDevice d;
    d.radioId = id;
    d.medium = medium;
    d.keyText = key;
    return d;
}

// One building with two floors and three devices, two of them on the first floor.
Route sampleRoute() {
    Route route(QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)));
    RouteRecord r = route.routeRecord();
    r.name = "Rundgang Süd";
    r.remark = "Ablesung März";
    route.setRouteRecord(r);
    const RouteNodeId h = route.addBuilding();
    BuildingRecord b = *route.building(h);
    b.street = "Hauptstraße";
    b.houseNumber = "12a";
    b.postCode = "12345";
    b.town = "Köln";
    b.remark = "Hof";
    route.setBuilding(h, b);
    const RouteNodeId e1 = route.addFloor(h);
    const RouteNodeId e2 = route.addFloor(h);
    route.appendDevice(e1, makeDevice(1234, "7", kKeyA));
    RouteDevice withText = makeDevice(22, "8");
    withText.positionText = "Bad, links";
    withText.manufacturer = "ABC";
    route.appendDevice(e1, withText);
    route.appendDevice(e2, makeDevice(4294967295u, "99", "00 01 02 03 04 05 06 07 08 09 0a 0b 0c 0d 0e 0f"));
    return route;
}

QString fileText(const IniFile& ini) {
    return QString::fromLatin1(ini.toBytes());
}

TEST(RouteFile, WritesSectionsKeysAndCountsInTreeOrder) {
    const Route route = sampleRoute();
    QStringList warnings;
    const IniFile ini = routeToIni(route, "C", kRouteCreateFormat, &warnings);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();

    const QString protectedA = protectKeyText(kKeyA);
    const QString protectedB = protectKeyText(kKeyB);
    const QString expected =
        QStringLiteral(
            "[SETUP]\r\nEDITKEY=\r\nRFMODE=C\r\n"
            "[ROUTE]\r\nNAME=Rundgang Süd\r\nCREATE=05.03.2024 14:07:09\r\nERSTELLER=Mustermann\r\n"
            "BEMERKUNG=Ablesung März\r\nHAUSER=1\r\n"
            "[HAUS1]\r\nNAME=Haus1\r\nSTRASSE=Hauptstraße\r\nNR=12a\r\nPLZ=12345\r\nORT=Köln\r\nBEMERKUNG="
            "Hof\r\n"
            "ANZETAGEN=2\r\nANZS=3\r\n"
            "[HAUS1_E1]\r\nNAME=Etage1\r\nBEMERKUNG=\r\n"
            "[HAUS1_S1]\r\nRADIOID=1234\r\nMEDIUM=7\r\nTEXT=\r\nMANCODE=QLM\r\nETAGE=Etage1\r\nAESKEY=%1\r\n"
            "[HAUS1_S2]\r\nRADIOID=22\r\nMEDIUM=8\r\nTEXT=Bad, "
            "links\r\nMANCODE=ABC\r\nETAGE=Etage1\r\nAESKEY=\r\n"
            "[HAUS1_E2]\r\nNAME=Etage2\r\nBEMERKUNG=\r\n"
            "[HAUS1_S3]\r\nRADIOID=4294967295\r\nMEDIUM=99\r\nTEXT=\r\nMANCODE=QLM\r\nETAGE=Etage2\r\nAESKEY="
            "%2\r\n")
            .arg(protectedA, protectedB);
    EXPECT_EQ(fileText(ini).toStdString(), expected.toStdString());
    // Windows-1252 on disk: the umlauts are single bytes.
    EXPECT_TRUE(ini.toBytes().contains("K\xF6ln"));
}

TEST(RouteFile, KeysAreStoredOnlyInProtectedForm) {
    const QString stored = protectKeyText(kKeyA);
    EXPECT_EQ(stored.size(), 32);
    EXPECT_NE(stored, kKeyA);
    EXPECT_EQ(stored, stored.toUpper());
    // One AES block under the fixed file key.
    const crypto::Key fileKey = crypto::ParseKeyText("A1B2C3D4E5F60718293A4B5C6D7E8F90");
    EXPECT_EQ(crypto::ParseKeyText(stored.toStdString()),
              crypto::EncryptBlock(fileKey, crypto::ParseKeyText(kKeyA.toStdString())));
    EXPECT_EQ(unprotectKeyText(stored).value(), kKeyA);
    EXPECT_EQ(protectKeyText("2b7e 1516 28ae d2a6 abf7 1588 09cf 4f3c"), stored);
    EXPECT_EQ(protectKeyText(""), "");
    EXPECT_EQ(protectKeyText("   "), "");
    EXPECT_EQ(unprotectKeyText("").value(), QString());
    EXPECT_FALSE(unprotectKeyText("1234"));
    EXPECT_FALSE(unprotectKeyText(stored + "0"));
    EXPECT_FALSE(unprotectKeyText(QString(stored).replace(0, 1, "Z")));
}

TEST(RouteFile, SaveAndLoadKeepEverything) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Test.ROUTE");
    const Route route = sampleRoute();
    auto saved = writeRouteFile(route, path, "T");
    ASSERT_TRUE(saved) << saved.message().toStdString();

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray raw = file.readAll();
    EXPECT_FALSE(raw.contains(kKeyA.toLatin1()));
    EXPECT_FALSE(raw.contains(kKeyB.toLatin1()));

    auto loaded = readRouteFile(path);
    ASSERT_TRUE(loaded) << loaded.message().toStdString();
    const Route& back = loaded->route;
    EXPECT_TRUE(loaded->messages.isEmpty()) << loaded->messages.join('\n').toStdString();
    EXPECT_EQ(loaded->radioModes, QStringList{"T"});
    EXPECT_FALSE(back.isModified());

    EXPECT_EQ(back.routeRecord().name, "Rundgang Süd");
    EXPECT_EQ(back.routeRecord().remark, "Ablesung März");
    EXPECT_EQ(back.routeRecord().created, route.routeRecord().created);
    ASSERT_EQ(back.childCount(back.root()), 1);
    const RouteNodeId h = back.child(back.root(), 0);
    const BuildingRecord& b = *back.building(h);
    EXPECT_EQ(b.name, "Haus1");
    EXPECT_EQ(b.street, "Hauptstraße");
    EXPECT_EQ(b.houseNumber, "12a");
    EXPECT_EQ(b.postCode, "12345");
    EXPECT_EQ(b.town, "Köln");
    EXPECT_EQ(b.remark, "Hof");
    ASSERT_EQ(back.childCount(h), 2);
    EXPECT_EQ(back.childCount(back.child(h, 0)), 2);
    EXPECT_EQ(back.childCount(back.child(h, 1)), 1);

    const auto devices = back.devicesInTreeOrder();
    ASSERT_EQ(devices.size(), 3u);
    EXPECT_EQ(back.device(devices[0])->keyText, kKeyA);
    EXPECT_EQ(back.device(devices[1])->keyText, "");
    EXPECT_EQ(back.device(devices[1])->positionText, "Bad, links");
    EXPECT_EQ(back.device(devices[1])->manufacturer, "ABC");
    EXPECT_EQ(back.device(devices[2])->radioId, 4294967295u);
    EXPECT_EQ(back.device(devices[2])->keyText, kKeyB);
    EXPECT_EQ(back.nodeImage(devices[0]), 4);
    EXPECT_EQ(back.nodeImage(devices[2]), 5);
    EXPECT_EQ(back.nodeText(devices[0]), "00001234");
    // The loaded route answers lookups with the clear key.
    ASSERT_TRUE(back.findRouteDevice(1234, 7, "QLM"));
    EXPECT_EQ(back.findRouteDevice(1234, 7, "QLM")->keyText, kKeyA.toStdString());

    // New names continue after what was loaded.
    Route& editable = loaded->route;
    EXPECT_EQ(editable.nodeText(editable.addBuilding()), "Haus2");
    EXPECT_EQ(editable.nodeText(editable.addFloor(h)), "Etage3");
}

TEST(RouteFile, FailedSaveLeavesThePreviousFile) {
    QTemporaryDir dir;
    // A name at the file system's limit: the file exists, but no temporary name beside it fits.
    const QString path = dir.filePath(QString(250, u'r') + ".ROUT");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly)) << old.errorString().toStdString();
        old.write("[ROUTE]\r\nNAME=alt\r\n");
    }
    auto saved = writeRouteFile(sampleRoute(), path, "T");
    EXPECT_FALSE(saved);
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), QByteArray("[ROUTE]\r\nNAME=alt\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);

    EXPECT_FALSE(writeRouteFile(sampleRoute(), dir.filePath("missing/x.ROUTE"), "T"));
    EXPECT_FALSE(readRouteFile(dir.filePath("none.ROUTE")));
}

TEST(RouteFile, LineBreaksInTextsCannotForgeKeys) {
    Route route;
    RouteRecord r = route.routeRecord();
    r.remark = "eins\r\nHAUSER=99\nzwei";
    route.setRouteRecord(r);
    const RouteNodeId f = route.addFloor(route.addBuilding());
    FloorRecord floor = *route.floor(f);
    floor.name = "Keller\nNord";
    route.setFloor(f, floor);
    route.appendDevice(f, makeDevice(1, "8"));

    const RouteReadResult back = readRoute(IniFile::fromBytes(routeToIni(route, "T").toBytes()));
    EXPECT_EQ(back.route.routeRecord().remark, "eins HAUSER=99 zwei");
    EXPECT_EQ(back.route.childCount(back.route.root()), 1);
    EXPECT_EQ(back.route.deviceCount(), 1);
    EXPECT_TRUE(back.messages.isEmpty());
}

TEST(RouteFile, RadioModeIsReadThreeTimes) {
    auto modes = [](const char* text) { return readRoute(IniFile::fromBytes(text)).radioModes; };
    EXPECT_EQ(modes(""), (QStringList{"T", "S", "C"}));
    EXPECT_EQ(modes("[SETUP]\nRFMODE=S\n"), QStringList{"S"});
    EXPECT_EQ(modes("[SETUP]\nRFMODE=C\n"), QStringList{"C"});
    EXPECT_TRUE(modes("[SETUP]\nRFMODE=X\n").isEmpty());
}

TEST(RouteFile, MissingKeysTakeTheDefaults) {
    const RouteReadResult r = readRoute(IniFile::fromBytes("[ROUTE]\nHAUSER=1\n[HAUS1]\nANZS=1\n[HAUS1_E1]\n"
                                                           "[HAUS1_S1]\nETAGE=FLOOR\n"));
    const Route& route = r.route;
    EXPECT_EQ(route.routeRecord().name, "Route1");
    EXPECT_FALSE(route.routeRecord().created.isValid());
    const RouteNodeId h = route.child(route.root(), 0);
    EXPECT_EQ(route.nodeText(h), "Haus");
    EXPECT_EQ(route.nodeText(route.child(h, 0)), "FLOOR");
    ASSERT_EQ(route.deviceCount(), 1);
    const RouteDevice& d = *route.device(route.devicesInTreeOrder()[0]);
    EXPECT_EQ(d.radioId, 1u);
    EXPECT_EQ(d.medium, "8");
    EXPECT_EQ(d.manufacturer, "QLM");
    EXPECT_EQ(d.rssi, "107");
    EXPECT_TRUE(d.keyText.isEmpty());
    EXPECT_EQ(route.nodeStateImage(route.devicesInTreeOrder()[0]), 3);
    EXPECT_TRUE(r.messages.isEmpty()) << r.messages.join('\n').toStdString();
}

TEST(RouteFile, DamagedFilesLoadWhatIsSound) {
    const QString good = protectKeyText(kKeyA);
    const QByteArray text = QStringLiteral("[ROUTE]\nHAUSER=1000000\nCREATE=gestern\n"
                                           "[HAUS1]\nANZETAGEN=1\nANZS=2147483647\n"
                                           "[HAUS1_E1]\nNAME=EG\n"
                                           "[HAUS1_S1]\nRADIOID=abc\nETAGE=EG\n"            // no number
                                           "[HAUS1_S2]\nRADIOID=-5\nETAGE=EG\n"             // negative
                                           "[HAUS1_S3]\nRADIOID=99999999999\nETAGE=EG\n"    // too big
                                           "[HAUS1_S4]\nRADIOID=4\nETAGE=OG\n"              // no such floor
                                           "[HAUS1_S5]\nRADIOID=5\nETAGE=EG\nAESKEY=12XY\n" // broken key
                                           "[HAUS1_S6]\nRADIOID=6\nETAGE=EG\nAESKEY=%1\n"
                                           "[HAUS01]\nNAME=zero\n"
                                           "[HAUS7_S1]\nRADIOID=7\n"
                                           "[HAUS1_X1]\n")
                                .arg(good)
                                .toLatin1();
    const RouteReadResult r = readRoute(IniFile::fromBytes(text));
    const Route& route = r.route;
    ASSERT_EQ(route.childCount(route.root()), 1);
    const auto devices = route.devicesInTreeOrder();
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(route.device(devices[0])->radioId, 5u);
    EXPECT_TRUE(route.device(devices[0])->keyText.isEmpty());
    EXPECT_EQ(route.device(devices[1])->keyText, kKeyA);

    const QString all = r.messages.join('\n');
    for (const char* part : {"HAUSER=1000000", "gestern", "HAUS1_S1", "HAUS1_S2", "HAUS1_S3", "HAUS1_S4",
                             "HAUS1_S5", "HAUS01", "HAUS7", "HAUS1_X1", "ANZS=2147483647"}) {
        EXPECT_TRUE(all.contains(QLatin1String(part))) << part << "\n" << all.toStdString();
    }
    EXPECT_FALSE(all.contains(kKeyA)); // keys never appear in messages
}

TEST(RouteFile, CountsBoundWhatIsRead) {
    const RouteReadResult r = readRoute(IniFile::fromBytes("[ROUTE]\nHAUSER=x\n[HAUS1]\nNAME=a\n"));
    EXPECT_EQ(r.route.childCount(r.route.root()), 0);
    EXPECT_TRUE(r.messages.join('\n').contains("HAUSER"));

    const RouteReadResult two = readRoute(IniFile::fromBytes("[ROUTE]\nHAUSER=1\n[HAUS1]\nANZETAGEN=-3\n"
                                                             "[HAUS1_E1]\n[HAUS2]\nNAME=b\n"));
    EXPECT_EQ(two.route.childCount(two.route.root()), 1);
    EXPECT_EQ(two.route.childCount(two.route.child(two.route.root(), 0)), 0);
    const QString all = two.messages.join('\n');
    EXPECT_TRUE(all.contains("HAUS2")) << all.toStdString();
    EXPECT_TRUE(all.contains("ANZETAGEN")) << all.toStdString();
}

// Files where floor numbers have gaps (a floor was deleted before saving) keep all floors
// and their devices.
TEST(RouteFile, FloorNumbersWithGapsLoseNothing) {
    const RouteReadResult r =
        readRoute(IniFile::fromBytes("[ROUTE]\nHAUSER=1\n[HAUS1]\nANZETAGEN=2\nANZS=2\n"
                                     "[HAUS1_E1]\nNAME=Etage1\n[HAUS1_E3]\nNAME=Etage3\n"
                                     "[HAUS1_S1]\nRADIOID=1\nETAGE=Etage1\n"
                                     "[HAUS1_S2]\nRADIOID=2\nETAGE=Etage3\n"));
    EXPECT_EQ(r.route.deviceCount(), 2);
    const RouteNodeId h = r.route.child(r.route.root(), 0);
    ASSERT_EQ(r.route.childCount(h), 2);
    EXPECT_EQ(r.route.nodeText(r.route.child(h, 1)), "Etage3");
    EXPECT_TRUE(r.messages.isEmpty()) << r.messages.join('\n').toStdString();
    // Written back, the floors are numbered without gaps.
    const QString text = QString::fromLatin1(routeToIni(r.route, "T").toBytes());
    EXPECT_TRUE(text.contains("[HAUS1_E2]\r\nNAME=Etage3"));
}

TEST(RouteFile, DuplicateFloorNamesAndBadKeysAreWarnedOnSave) {
    Route route;
    const RouteNodeId h = route.addBuilding();
    const RouteNodeId e1 = route.addFloor(h);
    const RouteNodeId e2 = route.addFloor(h);
    FloorRecord same = *route.floor(e2);
    same.name = route.floor(e1)->name;
    route.setFloor(e2, same);
    route.appendDevice(e2, makeDevice(3, "8", "123456789012345678901234567890"));
    QStringList warnings;
    routeToIni(route, "T", kRouteCreateFormat, &warnings);
    ASSERT_EQ(warnings.size(), 2);
    EXPECT_TRUE(warnings[0].contains("Etage1"));
    EXPECT_TRUE(warnings[1].contains("00000003"));
    EXPECT_FALSE(warnings.join(' ').contains("1234567890123")); // no key text in messages
}

} // namespace
