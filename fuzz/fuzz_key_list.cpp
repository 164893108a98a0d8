// Key list files from anywhere: parsing never crashes, a list it takes holds only sound keys, and
// applying it to a route changes keys and nothing else.

#include "core/wmbus/keys/KeyList.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

using namespace kvq::wmbus;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto parsed = parseKeyList(bytes);
    if (const auto* error = std::get_if<ListLineError>(&parsed)) {
        if (error->line < 2)
            std::abort(); // the heading is never read
        return 0;
    }
    const KeyList& list = std::get<KeyList>(parsed);
    Route route;
    const RouteNodeId floor = route.addFloor(route.addBuilding());
    for (const KeyListEntry& e : list.entries()) {
        if (e.keyText.size() != 32 || e.deviceType < 0 || e.deviceType > 255)
            std::abort();
        for (QChar c : e.keyText)
            if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')))
                std::abort();
        RouteDevice d;
        d.radioId = e.radioId;
        d.medium = QString::number(e.deviceType);
        route.appendDevice(floor, d);
    }
    const int taken = applyKeyList(list, route);
    if (taken != static_cast<int>(list.entries().size()) || route.deviceCount() != taken)
        std::abort();
    for (RouteNodeId id : route.devicesInTreeOrder()) {
        const RouteDevice& d = *route.device(id);
        const KeyListEntry* first = list.find(d.radioId, d.medium.toInt());
        if (!first || d.keyText != first->keyText)
            std::abort();
    }
    return 0;
}
