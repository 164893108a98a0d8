#pragma once
// The serial ports the port lists offer.

#include "core/link/PortMap.h"
#include "core/link/PortSettings.h"

#include <QStringList>

namespace kvq {

// Serial devices the system reports. Outside Windows the stable /dev/serial/by-id names stand in for
// the devices they point to; built-in ports and other devices appear under their own path.
QStringList systemSerialDevices();

// Fills a port list: on Windows "COMn" for every port the system reports, in its order. Elsewhere each
// reported device is given a number in the map first; the list then shows "COMn  path" for every mapped
// path that exists now (typed paths included), in number order.
void FillPortList(PortList& list, PortMap& map);
QStringList portListEntries(PortMap& map);

} // namespace kvq
