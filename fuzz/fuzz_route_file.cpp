// Route files from anywhere: reading must never crash or hang, and whatever was read must
// survive being written and read again.

#include "core/app/IniFile.h"
#include "core/wmbus/route/RouteFile.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

using namespace kvq;
using namespace kvq::wmbus;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const RouteReadResult first = readRoute(IniFile::fromBytes(bytes));
    const Route& route = first.route;

    // Walk the tree the way an item model does.
    int devices = 0;
    for (RouteNodeId b : route.children(route.root())) {
        if (route.parent(b) != route.root())
            std::abort();
        for (RouteNodeId f : route.children(b)) {
            for (RouteNodeId d : route.children(f)) {
                const RouteDevice* dev = route.device(d);
                if (!dev || route.child(f, route.row(d)) != d)
                    std::abort();
                if (route.nodeImage(d) < 3)
                    std::abort();
                ++devices;
            }
        }
    }
    if (devices != route.deviceCount())
        std::abort();

    const RouteReadResult second = readRoute(IniFile::fromBytes(routeToIni(route, "C").toBytes()));
    if (second.route.deviceCount() != route.deviceCount())
        std::abort();
    if (second.route.childCount(second.route.root()) != route.childCount(route.root()))
        std::abort();
    const auto a = route.devicesInTreeOrder();
    const auto b = second.route.devicesInTreeOrder();
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (route.device(a[i])->radioId != second.route.device(b[i])->radioId)
            std::abort();
    }
    return 0;
}
