#pragma once
// The records the route tree holds: one route, its buildings, their floors and the radio
// devices on each floor.

#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>

namespace kvq::wmbus {

// Stable identity of a node of the route tree; 0 is no node.
using RouteNodeId = std::uint32_t;

enum class RouteNodeKind { Route, Building, Floor, Device };

struct RouteRecord {
    QString name = QStringLiteral("Route 1");
    QString remark;
    // Numbers new buildings: "Haus" followed by the counter after adding one.
    std::int32_t buildingCounter = 0;
    QDateTime created;
};

struct BuildingRecord {
    QString name;   // "Objektname"
    QString street; // "Straße / Hausnummer"
    QString houseNumber;
    QString postCode; // "Stadt / PLZ"
    QString town;
    QString remark; // "Beschreibung"
    // Numbers new floors: "Etage" followed by the count after adding one.
    std::int32_t floorCount = 0;
    std::int32_t spare = 0;
    QDateTime time;
};

struct FloorRecord {
    QString name;
    QString remark;
    std::int32_t floorNumber = 0;
};

struct ValueUnit {
    QString value;
    QString unit;
};

inline constexpr int kDeviceValuePairs = 20;

// What the device's last telegram said, as the data table shows it.
struct LastTelegram {
    QString length; // L field
    QString linkId; // link-layer ID text
    QString accessNumber;
    QString headerId; // ID text of the transport header
    QDateTime receiveTime;
    QString deviceType; // medium code of the telegram, decimal
    QString manufacturer;
    QString version;
    QString encrypted; // "yes" / "no"
    QString decrypted; // "yes" / "no"
    QString keyUsed;
    QString repeated;   // "1" / "0"
    QString mode7;      // "1" / "0"
    QString errorFlags; // value of the record with the unit "ERROR FLAGS"
    std::array<ValueUnit, kDeviceValuePairs> values;
};

enum class ReceiveState {
    NotReceived,
    Received,          // values decoded
    ReceivedEncrypted, // heard, but its payload could not be decrypted
};

struct RouteDevice {
    std::uint32_t radioId = 0;
    QString manufacturer = QStringLiteral("QLM"); // flag code, MANCODE
    QString positionText;                         // "Bemerkung zur Geräteposition im Objekt"
    QString keyText;                              // AES key, 32 hex digits; empty when none
    QString medium = QStringLiteral("8");         // device type as decimal text
    QString rssi = QStringLiteral("107");
    ReceiveState state = ReceiveState::NotReceived;
    LastTelegram last;
};

// Node images of the tree: 0 route, 1 building, 2 floor, devices by device type.
inline constexpr int kRouteImage = 0;
inline constexpr int kBuildingImage = 1;
inline constexpr int kFloorImage = 2;
inline constexpr int kUnknownDeviceImage = 5;

// Image of a device node for its device type text; any other type, or no number, gives 5.
int deviceImageForMedium(const QString& medium);
int deviceImageForType(int deviceType);

// State images of device nodes: 3 not yet received.
inline constexpr int kStateNotReceived = 3;
inline constexpr int kStateReceived = 1;
inline constexpr int kStateReceivedEncrypted = 2;
int stateImage(ReceiveState state);

// Node text of a device: the radio ID as at least eight decimal digits with leading zeros.
QString radioIdText(std::uint32_t radioId);

} // namespace kvq::wmbus
