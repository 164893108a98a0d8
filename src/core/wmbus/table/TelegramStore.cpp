#include "core/wmbus/table/TelegramStore.h"

#include "core/wmbus/table/RouteRows.h"

namespace kvq::wmbus {

TelegramStore::TelegramStore(Route& route, ResultTable& table, UnregisteredList& unregistered)
    : route_(route), table_(table), unregistered_(unregistered) {}

TelegramStore::Destination TelegramStore::store(const TelegramResult& t, const QDateTime& now) {
    const ReceiveTime nowMs = now.toMSecsSinceEpoch();
    const auto device =
        route_.findRouteDeviceByIdText(t.link.idText.view(), t.deviceType, t.link.manufacturer.view());
    if (!device) {
        if (!t.valuesTaken)
            return Destination::Dropped;
        unregistered_.note(t, nowMs);
        return Destination::Unregistered;
    }
    route_.updateReceived(device->node, lastTelegramOf(t, now), QString::fromLatin1(t.rssiText.view()),
                          receiveStateOf(t));
    table_.store(t, option_, nowMs);
    if (onRouteTelegram_)
        onRouteTelegram_(t, device->node);
    return Destination::Route;
}

void TelegramStore::showOnce() {
    table_.assign(routeRows(route_));
}

} // namespace kvq::wmbus
