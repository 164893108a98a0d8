#pragma once
// Device list files ("Importiere Messgeräte in Route"), so a route can be built in a spreadsheet.
// The first line is a heading and is skipped; then one device a line, fields separated by ';':
//   0  Haus        building name; the building is made when the route has none of that name
//   1  Etage       floor name within that building; made likewise
//   2  FunkID      radio ID, decimal, 1 to 4294967295
//   3  Hersteller  manufacturer flag code, three letters
//   4  Medium      device type, decimal or "0x" hexadecimal, 0 to 255
//   5  AESKey      empty, or 32 hex digits (blanks and an "0x" prefix allowed)
//   6  Bemerkung   position remark (optional)
// A line with both Haus and Etage empty names a device without a place: it goes to the import list,
// from where it can be dragged onto a floor. Bad lines are refused one by one and reported; the good
// lines are taken.

#include "core/wmbus/keys/KeyList.h"
#include "core/wmbus/route/Route.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace kvq::wmbus {

struct DeviceListLine {
    int line = 0;
    QString building;
    QString floor;
    RouteDevice device;
};

struct DeviceListParse {
    std::vector<DeviceListLine> devices;
    std::vector<ListLineError> refused;
};

DeviceListParse parseDeviceList(const QByteArray& bytes);

struct DeviceListImport {
    int placed = 0;                       // devices added to floors of the route
    std::vector<DeviceListLine> unplaced; // devices without a place, for the import list
    std::vector<ListLineError> refused;   // of parsing and of placing, by line
};

// Adds the parsed devices to the route; a device the route already holds is refused.
DeviceListImport importDeviceList(const DeviceListParse& parsed, Route& route);

} // namespace kvq::wmbus
