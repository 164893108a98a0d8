#pragma once
// A decoded telegram of a route device, as its route record keeps it.

#include "core/wmbus/TelegramResult.h"
#include "core/wmbus/route/RouteRecords.h"

#include <QDateTime>

namespace kvq {

// receivedAt: the time to store when the telegram carries none (live data).
wmbus::LastTelegram lastTelegramOf(const wmbus::TelegramResult& telegram, const QDateTime& receivedAt);

// Heard and decoded, or heard but not readable (encrypted without a fitting key).
wmbus::ReceiveState receiveStateOf(const wmbus::TelegramResult& telegram);

} // namespace kvq
