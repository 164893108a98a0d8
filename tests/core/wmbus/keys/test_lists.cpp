#include "core/wmbus/keys/CsvFields.h"
#include "core/wmbus/keys/DeviceList.h"
#include "core/wmbus/keys/KeyList.h"

#include <gtest/gtest.h>

using namespace kvq::wmbus;

namespace {

const char kKey[] = "82B0551191F51D66EFCDAB8967452301";

struct KeyRig {
    Route route;
    RouteNodeId water = 0, hca = 0;
    KeyRig() {
        const RouteNodeId floor = route.addFloor(route.addBuilding());
        RouteDevice d;
        d.radioId = 12345678;
        d.medium = QStringLiteral("7");
        water = route.appendDevice(floor, d);
        d.medium = QStringLiteral("8");
        d.keyText = QStringLiteral("00112233445566778899AABBCCDDEEFF");
        hca = route.appendDevice(floor, d);
    }
};

ListLineError errorOf(const std::variant<KeyList, ListLineError>& v) {
    return std::holds_alternative<ListLineError>(v) ? std::get<ListLineError>(v) : ListLineError{0, {}};
}

} // namespace

TEST(CsvFields, QuotedFieldsKeepTheirSemicolonsAndQuotes) {
    EXPECT_EQ(csvFields(QStringLiteral(" a ;\"b;c\";\"say \"\"hi\"\"\";")),
              (QStringList{"a", "b;c", "say \"hi\"", ""}));
    EXPECT_EQ(csvLines("head\r\nline1\nline2\r\n"), (QStringList{"head", "line1", "line2"}));
    EXPECT_EQ(csvLines("x\n\xE4"), (QStringList{"x", QStringLiteral("ä")})); // Windows-1252
}

TEST(CsvFields, DeviceTypesAndKeysWithAndWithoutPrefix) {
    EXPECT_EQ(deviceTypeField(QStringLiteral("07")), 7);
    EXPECT_EQ(deviceTypeField(QStringLiteral("0x07")), 7);
    // After the prefix the digits are hexadecimal: 0x10 is sixteen, 0x1B a room sensor.
    EXPECT_EQ(deviceTypeField(QStringLiteral("0X10")), 16);
    EXPECT_EQ(deviceTypeField(QStringLiteral("0x1B")), 27);
    EXPECT_EQ(deviceTypeField(QStringLiteral("1B")), std::nullopt);
    EXPECT_EQ(deviceTypeField(QStringLiteral("256")), std::nullopt);
    EXPECT_EQ(deviceTypeField(QStringLiteral("0x")), std::nullopt);
    EXPECT_EQ(keyField(QStringLiteral("0x82b0551191f51d66efcdab8967452301")), QString::fromLatin1(kKey));
    EXPECT_EQ(keyField(QStringLiteral("82 B0 55 11 91 F5 1D 66 EF CD AB 89 67 45 23 01")),
              QString::fromLatin1(kKey));
    EXPECT_EQ(keyField(QString()), QString());
    EXPECT_EQ(keyField(QStringLiteral("82B0551191F51D66EFCDAB896745230")), std::nullopt); // 31 digits
    EXPECT_EQ(keyField(QStringLiteral("82B0551191F51D66EFCDAB896745230G")), std::nullopt);
}

TEST(KeyList, SetsTheKeyOfTheDeviceWithThatIdAndType) {
    KeyRig rig;
    const QByteArray file = QByteArray("Nr;FunkID;Medium;Key\r\n") + "any text;12345678;0x07;0x" + kKey +
                            "\r\n"
                            "x;12345678;0x09;FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF\r\n"
                            "\r\n"
                            "y;12345678;7;00000000000000000000000000000000\r\n";
    const auto parsed = parseKeyList(file);
    ASSERT_TRUE(std::holds_alternative<KeyList>(parsed));
    EXPECT_EQ(applyKeyList(std::get<KeyList>(parsed), rig.route), 1);
    EXPECT_EQ(rig.route.device(rig.water)->keyText, QString::fromLatin1(kKey)); // the first fitting line
    // Another type: the key stays.
    EXPECT_EQ(rig.route.device(rig.hca)->keyText, QStringLiteral("00112233445566778899AABBCCDDEEFF"));
    // The decoder finds the new key.
    EXPECT_EQ(rig.route.findRouteDevice(12345678, 7, "QLM")->keyText, kKey);
}

TEST(KeyList, ABadLineRefusesTheWholeListWithItsLineNumber) {
    const QByteArray good = QByteArray("head\n") + "a;1;7;" + kKey + "\n";
    EXPECT_EQ(errorOf(parseKeyList(good + "a;1;7\n")).fault, ListLineFault::TooFewFields);
    EXPECT_EQ(errorOf(parseKeyList(good + "a;1;7\n")).line, 3);
    EXPECT_EQ(errorOf(parseKeyList(good + "a;12a;7;" + kKey)).fault, ListLineFault::BadRadioId);
    EXPECT_EQ(errorOf(parseKeyList(good + "a;1;x;" + kKey)).fault, ListLineFault::BadDeviceType);
    EXPECT_EQ(errorOf(parseKeyList(good + "\n" + "a;1;7;0x1234")).line, 4);
    EXPECT_EQ(errorOf(parseKeyList(good + "a;1;7;")).fault, ListLineFault::BadKey);
    // Only a heading: nothing to take, nothing wrong.
    const auto empty = parseKeyList("FunkID;Key\n");
    ASSERT_TRUE(std::holds_alternative<KeyList>(empty));
    EXPECT_TRUE(std::get<KeyList>(empty).entries().empty());
}

TEST(DeviceList, BuildsBuildingsFloorsAndDevicesAndReportsEveryRefusedLine) {
    Route route;
    BuildingRecord existing;
    existing.name = QStringLiteral("Haus A");
    const RouteNodeId a = route.appendBuilding(existing);
    const QByteArray file = QByteArray("Haus;Etage;FunkID;Hersteller;Medium;AESKey;Bemerkung\r\n") +
                            "Haus A;EG;11111111;qlm;8;;Bad links\r\n" // 2: into the existing building
                            "Haus A;EG;22222222;QLM;0x1B;" +
                            kKey +
                            "\r\n"                             // 3: same floor, with key
                            "Haus B;1. OG;33333333;CEN;7;\r\n" // 4: new building and floor
                            ";;44444444;CEN;7;\r\n"            // 5: no place: import list
                            "Haus A;;55555555;CEN;7;\r\n"      // 6: floor missing
                            "Haus A;EG;11111111;QLM;8;\r\n"    // 7: already placed
                            "Haus A;EG;0;QLM;8;\r\n"           // 8: no radio ID
                            "Haus A;EG;66666666;Q1M;8;\r\n"    // 9: no flag code
                            "Haus A;EG;66666666;QLM;300;\r\n"  // 10: no device type
                            "Haus A;EG;66666666;QLM;8;123\r\n" // 11: no key
                            "Haus A;EG;66666666\r\n";          // 12: too few fields
    const DeviceListImport result = importDeviceList(parseDeviceList(file), route);
    EXPECT_EQ(result.placed, 3);
    ASSERT_EQ(result.unplaced.size(), 1u);
    EXPECT_EQ(result.unplaced[0].device.radioId, 44444444u);
    std::vector<std::pair<int, ListLineFault>> refused;
    for (const ListLineError& e : result.refused)
        refused.emplace_back(e.line, e.fault);
    EXPECT_EQ(refused, (std::vector<std::pair<int, ListLineFault>>{{6, ListLineFault::MissingPlace},
                                                                   {7, ListLineFault::AlreadyInRoute},
                                                                   {8, ListLineFault::BadRadioId},
                                                                   {9, ListLineFault::BadManufacturer},
                                                                   {10, ListLineFault::BadDeviceType},
                                                                   {11, ListLineFault::BadKey},
                                                                   {12, ListLineFault::TooFewFields}}));

    ASSERT_EQ(route.childCount(route.root()), 2);
    ASSERT_EQ(route.childCount(a), 1);
    const RouteNodeId eg = route.child(a, 0);
    EXPECT_EQ(route.floor(eg)->name, QStringLiteral("EG"));
    ASSERT_EQ(route.childCount(eg), 2);
    const RouteDevice* first = route.device(route.child(eg, 0));
    EXPECT_EQ(first->manufacturer, QStringLiteral("QLM"));
    EXPECT_EQ(first->positionText, QStringLiteral("Bad links"));
    const RouteDevice* second = route.device(route.child(eg, 1));
    EXPECT_EQ(second->medium, QStringLiteral("27"));
    EXPECT_EQ(second->keyText, QString::fromLatin1(kKey));
    EXPECT_EQ(route.building(route.child(route.root(), 1))->name, QStringLiteral("Haus B"));
    EXPECT_TRUE(route.findRouteDevice(33333333, 7, "CEN"));
}
