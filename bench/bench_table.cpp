// The data table under load: 100,000 telegrams into "Echtzeit alle" (time and memory per row),
// "Echtzeit neuste" with few and with many devices, and "einmalig" over a large route.

#include "core/wmbus/FlagCode.h"
#include "core/wmbus/TelegramResult.h"
#include "core/wmbus/route/Route.h"
#include "core/wmbus/table/TelegramStore.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <cstdio>
#include <string>
#include <vector>

using namespace kvq;
using namespace kvq::wmbus;

namespace {

const QDateTime kNow(QDate(2026, 3, 4), QTime(10, 0));

// A route of `devices` water meters on floors of 25, and one decoded telegram of each with the
// values a typical meter sends.
struct Fixture {
    Route route;
    std::vector<TelegramResult> telegrams;

    explicit Fixture(int devices) {
        RouteNodeId floor = 0;
        for (int i = 0; i < devices; ++i) {
            if (i % 100 == 0)
                route.addBuilding();
            if (i % 25 == 0)
                floor = route.addFloor(route.child(route.root(), route.childCount(route.root()) - 1));
            RouteDevice d;
            d.radioId = static_cast<std::uint32_t>(10000000 + i);
            d.medium = QStringLiteral("7");
            d.manufacturer = QStringLiteral("QLM");
            route.appendDevice(floor, d);

            TelegramResult r;
            r.link.l = 0x2E;
            char id[16];
            std::snprintf(id, sizeof id, "%08d", 10000000 + i);
            r.link.idText.assign(id);
            r.headerIdText.assign(id);
            r.link.manufacturer = unpackFlagCode(*packFlagCode("QLM"));
            r.deviceType = 7;
            r.accessNumber = static_cast<std::uint8_t>(i);
            r.rssiText.assign("-71");
            r.valuesTaken = true;
            r.receiveTime = kNow.toMSecsSinceEpoch() + i;
            r.values[0] = {"1234,567", "m³"};
            r.values[1] = {"31.12.2025", "Datum"};
            r.values[2] = {"1100,250", "m³"};
            r.values[3] = {"0,012", "m³/h"};
            r.values[4] = {"00000000", "ERROR FLAGS"};
            telegrams.push_back(std::move(r));
        }
    }
};

std::size_t heapInUse() {
    return mallinfo2().uordblks;
}

// 100,000 telegrams of 1,000 route devices into "Echtzeit alle": route record, table row.
void BM_LiveAll100k(benchmark::State& state) {
    Fixture f(1000);
    constexpr int kTelegrams = 100000;
    std::size_t bytes = 0, estimate = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ResultTable table;
        UnregisteredList unregistered;
        TelegramStore store(f.route, table, unregistered);
        store.setDisplayOption(DisplayOption::LiveAll);
        const std::size_t before = heapInUse();
        state.ResumeTiming();
        for (int i = 0; i < kTelegrams; ++i)
            store.store(f.telegrams[static_cast<std::size_t>(i) % f.telegrams.size()], kNow);
        state.PauseTiming();
        bytes = heapInUse() - before; // the table and the route records' last telegrams
        estimate = table.memoryBytes();
        benchmark::DoNotOptimize(table.size());
        state.ResumeTiming();
    }
    state.counters["heap_bytes_per_row"] = static_cast<double>(bytes) / kTelegrams;
    state.counters["table_bytes_per_row"] = static_cast<double>(estimate) / kTelegrams;
    state.counters["table_MB"] = static_cast<double>(estimate) / 1e6;
}
BENCHMARK(BM_LiveAll100k)->Unit(benchmark::kMillisecond)->Iterations(3);

// One telegram into "Echtzeit neuste": the device's row is found through the index, whatever the
// number of devices.
void BM_LiveNewestPerTelegram(benchmark::State& state) {
    Fixture f(static_cast<int>(state.range(0)));
    ResultTable table;
    UnregisteredList unregistered;
    TelegramStore store(f.route, table, unregistered);
    store.setDisplayOption(DisplayOption::LiveNewest);
    for (const TelegramResult& t : f.telegrams)
        store.store(t, kNow);
    std::size_t i = 0;
    for (auto _ : state) {
        store.store(f.telegrams[i], kNow);
        if (++i == f.telegrams.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["rows"] = table.size();
}
BENCHMARK(BM_LiveNewestPerTelegram)->Arg(10)->Arg(10000);

// Table rows alone (no route record), to show where the per-telegram time goes.
void BM_TableRowOnly(benchmark::State& state) {
    Fixture f(static_cast<int>(state.range(0)));
    ResultTable table;
    for (const TelegramResult& t : f.telegrams)
        table.store(t, DisplayOption::LiveNewest, 1);
    std::size_t i = 0;
    for (auto _ : state) {
        table.store(f.telegrams[i], DisplayOption::LiveNewest, 1);
        if (++i == f.telegrams.size())
            i = 0;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TableRowOnly)->Arg(10)->Arg(10000);

// "einmalig" over a route of 10,000 devices that have all been heard.
void BM_Once10k(benchmark::State& state) {
    Fixture f(10000);
    ResultTable table;
    UnregisteredList unregistered;
    TelegramStore store(f.route, table, unregistered);
    store.setDisplayOption(DisplayOption::Off);
    for (const TelegramResult& t : f.telegrams)
        store.store(t, kNow);
    for (auto _ : state) {
        store.showOnce();
        benchmark::DoNotOptimize(table.size());
    }
    state.counters["rows"] = table.size();
}
BENCHMARK(BM_Once10k)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
