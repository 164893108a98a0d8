#include "core/wmbus/route/Route.h"

#include <gtest/gtest.h>

using namespace kvq::wmbus;

namespace {

RouteDevice makeDevice(std::uint32_t id, const QString& medium = QStringLiteral("8"),
                       const QString& man = QStringLiteral("QLM"), const QString& key = {}) {
    RouteDevice d;
    d.radioId = id;
    d.medium = medium;
    d.manufacturer = man;
    d.keyText = key;
    return d;
}

// Records every notification as one line, so tests can check order and arguments.
struct RecordingObserver : RouteObserver {
    std::vector<std::string> events;
    void aboutToInsert(RouteNodeId p, int f, int l) override { add("aboutToInsert", p, f, l); }
    void inserted(RouteNodeId p, int f, int l) override { add("inserted", p, f, l); }
    void aboutToRemove(RouteNodeId p, int f, int l) override { add("aboutToRemove", p, f, l); }
    void removed(RouteNodeId p, int f, int l) override { add("removed", p, f, l); }
    void aboutToReorder() override { events.push_back("aboutToReorder"); }
    void reordered() override { events.push_back("reordered"); }
    void changed(RouteNodeId n) override { events.push_back("changed " + std::to_string(n)); }
    void aboutToReset() override { events.push_back("aboutToReset"); }
    void reset() override { events.push_back("reset"); }
    void add(const char* what, RouteNodeId p, int f, int l) {
        events.push_back(std::string(what) + " " + std::to_string(p) + " " + std::to_string(f) + " " +
                         std::to_string(l));
    }
};

TEST(RouteModel, NewNodesAreNamedAndImagedAsTheUserSeesThem) {
    Route route;
    EXPECT_EQ(route.nodeText(route.root()), "Route 1");
    EXPECT_EQ(route.nodeImage(route.root()), 0);
    EXPECT_FALSE(route.isModified());

    const RouteNodeId h1 = route.addBuilding();
    const RouteNodeId h2 = route.addBuilding();
    EXPECT_EQ(route.nodeText(h1), "Haus1");
    EXPECT_EQ(route.nodeText(h2), "Haus2");
    EXPECT_EQ(route.routeRecord().buildingCounter, 2);
    EXPECT_EQ(route.nodeImage(h1), 1);

    const RouteNodeId e1 = route.addFloor(h1);
    const RouteNodeId e2 = route.addFloor(h1);
    const RouteNodeId other = route.addFloor(h2);
    EXPECT_EQ(route.nodeText(e1), "Etage1");
    EXPECT_EQ(route.nodeText(e2), "Etage2");
    EXPECT_EQ(route.nodeText(other), "Etage1"); // floors count per building
    EXPECT_EQ(route.floor(e2)->floorNumber, 2);
    EXPECT_EQ(route.nodeImage(e1), 2);
    EXPECT_EQ(route.addFloor(e1), 0u); // only buildings have floors
    EXPECT_TRUE(route.isModified());

    const RouteNodeId d = route.appendDevice(e1, makeDevice(1234, "7"));
    EXPECT_EQ(route.nodeText(d), "00001234");
    EXPECT_EQ(route.nodeImage(d), 4);
    EXPECT_EQ(route.nodeStateImage(d), 3);
    EXPECT_EQ(route.nodeStateImage(e1), -1);
    EXPECT_EQ(route.appendDevice(h1, makeDevice(1)), 0u); // devices sit on floors
    EXPECT_EQ(route.buildingOf(d), h1);
}

TEST(RouteModel, DeviceImagesAndIdTexts) {
    const std::pair<int, int> table[] = {{2, 7},   {3, 9},   {4, 8},   {12, 8},  {7, 4},   {8, 3},
                                         {26, 10}, {27, 11}, {28, 12}, {32, 13}, {33, 14}, {37, 15},
                                         {40, 16}, {41, 17}, {42, 18}, {0, 5},   {99, 5},  {-1, 5}};
    for (auto [type, image] : table)
        EXPECT_EQ(deviceImageForType(type), image) << type;
    EXPECT_EQ(deviceImageForMedium("99"), 5);
    EXPECT_EQ(deviceImageForMedium(" 07 "), 4);
    EXPECT_EQ(deviceImageForMedium("WASSER"), 5);
    EXPECT_EQ(deviceImageForMedium(""), 5);
    EXPECT_EQ(radioIdText(1234), "00001234");
    EXPECT_EQ(radioIdText(0), "00000000");
    EXPECT_EQ(radioIdText(4294967295u), "4294967295");
}

// Freed names are taken again only when free: devices find floors by name when a route is read.
TEST(RouteModel, NewNamesSkipNamesInUse) {
    Route route;
    BuildingRecord b;
    b.name = "Haus1";
    b.floorCount = 1;
    const RouteNodeId h = route.appendBuilding(b);
    FloorRecord f;
    f.name = "Etage2";
    route.appendFloor(h, f);
    EXPECT_EQ(route.nodeText(route.addFloor(h)), "Etage3");
    EXPECT_EQ(route.nodeText(route.addBuilding()), "Haus2");
}

TEST(RouteModel, IdsStayStableAndRowsFollowRemoval) {
    Route route;
    const RouteNodeId a = route.addBuilding();
    const RouteNodeId b = route.addBuilding();
    const RouteNodeId c = route.addBuilding();
    const RouteNodeId floorOfB = route.addFloor(b);
    const RouteNodeId dev = route.appendDevice(floorOfB, makeDevice(5));
    EXPECT_EQ(route.row(c), 2);

    EXPECT_TRUE(route.remove(b));
    EXPECT_FALSE(route.contains(b));
    EXPECT_FALSE(route.contains(floorOfB));
    EXPECT_FALSE(route.contains(dev));
    EXPECT_EQ(route.deviceCount(), 0);
    EXPECT_EQ(route.row(a), 0);
    EXPECT_EQ(route.row(c), 1);
    EXPECT_EQ(route.child(route.root(), 1), c);
    EXPECT_EQ(route.child(route.root(), 2), 0u);
    EXPECT_EQ(route.parent(c), route.root());

    const RouteNodeId d = route.addBuilding();
    EXPECT_GT(d, dev); // ids are not reused
    EXPECT_FALSE(route.remove(route.root()));
    EXPECT_FALSE(route.remove(9999));
    EXPECT_FALSE(route.kind(9999).has_value());
    EXPECT_EQ(route.childCount(9999), 0);
    EXPECT_TRUE(route.children(b).empty());
}

TEST(RouteModel, ObserversHearChangesInItemModelOrder) {
    Route route;
    RecordingObserver obs;
    route.addObserver(&obs);
    const RouteNodeId h = route.addBuilding();
    const RouteNodeId f = route.addFloor(h);
    route.appendDevice(f, makeDevice(1));
    route.appendDevice(f, makeDevice(2));
    route.remove(route.child(f, 0));
    route.sortDevicesByRadioId();
    route.setFloor(f, FloorRecord{"Keller", {}, 1});
    route.addBuilding();
    route.clear();
    const std::vector<std::string> expected = {
        "aboutToInsert 1 0 0", "inserted 1 0 0",      "aboutToInsert 2 0 0", "inserted 2 0 0",
        "aboutToInsert 3 0 0", "inserted 3 0 0",      "aboutToInsert 3 1 1", "inserted 3 1 1",
        "aboutToRemove 3 0 0", "removed 3 0 0",       "aboutToReorder",      "reordered",
        "changed 3",           "aboutToInsert 1 1 1", "inserted 1 1 1",      "aboutToRemove 1 0 1",
        "removed 1 0 1"};
    EXPECT_EQ(obs.events, expected);

    obs.events.clear();
    Route loaded;
    loaded.addBuilding();
    route.replaceWith(std::move(loaded));
    EXPECT_EQ(obs.events, (std::vector<std::string>{"aboutToReset", "reset"}));
    EXPECT_EQ(route.childCount(route.root()), 1);
    EXPECT_EQ(loaded.childCount(loaded.root()), 0);

    route.removeObserver(&obs);
    obs.events.clear();
    route.addBuilding();
    EXPECT_TRUE(obs.events.empty());
}

TEST(RouteModel, LookupByIdTypeAndManufacturer) {
    Route route;
    const RouteNodeId f = route.addFloor(route.addBuilding());
    const RouteNodeId a =
        route.appendDevice(f, makeDevice(12345678, "7", "QLM", "00112233445566778899AABBCCDDEEFF"));
    const RouteNodeId b = route.appendDevice(f, makeDevice(12345678, " 08", " abc "));

    auto hit = route.findRouteDeviceByIdText("12345678", 7, "QLM");
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->node, a);
    EXPECT_EQ(hit->keyText, "00112233445566778899AABBCCDDEEFF");
    hit = route.findRouteDevice(12345678, 8, "ABC");
    ASSERT_TRUE(hit);
    EXPECT_EQ(hit->node, b);
    EXPECT_TRUE(hit->keyText.empty());

    EXPECT_FALSE(route.findRouteDevice(12345678, 8, "QLM"));
    EXPECT_FALSE(route.findRouteDevice(12345679, 7, "QLM"));
    EXPECT_FALSE(route.findRouteDevice(12345678, 7, "QLN"));
    EXPECT_FALSE(route.findRouteDeviceByIdText("1234567A", 7, "QLM"));
    EXPECT_FALSE(route.findRouteDeviceByIdText("", 7, "QLM"));
    EXPECT_TRUE(route.findRouteDeviceByIdText(" 12345678 ", 7, "QLM"));
    EXPECT_FALSE(route.findRouteDeviceByIdText("4294967296", 7, "QLM"));

    // The decoder's view of the same index.
    const DeviceDirectory& directory = route;
    const DeviceLookup seen = directory.findDevice(12345678, 7, "QLM");
    EXPECT_TRUE(seen.found);
    EXPECT_EQ(seen.keyText, "00112233445566778899AABBCCDDEEFF");
    EXPECT_FALSE(directory.findDevice(12345678, 9, "QLM").found);

    // Changing the identity moves the device in the index; removal takes it out.
    RouteDevice changed = *route.device(a);
    changed.radioId = 42;
    changed.keyText = "FF";
    route.setDevice(a, changed);
    EXPECT_FALSE(route.findRouteDevice(12345678, 7, "QLM"));
    ASSERT_TRUE(route.findRouteDeviceByIdText("00000042", 7, "QLM"));
    EXPECT_EQ(route.findRouteDevice(42, 7, "QLM")->keyText, "FF");
    route.remove(a);
    EXPECT_FALSE(route.findRouteDevice(42, 7, "QLM"));

    // A device whose type or code can never come from a telegram is kept but never matches.
    const RouteNodeId odd = route.appendDevice(f, makeDevice(7, "WASSER"));
    route.appendDevice(f, makeDevice(8, "8", "QLMX"));
    EXPECT_TRUE(route.contains(odd));
    EXPECT_FALSE(route.findRouteDevice(7, 8, "QLM"));
    EXPECT_FALSE(route.findRouteDevice(8, 8, "QLM"));
    EXPECT_EQ(route.deviceCount(), 3);
}

TEST(RouteModel, RadioIdTexts) {
    EXPECT_EQ(radioIdFromText("00001234"), 1234u);
    EXPECT_EQ(radioIdFromText(" 4294967295 "), 4294967295u);
    EXPECT_FALSE(radioIdFromText("4294967296"));
    EXPECT_FALSE(radioIdFromText("99999999999999999999999"));
    EXPECT_FALSE(radioIdFromText("-1"));
    EXPECT_FALSE(radioIdFromText("12 34"));
    EXPECT_FALSE(radioIdFromText(""));
}

TEST(RouteModel, EqualDevicesAnswerInTreeOrder) {
    Route route;
    const RouteNodeId h1 = route.addBuilding();
    const RouteNodeId h2 = route.addBuilding();
    const RouteNodeId f2 = route.addFloor(h2);
    const RouteNodeId f1 = route.addFloor(h1);
    const RouteNodeId later = route.appendDevice(f2, makeDevice(9, "8", "QLM", "22"));
    const RouteNodeId first = route.appendDevice(f1, makeDevice(9, "8", "QLM", "11"));
    EXPECT_EQ(route.findRouteDevice(9, 8, "QLM")->node, first);
    route.remove(h1);
    EXPECT_EQ(route.findRouteDevice(9, 8, "QLM")->node, later);
}

TEST(RouteModel, SortOrdersDevicesOfEachFloorOnly) {
    Route route;
    const RouteNodeId h = route.addBuilding();
    const RouteNodeId e1 = route.addFloor(h);
    const RouteNodeId e2 = route.addFloor(h);
    for (std::uint32_t id : {30u, 10u, 20u, 10u})
        route.appendDevice(e1, makeDevice(id));
    const RouteNodeId firstTen = route.child(e1, 1);
    route.appendDevice(e2, makeDevice(5));
    route.setModified(false);

    route.sortDevicesByRadioId();
    std::vector<std::uint32_t> ids;
    for (RouteNodeId d : route.children(e1))
        ids.push_back(route.device(d)->radioId);
    EXPECT_EQ(ids, (std::vector<std::uint32_t>{10, 10, 20, 30}));
    EXPECT_EQ(route.child(e1, 0), firstTen); // equal IDs keep their order
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(route.row(route.child(e1, r)), r);
    EXPECT_EQ(route.row(e2), 1);
    EXPECT_EQ(route.childCount(e2), 1);
    EXPECT_TRUE(route.isModified());
    const auto order = route.devicesInTreeOrder();
    ASSERT_EQ(order.size(), 5u);
    EXPECT_EQ(route.device(order.back())->radioId, 5u);
}

TEST(RouteModel, ReceptionCountsWithoutChangingTheRoute) {
    Route route;
    const RouteNodeId f = route.addFloor(route.addBuilding());
    const RouteNodeId a = route.appendDevice(f, makeDevice(1));
    const RouteNodeId b = route.appendDevice(f, makeDevice(2));
    route.setModified(false);

    LastTelegram t;
    t.accessNumber = "17";
    t.values[0] = {"12,5", "m3"};
    EXPECT_TRUE(route.updateReceived(a, t, "85", ReceiveState::Received));
    EXPECT_TRUE(route.updateReceived(b, t, "90", ReceiveState::ReceivedEncrypted));
    EXPECT_TRUE(route.updateReceived(a, t, "80", ReceiveState::Received));
    EXPECT_FALSE(route.updateReceived(f, t, "80", ReceiveState::Received));
    EXPECT_EQ(route.receivedDeviceCount(), 2);
    EXPECT_EQ(route.device(a)->rssi, "80");
    EXPECT_EQ(route.device(a)->last.values[0].unit, "m3");
    EXPECT_EQ(route.nodeStateImage(a), kStateReceived);
    EXPECT_EQ(route.nodeStateImage(b), kStateReceivedEncrypted);
    EXPECT_FALSE(route.isModified());

    route.resetReceiveState();
    EXPECT_EQ(route.receivedDeviceCount(), 0);
    EXPECT_TRUE(route.updateReceived(b, t, "90", ReceiveState::Received));
    route.remove(b);
    EXPECT_EQ(route.receivedDeviceCount(), 0);
    EXPECT_TRUE(route.updateReceived(a, t, "80", ReceiveState::Received));
    route.setModified(false);
    route.resetReceiveState();
    EXPECT_EQ(route.receivedDeviceCount(), 0);
    EXPECT_EQ(route.nodeStateImage(a), 3);
    EXPECT_EQ(route.device(a)->last.accessNumber, "17"); // the last values stay readable
    EXPECT_FALSE(route.isModified());
}

} // namespace
