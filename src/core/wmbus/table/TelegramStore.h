#pragma once
// Where every decoded telegram ends: a device of the route gets its record updated and, by the
// display option, a row in the data table, and is then offered to whoever listens (the export
// formats); a device outside the route goes to the unregistered list when the manufacturer filter
// took it, and is seen by neither the table nor the listeners.

#include "core/wmbus/route/Route.h"
#include "core/wmbus/table/ResultTable.h"
#include "core/wmbus/table/UnregisteredList.h"

#include <QDateTime>

#include <functional>

namespace kvq::wmbus {

class TelegramStore {
public:
    enum class Destination { Route, Unregistered, Dropped };
    // A telegram of a route device, after its record and the table took it.
    using RouteTelegramHandler = std::function<void(const TelegramResult&, RouteNodeId)>;

    TelegramStore(Route& route, ResultTable& table, UnregisteredList& unregistered);

    void setDisplayOption(DisplayOption option) { option_ = option; }
    DisplayOption displayOption() const { return option_; }
    void setRouteTelegramHandler(RouteTelegramHandler handler) { onRouteTelegram_ = std::move(handler); }

    // now: the local time that stands in for a telegram without its own time.
    Destination store(const TelegramResult& telegram, const QDateTime& now);

    // "einmalig": the table is refilled with one row per route device, in tree order.
    void showOnce();

private:
    Route& route_;
    ResultTable& table_;
    UnregisteredList& unregistered_;
    DisplayOption option_ = DisplayOption::LiveAll;
    RouteTelegramHandler onRouteTelegram_;
};

} // namespace kvq::wmbus
