#include "core/wmbus/keys/DeviceList.h"

#include "core/wmbus/keys/CsvFields.h"

#include <algorithm>
#include <unordered_set>

namespace kvq::wmbus {

namespace {

bool isFlagCode(const QString& code) {
    return code.size() == 3 &&
           std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

RouteNodeId findChildNamed(const Route& route, RouteNodeId parent, const QString& name) {
    for (RouteNodeId c : route.children(parent)) {
        const QString n =
            route.kind(c) == RouteNodeKind::Building ? route.building(c)->name : route.floor(c)->name;
        if (n.trimmed() == name)
            return c;
    }
    return 0;
}

} // namespace

DeviceListParse parseDeviceList(const QByteArray& bytes) {
    const QStringList lines = csvLines(bytes);
    DeviceListParse out;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const int lineNo = static_cast<int>(i + 1);
        if (lines[i].trimmed().isEmpty())
            continue;
        const QStringList f = csvFields(lines[i]);
        const auto refuse = [&](ListLineFault fault) { out.refused.push_back({lineNo, fault}); };
        if (f.size() < 6) {
            refuse(ListLineFault::TooFewFields);
            continue;
        }
        const auto id = radioIdField(f[2]);
        if (!id || *id == 0) {
            refuse(ListLineFault::BadRadioId);
            continue;
        }
        const QString man = f[3].toUpper();
        if (!isFlagCode(man)) {
            refuse(ListLineFault::BadManufacturer);
            continue;
        }
        const auto type = deviceTypeField(f[4]);
        if (!type) {
            refuse(ListLineFault::BadDeviceType);
            continue;
        }
        const auto key = keyField(f[5]);
        if (!key) {
            refuse(ListLineFault::BadKey);
            continue;
        }
        if (f[0].isEmpty() != f[1].isEmpty()) {
            refuse(ListLineFault::MissingPlace);
            continue;
        }
        DeviceListLine line;
        line.line = lineNo;
        line.building = f[0];
        line.floor = f[1];
        line.device.radioId = *id;
        line.device.manufacturer = man;
        line.device.medium = QString::number(*type);
        line.device.keyText = *key;
        line.device.positionText = f.value(6);
        out.devices.push_back(std::move(line));
    }
    return out;
}

DeviceListImport importDeviceList(const DeviceListParse& parsed, Route& route) {
    DeviceListImport out;
    out.refused = parsed.refused;
    std::unordered_set<std::uint64_t> unplacedKeys;
    for (const DeviceListLine& line : parsed.devices) {
        const RouteDevice& d = line.device;
        const std::string man = d.manufacturer.toStdString();
        const int type = d.medium.toInt();
        const auto key = deviceLookupKey(d.radioId, type, man);
        const bool inRoute =
            route.findRouteDevice(d.radioId, static_cast<std::uint8_t>(type), man).has_value();
        if (inRoute || unplacedKeys.count(*key)) {
            out.refused.push_back({line.line, ListLineFault::AlreadyInRoute});
            continue;
        }
        if (line.building.isEmpty()) {
            unplacedKeys.insert(*key);
            out.unplaced.push_back(line);
            continue;
        }
        RouteNodeId building = findChildNamed(route, route.root(), line.building);
        if (!building) {
            BuildingRecord b;
            b.name = line.building;
            building = route.appendBuilding(b);
        }
        RouteNodeId floor = findChildNamed(route, building, line.floor);
        if (!floor) {
            BuildingRecord b = *route.building(building);
            FloorRecord f;
            f.name = line.floor;
            f.floorNumber = ++b.floorCount;
            route.setBuilding(building, b);
            floor = route.appendFloor(building, f);
        }
        route.appendDevice(floor, d);
        ++out.placed;
    }
    std::sort(out.refused.begin(), out.refused.end(),
              [](const ListLineError& a, const ListLineError& b) { return a.line < b.line; });
    return out;
}

} // namespace kvq::wmbus
