#pragma once
// Between decoded telegrams, the route's device records and table rows.

#include "core/wmbus/TelegramResult.h"
#include "core/wmbus/route/Route.h"
#include "core/wmbus/table/StoredResult.h"

#include <QDateTime>

#include <vector>

namespace kvq::wmbus {

// A telegram as a route device keeps it. receivedAt: the time to store when the telegram carries
// none (live data).
LastTelegram lastTelegramOf(const TelegramResult& telegram, const QDateTime& receivedAt);

// Heard and decoded, or heard but not readable (encrypted without a fitting key).
ReceiveState receiveStateOf(const TelegramResult& telegram);

// The table row of a route device from its record: its last telegram, or only its ID, type and
// code while it has sent nothing.
StoredResult storedResultOf(const RouteDevice& device);

// One row per device of the route, in tree order ("einmalig").
std::vector<StoredResult> routeRows(const Route& route);

} // namespace kvq::wmbus
