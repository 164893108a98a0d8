// Device list files from anywhere: every line is taken or refused with a reason, never lost, and the
// route built from them stays a sound tree.

#include "core/wmbus/keys/DeviceList.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

using namespace kvq::wmbus;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const DeviceListParse parsed = parseDeviceList(bytes);
    Route route;
    const DeviceListImport result = importDeviceList(parsed, route);
    const std::size_t lines = parsed.devices.size() + parsed.refused.size();
    if (static_cast<std::size_t>(result.placed) + result.unplaced.size() + result.refused.size() != lines)
        std::abort();
    if (route.deviceCount() != result.placed)
        std::abort();
    int devices = 0;
    for (RouteNodeId b : route.children(route.root()))
        for (RouteNodeId f : route.children(b))
            for (RouteNodeId d : route.children(f)) {
                const RouteDevice* dev = route.device(d);
                if (!dev ||
                    !route.findRouteDevice(dev->radioId, static_cast<std::uint8_t>(dev->medium.toInt()),
                                           dev->manufacturer.toStdString()))
                    std::abort();
                ++devices;
            }
    if (devices != result.placed)
        std::abort();
    return 0;
}
