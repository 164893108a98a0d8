#pragma once
// Route files (*.ROUTE): INI text with the route, its buildings ("HAUSh"), their floors
// ("HAUSh_Ef") and devices ("HAUSh_Ss", s counting across all floors of the building).

#include "core/app/IniFile.h"
#include "core/app/Result.h"
#include "core/wmbus/route/Route.h"

#include <QStringList>

namespace kvq::wmbus {

// Text form of the creation time (key CREATE); the reader parses it back with the same format.
inline const QString kRouteCreateFormat = QStringLiteral("dd.MM.yyyy hh:mm:ss");

struct RouteReadResult {
    Route route;
    // Radio modes ("T", "S", "C") to start, in this order: a file without RFMODE asks for all
    // three in turn, so the receiver ends in mode C.
    QStringList radioModes;
    // What could not be read and was skipped; empty for a sound file.
    QStringList messages;
};

// Reads a route file into a new route (unchanged state). A missing or unreadable file is an
// error; a damaged one loads what is sound and lists the rest in `messages`.
Result<RouteReadResult> readRouteFile(const QString& path, const QString& createFormat = kRouteCreateFormat);
RouteReadResult readRoute(const IniFile& ini, const QString& createFormat = kRouteCreateFormat);

// The file content of a route. `warnings` gets what will not read back as it is in memory
// (a key text that is no valid key, two floors of one building with the same name).
IniFile routeToIni(const Route& route, const QString& radioMode,
                   const QString& createFormat = kRouteCreateFormat, QStringList* warnings = nullptr);

// Writes the route; the file is replaced only when the new one is completely written, so a
// failed save leaves the previous file as it was. On success the warnings of routeToIni.
Result<QStringList> writeRouteFile(const Route& route, const QString& path, const QString& radioMode,
                                   const QString& createFormat = kRouteCreateFormat);

} // namespace kvq::wmbus
