// Device lookup once per telegram, for a small route and a large one; and reading and writing a
// large route file.

#include "core/wmbus/route/RouteFile.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

using namespace kvq;
using namespace kvq::wmbus;

namespace {

// Buildings of 4 floors with 25 devices each; IDs spread like real meters.
Route makeRoute(int devices) {
    Route route;
    RouteNodeId floor = 0;
    for (int i = 0; i < devices; ++i) {
        if (i % 100 == 0)
            route.addBuilding();
        const RouteNodeId building = route.child(route.root(), route.childCount(route.root()) - 1);
        if (i % 25 == 0)
            floor = route.addFloor(building);
        RouteDevice d;
        d.radioId = static_cast<std::uint32_t>(10000000 + i * 7919 % 89999999);
        d.medium = (i % 3 == 0) ? QStringLiteral("7") : QStringLiteral("8");
        d.manufacturer = (i % 5 == 0) ? QStringLiteral("ABC") : QStringLiteral("QLM");
        d.keyText = QStringLiteral("000102030405060708090A0B0C0D0E0F");
        route.appendDevice(floor, d);
    }
    return route;
}

struct Query {
    std::uint32_t radioId;
    std::uint8_t type;
    std::string manufacturer;
};

std::vector<Query> queriesFor(const Route& route, bool hits) {
    std::vector<Query> out;
    for (RouteNodeId id : route.devicesInTreeOrder()) {
        const RouteDevice& d = *route.device(id);
        const std::uint32_t radioId = hits ? d.radioId : d.radioId + 1;
        out.push_back({radioId, static_cast<std::uint8_t>(d.medium.toInt()), d.manufacturer.toStdString()});
    }
    return out;
}

void runLookups(benchmark::State& state, bool hits) {
    const Route route = makeRoute(static_cast<int>(state.range(0)));
    const auto queries = queriesFor(route, hits);
    // Through the interface the decoder holds.
    const DeviceDirectory& directory = route;
    std::size_t i = 0;
    benchmark::IterationCount found = 0;
    for (auto _ : state) {
        const Query& q = queries[i];
        const DeviceLookup match = directory.findDevice(q.radioId, q.type, q.manufacturer);
        found += match.found;
        benchmark::DoNotOptimize(match);
        if (++i == queries.size())
            i = 0;
    }
    if (hits != (found == state.iterations()))
        state.SkipWithError("lookup answered wrongly");
}

void BM_LookupHit(benchmark::State& state) {
    runLookups(state, true);
}
void BM_LookupMiss(benchmark::State& state) {
    runLookups(state, false);
}
BENCHMARK(BM_LookupHit)->Arg(10)->Arg(10000);
BENCHMARK(BM_LookupMiss)->Arg(10)->Arg(10000);

// What the index saves: walking the tree and comparing the record texts of every device.
void BM_TreeWalkForComparison(benchmark::State& state) {
    const Route route = makeRoute(static_cast<int>(state.range(0)));
    const auto queries = queriesFor(route, true);
    std::size_t i = 0;
    for (auto _ : state) {
        const Query& q = queries[i];
        const std::uint32_t radioId = q.radioId;
        const QString type = QString::number(q.type);
        const QString man = QString::fromStdString(q.manufacturer);
        RouteNodeId hit = 0;
        for (RouteNodeId id : route.devicesInTreeOrder()) {
            const RouteDevice& d = *route.device(id);
            if (d.radioId == radioId && d.medium == type && d.manufacturer == man) {
                hit = id;
                break;
            }
        }
        benchmark::DoNotOptimize(hit);
        if (++i == queries.size())
            i = 0;
    }
}
BENCHMARK(BM_TreeWalkForComparison)->Arg(10)->Arg(10000);

void BM_WriteRouteFile(benchmark::State& state) {
    const Route route = makeRoute(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QByteArray bytes = routeToIni(route, QStringLiteral("C")).toBytes();
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_WriteRouteFile)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ReadRouteFile(benchmark::State& state) {
    const QByteArray bytes =
        routeToIni(makeRoute(static_cast<int>(state.range(0))), QStringLiteral("C")).toBytes();
    for (auto _ : state) {
        RouteReadResult r = readRoute(IniFile::fromBytes(bytes));
        if (r.route.deviceCount() != state.range(0))
            state.SkipWithError("devices lost");
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(BM_ReadRouteFile)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
