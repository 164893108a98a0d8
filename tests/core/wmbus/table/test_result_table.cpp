#include "core/app/TextCodec.h"
#include "core/wmbus/table/ResultTable.h"
#include "core/wmbus/table/RouteRows.h"
#include "core/wmbus/table/TableColumns.h"
#include "core/wmbus/table/TelegramStore.h"

#include "TableTestUtil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace kvq;
using namespace kvq::wmbus;
using wmbus::test::telegram;

namespace {

const QDateTime kNow(QDate(2026, 3, 4), QTime(10, 20, 30));

std::string cell(const ResultTable& t, int row, int column) {
    std::string out;
    AllColumns::instance().cell(t.at(row), row, column, out);
    return out;
}

struct Recorder : ResultTableObserver {
    std::vector<std::string> events;
    void appended(int f, int l) override {
        events.push_back("appended " + std::to_string(f) + "-" + std::to_string(l));
    }
    void rowChanged(int r) override { events.push_back("changed " + std::to_string(r)); }
    void aboutToReset() override { events.push_back("aboutToReset"); }
    void reset() override { events.push_back("reset"); }
};

// A route with devices 12345678 (water, CEN) and 23800604 (allocator, QLM) on one floor.
struct RouteRig {
    Route route;
    ResultTable table;
    UnregisteredList unregistered;
    TelegramStore store{route, table, unregistered};
    RouteNodeId water = 0, hca = 0;
    RouteRig() {
        const RouteNodeId floor = route.addFloor(route.addBuilding());
        RouteDevice d;
        d.radioId = 23800604;
        d.medium = QStringLiteral("8");
        d.manufacturer = QStringLiteral("QLM");
        hca = route.appendDevice(floor, d);
        d.radioId = 12345678;
        d.medium = QStringLiteral("7");
        d.manufacturer = QStringLiteral("CEN");
        water = route.appendDevice(floor, d);
    }
};

} // namespace

TEST(StoredResult, KeepsEveryTextWhateverItsLength) {
    TelegramResult r = telegram("12345678");
    r.values[19] = {std::string(300, 'v'), "u"}; // past the one-byte length
    r.values[5] = {"", "h"};
    const StoredResult s = StoredResult::fromTelegram(r, 5000);
    EXPECT_EQ(s.receiveTime, 5000); // no time of its own: the time it was stored
    EXPECT_EQ(s.linkId(), "12345678");
    EXPECT_EQ(s.rssi(), "-69");
    EXPECT_EQ(s.value(0), "12,345");
    EXPECT_EQ(s.unit(0), "m³");
    EXPECT_EQ(s.unit(5), "h");
    EXPECT_EQ(s.value(19), std::string(300, 'v'));
    EXPECT_EQ(s.unit(19), "u");
    const StoredResult copy = s;
    EXPECT_EQ(copy.value(19).size(), 300u);
    EXPECT_EQ(copy.unit(1), "Datum");

    // Trailing empty pairs take no room; pairs past them read as empty.
    const StoredResult small = StoredResult::fromTelegram(telegram("1"), 1);
    EXPECT_EQ(small.pairCount(), 2);
    EXPECT_EQ(small.value(7), "");
    EXPECT_LT(small.packedBytes(), 40u);
}

TEST(ResultTable, DisplayOptionsDecideHowTelegramsEnter) {
    ResultTable all, newest, once, off;
    for (int i = 0; i < 10; ++i) {
        const TelegramResult r = telegram("12345678", 7, "CEN", static_cast<std::uint8_t>(i));
        all.store(r, DisplayOption::LiveAll, 1);
        newest.store(r, DisplayOption::LiveNewest, 1);
        once.store(r, DisplayOption::Once, 1);
        off.store(r, DisplayOption::Off, 1);
    }
    EXPECT_EQ(all.size(), 10);
    ASSERT_EQ(newest.size(), 1);
    EXPECT_EQ(newest.at(0).accessNumber, 9); // the last telegram
    EXPECT_TRUE(once.empty());
    EXPECT_TRUE(off.empty());

    // The same ID with another type or manufacturer is another device.
    newest.store(telegram("12345678", 8), DisplayOption::LiveNewest, 1);
    newest.store(telegram("12345678", 7, "QLM"), DisplayOption::LiveNewest, 1);
    EXPECT_EQ(newest.size(), 3);

    // After "alle", "neuste" overwrites the device's latest row.
    Recorder rec;
    all.addObserver(&rec);
    EXPECT_EQ(all.store(telegram("12345678", 7, "CEN", 42), DisplayOption::LiveNewest, 1), 9);
    EXPECT_EQ(all.at(9).accessNumber, 42);
    EXPECT_EQ(all.at(8).accessNumber, 8);
    all.store(telegram("99"), DisplayOption::LiveAll, 1);
    EXPECT_EQ(rec.events, (std::vector<std::string>{"changed 9", "appended 10-10"}));
}

TEST(ResultTable, CellsFollowTheColumnsOfTheAllTab) {
    ResultTable t;
    TelegramResult r = telegram("12345678", 7, "CEN", 17);
    r.encrypted = true;
    r.receiveTime = kNow.toMSecsSinceEpoch();
    t.store(r, DisplayOption::LiveAll, 1);
    t.store(r, DisplayOption::LiveAll, 1);
    const AllColumns& c = AllColumns::instance();
    ASSERT_EQ(c.count(), 50);
    EXPECT_EQ(c.header(0), "Index");
    EXPECT_EQ(c.header(9), "RSSI");
    EXPECT_EQ(c.header(48), "Value");
    EXPECT_EQ(c.header(49), "Unit");
    const std::vector<std::string> expected = {
        "2", "30",  "12345678", "17",  "12345678", "04.03.2026 10:20:30",
        "7", "CEN", "yes",      "-69", "12,345",   "m³"};
    for (int col = 0; col < static_cast<int>(expected.size()); ++col)
        EXPECT_EQ(cell(t, 1, col), expected[static_cast<std::size_t>(col)]) << "column " << col;
    EXPECT_EQ(cell(t, 1, 49), "");
}

TEST(ResultTable, CsvFileHasHeadingSemicolonsQuotesAndTheClassicEncoding) {
    ResultTable t;
    TelegramResult r = telegram("12345678", 7, "CEN", 1, "1;5");
    r.receiveTime = kNow.toMSecsSinceEpoch();
    t.store(r, DisplayOption::LiveAll, 1);
    const QByteArray csv = tableCsv(t, AllColumns::instance());
    const QList<QByteArray> lines = csv.split('\n');
    ASSERT_EQ(lines.size(), 3); // heading, one row, nothing after the last line end
    EXPECT_TRUE(
        lines[0].startsWith("Index;Length;RadioID;TCount;MeterID;RTime;Medium;MC;AES;RSSI;Value;Unit;"));
    EXPECT_TRUE(lines[0].endsWith("Value;Unit\r"));
    EXPECT_TRUE(lines[1].startsWith(
        QByteArray("1;30;12345678;1;12345678;04.03.2026 10:20:30;7;CEN;no;-69;\"1;5\";m\xB3;")))
        << lines[1].toStdString();
    EXPECT_EQ(lines[1].count(';'), 49 + 1); // the quoted ';' is text, not a separator
    EXPECT_TRUE(lines[2].isEmpty());

    // The whole file is replaced; a folder that cannot take it leaves the old file.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("daten.CSV"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old content that is longer than nothing\r\n");
    old.close();
    ASSERT_TRUE(writeTableCsv(path, t, AllColumns::instance()));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), csv);
    EXPECT_FALSE(writeTableCsv(dir.filePath(QStringLiteral("missing/daten.CSV")), t, AllColumns::instance()));
}

TEST(TelegramStore, RouteDevicesReachTheTableOthersTheUnregisteredList) {
    RouteRig rig;
    int offered = 0;
    rig.store.setRouteTelegramHandler([&](const TelegramResult&, RouteNodeId node) {
        EXPECT_EQ(node, rig.water);
        ++offered;
    });

    // "aus": the table stays, the record still takes the telegram.
    rig.store.setDisplayOption(DisplayOption::Off);
    EXPECT_EQ(rig.store.store(telegram("12345678"), kNow), TelegramStore::Destination::Route);
    EXPECT_TRUE(rig.table.empty());
    const RouteDevice* d = rig.route.device(rig.water);
    EXPECT_EQ(d->state, ReceiveState::Received);
    EXPECT_EQ(d->last.values[0].value, QStringLiteral("12,345"));
    EXPECT_EQ(d->last.receiveTime, kNow);
    EXPECT_EQ(rig.route.receivedDeviceCount(), 1);

    rig.store.setDisplayOption(DisplayOption::LiveNewest);
    rig.store.store(telegram("12345678"), kNow);
    rig.store.store(telegram("12345678"), kNow);
    EXPECT_EQ(rig.table.size(), 1);
    EXPECT_EQ(rig.table.at(0).receiveTime, kNow.toMSecsSinceEpoch());

    // Outside the route: listed once per device, never in the table, never offered further.
    rig.store.setDisplayOption(DisplayOption::LiveAll);
    EXPECT_EQ(rig.store.store(telegram("55555555"), kNow), TelegramStore::Destination::Unregistered);
    EXPECT_EQ(rig.store.store(telegram("55555555"), kNow), TelegramStore::Destination::Unregistered);
    EXPECT_EQ(rig.store.store(telegram("12345678", 8), kNow), TelegramStore::Destination::Unregistered);
    EXPECT_EQ(rig.table.size(), 1);
    ASSERT_EQ(rig.unregistered.size(), 2);
    EXPECT_EQ(rig.unregistered.at(0).telegrams, 2u);
    EXPECT_EQ(rig.unregistered.at(1).deviceType, 8);
    EXPECT_EQ(offered, 3);

    // Whose manufacturer the filter refused is not listed either.
    TelegramResult filtered = telegram("66666666");
    filtered.valuesTaken = false;
    EXPECT_EQ(rig.store.store(filtered, kNow), TelegramStore::Destination::Dropped);
    EXPECT_EQ(rig.unregistered.size(), 2);
}

TEST(TelegramStore, OnceShowsEveryRouteDeviceInTreeOrderFromItsRecord) {
    RouteRig rig;
    rig.store.store(telegram("12345678", 7, "CEN", 5), kNow);
    rig.table.store(telegram("12345678"), DisplayOption::LiveAll, 1);
    rig.store.showOnce();
    ASSERT_EQ(rig.table.size(), 2);
    // Not heard yet: its ID, type and code, nothing else.
    EXPECT_EQ(cell(rig.table, 0, AllColumns::RadioId), "23800604");
    EXPECT_EQ(cell(rig.table, 0, AllColumns::Medium), "8");
    EXPECT_EQ(cell(rig.table, 0, AllColumns::MC), "QLM");
    EXPECT_EQ(cell(rig.table, 0, AllColumns::RTime), "");
    EXPECT_EQ(cell(rig.table, 0, AllColumns::AES), "");
    // Heard: its last telegram.
    EXPECT_EQ(cell(rig.table, 1, AllColumns::TCount), "5");
    EXPECT_EQ(cell(rig.table, 1, AllColumns::RTime), "04.03.2026 10:20:30");
    EXPECT_EQ(cell(rig.table, 1, AllColumns::RSSI), "-69");
    EXPECT_EQ(cell(rig.table, 1, AllColumns::FirstValue + 1), "m³");
    // "neuste" after "einmalig" finds the device's row.
    rig.store.setDisplayOption(DisplayOption::LiveNewest);
    rig.store.store(telegram("23800604", 8, "QLM", 9), kNow);
    EXPECT_EQ(rig.table.size(), 2);
    EXPECT_EQ(cell(rig.table, 0, AllColumns::TCount), "9");
}

TEST(UnregisteredList, SortsByRadioIdAndKeepsItsIndex) {
    UnregisteredList list;
    for (const char* id : {"30000000", "00000007", "20000000"})
        list.note(telegram(id), 1);
    const auto device = [](const char* id, const char* man, int type) {
        UnregisteredDevice d;
        d.idText = QString::fromLatin1(id);
        d.manufacturer = QString::fromLatin1(man);
        d.deviceType = type;
        return d;
    };
    EXPECT_FALSE(list.add(device("20000000", "CEN", 7)));
    EXPECT_TRUE(list.add(device("10000000", "QLM", 8)));
    list.sortByRadioId();
    ASSERT_EQ(list.size(), 4);
    EXPECT_EQ(list.at(0).idText, QStringLiteral("00000007"));
    EXPECT_EQ(list.at(3).idText, QStringLiteral("30000000"));
    list.note(telegram("30000000"), 1);
    EXPECT_EQ(list.size(), 4);
    EXPECT_EQ(list.at(3).telegrams, 2u);
    list.remove(0);
    EXPECT_EQ(list.rowOf("30000000", 7, "CEN"), 2);
}
