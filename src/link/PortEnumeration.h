#pragma once
// The serial ports the port lists offer.

#include "core/link/PortMap.h"
#include "core/link/PortSettings.h"

#include <QStringList>
#include <vector>

namespace kvq {

// Where serial devices are looked for besides what Qt reports. Tests point the by-id folder at a
// folder of links of their own, as udev makes them for USB sticks.
struct SerialDeviceScan {
    QString byIdFolder = PortMap::kByIdFolder;
};

// Serial devices the system reports, with their USB product names. Outside Windows the stable
// /dev/serial/by-id names stand in for the devices they point to; built-in ports and other devices
// appear under their own path.
std::vector<SerialDevice> systemSerialDevices(const SerialDeviceScan& scan = {});

// The entries of a port list: on Windows "COMn" for every port the system reports, in its order.
// Elsewhere each reported device is given a number in the map first; the list then shows every mapped
// port in number order as "COMn  name  (product)", one that is gone marked as such.
QStringList portListEntries(PortMap& map, const SerialDeviceScan& scan = {});
void FillPortList(PortList& list, PortMap& map, const SerialDeviceScan& scan = {});

// The mark of a mapped port whose device is not there.
QString absentPortText();

} // namespace kvq
